// The browser command line for the home page when the desktop cannot open the address itself: the
// command registered for HTML files, cut at its placeholder, then a blank and the address.
#pragma once

#include <string>

// Cuts `browserCommand` at the first "\"%1\"" (with its quotes), or else at the first "%1"; with no
// placeholder the command stays whole. Then appends one blank and `address`.
std::string BuildBrowserCommand(const std::string& browserCommand, const std::string& address);
