#include "placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace hourvault {

namespace {

void placeCentred(QWidget& window, const QScreen& screen) {
    // A window's position is its frame's: centre the frame's size.
    window.move(QStyle::alignedRect(window.layoutDirection(), Qt::AlignCenter,
                                    window.frameGeometry().size(), screen.availableGeometry())
                    .topLeft());
}

// Centres the window again as soon as it has a frame, then lets go of it.
class FrameWatch final : public QObject {
public:
    FrameWatch(QWidget& window, QScreen& screen) : QObject(&window), screen_(&screen) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
            window->frameGeometry().size() != window->size()) {
            window->removeEventFilter(this);
            if (screen_) {
                placeCentred(*window, *screen_);
            }
            deleteLater();
        }
        return false;
    }

private:
    QPointer<QScreen> screen_;
};

} // namespace

void centreOnScreen(QWidget& window, QScreen* screen) {
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return;
    }
    placeCentred(window, *screen);
    if (window.frameGeometry().size() == window.size()) {
        new FrameWatch(window, *screen);
    }
}

} // namespace hourvault
