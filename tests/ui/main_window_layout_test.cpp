// The main window as it opens: controls, places, pictures, focus order, menus and names.

#include "calculator_window.h"
#include "diagonal_line.h"
#include "window_driver.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineF>
#include <QScreen>

#include <memory>

using namespace hourvault;
using hourvault::testing::entries;
using hourvault::testing::WindowDriver;

namespace {

int px(int twips) {
    return qRound(twips / 15.0);
}

QRect twipsRect(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

const QStringList focusRound{"cmdCalculate", "cmdClear",   "audio",   "frameRate", "cameras",
                             "hddsize",      "resolution", "quality", "txtDays",   "txtHours"};

} // namespace

class MainWindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensWithTx4160AndNtsc();
    void listsOpenWithPromptAndEntries_data();
    void listsOpenWithPromptAndEntries();
    void clientAreaIsFixedAndCentred();
    void controlsSitAtTheirPlaces_data();
    void controlsSitAtTheirPlaces();
    void diagonalLineCrossesNoBoxOrLabel();
    void chromeIsBlackWithWhiteAndGreyText();
    void tabVisitsTheTenControlsInOrder_data();
    void tabVisitsTheTenControlsInOrder();
    void menusShowCaptionsShortcutsAndChecks_data();
    void menusShowCaptionsShortcutsAndChecks();
    void everyControlHasAnAccessibleName();

private:
    std::unique_ptr<CalculatorWindow> window_;
    std::unique_ptr<WindowDriver> driver_;
};

void MainWindowLayoutTest::init() {
    window_ = std::make_unique<CalculatorWindow>();
    driver_ = std::make_unique<WindowDriver>(*window_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void MainWindowLayoutTest::cleanup() {
    driver_.reset();
    window_.reset();
}

void MainWindowLayoutTest::opensWithTx4160AndNtsc() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("OSTREL  Hourvault"));
    QVERIFY(!window_->windowIcon().isNull());
    QVERIFY(driver_->action("mnu16")->isChecked() && !driver_->action("mnu9")->isChecked());
    QVERIFY(driver_->action("mnuNTSC")->isChecked() && !driver_->action("mnuPAL")->isChecked());

    QWidget* client = window_->centralWidget();
    // Nothing lies over these: the caption on the photograph, the buttons on their frame.
    for (const char* shown : {"TX4160", "Picture3", "txtFormat", "cmdCalculate", "cmdClear"}) {
        auto* control = driver_->find<QWidget>(shown);
        QVERIFY2(control != nullptr && control->isVisibleTo(window_.get()), shown);
        QVERIFY2(client->childAt(control->geometry().center()) == control, shown);
    }
    for (const char* hidden : {"favor9", "TX4090"}) {
        QVERIFY2(driver_->find<QWidget>(hidden)->isHidden(), hidden);
    }
    QVERIFY(driver_->find<QWidget>("favor16")->isVisibleTo(window_.get()));
    QCOMPARE(client->childAt(px(1500), px(1500)), driver_->find<QWidget>("favor16"));

    auto* format = driver_->find<QLabel>("txtFormat");
    QCOMPARE(format->text(), QStringLiteral("NTSC"));
    QVERIFY(format->font().bold());
    QCOMPARE(format->font().pointSizeF(), 8.25);
    QCOMPARE(format->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    QCOMPARE(driver_->box("txtHours")->text(), QString());
    QCOMPARE(driver_->box("txtDays")->text(), QString());
    QCOMPARE(driver_->find<QLabel>("Label1")->text(), QStringLiteral("hours"));
    QCOMPARE(driver_->find<QLabel>("Label2")->text(), QStringLiteral("days"));
    QCOMPARE(QApplication::focusWidget(), driver_->find<QWidget>("cmdCalculate"));
}

void MainWindowLayoutTest::listsOpenWithPromptAndEntries_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QPoint>("frameTwips");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QStringList>("expected");

    QStringList cameras;
    for (int n = 1; n <= 16; ++n) {
        cameras.append(QString::number(n));
    }
    // clang-format off
    QTest::newRow("cameras") << "cameras" << "# of Cameras :" << QPoint(3120, 240) << "< select # of cameras >" << cameras;
    QTest::newRow("resolution") << "resolution" << "Resolution :" << QPoint(6120, 240) << "< select resolution >" << QStringList{"360 x 240 (CIF)", "720 x 240 (2CIF)"};
    QTest::newRow("quality") << "quality" << "Picture Quality :" << QPoint(3120, 1320) << "< select picture quality >" << QStringList{};
    QTest::newRow("frameRate") << "frameRate" << "Recording Rate (IPS) :" << QPoint(6120, 1320) << "< select recording rate >" << QStringList{};
    QTest::newRow("audio") << "audio" << "Audio Recording :" << QPoint(3120, 2400) << "< select audio quality >" << QStringList{"No Audio", "8 kHz Audio (8KB/sec)", "12 kHz Audio (12KB/sec)"};
    QTest::newRow("hddsize") << "hddsize" << "Hard Disk Size :" << QPoint(6120, 2400) << "< select HDD size >" << QStringList{"250 GB", "500 GB", "750 GB", "1 TB", "1.2 TB"};
    // clang-format on
}

void MainWindowLayoutTest::listsOpenWithPromptAndEntries() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QPoint, frameTwips);
    QFETCH(QString, prompt);
    QFETCH(QStringList, expected);

    QComboBox* list = driver_->list(name);
    QVERIFY(list != nullptr);
    QVERIFY(list->isEditable());
    QCOMPARE(list->currentText(), prompt);
    QCOMPARE(list->lineEdit()->text(), prompt);
    QCOMPARE(list->currentIndex(), -1);
    QCOMPARE(entries(*list), expected);

    auto* frame = qobject_cast<QGroupBox*>(list->parentWidget());
    QVERIFY(frame != nullptr);
    QCOMPARE(frame->title(), caption);
    QCOMPARE(frame->geometry(), twipsRect(frameTwips.x(), frameTwips.y(), 2775, 855));
    QCOMPARE(list->geometry(), twipsRect(240, 360, 2295, 315));
}

void MainWindowLayoutTest::clientAreaIsFixedAndCentred() {
    QWidget* client = window_->centralWidget();
    QCOMPARE(client->size(), QSize(613, 343));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    // The menu bar sits above the client area, which keeps its size.
    QCOMPARE(client->y(), window_->menuBar()->geometry().bottom() + 1);
    QCOMPARE(window_->height(), client->y() + 343);

    const QPoint centre = window_->screen()->availableGeometry().center();
    // Within the few pixels of the window's own border.
    const QPoint offCentre = window_->frameGeometry().center() - centre;
    QVERIFY2(qAbs(offCentre.x()) <= 3 && qAbs(offCentre.y()) <= 3,
             qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));

    const QSize before = window_->size();
    window_->resize(before + QSize(200, 150));
    QCOMPARE(window_->size(), before);
    QCOMPARE(client->size(), QSize(613, 343));
}

void MainWindowLayoutTest::controlsSitAtTheirPlaces_data() {
    QTest::addColumn<QString>("name"); // empty: the button frame, which has no name of its own
    QTest::addColumn<bool>("itsFrame");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QSize>("picture");
    // clang-format off
    QTest::newRow("cmdCalculate") << "cmdCalculate" << false << QRect(3360, 3720, 2295, 495) << QSize();
    QTest::newRow("cmdClear") << "cmdClear" << false << QRect(3360, 4320, 2295, 375) << QSize();
    QTest::newRow("button frame") << "" << false << QRect(3120, 3480, 2775, 1335) << QSize();
    QTest::newRow("result frame") << "txtHours" << true << QRect(6120, 3480, 2775, 1335) << QSize();
    QTest::newRow("txtHours") << "txtHours" << false << QRect(1400, 840, 800, 315) << QSize();
    QTest::newRow("txtDays") << "txtDays" << false << QRect(240, 360, 615, 315) << QSize();
    QTest::newRow("Label1") << "Label1" << false << QRect(2270, 930, 390, 195) << QSize();
    QTest::newRow("Label2") << "Label2" << false << QRect(950, 450, 330, 195) << QSize();
    QTest::newRow("Picture3 off the left edge") << "Picture3" << false << QRect(-120, 0, 2655, 855) << QSize(864, 501);
    QTest::newRow("txtFormat") << "txtFormat" << false << QRect(2280, 4090, 495, 250) << QSize();
    QTest::newRow("favor16") << "favor16" << false << QRect(0, 840, 3000, 3705) << QSize(200, 247);
    QTest::newRow("favor9") << "favor9" << false << QRect(0, 840, 3000, 3705) << QSize(200, 247);
    QTest::newRow("TX4160") << "TX4160" << false << QRect(360, 4560, 2520, 480) << QSize(168, 32);
    QTest::newRow("TX4090") << "TX4090" << false << QRect(360, 4560, 2430, 480) << QSize(162, 32);
    // clang-format on
}

void MainWindowLayoutTest::controlsSitAtTheirPlaces() {
    QFETCH(QString, name);
    QFETCH(bool, itsFrame);
    QFETCH(QRect, place);
    QFETCH(QSize, picture);

    QWidget* client = window_->centralWidget();
    QWidget* control = driver_->find<QWidget>(name);
    if (name.isEmpty()) {
        // The one frame without a caption, under the buttons.
        control = client->childAt(driver_->find<QWidget>("cmdCalculate")->geometry().topLeft() -
                                  QPoint(4, 4));
        QVERIFY(qobject_cast<QGroupBox*>(control) != nullptr);
        QCOMPARE(qobject_cast<QGroupBox*>(control)->title(), QString());
    }
    QVERIFY(control != nullptr);
    QWidget* measured = itsFrame ? control->parentWidget() : control;
    // Places are relative to the client area, or to the result frame for what it holds.
    const bool inResultFrame =
        !itsFrame && QStringList{"txtHours", "txtDays", "Label1", "Label2"}.contains(name);
    QCOMPARE(measured->parentWidget() == client, !inResultFrame);
    QCOMPARE(measured->geometry(), twipsRect(place.x(), place.y(), place.width(), place.height()));
    if (picture.isValid()) {
        // At natural size from the top-left corner, cut off where the control ends.
        auto* label = qobject_cast<QLabel*>(control);
        QCOMPARE(label->pixmap().size(), picture);
        QVERIFY(!label->hasScaledContents());
        QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
    }
}

void MainWindowLayoutTest::diagonalLineCrossesNoBoxOrLabel() {
    auto* line = driver_->find<DiagonalLine>("Line1");
    QVERIFY(line != nullptr);
    QWidget* frame = driver_->box("txtHours")->parentWidget();
    QCOMPARE(line->parentWidget(), frame);
    QCOMPARE(line->from(), QPoint(px(0), px(1320)));
    QCOMPARE(line->to(), QPoint(px(2760), px(120)));

    const QLineF segment(line->from(), line->to());
    for (const char* name : {"txtHours", "txtDays", "Label1", "Label2"}) {
        auto* control = driver_->find<QWidget>(name);
        QCOMPARE(control->parentWidget(), frame);
        const QRectF box = QRectF(control->geometry()).adjusted(-0.5, -0.5, 0.5, 0.5);
        for (int step = 0; step <= 1000; ++step) {
            const QPointF point = segment.pointAt(step / 1000.0);
            QVERIFY2(!box.contains(point), name);
        }
    }
}

void MainWindowLayoutTest::chromeIsBlackWithWhiteAndGreyText() {
    QWidget* client = window_->centralWidget();
    const QImage shot = client->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Smoothed text reaches its colour only in its strokes: take the lightest pixel.
    auto lightest = [&](const QWidget* widget, QRect area) {
        int lightness = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QPoint at = widget->mapTo(client, QPoint(x, y));
                lightness = qMax(lightness, shot.pixelColor(at).lightness());
            }
        }
        return lightness;
    };
    const QColor black(0, 0, 0);

    // Black between the photograph and the frames, inside a frame, behind the unit labels.
    QCOMPARE(shot.pixelColor(204, 100), black);
    QWidget* camerasFrame = driver_->list("cameras")->parentWidget();
    QCOMPARE(shot.pixelColor(camerasFrame->mapTo(client, QPoint(8, 50))), black);
    auto* hoursUnit = driver_->find<QWidget>("Label1");
    QCOMPARE(shot.pixelColor(hoursUnit->mapTo(client, QPoint(0, 0))), black);
    auto* format = driver_->find<QWidget>("txtFormat");
    QCOMPARE(shot.pixelColor(format->mapTo(client, QPoint(0, 0))), black);

    // White captions and unit labels (grey text would stay near 128), grey format caption.
    QVERIFY(lightest(camerasFrame, QRect(0, 0, 120, 14)) >= 200);
    const int unitText = lightest(hoursUnit, hoursUnit->rect());
    QVERIFY2(unitText >= 200, qPrintable(QString::number(unitText)));
    const int formatText = lightest(format, format->rect());
    QVERIFY2(formatText >= 110 && formatText <= 140, qPrintable(QString::number(formatText)));

    // The line is white, on the black result frame.
    auto* line = driver_->find<DiagonalLine>("Line1");
    const QPoint middle = (line->from() + line->to()) / 2;
    QWidget* resultFrame = line->parentWidget();
    QCOMPARE(lightest(resultFrame, QRect(middle - QPoint(1, 1), QSize(3, 3))), 255);
    QCOMPARE(shot.pixelColor(resultFrame->mapTo(client, QPoint(8, 60))), black);
}

void MainWindowLayoutTest::tabVisitsTheTenControlsInOrder_data() {
    QTest::addColumn<bool>("backwards");
    QTest::newRow("Tab") << false;
    QTest::newRow("Shift+Tab") << true;
}

void MainWindowLayoutTest::tabVisitsTheTenControlsInOrder() {
    QFETCH(bool, backwards);

    QStringList visited;
    for (int i = 0; i < focusRound.size(); ++i) {
        driver_->pressTab(backwards);
        QWidget* focused = QApplication::focusWidget();
        visited.append(focused != nullptr ? focused->objectName() : QString());
    }
    QStringList expected;
    for (int i = 1; i <= focusRound.size(); ++i) {
        const int at = backwards ? focusRound.size() - i : i % focusRound.size();
        expected.append(focusRound.at(at));
    }
    QCOMPARE(visited, expected);
}

void MainWindowLayoutTest::menusShowCaptionsShortcutsAndChecks_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    // name|caption|shortcut|check mark ("", "on" or "off"); a separator has no caption.
    QTest::addColumn<QStringList>("items");
    // clang-format off
    QTest::newRow("File") << "mnuFile" << "File" << QStringList{"mnuClear|Clear|Ctrl+C|", "mnuHyphen|||", "mnuExit|Exit|Ctrl+X|"};
    QTest::newRow("Model") << "mnuModel" << "Model" << QStringList{"mnu16|TX-4160 (16 channel)||on", "mnu9|TX-4090 (9 channel)||off"};
    QTest::newRow("Format") << "mnuFormat" << "Format" << QStringList{"mnuNTSC|NTSC||on", "mnuPAL|PAL||off"};
    QTest::newRow("Help") << "mnuHelp" << "Help" << QStringList{"mnuGlossary|Glossary|Ctrl+G|", "mnuHyphen1|||", "mnuAbout|About 'Hourvault'||"};
    // clang-format on
}

void MainWindowLayoutTest::menusShowCaptionsShortcutsAndChecks() {
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(QStringList, items);

    QStringList bar;
    for (const QAction* title : window_->menuBar()->actions()) {
        bar.append(title->text());
    }
    QCOMPARE(bar, (QStringList{"File", "Model", "Format", "Help"}));

    auto* shown = driver_->find<QMenu>(menu);
    QVERIFY(shown != nullptr);
    QCOMPARE(shown->title(), caption);
    const QList<QAction*> actions = shown->actions();
    QCOMPARE(actions.size(), items.size());
    for (int i = 0; i < items.size(); ++i) {
        const QStringList item = items.at(i).split(QLatin1Char('|'));
        const QAction* action = actions.at(i);
        QCOMPARE(action->objectName(), item.at(0));
        QCOMPARE(action->isSeparator(), item.at(1).isEmpty());
        QCOMPARE(action->text(), item.at(1));
        QCOMPARE(action->shortcut().toString(QKeySequence::PortableText), item.at(2));
        QCOMPARE(action->isCheckable(), !item.at(3).isEmpty());
        QCOMPARE(action->isChecked(), item.at(3) == QLatin1String("on"));
    }
}

void MainWindowLayoutTest::everyControlHasAnAccessibleName() {
    auto nameOf = [](QObject* object) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
        return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
    };
    for (const char* name :
         {"cameras", "resolution", "quality", "frameRate", "audio", "hddsize", "txtHours",
          "txtDays", "cmdCalculate", "cmdClear", "txtFormat", "favor16", "favor9", "TX4160",
          "TX4090", "Picture3", "Label1", "Label2"}) {
        auto* control = driver_->find<QWidget>(name);
        QVERIFY2(control != nullptr, name);
        QVERIFY2(!nameOf(control).trimmed().isEmpty(), name);
    }
    // The two result boxes share one frame; each needs a name of its own.
    QVERIFY(nameOf(driver_->box("txtHours")) != nameOf(driver_->box("txtDays")));

    // Screen readers name each list by its frame, whose own name follows the caption.
    for (const char* name : {"cameras", "resolution", "quality", "frameRate", "audio", "hddsize"}) {
        QComboBox* list = driver_->list(name);
        bool labelledByFrame = false;
        const auto relations =
            QAccessible::queryAccessibleInterface(list)->relations(QAccessible::Label);
        for (const auto& relation : relations) {
            labelledByFrame =
                labelledByFrame || (relation.first->object() == list->parentWidget() &&
                                    !nameOf(list->parentWidget()).isEmpty());
        }
        QVERIFY2(labelledByFrame, name);
    }
}

QTEST_MAIN(MainWindowLayoutTest)
#include "main_window_layout_test.moc"
