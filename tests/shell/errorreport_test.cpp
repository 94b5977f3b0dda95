#include "shell/errorreport.h"

#include "loaddraw/drawblockpattern.h"
#include "planning/bundlecalc.h"
#include "planning/loadplan.h"
#include "shell/fieldnumbers.h"

#include <gtest/gtest.h>

namespace {

// The core raises typed failures; the report turns each into the text the user reads.
TEST(ErrorReportFor, TellsEachFailureInTheUsersWords) {
    EXPECT_EQ(ErrorReportFor(PlanTooLargeError("sizes too large to plan")),
              "Размеры слишком велики для расчета: проверьте размеры поддона, пачки и свесы.");
    EXPECT_EQ(ErrorReportFor(PictureTooLargeError()),
              "Слишком много пачек для схемы укладки (больше 500000): схема не нарисована.");
    EXPECT_EQ(ErrorReportFor(BundleSizeError("bundle size out of range")),
              "Invalid floating point operation.");
    EXPECT_EQ(ErrorReportFor(ConversionError("'x' is not a valid integer value")),
              "'x' is not a valid integer value.");
}

} // namespace
