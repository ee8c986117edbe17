// Angle unit, trigonometry, rounding, normalisation, azimuths and rotation.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "zek2/survey.h"

namespace {

const double kPi = 3.14159265358979323846;
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

class Angle : public ::testing::Test {
protected:
    void SetUp() override { MathMode(2); }
    void TearDown() override { MathMode(2); }
};

TEST_F(Angle, TrigonometryFollowsTheUnit) {
    EXPECT_EQ(3, MathMode(3));
    EXPECT_NEAR(1.0, sin_o(100), 1e-15);
    EXPECT_NEAR(50.0, atan_o(1), 1e-13);
    EXPECT_GT(tan_o(100), 1e12);  // pole of the tangent in grads
    EXPECT_EQ(0, MathMode(0));
    EXPECT_NEAR(1.0, sin_o(kPi / 2), 1e-15);
    EXPECT_NEAR(kPi / 4, atan_o(1), 1e-15);
    EXPECT_GT(tan_o(kPi / 2), 1e12);
    EXPECT_EQ(2, MathMode(2));
    EXPECT_NEAR(0.5, sin_o(30), 1e-15);
    EXPECT_NEAR(0.5, cos_o(-300), 1e-15);
    EXPECT_NEAR(90.0, asin_o(1), 1e-13);
    EXPECT_NEAR(180.0, acos_o(-1), 1e-13);
}

TEST_F(Angle, TangentIsFiniteAtItsPolesAndPeriodic) {
    EXPECT_GT(tan_o(90), 1e12);
    EXPECT_GT(tan_o(270), 1e12);  // approached from below
    EXPECT_EQ(tan_o(350), tan_o(-10));
    EXPECT_NEAR(1.0, tan_o(45 + 360 * 3), 1e-12);
    EXPECT_TRUE(std::isfinite(tan_o(-270)));
}

TEST_F(Angle, GuardedFunctions) {
    EXPECT_EQ(0.0, asin_o(1.5));
    EXPECT_EQ(0.0, acos_o(-1.0001));
    EXPECT_EQ(0.0, atan2_o(1, 0));
    EXPECT_NEAR(-45.0, atan2_o(1, -1), 1e-13);  // one half-turn, no quadrant
    EXPECT_EQ(0.0, cot(0));
    EXPECT_EQ(0.0, csec(0));
    EXPECT_NEAR(1.0, cot(45), 1e-15);
    EXPECT_NEAR(2.0, csec(30), 1e-14);
    EXPECT_NEAR(1.0, log_o(-std::exp(1.0)), 1e-15);
    EXPECT_NEAR(2.0, log10_o(-100), 1e-15);
    EXPECT_EQ(1.0, pow_o(0, -2));
    EXPECT_EQ(1024.0, pow_o(2, 10));
    EXPECT_EQ(0.0, sqrt_o(-4));
    EXPECT_EQ(3.0, sqrt_o(9));
    EXPECT_EQ(1.0, sgn(0));
    EXPECT_EQ(-1.0, sgn(-0.1));
}

TEST_F(Angle, ModKeepsTheSignOfTheDividend) {
    EXPECT_EQ(-10.0, mod(-370, 360));
    EXPECT_EQ(10.0, mod(370, 360));
    EXPECT_EQ(7.0, mod(7, 0));
    EXPECT_NEAR(0.5, mod(2.5, 1), 1e-15);
}

TEST_F(Angle, RudRoundsTruncatesAndRaises) {
    EXPECT_EQ(2.35, rud(2.345, 5, 2));
    EXPECT_EQ(2.34, rud(2.345, 0, 2));
    EXPECT_EQ(-2.35, rud(-2.345, 5, 2));
    EXPECT_EQ(2.31, rud(2.301, 9, 2));
    EXPECT_EQ(2.30, rud(2.3009, 9, 2));
    // The guard absorbs representation error: 2.3 is stored just below 2.3.
    EXPECT_EQ(2.3, rud(2.3, 0, 1));
    EXPECT_EQ(0.3, rud(0.1 + 0.2, 0, 1));
    EXPECT_EQ(1235.0, rud(1234.5, 5, 0));
    EXPECT_EQ(0.0, rud(0.4, 5, 0));
}

TEST_F(Angle, RudOutOfRangeDecimalsAndHugeValues) {
    EXPECT_EQ(rud(1.23456, 5, 0), rud(1.23456, 5, -3));
    EXPECT_EQ(rud(0.1234567890123456, 0, 14), rud(0.1234567890123456, 0, 99));
    EXPECT_EQ(1e300, rud(1e300, 5, 2));
    EXPECT_DOUBLE_EQ(-1e20, rud(-1e20, 5, 3));
    EXPECT_TRUE(std::isnan(rud(kNaN, 5, 2)));
    EXPECT_EQ(kInf, rud(kInf, 0, 0));
}

TEST_F(Angle, AngChBoundaries) {
    EXPECT_EQ(360.0, ang_ch(360));
    EXPECT_EQ(360.0, ang_ch(720));
    EXPECT_EQ(0.0, ang_ch(-360));
    EXPECT_EQ(5.0, ang_ch(725));
    EXPECT_EQ(350.0, ang_ch(-10));
    EXPECT_EQ(0.0, ang_ch(0));
    EXPECT_EQ(0.0, ang_ch(-1e-20));  // would round to 360
    EXPECT_FALSE(std::signbit(ang_ch(-0.0)));
    EXPECT_EQ(359.5, ang_ch(-720.5));
}

TEST_F(Angle, AngChEndsOnHugeAndNonFiniteAngles) {
    const double big = ang_ch(1e300);
    EXPECT_GE(big, 0.0);
    EXPECT_LE(big, 360.0);
    EXPECT_EQ(std::fmod(1e300, 360.0) == 0.0 ? 360.0 : std::fmod(1e300, 360.0), big);
    const double neg = ang_ch(-1e300);
    EXPECT_GE(neg, 0.0);
    EXPECT_LT(neg, 360.0);
    EXPECT_TRUE(std::isnan(ang_ch(kInf)));
    EXPECT_TRUE(std::isnan(ang_ch(-kInf)));
    EXPECT_TRUE(std::isnan(ang_ch(kNaN)));
}

TEST_F(Angle, AzimuthsAndDistances) {
    EXPECT_EQ(90.0, az_n(0, 0, 0, 5));
    EXPECT_EQ(270.0, az_n(0, 0, 0, -5));
    EXPECT_EQ(0.0, az_n(1, 1, 1, 1));
    EXPECT_EQ(180.0, az_n(0, 0, -1, 0));
    EXPECT_EQ(0.0, az_n(0, 0, 1, 0));
    EXPECT_NEAR(315.0, az_n(0, 0, 1, -1), 1e-13);
    EXPECT_NEAR(45.0, az_n(0, 0, 1, 1), 1e-13);
    EXPECT_NEAR(225.0, az_n(0, 0, -1, -1), 1e-13);
    EXPECT_EQ(5.0, dist_12(1, 1, 4, 5));
}

TEST_F(Angle, KaitenTurnsClockwiseOnTheMap) {
    double X = 11, Y = 20;
    Kaiten(&X, &Y, 10, 20, 90);  // north of the centre turns to east
    EXPECT_NEAR(10.0, X, 1e-15);
    EXPECT_NEAR(21.0, Y, 1e-15);
    Kaiten(&X, &Y, 10, 20, 0);
    EXPECT_NEAR(21.0, Y, 1e-15);
    Kaiten(&X, &Y, 10, 20, -90);
    EXPECT_NEAR(11.0, X, 1e-15);
    EXPECT_NEAR(20.0, Y, 1e-15);
}

TEST_F(Angle, KaitenCacheFollowsTheUnit) {
    double X = 1, Y = 0;
    Kaiten(&X, &Y, 0, 0, 1.0);  // one degree
    MathMode(0);
    X = 1, Y = 0;
    Kaiten(&X, &Y, 0, 0, 1.0);  // the same number is now one radian
    EXPECT_NEAR(std::cos(1.0), X, 1e-15);
    EXPECT_NEAR(std::sin(1.0), Y, 1e-15);
}

TEST_F(Angle, RudSurvey) {
    double X, Y, d;
    RudSurveyZahyo(0, 5, 2, 1.005, 2.0049, &X, &Y);
    EXPECT_EQ(1.005, X);
    RudSurveyZahyo(1, 5, 2, 1.235, -2.0049, &X, &Y);
    EXPECT_EQ(1.24, X);
    EXPECT_EQ(-2.0, Y);
    // Distances are first rounded to millimetres when fewer decimals are asked.
    RudSurveyDist(1, 5, 2, 1.2345, &d);
    EXPECT_EQ(1.24, d);
    RudSurveyDist(0, 5, 2, 1.2345, &d);
    EXPECT_EQ(1.23, d);
    RudSurveyDist(1, 0, 4, 1.23456, &d);
    EXPECT_EQ(1.2345, d);
}

}  // namespace
