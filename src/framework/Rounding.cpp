#include "Rounding.h"

#include <cfenv>
#include <cmath>

namespace Rounding {

int Round(double value)
{
    // nearbyint follows the rounding mode; the default one is to nearest, halves to even.
    const int mode = std::fegetround();
    if (mode != FE_TONEAREST)
        std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    if (mode != FE_TONEAREST)
        std::fesetround(mode);
    return static_cast<int>(rounded);
}

int Trunc(double value)
{
    return static_cast<int>(std::trunc(value));
}

int Ceil(double value)
{
    return static_cast<int>(std::ceil(value));
}

} // namespace Rounding
