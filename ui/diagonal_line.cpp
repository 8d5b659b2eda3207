#include "diagonal_line.h"

#include <QPainter>

#include <algorithm>

namespace hourvault {

DiagonalLine::DiagonalLine(QPoint from, QPoint to, const QColor& colour, QWidget& parent)
    : QWidget(&parent), from_(from), to_(to), colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // Covers just the line's bounding box, end points included.
    setGeometry(QRect(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                      QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y()))));
}

void DiagonalLine::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setPen(QPen(colour_, 1));
    painter.drawLine(from_ - pos(), to_ - pos());
}

} // namespace hourvault
