#pragma once
#include <memory>
#include <string_view>

#include "ui/Event.h"

namespace failure {

// One click set up on the real core over fake controls, on its way to a limit
// of the core or just short of it. The probe program delivers it through
// ui::dispatchClick in a process of its own; the tests also raise it in their
// own process to learn which failure, if any, it meets.
class ClickScenario {
public:
    virtual ~ClickScenario() = default;

    // The Click event a front-end would hand to ui::dispatchClick.
    virtual const ui::Event<>& click() = 0;

    // Null for a name no scenario has.
    static std::unique_ptr<ClickScenario> named(std::string_view name);
};

} // namespace failure
