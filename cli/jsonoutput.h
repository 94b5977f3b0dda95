#pragma once

#include "shell/calculation.h"

#include <ostream>

// The result as one JSON object on one line, as docs/report.schema.json describes it; with
// `advice`, the advisor's best layer, overhang advice and lines too (null without).
void PrintJson(const Calculation& result, bool advice, std::ostream& out);
