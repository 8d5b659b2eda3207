#include "missing_data_box.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

namespace hourvault {

void showMissingDataBox(QWidget& owner, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, &owner);
    box.setObjectName(QStringLiteral("missingData"));
    // No icon, not even the style's on the OK button.
    box.button(QMessageBox::Ok)->setIcon(QIcon());
    // A window manager puts the title beside its own icon and buttons, in a larger bold font:
    // a box as narrow as a short message would show it cut off.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        QFont titleFont = box.font();
        titleFont.setBold(true);
        const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle());
        const int width = titleWidth * 3 / 2 + 150;
        grid->addItem(new QSpacerItem(width, 0), grid->rowCount(), 0, 1, grid->columnCount());
    }
    box.exec();
}

} // namespace hourvault
