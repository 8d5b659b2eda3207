#include "frame.h"

#include "look.h"
#include "pixels.h"

#include <QPainter>

namespace hourvault {

namespace {

// From the frame's left edge to the caption's, and around the caption's text.
constexpr int captionLeft = 6;
constexpr int captionPadding = 2;

} // namespace

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
    const QRect caption(captionLeft, 0, metrics.horizontalAdvance(title()) + 2 * captionPadding,
                        metrics.height());
    painter.fillRect(caption, palette().window());
    painter.setPen(palette().windowText().color());
    painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title());
}

} // namespace hourvault
