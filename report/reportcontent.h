#pragma once

#include "report/reportpage.h"
#include "shell/calculation.h"
#include "shell/layerplans.h"

#include <string>

// The report page of one calculation, made of what the calculation holds: the inputs as read,
// the text block, the advice, the loaded pallet and the layer plans. `time` is written in the
// header as given. The page draws from the calculation, which must outlive it.
ReportPage ReportPageFor(const Calculation& calculation, Alternation alternation,
                         const std::string& time);

// The local date and time as the header writes them.
std::string ReportTime();
