#pragma once

#include <QList>
#include <QObject>

class QAction;
class QKeyEvent;
class QWidget;

namespace hourvault {

// Lets a window's menu shortcuts act before a text field's own editing keys, which would claim
// Ctrl+C and Ctrl+X for copy and cut, and while one of the window's drop-downs or menus is open,
// a window of its own where the shortcuts do not reach: that closes first, then the command
// runs. It watches the whole application while it lives.
class ShortcutForwarder final : public QObject {
public:
    ShortcutForwarder(QWidget& window, QList<QAction*> commands);
    ~ShortcutForwarder() override;

    ShortcutForwarder(const ShortcutForwarder&) = delete;
    ShortcutForwarder& operator=(const ShortcutForwarder&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    [[nodiscard]] QAction* commandFor(const QKeyEvent& key) const;

    QWidget& window_;
    QList<QAction*> commands_;
};

} // namespace hourvault
