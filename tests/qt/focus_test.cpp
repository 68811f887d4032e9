#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <clocale>
#include <map>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

#include "ShownBoardTest.h"
#include "app/PuzzleText.h"
#include "support/ClipboardPlay.h"
#include "support/ReferenceModel.h"

// A focus stop is a command's widget, or the surface and the candidate it holds
// the focus for.
class FocusTest : public ShownBoardTest {
protected:
    using Stop = std::pair<const QWidget*, ui::desktop::Part>;

    Stop focused()
    {
        QWidget* widget = QApplication::focusWidget();
        return {widget, widget == &view_->surface() ? view_->surface().board().focus() : ui::desktop::Part{}};
    }
    Stop stop(int b, int k, int i) { return {&view_->surface(), button(b, k, i).part}; }
    static Stop stop(const QWidget& command) { return {&command, {}}; }

    // A menu or box that the test does not answer waits for the player for ever:
    // after 5 s Escape closes it, and the test fails, saying what it waited for.
    static void giveUpOn(const QElapsedTimer& waited, const char* what)
    {
        QWidget* open = QApplication::activePopupWidget();
        open = open ? open : QApplication::activeModalWidget();
        if (open && waited.hasExpired(5000)) {
            ADD_FAILURE() << "waited 5 s for " << what << " while another window held the input";
            QTest::keyClick(open, Qt::Key_Escape);
        }
    }

    // Shift+F10 opens the board's menu: its entries with their keys, each marked
    // while not offered, and then `choose` typed in it.
    QString menu(std::initializer_list<Qt::Key> choose)
    {
        QStringList offered;
        QTimer chooser;
        QElapsedTimer waited;
        waited.start();
        QObject::connect(&chooser, &QTimer::timeout, [&offered, &chooser, &waited, choose] {
            giveUpOn(waited, "the board's menu");
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (const QAction* action : menu->actions())
                    offered << action->text() + (action->isEnabled() ? "" : " (not offered)");
                chooser.stop();
                for (const Qt::Key key : choose)
                    QTest::keyClick(menu, key);
            }
        });
        chooser.start(10);
        press(Qt::Key_F10, Qt::ShiftModifier);
        // A window system gives the window back its activation once the menu has
        // closed, as the offscreen platform does only when asked; until then the
        // window's keys reach nothing.
        window().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window())) << "the window after its menu closed";
        return offered.join(", ");
    }

    void playTheClipboard(const std::string& language)
    {
        const std::map<std::string, std::pair<Qt::Key, Qt::KeyboardModifiers>> keys{
            {"Ctrl+V", {Qt::Key_V, Qt::ControlModifier}},
            {"Ctrl+Z", {Qt::Key_Z, Qt::ControlModifier}},
            {"Ctrl+C", {Qt::Key_C, Qt::ControlModifier}},
            {"Shift+Insert", {Qt::Key_Insert, Qt::ShiftModifier}}};
        QClipboard& clipboard = *QGuiApplication::clipboard();
        support::ReferenceModel model(100);
        for (const support::ClipboardStep& step : support::clipboardPlay(ORVANE_CLIPBOARD_PLAY, language)) {
            if (step.clipboard)
                clipboard.setText(QString::fromStdString(*step.clipboard));
            QString told;
            QTimer closer; // a box waits for the player: it is read, then closed by Escape
            QElapsedTimer waited;
            waited.start();
            QObject::connect(&closer, &QTimer::timeout, [&told, &waited] {
                giveUpOn(waited, "a message box");
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    told = box->windowTitle() + ": " + box->text();
                    QTest::keyClick(box, Qt::Key_Escape);
                }
            });
            closer.start(10);
            if (step.key == "click") {
                const ui::BoxCell place = ui::boxCellOf(step.action->pos);
                click(button(place.box, place.cell, step.action->candidate));
            } else {
                press(keys.at(step.key).first, keys.at(step.key).second);
            }
            if (step.action)
                model.perform(*step.action);
            EXPECT_EQ(
                support::describeDifferences(support::asSeen(model.visibleState()), support::asSeen(shownByWidgets())),
                "")
                << step.key;
            if (step.focus) {
                const ui::BoxCell place = ui::boxCellOf(step.focus->place);
                EXPECT_EQ(focused(), stop(place.box, place.cell, step.focus->candidate)) << step.key;
            }
            if (step.copied) {
                EXPECT_EQ(clipboard.text().toStdString(), *step.copied);
            }
            EXPECT_EQ(told.toStdString(), step.told ? "Form2: " + *step.told : "") << step.key;
        }
    }
};

// Qt's keys reach the board, and at its end Tab goes on to the commands and round.
TEST_F(FocusTest, TabWalksTheBoardThenResetFixUnFixAndRoundAgainAndShiftTabComesBack)
{
    ASSERT_EQ(focused(), stop(0, 0, 0));
    button(8, 8, 8).setFocus();
    for (const Stop& next :
         {stop(view_->resetButton()), stop(view_->fixButton()), stop(view_->unFixButton()), stop(0, 0, 0)}) {
        press(Qt::Key_Tab);
        ASSERT_EQ(focused(), next);
    }
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), stop(8, 8, 8));
}

TEST_F(FocusTest, SpaceClicksTheFocusedButton)
{
    press(Qt::Key_Space);
    EXPECT_TRUE(button(0, 0, 1).isHidden()) << "Space picked \"1\", which hides \"2\"";
    EXPECT_EQ(focused(), stop(0, 0, 0));
    press(Qt::Key_Space);
    EXPECT_TRUE(button(0, 0, 1).isVisible()) << "and taken back";
}

TEST_F(FocusTest, TheFocusedCandidateShowsADottedFrame)
{
    // The frame runs 3 pixels inside the edge; an unfocused button shows its face there.
    const auto framePixels = [this](const Candidate& candidate) {
        const QImage image = shot();
        int n = 0;
        for (int x = 3; x <= 16; ++x)
            n += pixel(image, inWindow(candidate, {x, 3})) == role(QPalette::ButtonText) ? 1 : 0;
        return n;
    };
    EXPECT_GT(framePixels(button(0, 0, 0)), 3);
    EXPECT_EQ(framePixels(button(0, 0, 3)), 0);
    press(Qt::Key_Tab);
    EXPECT_EQ(framePixels(button(0, 0, 0)), 0);
}

// Keys still reach a window that is not active, as a test tool's do on a display
// with no window manager, though the board gets no focus events.
TEST_F(FocusTest, KeysInAnInactiveWindowStillMoveTheFocusAndPick)
{
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    for (int n = 0; n < 4; ++n) // Un-Fix, Fix, Reset, then the last candidate
        press(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(window().focusWidget(), &view_->surface());
    EXPECT_EQ(view_->surface().board().focus(), button(8, 8, 8).part);
    press(Qt::Key_Space);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    press(Qt::Key_Space);
    EXPECT_TRUE(button(8, 7, 0).isHidden()) << "Shift+Tab led past the barred 9 to the 8, which Space picked";
}

// A digit key picks whatever the layout types there and with Shift held: the
// top row's keys come by their X key codes (10 for the 1), the keypad's by what
// they type.
TEST_F(FocusTest, DigitKeysPickWithShiftOnTheFrenchLayoutAndOnTheKeypad)
{
    const auto type = [this](Qt::Key key, Qt::KeyboardModifiers modifiers, quint32 code, const QString& text) {
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, key, modifiers, code, 0, 0, text);
            QApplication::sendEvent(window().focusWidget(), &event);
        }
    };
    type(Qt::Key_Exclam, Qt::ShiftModifier, 10, "!");
    EXPECT_TRUE(button(0, 0, 0).isVisible() && button(0, 0, 1).isHidden()) << "Shift+1 picked the 1";
    press(Qt::Key_Right);
    type(Qt::Key_Eacute, Qt::NoModifier, 11, QString::fromUtf8("\u00e9"));
    EXPECT_TRUE(button(0, 1, 1).isVisible() && button(0, 1, 2).isHidden()) << "the French \"\u00e9\" picked the 2";
    press(Qt::Key_Right);
    type(Qt::Key_3, Qt::KeypadModifier, 89, "3");
    EXPECT_TRUE(button(0, 2, 2).isVisible() && button(0, 2, 3).isHidden()) << "the keypad's 3 picked the 3";
}

// The clipboard's play that every build runs, through the real clipboard and the
// keys: a paste gives the board the focus on its first free candidate; a bad one
// is told in the platform's message box under the window's caption, in the
// player's language, and changes nothing. The C locale has no other language;
// C.UTF-8 follows LANGUAGE.
TEST_F(FocusTest, ThePlayThroughTheClipboardThatEveryBuildPlays) { playTheClipboard("en"); }

TEST_F(FocusTest, ThePlayThroughTheClipboardInGerman)
{
    const std::string locale = std::setlocale(LC_MESSAGES, nullptr);
    qputenv("LANGUAGE", "de");
    std::setlocale(LC_MESSAGES, "C.UTF-8");
    playTheClipboard("de");
    qunsetenv("LANGUAGE");
    std::setlocale(LC_MESSAGES, locale.c_str());
}

// The menu in the player's words, its keys too, as a German desktop names them;
// Copy is offered on an empty board, as Ctrl+C copies it. The C locale has no
// other language; C.UTF-8 follows LANGUAGE.
TEST_F(FocusTest, TheMenuSpeaksThePlayersLanguageAndOffersCopyAsCtrlCCopies)
{
    QGuiApplication::clipboard()->setText("53..7");
    const std::string locale = std::setlocale(LC_MESSAGES, nullptr);
    qputenv("LANGUAGE", "de");
    std::setlocale(LC_MESSAGES, "C.UTF-8");
    const QString shown = menu({Qt::Key_Escape});
    qunsetenv("LANGUAGE");
    std::setlocale(LC_MESSAGES, locale.c_str());
    EXPECT_EQ(shown.toStdString(), "R\u00fcckg\u00e4ngig\tStrg+Z (not offered), Wiederherstellen\tStrg+Umschalt+Z (not "
                                   "offered), Kopieren\tStrg+C, Einf\u00fcgen\tStrg+V");
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), std::string(81, '.') + "\n");
}

// A short game played with keys alone, through Qt's key events: after every key
// the board shows what the reference model predicts and the focus is where the
// keys lead.
TEST_F(FocusTest, AGameByKeysAlone)
{
    using support::PlayerAction;
    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        Stop focus;
        std::optional<PlayerAction> action{}; // what the key does, for the model
    };
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Stop r1c1Label{&view_->surface(), {0, ui::desktop::Part::label}};
    const std::vector<Step> game{
        {Qt::Key_5, {}, stop(0, 0, 4), PlayerAction::click({0, 0}, 4)},
        {Qt::Key_Right, {}, stop(0, 1, 0)}, // the 5 is barred there: the first free candidate
        {Qt::Key_End, {}, stop(2, 2, 0)},
        {Qt::Key_7, {}, stop(2, 2, 6), PlayerAction::click({0, 8}, 6)},
        {Qt::Key_Down, {}, stop(2, 5, 0)},
        {Qt::Key_Delete, {}, stop(2, 5, 0)}, // no pick there: nothing
        {Qt::Key_Up, {}, stop(2, 2, 6)},     // the 1 is hidden: the pick
        {Qt::Key_Backspace, {}, stop(2, 2, 6), PlayerAction::click({0, 8}, 6)},
        {Qt::Key_Home, {}, stop(0, 0, 4)},
        {Qt::Key_End, ctrl, stop(8, 8, 8)},
        {Qt::Key_Tab, {}, stop(view_->resetButton())},
        {Qt::Key_Tab, {}, stop(view_->fixButton())},
        {Qt::Key_Space, {}, stop(view_->fixButton()), PlayerAction::fix()},
        {Qt::Key_Tab, {}, stop(view_->unFixButton())},
        {Qt::Key_Tab, {}, stop(0, 1, 0)}, // the fixed cell is no tab stop
        {Qt::Key_Left, {}, r1c1Label},
        {Qt::Key_4, {}, r1c1Label},
        {Qt::Key_Tab, {}, stop(0, 1, 0)},
        {Qt::Key_Backtab, Qt::ShiftModifier, stop(view_->unFixButton())},
        {Qt::Key_Space, {}, stop(view_->unFixButton()), PlayerAction::unFix()},
        {Qt::Key_Backtab, Qt::ShiftModifier, stop(view_->fixButton())},
        {Qt::Key_Backtab, Qt::ShiftModifier, stop(view_->resetButton())},
        {Qt::Key_Space, {}, stop(view_->resetButton()), PlayerAction::reset()},
        {Qt::Key_Home, ctrl, stop(view_->resetButton())}, // not the board's while a command has it
        // Undo and redo: a command's leaves the focus where it is.
        {Qt::Key_Z, ctrl, stop(view_->resetButton()), PlayerAction::undo()},
        {Qt::Key_Z, ctrl, stop(view_->resetButton()), PlayerAction::undo()},
        {Qt::Key_Z, ctrl, stop(view_->resetButton()), PlayerAction::undo()},
        {Qt::Key_Z, ctrl | Qt::ShiftModifier, stop(view_->resetButton()), PlayerAction::redo()},
        {Qt::Key_Tab, {}, stop(view_->fixButton())},
        {Qt::Key_Tab, {}, stop(view_->unFixButton())},
        {Qt::Key_Tab, {}, stop(0, 1, 0)},
        {Qt::Key_Z, ctrl, stop(0, 1, 0), PlayerAction::undo()},
        // A cell's, from the board, takes the focus to the cell: the 1 is hidden there.
        {Qt::Key_Z, ctrl, stop(2, 2, 6), PlayerAction::undo()},
        {Qt::Key_Z, ctrl | Qt::ShiftModifier, stop(2, 2, 6), PlayerAction::redo()},
        {Qt::Key_Z, ctrl, stop(2, 2, 6), PlayerAction::undo()},
        {Qt::Key_Y, ctrl, stop(2, 2, 6), PlayerAction::redo()},
    };
    support::ReferenceModel model(100);
    ASSERT_EQ(focused(), stop(0, 0, 0));
    for (std::size_t n = 0; n < game.size(); ++n) {
        const Step& step = game[n];
        press(step.key, step.modifiers);
        if (step.action)
            model.perform(*step.action);
        const auto seen = [](const support::BoardState& state) { return support::asSeen(state); };
        ASSERT_EQ(support::describeDifferences(seen(model.visibleState()), seen(shownByWidgets())), "") << "key " << n;
        ASSERT_EQ(focused(), step.focus) << "key " << n;
    }
}
