#include "platform/EventPump.h"

#include <QCoreApplication>

#include "platform/Clock.h"
#include "platform/Numeric.h"

namespace platform {

void PumpEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void PumpEventsThenSleep(double ms) {
    PumpEvents();
    SleepMs(RoundHalfEven(ms));
}

void WaitForEvents() { QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents); }

}  // namespace platform
