#pragma once

#include "shell/advice.h"
#include "shell/resulttexts.h"
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

// The result as one JSON object on one line; with `advice`, the advisor's best layer too.
void PrintJson(const Result& result, bool advice, std::ostream& out);
