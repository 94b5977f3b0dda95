#pragma once

#include "shell/weightfields.h"

#include <exception>
#include <string>

// The error report's text for a failure that ended a command: the message the user reads,
// followed by a full stop. The window shows it in a message box, the report on standard error.
std::string ErrorReportFor(const std::exception& failure);

// A bad weight text, named by the label of its field in the weight dialog.
std::string WeightFieldError(WeightField field, const std::string& text);
