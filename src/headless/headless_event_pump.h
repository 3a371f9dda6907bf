#pragma once

#include "common/toolkit/event_pump.h"

#include <QMap>
#include <functional>

namespace tavrolin::headless {

class HeadlessWindow;

// Counts the calls and, at the k-th one, runs what a test scheduled there (a click, a key, a
// pick), as pending window events would.
class HeadlessEventPump : public EventPump {
public:
    explicit HeadlessEventPump(const HeadlessWindow& window);

    void processEvents() override;

    void at(int call, std::function<void()> action);
    int calls() const { return m_calls; }

private:
    const HeadlessWindow& m_window;
    int m_calls = 0;
    QMultiMap<int, std::function<void()>> m_actions;
};

} // namespace tavrolin::headless
