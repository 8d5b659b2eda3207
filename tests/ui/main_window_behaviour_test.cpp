// What the main window does on the user's picks, typing, buttons, menus and shortcuts.

#include "calculator_window.h"
#include "expected_texts.h"
#include "window_cases.h"
#include "window_driver.h"

#include <QAccessible>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QSignalSpy>

#include <memory>

using hourvault::CalculatorWindow;
using hourvault::Format;
using hourvault::ListId;
using hourvault::Model;
using hourvault::expected::typical;
using hourvault::testing::entries;
using hourvault::testing::MessageBoxReader;
using hourvault::testing::nameOf;
using hourvault::testing::qString;
using hourvault::testing::WindowDriver;
using enum hourvault::ListId;

namespace {

QString prompt(ListId list) {
    return qString(hourvault::expected::prompt(list));
}

QString choice(ListId list) {
    return qString(typical.choice(list));
}

QStringList qStrings(const auto& texts) {
    QStringList strings;
    for (const auto& text : texts) {
        strings << qString(text);
    }
    return strings;
}

const QStringList typicalResults{qString(typical.hours), qString(typical.days)};
const QStringList noResults{"", ""};

} // namespace

class MainWindowBehaviourTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CalculatorWindow> window_;
    std::unique_ptr<WindowDriver> driver_;

    // Each list's choice, from the top; an empty one is left as it is.
    [[nodiscard]] bool pickAll(const auto& picks) const {
        for (const ListId list : hourvault::allLists) {
            const QString pick = qString(picks.at(indexOf(list)));
            if (!pick.isEmpty() && !driver_->pickByKeys(list, pick)) {
                qWarning() << "could not pick" << pick;
                return false;
            }
        }
        return true;
    }

    [[nodiscard]] QStringList results() const { return driver_->results(); }

    [[nodiscard]] bool computeTypical() const {
        return pickAll(typical.choices) && driver_->click("cmdCalculate") &&
               results() == typicalResults;
    }

    [[nodiscard]] QWidget* focused() const { return QApplication::focusWidget(); }

    // Every list rebuilt for the model and format, showing its prompt; the display matches.
    void verifyResetFor(Model model, Format format) const {
        for (const ListId id : hourvault::allLists) {
            const QComboBox* list = driver_->list(id);
            QCOMPARE(list->currentText(), prompt(id));
            QCOMPARE(list->currentIndex(), -1);
            QCOMPARE(entries(*list),
                     qStrings(hourvault::expected::freshEntries(id, model, format)));
        }
        QCOMPARE(results(), noResults);
        const bool tx4160 = model == Model::tx4160;
        const bool ntsc = format == Format::ntsc;
        QList<bool> state; // check marks, then what shows
        for (const char* name :
             {"mnu16", "mnu9", "mnuNTSC", "mnuPAL", "favor16", "favor9", "TX4160", "TX4090"}) {
            const QAction* item = driver_->action(name);
            state << (item != nullptr ? item->isChecked()
                                      : driver_->find<QWidget>(name)->isVisibleTo(window_.get()));
        }
        QCOMPARE(state,
                 QList<bool>({tx4160, !tx4160, ntsc, !ntsc, tx4160, !tx4160, tx4160, !tx4160}));
        // Nothing covers the photograph or the format caption.
        auto* format_ = driver_->find<QLabel>("txtFormat");
        QCOMPARE(format_->text(), ntsc ? "NTSC" : "PAL");
        QCOMPARE(window_->centralWidget()->childAt(format_->geometry().center()), format_);
        QCOMPARE(window_->centralWidget()->childAt(100, 100)->objectName(),
                 tx4160 ? "favor16" : "favor9");
    }

    // How a text that was not picked gets into the disk list, and how the list is then left.
    struct Route {
        const char* name;
        void (MainWindowBehaviourTest::*arrive)();
        void (MainWindowBehaviourTest::*leave)();
        bool message; // Calculate was pressed and names the disk list
    };
    static const std::array<Route, 9> routes;

    [[nodiscard]] QLineEdit* diskField() const { return driver_->list(hddsize)->lineEdit(); }
    [[nodiscard]] QAccessibleInterface* diskAccess() const {
        return QAccessible::queryAccessibleInterface(diskField());
    }

    void typeAnX() {
        QVERIFY(driver_->clickInto(hddsize));
        QTest::keyClick(diskField(), Qt::Key_End);
        QTest::keyClicks(diskField(), "x");
    }
    void replaceByAssistiveTool() {
        QVERIFY(driver_->clickInto(hddsize));
        diskAccess()->editableTextInterface()->replaceText(0, int(diskField()->text().size()),
                                                           "1 TB");
        QCOMPARE(driver_->list(hddsize)->currentIndex(), -1);
    }
    void nothing() {}

    // The menu bar takes the focus, and shows it, without leaving the list.
    void menuBarHoldsTheFocus() {
        QTRY_COMPARE(focused(), window_->menuBar());
        QVERIFY(window_->menuBar()->grab().toImage() != plainBar_);
        QCOMPARE(results(), typicalResults);
    }
    void modelMenuEscapeCalculate() {
        QVERIFY(driver_->openMenu("mnuModel"));
        QTest::keyClick(driver_->find<QMenu>("mnuModel"), Qt::Key_Escape);
        menuBarHoldsTheFocus();
        clickCalculate();
    }
    void altCalculate() {
        QTest::keyClick(diskField(), Qt::Key_Alt);
        menuBarHoldsTheFocus();
        clickCalculate();
    }
    void clickCalculate() { QVERIFY(driver_->click("cmdCalculate")); }
    void tab() { driver_->tab(); }
    void clickIntoCameras() { QVERIFY(driver_->clickInto(cameras)); }
    void pressCalculate() {
        QAccessible::queryAccessibleInterface(driver_->find<QPushButton>("cmdCalculate"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
    }
    // Another program's window is active: the press moves the focus without Qt seeing it move.
    void pressCalculateInAnInactiveWindow() {
        otherWindow_ = std::make_unique<QWidget>();
        otherWindow_->show();
        otherWindow_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(otherWindow_.get()));
        pressCalculate();
    }
    void setByAssistiveTool() { diskAccess()->setText(QAccessible::Value, "1 TB"); }

    QImage plainBar_;
    std::unique_ptr<QWidget> otherWindow_;

private slots:
    void init() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        window_ = std::make_unique<CalculatorWindow>();
        driver_ = std::make_unique<WindowDriver>(*window_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    void cleanup() {
        otherWindow_.reset();
        driver_.reset();
        window_.reset();
    }

    void opensAsTx4160InNtsc() {
        QCOMPARE(window_->windowTitle(), "OSTREL  Hourvault");
        verifyResetFor(Model::tx4160, Format::ntsc);
        QCOMPARE(focused(), driver_->find<QWidget>("cmdCalculate"));
    }

    void commandsResetTheListsAndMoveNoFocus_data() {
        QTest::addColumn<int>("row");
        for (std::size_t row = 0; row < hourvault::cases::settingsCommands.size(); ++row) {
            QTest::newRow(hourvault::cases::settingsCommands.at(row).name.data()) << int(row);
        }
    }

    void commandsResetTheListsAndMoveNoFocus() {
        QFETCH(int, row);
        const auto& commands = hourvault::cases::settingsCommands.at(std::size_t(row));
        QStringList steps = qStrings(commands.steps);
        steps.removeAll(QString());
        const QString command = steps.takeLast(); // from the menu bar, or clicked
        for (const QString& item : steps) {
            driver_->action(item)->trigger();
        }
        // A result on display, every list chosen and a typed text not yet left.
        for (const ListId list : hourvault::allLists) {
            QVERIFY(driver_->pickByKeys(list, entries(*driver_->list(list)).value(0)));
        }
        QVERIFY(driver_->click("cmdCalculate"));
        QVERIFY(!driver_->box("txtHours")->text().isEmpty());
        QVERIFY(driver_->type(commands.typedInto, "12"));

        // Rebuilding the lists raises none of their signals.
        int raised = 0;
        const QObject guard;
        for (const ListId list : hourvault::allLists) {
            connect(driver_->list(list), &QComboBox::currentIndexChanged, &guard,
                    [&] { ++raised; });
            connect(driver_->list(list), &QComboBox::editTextChanged, &guard, [&] { ++raised; });
        }
        QVERIFY(command == "cmdClear" ? driver_->click(command)
                                      : driver_->chooseFromMenuBar(command));
        verifyResetFor(commands.model, commands.format);
        QCOMPARE(raised, 0);
        QCOMPARE(focused(), command == "cmdClear" ? driver_->find<QWidget>(command)
                                                  : driver_->list(commands.typedInto));
        if (command != "cmdClear") {
            QCOMPARE(driver_->list(commands.typedInto)->lineEdit()->selectedText(),
                     prompt(commands.typedInto));
        }
    }

    void typicalRequestByDropDownPicks() {
        for (const ListId list : hourvault::allLists) {
            QVERIFY(driver_->pickByPopup(list, choice(list)));
        }
        QCOMPARE(results(), noResults);
        QVERIFY(driver_->click("cmdCalculate"));
        QCOMPARE(results(), typicalResults);
        QCOMPARE(focused(), driver_->find<QWidget>("cmdCalculate"));
        // A new pick blanks the results.
        QVERIFY(driver_->pickByPopup(hddsize, "1 TB"));
        QCOMPARE(results(), noResults);
    }

    void resultsUseTheLocalesDecimalComma() {
        QLocale::setDefault(QLocale(qString(hourvault::cases::decimalCommaLocale)));
        for (const auto& request : hourvault::cases::decimalCommaRequests) {
            QVERIFY(pickAll(request.choices));
            QVERIFY(driver_->click("cmdCalculate"));
            QCOMPARE(results(), QStringList({qString(request.hours), qString(request.days)}));
        }
    }

    void frameRateKeepsOrDropsTypedText_data() {
        QTest::addColumn<int>("row");
        for (std::size_t row = 0; row < hourvault::cases::rateLeavings.size(); ++row) {
            QTest::newRow(hourvault::cases::rateLeavings.at(row).name.data()) << int(row);
        }
    }

    void frameRateKeepsOrDropsTypedText() {
        QFETCH(int, row);
        const auto& leaving = hourvault::cases::rateLeavings.at(std::size_t(row));
        if (leaving.cameras) {
            QVERIFY(driver_->pickByKeys(cameras, choice(cameras)));
        }
        QVERIFY(driver_->pickByKeys(resolution, choice(resolution)));
        if (leaving.resolutionRetyped) {
            QVERIFY(driver_->type(resolution, "720"));
            driver_->tab();
        }
        QComboBox* frameRate_ = driver_->list(frameRate);
        QVERIFY(driver_->type(frameRate, "9"));
        driver_->tab();
        QCOMPARE(focused(), driver_->list(cameras));
        QCOMPARE(frameRate_->currentText(), qString(leaving.shown));
        QCOMPARE(frameRate_->currentIndex(), -1);
        QCOMPARE(entries(*frameRate_),
                 leaving.rebuilt ? qStrings(hourvault::cases::typicalRates) : QStringList());
    }

    void editingDropsTheChoiceAndReturnChoosesNothing() {
        QComboBox* audio_ = driver_->list(audio);
        QVERIFY(driver_->pickByKeys(audio, "8 kHz Audio (8KB/sec)"));
        QTest::keyClick(audio_, Qt::Key_Backspace);
        QCOMPARE(audio_->currentIndex(), -1);
        QCOMPARE(audio_->currentText(), "8 kHz Audio (8KB/sec");

        // Nothing is completed, and neither Return nor Enter makes an entry's text a choice.
        QSignalSpy calculate(driver_->find<QPushButton>("cmdCalculate"), &QPushButton::clicked);
        QSignalSpy clear(driver_->find<QPushButton>("cmdClear"), &QPushButton::clicked);
        QVERIFY(driver_->type(audio, "No"));
        QCOMPARE(audio_->currentText(), "No");
        QTest::keyClicks(audio_, " Audio");
        QTest::keyClick(audio_, Qt::Key_Return);
        QTest::keyClick(audio_, Qt::Key_Enter);
        QCOMPARE(audio_->currentIndex(), -1);
        QCOMPARE(audio_->currentText(), "No Audio");
        QCOMPARE(calculate.count() + clear.count(), 0);
        QCOMPARE(focused(), audio_);
    }

    // Typing a chosen entry's very text over all of it changes nothing, by keys as by an input
    // method: the choice stands and leaving the list keeps the result.
    void retypingTheChosenTextKeepsTheChoice_data() {
        QTest::addColumn<bool>("inputMethod");
        QTest::newRow("a key") << false;
        QTest::newRow("an input method's commit") << true;
    }

    void retypingTheChosenTextKeepsTheChoice() {
        QFETCH(bool, inputMethod);
        QVERIFY(computeTypical());
        QComboBox* list = driver_->list(cameras);
        QVERIFY(driver_->clickInto(cameras));
        list->lineEdit()->selectAll();
        if (inputMethod) {
            QInputMethodEvent commit;
            commit.setCommitString(choice(cameras));
            QApplication::sendEvent(list->lineEdit(), &commit);
        } else {
            QTest::keyClicks(list->lineEdit(), choice(cameras));
        }
        driver_->tab();
        QCOMPARE(list->currentText(), choice(cameras));
        QCOMPARE(list->currentIndex(), list->findText(choice(cameras)));
        QCOMPARE(results(), typicalResults);
    }

    void focusedButtonAnswersSpaceAndEnter_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("pressed");
        QTest::newRow("Calculate, Space") << int(Qt::Key_Space) << "cmdCalculate";
        QTest::newRow("Calculate, Enter") << int(Qt::Key_Enter) << "cmdCalculate";
        QTest::newRow("Calculate, Escape") << int(Qt::Key_Escape) << "";
        QTest::newRow("Clear, Return") << int(Qt::Key_Return) << "cmdClear";
    }

    void focusedButtonAnswersSpaceAndEnter() {
        QFETCH(int, key);
        QFETCH(QString, pressed);

        if (pressed == "cmdClear") {
            driver_->tab();
        }
        QSignalSpy calculate(driver_->find<QPushButton>("cmdCalculate"), &QPushButton::clicked);
        QSignalSpy clear(driver_->find<QPushButton>("cmdClear"), &QPushButton::clicked);
        const MessageBoxReader box; // Calculate with nothing chosen names the cameras.
        QTest::keyClick(focused(), Qt::Key(key));
        QCOMPARE(calculate.count(), pressed == "cmdCalculate" ? 1 : 0);
        QCOMPARE(clear.count(), pressed == "cmdClear" ? 1 : 0);
    }

    // Whatever changed a list's text, and whatever way the focus leaves it, a text that was not
    // picked is never a choice: the list's check runs once the focus reaches another control,
    // or at once for text that arrives while no one is typing in the list. A drop is refused.
    void aTextNotPickedIsNoChoice_data() {
        QTest::addColumn<int>("route");
        for (std::size_t route = 0; route < routes.size(); ++route) {
            QTest::newRow(routes.at(route).name) << int(route);
        }
    }

    void aTextNotPickedIsNoChoice() {
        QFETCH(int, route);
        const Route& way = routes.at(std::size_t(route));
        QVERIFY(computeTypical());
        (this->*way.arrive)();
        // Until the list is left, a typed text and the result stay as they are.
        QCOMPARE(results(), typicalResults);

        plainBar_ = window_->menuBar()->grab().toImage();
        MessageBoxReader box;
        (this->*way.leave)();
        QTRY_COMPARE(box.seen, way.message);
        QCOMPARE(box.text, way.message ? qString(hourvault::expected::message(hddsize)) : "");
        QCOMPARE(driver_->list(hddsize)->currentText(), prompt(hddsize));
        QCOMPARE(driver_->list(hddsize)->currentIndex(), -1);
        QCOMPARE(results(), noResults);
    }

    void aDroppedTextIsRefused() {
        QVERIFY(computeTypical());
        QMimeData text;
        text.setText("999 GB");
        const QPointF at = diskField()->mapTo(window_.get(), diskField()->rect().center());
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &text, Qt::LeftButton, {});
        QApplication::sendEvent(window_->windowHandle(), &enter);
        QDropEvent drop(at, Qt::CopyAction, &text, Qt::LeftButton, {});
        QApplication::sendEvent(window_->windowHandle(), &drop);
        QCOMPARE(driver_->list(hddsize)->currentText(), choice(hddsize));
        QCOMPARE(results(), typicalResults);
    }

    void typedTextOutlivesItsDropDownAndAMenu() {
        QVERIFY(computeTypical());
        QVERIFY(driver_->type(cameras, "12"));
        for (const QString opened : {"cameras", "mnuFile"}) {
            const bool menu = opened.startsWith("mnu");
            QVERIFY(menu ? driver_->openMenu(opened) : driver_->clickInto(cameras, true));
            QWidget* popup = menu ? static_cast<QWidget*>(driver_->find<QMenu>(opened))
                                  : driver_->list(cameras)->view();
            QTest::keyClick(popup, Qt::Key_Escape);
            QTRY_VERIFY(!popup->isVisible());
            QVERIFY(driver_->activate());
            if (focused() == window_->menuBar()) { // the first Escape only returns to the menu bar
                QTest::keyClick(window_->menuBar(), Qt::Key_Escape);
            }
            QTRY_COMPARE(focused(), driver_->list(cameras));
            QCOMPARE(driver_->list(cameras)->currentText(), "12");
            QCOMPARE(results(), typicalResults);
        }
    }

    void calculateNamesTheFirstMissingChoice_data() {
        QTest::addColumn<int>("row");
        for (std::size_t row = 0; row < hourvault::cases::missingChoices.size(); ++row) {
            QTest::newRow(hourvault::cases::missingChoices.at(row).name.data()) << int(row);
        }
    }

    void calculateNamesTheFirstMissingChoice() {
        QFETCH(int, row);
        using hourvault::cases::Leaving;
        const auto& missing = hourvault::cases::missingChoices.at(std::size_t(row));

        for (const ListId list : hourvault::allLists) {
            if (indexOf(list) < missing.picked) {
                QVERIFY(driver_->pickByKeys(list, choice(list)));
            }
        }
        driver_->box("txtHours")->setText("earlier");
        driver_->box("txtDays")->setText("result");
        QStringList shown;
        QList<QStringList> offered;
        for (const ListId list : hourvault::allLists) {
            shown << driver_->list(list)->currentText();
            offered << entries(*driver_->list(list));
        }
        if (missing.typedInto) {
            QVERIFY(driver_->type(*missing.typedInto, qString(missing.typed)));
            QCOMPARE(driver_->list(*missing.typedInto)->currentIndex(), -1);
            shown[qsizetype(indexOf(*missing.typedInto))] = prompt(*missing.typedInto);
        }
        if (missing.leaving != Leaving::none) {
            driver_->tab(missing.leaving == Leaving::backtab);
        }

        MessageBoxReader box;
        QVERIFY(driver_->click("cmdCalculate"));
        QTRY_VERIFY(box.seen && QApplication::activeModalWidget() == nullptr);
        QCOMPARE(box.title, "Missing Data");
        QCOMPARE(box.text, qString(hourvault::expected::message(missing.missing)));
        QCOMPARE(box.buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
        QVERIFY(box.noIcon);
        QVERIFY(driver_->activate());
        QComboBox* named = driver_->list(missing.missing);
        QTRY_COMPARE_WITH_TIMEOUT(focused(), named, 1000);
        // Selected, as Tab would, so that typing replaces it.
        QCOMPARE(named->lineEdit()->selectedText(), shown.at(qsizetype(indexOf(missing.missing))));
        QCOMPARE(results(), missing.typedInto ? noResults : QStringList({"earlier", "result"}));
        for (const ListId list : hourvault::allLists) {
            QCOMPARE(driver_->list(list)->currentText(), shown.at(qsizetype(indexOf(list))));
            QCOMPARE(entries(*driver_->list(list)), offered.at(qsizetype(indexOf(list))));
        }
    }

    void wheelTurnsOnlyTheFocusedList() {
        QVERIFY(computeTypical());
        QComboBox* disk = driver_->list(hddsize);
        QVERIFY(disk->focusPolicy() != Qt::WheelFocus); // passing over takes no focus
        const auto turn = [disk] {
            QWheelEvent wheel(QPointF(10, 10), disk->mapToGlobal(QPointF(10, 10)), {},
                              QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                              false);
            QApplication::sendEvent(disk, &wheel);
        };
        turn();
        QCOMPARE(disk->currentText(), choice(hddsize));
        QCOMPARE(results(), typicalResults);
        QVERIFY(driver_->clickInto(hddsize));
        turn();
        QCOMPARE(disk->currentText(), "750 GB");
        QCOMPARE(results(), noResults);
    }

    void shortcutsActWithADropDownOpen_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Ctrl+C runs Clear") << int(Qt::Key_C);
        QTest::newRow("Ctrl+G opens the Glossary") << int(Qt::Key_G);
    }

    void shortcutsActWithADropDownOpen() {
        QFETCH(int, key);
        QVERIFY(computeTypical());
        QComboBox* audio_ = driver_->list(audio);
        QVERIFY(driver_->clickInto(audio, true));
        QTest::keyClick(audio_->view(), Qt::Key(key), Qt::ControlModifier);
        QVERIFY(!audio_->view()->isVisible());
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
        if (key == Qt::Key_C) {
            QCOMPARE(audio_->currentText(), prompt(audio));
            QCOMPARE(results(), noResults);
        } else {
            QTRY_VERIFY(window_->isHidden());
            QVERIFY(hourvault::testing::shownTopLevel("glossary") != nullptr);
            QCOMPARE(audio_->currentText(), choice(audio));
        }
    }

    // Runs last, and Exit last of all: it asks the application to quit. On a keyboard without
    // Latin letters the shortcut is the key in the letter's place, as desktop programs do.
    void menuShortcutsBeatEditingKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("text"); // what the key types on its layout
        QTest::addColumn<quint32>("scanCode");
        QTest::newRow("Ctrl+C runs Clear, copies nothing") << int(Qt::Key_C) << "mnuClear"
                                                           << "c" << 54u;
        QTest::newRow("Ctrl+C on a Russian keyboard")
            << 0x0421 << "mnuClear" << QString(QChar(0x0441)) << 54u; // С, с
        QTest::newRow("Ctrl+X runs Exit, cuts nothing") << int(Qt::Key_X) << "mnuExit"
                                                        << "x" << 53u;
    }

    void menuShortcutsBeatEditingKeys() {
        QFETCH(int, key);
        QFETCH(QString, command);
        QFETCH(QString, text);
        QFETCH(quint32, scanCode);

        QGuiApplication::clipboard()->setText("before");
        QSignalSpy triggered(driver_->action(command), &QAction::triggered);
        QVERIFY(computeTypical());
        QComboBox* list = driver_->list(cameras);
        QVERIFY(driver_->type(cameras, "12"));
        QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
        if (key >= Qt::Key_A && key <= Qt::Key_Z) {
            QTest::keyClick(list, Qt::Key(key), Qt::ControlModifier);
        } else { // no Latin shortcut matches: the key comes to the field with its place
            QKeyEvent press(QEvent::KeyPress, key, Qt::ControlModifier, scanCode, 0, 0, text);
            QApplication::sendEvent(list->lineEdit(), &press);
        }
        QCOMPARE(triggered.count(), 1);
        QCOMPARE(QGuiApplication::clipboard()->text(), "before");
        QCOMPARE(focused(), list);
        QCOMPARE(list->currentText(), command == "mnuClear" ? prompt(cameras) : "12");
        QCOMPARE(results(), command == "mnuClear" ? noResults : typicalResults);
    }
};

const std::array<MainWindowBehaviourTest::Route, 9> MainWindowBehaviourTest::routes{{
    {"typed, Model menu by mouse, Escape, Calculate", &MainWindowBehaviourTest::typeAnX,
     &MainWindowBehaviourTest::modelMenuEscapeCalculate, true},
    {"typed, Alt, Calculate", &MainWindowBehaviourTest::typeAnX,
     &MainWindowBehaviourTest::altCalculate, true},
    {"typed, Calculate", &MainWindowBehaviourTest::typeAnX,
     &MainWindowBehaviourTest::clickCalculate, true},
    {"typed, Tab", &MainWindowBehaviourTest::typeAnX, &MainWindowBehaviourTest::tab, false},
    {"typed, click into cameras", &MainWindowBehaviourTest::typeAnX,
     &MainWindowBehaviourTest::clickIntoCameras, false},
    {"typed, Calculate pressed by its accessible action", &MainWindowBehaviourTest::typeAnX,
     &MainWindowBehaviourTest::pressCalculate, true},
    {"typed, Calculate pressed by its action while another window is active",
     &MainWindowBehaviourTest::typeAnX, &MainWindowBehaviourTest::pressCalculateInAnInactiveWindow,
     true},
    {"an entry's text set by an assistive tool, list focused, Calculate",
     &MainWindowBehaviourTest::replaceByAssistiveTool, &MainWindowBehaviourTest::clickCalculate,
     true},
    {"a text set by an assistive tool while Calculate has the focus",
     &MainWindowBehaviourTest::nothing, &MainWindowBehaviourTest::setByAssistiveTool, false},
}};

QTEST_MAIN(MainWindowBehaviourTest)
#include "main_window_behaviour_test.moc"
