#pragma once

#include <ostream>
#include <string>
#include <vector>

// The headless report: the window's calculation from command-line options, the result lines or
// a JSON object on `out`, messages on `err`. Returns the exit status: 0 done, 1 no bundle size to
// calculate, 2 an input or usage error. Writing pictures needs a QGuiApplication.
int RunReport(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
