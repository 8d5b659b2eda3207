#include "first_paint_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

#include <time.h>

namespace hourvault::bench {

namespace {

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// The value of a "Name:   1234 kB" line of a /proc file, or -1.
long long procField(const char* file, std::string_view name) {
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.size() > name.size() && line.compare(0, name.size(), name) == 0 &&
            line[name.size()] == ':') {
            return std::stoll(line.substr(name.size() + 1));
        }
    }
    return -1;
}

// Qt paints a widget window while it delivers the window's Expose or UpdateRequest event, and
// hands the frame to the screen before that delivery returns. So the probe delivers those events
// itself and looks at the clock once one of them has painted the widget.
class FirstPaintProbe final : public QObject {
public:
    explicit FirstPaintProbe(QWidget& window) : QObject(&window), widget_(window) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &widget_) {
            if (event->type() == QEvent::Show && surface_ == nullptr) {
                surface_ = widget_.windowHandle();
                if (surface_ != nullptr) {
                    surface_->installEventFilter(this);
                }
            } else if (event->type() == QEvent::Paint) {
                painted_ = true;
            }
            return false;
        }
        if (watched != surface_ || finished_ ||
            (event->type() != QEvent::Expose && event->type() != QEvent::UpdateRequest)) {
            return false;
        }
        static_cast<QObject*>(surface_)->event(event);
        if (painted_) {
            finish();
        }
        return true;
    }

private:
    void finish() {
        const long long paintedAt = monotonicNanoseconds();
        finished_ = true;
        const long long peak = procField("/proc/self/status", "VmHWM");
        const long long resident = procField("/proc/self/status", "VmRSS");
        const long long proportional = procField("/proc/self/smaps_rollup", "Pss");
        std::printf("first_paint_ns=%lld vmhwm_kib=%lld rss_kib=%lld pss_kib=%lld\n", paintedAt,
                    peak, resident, proportional);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    QWidget& widget_;
    QWindow* surface_ = nullptr;
    bool painted_ = false;
    bool finished_ = false;
};

} // namespace

void reportFirstPaint(QWidget& window) {
    new FirstPaintProbe(window);
}

} // namespace hourvault::bench
