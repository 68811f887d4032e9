#pragma once
#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QPaintEvent>
#include <QRect>
#include <QRegion>
#include <map>

// How many paint events each widget of the application received while it was
// installed, and what they covered: the tests ask what a step repainted (down to
// a candidate's square within its cell), the benchmarks wait for the repaint they
// caused.
class PaintLog final : public QObject {
public:
    PaintLog() { qApp->installEventFilter(this); }
    ~PaintLog() override { qApp->removeEventFilter(this); }
    PaintLog(const PaintLog&) = delete;
    PaintLog& operator=(const PaintLog&) = delete;

    int paints(const QObject& widget) const
    {
        const auto found = paints_.find(&widget);
        return found == paints_.end() ? 0 : found->second;
    }
    // The part of the widget's area (in its own pixels) its paints covered.
    QRegion region(const QObject& widget) const
    {
        const auto found = regions_.find(&widget);
        return found == regions_.end() ? QRegion() : found->second;
    }
    bool painted(const QObject& widget, const QRect& area) const { return region(widget).intersects(area); }
    long long total() const { return total_; }
    void clear()
    {
        paints_.clear();
        regions_.clear();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints_[watched];
            regions_[watched] += static_cast<QPaintEvent*>(event)->region();
            ++total_;
        }
        return false;
    }

private:
    std::map<const QObject*, int> paints_;
    std::map<const QObject*, QRegion> regions_;
    long long total_ = 0;
};
