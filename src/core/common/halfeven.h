// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

// Rounds to the nearest whole number; a half goes to the even neighbour (2.5 -> 2, 3.5 -> 4),
// the rule every conversion to pixels and every size computation of the windows follows.
inline int roundHalfEven(double value)
{
    const double nearest = std::round(value);
    if (std::fabs(value - std::trunc(value)) == 0.5)
        return int(2.0 * std::round(value / 2.0));
    return int(nearest);
}
