#pragma once

#include <cmath>

// Rounds to the nearest whole number, a half to the even neighbour
// (2.5 -> 2, 3.5 -> 4), the way the program's sizes have always been rounded.
inline int roundHalfToEven(double value)
{
    const double nearest = std::round(value); // halves away from zero
    if (std::fabs(value - std::trunc(value)) == 0.5 && std::fmod(nearest, 2.0) != 0.0)
        return int(nearest - std::copysign(1.0, value));
    return int(nearest);
}
