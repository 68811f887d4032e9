#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>

#include "ShownBoardTest.h"
#include "support/RandomPlayer.h"
#include "support/ReferenceModel.h"
#include "support/VisibleState.h"

using support::PlayerAction;

namespace {

// A long game on the real widgets, and the whole visible board read back from
// the widgets and compared with the reference model at regular intervals.
// Every click goes to a widget: most as the button's own click(), which is what
// a press and release on it come to; one step in mouseEvery, and every poke at a
// frozen cell, as a real press and release through the window, so that Qt finds
// the widget under the pointer (the label beneath hidden buttons, nothing through
// a disabled one). A real press also repaints the window, which makes it costly.
// ORVANE_SOAK_STEPS and ORVANE_SOAK_SEED replay or shorten a run.
constexpr long defaultSteps = 1'000'000;
constexpr std::uint32_t defaultSeed = 20260412u;
constexpr long compareEvery = 1000;
constexpr long mouseEvery = 1000;

long numberFromEnvironment(const char* name, long fallback)
{
    const char* text = std::getenv(name);
    return text && *text ? std::strtol(text, nullptr, 10) : fallback;
}

class SoakTest : public ShownBoardTest {
protected:
    // Returns whether the click went through the window.
    bool play(const PlayerAction& action, bool byMouse)
    {
        QAbstractButton* target = nullptr;
        switch (action.kind) {
        case PlayerAction::Kind::Click: {
            const ui::BoxCell place = ui::boxCellOf(action.pos);
            // On a frozen cell the button is hidden: only the mouse can find what lies there.
            byMouse = byMouse || model_.isFixed(action.pos);
            const Candidate candidate = button(place.box, place.cell, action.candidate);
            if (byMouse)
                click(candidate);
            else
                candidate.click();
            return byMouse;
        }
        case PlayerAction::Kind::Fix: target = &view_->fixButton(); break;
        case PlayerAction::Kind::UnFix: target = &view_->unFixButton(); break;
        case PlayerAction::Kind::Reset: target = &view_->resetButton(); break;
        case PlayerAction::Kind::Undo: // its player never undoes, pastes or copies
        case PlayerAction::Kind::Redo:
        case PlayerAction::Kind::Paste:
        case PlayerAction::Kind::Copy: return false;
        }
        if (byMouse)
            click(*target);
        else
            target->click();
        return byMouse;
    }

    support::ReferenceModel model_;
};

TEST_F(SoakTest, LongRandomPlayOnTheRealWidgetsShowsWhatTheReferenceModelPredicts)
{
    const long steps = numberFromEnvironment("ORVANE_SOAK_STEPS", defaultSteps);
    const auto seed = static_cast<std::uint32_t>(numberFromEnvironment("ORVANE_SOAK_SEED", defaultSeed));
    std::cout << "soak: " << steps << " steps, seed " << seed << ", compared every " << compareEvery << std::endl;

    support::ReferenceModel& model = model_;
    support::RandomPlayer player(seed);
    support::RecentMoves recent(12);
    int mostPicks = 0;
    long clicks = 0, commands = 0, resets = 0, byMouse = 0, comparisons = 0;
    const auto started = std::chrono::steady_clock::now();

    ASSERT_EQ(support::describeDifferences(model.visibleState(), shownByWidgets()), "") << "seed " << seed;
    for (long step = 1; step <= steps; ++step) {
        const PlayerAction action = player.next(model);
        recent.add(action);
        byMouse += play(action, step % mouseEvery == 0) ? 1 : 0;
        model.perform(action);

        const bool isClick = action.kind == PlayerAction::Kind::Click;
        clicks += isClick ? 1 : 0;
        commands += isClick ? 0 : 1;
        resets += action.kind == PlayerAction::Kind::Reset ? 1 : 0;
        mostPicks = std::max(mostPicks, model.pickCount());

        if (step % compareEvery == 0 || step == steps) {
            QApplication::processEvents(); // let the window paint what changed
            ++comparisons;
            ASSERT_EQ(support::describeDifferences(model.visibleState(), shownByWidgets()), "")
                << "seed " << seed << ", step " << step << '\n'
                << recent.text();
        }
    }

    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::cout << "soak: " << steps << " steps (" << clicks << " candidate clicks, " << commands << " commands, "
              << resets << " resets; " << byMouse << " through the window), " << comparisons
              << " comparisons, most picks " << mostPicks << ", seed " << seed << ", " << seconds << " s" << std::endl;
    // A game that never fills the board or never empties it would prove little.
    EXPECT_GE(mostPicks, 70);
    EXPECT_GE(resets, steps / 1000);
}

} // namespace
