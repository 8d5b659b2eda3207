// What the main window does on the user's picks, typing, buttons, menus and shortcuts.

#include "calculator_window.h"
#include "expected_texts.h"
#include "window_driver.h"

#include <QAccessible>
#include <QClipboard>
#include <QMimeData>
#include <QSignalSpy>

#include <memory>

using hourvault::CalculatorWindow;
using hourvault::testing::entries;
using hourvault::testing::MessageBoxReader;
using hourvault::testing::WindowDriver;

namespace {

QStringList qStrings(const std::array<std::string_view, 6>& texts) {
    QStringList strings;
    for (const std::string_view text : texts) {
        strings << QString::fromUtf8(text.data(), qsizetype(text.size()));
    }
    return strings;
}

// clang-format off
// In the order Calculate checks them, with their prompts and what Calculate says of them.
const QStringList lists{"cameras", "resolution", "quality", "frameRate", "audio", "hddsize"};
const QStringList prompts = qStrings(hourvault::expected::prompts);
const QStringList messages = qStrings(hourvault::expected::missingMessages);
// 8 cameras at 2CIF, Q4, 7 images per second, no audio, 500 GB: 200.05 hours, 8.3 days.
const QStringList typical{"8", "720 x 240 (2CIF)", "Q4 (13KB)", "7", "No Audio", "500 GB"};
const QStringList typicalResults{"200.05", "8.3"};
const QStringList noResults{"", ""};
const QStringList twoCifRates{"7", "3", "2", "1"};
const QStringList cameraCounts{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16"};
// clang-format on

} // namespace

class MainWindowBehaviourTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CalculatorWindow> window_;
    std::unique_ptr<WindowDriver> driver_;

    [[nodiscard]] bool pickAll(const QStringList& picks) const {
        for (qsizetype i = 0; i < picks.size(); ++i) {
            if (!picks.at(i).isEmpty() && !driver_->pickByKeys(lists.at(i), picks.at(i))) {
                qWarning() << "could not pick" << picks.at(i);
                return false;
            }
        }
        return true;
    }

    [[nodiscard]] QStringList results() const {
        return {driver_->box("txtHours")->text(), driver_->box("txtDays")->text()};
    }

    [[nodiscard]] bool computeTypical() const {
        return pickAll(typical) && driver_->click("cmdCalculate") && results() == typicalResults;
    }

    [[nodiscard]] QWidget* focused() const { return QApplication::focusWidget(); }

    // Every list rebuilt for the model and format, showing its prompt; the display matches.
    void verifyResetFor(bool tx4160, bool ntsc) const {
        const QString lines = ntsc ? "240" : "288";
        const QStringList hddSizes =
            ntsc ? QStringList{"250 GB", "500 GB", "750 GB", "1 TB", "1.2 TB"}
                 : QStringList{"320 GB", "640 GB", "1 TB"};
        // clang-format off
        const QList<QStringList> offered{cameraCounts.mid(0, tx4160 ? 16 : 9), {"360 x " + lines + " (CIF)", "720 x " + lines + " (2CIF)"}, {}, {},
                                         {"No Audio", "8 kHz Audio (8KB/sec)", "12 kHz Audio (12KB/sec)"}, hddSizes};
        // clang-format on
        for (qsizetype i = 0; i < lists.size(); ++i) {
            const QComboBox* list = driver_->list(lists.at(i));
            QCOMPARE(list->currentText(), prompts.at(i));
            QCOMPARE(list->currentIndex(), -1);
            QCOMPARE(entries(*list), offered.at(i));
        }
        QCOMPARE(results(), noResults);
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
        auto* format = driver_->find<QLabel>("txtFormat");
        QCOMPARE(format->text(), ntsc ? "NTSC" : "PAL");
        QCOMPARE(window_->centralWidget()->childAt(format->geometry().center()), format);
        QCOMPARE(window_->centralWidget()->childAt(100, 100)->objectName(),
                 tx4160 ? "favor16" : "favor9");
    }

private slots:
    void init() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        window_ = std::make_unique<CalculatorWindow>();
        driver_ = std::make_unique<WindowDriver>(*window_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    void cleanup() {
        driver_.reset();
        window_.reset();
    }

    void opensAsTx4160InNtsc() {
        QCOMPARE(window_->windowTitle(), "OSTREL  Hourvault");
        verifyResetFor(true, true);
        QCOMPARE(focused(), driver_->find<QWidget>("cmdCalculate"));
    }

    void commandsResetTheListsAndMoveNoFocus_data() {
        QTest::addColumn<QStringList>("commands"); // the last one from the menu bar, or clicked
        QTest::addColumn<QString>("typedInto");
        QTest::addColumn<bool>("tx4160");
        QTest::addColumn<bool>("ntsc");
        // clang-format off
        QTest::newRow("TX-4160 PAL") << QStringList{"mnuPAL"} << "cameras" << true << false;
        QTest::newRow("TX-4090 NTSC") << QStringList{"mnu9"} << "audio" << false << true;
        QTest::newRow("TX-4090 PAL") << QStringList{"mnuPAL", "mnu9"} << "hddsize" << false << false;
        QTest::newRow("TX-4160 NTSC, back from TX-4090 PAL") << QStringList{"mnu9", "mnuPAL", "mnu16", "mnuNTSC"} << "frameRate" << true << true;
        QTest::newRow("NTSC again") << QStringList{"mnuNTSC"} << "resolution" << true << true;
        QTest::newRow("TX-4090 again") << QStringList{"mnu9", "mnu9"} << "quality" << false << true;
        QTest::newRow("File > Clear keeps TX-4090 PAL") << QStringList{"mnu9", "mnuPAL", "mnuClear"} << "cameras" << false << false;
        QTest::newRow("Clear button keeps TX-4090 PAL") << QStringList{"mnu9", "mnuPAL", "cmdClear"} << "audio" << false << false;
        // clang-format on
    }

    void commandsResetTheListsAndMoveNoFocus() {
        QFETCH(QStringList, commands);
        QFETCH(QString, typedInto);
        QFETCH(bool, tx4160);
        QFETCH(bool, ntsc);

        const QString command = commands.takeLast();
        for (const QString& item : commands) {
            driver_->action(item)->trigger();
        }
        // A result on display, every list chosen and a typed text not yet left.
        for (const QString& name : lists) {
            QVERIFY(driver_->pickByKeys(name, entries(*driver_->list(name)).value(0)));
        }
        QVERIFY(driver_->click("cmdCalculate"));
        QVERIFY(!driver_->box("txtHours")->text().isEmpty());
        QVERIFY(driver_->type(typedInto, "12"));

        // Rebuilding the lists raises none of their signals.
        int raised = 0;
        const QObject guard;
        for (const QString& name : lists) {
            connect(driver_->list(name), &QComboBox::currentIndexChanged, &guard,
                    [&] { ++raised; });
            connect(driver_->list(name), &QComboBox::editTextChanged, &guard, [&] { ++raised; });
        }
        QVERIFY(command == "cmdClear" ? driver_->click(command)
                                      : driver_->chooseFromMenuBar(command));
        verifyResetFor(tx4160, ntsc);
        QCOMPARE(raised, 0);
        QCOMPARE(focused(), driver_->find<QWidget>(command == "cmdClear" ? command : typedInto));
    }

    void typicalRequestByDropDownPicks() {
        for (qsizetype i = 0; i < lists.size(); ++i) {
            QVERIFY(driver_->pickByPopup(lists.at(i), typical.at(i)));
        }
        QCOMPARE(results(), noResults);
        QVERIFY(driver_->click("cmdCalculate"));
        QCOMPARE(results(), typicalResults);
        QCOMPARE(focused(), driver_->find<QWidget>("cmdCalculate"));
        // A new pick blanks the results.
        QVERIFY(driver_->pickByPopup("hddsize", "1 TB"));
        QCOMPARE(results(), noResults);
    }

    void resultsUseTheLocalesDecimalComma() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(
            pickAll({"16", "360 x 240 (CIF)", "Q4 (8KB)", "7", "8 kHz Audio (8KB/sec)", "500 GB"}));
        QVERIFY(driver_->click("cmdCalculate"));
        QCOMPARE(results(), QStringList({"161,1", "6,7"}));
        // Whole hours show no grouping sign.
        QVERIFY(pickAll({"1", "", "Q7 (11KB)", "30", "12 kHz Audio (12KB/sec)", "1.2 TB"}));
        QVERIFY(driver_->click("cmdCalculate"));
        QCOMPARE(results(), QStringList({"1022", "42,6"}));
    }

    void frameRateKeepsOrDropsTypedText_data() {
        QTest::addColumn<QStringList>("picks");
        QTest::addColumn<bool>("dropResolution");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("rates");
        // clang-format off
        QTest::newRow("resolution dropped: prompt, entries kept") << typical.mid(0, 2) << true << prompts.at(3) << twoCifRates;
        QTest::newRow("resolution but no cameras: typed text stays") << QStringList{"", typical.at(1)} << false << "9" << QStringList{};
        QTest::newRow("both chosen: prompt, rebuilt") << typical << false << prompts.at(3) << twoCifRates;
        // clang-format on
    }

    void frameRateKeepsOrDropsTypedText() {
        QFETCH(QStringList, picks);
        QFETCH(bool, dropResolution);
        QFETCH(QString, shown);
        QFETCH(QStringList, rates);

        QVERIFY(pickAll(picks));
        if (dropResolution) {
            QVERIFY(driver_->type("resolution", "720"));
            driver_->tab();
        }
        QComboBox* frameRate = driver_->list("frameRate");
        QVERIFY(driver_->type("frameRate", "9"));
        driver_->tab();
        QCOMPARE(focused(), driver_->list("cameras"));
        QCOMPARE(frameRate->currentText(), shown);
        QCOMPARE(frameRate->currentIndex(), -1);
        QCOMPARE(entries(*frameRate), rates);
    }

    void editingDropsTheChoiceAndReturnChoosesNothing() {
        QComboBox* audio = driver_->list("audio");
        QVERIFY(driver_->pickByKeys("audio", "8 kHz Audio (8KB/sec)"));
        QTest::keyClick(audio, Qt::Key_Backspace);
        QCOMPARE(audio->currentIndex(), -1);
        QCOMPARE(audio->currentText(), "8 kHz Audio (8KB/sec");

        // Nothing is completed, and neither Return nor Enter makes an entry's text a choice.
        QSignalSpy calculate(driver_->find<QPushButton>("cmdCalculate"), &QPushButton::clicked);
        QSignalSpy clear(driver_->find<QPushButton>("cmdClear"), &QPushButton::clicked);
        QVERIFY(driver_->type("audio", "No"));
        QCOMPARE(audio->currentText(), "No");
        QTest::keyClicks(audio, " Audio");
        QTest::keyClick(audio, Qt::Key_Return);
        QTest::keyClick(audio, Qt::Key_Enter);
        QCOMPARE(audio->currentIndex(), -1);
        QCOMPARE(audio->currentText(), "No Audio");
        QCOMPARE(calculate.count() + clear.count(), 0);
        QCOMPARE(focused(), audio);
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
    // or at once for text that arrives while no one is typing in the list.
    void aTextNotPickedIsNoChoice_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("shown"); // afterwards, in hddsize
        QTest::addColumn<bool>("message");  // Calculate was pressed and names hddsize
        // clang-format off
        QTest::newRow("typed, Model menu by mouse, Escape, Calculate") << "menu" << prompts.at(5) << true;
        QTest::newRow("typed, Alt, Calculate") << "alt" << prompts.at(5) << true;
        QTest::newRow("typed, Calculate") << "calculate" << prompts.at(5) << true;
        QTest::newRow("typed, Tab") << "tab" << prompts.at(5) << false;
        QTest::newRow("typed, click into cameras") << "cameras" << prompts.at(5) << false;
        QTest::newRow("typed, Calculate pressed by its accessible action") << "press" << prompts.at(5) << true;
        QTest::newRow("an entry's text set by an assistive tool, list focused, Calculate") << "replace" << prompts.at(5) << true;
        QTest::newRow("a text set by an assistive tool while Calculate has the focus") << "set" << prompts.at(5) << false;
        QTest::newRow("a text dropped while Calculate has the focus") << "drop" << typical.at(5) << false;
        // clang-format on
    }

    void aTextNotPickedIsNoChoice() {
        QFETCH(QString, way);
        QFETCH(QString, shown);
        QFETCH(bool, message);

        QVERIFY(computeTypical());
        QComboBox* hddsize = driver_->list("hddsize");
        QLineEdit* field = hddsize->lineEdit();
        QAccessibleInterface* fieldAccess = QAccessible::queryAccessibleInterface(field);
        auto* calculate = driver_->find<QPushButton>("cmdCalculate");
        if (way == "replace") {
            QVERIFY(driver_->clickInto("hddsize"));
            fieldAccess->editableTextInterface()->replaceText(0, int(field->text().size()), "1 TB");
            QCOMPARE(hddsize->currentIndex(), -1);
        } else if (way != "set" && way != "drop") {
            QVERIFY(driver_->clickInto("hddsize"));
            QTest::keyClick(field, Qt::Key_End);
            QTest::keyClicks(field, "x");
        }
        // Until the list is left, a typed text and the result stay as they are.
        QCOMPARE(results(), typicalResults);

        const QImage plainBar = window_->menuBar()->grab().toImage();
        MessageBoxReader box;
        if (way == "menu") {
            QVERIFY(driver_->openMenu("mnuModel"));
            QTest::keyClick(driver_->find<QMenu>("mnuModel"), Qt::Key_Escape);
        } else if (way == "alt") {
            QTest::keyClick(field, Qt::Key_Alt);
        }
        if (way == "menu" || way == "alt") {
            QTRY_COMPARE(focused(), window_->menuBar());
            QVERIFY(window_->menuBar()->grab().toImage() != plainBar); // the focus shows
            QCOMPARE(results(), typicalResults);
        }
        if (way == "menu" || way == "alt" || way == "calculate" || way == "replace") {
            QVERIFY(driver_->click("cmdCalculate"));
        } else if (way == "tab") {
            driver_->tab();
        } else if (way == "cameras") {
            QVERIFY(driver_->clickInto("cameras"));
        } else if (way == "press") {
            QAccessible::queryAccessibleInterface(calculate)->actionInterface()->doAction(
                QAccessibleActionInterface::pressAction());
        } else if (way == "set") {
            fieldAccess->setText(QAccessible::Value, "1 TB");
        } else if (way == "drop") {
            QMimeData text;
            text.setText("999 GB");
            const QPointF at = field->mapTo(window_.get(), field->rect().center());
            QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &text, Qt::LeftButton, {});
            QApplication::sendEvent(window_->windowHandle(), &enter);
            QDropEvent drop(at, Qt::CopyAction, &text, Qt::LeftButton, {});
            QApplication::sendEvent(window_->windowHandle(), &drop);
        }
        QTRY_COMPARE(box.seen, message);
        QCOMPARE(box.text, message ? messages.at(5) : "");
        QCOMPARE(hddsize->currentText(), shown);
        QCOMPARE(hddsize->currentIndex(), entries(*hddsize).indexOf(shown));
        QCOMPARE(results(), shown == typical.at(5) ? typicalResults : noResults);
    }

    void typedTextOutlivesItsDropDownAndAMenu() {
        QVERIFY(computeTypical());
        QVERIFY(driver_->type("cameras", "12"));
        for (const QString opened : {"cameras", "mnuFile"}) {
            const bool menu = opened.startsWith("mnu");
            QVERIFY(menu ? driver_->openMenu(opened) : driver_->clickInto(opened, true));
            QWidget* popup = menu ? static_cast<QWidget*>(driver_->find<QMenu>(opened))
                                  : driver_->list(opened)->view();
            QTest::keyClick(popup, Qt::Key_Escape);
            QTRY_VERIFY(!popup->isVisible());
            QVERIFY(driver_->activate());
            if (focused() == window_->menuBar()) { // the first Escape only returns to the menu bar
                QTest::keyClick(window_->menuBar(), Qt::Key_Escape);
            }
            QTRY_COMPARE(focused(), driver_->list("cameras"));
            QCOMPARE(driver_->list("cameras")->currentText(), "12");
            QCOMPARE(results(), typicalResults);
        }
    }

    void calculateNamesTheFirstMissingChoice_data() {
        QTest::addColumn<int>("picked"); // typical picks, from the top
        QTest::addColumn<QString>("typedInto");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("tab"); // 1 Tab, -1 Shift+Tab, 0 straight to the click on Calculate
        QTest::addColumn<int>("missing");
        // clang-format off
        for (int i = 0; i < lists.size(); ++i) {
            QTest::addRow("%s", qPrintable(lists.at(i))) << i << "" << "" << 0 << i;
        }
        // Leaving a typed text brings the prompt back, the click on Calculate included.
        QTest::newRow("cameras typed, Tab") << 6 << "cameras" << "5" << 1 << 0;
        QTest::newRow("cameras typed, Calculate") << 6 << "cameras" << "5" << 0 << 0;
        QTest::newRow("resolution typed, Shift+Tab") << 6 << "resolution" << typical.at(1) << -1 << 1;
        QTest::newRow("hddsize typed, Calculate") << 6 << "hddsize" << typical.at(5) << 0 << 5;
        // clang-format on
    }

    void calculateNamesTheFirstMissingChoice() {
        QFETCH(int, picked);
        QFETCH(QString, typedInto);
        QFETCH(QString, typed);
        QFETCH(int, tab);
        QFETCH(int, missing);

        QVERIFY(pickAll(typical.mid(0, picked)));
        driver_->box("txtHours")->setText("earlier");
        driver_->box("txtDays")->setText("result");
        QStringList shown;
        QList<QStringList> offered;
        for (const QString& name : lists) {
            shown << driver_->list(name)->currentText();
            offered << entries(*driver_->list(name));
        }
        if (!typedInto.isEmpty()) {
            QVERIFY(driver_->type(typedInto, typed));
            QCOMPARE(driver_->list(typedInto)->currentIndex(), -1);
            shown[lists.indexOf(typedInto)] = prompts.at(lists.indexOf(typedInto));
        }
        if (tab != 0) {
            driver_->tab(tab < 0);
        }

        MessageBoxReader box;
        QVERIFY(driver_->click("cmdCalculate"));
        QTRY_VERIFY(box.seen && QApplication::activeModalWidget() == nullptr);
        QCOMPARE(box.title, "Missing Data");
        QCOMPARE(box.text, messages.at(missing));
        QCOMPARE(box.buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
        QVERIFY(box.noIcon);
        QVERIFY(driver_->activate());
        QTRY_COMPARE_WITH_TIMEOUT(focused(), driver_->list(lists.at(missing)), 1000);
        // Selected, as Tab would, so that typing replaces it.
        QCOMPARE(driver_->list(lists.at(missing))->lineEdit()->selectedText(), shown.at(missing));
        QCOMPARE(results(), typedInto.isEmpty() ? QStringList({"earlier", "result"}) : noResults);
        for (qsizetype i = 0; i < lists.size(); ++i) {
            QCOMPARE(driver_->list(lists.at(i))->currentText(), shown.at(i));
            QCOMPARE(entries(*driver_->list(lists.at(i))), offered.at(i));
        }
    }

    void wheelTurnsOnlyTheFocusedList() {
        QVERIFY(computeTypical());
        QComboBox* hddsize = driver_->list("hddsize");
        QVERIFY(hddsize->focusPolicy() != Qt::WheelFocus); // passing over takes no focus
        const auto turn = [hddsize] {
            QWheelEvent wheel(QPointF(10, 10), hddsize->mapToGlobal(QPointF(10, 10)), {},
                              QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                              false);
            QApplication::sendEvent(hddsize, &wheel);
        };
        turn();
        QCOMPARE(hddsize->currentText(), "500 GB");
        QCOMPARE(results(), typicalResults);
        QVERIFY(driver_->clickInto("hddsize"));
        turn();
        QCOMPARE(hddsize->currentText(), "750 GB");
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
        QComboBox* audio = driver_->list("audio");
        QVERIFY(driver_->clickInto("audio", true));
        QTest::keyClick(audio->view(), Qt::Key(key), Qt::ControlModifier);
        QVERIFY(!audio->view()->isVisible());
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
        if (key == Qt::Key_C) {
            QCOMPARE(audio->currentText(), prompts.at(4));
            QCOMPARE(results(), noResults);
        } else {
            QTRY_VERIFY(window_->isHidden());
            QVERIFY(hourvault::testing::shownTopLevel("glossary") != nullptr);
            QCOMPARE(audio->currentText(), "No Audio");
        }
    }

    // Runs last, and Exit last of all: it asks the application to quit.
    void menuShortcutsBeatEditingKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("command");
        QTest::newRow("Ctrl+C runs Clear, copies nothing") << int(Qt::Key_C) << "mnuClear";
        QTest::newRow("Ctrl+X runs Exit, cuts nothing") << int(Qt::Key_X) << "mnuExit";
    }

    void menuShortcutsBeatEditingKeys() {
        QFETCH(int, key);
        QFETCH(QString, command);

        QGuiApplication::clipboard()->setText("before");
        QSignalSpy triggered(driver_->action(command), &QAction::triggered);
        QVERIFY(computeTypical());
        QComboBox* cameras = driver_->list("cameras");
        QVERIFY(driver_->type("cameras", "12"));
        QTest::keyClick(cameras, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(cameras, Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(triggered.count(), 1);
        QCOMPARE(QGuiApplication::clipboard()->text(), "before");
        QCOMPARE(focused(), cameras);
        QCOMPARE(cameras->currentText(), command == "mnuClear" ? prompts.at(0) : "12");
        QCOMPARE(results(), command == "mnuClear" ? noResults : typicalResults);
    }
};

QTEST_MAIN(MainWindowBehaviourTest)
#include "main_window_behaviour_test.moc"
