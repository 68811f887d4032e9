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
                    const Control button = probe.candidate(b, k, i);
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
    EXPECT_EQ(BoardProbe::focus(), probe.candidate(0, 0, 0));
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
            EXPECT_EQ(BoardProbe::accessibleName(probe.label(b, k)), L"") << "box " << b << " cell " << k;
}

TEST_F(BoardWindowTest, ResetPaintsEveryButtonNineInButtonFace)
{
    probe.clickAt(probe.reset());
    expectAllFree(SysColor::ButtonFace);
}

TEST_F(BoardWindowTest, FixShowsThePickedDigitInItsLabelAndUnFixGivesTheButtonBack)
{
    click(0, 0, digit5);
    // A digit in every box, each heard by its place.
    for (int b = 1; b < 9; ++b)
        click(b, b, b);
    probe.clickAt(probe.fix());
    EXPECT_FALSE(BoardProbe::shown(probe.candidate(0, 0, digit5)));
    EXPECT_EQ(BoardProbe::accessibleName(probe.label(0, 0)), digitNameOf(0, 0, "5"));
    for (int b = 1; b < 9; ++b)
        EXPECT_EQ(BoardProbe::accessibleName(probe.label(b, b)), digitNameOf(b, b, std::to_string(b + 1).c_str()));
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

// The drawn captions stay "1" to "9"; each cell names its candidates to
// Windows' accessibility layer by their place.
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

TEST_F(BoardWindowTest, AScreenReaderPressesACandidateAndHearsWhereTheFocusIs)
{
    BoardProbe::pressForScreenReader(probe.candidate(4, 4, digit5));
    EXPECT_FALSE(BoardProbe::shown(probe.candidate(4, 4, 0)));
    EXPECT_FALSE(BoardProbe::enabled(probe.candidate(4, 3, digit5)));
    EXPECT_TRUE(BoardProbe::accessibleState(probe.candidate(0, 0, 0)) & STATE_SYSTEM_FOCUSED);
    EXPECT_FALSE(BoardProbe::accessibleState(probe.candidate(4, 4, digit5)) & STATE_SYSTEM_FOCUSED);
}

TEST_F(BoardWindowTest, ADoubleClickOnACandidateIsAPickAndItsTakeBack)
{
    probe.doubleClick(probe.candidate(0, 0, digit5));
    ASSERT_EQ(BoardProbe::focus(), probe.candidate(0, 0, digit5)) << "the mouse never reached the button";
    EXPECT_TRUE(BoardProbe::shown(probe.candidate(0, 0, 0)));
    EXPECT_TRUE(BoardProbe::enabled(probe.candidate(0, 1, digit5)));
}

// A click paints what it changed, and only that: what it puts on the screen
// must be what every window paints when asked to paint itself again.
TEST_F(BoardWindowTest, AQuickClickShowsWhatEveryWindowPaintsAfterIt)
{
    const auto expectShownAsPainted = [this](Control control, const char* click) {
        probe.quickClick(control);
        ASSERT_EQ(BoardProbe::focus(), control) << "the mouse never reached " << click;
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
    std::vector<Control> order;
    for (int b = 0; b < 9; ++b)
        for (int k = 0; k < 9; ++k)
            for (int i = 0; i < 9; ++i)
                order.push_back(probe.candidate(b, k, i));
    order.insert(order.end(), {probe.reset(), probe.fix(), probe.unFix(), probe.candidate(0, 0, 0)});

    ASSERT_EQ(BoardProbe::focus(), order.front());
    for (std::size_t n = 1; n < order.size(); ++n) {
        probe.pressKey(VK_TAB);
        ASSERT_EQ(BoardProbe::focus(), order[n]) << "after " << n << " presses of Tab";
    }
    // Shift+Tab goes back, into a cell at its last candidate.
    probe.pressKey(VK_TAB, true);
    EXPECT_EQ(BoardProbe::focus(), probe.unFix());
    for (int n = 0; n < 3; ++n)
        probe.pressKey(VK_TAB, true);
    EXPECT_EQ(BoardProbe::focus(), probe.candidate(8, 8, 8));
    probe.pressKey(VK_LEFT);
    EXPECT_EQ(BoardProbe::focus(), probe.candidate(8, 8, 7));
}

TEST_F(BoardWindowTest, SpacePicksTheFocusedCandidateAndTabPassesOverBarredOnes)
{
    probe.pressKey(VK_SPACE);  // "1" of box 0, cell 0
    EXPECT_FALSE(BoardProbe::shown(probe.candidate(0, 0, 1)));
    EXPECT_FALSE(BoardProbe::enabled(probe.candidate(0, 1, 0)));

    probe.pressKey(VK_TAB);  // past the hidden rest of cell 0 and the barred "1" of cell 1
    EXPECT_EQ(BoardProbe::focus(), probe.candidate(0, 1, 1));
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
    EXPECT_EQ(BoardProbe::focus(), probe.candidate(0, 0, 1));
}

TEST_F(BoardWindowTest, TheFocusComesBackToItsControlWhenTheWindowIsActivatedAgain)
{
    probe.pressKey(VK_TAB);
    ASSERT_EQ(BoardProbe::focus(), probe.candidate(0, 0, 1));
    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                 nullptr, nullptr);
    SetActiveWindow(other);
    pumpMessages();
    ASSERT_NE(BoardProbe::focus(), probe.candidate(0, 0, 1));
    SetActiveWindow(probe.board());
    pumpMessages();
    EXPECT_EQ(BoardProbe::focus(), probe.candidate(0, 0, 1));
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
            const Control same = probe.candidate(b, k, pi);
            const long heard = BoardProbe::accessibleState(same);
            if (b == pb && k == pk) {
                EXPECT_TRUE(BoardProbe::shown(same));
                EXPECT_EQ(probe.face(same), resolve(SysColor::ButtonFace));
                EXPECT_FALSE(heard & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE));
                for (int i = 0; i < 9; ++i) {
                    if (i != pi) {
                        const Control own = probe.candidate(b, k, i);
                        EXPECT_FALSE(BoardProbe::shown(own)) << "own candidate " << i;
                        EXPECT_TRUE(BoardProbe::accessibleState(own) & STATE_SYSTEM_INVISIBLE) << "own candidate " << i;
                        // The click's paint reached beneath the candidates it hid.
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

// A window in its parent; a part of a cell in the cell.
RECT rectInParent(Control control)
{
    if (control.child == CHILDID_SELF)
        return rectInParent(control.window);
    RECT area = BoardProbe::screenRect(control);
    MapWindowPoints(HWND_DESKTOP, control.window, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

template <class Place>
void expectAt(Place control, const designs::Control& design, const std::string& what)
{
    const RECT area = rectInParent(control);
    EXPECT_EQ(area.left, design.left / 15) << what;
    EXPECT_EQ(area.top, design.top / 15) << what;
    EXPECT_EQ(area.right - area.left, design.width / 15) << what;
    EXPECT_EQ(area.bottom - area.top, design.height / 15) << what;
}

LOGFONTW fontOf(HFONT handle)
{
    LOGFONTW font{};
    GetObjectW(handle, sizeof font, &font);
    return font;
}

LOGFONTW fontOf(HWND control) { return fontOf(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0))); }

TEST_F(BoardWindowTest, TheInnerAreaIs650By582PixelsAt96Dpi)
{
    ASSERT_EQ(ui::win32::windowDpi(probe.board()), 96);
    RECT inner;
    GetClientRect(probe.board(), &inner);
    EXPECT_EQ(inner.right - inner.left, 650);
    EXPECT_EQ(inner.bottom - inner.top, 582);
}

BOOL CALLBACK countWindow(HWND, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// Nine boxes, 81 cells and three commands: the candidates and labels are the cells' own.
TEST_F(BoardWindowTest, TheBoardIsNinetyThreeWindows)
{
    int windows = 0;
    EnumChildWindows(probe.board(), countWindow, reinterpret_cast<LPARAM>(&windows));
    EXPECT_EQ(windows, 93);
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

TEST_F(BoardWindowTest, CaptionsUseTheDefaultControlFontAndDigitsTheLargeBoldOne)
{
    for (HWND control : {probe.cell(3, 3), probe.fix().window}) {
        const LOGFONTW caption = fontOf(control);
        EXPECT_EQ(caption.lfHeight, -11);
        EXPECT_EQ(caption.lfWeight, 400);
        EXPECT_STREQ(caption.lfFaceName, L"MS Sans Serif");
    }
    const ui::win32::Fonts fonts(96);
    const LOGFONTW digit = fontOf(fonts.label());
    EXPECT_EQ(digit.lfHeight, -55);
    EXPECT_EQ(digit.lfWeight, 700);
    EXPECT_EQ(digit.lfCharSet, 0);
    EXPECT_FALSE(digit.lfItalic || digit.lfUnderline || digit.lfStrikeOut);
    EXPECT_STREQ(digit.lfFaceName, L"MS Sans Serif");
}

// ---- a property write: the platform's controls without the board's logic ----

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

    // What waits to be painted again in cell 0 of box 0, in the cell; and
    // whether anything of its box does.
    RECT waitingInCell() const
    {
        RECT waiting{};
        GetUpdateRect(probe.cell(0, 0), &waiting, FALSE);
        return waiting;
    }
    bool boxWaits() const { return GetUpdateRect(probe.box(0), nullptr, FALSE); }
    RECT squareOf(int i) const { return rectInParent(probe.candidate(0, 0, i)); }

    ui::CellControls& cell() { return window->usrcntGrid(0).usrcntSquare(0); }

    ui::win32::Win32Platform platform{GetModuleHandleW(nullptr)};
    std::unique_ptr<ui::BoardWindow> window;
    BoardProbe probe{nullptr};
};

bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b); }

TEST_F(ControlWriteTest, AWriteThatChangesNothingRepaintsNothing)
{
    cell().btnBlock(4).setVisible(true);
    cell().btnBlock(4).setEnabled(true);
    cell().btnBlock(4).setBackColor(SysColor::ButtonFace);
    cell().btnBlock(8).setBackColor(SysColor::ActiveBorder);
    cell().lbl().setCaption("1");  // the design's caption, not yet replaced
    EXPECT_TRUE(waitingInCell() == RECT{});
    EXPECT_FALSE(boxWaits());
}

TEST_F(ControlWriteTest, AChangeRepaintsThatCandidateAloneAndAScreenReaderHearsIt)
{
    cell().btnBlock(4).setBackColor(SysColor::WindowText);
    EXPECT_TRUE(waitingInCell() == squareOf(4));
    EXPECT_EQ(probe.face(probe.candidate(0, 0, 4)), resolve(SysColor::WindowText));

    cell().btnBlock(2).setEnabled(false);
    EXPECT_TRUE(waitingInCell() == squareOf(2));
    EXPECT_FALSE(BoardProbe::enabled(probe.candidate(0, 0, 2)));
    EXPECT_FALSE(boxWaits());
}

TEST_F(ControlWriteTest, ANewCaptionRepaintsTheCellAndRenamesItsLabel)
{
    cell().lbl().setCaption("7");
    RECT all;
    GetClientRect(probe.cell(0, 0), &all);
    EXPECT_TRUE(waitingInCell() == all);
    EXPECT_FALSE(boxWaits());
    EXPECT_EQ(BoardProbe::accessibleName(probe.label(0, 0)), digitNameOf(0, 0, "7"));
}

} // namespace
