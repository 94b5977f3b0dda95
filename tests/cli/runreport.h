#pragma once

#include "cli/report.h"

#include <sstream>
#include <string>
#include <vector>

// stowly-cli run in-process: its exit status and what it printed on each stream.
struct Outcome {
    int status;
    std::string out, err;
};

inline Outcome Report(std::vector<std::string> arguments) {
    std::ostringstream out, err;
    const int status = RunReport(arguments, out, err);
    return {status, out.str(), err.str()};
}
