#pragma once

#include "app/shell/advice.h"
#include "app/shell/resulttexts.h"
#include "planning/loadplan.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

// Everything the report found, for the text, the JSON and the pictures.
struct Result {
    LoadPlan plan;
    LoadRequest request;
    TextBlockFields fields;
    std::vector<std::string> lines;
    std::optional<LayerAdvice> advice; // with --advice or a best-layer picture
};

// The result as one JSON object on one line, as docs/report.schema.json describes it; with
// `advice`, the advisor's best layer, overhang advice and lines too (null without).
void PrintJson(const Result& result, bool advice, std::ostream& out);
