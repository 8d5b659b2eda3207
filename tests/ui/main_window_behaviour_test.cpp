// What the main window does on the user's picks, typing, buttons, menus and shortcuts.

#include "calculator_window.h"
#include "window_driver.h"

#include <QClipboard>
#include <QLabel>
#include <QLocale>
#include <QSignalSpy>

#include <memory>

using namespace hourvault;
using hourvault::testing::entries;
using hourvault::testing::MessageBoxReader;
using hourvault::testing::WindowDriver;

namespace {

// In the order Calculate checks them.
const QStringList listNames{"cameras", "resolution", "quality", "frameRate", "audio", "hddsize"};

const QStringList prompts{"< select # of cameras >",    "< select resolution >",
                          "< select picture quality >", "< select recording rate >",
                          "< select audio quality >",   "< select HDD size >"};

QString promptOf(const QString& list) {
    return prompts.at(listNames.indexOf(list));
}

// 8 cameras at 2CIF, Q4, 7 images per second, no audio, 500 GB: 200.05 hours, 8.3 days.
const QStringList typicalRequest{"8", "720 x 240 (2CIF)", "Q4 (13KB)", "7", "No Audio", "500 GB"};
const QStringList twoCifRates{"7", "3", "2", "1"};

QStringList numbers(int last) {
    QStringList texts;
    for (int n = 1; n <= last; ++n) {
        texts.append(QString::number(n));
    }
    return texts;
}

} // namespace

class MainWindowBehaviourTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void modelAndFormatCommandsResetEverything_data();
    void modelAndFormatCommandsResetEverything();
    void typicalRequestFromStartUp();
    void resultFollowsTheLocale_data();
    void resultFollowsTheLocale();
    void frameRateKeepsOrDropsTypedText_data();
    void frameRateKeepsOrDropsTypedText();
    void leavingAChosenListChangesNothing_data();
    void leavingAChosenListChangesNothing();
    void editingDropsTheChoiceAtOnce();
    void buttonsAnswerSpaceAndEnterOnlyWhenFocused_data();
    void buttonsAnswerSpaceAndEnterOnlyWhenFocused();
    void typedTextOutlivesDropDownsAndMenus_data();
    void typedTextOutlivesDropDownsAndMenus();
    void missingChoiceIsReported_data();
    void missingChoiceIsReported();
    void typedTextIsDroppedOnLeaving_data();
    void typedTextIsDroppedOnLeaving();
    void clearKeepsModelAndFormat_data();
    void clearKeepsModelAndFormat();
    void menuCommandMovesNoFocus_data();
    void menuCommandMovesNoFocus();
    void menuShortcutsBeatEditingKeys_data();
    void menuShortcutsBeatEditingKeys();

private:
    [[nodiscard]] bool pickAll(const QStringList& picks, bool byPopup = false) const;
    [[nodiscard]] QStringList results() const;
    [[nodiscard]] bool computeTypicalRequest() const;
    void verifyResetFor(bool tx4160, bool ntsc) const;

    QLocale startLocale_;
    std::unique_ptr<CalculatorWindow> window_;
    std::unique_ptr<WindowDriver> driver_;
};

void MainWindowBehaviourTest::initTestCase() {
    startLocale_ = QLocale();
}

void MainWindowBehaviourTest::init() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    window_ = std::make_unique<CalculatorWindow>();
    driver_ = std::make_unique<WindowDriver>(*window_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void MainWindowBehaviourTest::cleanup() {
    driver_.reset();
    window_.reset();
    QLocale::setDefault(startLocale_);
}

bool MainWindowBehaviourTest::pickAll(const QStringList& picks, bool byPopup) const {
    for (int i = 0; i < picks.size(); ++i) {
        if (picks.at(i).isEmpty()) {
            continue;
        }
        const bool picked = byPopup ? driver_->pickByPopup(listNames.at(i), picks.at(i))
                                    : driver_->pickByKeys(listNames.at(i), picks.at(i));
        if (!picked) {
            qWarning() << "could not pick" << picks.at(i) << "in" << listNames.at(i);
            return false;
        }
    }
    return true;
}

QStringList MainWindowBehaviourTest::results() const {
    return {driver_->box("txtHours")->text(), driver_->box("txtDays")->text()};
}

bool MainWindowBehaviourTest::computeTypicalRequest() const {
    return pickAll(typicalRequest) && driver_->click("cmdCalculate") &&
           results() == QStringList{"200.05", "8.3"};
}

// Every list rebuilt for the model and format, showing its prompt; the display matches.
void MainWindowBehaviourTest::verifyResetFor(bool tx4160, bool ntsc) const {
    for (int i = 0; i < listNames.size(); ++i) {
        QCOMPARE(driver_->list(listNames.at(i))->currentText(), prompts.at(i));
        QCOMPARE(driver_->list(listNames.at(i))->currentIndex(), -1);
    }
    const char* lines = ntsc ? "240" : "288";
    QCOMPARE(entries(*driver_->list("cameras")), numbers(tx4160 ? 16 : 9));
    QCOMPARE(
        entries(*driver_->list("resolution")),
        QStringList({QString("360 x %1 (CIF)").arg(lines), QString("720 x %1 (2CIF)").arg(lines)}));
    QCOMPARE(entries(*driver_->list("quality")), QStringList());
    QCOMPARE(entries(*driver_->list("frameRate")), QStringList());
    QCOMPARE(entries(*driver_->list("audio")),
             QStringList({"No Audio", "8 kHz Audio (8KB/sec)", "12 kHz Audio (12KB/sec)"}));
    QCOMPARE(entries(*driver_->list("hddsize")),
             ntsc ? QStringList({"250 GB", "500 GB", "750 GB", "1 TB", "1.2 TB"})
                  : QStringList({"320 GB", "640 GB", "1 TB"}));
    QCOMPARE(results(), QStringList({"", ""}));

    QCOMPARE(driver_->action("mnu16")->isChecked(), tx4160);
    QCOMPARE(driver_->action("mnu9")->isChecked(), !tx4160);
    QCOMPARE(driver_->action("mnuNTSC")->isChecked(), ntsc);
    QCOMPARE(driver_->action("mnuPAL")->isChecked(), !ntsc);
    QCOMPARE(driver_->find<QLabel>("txtFormat")->text(), ntsc ? "NTSC" : "PAL");
    for (const char* picture : {"favor16", "TX4160"}) {
        QCOMPARE(driver_->find<QWidget>(picture)->isVisibleTo(window_.get()), tx4160);
    }
    for (const char* picture : {"favor9", "TX4090"}) {
        QCOMPARE(driver_->find<QWidget>(picture)->isVisibleTo(window_.get()), !tx4160);
    }
    // What lies on top where the photograph, the name plate and the format caption are.
    QWidget* client = window_->centralWidget();
    QCOMPARE(client->childAt(100, 100)->objectName(), tx4160 ? "favor16" : "favor9");
    QCOMPARE(client->childAt(50, 320)->objectName(), tx4160 ? "TX4160" : "TX4090");
    const QWidget* format = driver_->find<QWidget>("txtFormat");
    QCOMPARE(client->childAt(format->geometry().center()), format);
}

void MainWindowBehaviourTest::modelAndFormatCommandsResetEverything_data() {
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<bool>("tx4160");
    QTest::addColumn<bool>("ntsc");
    // clang-format off
    QTest::newRow("TX-4160 NTSC, back from TX-4090 PAL") << QStringList{"mnu9", "mnuPAL", "mnu16", "mnuNTSC"} << true << true;
    QTest::newRow("TX-4160 PAL") << QStringList{"mnuPAL"} << true << false;
    QTest::newRow("TX-4090 NTSC") << QStringList{"mnu9"} << false << true;
    QTest::newRow("TX-4090 PAL") << QStringList{"mnuPAL", "mnu9"} << false << false;
    QTest::newRow("NTSC again") << QStringList{"mnuNTSC"} << true << true;
    QTest::newRow("TX-4160 again") << QStringList{"mnu16"} << true << true;
    QTest::newRow("PAL again") << QStringList{"mnuPAL", "mnuPAL"} << true << false;
    QTest::newRow("TX-4090 again") << QStringList{"mnu9", "mnu9"} << false << true;
    // clang-format on
}

void MainWindowBehaviourTest::modelAndFormatCommandsResetEverything() {
    QFETCH(QStringList, commands);
    QFETCH(bool, tx4160);
    QFETCH(bool, ntsc);

    for (const QString& command : commands.mid(0, commands.size() - 1)) {
        driver_->action(command)->trigger();
    }
    // A result on display, every list chosen and a typed text: the last command drops all.
    for (const QString& name : listNames) {
        QVERIFY(driver_->pickByKeys(name, entries(*driver_->list(name)).value(0)));
    }
    QVERIFY(driver_->click("cmdCalculate"));
    QVERIFY(!driver_->box("txtHours")->text().isEmpty());
    QVERIFY(driver_->type("audio", "typed"));

    QVERIFY(driver_->chooseFromMenuBar(commands.last()));
    verifyResetFor(tx4160, ntsc);
}

void MainWindowBehaviourTest::typicalRequestFromStartUp() {
    QComboBox* quality = driver_->list("quality");
    QComboBox* frameRate = driver_->list("frameRate");

    QVERIFY(driver_->pickByPopup("cameras", "8"));
    QCOMPARE(entries(*frameRate), QStringList());

    QVERIFY(driver_->pickByPopup("resolution", "720 x 240 (2CIF)"));
    QCOMPARE(entries(*quality), QStringList({"Q7 (18KB)", "Q6 (17KB)", "Q5 (15KB)", "Q4 (13KB)",
                                             "Q3 (10KB)", "Q2 (7KB)", "Q1 (5KB)"}));
    QCOMPARE(quality->currentText(), QStringLiteral("< select picture quality >"));
    QCOMPARE(entries(*frameRate), twoCifRates);
    QCOMPARE(frameRate->currentText(), QStringLiteral("< select recording rate >"));

    QVERIFY(pickAll({"", "", "Q4 (13KB)", "7", "No Audio", "500 GB"}, true));
    QCOMPARE(results(), QStringList({"", ""}));

    QVERIFY(driver_->click("cmdCalculate"));
    QCOMPARE(results(), QStringList({"200.05", "8.3"}));
    QCOMPARE(QApplication::focusWidget(), driver_->find<QWidget>("cmdCalculate"));
    // Unchanged choices give the same texts again; choosing an entry blanks them.
    QVERIFY(driver_->click("cmdCalculate"));
    QCOMPARE(results(), QStringList({"200.05", "8.3"}));
    QVERIFY(driver_->pickByPopup("hddsize", "1 TB"));
    QCOMPARE(results(), QStringList({"", ""}));
}

void MainWindowBehaviourTest::resultFollowsTheLocale_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QStringList>("expected");

    const QLocale german(QLocale::German, QLocale::Germany);
    // clang-format off
    QTest::newRow("full stop") << QLocale(QLocale::English, QLocale::UnitedStates) << typicalRequest << QStringList{"200.05", "8.3"};
    QTest::newRow("comma") << german << QStringList{"16", "360 x 240 (CIF)", "Q4 (8KB)", "7", "8 kHz Audio (8KB/sec)", "500 GB"} << QStringList{"161,1", "6,7"};
    QTest::newRow("comma, whole hours without grouping") << german << QStringList{"1", "360 x 240 (CIF)", "Q7 (11KB)", "30", "12 kHz Audio (12KB/sec)", "1.2 TB"} << QStringList{"1022", "42,6"};
    // clang-format on
}

void MainWindowBehaviourTest::resultFollowsTheLocale() {
    QFETCH(QLocale, locale);
    QFETCH(QStringList, picks);
    QFETCH(QStringList, expected);

    QLocale::setDefault(locale);
    QVERIFY(pickAll(picks));
    QVERIFY(driver_->click("cmdCalculate"));
    QCOMPARE(results(), expected);
}

void MainWindowBehaviourTest::frameRateKeepsOrDropsTypedText_data() {
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<bool>("dropResolution");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("rates");
    // clang-format off
    QTest::newRow("no resolution: prompt back, entries kept") << QStringList{"8", "720 x 240 (2CIF)"} << true << "< select recording rate >" << twoCifRates;
    QTest::newRow("resolution but no cameras: typed text stays") << QStringList{"", "720 x 240 (2CIF)"} << false << "9" << QStringList{};
    QTest::newRow("both chosen: rebuilt with prompt") << typicalRequest << false << "< select recording rate >" << twoCifRates;
    // clang-format on
}

void MainWindowBehaviourTest::frameRateKeepsOrDropsTypedText() {
    QFETCH(QStringList, picks);
    QFETCH(bool, dropResolution);
    QFETCH(QString, shown);
    QFETCH(QStringList, rates);

    QVERIFY(pickAll(picks));
    if (picks.size() == listNames.size()) {
        QVERIFY(driver_->click("cmdCalculate"));
        QCOMPARE(results(), QStringList({"200.05", "8.3"}));
    }
    if (dropResolution) {
        QVERIFY(driver_->type("resolution", "720"));
        driver_->pressTab();
        QCOMPARE(driver_->list("resolution")->currentText(), promptOf("resolution"));
        QCOMPARE(entries(*driver_->list("resolution")).size(), 2);
    }
    const QStringList qualities = entries(*driver_->list("quality"));

    QComboBox* frameRate = driver_->list("frameRate");
    QVERIFY(driver_->type("frameRate", "9"));
    QCOMPARE(frameRate->currentIndex(), -1);
    driver_->pressTab();
    QCOMPARE(QApplication::focusWidget(), driver_->find<QWidget>("cameras"));
    QCOMPARE(frameRate->currentText(), shown);
    QCOMPARE(frameRate->currentIndex(), -1);
    QCOMPARE(entries(*frameRate), rates);
    QCOMPARE(entries(*driver_->list("quality")), qualities);
    QCOMPARE(results(), QStringList({"", ""}));
}

void MainWindowBehaviourTest::leavingAChosenListChangesNothing_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("leaveBy");
    // clang-format off
    QTest::newRow("frameRate by Tab") << "frameRate" << "Tab";
    QTest::newRow("frameRate by Shift+Tab") << "frameRate" << "Shift+Tab";
    QTest::newRow("frameRate by mouse") << "frameRate" << "mouse";
    QTest::newRow("quality by mouse") << "quality" << "mouse";
    // clang-format on
}

void MainWindowBehaviourTest::leavingAChosenListChangesNothing() {
    QFETCH(QString, list);
    QFETCH(QString, leaveBy);

    QVERIFY(computeTypicalRequest());
    QVERIFY(driver_->clickIntoField(list));
    if (leaveBy == QLatin1String("mouse")) {
        QVERIFY(driver_->clickIntoField("audio"));
    } else {
        driver_->pressTab(leaveBy == QLatin1String("Shift+Tab"));
    }
    QVERIFY(!driver_->list(list)->hasFocus());
    for (int i = 0; i < listNames.size(); ++i) {
        QCOMPARE(driver_->list(listNames.at(i))->currentText(), typicalRequest.at(i));
    }
    QCOMPARE(entries(*driver_->list("frameRate")), twoCifRates);
    QCOMPARE(results(), QStringList({"200.05", "8.3"}));
}

void MainWindowBehaviourTest::editingDropsTheChoiceAtOnce() {
    QComboBox* audio = driver_->list("audio");
    QVERIFY(driver_->pickByKeys("audio", "8 kHz Audio (8KB/sec)"));
    QCOMPARE(audio->currentIndex(), 1);

    QTest::keyClick(audio, Qt::Key_Backspace);
    QCOMPARE(audio->currentIndex(), -1);
    QCOMPARE(audio->currentText(), QStringLiteral("8 kHz Audio (8KB/sec"));
    QCOMPARE(audio->lineEdit()->text(), QStringLiteral("8 kHz Audio (8KB/sec"));

    // Return chooses nothing and presses no button.
    QSignalSpy calculate(driver_->find<QPushButton>("cmdCalculate"), &QPushButton::clicked);
    QSignalSpy clear(driver_->find<QPushButton>("cmdClear"), &QPushButton::clicked);
    QTest::keyClick(audio, Qt::Key_Return);
    QTest::keyClick(audio, Qt::Key_Enter);
    QCOMPARE(audio->currentIndex(), -1);
    QCOMPARE(audio->currentText(), QStringLiteral("8 kHz Audio (8KB/sec"));
    QCOMPARE(calculate.count(), 0);
    QCOMPARE(clear.count(), 0);
    QCOMPARE(QApplication::focusWidget(), audio);

    // Nothing is completed, and the text of an entry typed in full is still no choice.
    QVERIFY(driver_->type("audio", "No"));
    QCOMPARE(audio->lineEdit()->text(), QStringLiteral("No"));
    QTest::keyClicks(audio, " Audio");
    QTest::keyClick(audio, Qt::Key_Return);
    QCOMPARE(audio->currentText(), QStringLiteral("No Audio"));
    QCOMPARE(audio->currentIndex(), -1);
    QCOMPARE(entries(*audio).size(), 3);
}

void MainWindowBehaviourTest::buttonsAnswerSpaceAndEnterOnlyWhenFocused_data() {
    QTest::addColumn<int>("tabs");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("pressed");
    // clang-format off
    QTest::newRow("Calculate, Space") << 0 << int(Qt::Key_Space) << "cmdCalculate";
    QTest::newRow("Calculate, Return") << 0 << int(Qt::Key_Return) << "cmdCalculate";
    QTest::newRow("Calculate, Enter") << 0 << int(Qt::Key_Enter) << "cmdCalculate";
    QTest::newRow("Calculate, Escape") << 0 << int(Qt::Key_Escape) << "";
    QTest::newRow("Clear, Return") << 1 << int(Qt::Key_Return) << "cmdClear";
    QTest::newRow("result box, Return") << 8 << int(Qt::Key_Return) << "";
    // clang-format on
}

void MainWindowBehaviourTest::buttonsAnswerSpaceAndEnterOnlyWhenFocused() {
    QFETCH(int, tabs);
    QFETCH(int, key);
    QFETCH(QString, pressed);

    for (int i = 0; i < tabs; ++i) {
        driver_->pressTab();
    }
    QSignalSpy calculate(driver_->find<QPushButton>("cmdCalculate"), &QPushButton::clicked);
    QSignalSpy clear(driver_->find<QPushButton>("cmdClear"), &QPushButton::clicked);
    const MessageBoxReader box; // Calculate with nothing chosen names the cameras.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));

    QCOMPARE(calculate.count(), pressed == QLatin1String("cmdCalculate") ? 1 : 0);
    QCOMPARE(clear.count(), pressed == QLatin1String("cmdClear") ? 1 : 0);
    QCOMPARE(box.seen, pressed == QLatin1String("cmdCalculate"));
}

void MainWindowBehaviourTest::typedTextOutlivesDropDownsAndMenus_data() {
    QTest::addColumn<QString>("opened");
    QTest::addColumn<bool>("leftByMouse");
    // clang-format off
    QTest::newRow("its own drop-down") << "cameras" << false;
    QTest::newRow("File menu") << "mnuFile" << false;
    QTest::newRow("Help menu") << "mnuHelp" << false;
    QTest::newRow("another list's drop-down") << "audio" << true;
    // clang-format on
}

void MainWindowBehaviourTest::typedTextOutlivesDropDownsAndMenus() {
    QFETCH(QString, opened);
    QFETCH(bool, leftByMouse);

    QVERIFY(computeTypicalRequest());
    QComboBox* cameras = driver_->list("cameras");
    QVERIFY(driver_->type("cameras", "12"));

    // Opened and closed again without a choice. Only a click on another list leaves cameras.
    QWidget* popup = nullptr;
    if (opened.startsWith(QLatin1String("mnu"))) {
        QVERIFY(driver_->openMenu(opened));
        popup = driver_->find<QMenu>(opened);
    } else {
        QVERIFY(driver_->openDropDown(opened));
        popup = driver_->list(opened)->view();
    }
    QTest::keyClick(popup, Qt::Key_Escape);
    QTRY_VERIFY(!popup->isVisible());
    QVERIFY(driver_->activate());
    if (QApplication::focusWidget() == window_->menuBar()) {
        // The first Escape only returns to the menu bar.
        QTest::keyClick(window_->menuBar(), Qt::Key_Escape);
    }

    QCOMPARE(cameras->currentText(), leftByMouse ? promptOf("cameras") : QStringLiteral("12"));
    QCOMPARE(cameras->currentIndex(), -1);
    QCOMPARE(results(), leftByMouse ? QStringList({"", ""}) : QStringList({"200.05", "8.3"}));
    QTRY_COMPARE(QApplication::focusWidget(), leftByMouse ? driver_->list(opened) : cameras);
}

void MainWindowBehaviourTest::missingChoiceIsReported_data() {
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QString>("missing");
    QTest::addColumn<QString>("message");

    const QStringList& r = typicalRequest;
    const QString audio =
        QStringLiteral("You must select the audio quality.  (You may also select 'No Audio')");
    // clang-format off
    QTest::newRow("nothing chosen") << QStringList{} << "cameras" << "You must select the number of cameras.";
    QTest::newRow("only cameras missing") << QStringList{"", r[1], r[2], "", r[4], r[5]} << "cameras" << "You must select the number of cameras.";
    QTest::newRow("resolution") << r.mid(0, 1) << "resolution" << "You must select the resolution.";
    QTest::newRow("quality") << r.mid(0, 2) << "quality" << "You must select the picture quality.";
    QTest::newRow("frameRate") << r.mid(0, 3) << "frameRate" << "You must select the recording rate.";
    QTest::newRow("audio before hddsize") << r.mid(0, 4) << "audio" << audio;
    QTest::newRow("only audio missing") << QStringList{r[0], r[1], r[2], r[3], "", r[5]} << "audio" << audio;
    QTest::newRow("hddsize") << r.mid(0, 5) << "hddsize" << "You must select the HDD size.";
    // clang-format on
}

void MainWindowBehaviourTest::missingChoiceIsReported() {
    QFETCH(QStringList, picks);
    QFETCH(QString, missing);
    QFETCH(QString, message);

    QVERIFY(pickAll(picks));
    QStringList shown;
    for (const QString& name : listNames) {
        shown.append(driver_->list(name)->currentText());
    }
    // Whatever the boxes show, a missing choice leaves it there.
    driver_->box("txtHours")->setText(QStringLiteral("earlier"));
    driver_->box("txtDays")->setText(QStringLiteral("result"));

    MessageBoxReader box;
    QVERIFY(driver_->click("cmdCalculate"));
    QTRY_VERIFY(box.seen);
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(box.title, QStringLiteral("Missing Data"));
    QCOMPARE(box.text, message);
    QCOMPARE(box.buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QVERIFY(box.iconPixmapEmpty);

    QComboBox* named = driver_->list(missing);
    QCOMPARE(window_->focusWidget(), named);
    QVERIFY(driver_->activate());
    QTRY_COMPARE(QApplication::focusWidget(), named);
    QCOMPARE(results(), QStringList({"earlier", "result"}));
    for (int i = 0; i < listNames.size(); ++i) {
        QCOMPARE(driver_->list(listNames.at(i))->currentText(), shown.at(i));
    }
}

void MainWindowBehaviourTest::typedTextIsDroppedOnLeaving_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byTab"); // else by the click on Calculate
    QTest::addColumn<int>("entryCount");
    QTest::addColumn<QString>("message");

    const QString audioMessage =
        QStringLiteral("You must select the audio quality.  (You may also select 'No Audio')");
    // clang-format off
    QTest::newRow("cameras, Tab") << "cameras" << "5" << true << 16 << "You must select the number of cameras.";
    QTest::newRow("cameras, Calculate") << "cameras" << "5" << false << 16 << "You must select the number of cameras.";
    QTest::newRow("resolution, Tab") << "resolution" << "720 x 240 (2CIF)" << true << 2 << "You must select the resolution.";
    QTest::newRow("quality, Calculate") << "quality" << "Q4" << false << 7 << "You must select the picture quality.";
    QTest::newRow("frameRate, Calculate") << "frameRate" << "7" << false << 4 << "You must select the recording rate.";
    QTest::newRow("audio, text of an entry") << "audio" << "No Audio" << false << 3 << audioMessage;
    QTest::newRow("hddsize, text of an entry, Tab") << "hddsize" << "500 GB" << true << 5 << "You must select the HDD size.";
    // clang-format on
}

void MainWindowBehaviourTest::typedTextIsDroppedOnLeaving() {
    QFETCH(QString, list);
    QFETCH(QString, typed);
    QFETCH(bool, byTab);
    QFETCH(int, entryCount);
    QFETCH(QString, message);

    QVERIFY(computeTypicalRequest());
    QComboBox* field = driver_->list(list);
    QVERIFY(driver_->type(list, typed));
    QCOMPARE(field->currentIndex(), -1);
    QCOMPARE(results(), QStringList({"200.05", "8.3"}));
    if (byTab) {
        driver_->pressTab();
        QCOMPARE(field->currentText(), promptOf(list));
        QCOMPARE(results(), QStringList({"", ""}));
    }

    // A click on Calculate leaves the list first: its prompt is back before the check.
    MessageBoxReader box;
    QVERIFY(driver_->click("cmdCalculate"));
    QTRY_VERIFY(box.seen);
    QCOMPARE(box.text, message);
    QCOMPARE(field->currentText(), promptOf(list));
    QCOMPARE(field->currentIndex(), -1);
    QCOMPARE(field->count(), entryCount);
    QCOMPARE(results(), QStringList({"", ""}));
    QVERIFY(driver_->activate());
    QTRY_COMPARE(QApplication::focusWidget(), field);
}

void MainWindowBehaviourTest::clearKeepsModelAndFormat_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("focused");
    // clang-format off
    QTest::newRow("Clear button") << "button" << "cmdClear";
    QTest::newRow("File > Clear") << "menu bar" << "cmdCalculate";
    QTest::newRow("mnuClear triggered") << "trigger" << "cmdCalculate";
    // clang-format on
}

void MainWindowBehaviourTest::clearKeepsModelAndFormat() {
    QFETCH(QString, how);
    QFETCH(QString, focused);

    driver_->action("mnu9")->trigger();
    driver_->action("mnuPAL")->trigger();
    QVERIFY(pickAll({"8", "720 x 288 (2CIF)", "Q4 (13KB)", "6", "No Audio", "640 GB"}));
    QVERIFY(driver_->click("cmdCalculate"));
    QVERIFY(!driver_->box("txtDays")->text().isEmpty());

    if (how == QLatin1String("button")) {
        QVERIFY(driver_->click("cmdClear"));
    } else if (how == QLatin1String("menu bar")) {
        QVERIFY(driver_->chooseFromMenuBar("mnuClear"));
    } else {
        driver_->action("mnuClear")->trigger();
    }
    verifyResetFor(false, false);
    QCOMPARE(QApplication::focusWidget(), driver_->find<QWidget>(focused));
}

void MainWindowBehaviourTest::menuCommandMovesNoFocus_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("fromMenuBar");
    // clang-format off
    QTest::newRow("cameras, File > Clear") << "cameras" << "mnuClear" << true;
    QTest::newRow("cameras, mnuClear") << "cameras" << "mnuClear" << false;
    QTest::newRow("audio, Model > TX-4090") << "audio" << "mnu9" << true;
    QTest::newRow("hddsize, mnuPAL") << "hddsize" << "mnuPAL" << false;
    QTest::newRow("frameRate, Format > NTSC") << "frameRate" << "mnuNTSC" << true;
    QTest::newRow("resolution, mnu16") << "resolution" << "mnu16" << false;
    // clang-format on
}

void MainWindowBehaviourTest::menuCommandMovesNoFocus() {
    QFETCH(QString, list);
    QFETCH(QString, command);
    QFETCH(bool, fromMenuBar);

    QVERIFY(pickAll({"", "360 x 240 (CIF)"}));
    QComboBox* field = driver_->list(list);
    QVERIFY(driver_->type(list, "12"));

    if (fromMenuBar) {
        QVERIFY(driver_->chooseFromMenuBar(command));
    } else {
        driver_->action(command)->trigger();
    }
    QCOMPARE(QApplication::focusWidget(), field);
    // The command itself reset the list; the typed text is gone.
    QCOMPARE(field->currentText(), promptOf(list));
    QCOMPARE(driver_->list("resolution")->currentIndex(), -1);
    QCOMPARE(entries(*driver_->list("quality")), QStringList());
}

// Runs last, Exit row last: Exit asks the application to quit.
void MainWindowBehaviourTest::menuShortcutsBeatEditingKeys_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("command");
    QTest::newRow("Ctrl+C runs Clear, copies nothing") << "cameras" << int(Qt::Key_C) << "mnuClear";
    QTest::newRow("Ctrl+X runs Exit, cuts nothing") << "audio" << int(Qt::Key_X) << "mnuExit";
}

void MainWindowBehaviourTest::menuShortcutsBeatEditingKeys() {
    QFETCH(QString, list);
    QFETCH(int, key);
    QFETCH(QString, command);

    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("on the clipboard before"));
    QSignalSpy triggered(driver_->action(command), &QAction::triggered);
    QVERIFY(computeTypicalRequest());
    QComboBox* field = driver_->list(list);
    QVERIFY(driver_->type(list, "12"));
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key(key), Qt::ControlModifier);

    QCOMPARE(triggered.count(), 1);
    QCOMPARE(clipboard->text(), QStringLiteral("on the clipboard before"));
    QCOMPARE(QApplication::focusWidget(), field);
    if (command == QLatin1String("mnuClear")) {
        verifyResetFor(true, true);
    } else {
        QCOMPARE(field->currentText(), QStringLiteral("12"));
    }
}

QTEST_MAIN(MainWindowBehaviourTest)
#include "main_window_behaviour_test.moc"
