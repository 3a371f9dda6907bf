#pragma once

namespace tavrolin {

// Lets the pending window events run, with their handlers, and returns. Throws ProcessEnding
// when the window was closed meanwhile.
class EventPump {
public:
    virtual ~EventPump() = default;

    virtual void processEvents() = 0;
};

} // namespace tavrolin
