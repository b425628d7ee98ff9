// Position and duration texts: hours (not limited to two digits), minutes, seconds, milliseconds.
#pragma once

#include <string>

// 3723004 gives "01:02:03.004"; 360000000 gives "100:00:00.000". Defined for 0 to 2147483647 ms;
// negative values show their parts with a sign rather than wrapping.
std::string FormatTimeText(int nMs);
