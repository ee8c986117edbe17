// Angle unit, trigonometry, rounding, normalisation, azimuths and rotation.
#include "survey_test.h"

namespace {

using namespace survey_test;
class Angle : public Degrees {};

TEST_F(Angle, TrigonometryFollowsTheUnit) {
    const struct { int mode; double right; } units[] = {{3, 100}, {0, kPi / 2}, {2, 90}};
    for (const auto &u : units) {
        EXPECT_EQ(u.mode, MathMode(u.mode));
        EXPECT_NEAR(1.0, sin_o(u.right), 1e-15) << u.mode;
        EXPECT_NEAR(u.right / 2, atan_o(1), 1e-13) << u.mode;
        EXPECT_NEAR(u.right, asin_o(1), 1e-13) << u.mode;
        EXPECT_NEAR(2 * u.right, acos_o(-1), 1e-13) << u.mode;
        EXPECT_GT(tan_o(u.right), 1e12) << u.mode;  // finite at the pole
    }
    EXPECT_NEAR(0.5, cos_o(-300), 1e-15);
    EXPECT_GT(tan_o(270), 1e12);
    EXPECT_TRUE(std::isfinite(tan_o(-270)));
    EXPECT_EQ(tan_o(350), tan_o(-10));
    EXPECT_NEAR(1.0, tan_o(45 + 360 * 3), 1e-12);
}

TEST_F(Angle, GuardedFunctionsAndMod) {
    const double want[][2] = {
        {asin_o(1.5), 0},          {acos_o(-1.0001), 0},  {atan2_o(1, 0), 0},
        {atan2_o(1, -1), -45},     {cot(0), 0},           {csec(0), 0},
        {cot(60), 1 / std::sqrt(3.0)}, {csec(30), 2},     {log_o(-std::exp(1.0)), 1},
        {log10_o(-100), 2},        {pow_o(0, -2), 1},     {sqrt_o(-4), 0},
        {sgn(0), 1},               {sgn(-0.1), -1},       {mod(-370, 360), -10},
        {mod(7, 0), 7},            {mod(2.5, 1), 0.5}};
    for (size_t i = 0; i < sizeof want / sizeof want[0]; ++i)
        EXPECT_NEAR(want[i][1], want[i][0], 1e-13) << "case " << i;
}

TEST_F(Angle, Rud) {
    const struct { double x; int mode, n; double want; } cases[] = {
        {2.345, 5, 2, 2.35}, {2.345, 0, 2, 2.34}, {-2.345, 5, 2, -2.35}, {2.301, 9, 2, 2.31},
        {2.3009, 9, 2, 2.30}, {2.3, 0, 1, 2.3}, {0.1 + 0.2, 0, 1, 0.3}, {1234.5, 5, 0, 1235},
        {0.4, 5, 0, 0}, {1e300, 5, 2, 1e300}, {kInf, 0, 0, kInf}};
    for (const auto &c : cases) EXPECT_EQ(c.want, rud(c.x, c.mode, c.n)) << c.x << " " << c.mode;
    EXPECT_DOUBLE_EQ(-1e20, rud(-1e20, 5, 3));
    EXPECT_TRUE(std::isnan(rud(kNaN, 5, 2)));
    EXPECT_EQ(rud(1.23456, 5, 0), rud(1.23456, 5, -3));
    EXPECT_EQ(rud(0.1234567890123456, 0, 14), rud(0.1234567890123456, 0, 99));
    double X, Y, d[3];
    RudSurveyZahyo(0, 5, 2, 1.005, 2.0049, &X, &Y);
    EXPECT_EQ(1.005, X);
    RudSurveyZahyo(1, 5, 2, 1.235, -2.0049, &X, &Y);
    EXPECT_TRUE(X == 1.24 && Y == -2.0) << X << " " << Y;
    // Distances are first rounded to millimetres when fewer decimals are asked.
    RudSurveyDist(1, 5, 2, 1.2345, &d[0]);
    RudSurveyDist(0, 5, 2, 1.2345, &d[1]);
    RudSurveyDist(1, 0, 4, 1.23456, &d[2]);
    EXPECT_TRUE(d[0] == 1.24 && d[1] == 1.23 && d[2] == 1.2345) << d[0] << " " << d[1] << " " << d[2];
}

TEST_F(Angle, AngChAzimuthsAndDistances) {
    const double cases[][2] = {{360, 360}, {720, 360}, {-360, 0},    {725, 5},
                               {-10, 350}, {0, 0},     {-1e-20, 0}, {-720.5, 359.5}};
    for (const auto &c : cases) EXPECT_EQ(c[1], ang_ch(c[0])) << c[0];
    EXPECT_FALSE(std::signbit(ang_ch(-0.0)));
    for (double huge : {1e300, -1e300}) {
        const double a = ang_ch(huge);
        EXPECT_TRUE(a >= 0.0 && a <= 360.0) << a;
    }
    for (double bad : {kInf, -kInf, kNaN}) EXPECT_TRUE(std::isnan(ang_ch(bad)));
    const double az[][3] = {{0, 5, 90},   {0, -5, 270}, {0, 0, 0},   {-1, 0, 180},
                               {1, 0, 0},    {1, -1, 315}, {1, 1, 45},  {-1, -1, 225}};
    for (const auto &c : az) EXPECT_NEAR(c[2], az_n(0, 0, c[0], c[1]), 1e-13) << c[2];
    EXPECT_EQ(5.0, dist_12(1, 1, 4, 5));
}

TEST_F(Angle, KaitenTurnsClockwiseAndFollowsTheUnit) {
    double X = 11, Y = 20;
    const double turns[][3] = {{90, 10, 21}, {0, 10, 21}, {-90, 11, 20}};  // north turns to east
    for (const auto &t : turns) {
        Kaiten(&X, &Y, 10, 20, t[0]);
        EXPECT_NEAR(t[1], X, 1e-15) << t[0];
        EXPECT_NEAR(t[2], Y, 1e-15) << t[0];
    }
    MathMode(0);
    X = 1, Y = 0;
    Kaiten(&X, &Y, 0, 0, 1.0);  // the same number is now one radian
    EXPECT_NEAR(std::cos(1.0), X, 1e-15);
    EXPECT_NEAR(std::sin(1.0), Y, 1e-15);
}

}  // namespace
