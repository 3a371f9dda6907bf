#pragma once

#include "common/toolkit/event_pump.h"

#include <QElapsedTimer>

namespace tavrolin::qt {

class MainWindow;

// Lets window events run, but only when about 15 ms have passed since they last ran: a loop
// that calls it once per entry then stays responsive at a negligible cost per call.
class QtEventPump : public EventPump {
public:
    explicit QtEventPump(const MainWindow& window);

    void processEvents() override;

private:
    const MainWindow& m_window;
    QElapsedTimer m_sinceLastRun;
};

} // namespace tavrolin::qt
