#include "calculator_window.h"

#include "about_window.h"
#include "glossary_window.h"
#include "list_focus_watch.h"
#include "look.h"
#include "option_list.h"
#include "pictures.h"
#include "placement.h"
#include "shortcut_forwarder.h"

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

namespace hourvault {

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr QSize clientSize{613, 343};

} // namespace

CalculatorWindow::CalculatorWindow() {
    setObjectName(QStringLiteral("calculator"));
    setWindowTitle(QStringLiteral("OSTREL  Hourvault"));
    setWindowIcon(programIcon());
    setFont(dialogFont());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(clientSize);
    paintChrome(*client, chrome::black, chrome::white);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    controls_ = buildMainLayout(*client);
    menus_ = buildMainMenus(*menuBar());
    shortcuts_ = std::make_unique<ShortcutForwarder>(
        *this, QList<QAction*>{menus_.clear, menus_.exit, menus_.glossary});
    connectEvents();

    // Start-up: NTSC and the 16-channel model; the model name plate and the 16-channel check
    // mark are already as the window opens. Checking NTSC clears PAL: each menu is a group.
    menus_.ntsc->setChecked(true);
    controls_.photo16->show();
    controls_.photo9->hide();
    calculator_.startUp();

    controls_.calculate->setFocus();
    adjustSize();
    centreOnScreen(*this, QGuiApplication::primaryScreen());
}

CalculatorWindow::~CalculatorWindow() {
    // Focus-out events still arrive while the children are destroyed; no check may run then.
    focusWatch_->blockSignals(true);
    for (OptionList* option : controls_.lists) {
        option->blockSignals(true);
    }
    delete helpWindow_;
}

void CalculatorWindow::connectEvents() {
    focusWatch_ = new ListFocusWatch(*this, {controls_.lists.begin(), controls_.lists.end()});
    connect(focusWatch_, &ListFocusWatch::left, this,
            [this](OptionList* left) { calculator_.focusLost(listId(*left)); });
    for (const ListId id : allLists) {
        OptionList* option = &list(id);
        connect(option, &OptionList::entryChosen, this,
                [this, id] { calculator_.entryChosen(id); });
        // Text that no one is typing is checked as soon as it arrives, as if typed and left.
        connect(option, &OptionList::textArrived, this, [this, id] { calculator_.focusLost(id); });
    }
    for (QPushButton* button : {controls_.calculate, controls_.clear}) {
        connect(button, &QPushButton::pressed, this, [this, button] { takeFocus(*button); });
    }
    connect(controls_.calculate, &QPushButton::clicked, this, [this] {
        if (takesCommands_) {
            calculator_.calculate(QLocale().decimalPoint().toStdString());
        }
    });
    connect(controls_.clear, &QPushButton::clicked, this, [this] {
        if (takesCommands_) {
            calculator_.resetInputs();
        }
    });
    connect(menus_.clear, &QAction::triggered, this, [this] { calculator_.resetInputs(); });
    connect(menus_.exit, &QAction::triggered, qApp, &QCoreApplication::quit);
    connect(menus_.model16, &QAction::triggered, this, [this] { showModel(Model::tx4160); });
    connect(menus_.model9, &QAction::triggered, this, [this] { showModel(Model::tx4090); });
    connect(menus_.ntsc, &QAction::triggered, this, [this] { showFormat(true); });
    connect(menus_.pal, &QAction::triggered, this, [this] { showFormat(false); });
    connect(menus_.about, &QAction::triggered, this, [this] { openHelpWindow(new AboutWindow); });
    connect(menus_.glossary, &QAction::triggered, this,
            [this] { openHelpWindow(new GlossaryWindow); });
}

void CalculatorWindow::takeFocus(QWidget& button) {
    // A click gives the button the focus before it is pressed, so that a list's check runs
    // first; a press by an assistive tool must do the same.
    if (takesCommands_) {
        button.setFocus(Qt::OtherFocusReason);
        focusWatch_->arrive(button);
    }
}

void CalculatorWindow::setTakesCommands(bool takes) {
    // While the Missing Data box is open, or a help window has the window's place, keys and
    // clicks cannot reach the window, but an assistive tool's press or menu action can.
    takesCommands_ = takes;
    for (QAction* command : menus_.all()) {
        command->setEnabled(takes);
    }
}

void CalculatorWindow::showModel(Model model) {
    // The chosen item has its check mark already: each menu's items are a group.
    const bool is16 = model == Model::tx4160;
    controls_.name16->setVisible(is16);
    controls_.name9->setVisible(!is16);
    controls_.photo16->setVisible(is16);
    controls_.photo9->setVisible(!is16);
    calculator_.selectModel(model);
}

void CalculatorWindow::showFormat(bool isNtsc) {
    controls_.format->setText(formatCaption(isNtsc));
    calculator_.selectFormat(isNtsc);
}

void CalculatorWindow::openHelpWindow(HelpWindow* window) {
    helpWindow_ = window;
    connect(window, &HelpWindow::dismissed, this,
            [this, window] { returnFromHelpWindow(*window); });
    focusBeforeHelp_ = focusWidget();
    centreOnScreen(*window, screen());
    setTakesCommands(false);
    hide();
    window->show();
}

void CalculatorWindow::returnFromHelpWindow(HelpWindow& window) {
    setTakesCommands(true);
    show();
    activateWindow();
    if (focusBeforeHelp_) {
        focusBeforeHelp_->setFocus(Qt::OtherFocusReason);
    }
    window.deleteLater();
}

OptionList& CalculatorWindow::list(ListId id) const {
    return *controls_.lists.at(indexOf(id));
}

ListId CalculatorWindow::listId(const OptionList& option) const {
    const auto found = std::find(controls_.lists.begin(), controls_.lists.end(), &option);
    return allLists.at(static_cast<std::size_t>(found - controls_.lists.begin()));
}

int CalculatorWindow::selectionIndex(ListId id) const {
    return list(id).currentIndex();
}

std::string CalculatorWindow::shownText(ListId id) const {
    return list(id).currentText().toStdString();
}

void CalculatorWindow::clearList(ListId id) {
    list(id).clearEntries();
}

void CalculatorWindow::appendEntry(ListId id, std::string_view text) {
    list(id).appendEntry(toQString(text));
}

void CalculatorWindow::setShownText(ListId id, std::string_view text) {
    list(id).showText(toQString(text));
}

void CalculatorWindow::setResultText(ResultBox box, std::string_view text) {
    (box == ResultBox::hours ? controls_.hours : controls_.days)->setText(toQString(text));
}

void CalculatorWindow::focusList(ListId id) {
    // As Tab does, so that typing replaces what the list shows.
    list(id).setFocus(Qt::OtherFocusReason);
    list(id).lineEdit()->selectAll();
}

void CalculatorWindow::showMessage(std::string_view text, std::string_view title) {
    QMessageBox box(QMessageBox::NoIcon, toQString(title), toQString(text), QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("missingData"));
    // No icon, not even the style's on the OK button.
    box.button(QMessageBox::Ok)->setIcon(QIcon());
    // A window manager puts the title beside its own icon and buttons, in a larger bold font:
    // a box as narrow as a short message would show it cut off.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        QFont titleFont = box.font();
        titleFont.setBold(true);
        const int title = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle());
        const int width = title * 3 / 2 + 150;
        grid->addItem(new QSpacerItem(width, 0), grid->rowCount(), 0, 1, grid->columnCount());
    }
    setTakesCommands(false);
    box.exec();
    setTakesCommands(true);
}

} // namespace hourvault
