#include "placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace hourvault {

namespace {

void placeCentred(QWidget& window, const QScreen& screen) {
    const QRect area = screen.availableGeometry();
    // A window's position is its frame's: centre the frame's size.
    QPoint corner = QStyle::alignedRect(window.layoutDirection(), Qt::AlignCenter,
                                        window.frameGeometry().size(), area)
                        .topLeft();
    // A window larger than the screen keeps its title bar, and so its menus, within reach.
    corner.setX(std::max(corner.x(), area.left()));
    corner.setY(std::max(corner.y(), area.top()));
    window.move(corner);
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
    // A Wayland compositor places every window itself; a program cannot move one.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        return;
    }
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
