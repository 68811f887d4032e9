#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "box/usrcntSquare.h"
#include "cell/usrcntBlock.h"
#include "support/FakeBox.h"
#include "support/FakeCell.h"
#include "support/HeldBytes.h"
#include "support/NullPlatform.h"
#include "support/TestBoard.h"
#include "support/WriteLog.h"
#include "ui/Dispatch.h"

namespace {

// One click set up on the real core over fake controls, on its way to a limit
// of the core or just short of it. A death test delivers it through
// ui::dispatchClick in a process of its own, as a front-end would; the test also
// raises it in its own process to learn which failure, if any, it meets.
class ClickScenario {
public:
    virtual ~ClickScenario() = default;

    // The Click event a front-end would hand to ui::dispatchClick.
    virtual const ui::Event<>& click() = 0;
};

// A button whose click lays a bar on candidate btnIndex in row 0 of a box,
// through SetRow as the board lays one.
class BarInARow final : public ClickScenario {
public:
    explicit BarInARow(std::int16_t btnIndex)
    {
        log_.setRecording(false);
        trigger_.Click.connect([this, btnIndex] { box_.SetRow(0, btnIndex, true); });
    }
    const ui::Event<>& click() override { return trigger_.Click; }

private:
    support::WriteLog log_;
    support::FakeBox controls_{log_};
    usrcntSquare box_{controls_};
    ui::NullButton trigger_;
};

// A whole board on which the first row of boxes 1 and 2 and the first column of
// boxes 3 and 6 carry `bars` bars on "5", as if that many picks of "5" in the
// top-left cell had reached them; the click is one on a candidate button.
class BoardWithBars final : public ClickScenario {
public:
    BoardWithBars(int bars, ui::BoxCell clicked, std::int16_t candidate)
    {
        board_.log().setRecording(false);
        for (int n = 0; n < bars; ++n)
            board_.board().usrcntGrid_Chosen(0, 0, 4, true);
        button_ = &board_.cell(clicked).button(candidate);
    }
    const ui::Event<>& click() override { return button_->Click; }

private:
    support::TestBoard board_;
    const support::FakeButton* button_ = nullptr;
};

// A cell on its own, with no box listening to its Chosen.
class LoneCell final : public ClickScenario {
public:
    LoneCell() { log_.setRecording(false); }
    const ui::Event<>& click() override { return controls_.button(2).Click; }

private:
    support::WriteLog log_;
    support::FakeCell controls_{log_};
    usrcntBlock cell_{controls_};
};

// A candidate button whose every property change fails.
template <class Failure>
class BrokenButton final : public ui::Button {
public:
    explicit BrokenButton(Failure failure) : failure_(failure) {}
    void setVisible(bool) override { throw failure_; }
    void setEnabled(bool) override { throw failure_; }
    void setBackColor(ui::SysColor) override { throw failure_; }

private:
    Failure failure_;
};

// A cell on broken buttons: the first repaint fails.
template <class Failure>
class BrokenWidgets final : public ui::CellControls {
public:
    explicit BrokenWidgets(Failure failure)
    {
        for (auto& button : buttons_)
            button = std::make_unique<BrokenButton<Failure>>(failure);
    }
    ui::Button& btnBlock(std::int16_t index) override { return *buttons_.at(index); }
    ui::Label& lbl() override { return label_; }

private:
    std::array<std::unique_ptr<BrokenButton<Failure>>, 9> buttons_;
    ui::NullLabel label_;
};

template <class Failure>
class CellOnBrokenWidgets final : public ClickScenario {
public:
    explicit CellOnBrokenWidgets(Failure failure) : controls_(failure) {}
    const ui::Event<>& click() override { return controls_.btnBlock(0).Click; }

private:
    BrokenWidgets<Failure> controls_;
    usrcntBlock cell_{controls_};
};

constexpr int mostBars = 32767;
constexpr ui::BoxCell topLeft{0, 0};
constexpr ui::BoxCell firstOfBox1{1, 0};

// Null for a name no scenario has.
std::unique_ptr<ClickScenario> scenarioNamed(std::string_view name)
{
    if (name == "row-bar-on-candidate-9")
        return std::make_unique<BarInARow>(9);
    if (name == "row-bar-on-candidate-10")
        return std::make_unique<BarInARow>(10);
    if (name == "row-bar-on-candidate-minus-1")
        return std::make_unique<BarInARow>(-1);
    // Picking "5" top left spreads one more bar along row 0, into box 1's full counter.
    if (name == "pick-lays-bar-32767-in-a-peer")
        return std::make_unique<BoardWithBars>(mostBars - 1, topLeft, 4);
    if (name == "pick-lays-bar-32768-in-a-peer")
        return std::make_unique<BoardWithBars>(mostBars, topLeft, 4);
    // Picking "1" in a cell whose "5" is full bars that "5" once more in the cell itself.
    if (name == "pick-lays-bar-32768-in-its-own-cell")
        return std::make_unique<BoardWithBars>(mostBars, firstOfBox1, 0);
    if (name == "lone-cell-pick")
        return std::make_unique<LoneCell>();
    if (name == "widget-fails")
        return std::make_unique<CellOnBrokenWidgets<std::runtime_error>>(std::runtime_error("widget gone"));
    if (name == "widget-fails-with-a-non-standard-exception")
        return std::make_unique<CellOnBrokenWidgets<int>>(42);
    return nullptr;
}

enum class Failure { None, OutOfRange, Overflow, Widget, NonStandard };

// What the click meets when raised here, where the core's exception comes out
// to the test instead of ending the process.
struct Met {
    Failure failure = Failure::None;
    std::string what;
};

// Delivers the click as a front-end does, through the one dispatch point.
void dispatch(const std::string& scenario) { ui::dispatchClick(scenarioNamed(scenario)->click()); }

Met raiseHere(const std::string& scenario)
{
    const auto made = scenarioNamed(scenario);
    if (!made)
        throw std::invalid_argument("no scenario " + scenario);
    try {
        made->click().raise();
    } catch (const std::out_of_range& e) {
        return {Failure::OutOfRange, e.what()};
    } catch (const std::overflow_error& e) {
        return {Failure::Overflow, e.what()};
    } catch (const std::runtime_error& e) {
        return {Failure::Widget, e.what()};
    } catch (...) {
        return {Failure::NonStandard, ""};
    }
    return {};
}

struct EndingClick {
    const char* scenario;
    Failure failure;
    // The words after "Orvane: internal error: "; null where they are the
    // standard library's own, as the failure raised here carries them.
    const char* message;
};

std::ostream& operator<<(std::ostream& out, const EndingClick& c) { return out << c.scenario; }

// A click that meets a limit ends the program at the dispatch point: one line
// naming the failure on stderr, a failure status, and nothing else written.
class ClickEndsTheProgram : public ::testing::TestWithParam<EndingClick> {};

TEST_P(ClickEndsTheProgram, WithOneLineOnStderrAndAFailureStatus)
{
    const EndingClick& c = GetParam();
    const Met met = raiseHere(c.scenario);
    ASSERT_EQ(met.failure, c.failure);
    const std::string message = c.message ? c.message : met.what;

    EXPECT_EXIT(dispatch(c.scenario), ::testing::ExitedWithCode(EXIT_FAILURE),
                ::testing::Matcher<const std::string&>("Orvane: internal error: " + message + "\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Limits, ClickEndsTheProgram,
    ::testing::Values(EndingClick{"row-bar-on-candidate-10", Failure::OutOfRange, nullptr},
                      EndingClick{"row-bar-on-candidate-minus-1", Failure::OutOfRange, nullptr},
                      EndingClick{"pick-lays-bar-32768-in-a-peer", Failure::Overflow, "16-bit counter overflow"},
                      EndingClick{"pick-lays-bar-32768-in-its-own-cell", Failure::Overflow, "16-bit counter overflow"},
                      EndingClick{"widget-fails", Failure::Widget, "widget gone"},
                      EndingClick{"widget-fails-with-a-non-standard-exception", Failure::NonStandard,
                                  "unknown failure"}),
    [](const ::testing::TestParamInfo<EndingClick>& info) {
        std::string name = info.param.scenario;
        for (char& ch : name)
            ch = ch == '-' ? '_' : ch;
        return name;
    });

// A failure for want of memory is told all the same: its words need none.
TEST(FailureWithNoMemoryLeft, IsStillToldInOneLine)
{
    EXPECT_EXIT(
        {
            const support::NoMemory none;
            ui::endWithFailure("std::bad_alloc", nullptr);
        },
        ::testing::ExitedWithCode(EXIT_FAILURE),
        ::testing::Matcher<const std::string&>("Orvane: internal error: std::bad_alloc\n"));
}

// Right at a limit, and where an event has no one to hear it, the click simply returns.
class ClickReturns : public ::testing::TestWithParam<const char*> {};

TEST_P(ClickReturns, AndTheProgramPlaysOn)
{
    EXPECT_EQ(raiseHere(GetParam()).failure, Failure::None);

    EXPECT_EXIT(
        {
            dispatch(GetParam());
            std::exit(EXIT_SUCCESS);
        },
        ::testing::ExitedWithCode(EXIT_SUCCESS), ::testing::Matcher<const std::string&>(""));
}

INSTANTIATE_TEST_SUITE_P(Edges, ClickReturns,
                         ::testing::Values("row-bar-on-candidate-9", "pick-lays-bar-32767-in-a-peer", "lone-cell-pick"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             for (char& ch : name)
                                 ch = ch == '-' ? '_' : ch;
                             return name;
                         });

} // namespace
