#pragma once

#include <QGroupBox>

namespace hourvault {

// A captioned frame drawn as the classic one, whatever the desktop's style: an etched border
// that runs through the middle of the caption, which interrupts it near the left. Its place
// fixes where the border lies, which the controls inside are laid out against; a style's own
// frame lies lower, below the caption, where the result frame's line would end outside it.
class Frame final : public QGroupBox {
    Q_OBJECT

public:
    Frame(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace hourvault
