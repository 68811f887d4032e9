// The real board window on Windows (under Wine here), built by the Win32 platform
// and driven through the whole tree by clicks and keys on its real buttons.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <oleacc.h>

#include "BoardProbe.h"
#include "app/modOrvane.h"
#include "support/BoardPlaces.h"
#include "ui/Designs.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/SystemColors.h"
#include "ui/win32/Win32BoardWindow.h"
#include "ui/win32/Win32Platform.h"

namespace designs = ui::designs;
using ui::SysColor;
using ui::win32::resolve;

namespace {

constexpr int digit5 = 4;
constexpr int digit7 = 6;

bool isPeer(int b1, int k1, int b2, int k2)
{
    return support::arePeers(ui::BoxCell{static_cast<std::int16_t>(b1), static_cast<std::int16_t>(k1)},
                             ui::BoxCell{static_cast<std::int16_t>(b2), static_cast<std::int16_t>(k2)});
}

// The names a screen reader hears, as the Linux program gives them.
ui::RowColumn placeOf(int b, int k) { return ui::rowColumnOf({static_cast<std::int16_t>(b), static_cast<std::int16_t>(k)}); }
std::wstring wide(const std::string& text) { return {text.begin(), text.end()}; }
std::wstring candidateNameOf(int b, int k, int i)
{
    return wide(ui::candidateName(placeOf(b, k), static_cast<std::int16_t>(i)));
}
std::wstring digitNameOf(int b, int k, const char* digit) { return wide(ui::digitName(placeOf(b, k), digit)); }

// Active border and button face look alike in many colour schemes (Wine's among
// them), so for this run Active border gets a colour of its own. That the buttons
// then show it also proves that they resolve system colours when they draw.
class DistinctActiveBorder final : public ::testing::Environment {
public:
    void SetUp() override
    {
        HDC screen = GetDC(nullptr);
        const int depth = GetDeviceCaps(screen, BITSPIXEL);
        ReleaseDC(nullptr, screen);
        ASSERT_GE(depth, 24) << "the tests read colours from the screen; give the display 24-bit colour";
        saved_ = GetSysColor(COLOR_ACTIVEBORDER);
        setActiveBorder(RGB(200, 80, 40));
        ASSERT_NE(resolve(SysColor::ActiveBorder), resolve(SysColor::ButtonFace));
        ASSERT_NE(resolve(SysColor::WindowText), resolve(SysColor::ButtonFace));
    }
    void TearDown() override { setActiveBorder(saved_); }

private:
    static void setActiveBorder(COLORREF colour)
    {
        const INT element = COLOR_ACTIVEBORDER;
        SetSysColors(1, &element, &colour);
    }
    COLORREF saved_ = 0;
};
const auto* const distinctActiveBorder = ::testing::AddGlobalTestEnvironment(new DistinctActiveBorder);

BOOL CALLBACK countBoards(HWND window, LPARAM count)
{
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    if (std::wstring(name) == ui::win32::Win32BoardWindow::windowClass)
        ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// The whole program: Main with the Win32 platform, as the entry point starts it.
class BoardWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        modOrvane::Main(platform);
        pumpMessages();
        probe = BoardProbe(FindWindowW(ui::win32::Win32BoardWindow::windowClass, L"Form2"));
        ASSERT_NE(probe.board(), nullptr);
    }
    void TearDown() override
    {
        modOrvane::releaseBoard();
        pumpMessages();
    }

    void click(int b, int k, int i) { probe.clickAt(probe.candidate(b, k, i)); }

    // Every candidate of every cell shown, clickable and painted as given.
    void expectAllFree(SysColor nineFace)
    {
        for (int b = 0; b < 9; ++b)
            for (int k = 0; k < 9; ++k)
                for (int i = 0; i < 9; ++i) {
                    HWND button = probe.candidate(b, k, i);
                    const SysColor face = i == 8 ? nineFace : SysColor::ButtonFace;
                    EXPECT_TRUE(BoardProbe::shown(button)) << "box " << b << " cell " << k << " button " << i;
                    EXPECT_TRUE(BoardProbe::enabled(button)) << "box " << b << " cell " << k << " button " << i;
                    EXPECT_EQ(probe.face(button), resolve(face)) << "box " << b << " cell " << k << " button " << i;
                }
    }

    ui::win32::Win32Platform platform{GetModuleHandleW(nullptr)};
    BoardProbe probe{nullptr};
};

TEST_F(BoardWindowTest, OpensWithTheFocusOnButtonOneOfCellZeroOfBoxZero)
{
    EXPECT_EQ(GetFocus(), probe.candidate(0, 0, 0));
}

// This test program links the application's resources, as Orvane.exe does.
TEST_F(BoardWindowTest, ShowsTheApplicationIconInItsTitleBar)
{
    for (const auto& [which, metric] : {std::pair{ICON_BIG, SM_CXICON}, std::pair{ICON_SMALL, SM_CXSMICON}}) {
        auto icon = reinterpret_cast<HICON>(SendMessageW(probe.board(), WM_GETICON, which, 0));
        ASSERT_NE(icon, nullptr) << "icon " << which;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP mask{};
        GetObjectW(info.hbmMask, sizeof mask, &mask);
        EXPECT_EQ(mask.bmWidth, GetSystemMetrics(metric)) << "icon " << which;
        DeleteObject(info.hbmMask);
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
    }
}

TEST_F(BoardWindowTest, OpensWithEveryButtonNineInActiveBorderAndNoDigitShown)
{
    expectAllFree(SysColor::ActiveBorder);
    for (int b = 0; b < 9; ++b)
        for (int k = 0; k < 9; ++k)
            EXPECT_EQ(BoardProbe::text(probe.label(b, k)), L"") << "box " << b << " cell " << k;
}

TEST_F(BoardWindowTest, ResetPaintsEveryButtonNineInButtonFace)
{
    probe.clickAt(probe.reset());
    expectAllFree(SysColor::ButtonFace);
}

TEST_F(BoardWindowTest, FixShowsThePickedDigitInItsLabelAndUnFixGivesTheButtonBack)
{
    click(0, 0, digit5);
    probe.clickAt(probe.fix());
    EXPECT_FALSE(BoardProbe::shown(probe.candidate(0, 0, digit5)));
    EXPECT_EQ(BoardProbe::accessibleName(probe.label(0, 0)), digitNameOf(0, 0, "5"));
    EXPECT_TRUE(BoardProbe::accessibleState(probe.candidate(0, 0, digit5)) & STATE_SYSTEM_INVISIBLE);
    // A cell without a pick stays open.
    EXPECT_EQ(BoardProbe::accessibleName(probe.label(0, 1)), L"");
    EXPECT_TRUE(BoardProbe::shown(probe.candidate(0, 1, 0)));

    probe.clickAt(probe.unFix());
    EXPECT_TRUE(BoardProbe::shown(probe.candidate(0, 0, digit5)));
    EXPECT_TRUE(BoardProbe::enabled(probe.candidate(0, 0, digit5)));
    EXPECT_EQ(BoardProbe::accessibleName(probe.label(0, 0)), L"");
}

TEST_F(BoardWindowTest, FixAfterAPeerTookItsPickBackShowsTheDigitThePlayerPicked)
{
    click(0, 0, digit5);
    probe.clickAt(probe.fix());
    click(0, 1, digit7);  // same row, while cell 0 is frozen
    probe.clickAt(probe.unFix());
    click(0, 1, digit7);  // taken back
    probe.clickAt(probe.fix());
    EXPECT_EQ(BoardProbe::accessibleName(probe.label(0, 0)), digitNameOf(0, 0, "5"));
    EXPECT_FALSE(BoardProbe::shown(probe.candidate(0, 0, digit5)));
    EXPECT_FALSE(BoardProbe::shown(probe.candidate(0, 0, digit7)));
}

// The drawn captions stay "1" to "9"; the window text that carries the name is
// what Windows' accessibility layer reads.
TEST_F(BoardWindowTest, AScreenReaderHearsEveryCandidateByItsPlaceAndTheCommandsByTheirCaptions)
{
    for (int b = 0; b < 9; ++b)
        for (int k = 0; k < 9; ++k)
            for (int i = 0; i < 9; ++i)
                EXPECT_EQ(BoardProbe::accessibleName(probe.candidate(b, k, i)), candidateNameOf(b, k, i));
    EXPECT_EQ(BoardProbe::accessibleName(probe.reset()), L"Reset");
    EXPECT_EQ(BoardProbe::accessibleName(probe.fix()), L"Fix");
    EXPECT_EQ(BoardProbe::accessibleName(probe.unFix()), L"Un-Fix");
}

TEST_F(BoardWindowTest, ADoubleClickOnACandidateIsAPickAndItsTakeBack)
{
    probe.doubleClick(probe.candidate(0, 0, digit5));
    ASSERT_EQ(GetFocus(), probe.candidate(0, 0, digit5)) << "the mouse never reached the button";
    EXPECT_TRUE(BoardProbe::shown(probe.candidate(0, 0, 0)));
    EXPECT_TRUE(BoardProbe::enabled(probe.candidate(0, 1, digit5)));
}

// A quick click shows its press, the focus it moves and the click's writes in one
// paint, drawn for the board window as a whole: what that puts on the screen must
// be what every window paints when asked to paint itself again.
TEST_F(BoardWindowTest, AQuickClickShowsWhatEveryWindowPaintsAfterIt)
{
    const auto expectShownAsPainted = [this](HWND control, const char* click) {
        probe.quickClick(control);
        ASSERT_EQ(GetFocus(), control) << "the mouse never reached " << click;
        const std::vector<DWORD> shown = probe.picture();
        RedrawWindow(probe.board(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        EXPECT_TRUE(shown == probe.picture()) << "after " << click;
    };
    expectShownAsPainted(probe.candidate(4, 4, digit5), "a pick");
    expectShownAsPainted(probe.candidate(4, 4, digit5), "its take-back");
    for (const int b : {0, 4, 8})
        expectShownAsPainted(probe.candidate(b, b, b), "a pick on the diagonal");
    expectShownAsPainted(probe.fix(), "\"Fix\"");
    expectShownAsPainted(probe.unFix(), "\"Un-Fix\"");
    expectShownAsPainted(probe.reset(), "\"Reset\"");
    expectShownAsPainted(probe.candidate(2, 6, 2), "a pick after a command");
}

TEST_F(BoardWindowTest, AHiddenOrDisabledCandidateLetsTheClickThrough)
{
    click(0, 0, digit5);
    ASSERT_FALSE(BoardProbe::shown(probe.candidate(0, 0, 2)));
    ASSERT_FALSE(BoardProbe::enabled(probe.candidate(0, 1, digit5)));

    click(0, 0, 2);  // hidden "3" of the picked cell: no pick of 3 anywhere
    EXPECT_TRUE(BoardProbe::enabled(probe.candidate(0, 1, 2)));
    EXPECT_TRUE(BoardProbe::shown(probe.candidate(0, 0, digit5)));

    click(0, 1, digit5);  // barred "5" of a peer: cell 1 stays open
    EXPECT_TRUE(BoardProbe::shown(probe.candidate(0, 1, 0)));
    EXPECT_FALSE(BoardProbe::enabled(probe.candidate(0, 1, digit5)));
}

TEST_F(BoardWindowTest, TabVisitsEveryControlInTheDesignedOrderAndComesRound)
{
    std::vector<HWND> order;
    for (int b = 0; b < 9; ++b)
        for (int k = 0; k < 9; ++k)
            for (int i = 0; i < 9; ++i)
                order.push_back(probe.candidate(b, k, i));
    order.insert(order.end(), {probe.reset(), probe.fix(), probe.unFix(), probe.candidate(0, 0, 0)});

    ASSERT_EQ(GetFocus(), order.front());
    for (std::size_t n = 1; n < order.size(); ++n) {
        probe.pressKey(VK_TAB);
        ASSERT_EQ(GetFocus(), order[n]) << "after " << n << " presses of Tab";
    }
}

TEST_F(BoardWindowTest, SpacePicksTheFocusedCandidateAndTabPassesOverBarredOnes)
{
    probe.pressKey(VK_SPACE);  // "1" of box 0, cell 0
    EXPECT_FALSE(BoardProbe::shown(probe.candidate(0, 0, 1)));
    EXPECT_FALSE(BoardProbe::enabled(probe.candidate(0, 1, 0)));

    probe.pressKey(VK_TAB);  // past the hidden rest of cell 0 and the barred "1" of cell 1
    EXPECT_EQ(GetFocus(), probe.candidate(0, 1, 1));
    probe.pressKey(VK_SPACE);
    EXPECT_FALSE(BoardProbe::enabled(probe.candidate(0, 2, 1)));
    EXPECT_FALSE(BoardProbe::enabled(probe.candidate(1, 0, 1)));
}

TEST_F(BoardWindowTest, MainAgainShowsTheSameWindowAndLeavesTheFocusAlone)
{
    probe.pressKey(VK_TAB);
    modOrvane::Main(platform);
    pumpMessages();
    int boards = 0;
    EnumThreadWindows(GetCurrentThreadId(), countBoards, reinterpret_cast<LPARAM>(&boards));
    EXPECT_EQ(boards, 1);
    EXPECT_EQ(GetFocus(), probe.candidate(0, 0, 1));
}

TEST_F(BoardWindowTest, TheFocusComesBackToItsControlWhenTheWindowIsActivatedAgain)
{
    probe.pressKey(VK_TAB);
    ASSERT_EQ(GetFocus(), probe.candidate(0, 0, 1));
    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                 nullptr, nullptr);
    SetActiveWindow(other);
    pumpMessages();
    ASSERT_NE(GetFocus(), probe.candidate(0, 0, 1));
    SetActiveWindow(probe.board());
    pumpMessages();
    EXPECT_EQ(GetFocus(), probe.candidate(0, 0, 1));
    DestroyWindow(other);
}

TEST_F(BoardWindowTest, ClosingTheWindowEndsTheMessageLoop)
{
    SendMessageW(probe.board(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(probe.board()));
    MSG quit{};
    ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 0u);
}

// One candidate picked and taken back, in the cells the propagation finds hardest.
struct Pick {
    int box, cell, candidate;
};
class PickTest : public BoardWindowTest, public ::testing::WithParamInterface<Pick> {};

TEST_P(PickTest, BarsItsDigitInExactlyTheTwentyPeersAndTheTakeBackFreesThem)
{
    const auto [pb, pk, pi] = GetParam();
    click(pb, pk, pi);

    int barred = 0;
    for (int b = 0; b < 9; ++b)
        for (int k = 0; k < 9; ++k) {
            HWND same = probe.candidate(b, k, pi);
            const long heard = BoardProbe::accessibleState(same);
            if (b == pb && k == pk) {
                EXPECT_TRUE(BoardProbe::shown(same));
                EXPECT_EQ(probe.face(same), resolve(SysColor::ButtonFace));
                EXPECT_FALSE(heard & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE));
                for (int i = 0; i < 9; ++i) {
                    if (i != pi) {
                        HWND own = probe.candidate(b, k, i);
                        EXPECT_FALSE(BoardProbe::shown(own)) << "own candidate " << i;
                        EXPECT_TRUE(BoardProbe::accessibleState(own) & STATE_SYSTEM_INVISIBLE) << "own candidate " << i;
                        // The click's one paint reached beneath the buttons it hid.
                        EXPECT_EQ(probe.beneath(own), resolve(designs::lbl.face)) << "own candidate " << i;
                    }
                }
            } else if (isPeer(pb, pk, b, k)) {
                ++barred;
                EXPECT_TRUE(BoardProbe::shown(same)) << "box " << b << " cell " << k;
                EXPECT_FALSE(BoardProbe::enabled(same)) << "box " << b << " cell " << k;
                EXPECT_EQ(probe.face(same), resolve(SysColor::WindowText)) << "box " << b << " cell " << k;
                EXPECT_EQ(heard & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE), STATE_SYSTEM_UNAVAILABLE)
                    << "box " << b << " cell " << k;
            } else {
                EXPECT_TRUE(BoardProbe::enabled(same)) << "box " << b << " cell " << k;
                EXPECT_FALSE(heard & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE)) << "box " << b << " cell " << k;
            }
        }
    EXPECT_EQ(barred, 20);

    click(pb, pk, pi);
    for (int b = 0; b < 9; ++b)
        for (int k = 0; k < 9; ++k) {
            for (int i = 0; i < 9; ++i) {
                EXPECT_TRUE(BoardProbe::shown(probe.candidate(b, k, i)));
                EXPECT_TRUE(BoardProbe::enabled(probe.candidate(b, k, i)));
            }
            if (isPeer(pb, pk, b, k)) {
                EXPECT_EQ(probe.face(probe.candidate(b, k, pi)), resolve(SysColor::ButtonFace))
                    << "box " << b << " cell " << k;
            }
        }
}

INSTANTIATE_TEST_SUITE_P(Cells, PickTest,
                         ::testing::Values(Pick{4, 4, digit5}, Pick{0, 8, 0}, Pick{8, 0, 8}, Pick{5, 3, digit7}));

// ---- layout at 96 dpi, against the stored designs (15 twips a pixel) ----

RECT rectInParent(HWND control)
{
    RECT area;
    GetWindowRect(control, &area);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&area), 2);
    return area;
}

void expectAt(HWND control, const designs::Control& design, const std::string& what)
{
    const RECT area = rectInParent(control);
    EXPECT_EQ(area.left, design.left / 15) << what;
    EXPECT_EQ(area.top, design.top / 15) << what;
    EXPECT_EQ(area.right - area.left, design.width / 15) << what;
    EXPECT_EQ(area.bottom - area.top, design.height / 15) << what;
}

LOGFONTW fontOf(HWND control)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

TEST_F(BoardWindowTest, TheInnerAreaIs650By582PixelsAt96Dpi)
{
    ASSERT_EQ(ui::win32::windowDpi(probe.board()), 96);
    RECT inner;
    GetClientRect(probe.board(), &inner);
    EXPECT_EQ(inner.right - inner.left, 650);
    EXPECT_EQ(inner.bottom - inner.top, 582);
}

TEST_F(BoardWindowTest, EveryControlSitsWhereTheDesignsPutIt)
{
    ASSERT_EQ(ui::win32::windowDpi(probe.board()), 96);
    expectAt(probe.reset(), designs::cmdReset, "Reset");
    expectAt(probe.fix(), designs::cmdFix, "Fix");
    expectAt(probe.unFix(), designs::cmdUnFix, "Un-Fix");
    for (int b = 0; b < 9; ++b) {
        expectAt(probe.box(b), designs::usrcntGrid.at(b), "box " + std::to_string(b));
        for (int k = 0; k < 9; ++k) {
            const std::string cell = "box " + std::to_string(b) + " cell " + std::to_string(k);
            expectAt(probe.cell(b, k), designs::usrcntSquare.at(k), cell);
            expectAt(probe.label(b, k), designs::lbl, cell + " label");
            for (int i = 0; i < 9; ++i)
                expectAt(probe.candidate(b, k, i), designs::btnBlock.at(i), cell + " button " + std::to_string(i));
        }
    }
    // The corners that the board's look depends on, in pixels.
    EXPECT_EQ(rectInParent(probe.box(8)).right, 581);
    EXPECT_EQ(rectInParent(probe.box(8)).bottom, 581);
    EXPECT_EQ(rectInParent(probe.box(5)).left, 392);
    EXPECT_EQ(rectInParent(probe.box(5)).top, 196);
    EXPECT_EQ(rectInParent(probe.cell(0, 8)).right, 189);
    EXPECT_EQ(rectInParent(probe.candidate(0, 0, 8)).right, 60);
    EXPECT_EQ(rectInParent(probe.unFix()).right, 649);
}

TEST_F(BoardWindowTest, TheLabelLiesBeneathTheNineButtons)
{
    for (int b = 0; b < 9; ++b)
        for (int k = 0; k < 9; ++k) {
            EXPECT_EQ(GetWindow(probe.cell(b, k), GW_CHILD), probe.candidate(b, k, 0));
            EXPECT_EQ(GetWindow(probe.label(b, k), GW_HWNDNEXT), nullptr) << "box " << b << " cell " << k;
        }
}

TEST_F(BoardWindowTest, CaptionsUseTheDefaultControlFontAndDigitsTheLargeBoldOne)
{
    for (HWND control : {probe.candidate(3, 3, 3), probe.fix()}) {
        const LOGFONTW caption = fontOf(control);
        EXPECT_EQ(caption.lfHeight, -11);
        EXPECT_EQ(caption.lfWeight, 400);
        EXPECT_STREQ(caption.lfFaceName, L"MS Sans Serif");
    }
    const LOGFONTW digit = fontOf(probe.label(3, 3));
    EXPECT_EQ(digit.lfHeight, -55);
    EXPECT_EQ(digit.lfWeight, 700);
    EXPECT_EQ(digit.lfCharSet, 0);
    EXPECT_FALSE(digit.lfItalic || digit.lfUnderline || digit.lfStrikeOut);
    EXPECT_STREQ(digit.lfFaceName, L"MS Sans Serif");
}

// ---- the cost of a property write: the platform's controls without the board's logic ----

class ControlWriteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = platform.createBoardWindow();
        window->show();
        pumpMessages();
        probe = BoardProbe(FindWindowW(ui::win32::Win32BoardWindow::windowClass, L"Form2"));
        ASSERT_NE(probe.board(), nullptr);
        RedrawWindow(probe.board(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    void TearDown() override
    {
        window.reset();
        pumpMessages();
    }

    // The windows of cell 0 of box 0, and its box, that wait to be repainted.
    std::vector<std::string> waitingForPaint()
    {
        std::vector<std::string> waiting;
        auto check = [&](HWND control, const std::string& name) {
            if (GetUpdateRect(control, nullptr, FALSE))
                waiting.push_back(name);
        };
        check(probe.box(0), "box");
        check(probe.cell(0, 0), "cell");
        check(probe.label(0, 0), "label");
        for (int i = 0; i < 9; ++i)
            check(probe.candidate(0, 0, i), "button " + std::to_string(i));
        return waiting;
    }

    // Those of them, other than the one named, that wait to be repainted. Some
    // controls redraw themselves at once on a change, so the named one may not wait.
    std::vector<std::string> othersWaitingForPaint(const std::string& changed)
    {
        std::vector<std::string> others = waitingForPaint();
        std::erase(others, changed);
        return others;
    }

    ui::CellControls& cell() { return window->usrcntGrid(0).usrcntSquare(0); }

    ui::win32::Win32Platform platform{GetModuleHandleW(nullptr)};
    std::unique_ptr<ui::BoardWindow> window;
    BoardProbe probe{nullptr};
};

TEST_F(ControlWriteTest, AWriteThatChangesNothingRepaintsNothing)
{
    ASSERT_TRUE(waitingForPaint().empty());
    cell().btnBlock(4).setVisible(true);
    cell().btnBlock(4).setEnabled(true);
    cell().btnBlock(4).setBackColor(SysColor::ButtonFace);
    cell().btnBlock(8).setBackColor(SysColor::ActiveBorder);
    cell().lbl().setCaption("1");  // the design's caption, not yet replaced
    EXPECT_EQ(waitingForPaint(), std::vector<std::string>{});
}

TEST_F(ControlWriteTest, ANewFaceRepaintsThatButtonAloneInTheNewColour)
{
    cell().btnBlock(4).setBackColor(SysColor::WindowText);
    EXPECT_EQ(waitingForPaint(), std::vector<std::string>{"button 4"});
    EXPECT_EQ(probe.face(probe.candidate(0, 0, 4)), resolve(SysColor::WindowText));
}

TEST_F(ControlWriteTest, DisablingRepaintsNothingButThatButton)
{
    cell().btnBlock(2).setEnabled(false);
    EXPECT_EQ(othersWaitingForPaint("button 2"), std::vector<std::string>{});
    EXPECT_FALSE(BoardProbe::enabled(probe.candidate(0, 0, 2)));
}

TEST_F(ControlWriteTest, ANewCaptionRepaintsNothingButThatLabel)
{
    cell().lbl().setCaption("7");
    EXPECT_EQ(othersWaitingForPaint("label"), std::vector<std::string>{});
    EXPECT_EQ(BoardProbe::accessibleName(probe.label(0, 0)), digitNameOf(0, 0, "7"));
}

} // namespace
