#include "calculator_window.h"

#include "accessible_controls.h"
#include "list_leave_watch.h"
#include "look.h"
#include "main_window.h"
#include "missing_data_box.h"
#include "option_list.h"
#include "pixels.h"
#include "placement.h"
#include "shortcut_forwarder.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>

namespace hourvault {

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

CalculatorWindow::CalculatorWindow() {
    installAccessibleControls();
    setObjectName(QString::fromUtf8(main_window::name));
    setWindowTitle(QString::fromUtf8(main_window::caption));
    setFont(dialogFont());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(pixelRect(main_window::client).size());
    paintChrome(*client, main_window::look);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    controls_ = buildMainLayout(*client);
    menus_ = buildMainMenus(*menuBar());
    shortcuts_ = std::make_unique<ShortcutForwarder>(
        *this, QList<QAction*>(menus_.byCommand.begin(), menus_.byCommand.end()));
    connectEvents();

    controller_.startUp();

    controls_.calculate->setFocus();
    adjustSize();
    centreOnScreen(*this, QGuiApplication::primaryScreen());
}

CalculatorWindow::~CalculatorWindow() {
    // Focus-out events still arrive while the children are destroyed; no check may run then.
    delete leaveWatch_;
    for (OptionList* option : controls_.lists) {
        option->blockSignals(true);
    }
}

void CalculatorWindow::connectEvents() {
    leaveWatch_ = new ListLeaveWatch(*this, controls_.lists, {controls_.calculate, controls_.clear},
                                     controller_);
    for (const ListId id : allLists) {
        connect(&controls_.list(id), &OptionList::entryChosen, this,
                [this, id] { controller_.entryChosen(id); });
    }
    connect(controls_.calculate, &QPushButton::clicked, this,
            [this] { controller_.pressed(Button::calculate); });
    connect(controls_.clear, &QPushButton::clicked, this,
            [this] { controller_.pressed(Button::clear); });
    for (const Command command : allCommands) {
        connect(menus_.command(command), &QAction::triggered, this,
                [this, command] { controller_.command(command); });
    }
}

void CalculatorWindow::showSettings(const Settings& settings) {
    for (const Command command : allCommands) {
        if (QAction* item = menus_.command(command); item->isCheckable()) {
            item->setChecked(checked(command, settings));
        }
    }
    for (const auto& [role, model] : main_window::modelPictures) {
        controls_.byRole.at<QLabel>(role).setVisible(model == settings.model);
    }
    controls_.format->setText(QString::fromUtf8(main_window::formatCaption(settings.format)));
}

void CalculatorWindow::enableCommands(bool enabled) {
    // While the Missing Data box is open, or a help window has the window's place, keys and
    // clicks cannot reach the window, but an assistive tool's menu action can.
    for (QAction* command : menus_.byCommand) {
        command->setEnabled(enabled);
    }
}

void CalculatorWindow::openHelpWindow(HelpWindowKind which) {
    help_.open(which);
}

void CalculatorWindow::endProgram() {
    QCoreApplication::quit();
}

std::string CalculatorWindow::resultText(ResultBox box) const {
    return controls_.result(box).text().toStdString();
}

std::string CalculatorWindow::decimalSeparator() const {
    return QLocale().decimalPoint().toStdString();
}

int CalculatorWindow::selectionIndex(ListId id) const {
    return controls_.list(id).currentIndex();
}

std::string CalculatorWindow::shownText(ListId id) const {
    return controls_.list(id).currentText().toStdString();
}

void CalculatorWindow::clearList(ListId id) {
    controls_.list(id).clearEntries();
}

void CalculatorWindow::appendEntry(ListId id, std::string_view text) {
    controls_.list(id).appendEntry(toQString(text));
}

void CalculatorWindow::setShownText(ListId id, std::string_view text) {
    controls_.list(id).showText(toQString(text));
}

void CalculatorWindow::setResultText(ResultBox box, std::string_view text) {
    controls_.result(box).setText(toQString(text));
}

void CalculatorWindow::focusList(ListId id) {
    // As Tab does, so that typing replaces what the list shows.
    controls_.list(id).setFocus(Qt::OtherFocusReason);
    controls_.list(id).lineEdit()->selectAll();
}

void CalculatorWindow::showMessage(std::string_view text, std::string_view title) {
    showMissingDataBox(*this, toQString(text), toQString(title));
}

} // namespace hourvault
