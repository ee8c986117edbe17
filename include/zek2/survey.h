/* Survey computation: angles and DMS text, plane intersections, geodetic conversion.
 *
 * Coordinates are survey coordinates: X north, Y east. Azimuths run clockwise from
 * north. Functions returning int give 1 when a result was found and 0 when not;
 * results go through the pointer arguments, which are left untouched on failure
 * unless a comment says otherwise. Not-a-number or infinite arguments never hang:
 * they give 0 or a not-a-number value. */
#ifndef ZEK2_SURVEY_H
#define ZEK2_SURVEY_H

#include "base.h"

ZEK_EXTERN_C_BEGIN

/* ---- Angle unit and trigonometry ------------------------------------------ */

/* Angle unit of the trigonometric functions: 2 degrees (default), 3 grads, else radians. */
int ZEKAPI MathMode(int mode);

double ZEKAPI sin_o(double angle);
double ZEKAPI cos_o(double angle);
/* Finite also at the poles of the tangent (a very large value there). */
double ZEKAPI tan_o(double angle);
/* 0 outside -1..1. */
double ZEKAPI asin_o(double x);
double ZEKAPI acos_o(double x);
double ZEKAPI atan_o(double x);
/* atan_o(a / b), 0 when b is 0; one half-turn of results. */
double ZEKAPI atan2_o(double a, double b);
/* 1/tan_o and 1/sin_o, 0 where the divisor is 0. */
double ZEKAPI cot(double angle);
double ZEKAPI csec(double angle);
/* Logarithms of abs x. */
double ZEKAPI log_o(double x);
double ZEKAPI log10_o(double x);
/* 1 when x is 0 and y negative. */
double ZEKAPI pow_o(double x, double y);
/* 0 for negative x. */
double ZEKAPI sqrt_o(double x);
/* 1 for x >= 0, else -1. */
double ZEKAPI sgn(double x);
/* a - truncated(a / b) * b; a when b is 0. */
double ZEKAPI mod(double a, double b);

/* Rounds at d decimals (0..14, clamped): r = 0 truncates, 5 rounds half away from
 * zero, 9 raises a remainder of at least a tenth of the last unit. */
double ZEKAPI rud(double value, int r, int d);

/* ---- Degree-minute-second values ------------------------------------------ */

/* Packed D.MMSSsss to decimal degrees and back. */
double ZEKAPI cdeg(double packed);
double ZEKAPI cdms(double degrees);

/* Size of the text buffer of ChgDegToDms and ChgDmsToDms. */
#define ZEK_DMS_TEXT_SIZE 32

/* Writes "D MM SS.ss" ("D-MM-SS.ss" with hyphen != 0), seconds rounded half up to
 * decimals (0..6, clamped) places. out needs ZEK_DMS_TEXT_SIZE bytes. Returns 1, or 0
 * with an empty text for values that are not finite or reach 10^13 units of the last
 * decimal of the seconds (2777 degrees at 6 decimals). */
int ZEKAPI ChgDegToDms(double degrees, int decimals, char *out, int hyphen);
/* ChgDegToDms(cdeg(packed), ...). */
int ZEKAPI ChgDmsToDms(double packed, int decimals, char *out, int hyphen);

/* ---- Angles, azimuths, distances, rotation --------------------------------- */

/* Degrees into [0, 360) for negative angles and [0, 360] for positive ones (360 stays
 * 360); not-a-number for infinite input. */
double ZEKAPI ang_ch(double degrees);
/* Azimuth in degrees from point 1 to point 2 (degree mode). */
double ZEKAPI az_n(double X1, double Y1, double X2, double Y2);
double ZEKAPI dist_12(double X1, double Y1, double X2, double Y2);
void ZEKAPI RudSurveyZahyo(int on, int r, int d, double X, double Y, double *outX, double *outY);
void ZEKAPI RudSurveyDist(int on, int r, int d, double dist, double *out);
/* Turns (X, Y) about (cX, cY) by angle, clockwise on a north-up map. */
void ZEKAPI Kaiten(double *X, double *Y, double cX, double cY, double angle);

/* ---- Lines, points and circles (degree mode) ------------------------------- */

int ZEKAPI Kouten4(double X1, double Y1, double X2, double Y2, double X3, double Y3,
                   double X4, double Y4, double *X, double *Y);
/* As Kouten4; 1 only inside both segments, the point written whenever lines cross. */
int ZEKAPI KoutenH4(double X1, double Y1, double X2, double Y2, double X3, double Y3,
                    double X4, double Y4, double *X, double *Y);
int ZEKAPI KoutenAZ2(double X1, double Y1, double az1, double X2, double Y2, double az2,
                     double *X, double *Y);
int ZEKAPI KoutenAZ3(double X1, double Y1, double X2, double Y2, double X3, double Y3,
                     double az3, double *X, double *Y);
/* Whether (X, Y) lies in the box of the two points widened by 1e-5 (or tol). */
int ZEKAPI KoutenOk(double X1, double Y1, double X2, double Y2, double X, double Y);
int ZEKAPI KoutenOkEx(double X1, double Y1, double X2, double Y2, double X, double Y,
                      double tol);
/* Foot of the perpendicular; 1 on the segment, 0 outside (the foot written in both). */
int ZEKAPI KoutenT90(double X1, double Y1, double X2, double Y2, double Xp, double Yp,
                     double *X, double *Y);
int ZEKAPI KoutenCTaz(double Xc, double Yc, double R, double X1, double Y1, double az,
                      double *Xa, double *Ya, double *Xb, double *Yb);
int ZEKAPI KoutenCT(double Xc, double Yc, double R, double X1, double Y1, double X2,
                    double Y2, double *Xa, double *Ya, double *Xb, double *Yb);
int ZEKAPI KoutenCC(double X1, double Y1, double R1, double X2, double Y2, double R2,
                    double *Xa, double *Ya, double *Xb, double *Yb);
/* Whether az lies on the arc from azStart to azEnd, clockwise when dir > 0. */
int ZEKAPI KoutenEnkoOk(int dir, double azStart, double azEnd, double az);
int ZEKAPI GetEnkoCk(int swap, double X1, double Y1, double X2, double Y2, double R,
                     double *Xc, double *Yc, double *az1, double *az2);
int ZEKAPI Get3PointHankei(double X1, double Y1, double X2, double Y2, double X3, double Y3,
                           double *Xc, double *Yc, double *R, double *az1, double *az2,
                           double *az3);
void ZEKAPI GetHeikouIdouZahyo(double X1, double Y1, double X2, double Y2, double d,
                               double *X1o, double *Y1o, double *X2o, double *Y2o);
void ZEKAPI GetKatagawaIdouZahyo(int end, double X1, double Y1, double X2, double Y2,
                                 double d, double *X, double *Y);

/* ---- Clothoids (degree mode) ------------------------------------------------
 * A piece is X1, Y1, X2, Y2, R1, R2, A: two points on it, the radii there (0 at the
 * origin, negative when turning counter-clockwise) and the parameter A. */

void ZEKAPI GetCrdXYL(double R, double A, double *x, double *y, double *L);
/* Origin, origin azimuth, signed end radius Rs and the lengths of both ends of the
 * piece in standard orientation; 1 when the ends were exchanged. A piece that is no
 * clothoid (A or both radii 0, equal radii) gives 0 and not-a-number outputs. Every
 * output may be null. */
int ZEKAPI GetCrdElm(double X1, double Y1, double X2, double Y2, double R1, double R2,
                     double A, double *Xo, double *Yo, double *Rs, double *azo,
                     double *rec1, double *rec2);
int ZEKAPI GetCrdMuki(double R1, double R2);
double ZEKAPI GetCrdFlag(double R1, double R2);
/* R and L (signed radius and length at the result) may be null. */
int ZEKAPI KoutenK90(double X1, double Y1, double X2, double Y2, double R1, double R2,
                     double A, double Xp, double Yp, double *X, double *Y, double *R,
                     double *L);
int ZEKAPI KoutenKT(int mode, double X1, double Y1, double X2, double Y2, double R1,
                    double R2, double A, double Xa, double Ya, double Xb, double Yb,
                    double *X, double *Y, double *R, double *L);
int ZEKAPI KoutenKC(int mode, double X1, double Y1, double X2, double Y2, double R1,
                    double R2, double A, double Xc, double Yc, double Rc, double *X,
                    double *Y, double *R, double *L);
int ZEKAPI KoutenKD(int mode, double X1, double Y1, double X2, double Y2, double R1,
                    double R2, double A, double Xc, double Yc, double a, double b,
                    double tilt, double *X, double *Y, double *R, double *L);
int ZEKAPI KoutenKK(int mode, double X1, double Y1, double X2, double Y2, double R1,
                    double R2, double A, double X3, double Y3, double X4, double Y4,
                    double R3, double R4, double A2, double *X, double *Y, double *R,
                    double *L);

/* ---- Ellipses (degree mode) -------------------------------------------------
 * Centre, semi-axes a (north) and b (east) before the tilt, tilt turning like Kaiten;
 * the point of parameter t is the centre + (a cos t, b sin t), turned by the tilt. */

double ZEKAPI KoutenDaz(double Xc, double Yc, double a, double b, double tilt, double X,
                        double Y);
/* t, span and off may be null; the point is written also when off the arc. */
int ZEKAPI KoutenD90(double Xc, double Yc, double a, double b, double ts, double te,
                     double tilt, double Xp, double Yp, double *X, double *Y, double *t,
                     double *span, double *off);
/* ta and tb may be null. */
int ZEKAPI KoutenDT(double Xc, double Yc, double a, double b, double tilt, double X1,
                    double Y1, double X2, double Y2, double *Xa, double *Ya, double *ta,
                    double *Xb, double *Yb, double *tb);
/* t1 and t2 may be null. Identical figures have no answer. */
int ZEKAPI KoutenDC(double Xc, double Yc, double a, double b, double tilt, double Xo,
                    double Yo, double R, double *X1, double *Y1, double *t1, double *X2,
                    double *Y2, double *t2);
int ZEKAPI KoutenDD(double Xc, double Yc, double a, double b, double tilt, double Xc2,
                    double Yc2, double a2, double b2, double tilt2, double *X1,
                    double *Y1, double *t1, double *X2, double *Y2, double *t2);

/* ---- Geodetic conversion ----------------------------------------------------
 * Decimal degrees whatever the angle unit. ellipsoid 0 Bessel 1841, 1 GRS80;
 * zone 1..19 the zones I..XIX of Japan's plane rectangular system (0 the point 0/0,
 * 20 the origin of zone III again). Out-of-range indices give 0 with the outputs
 * untouched; input that cannot be converted gives 0 with not-a-number outputs. */

int ZEKAPI WGS84_BL_XY(int ellipsoid, int zone, double B, double L, double *X, double *Y);
/* gamma: meridian convergence in degrees; may be null. */
int ZEKAPI WGS84_XY_BL(int ellipsoid, int zone, double X, double Y, double *B, double *L,
                       double *gamma);
/* Earth-centred Cartesian coordinates on GRS80. */
int ZEKAPI WGS84_BL_XY3D(double B, double L, double h, double *X, double *Y, double *Z);
/* L in [0, 360). The centre of the Earth has no answer. */
int ZEKAPI WGS84_XY3D_BL(double X, double Y, double Z, double *B, double *L, double *h);

ZEK_EXTERN_C_END

#endif
