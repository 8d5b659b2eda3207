#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

namespace hourvault {

// A straight line between two points of its parent, drawn over whatever lies below it and
// transparent to the mouse.
class DiagonalLine : public QWidget {
    Q_OBJECT

public:
    DiagonalLine(QPoint from, QPoint to, const QColor& colour, QWidget& parent);

    [[nodiscard]] QPoint from() const { return from_; }
    [[nodiscard]] QPoint to() const { return to_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint from_;
    QPoint to_;
    QColor colour_;
};

} // namespace hourvault
