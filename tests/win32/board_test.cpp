// The real board window on Windows (under Wine here), built by the Win32 platform
// and driven through the whole tree by clicks and keys on its real buttons.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <variant>
#include <vector>

#include <oleacc.h>

#include "BoardProbe.h"
#include "app/Orvane_Main.h"
#include "app/PuzzleText.h"
#include "app/modOrvane.h"
#include "support/BoardPlaces.h"
#include "support/ClipboardPlay.h"
#include "support/ReferenceModel.h"
#include "ui/Catalogue.h"
#include "ui/Designs.h"
#include "ui/PlaceNames.h"
#include "ui/desktop/AccessibilityTree.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/Fonts.h"
#include "ui/win32/MsaaObject.h"
#include "ui/win32/SystemColors.h"
#include "ui/win32/Utf16.h"
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
ui::RowColumn placeOf(int b, int k)
{
    return ui::rowColumnOf({static_cast<std::int16_t>(b), static_cast<std::int16_t>(k)});
}
std::wstring wide(const std::string& text) { return {text.begin(), text.end()}; }
std::wstring digitNameOf(int b, int k, const char* digit) { return wide(ui::digitName(placeOf(b, k), digit)); }

bool same(IUnknown* one, IUnknown* other)
{
    IUnknown *a = nullptr, *b = nullptr;
    one->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&a));
    other->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&b));
    a->Release();
    b->Release();
    return a == b;
}

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

    // Every cell's digit, and which candidates show and take clicks, as the model has them.
    ::testing::AssertionResult showsAsModel(const support::ReferenceModel& model) const
    {
        const support::BoardState expected = model.visibleState();
        for (int b = 0; b < 9; ++b)
            for (int k = 0; k < 9; ++k) {
                const support::CellState& cell =
                    expected.at(ui::BoxCell{static_cast<std::int16_t>(b), static_cast<std::int16_t>(k)});
                const std::wstring digit = cell.caption.empty() ? L"" : digitNameOf(b, k, cell.caption.c_str());
                if (BoardProbe::accessibleName(probe.label(b, k)) != digit)
                    return ::testing::AssertionFailure() << "box " << b << " cell " << k << " digit";
                for (int i = 0; i < 9; ++i) {
                    const Control shown = probe.candidate(b, k, i);
                    const auto& button = cell.btnBlock.at(i);
                    if (BoardProbe::shown(shown) != button.visible ||
                        (button.visible && BoardProbe::enabled(shown) != button.enabled))
                        return ::testing::AssertionFailure() << "box " << b << " cell " << k << " candidate " << i;
                }
            }
        return ::testing::AssertionSuccess();
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
    click(0, 1, digit7); // same row, while cell 0 is frozen
    probe.clickAt(probe.unFix());
    click(0, 1, digit7); // taken back
    probe.clickAt(probe.fix());
    EXPECT_EQ(BoardProbe::accessibleName(probe.label(0, 0)), digitNameOf(0, 0, "5"));
    EXPECT_FALSE(BoardProbe::shown(probe.candidate(0, 0, digit5)));
    EXPECT_FALSE(BoardProbe::shown(probe.candidate(0, 0, digit7)));
}

TEST_F(BoardWindowTest, AScreenReaderPressesACandidateAndHearsWhereTheFocusIs)
{
    BoardProbe::pressForScreenReader(probe.candidate(4, 4, digit5));
    EXPECT_FALSE(BoardProbe::shown(probe.candidate(4, 4, 0)));
    EXPECT_FALSE(BoardProbe::enabled(probe.candidate(4, 3, digit5)));
    EXPECT_EQ(BoardProbe::focus(), probe.candidate(4, 4, digit5));
    EXPECT_TRUE(BoardProbe::accessibleState(probe.candidate(4, 4, digit5)) & STATE_SYSTEM_FOCUSED);
    EXPECT_FALSE(BoardProbe::accessibleState(probe.candidate(0, 0, 0)) & STATE_SYSTEM_FOCUSED);
}

std::vector<std::pair<DWORD, Control>> announced; // as a screen reader's hook hears it

void CALLBACK hear(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD)
{
    announced.emplace_back(event, Control{window, object, child});
}

// Every event names a part that its cell answers for, from which a screen reader
// says the row and column and, through the cell's parent, uses its table commands.
TEST_F(BoardWindowTest, EveryAnnouncementNamesAPartInsideItsCellInsideTheTable)
{
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_SHOW, EVENT_OBJECT_NAMECHANGE, nullptr, hear,
                                         GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    // Whether `act` announces `event` of the part named `name`. The window's own
    // events are the system's.
    const auto announces = [this](auto act, DWORD event, const std::wstring& name) {
        announced.clear();
        act();
        bool found = false;
        for (const auto& [what, control] : announced) {
            if (control.window != probe.surface() || control == Control{control.window})
                continue;
            const std::wstring named = BoardProbe::accessibleName(control);
            const auto [role, cell] = BoardProbe::holder(control);
            EXPECT_TRUE(role == ROLE_SYSTEM_CELL && (named.empty() || named.starts_with(cell))) << named.c_str();
            found |= what == event && named == name;
        }
        return found;
    };
    EXPECT_TRUE(announces([&] { probe.pressKey(VK_TAB); }, EVENT_OBJECT_FOCUS, L"Row 1, column 1, candidate 2"));
    EXPECT_TRUE(announces([&] { click(4, 4, digit5); }, EVENT_OBJECT_STATECHANGE, L"Row 5, column 1, candidate 5"));
    EXPECT_TRUE(announces([&] { probe.clickAt(probe.fix()); }, EVENT_OBJECT_NAMECHANGE, L"Row 5, column 5, digit 5"));
    EXPECT_TRUE(announces([&] { probe.clickAt(probe.unFix()); }, EVENT_OBJECT_SHOW, L"Row 5, column 5, candidate 5"));
    EXPECT_TRUE(announces([&] { click(4, 4, digit5); }, EVENT_OBJECT_SHOW, L"Row 5, column 5, candidate 1"));
    click(0, 0, 0);
    EXPECT_TRUE(
        announces([&] { probe.clickAt(probe.reset()); }, EVENT_OBJECT_STATECHANGE, L"Row 1, column 2, candidate 1"));

    // A freeze under the focus, by undoing "Un-Fix" from the pick, is heard once,
    // on the digit the cell shows then: never on the cell on the way there.
    click(4, 4, digit5);
    probe.clickAt(probe.fix());
    probe.clickAt(probe.unFix());
    probe.typeKey(VK_TAB);
    for (const WORD key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT})
        probe.typeKey(key);
    ASSERT_EQ(BoardProbe::focus(), probe.candidate(4, 4, digit5));
    announced.clear();
    probe.typeKey('Z', true);
    std::vector<std::wstring> heard;
    for (const auto& [what, control] : announced)
        if (what == EVENT_OBJECT_FOCUS && control.window == probe.surface())
            heard.push_back(BoardProbe::accessibleName(control));
    EXPECT_EQ(heard, std::vector<std::wstring>{L"Row 5, column 5, digit 5"});
    UnhookWinEvent(hook);
}

// In the user's interface language: English, and German when ctest runs the
// tests again in a German locale (ORVANE_TEST_LANGUAGE=de, win32_german).
TEST_F(BoardWindowTest, CaptionsAndNamesAreInTheUsersLanguage)
{
    const char* test = std::getenv("ORVANE_TEST_LANGUAGE");
    const bool german = test && std::string_view(test) == "de";
    ASSERT_EQ(PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_GERMAN, german) << "Wine's interface language";
    const auto says = [german](const wchar_t* english, const wchar_t* inGerman) { return german ? inGerman : english; };
    const auto caption = [](Control command) {
        wchar_t text[32] = L"";
        GetWindowTextW(command.window, text, 32);
        return std::wstring(text);
    };
    EXPECT_EQ(caption(probe.reset()), says(L"Reset", L"Leeren"));
    EXPECT_EQ(caption(probe.fix()), says(L"Fix", L"Fixieren"));
    EXPECT_EQ(caption(probe.unFix()), says(L"Un-Fix", L"Freigeben"));
    EXPECT_EQ(BoardProbe::accessibleName(probe.unFix()), says(L"Un-Fix", L"Freigeben"));
    EXPECT_EQ(BoardProbe::accessibleName(probe.cell(4, 4)), says(L"Row 5, column 5", L"Reihe 5, Spalte 5"));
    const Control five = probe.candidate(4, 4, digit5);
    EXPECT_EQ(BoardProbe::accessibleName(five),
              says(L"Row 5, column 5, candidate 5", L"Reihe 5, Spalte 5, Kandidat 5"));
    click(4, 4, digit5);
    probe.clickAt(probe.fix());
    EXPECT_EQ(BoardProbe::accessibleName(probe.label(4, 4)),
              says(L"Row 5, column 5, digit 5", L"Reihe 5, Spalte 5, Ziffer 5"));
}

// Every caption in every language, in the font the program makes for it, fits
// inside its button's edges and focus rectangle, each letter in the font.
TEST(CaptionTest, EveryCaptionInEveryLanguageFitsItsButton)
{
    namespace designs = ui::designs;
    HDC dc = GetDC(nullptr);
    for (int language = ui::catalogue::english; language < ui::catalogue::languages(); ++language) {
        const int charset = ui::win32::Fonts::captionCharset(language, designs::defaultControlFont.charset);
        HFONT font = ui::win32::Fonts::create(designs::defaultControlFont, 96, charset);
        HGDIOBJ before = SelectObject(dc, font);
        for (const designs::Control* command : {&designs::cmdReset, &designs::cmdFix, &designs::cmdUnFix}) {
            const std::wstring text = ui::win32::utf16(ui::catalogue::translated(command->caption.data(), language));
            const int count = static_cast<int>(text.size());
            SIZE size{};
            GetTextExtentPoint32W(dc, text.c_str(), count, &size);
            const ui::desktop::Rect button = ui::desktop::toPixels(*command, 96);
            const int margin = 2 * (GetSystemMetrics(SM_CXEDGE) + 1);
            const std::string tag(ui::catalogue::tagOf(language));
            EXPECT_LE(size.cx, button.width - margin) << tag << " " << command->caption;
            EXPECT_LE(size.cy, button.height - margin) << tag << " " << command->caption;
            std::vector<WORD> glyphs(text.size());
            GetGlyphIndicesW(dc, text.c_str(), count, glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
            EXPECT_EQ(std::count(glyphs.begin(), glyphs.end(), 0xFFFF), 0) << tag << " " << command->caption;
        }
        DeleteObject(SelectObject(dc, before));
    }
    ReleaseDC(nullptr, dc);
}

// As a screen reader's client library relies on COM's rules.
TEST_F(BoardWindowTest, TheBoardsObjectsKeepTheirIdentityAndRefuseBadQuestions)
{
    IAccessible* board = nullptr;
    ASSERT_EQ(
        AccessibleObjectFromWindow(probe.surface(), OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&board)),
        S_OK);
    IDispatch* cell[2] = {};
    for (IDispatch*& asked : cell)
        ASSERT_EQ(board->get_accChild(childId(41), &asked), S_OK);
    EXPECT_TRUE(same(cell[0], cell[1])) << "the same cell is the same object";
    for (IDispatch* asked : cell)
        asked->Release();
    VARIANT out;
    for (const auto ask : {&IAccessible::get_accRole, &IAccessible::get_accState}) {
        out.vt = VT_I4;
        EXPECT_EQ((board->*ask)(childId(5000), &out), E_INVALIDARG);
        EXPECT_EQ(out.vt, VT_EMPTY) << "left as it was";
    }
    EXPECT_EQ(board->get_accChildCount(nullptr), E_INVALIDARG);
    EXPECT_EQ(board->get_accName(childId(1), nullptr), E_INVALIDARG);
    EXPECT_EQ(board->get_accFocus(nullptr), E_INVALIDARG);
    EXPECT_EQ(board->accLocation(nullptr, nullptr, nullptr, nullptr, childId(1)), E_INVALIDARG);
    LONG left = 7, top = 7, width = 7, height = 7;
    EXPECT_EQ(board->accLocation(&left, &top, &width, &height, childId(5000)), E_INVALIDARG);
    EXPECT_EQ(std::tuple(left, top, width, height), std::tuple(0L, 0L, 0L, 0L)) << "every out-parameter written";
    left = top = width = 7;
    EXPECT_EQ(board->accLocation(&left, &top, &width, nullptr, childId(1)), E_INVALIDARG);
    EXPECT_EQ(std::tuple(left, top, width), std::tuple(0L, 0L, 0L)) << "every out-parameter given written";
    modOrvane::releaseBoard();
    BSTR name = nullptr;
    EXPECT_EQ(board->get_accName(childId(CHILDID_SELF), &name), RPC_E_DISCONNECTED) << "the window gone";
    board->Release();
}

// The dialog manager hands the board Escape while a candidate is held, even one
// the mouse was dragged off, and the release back over it then picks nothing.
TEST_F(BoardWindowTest, EscapeLetsGoOfACandidateHeldByTheMouse)
{
    const RECT area = BoardProbe::screenRect(probe.candidate(4, 4, digit5));
    POINT on{(area.left + area.right) / 2, (area.top + area.bottom) / 2}, off{area.right + 30, area.bottom + 30};
    ScreenToClient(probe.surface(), &on);
    ScreenToClient(probe.surface(), &off);
    SendMessageW(probe.surface(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(on.x, on.y));
    SendMessageW(probe.surface(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(off.x, off.y));
    ASSERT_EQ(GetCapture(), probe.surface());
    probe.pressKey(VK_ESCAPE);
    SendMessageW(probe.surface(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(on.x, on.y));
    SendMessageW(probe.surface(), WM_LBUTTONUP, 0, MAKELPARAM(on.x, on.y));
    pumpMessages();
    EXPECT_TRUE(BoardProbe::shown(probe.candidate(4, 4, 0)));
    EXPECT_TRUE(BoardProbe::enabled(probe.candidate(4, 3, digit5)));
}

// What the primitives put on the screen: a barred digit embossed in the 3-D
// highlight and shadow on its dark face, a fixed digit in the label's colour,
// and the focus rectangle just inside the focused candidate.
TEST_F(BoardWindowTest, BarredDigitsAreEmbossedFixedDigitsShowAndTheFocusIsFramed)
{
    const auto count = [](const std::vector<COLORREF>& pixels, COLORREF colour) {
        return std::count(pixels.begin(), pixels.end(), colour);
    };
    const auto frame = [this](Control candidate) { // the column of the frame's left side
        const std::vector<COLORREF> square = probe.pixels(candidate, 3);
        const LONG width = BoardProbe::screenRect(candidate).right - BoardProbe::screenRect(candidate).left - 6;
        int marked = 0;
        for (std::size_t n = 0; n < square.size(); n += static_cast<std::size_t>(width))
            marked += square[n] != resolve(SysColor::ButtonFace);
        return marked;
    };
    probe.pressKey(VK_TAB);
    EXPECT_GT(frame(probe.candidate(0, 0, 1)), 3);
    EXPECT_EQ(frame(probe.candidate(0, 0, 2)), 0);

    click(0, 0, digit5);
    const std::vector<COLORREF> barred = probe.pixels(probe.candidate(0, 1, digit5), 2);
    EXPECT_GT(count(barred, GetSysColor(COLOR_3DHILIGHT)), 5);
    EXPECT_GT(count(barred, GetSysColor(COLOR_3DSHADOW)), 5);

    probe.clickAt(probe.fix());
    EXPECT_GT(count(probe.pixels(probe.cell(0, 0), 0), resolve(designs::lblText)), 100);
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

    click(0, 0, 2); // hidden "3" of the picked cell: no pick of 3 anywhere
    EXPECT_TRUE(BoardProbe::enabled(probe.candidate(0, 1, 2)));
    EXPECT_TRUE(BoardProbe::shown(probe.candidate(0, 0, digit5)));

    click(0, 1, digit5); // barred "5" of a peer: cell 1 stays open
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
    EXPECT_EQ(BoardProbe::focus(), probe.candidate(8, 7, 8)) << "the cell to the left, on the same digit";
}

// A short game played with keys alone, typed on the keyboard: after every key
// the board shows what the reference model predicts and the focus is where the
// keys lead.
TEST_F(BoardWindowTest, AGameByKeysAlone)
{
    using support::PlayerAction;
    struct Step {
        WORD key;
        bool ctrl;
        Control focus;
        std::optional<PlayerAction> action{}; // what the key does, for the model
        bool shift = false;
    };
    const std::vector<Step> game{
        {'5', false, probe.candidate(0, 0, 4), PlayerAction::click({0, 0}, 4), true}, // with Shift, as "%"
        {VK_RIGHT, false, probe.candidate(0, 1, 0)}, // the 5 is barred there: the first free candidate
        {VK_END, false, probe.candidate(2, 2, 0)},
        {VK_NUMPAD7, false, probe.candidate(2, 2, 6), PlayerAction::click({0, 8}, 6)},
        {VK_DOWN, false, probe.candidate(2, 5, 0)},
        {VK_DELETE, false, probe.candidate(2, 5, 0)}, // no pick there: nothing
        {VK_UP, false, probe.candidate(2, 2, 6)},     // the 1 is hidden: the pick
        {VK_BACK, false, probe.candidate(2, 2, 6), PlayerAction::click({0, 8}, 6)},
        {VK_HOME, false, probe.candidate(0, 0, 4)},
        {VK_END, true, probe.candidate(8, 8, 8)},
        {VK_TAB, false, probe.reset()},
        {VK_TAB, false, probe.fix()},
        {VK_SPACE, false, probe.fix(), PlayerAction::fix()},
        {VK_TAB, false, probe.unFix()},
        {VK_TAB, false, probe.candidate(0, 1, 0)}, // the fixed cell is no tab stop
        {VK_LEFT, false, probe.label(0, 0)},
        {'4', false, probe.label(0, 0)},
        {VK_HOME, true, probe.candidate(0, 1, 0)},
        {VK_TAB, false, probe.candidate(0, 1, 1)},
        {VK_SPACE, false, probe.candidate(0, 1, 1), PlayerAction::click({0, 1}, 1)},
        {VK_END, true, probe.candidate(8, 8, 8)},
        {VK_TAB, false, probe.reset()},
        {VK_SPACE, false, probe.reset(), PlayerAction::reset()},
        {'1', true, probe.reset()}, // Ctrl+1 is not the board's, nor a command's
        // Undo and redo from a command leave the focus where it is.
        {'Z', true, probe.reset(), PlayerAction::undo()},
        {'Z', true, probe.reset(), PlayerAction::undo()},
        {'Z', true, probe.reset(), PlayerAction::undo()},
        {'Y', true, probe.reset(), PlayerAction::redo()},
        {VK_TAB, false, probe.fix()},
        {VK_TAB, false, probe.unFix()},
        {VK_TAB, false, probe.candidate(0, 1, 0)},
        // A cell's, from the board, takes the focus to the cell: the 1 is hidden there.
        {'Z', true, probe.candidate(0, 1, 1), PlayerAction::redo(), true},
    };
    support::ReferenceModel model(100);
    ASSERT_EQ(BoardProbe::focus(), probe.candidate(0, 0, 0));
    for (std::size_t n = 0; n < game.size(); ++n) {
        const Step& step = game[n];
        probe.typeKey(step.key, step.ctrl, step.shift);
        if (step.action)
            model.perform(*step.action);
        ASSERT_EQ(BoardProbe::focus(), step.focus) << "key " << n;
        // A move that clicked would show at the next key that may click; a
        // screen reader's reading of the whole board is slow under Wine.
        const WORD moves[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_HOME, VK_END, VK_TAB};
        if (std::ranges::find(moves, step.key) != std::end(moves))
            continue;
        ASSERT_TRUE(showsAsModel(model)) << "key " << n;
    }
}

// A puzzle as web sites print it: a grid with rules between the bands, Windows line ends.
const std::wstring puzzleGrid = L"53. |.7. |...\r\n6.. |195 |...\r\n.98 |... |.6.\r\n----+----+----\r\n"
                                L"8.. |.6. |..3\r\n4.. |8.3 |..1\r\n7.. |.2. |..6\r\n----+----+----\r\n"
                                L".6. |... |28.\r\n... |419 |..5\r\n... |.8. |.79\r\n";
const std::string puzzleLine = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
support::PlayerAction pastePuzzle() { return support::PlayerAction::paste(std::get<Puzzle>(readPuzzle(puzzleLine))); }

std::wstring textOf(HWND window)
{
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

// The clipboard's play that every build runs, through the real clipboard and the
// keys: a paste gives the board the focus on its first free candidate; a bad one
// says why in a box under the window's caption, in the user's language
// (win32_german), and changes nothing.
TEST_F(BoardWindowTest, ThePlayThroughTheClipboardThatEveryBuildPlays)
{
    const char* language = std::getenv("ORVANE_TEST_LANGUAGE");
    support::ReferenceModel model(100);
    for (const support::ClipboardStep& step :
         support::clipboardPlay(ORVANE_CLIPBOARD_PLAY, language ? language : "en")) {
        if (step.clipboard)
            setClipboardText(ui::win32::utf16(*step.clipboard));
        const std::map<std::string, std::array<WORD, 3>> keys{{"5", {'5', 0, 0}},
                                                              {"Ctrl+V", {'V', 1, 0}},
                                                              {"Ctrl+Z", {'Z', 1, 0}},
                                                              {"Ctrl+C", {'C', 1, 0}},
                                                              {"Shift+Insert", {VK_INSERT, 0, 1}}};
        const std::array<WORD, 3> key = step.key == "click" ? std::array<WORD, 3>{} : keys.at(step.key);
        std::wstring title, told;
        HWND owner = nullptr;
        {
            const WindowWatch box(probe.board(), L"#32770", [&](HWND dialog) {
                title = textOf(dialog);
                told = textOf(GetDlgItem(dialog, 0xFFFF));
                owner = GetWindow(dialog, GW_OWNER);
                sendKeys({VK_ESCAPE});
            });
            if (step.key == "click")
                click(ui::boxCellOf(step.action->pos).box, ui::boxCellOf(step.action->pos).cell,
                      step.action->candidate);
            else
                probe.typeKey(key[0], key[1] != 0, key[2] != 0);
            EXPECT_EQ(box.seen(), step.told.has_value()) << step.key;
        }
        if (step.action)
            model.perform(*step.action);
        ASSERT_TRUE(showsAsModel(model)) << step.key;
        if (step.focus) {
            const ui::BoxCell at = ui::boxCellOf(step.focus->place);
            EXPECT_EQ(BoardProbe::focus(), probe.candidate(at.box, at.cell, step.focus->candidate));
        }
        if (step.copied) {
            std::wstring windowsLines;
            for (const wchar_t c : ui::win32::utf16(*step.copied))
                windowsLines += c == L'\n' ? L"\r\n" : std::wstring(1, c);
            EXPECT_EQ(clipboardText(), windowsLines);
        }
        if (step.told) {
            EXPECT_EQ(title, L"Form2");
            EXPECT_EQ(told, ui::win32::utf16(*step.told));
            EXPECT_EQ(owner, probe.board());
        }
    }
}

// Another program's window that holds the clipboard open for `ms` milliseconds,
// as a clipboard manager does, from a thread of its own.
class ClipboardHeld {
public:
    explicit ClipboardHeld(DWORD ms)
        : ms_(ms),
          opened_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          thread_(CreateThread(nullptr, 0, &hold, this, 0, nullptr))
    {
        WaitForSingleObject(opened_, 5000);
    }
    ~ClipboardHeld()
    {
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        CloseHandle(opened_);
    }
    ClipboardHeld(const ClipboardHeld&) = delete;
    ClipboardHeld& operator=(const ClipboardHeld&) = delete;

private:
    static DWORD WINAPI hold(void* self)
    {
        const auto& held = *static_cast<ClipboardHeld*>(self);
        HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        OpenClipboard(window);
        SetEvent(held.opened_);
        Sleep(held.ms_);
        CloseClipboard();
        DestroyWindow(window);
        return 0;
    }

    DWORD ms_;
    HANDLE opened_;
    HANDLE thread_;
};

// A paste waits a moment for a clipboard that another program holds open; held
// for longer, the menu still offers Paste, and a paste says the clipboard is busy
// and changes nothing.
TEST_F(BoardWindowTest, APasteWaitsForAClipboardAnotherProgramHoldsForAMoment)
{
    support::ReferenceModel model(100);
    setClipboardText(puzzleGrid);
    {
        const ClipboardHeld held(200);
        const WindowWatch box(probe.board(), L"#32770", [](HWND) { sendKeys({VK_ESCAPE}); });
        probe.typeKey('V', true);
        EXPECT_FALSE(box.seen()) << "a box for a clipboard held a moment";
    }
    model.perform(pastePuzzle());
    ASSERT_TRUE(showsAsModel(model));
    probe.typeKey('Z', true);
    model.perform(support::PlayerAction::undo());

    const ClipboardHeld held(5000);
    bool pasteOffered = false;
    {
        const WindowWatch menu(probe.board(), L"#32768", [&](HWND popup) {
            const auto shown = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
            pasteOffered = !(GetMenuState(shown, 3, MF_BYPOSITION) & MF_GRAYED);
            sendKeys({VK_ESCAPE});
        });
        probe.typeKey(VK_F10, false, true);
        EXPECT_TRUE(menu.seen());
    }
    EXPECT_TRUE(pasteOffered);
    std::wstring told;
    {
        const WindowWatch box(probe.board(), L"#32770", [&](HWND dialog) {
            told = textOf(GetDlgItem(dialog, 0xFFFF));
            sendKeys({VK_ESCAPE});
        });
        probe.typeKey('V', true);
        EXPECT_TRUE(box.seen());
    }
    EXPECT_EQ(told, L"The clipboard is in use by another program; try again");
    EXPECT_TRUE(showsAsModel(model));
}

// Shift+F10 opens the menu beneath the focused candidate; each entry shows its
// keys and is grayed while it has nothing to do.
TEST_F(BoardWindowTest, ShiftF10OpensTheBoardsMenuAndItsPastePastes)
{
    support::ReferenceModel model(100);
    probe.typeKey('5');
    model.perform(support::PlayerAction::click({0, 0}, digit5));
    setClipboardText(puzzleGrid);
    std::vector<std::pair<std::wstring, bool>> entries;
    RECT place{};
    {
        const WindowWatch menu(probe.board(), L"#32768", [&](HWND popup) {
            GetWindowRect(popup, &place);
            const auto shown = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
            for (int n = 0; n < GetMenuItemCount(shown); ++n) {
                wchar_t caption[64] = {};
                GetMenuStringW(shown, static_cast<UINT>(n), caption, 64, MF_BYPOSITION);
                entries.emplace_back(caption,
                                     (GetMenuState(shown, static_cast<UINT>(n), MF_BYPOSITION) & MF_GRAYED) != 0);
            }
            // The last entry; Escape closes the menu should it stay open.
            sendKeys({VK_UP, VK_RETURN, VK_ESCAPE});
        });
        probe.typeKey(VK_F10, false, true);
        EXPECT_TRUE(menu.seen());
    }
    // In German too (win32_german), the keys as German programs name them.
    const bool german = PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_GERMAN;
    const std::vector<std::pair<std::wstring, bool>> expected{
        {german ? L"R\u00fcckg\u00e4ngig\tStrg+Z" : L"Undo\tCtrl+Z", false},
        {german ? L"Wiederherstellen\tStrg+Umschalt+Z" : L"Redo\tCtrl+Shift+Z", true},
        {german ? L"Kopieren\tStrg+C" : L"Copy\tCtrl+C", false},
        {german ? L"Einf\u00fcgen\tStrg+V" : L"Paste\tCtrl+V", false}};
    EXPECT_EQ(entries, expected);
    const RECT focus = BoardProbe::screenRect(probe.candidate(0, 0, digit5));
    EXPECT_EQ(std::pair(place.left, place.top), std::pair(focus.left, focus.bottom));
    model.perform(pastePuzzle());
    EXPECT_TRUE(showsAsModel(model));
}

TEST_F(BoardWindowTest, SpacePicksTheFocusedCandidateAndTabPassesOverBarredOnes)
{
    probe.pressKey(VK_SPACE); // "1" of box 0, cell 0
    EXPECT_FALSE(BoardProbe::shown(probe.candidate(0, 0, 1)));
    EXPECT_FALSE(BoardProbe::enabled(probe.candidate(0, 1, 0)));

    probe.pressKey(VK_TAB); // past the hidden rest of cell 0 and the barred "1" of cell 1
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
    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                                 nullptr);
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
                EXPECT_FALSE(heard & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE))
                    << "box " << b << " cell " << k;
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

using Tree = ui::desktop::AccessibilityTree;
using ui::desktop::Part;

// Walked as a screen reader walks the table, every node answers through oleacc
// what the board's tree says of it: the board, its 81 cells and their 810 parts.
TEST(ScreenReaderTest, HearsFromEveryNodeWhatTheBoardsTreeSays)
{
    using ui::win32::Win32BoardWindow;
    ui::win32::Win32Platform platform{GetModuleHandleW(nullptr)}; // registers the window classes
    // The program's start, handed a window made here so that the test reaches its board.
    struct Made final : ui::Platform {
        std::unique_ptr<Win32BoardWindow> window =
            std::make_unique<Win32BoardWindow>(GetModuleHandleW(nullptr), Win32BoardWindow::Icons{});
        std::unique_ptr<ui::BoardWindow> createBoardWindow() override { return std::move(window); }
    } made;
    Win32BoardWindow& window = *made.window;
    modOrvane::Main(made);
    const struct Release {
        ~Release() { modOrvane::releaseBoard(); }
    } release;
    BoardProbe probe(window.window());
    for (const Control pressed : {probe.candidate(4, 4, digit5), probe.fix(), probe.candidate(0, 0, 0)})
        probe.clickAt(pressed);
    Tree tree(window.surface().board(), window.surface());
    static constexpr LONG roles[] = {ROLE_SYSTEM_TABLE, ROLE_SYSTEM_CELL, ROLE_SYSTEM_PUSHBUTTON,
                                     ROLE_SYSTEM_STATICTEXT};
    const auto text = [](IAccessible* object, LONG child, auto ask) {
        BSTR got = nullptr;
        (object->*ask)(childId(child), &got);
        const std::wstring result = got ? got : L"";
        SysFreeString(got);
        return std::string(result.begin(), result.end());
    };
    // A node is an object's own (CHILDID_SELF) or one of its simple elements.
    const std::function<void(IAccessible*, LONG, Part)> expectHeard = [&](IAccessible* object, LONG child, Part node) {
        const std::string at = tree.name(node);
        const Tree::States is = tree.states(node);
        VARIANT state;
        object->get_accState(childId(child), &state);
        EXPECT_EQ(state.lVal, is.invisible * STATE_SYSTEM_INVISIBLE | is.unavailable * STATE_SYSTEM_UNAVAILABLE |
                                  is.focusable * STATE_SYSTEM_FOCUSABLE | is.focused * STATE_SYSTEM_FOCUSED |
                                  is.pressed * STATE_SYSTEM_PRESSED)
            << at;
        EXPECT_EQ(roleOf(object, child), roles[static_cast<int>(Tree::role(node))]) << at;
        EXPECT_EQ(text(object, child, &IAccessible::get_accName), tree.name(node)) << at;
        EXPECT_EQ(text(object, child, &IAccessible::get_accDescription), Tree::description(node)) << at;
        EXPECT_EQ(text(object, child, &IAccessible::get_accDefaultAction), Tree::action(node)) << at;
        LONG left = 0, top = 0, width = 0, height = 0, count = 0;
        object->accLocation(&left, &top, &width, &height, childId(child));
        EXPECT_EQ((ui::desktop::Rect{left, top, width, height}), tree.bounds(node)) << at;
        if (child == CHILDID_SELF)
            object->get_accChildCount(&count);
        ASSERT_EQ(count, Tree::childCount(node)) << at;
        for (LONG n = 1; n <= count; ++n) {
            const Part inside = Tree::child(node, n - 1).value();
            const ui::desktop::Rect place = tree.bounds(inside);
            const std::optional<Part> under = tree.childAt(node, {place.left + 1, place.top + 1});
            VARIANT hit;
            object->accHitTest(place.left + 1, place.top + 1, &hit);
            IDispatch* found = nullptr;
            if (object->get_accChild(childId(n), &found) == S_OK) {
                IAccessible* own = nullptr;
                found->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&own));
                EXPECT_TRUE(hit.vt == VT_DISPATCH && same(hit.pdispVal, own) && under == inside) << at;
                IDispatch* parent = nullptr;
                own->get_accParent(&parent);
                EXPECT_TRUE(same(parent, object)) << at;
                expectHeard(own, CHILDID_SELF, inside);
                for (IUnknown* done : std::initializer_list<IUnknown*>{found, own, parent})
                    done->Release();
            } else {
                EXPECT_EQ(hit.lVal, under ? Tree::indexInParent(*under) + 1 : CHILDID_SELF) << at;
                expectHeard(object, n, inside);
            }
            VariantClear(&hit);
            object->accNavigate(NAVDIR_NEXT, childId(n), &hit);
            EXPECT_EQ(hit.vt == VT_EMPTY, n == count) << at << " after child " << n;
            VariantClear(&hit);
        }
    };
    IAccessible* board = accessibleOf(probe.surface());
    expectHeard(board, CHILDID_SELF, {});
    board->Release();
    const auto [object, child] = ui::win32::MsaaObject::eventIds(tree.focus().value());
    EXPECT_EQ(BoardProbe::focus(), (Control{probe.surface(), object, child}));
}

// ---- layout at 96 dpi, against the stored designs (15 twips a pixel) ----

// A control's place in the board window's inner area.
RECT rectInBoard(const BoardProbe& probe, Control control)
{
    RECT area = BoardProbe::screenRect(control);
    if (control == Control{control.window})
        GetWindowRect(control.window, &area);
    MapWindowPoints(HWND_DESKTOP, probe.board(), reinterpret_cast<POINT*>(&area), 2);
    return area;
}

// Where the designs put a control whose parents' corners are at `x`, `y`.
void expectAt(const BoardProbe& probe, Control control, int x, int y, const designs::Control& design,
              const std::string& what)
{
    const RECT area = rectInBoard(probe, control);
    EXPECT_EQ(area.left, x + design.left / 15) << what;
    EXPECT_EQ(area.top, y + design.top / 15) << what;
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

// The board surface and three commands: boxes, cells and candidates are drawn.
TEST_F(BoardWindowTest, TheBoardIsFourWindows)
{
    int windows = 0;
    EnumChildWindows(probe.board(), countWindow, reinterpret_cast<LPARAM>(&windows));
    EXPECT_EQ(windows, 4);
}

TEST_F(BoardWindowTest, EveryControlSitsWhereTheDesignsPutIt)
{
    ASSERT_EQ(ui::win32::windowDpi(probe.board()), 96);
    expectAt(probe, probe.reset(), 0, 0, designs::cmdReset, "Reset");
    expectAt(probe, probe.fix(), 0, 0, designs::cmdFix, "Fix");
    expectAt(probe, probe.unFix(), 0, 0, designs::cmdUnFix, "Un-Fix");
    for (int b = 0; b < 9; ++b) {
        const designs::Control& box = designs::usrcntGrid.at(b);
        for (int k = 0; k < 9; ++k) {
            const std::string cell = "box " + std::to_string(b) + " cell " + std::to_string(k);
            expectAt(probe, probe.cell(b, k), box.left / 15, box.top / 15, designs::usrcntSquare.at(k), cell);
            const RECT at = rectInBoard(probe, probe.cell(b, k));
            expectAt(probe, probe.label(b, k), at.left, at.top, designs::lbl, cell + " label");
            for (int i = 0; i < 9; ++i)
                expectAt(probe, probe.candidate(b, k, i), at.left, at.top, designs::btnBlock.at(i),
                         cell + " button " + std::to_string(i));
        }
    }
    // The corners that the board's look depends on, in pixels.
    const RECT surface = rectInBoard(probe, {probe.surface()}), board{0, 0, 581, 581};
    EXPECT_TRUE(EqualRect(&surface, &board));
    EXPECT_EQ(rectInBoard(probe, probe.cell(5, 3)).left, 392);
    EXPECT_EQ(rectInBoard(probe, probe.cell(5, 0)).top, 196);
    EXPECT_EQ(rectInBoard(probe, probe.cell(0, 8)).right, 189);
    EXPECT_EQ(rectInBoard(probe, probe.candidate(0, 0, 8)).right, 60);
    EXPECT_EQ(rectInBoard(probe, probe.unFix()).right, 649);
}

TEST_F(BoardWindowTest, CaptionsUseTheDefaultControlFontAndDigitsTheLargeBoldOne)
{
    for (HWND control : {probe.surface(), probe.fix().window}) {
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

} // namespace
