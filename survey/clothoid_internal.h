// A clothoid piece in standard orientation, shared by the clothoid sources.
#ifndef ZEK2_CLOTHOID_INTERNAL_H
#define ZEK2_CLOTHOID_INTERNAL_H

namespace zek_survey {

struct Clothoid {
    double Xo, Yo;  // origin
    double azo;     // azimuth of the origin tangent
    double Rs;      // signed radius at the far end: its sign is the sense of turning
    double A;
    double L1, L2;  // lengths of the near and far ends, L1 < L2
    double flag;    // GetCrdFlag of the radii as given
    bool swapped;   // the given first point is the far end
};

// Local coordinates (x along the origin tangent) of the point at length L.
void clothoidSeries(double L, double A, double *x, double *y);
// False when the piece is no clothoid.
bool clothoidSetup(double X1, double Y1, double X2, double Y2, double R1, double R2,
                   double A, Clothoid *c);
void clothoidPoint(const Clothoid &c, double L, double *X, double *Y);

}  // namespace zek_survey

#endif
