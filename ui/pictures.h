#pragma once

#include <QIcon>
#include <QLabel>
#include <QString>

namespace hourvault {

// A window picture in its box: at its natural size from its top-left corner, cut off at the
// box's edges. It is read when the box is first shown, and only the part the box shows. Above
// 100 % that part comes from the picture's name@2x variant, which Qt draws at two device
// pixels to the logical pixel: the same logical size, placed and cut off exactly as at 100 %,
// but sharp.
class PictureBox final : public QLabel {
public:
    PictureBox(QString resource, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString resource_;
};

// The program's icon at every size of the icon theme, so that the title bar, the task bar and
// the window switcher each get a sharp one rather than a scaled 32 px picture.
[[nodiscard]] QIcon programIcon();

} // namespace hourvault
