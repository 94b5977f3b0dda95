#pragma once

#include "app/SDIMAIN.h"
#include "app/waitforadvice.h"
#include "fakedesktop.h"

#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

// Runs the event loop until the window shows the advice of its last calculation; at once when
// it shows it already. The advisor is bounded by its work budget: the minute allowed here only
// keeps a broken build from hanging the suite.
inline ::testing::AssertionResult AdviceShown(TSDIAppForm& form) {
    if (WaitForAdvice(form, 60'000))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the advice never arrived";
}

// Types the bundle's sizes and presses "Расчет"; returns at once, the advice perhaps still on
// its way. A failure the window reported fails the assertion.
inline ::testing::AssertionResult PressCalculate(TSDIAppForm& form, const FakeDesktop& desktop,
                                                 const char* length, const char* width,
                                                 const char* height) {
    form.MaskEdit1->setText(length);
    form.MaskEdit2->setText(width);
    form.MaskEdit3->setText(height);
    form.Button1->click();
    if (desktop.errors.isEmpty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << desktop.errors.join('\n').toStdString();
}
