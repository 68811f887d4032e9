// What the player feels on the real Qt widgets: a click on a candidate button
// until the board has repainted, and building and showing the window with all its
// controls up to its first painted frame. Each has a floor beside it that does
// the least of the same work with plain Qt widgets, so that scripts/bench judges
// the board by its ratio to the floor, which holds on any machine. Runs on the
// offscreen platform unless another is chosen, so it needs no display; painting
// still goes through the widgets' backing store exactly as on screen.
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QEvent>
#include <QPainter>
#include <QTest>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

#include "app/modOrvane.h"
#include "tests/qt/PaintLog.h"
#include "ui/qt/QtBoardWindow.h"

namespace {

// Lets Qt deliver what is pending (the update requests that paint into the
// backing store and flush it) until at least one more widget has painted.
void waitForPaintAfter(const PaintLog& paints, long long before)
{
    while (paints.total() == before)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// The Qt platform that also hands out the window it made, so that the benchmark
// can find the widgets behind the board.
class KeepingQtPlatform final : public ui::Platform {
public:
    std::unique_ptr<ui::BoardWindow> createBoardWindow() override
    {
        auto made = std::make_unique<ui::qt::QtBoardWindow>();
        window_ = made.get();
        return made;
    }
    ui::qt::QtBoardWindow& window() { return *window_; }

    // Main as the program calls it, until the board window is on the screen;
    // false, with the benchmark marked failed, if it never gets there.
    bool start(benchmark::State& state)
    {
        modOrvane::Main(*this);
        if (QTest::qWaitForWindowExposed(&window().widget()))
            return true;
        state.SkipWithError("the board window was never exposed");
        return false;
    }

private:
    ui::qt::QtBoardWindow* window_ = nullptr;
};

// A click and the repaint it causes, apart so that callgrind can count it alone
// (--toggle-collect='*clickUntilPainted*').
[[gnu::noinline]] void clickUntilPainted(QWidget& surface, QPoint at, PaintLog& paints)
{
    const long long before = paints.total();
    QTest::mouseClick(&surface, Qt::LeftButton, {}, at);
    waitForPaintAfter(paints, before);
}

// One click on the centre cell's "5", alternately a pick (which bars 5 in twenty
// cells and hides eight buttons of its own) and its take-back. The click goes in
// through the window system, so Qt finds the cell under the pointer, and the
// time runs until the board has painted what it changed into the backing store.
void BM_QtClick(benchmark::State& state)
{
    KeepingQtPlatform platform;
    if (!platform.start(state))
        return;
    ui::qt::BoardSurface& surface = platform.window().surface();
    const ui::desktop::Rect square = surface.board().placeOf({4 * 9 + 4, 4});
    const QPoint five(square.left + square.width / 2, square.top + square.height / 2);
    PaintLog paints;
    QCoreApplication::processEvents();

    const long long paintsBefore = paints.total();
    for (auto _ : state)
        clickUntilPainted(surface, five, paints);
    state.counters["paints"] =
        benchmark::Counter(static_cast<double>(paints.total() - paintsBefore), benchmark::Counter::kAvgIterations);
    modOrvane::releaseBoard();
}
BENCHMARK(BM_QtClick)->Unit(benchmark::kMicrosecond);

// "Reset" of a finished game (81 picks, all frozen) and its undo by the undo
// key, each timed alone from its press until the board has painted: the undo is
// held against "Reset" itself. Every round undoes the "Reset" it made. So is a
// paste of a puzzle of 30 givens onto that board by Ctrl+V, undone in turn.
enum class Timed { Reset, ItsUndo, Paste };
void timedOnAFinishedGame(benchmark::State& state, Timed timed)
{
    KeepingQtPlatform platform;
    if (!platform.start(state))
        return;
    QWidget& window = platform.window().widget();
    History& history = *modOrvane::history();
    for (int row = 0; row < 9; ++row)
        for (int column = 0; column < 9; ++column)
            history.click(ui::RowColumn{row, column}, static_cast<std::int16_t>((row * 3 + row / 3 + column) % 9));
    history.fix();
    PaintLog paints;
    QCoreApplication::processEvents();
    long long paintsTimed = 0;
    const auto untilPainted = [&paints](auto press) {
        const long long before = paints.total();
        QElapsedTimer clock;
        clock.start();
        press();
        waitForPaintAfter(paints, before);
        return std::pair(clock.nsecsElapsed() / 1e9, paints.total() - before);
    };
    const auto action = [&] {
        if (timed == Timed::Paste)
            QTest::keyClick(window.windowHandle(), Qt::Key_V, Qt::ControlModifier);
        else
            QTest::mouseClick(&platform.window().resetButton(), Qt::LeftButton);
    };
    const auto undo = [&] { QTest::keyClick(window.windowHandle(), Qt::Key_Z, Qt::ControlModifier); };
    QGuiApplication::clipboard()->setText(
        "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");
    for (auto _ : state) {
        const auto [actionTime, actionPaints] = untilPainted(action);
        const auto [undoTime, undoPaints] = untilPainted(undo);
        state.SetIterationTime(timed == Timed::ItsUndo ? undoTime : actionTime);
        paintsTimed += timed == Timed::ItsUndo ? undoPaints : actionPaints;
    }
    state.counters["paints"] = benchmark::Counter(static_cast<double>(paintsTimed), benchmark::Counter::kAvgIterations);
    modOrvane::releaseBoard();
}
void BM_QtResetFinishedGame(benchmark::State& state) { timedOnAFinishedGame(state, Timed::Reset); }
void BM_QtUndoResetFinishedGame(benchmark::State& state) { timedOnAFinishedGame(state, Timed::ItsUndo); }
void BM_QtPasteOnFinishedGame(benchmark::State& state) { timedOnAFinishedGame(state, Timed::Paste); }
BENCHMARK(BM_QtResetFinishedGame)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QtUndoResetFinishedGame)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QtPasteOnFinishedGame)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Everything from Main to the first painted frame, apart for callgrind as above.
[[gnu::noinline]] ui::qt::QtBoardWindow& showUntilPainted(KeepingQtPlatform& platform)
{
    modOrvane::Main(platform);
    QWidget& window = platform.window().widget();
    PaintLog paints;
    while (paints.paints(window) == 0)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    return platform.window();
}

// The program's own case: the first window of the process, which also finds the
// fonts and brings up the style. Only a fresh process has one, so every run of
// this measures one window; scripts/bench starts the program several times.
void BM_QtFirstWindow(benchmark::State& state)
{
    for (auto _ : state) {
        KeepingQtPlatform platform;
        showUntilPainted(platform);
        state.PauseTiming();
        modOrvane::releaseBoard();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_QtFirstWindow)->Iterations(1)->Unit(benchmark::kMillisecond);

// modOrvane::Main as the program calls it: the window with its nine boxes, 81
// cells (each painting its label and nine candidate buttons) and three commands,
// and the board's logic behind them, shown and painted once. Taking it down again
// is not timed.
void BM_QtShowWindow(benchmark::State& state)
{
    long long widgets = 0;
    for (auto _ : state) {
        KeepingQtPlatform platform;
        QWidget& window = showUntilPainted(platform).widget();

        state.PauseTiming();
        widgets = window.findChildren<QWidget*>().size() + 1;
        modOrvane::releaseBoard();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["widgets"] = static_cast<double>(widgets);
}
BENCHMARK(BM_QtShowWindow)->Unit(benchmark::kMillisecond);

// The floor of a click: the same number of plain widgets as a click repaints on
// average (scripts/bench shows that count beside it), each asked to repaint, until
// they have.
constexpr int paintsPerClick = 21;

class PlainWidget final : public QWidget {
public:
    explicit PlainWidget(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), palette().button()); }
};

void BM_PlainRepaint(benchmark::State& state)
{
    QWidget window;
    window.setFixedSize(650, 582);
    std::vector<QWidget*> plain;
    for (int n = 0; n < paintsPerClick; ++n) {
        plain.push_back(new PlainWidget(&window));
        plain.back()->setGeometry(n % 9 * 64, n / 9 * 64, 20, 20);
    }
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the plain window was never exposed");
        return;
    }
    PaintLog paints;
    QCoreApplication::processEvents();
    const long long paintsBefore = paints.total();
    for (auto _ : state) {
        const long long before = paints.total();
        for (QWidget* widget : plain)
            widget->update();
        waitForPaintAfter(paints, before);
    }
    state.counters["paints"] =
        benchmark::Counter(static_cast<double>(paints.total() - paintsBefore), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PlainRepaint)->Unit(benchmark::kMicrosecond);

// The floor of showing the window: an empty window of the board's size, shown
// until its first frame is painted.
[[gnu::noinline]] void showEmptyUntilPainted(QWidget& window)
{
    window.setFixedSize(650, 582);
    window.show();
    PaintLog paints;
    while (paints.paints(window) == 0)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void BM_EmptyShowWindow(benchmark::State& state)
{
    for (auto _ : state) {
        auto window = std::make_unique<QWidget>();
        showEmptyUntilPainted(*window);
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EmptyShowWindow)->Unit(benchmark::kMillisecond);

// The same as the process's first window; as BM_QtFirstWindow, one per process.
BENCHMARK(BM_EmptyShowWindow)->Name("BM_EmptyFirstWindow")->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
