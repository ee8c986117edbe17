// Shared by the survey tests: constants and a fixture that works in degrees.
#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "zek2/survey.h"

namespace survey_test {

const double kPi = 3.14159265358979323846;
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
inline double rad(double deg) { return deg * kPi / 180.0; }

class Degrees : public ::testing::Test {
protected:
    void SetUp() override { MathMode(2); }
    void TearDown() override { MathMode(2); }
};

}  // namespace survey_test
