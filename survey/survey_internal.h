// Helpers shared by the survey sources; not exported.
#ifndef ZEK2_SURVEY_INTERNAL_H
#define ZEK2_SURVEY_INTERNAL_H

#include <cmath>

namespace zek_survey {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegToRad = 0.017453292519943295;
constexpr double kRadToDeg = 57.29577951308232;

// The angle unit set by MathMode.
int currentMode();

inline bool allFinite(double a) { return std::isfinite(a); }
inline bool allFinite(double a, double b) { return std::isfinite(a) && std::isfinite(b); }
inline bool allFinite(double a, double b, double c, double d) {
    return allFinite(a, b) && allFinite(c, d);
}

inline void put(double *p, double v) {
    if (p) *p = v;
}

}  // namespace zek_survey

#endif
