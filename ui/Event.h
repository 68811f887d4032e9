#pragma once
#include <functional>
#include <utility>

namespace ui {

// A control's outgoing event. It has one handler, its container's, and is
// raised synchronously: the handler runs to its end before raise returns.
// Raising an event nobody listens to does nothing.
template <class... Args>
class Event {
public:
    void connect(std::function<void(Args...)> handler) { handler_ = std::move(handler); }

    void raise(Args... args) const
    {
        if (handler_)
            handler_(args...);
    }

private:
    std::function<void(Args...)> handler_;
};

} // namespace ui
