#pragma once

#include "app/SDIMAIN.h"

#include <QEventLoop>
#include <QTimer>

// Runs the event loop until the window shows the layer advice of its last calculation, at once
// when it shows it already; false when `timeoutMs` passes first. For what photographs, times or
// tests the window: the window itself never waits for its advice.
inline bool WaitForAdvice(TSDIAppForm& form, int timeoutMs) {
    if (!form.AdvicePending())
        return true;
    QEventLoop loop;
    QObject::connect(&form, &TSDIAppForm::AdviceShown, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return !form.AdvicePending();
}
