// Swapping and ordering of doubles, used to normalise coordinate pairs.
#include "zek2/strings.h"

#include <utility>

extern "C" {

void ZEKAPI ChgSwab(double *a, double *b)
{
    if (a != nullptr && b != nullptr)
        std::swap(*a, *b);
}

void ZEKAPI ChgSwab2(double *a, double *b, double *c, double *d)
{
    ChgSwab(a, c);
    ChgSwab(b, d);
}

// Unordered values (NaN) compare false and stay where they are.
void ZEKAPI ChgMinMax(double *a, double *b)
{
    if (a != nullptr && b != nullptr && *a > *b)
        std::swap(*a, *b);
}

// (a, b) and (c, d) are opposite corners; afterwards a <= c and b <= d.
void ZEKAPI ChgMinMax2(double *a, double *b, double *c, double *d)
{
    ChgMinMax(a, c);
    ChgMinMax(b, d);
}

}  // extern "C"
