#pragma once

#include <QColor>
#include <QSize>
#include <QWidget>

class QCloseEvent;
class QLabel;
class QPaintEvent;
class QPushButton;

namespace hourvault {

// A window that takes the main window's place while it is open: About and Glossary. It has a
// fixed client area, a set of labels and one OK button. OK, or closing it through the window
// system, hides it and reports `dismissed`; whoever opened it then shows the main window again
// and destroys this one (with deleteLater: `dismissed` may come from inside a close event).
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    [[nodiscard]] QPushButton* okButton() const { return okButton_; }

signals:
    void dismissed();

protected:
    HelpWindow(const QString& objectName, const QString& caption, QSize clientSize,
               const QColor& background);

    // rect in twips, relative to the client area.
    QLabel* addLabel(const QString& objectName, const QString& text, const QRect& twipsRect,
                     Qt::Alignment alignment, const QColor& background, const QColor& textColour);
    QLabel* addPicture(const QString& objectName, const QString& resource, const QRect& twipsRect,
                       const QString& accessibleName);
    void addOkButton(const QRect& twipsRect);

    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void dismiss();

    QColor background_;
    QPushButton* okButton_ = nullptr;
};

} // namespace hourvault
