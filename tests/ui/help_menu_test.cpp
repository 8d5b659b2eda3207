// The Help menu: About and Glossary take the main window's place and give it back unchanged.

#include "calculator_window.h"
#include "window_driver.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>

using hourvault::CalculatorWindow;
using hourvault::ListId;
using hourvault::testing::entries;
using hourvault::testing::shownTopLevel;
using hourvault::testing::WindowDriver;

namespace {

// What a user can see of the main window.
QStringList snapshot(const WindowDriver& driver) {
    QStringList seen;
    for (const ListId id : hourvault::allLists) {
        const QComboBox* list = driver.list(id);
        seen << list->objectName() << list->currentText() << QString::number(list->currentIndex())
             << entries(*list).join('|');
    }
    seen << driver.box("txtHours")->text() << driver.box("txtDays")->text();
    for (const char* item : {"mnu16", "mnu9", "mnuNTSC", "mnuPAL"}) {
        seen << QString::number(driver.action(item)->isChecked());
    }
    for (const char* picture : {"favor16", "favor9", "TX4160", "TX4090"}) {
        seen << QString::number(driver.find<QLabel>(picture)->isHidden());
    }
    seen << driver.find<QLabel>("txtFormat")->text();
    return seen;
}

} // namespace

class HelpMenuTest : public QObject {
    Q_OBJECT

private slots:
    void returnsToTheWindowAsItWas_data();
    void returnsToTheWindowAsItWas();
};

void HelpMenuTest::returnsToTheWindowAsItWas_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("byShortcut");
    QTest::addColumn<bool>("byOk");

    QTest::newRow("About, OK") << "about" << false << true;
    QTest::newRow("About, closed by the window system") << "about" << false << false;
    QTest::newRow("Glossary from the menu, OK") << "glossary" << false << true;
    QTest::newRow("Glossary by Ctrl+G while typing, closed") << "glossary" << true << false;
}

void HelpMenuTest::returnsToTheWindowAsItWas() {
    QFETCH(QString, window);
    QFETCH(bool, byShortcut);
    QFETCH(bool, byOk);

    CalculatorWindow main;
    main.show();
    const WindowDriver driver(main);
    QVERIFY(QTest::qWaitForWindowActive(&main));

    // A result on display, after the PAL 9-channel model, and a text typed but not yet left.
    QVERIFY(driver.chooseFromMenuBar("mnu9"));
    QVERIFY(driver.chooseFromMenuBar("mnuPAL"));
    for (const auto& [list, entry] : {std::pair{ListId::cameras, "4"},
                                      {ListId::resolution, "360 x 288 (CIF)"},
                                      {ListId::quality, "Q4 (8KB)"},
                                      {ListId::frameRate, "25"},
                                      {ListId::audio, "No Audio"},
                                      {ListId::hddsize, "640 GB"}}) {
        QVERIFY2(driver.pickByKeys(list, entry), entry);
    }
    QVERIFY(driver.click("cmdCalculate"));
    QVERIFY(!driver.box("txtHours")->text().isEmpty());
    QVERIFY(driver.type(ListId::frameRate, "12"));
    const QStringList before = snapshot(driver);
    QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);

    if (byShortcut) {
        QTest::keyClick(driver.list(ListId::frameRate), Qt::Key_G, Qt::ControlModifier);
    } else {
        // The window hides itself, so click the item without waiting to get it back.
        QVERIFY(driver.openMenu("mnuHelp"));
        auto* menu = driver.find<QMenu>("mnuHelp");
        QAction* item = driver.action(window == "about" ? "mnuAbout" : "mnuGlossary");
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    }
    QPointer<QWidget> help = shownTopLevel(window);
    QVERIFY(help);
    QVERIFY(main.isHidden());
    // Hiding runs no list check: the typed text and the result are still there.
    QCOMPARE(snapshot(driver), before);

    auto* ok = help->findChild<QPushButton*>("Command1");
    QVERIFY(ok->hasFocus() || help->focusWidget() == ok);
    if (byOk) {
        QTest::mouseClick(ok, Qt::LeftButton);
    } else {
        help->close();
    }
    QTRY_VERIFY(help.isNull());
    QVERIFY(main.isVisible());
    QCOMPARE(snapshot(driver), before);
    QCOMPARE(main.focusWidget(), driver.list(ListId::frameRate));
    QCOMPARE(lastWindowClosed.count(), 0);
}

QTEST_MAIN(HelpMenuTest)
#include "help_menu_test.moc"
