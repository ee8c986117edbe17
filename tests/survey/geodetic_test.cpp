// Geodetic conversion against PROJ, closed forms, round trips and bad input.
#include <cstdio>

#include "survey_test.h"

namespace {

using namespace survey_test;
class Geodetic : public Degrees {};

struct ProjPlanePoint {
    int ellipsoid, zone;
    double B, L, X, Y;
};
struct ProjGeocentricPoint {
    double B, L, h, X, Y, Z;
};

#include "proj_reference.inc"

// Zone origins as published for the plane rectangular system (degrees, minutes).
const int kOrigins[20][3] = {{0, 0, 0},     {33, 129, 30}, {33, 131, 0},  {36, 132, 10},
                             {33, 133, 30}, {36, 134, 20}, {36, 136, 0},  {36, 137, 10},
                             {36, 138, 30}, {36, 139, 50}, {40, 140, 50}, {44, 140, 15},
                             {44, 142, 15}, {44, 144, 15}, {26, 142, 0},  {26, 127, 30},
                             {26, 124, 0},  {26, 131, 0},  {20, 136, 0},  {26, 154, 0}};
double originLat(int zone) { return kOrigins[zone][0]; }
double originLon(int zone) { return kOrigins[zone][1] + kOrigins[zone][2] / 60.0; }

// Plane to latitude/longitude and back; both results are checked by the caller.
void roundTrip(int e, int z, double B0, double L0, double *B, double *L) {
    double X, Y;
    ASSERT_EQ(1, WGS84_BL_XY(e, z, B0, L0, &X, &Y)) << e << " " << z << " " << B0 << " " << L0;
    ASSERT_EQ(1, WGS84_XY_BL(e, z, X, Y, B, L, nullptr)) << e << " " << z << " " << B0;
}

// Inside the zones to 0.1 mm on the ground; far south and a degree off the central
// meridian, where the series in longitude difference holds to 1 mm, B and L to 1e-8.
TEST_F(Geodetic, MatchesProjOverEveryZoneAndFarSouth) {
    auto check = [](const ProjPlanePoint &p, bool far) {
        double X, Y, B, L;
        ASSERT_EQ(1, WGS84_BL_XY(p.ellipsoid, p.zone, p.B, p.L, &X, &Y)) << p.B;
        EXPECT_LT(std::hypot(X - p.X, Y - p.Y), far ? 1e-3 : 1e-4)
            << p.ellipsoid << " " << p.zone << " " << p.B << " " << p.L;
        ASSERT_EQ(1, WGS84_XY_BL(p.ellipsoid, p.zone, p.X, p.Y, &B, &L, nullptr)) << p.B;
        const double north = (B - p.B) * 111e3, east = (L - p.L) * 111e3 * std::cos(rad(p.B));
        EXPECT_LT(far ? std::fmax(std::fabs(B - p.B), std::fabs(L - p.L)) / 1e-8
                      : std::hypot(north, east) / 1e-4, 1.0)
            << p.ellipsoid << " " << p.zone << " " << p.B << " " << p.L;
    };
    for (const ProjPlanePoint &p : kProjPlane) check(p, false);
    for (const ProjPlanePoint &p : kProjFar) check(p, true);
}

TEST_F(Geodetic, EveryOriginMapsToZero) {
    for (int e = 0; e < 2; ++e)
        for (int z = 1; z <= 19; ++z) {
            double X = 1, Y = 1, B = 0, L = 0, g = 1;
            ASSERT_EQ(1, WGS84_BL_XY(e, z, originLat(z), originLon(z), &X, &Y));
            EXPECT_TRUE(X == 0.0 && Y == 0.0) << z;
            ASSERT_EQ(1, WGS84_XY_BL(e, z, 0.0, 0.0, &B, &L, &g));
            EXPECT_NEAR(originLat(z), B, 1e-12) << z;
            EXPECT_NEAR(originLon(z), L, 1e-12) << z;
            EXPECT_EQ(0.0, g);
        }
    // Entry 20 repeats zone III, entry 0 is the point 0/0.
    double X3, Y3, X20, Y20, X = 1, Y = 1;
    WGS84_BL_XY(1, 3, 35.1, 133.2, &X3, &Y3);
    WGS84_BL_XY(1, 20, 35.1, 133.2, &X20, &Y20);
    WGS84_BL_XY(1, 0, 0.0, 0.0, &X, &Y);
    EXPECT_TRUE(X3 == X20 && Y3 == Y20 && X == 0.0 && Y == 0.0);
}

TEST_F(Geodetic, PlaneRoundTripPolesAndSouth) {
    double B, L;
    for (int e = 0; e < 2; ++e)
        for (int z = 1; z <= 19; ++z)
            for (double dB = -3.0; dB <= 3.0; dB += 0.75)
                for (double dL = -1.5; dL <= 1.5; dL += 0.375) {
                    roundTrip(e, z, originLat(z) + dB, originLon(z) + dL, &B, &L);
                    EXPECT_NEAR(originLat(z) + dB, B, 1e-9) << e << " " << z << " " << dB;
                    EXPECT_NEAR(originLon(z) + dL, L, 1e-9) << e << " " << z << " " << dL;
                }
    // Foot latitudes below 8.9 degrees and south of the equator are reached.
    for (double B0 : {8.0, 1.0, -0.5, -30.0, -89.0}) {
        roundTrip(1, 18, B0, 136.2, &B, &L);
        EXPECT_NEAR(B0, B, 1e-9);
        EXPECT_NEAR(136.2, L, 1e-9);
    }
    // The pole itself maps onto the central meridian and back.
    double X, Y;
    ASSERT_EQ(1, WGS84_BL_XY(1, 9, 90, 150, &X, &Y));
    EXPECT_NEAR(0.0, Y, 1e-6);
    ASSERT_EQ(1, WGS84_XY_BL(1, 9, X, 0, &B, &L, nullptr));
    EXPECT_NEAR(90.0, B, 1e-9);
}

TEST_F(Geodetic, ConvergenceMatchesGridNorth) {
    // gamma is the grid azimuth of true north: the direction of a short step north.
    for (double dL : {-1.2, -0.3, 0.0, 0.8}) {
        const double B0 = 35.3, L0 = originLon(9) + dL, step = 1e-5;
        double X1, Y1, X2, Y2, B, L, g;
        WGS84_BL_XY(1, 9, B0 - step, L0, &X1, &Y1);
        WGS84_BL_XY(1, 9, B0 + step, L0, &X2, &Y2);
        WGS84_XY_BL(1, 9, (X1 + X2) / 2, (Y1 + Y2) / 2, &B, &L, &g);
        EXPECT_NEAR(std::atan2(Y2 - Y1, X2 - X1) * 180.0 / kPi, g, 1e-6) << dL;
    }
}

void expectGeocentricRoundTrip(double B0, double L0, double h0, double X, double Y, double Z) {
    double B, L, h;
    ASSERT_EQ(1, WGS84_XY3D_BL(X, Y, Z, &B, &L, &h)) << B0 << " " << L0;
    EXPECT_NEAR(B0, B, 1e-9) << L0 << " " << h0;
    EXPECT_NEAR(h0, h, 1e-3) << B0 << " " << L0;
    if (std::fabs(B0) < 89.9999) {  // longitude is arbitrary at a pole
        EXPECT_NEAR(std::fmod(L0 + 360.0, 360.0), L, 1e-9) << B0;
    }
}

TEST_F(Geodetic, GeocentricMatchesProjAndRoundTrips) {
    double X, Y, Z;
    for (const ProjGeocentricPoint &p : kProjGeocentric) {
        ASSERT_EQ(1, WGS84_BL_XY3D(p.B, p.L, p.h, &X, &Y, &Z));
        EXPECT_NEAR(0.0, std::fabs(p.X - X) + std::fabs(p.Y - Y) + std::fabs(p.Z - Z), 1e-6)
            << p.B << " " << p.L;
        expectGeocentricRoundTrip(p.B, p.L, p.h, p.X, p.Y, p.Z);
    }
    for (double B0 = -90.0; B0 <= 90.0; B0 += 7.5)
        for (double L0 = 0.0; L0 < 360.0; L0 += 45.0)
            for (double h0 : {-500.0, 0.0, 123.456, 9000.0}) {
                ASSERT_EQ(1, WGS84_BL_XY3D(B0, L0, h0, &X, &Y, &Z));
                expectGeocentricRoundTrip(B0, L0, h0, X, Y, Z);
            }
    // On the axis and near the centre.
    double B, L, h;
    ASSERT_EQ(1, WGS84_XY3D_BL(0, 0, -6356752.314140356 - 25.0, &B, &L, &h));
    EXPECT_TRUE(B == -90.0 && std::fabs(h - 25.0) < 1e-8) << B << " " << h;
    ASSERT_EQ(1, WGS84_XY3D_BL(0, -1000, 0, &B, &L, &h));
    EXPECT_EQ(270.0, L);
}

TEST_F(Geodetic, ResultDoesNotDependOnAngleUnit) {
    double X2, Y2, X3, Y3, B, L;
    WGS84_BL_XY(1, 9, 35.5, 139.5, &X2, &Y2);
    MathMode(3);
    WGS84_BL_XY(1, 9, 35.5, 139.5, &X3, &Y3);
    EXPECT_TRUE(X2 == X3 && Y2 == Y3);
    MathMode(1);
    WGS84_XY_BL(1, 9, X2, Y2, &B, &L, nullptr);
    EXPECT_NEAR(35.5, B, 1e-9);
    EXPECT_NEAR(139.5, L, 1e-9);
}

TEST_F(Geodetic, BadInputGivesFailure) {
    double X = 7, Y = 7, Z = 7, B = 7, L = 7, g = 7;
    // Indices out of range leave the outputs alone.
    for (int bad : {-1, 2}) EXPECT_EQ(0, WGS84_BL_XY(bad, 9, 36, 140, &X, &Y));
    for (int bad : {-1, 21}) EXPECT_EQ(0, WGS84_BL_XY(1, bad, 36, 140, &X, &Y));
    EXPECT_EQ(0, WGS84_XY_BL(5, 9, 0, 0, &B, &L, &g));
    EXPECT_EQ(0, WGS84_XY_BL(1, 99, 0, 0, &B, &L, &g));
    EXPECT_TRUE(X == 7 && Y == 7 && B == 7);
    // Numbers that cannot be converted give not-a-number.
    for (double bad : {kNaN, kInf, -kInf}) {
        EXPECT_EQ(0, WGS84_BL_XY(1, 9, bad, 140, &X, &Y));
        EXPECT_TRUE(std::isnan(X));
        EXPECT_EQ(0, WGS84_BL_XY(1, 9, 36, bad, &X, &Y));
        EXPECT_EQ(0, WGS84_XY_BL(1, 9, bad, 0, &B, &L, &g));
        EXPECT_TRUE(std::isnan(B) && std::isnan(L) && std::isnan(g));
        EXPECT_EQ(0, WGS84_XY_BL(1, 9, 0, bad, &B, &L, &g));
        EXPECT_EQ(0, WGS84_BL_XY3D(bad, 0, 0, &X, &Y, &Z));
        EXPECT_EQ(0, WGS84_BL_XY3D(0, 0, bad, &X, &Y, &Z));
        EXPECT_EQ(0, WGS84_XY3D_BL(bad, 0, 0, &B, &L, &g));
        EXPECT_EQ(0, WGS84_XY3D_BL(1e6, 1e6, bad, &B, &L, &g));
    }
    EXPECT_EQ(0, WGS84_BL_XY(1, 9, 90.5, 140, &X, &Y));
    // Beyond the pole along the meridian there is no foot latitude.
    EXPECT_EQ(0, WGS84_XY_BL(1, 9, 2.0e7, 0, &B, &L, &g));
    EXPECT_TRUE(std::isnan(B));
    EXPECT_EQ(0, WGS84_XY_BL(1, 9, -2.0e7, 0, &B, &L, &g));
    EXPECT_EQ(0, WGS84_XY_BL(1, 9, 1e300, 1e300, &B, &L, &g));
    EXPECT_EQ(0, WGS84_XY3D_BL(0, 0, 0, &B, &L, &g));
}

}  // namespace
