#pragma once

#include "planning/advisor/loadadvice.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The advice block as the window and the report show it, top line first.
std::vector<std::string> AdviceLines(const LayerAdvice& advice,
                                     std::optional<std::int64_t> bundlesInOrder);
