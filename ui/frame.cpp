#include "frame.h"

#include "chrome.h"
#include "look.h"
#include "pixels.h"

#include <QPainter>

namespace hourvault {

Frame::Frame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

void Frame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    // A shadow line, and a highlight line one pixel further in, as an etched edge is drawn.
    const QRect border = rect().adjusted(0, metrics.height() / 2, -1, -1);
    painter.setPen(toColor(chrome::grey));
    painter.drawRect(border.adjusted(0, 0, -1, -1));
    painter.setPen(toColor(chrome::white));
    painter.drawRect(border.adjusted(1, 1, 0, 0));
    if (title().isEmpty()) {
        return;
    }
    const QRect caption(frameCaptionLeft, 0,
                        metrics.horizontalAdvance(title()) + 2 * frameCaptionPadding,
                        metrics.height());
    painter.fillRect(caption, palette().window());
    painter.setPen(palette().windowText().color());
    painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title());
}

} // namespace hourvault
