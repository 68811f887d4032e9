#pragma once
#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QImage>
#include <QPalette>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <memory>

#include "app/modOrvane.h"
#include "support/BoardPlaces.h"
#include "support/VisibleState.h"
#include "tests/qt/PaintLog.h"
#include "ui/Dispatch.h"
#include "ui/qt/QtBoardWindow.h"

// A candidate or a label: no widget, but a square of the board's surface, read
// back from what the board keeps.
struct Candidate {
    ui::qt::BoardSurface* surface;
    ui::desktop::Part part;

    QWidget& cell() const { return *surface; }
    QRect geometry() const
    {
        const ui::desktop::Rect r = surface->board().placeOf(part);
        return {r.left, r.top, r.width, r.height};
    }
    QString text() const { return QString::number(part.part + 1); }
    ui::desktop::DrawnCell::Look look() const { return surface->board().cell(part.cell).look(part.part); }
    // Shown, in a shown window.
    bool isVisible() const { return look().visible && surface->isVisible(); }
    bool isHidden() const { return !look().visible; }
    bool isEnabled() const { return look().enabled; }
    bool isDown() const { return look().down; }
    ui::SysColor face() const { return look().face; }
    // What a press and release on it come to: nothing while it is barred.
    void click() const
    {
        if (isEnabled())
            ui::dispatch([this] { modOrvane::history()->click(ui::rowColumnAt(part.cell), part.part); });
    }
    // As a press of any other mouse button than the first: the focus, and no click.
    void setFocus() const { QTest::mouseClick(surface, Qt::RightButton, {}, geometry().center()); }
};
struct CellLabel {
    ui::qt::BoardSurface* surface;
    std::int16_t ordinal;

    QWidget& cell() const { return *surface; }
    QRect geometry() const { return Candidate{surface, {ordinal}}.geometry(); }
    QString caption() const { return QString::fromStdString(surface->board().cell(ordinal).caption()); }
};
template <class T>
concept CellPart = requires(const T& part)
{
    part.cell();
    part.geometry();
};

// A test on a shown board window of real widgets with the board's logic behind it. The
// application palette gets a distinct colour for every role the board paints
// with, so that a pixel tells which role it was drawn from.
class ShownBoardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedPalette_ = QApplication::palette();
        QApplication::setPalette(distinctPalette());
        Made made;
        view_ = made.window.get();
        modOrvane::Main(made);
        board_ = modOrvane::board();
        window().activateWindow(); // on a display with no window manager to do it
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }

    void TearDown() override
    {
        modOrvane::releaseBoard();
        QApplication::setPalette(savedPalette_);
    }

    // Hands the program's start a window made beforehand, as the tests keep a hold of it.
    struct Made final : ui::Platform {
        std::unique_ptr<ui::qt::QtBoardWindow> window = std::make_unique<ui::qt::QtBoardWindow>();
        std::unique_ptr<ui::BoardWindow> createBoardWindow() override { return std::move(window); }
    };

    static QPalette distinctPalette()
    {
        QPalette p = QApplication::palette();
        p.setColor(QPalette::Button, QColor(0xe8, 0xe8, 0xd8));
        p.setColor(QPalette::WindowText, QColor(0x10, 0x10, 0x60));
        p.setColor(QPalette::ButtonText, QColor(0x50, 0x00, 0x00));
        p.setColor(QPalette::ToolTipBase, QColor(0xff, 0xff, 0xc0));
        p.setColor(QPalette::Midlight, QColor(0xd0, 0xe0, 0xd0));
        p.setColor(QPalette::Mid, QColor(0xb0, 0xb0, 0xc8));
        p.setColor(QPalette::Dark, QColor(0x80, 0x80, 0xa0));
        p.setColor(QPalette::Light, QColor(0xff, 0xff, 0xff));
        p.setColor(QPalette::Shadow, QColor(0x40, 0x40, 0x40));
        p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x90, 0x90, 0x90));
        return p;
    }

    static QColor role(QPalette::ColorRole r) { return QApplication::palette().color(QPalette::Active, r); }

    QWidget& window() { return view_->widget(); }
    static std::int16_t ordinal(int b, int k)
    {
        const ui::RowColumn at = ui::rowColumnOf({static_cast<std::int16_t>(b), static_cast<std::int16_t>(k)});
        return static_cast<std::int16_t>(at.row * 9 + at.column);
    }
    Candidate button(int b, int k, int i) { return {&view_->surface(), {ordinal(b, k), static_cast<std::int16_t>(i)}}; }
    CellLabel label(int b, int k) { return {&view_->surface(), ordinal(b, k)}; }

    // A press and release at the centre of a widget, or of a candidate's or a
    // label's square, delivered to the window so that whatever really lies there
    // receives it.
    static void click(QWidget& widget) { QTest::mouseClick(&widget, Qt::LeftButton); }
    template <CellPart Part>
    static void click(const Part& part)
    {
        QTest::mouseClick(&part.cell(), Qt::LeftButton, {}, part.geometry().center());
    }

    // Key strokes go to the window, which hands them to its focus widget.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(window().windowHandle(), key, modifiers);
    }

    // What the player sees, as the widgets themselves report it.
    support::BoardState shownByWidgets()
    {
        support::BoardState state;
        for (int n = 0; n < support::cellCount; ++n) {
            const ui::BoxCell place = support::boxCellOfOrdinal(n);
            support::CellState& cell = state.at(place);
            cell.caption = label(place.box, place.cell).caption().toStdString();
            for (int i = 0; i < 9; ++i) {
                const Candidate widget = button(place.box, place.cell, i);
                cell.btnBlock.at(i) = {widget.isVisible(), widget.isEnabled(), widget.face()};
            }
        }
        return state;
    }

    QImage shot() { return window().grab().toImage(); }

    // The colour at a point given in the window's own (device-independent) pixels.
    static QColor pixel(const QImage& image, QPoint windowPoint)
    {
        const qreal scale = image.devicePixelRatio();
        return image.pixelColor(static_cast<int>(windowPoint.x() * scale), static_cast<int>(windowPoint.y() * scale));
    }

    QPoint inWindow(QWidget& widget, QPoint local) { return widget.mapTo(&window(), local); }
    template <CellPart Part>
    QPoint inWindow(const Part& part, QPoint local)
    {
        return part.cell().mapTo(&window(), part.geometry().topLeft() + local);
    }
    template <CellPart Part>
    QRect areaOf(const Part& part)
    {
        return {inWindow(part, {0, 0}), part.geometry().size()};
    }

    // The pixels of an area of the window drawn in exactly one colour, and the
    // rows and columns they span, in device pixels from the area's corner.
    struct Ink {
        int count = 0;
        int left = 1 << 20, right = -1, top = 1 << 20, bottom = -1;
    };
    template <CellPart Part>
    Ink inkIn(const QImage& image, const Part& part, const QColor& colour)
    {
        return inkIn(image, areaOf(part), colour);
    }
    Ink inkIn(const QImage& image, QRect area, const QColor& colour)
    {
        const int scale = static_cast<int>(image.devicePixelRatio());
        const QPoint corner = area.topLeft() * scale;
        Ink ink;
        for (int y = 0; y < area.height() * scale; ++y)
            for (int x = 0; x < area.width() * scale; ++x)
                if (image.pixelColor(corner + QPoint(x, y)) == colour) {
                    ++ink.count;
                    ink.left = std::min(ink.left, x);
                    ink.right = std::max(ink.right, x);
                    ink.top = std::min(ink.top, y);
                    ink.bottom = std::max(ink.bottom, y);
                }
        return ink;
    }

    static bool arePeers(int b1, int k1, int b2, int k2)
    {
        return support::arePeers(ui::BoxCell{static_cast<std::int16_t>(b1), static_cast<std::int16_t>(k1)},
                                 ui::BoxCell{static_cast<std::int16_t>(b2), static_cast<std::int16_t>(k2)});
    }

    ui::qt::QtBoardWindow* view_ = nullptr;
    Orvane_Main* board_ = nullptr; // the program's, made by Main

private:
    QPalette savedPalette_;
};
