// What a user waits for in the open main window: a Calculate click until both results show, and
// a pick in the camera or resolution list until the recording-rate list is rebuilt. Each
// iteration times one click or one pick; the window catches up on its repaints in between, as it
// would between two user actions. Besides the mean, each benchmark reports the median, the
// fastest and the slowest single response.

#include "calculator_window.h"
#include "expected_texts.h"
#include "main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// One window for every benchmark, shown as the program shows it; main() owns it.
hourvault::CalculatorWindow* shownWindow = nullptr;

hourvault::CalculatorWindow& window() {
    return *shownWindow;
}

template <typename Widget> Widget& find(const char* name) {
    return *window().findChild<Widget*>(QString::fromUtf8(name));
}

// A pick in the drop-down arrives as the list's activated signal after the entry is current.
void pick(QComboBox& list, const QString& text) {
    const int index = list.findText(text);
    list.setCurrentIndex(index);
    emit list.activated(index);
}

// Down or Up on a list: the combo box moves to the next entry and reports a pick, as for a user.
void press(QComboBox& list, Qt::Key key) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&list, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(&list, &up);
}

QString qString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QComboBox& list(hourvault::ListId id) {
    return *window().findChild<QComboBox*>(qString(hourvault::main_window::objectName(id)));
}

// The typical request of the README's screenshot.
void fillTypicalRequest() {
    for (const hourvault::ListId id : hourvault::allLists) {
        pick(list(id), qString(hourvault::expected::typical.choice(id)));
    }
    QCoreApplication::processEvents();
}

// Times one response; between responses the window repaints, outside the timing.
class Responses {
public:
    explicit Responses(benchmark::State& state) : state_(state) {}

    template <typename Action> void time(Action&& action) {
        const auto start = Clock::now();
        action();
        const std::chrono::duration<double> took = Clock::now() - start;
        state_.SetIterationTime(took.count());
        samples_.push_back(took.count() * 1e6);
        QCoreApplication::processEvents();
    }

    ~Responses() {
        if (samples_.empty()) {
            return;
        }
        std::sort(samples_.begin(), samples_.end());
        state_.counters["median_us"] = samples_.at(samples_.size() / 2);
        state_.counters["min_us"] = samples_.front();
        state_.counters["max_us"] = samples_.back();
    }

    Responses(const Responses&) = delete;
    Responses& operator=(const Responses&) = delete;

private:
    benchmark::State& state_;
    std::vector<double> samples_;
};

void calculateClick(benchmark::State& state) {
    fillTypicalRequest();
    auto& calculate = find<QPushButton>("cmdCalculate");
    auto& hours = find<QLineEdit>("txtHours");
    auto& days = find<QLineEdit>("txtDays");
    Responses responses(state);
    for (auto _ : state) {
        // A pick before a click blanks the results; start from blank boxes as a user does.
        hours.clear();
        days.clear();
        QCoreApplication::processEvents();
        responses.time([&] { calculate.click(); });
        if (hours.text() != qString(hourvault::expected::typical.hours) ||
            days.text() != qString(hourvault::expected::typical.days)) {
            state.SkipWithError("Calculate did not show the typical request's hours and days");
            break;
        }
    }
}
BENCHMARK(calculateClick)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Picks alternate between two neighbouring entries, so every pick is a change of entry.
void pickAndRebuildRates(benchmark::State& state, hourvault::ListId id) {
    fillTypicalRequest();
    QComboBox& picked = list(id);
    QComboBox& rates = list(hourvault::ListId::frameRate);
    Responses responses(state);
    bool down = picked.currentIndex() + 1 < picked.count();
    for (auto _ : state) {
        const int before = picked.currentIndex();
        // A rebuilt list shows its prompt, so a chosen rate tells whether the pick rebuilt it.
        {
            const QSignalBlocker blocker(rates);
            rates.setCurrentIndex(0);
        }
        responses.time([&] { press(picked, down ? Qt::Key_Down : Qt::Key_Up); });
        down = !down;
        if (picked.currentIndex() == before || rates.currentIndex() != -1 || rates.count() == 0) {
            state.SkipWithError("the pick did not rebuild the recording-rate list");
            break;
        }
    }
}

void cameraPick(benchmark::State& state) {
    pickAndRebuildRates(state, hourvault::ListId::cameras);
}
BENCHMARK(cameraPick)->UseManualTime()->Unit(benchmark::kMicrosecond);

void resolutionPick(benchmark::State& state) {
    pickAndRebuildRates(state, hourvault::ListId::resolution);
}
BENCHMARK(resolutionPick)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    hourvault::CalculatorWindow calculator;
    calculator.show();
    while (calculator.windowHandle() == nullptr || !calculator.windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    QCoreApplication::processEvents();
    shownWindow = &calculator;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
