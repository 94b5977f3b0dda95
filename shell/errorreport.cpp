#include "shell/errorreport.h"

#include "loaddraw/drawblockpattern.h"
#include "planning/bundlecalc.h"
#include "planning/loadplan.h"
#include "planning/weights.h"
#include "planning/wholecount.h"
#include "render/fperror.h"
#include "shell/calculation.h"
#include "shell/fieldnumbers.h"
#include "shell/texts.h"
#include "shell/weightfields.h"

std::string ErrorReportFor(const std::exception& failure) {
    if (dynamic_cast<const PlanTooLargeError*>(&failure) != nullptr)
        return Texts::ErrorReport(Texts::PlanTooLarge);
    if (dynamic_cast<const CountOutOfRangeError*>(&failure) != nullptr)
        return Texts::ErrorReport(Texts::CountOutOfRange);
    if (dynamic_cast<const PictureTooLargeError*>(&failure) != nullptr)
        return Texts::ErrorReport(Texts::PictureTooLarge(MaxPictureBundles));
    // A bundle size beyond every whole number: what the processor reports for that conversion.
    if (dynamic_cast<const BundleSizeError*>(&failure) != nullptr)
        return Texts::ErrorReport(InvalidOperationMessage);
    if (const auto* heavy = dynamic_cast<const BundleTooHeavyError*>(&failure))
        return Texts::ErrorReport(Texts::Weights::BundleTooHeavy(
            FormatGeneral(heavy->GrossKg, LocaleDecimalSeparator()),
            FormatGeneral(heavy->MaxGrossKg, LocaleDecimalSeparator())));
    if (const auto* weight = dynamic_cast<const WeightInputError*>(&failure))
        return Texts::ErrorReport(WeightFieldError(weight->Field, weight->Text));
    return Texts::ErrorReport(failure.what());
}

std::string WeightFieldError(WeightField field, const std::string& text) {
    switch (field) {
    case WeightField::BoxGrams:
        return Texts::Weights::NotAWeight(Texts::Weights::BoxGrams, text);
    case WeightField::BundleKg:
        return Texts::Weights::NotAWeight(Texts::Weights::BundleKg, text);
    case WeightField::TareKg:
        return Texts::Weights::NotAWeight(Texts::Weights::TareKg, text);
    case WeightField::MaxGrossKg:
        break;
    }
    return Texts::Weights::NotAWeightLimit(Texts::Weights::MaxGrossKg, text);
}
