#pragma once

#include "common/toolkit/event_pump.h"

#include <QElapsedTimer>

namespace tavrolin::qt {

class HandlerDispatch;

// Lets window events run, but only when about 15 ms have passed since they last ran: a loop
// that calls it once per entry then stays responsive at a negligible cost per call. Reading
// the clock costs more than a whole pass of such a loop, so it is read on every few calls
// only. Once the program is ending it unwinds the operation that calls it (see
// handler_dispatch.h).
class QtEventPump : public EventPump {
public:
    explicit QtEventPump(const HandlerDispatch& handlers);

    void processEvents() override;

private:
    const HandlerDispatch& m_handlers;
    QElapsedTimer m_sinceLastRun;
    int m_callsToClock = 0;
};

} // namespace tavrolin::qt
