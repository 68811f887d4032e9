#pragma once
#include <array>
#include <cstdint>
#include <memory>

#include "ui/Event.h"

namespace ui {

// Nine like controls created with their container and addressed by index 0 to 8
// for their whole life. A container hears all nine through connectEach, which
// puts the raising element's index in front of the event's own arguments.
template <class Control>
class ControlArray {
public:
    static constexpr std::int16_t size = 9;

    template <class Make>
    explicit ControlArray(Make make)
    {
        for (std::int16_t i = 0; i < size; ++i)
            items_.at(i) = make(i);
    }

    Control& operator()(std::int16_t index) { return *items_.at(index); }
    const Control& operator()(std::int16_t index) const { return *items_.at(index); }

    template <class... Args, class Handler>
    void connectEach(Event<Args...> Control::*event, Handler handler)
    {
        for (std::int16_t i = 0; i < size; ++i)
            ((*items_.at(i)).*event).connect([handler, i](Args... args) { handler(i, args...); });
    }

private:
    std::array<std::unique_ptr<Control>, size> items_;
};

} // namespace ui
