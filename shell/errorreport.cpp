#include "shell/errorreport.h"

#include "planning/bundlecalc.h"
#include "planning/loadplan.h"
#include "render/fperror.h"
#include "shell/texts.h"

std::string ErrorReportFor(const std::exception& failure) {
    if (dynamic_cast<const PlanTooLargeError*>(&failure) != nullptr)
        return Texts::ErrorReport(Texts::PlanTooLarge);
    // A bundle size beyond every whole number: what the processor reports for that conversion.
    if (dynamic_cast<const BundleSizeError*>(&failure) != nullptr)
        return Texts::ErrorReport(InvalidOperationMessage);
    return Texts::ErrorReport(failure.what());
}
