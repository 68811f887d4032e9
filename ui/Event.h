#pragma once
#include <functional>
#include <stdexcept>
#include <utility>

namespace ui {

// A control's outgoing event. It has one handler, its container's, and is
// raised synchronously: the handler runs to its end before raise returns.
// Raising an event nobody listens to does nothing. A second handler would mean
// two containers wired to one control, so connecting one throws
// std::logic_error and the first keeps its events.
template <class... Args>
class Event {
public:
    void connect(std::function<void(Args...)> handler)
    {
        if (handler_)
            throw std::logic_error("an event has one handler, and this one already has it");
        handler_ = std::move(handler);
    }

    void raise(Args... args) const
    {
        if (handler_)
            handler_(args...);
    }

private:
    std::function<void(Args...)> handler_;
};

} // namespace ui
