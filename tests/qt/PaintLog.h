#pragma once
#include <QApplication>
#include <QEvent>
#include <QObject>
#include <map>

// How many paint events each widget of the application received while it was
// installed: the tests ask which widgets a step repainted, the benchmarks wait for
// the repaint they caused.
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
    long long total() const { return total_; }
    void clear() { paints_.clear(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints_[watched];
            ++total_;
        }
        return false;
    }

private:
    std::map<const QObject*, int> paints_;
    long long total_ = 0;
};
