#pragma once

#include "app/SDIMAIN.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

// Runs the event loop until the window shows the advice of its last calculation; at once when
// it shows it already. The advisor is bounded by its work budget: the minute allowed here only
// keeps a broken build from hanging the suite.
inline ::testing::AssertionResult AdviceShown(TSDIAppForm& form) {
    if (!form.AdvicePending())
        return ::testing::AssertionSuccess();
    QSignalSpy shown(&form, &TSDIAppForm::AdviceShown);
    if (shown.wait(60'000))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the advice never arrived";
}
