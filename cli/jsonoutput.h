#pragma once

#include "shell/calculation.h"

#include <ostream>

// The result as one JSON object on one line; with `advice`, the advisor's best layer too.
void PrintJson(const Calculation& result, bool advice, std::ostream& out);
