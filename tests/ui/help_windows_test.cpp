#include "calculator_window.h"
#include "help_window.h"
#include "window_driver.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QWindow>

#include <climits>
#include <iterator>
#include <memory>
#include <tuple>

using namespace hourvault;

namespace {

struct ExpectedText {
    const char* window;
    const char* name;
    const char* text;
};

// Every label of both windows with its exact text, runs of spaces and slips included.
constexpr ExpectedText expectedTexts[] = {
    {"about", "Label1",
     "This program will help you to estimate how much recording time can be achieved with your "
     "Ostrel TX-Series DVR, given the number of video inputs, resolution, image quality level, "
     "audio sampling, and the amount of hard disk space."},
    {"about", "Label5",
     "Actual recording time may vary, based on motion, and other factors.  Using alarm triggers, "
     "motion activated recording or using scheduled recording will allow more recording time."},
    {"about", "Label4", "Version 2.0   -   November 16, 2005"},
    {"about", "Label6", "(Updated for TX-4160 and TX-4090 DVRs)"},
    {"about", "Label3", "Ostrel Security Systems, Inc."},
    {"glossary", "Label6", "# of Cameras :   "},
    {"glossary", "Label8",
     "This is the number of cameras that are connected to the DVR.   (1 to 16, default : 1)       "
     "Note:  The TX-4090 will only support up to 9 cameras."},
    {"glossary", "Label7", "Resolution  :"},
    {"glossary", "Label1",
     "This represents the size of the image, in pixels.  The available resolutions on this DVR     "
     "are 360 x 240 (CIF) and 720 x 240 (2CIF).  The resolution, and the number of cameras will "
     "determine the available recording rates of each video source."},
    {"glossary", "Label9", "Picture Quality : "},
    {"glossary", "Label2",
     "This is the setting that controls the quality of the picture you are capturing.  The highest "
     "quality setting will use the most hard disk space.  The lowest quality setting will use up "
     "the least amount of hard disk space.  (Q7 - High, Q4 - Average, Q1 - Low)"},
    {"glossary", "Label10", "Recording Rate : "},
    {"glossary", "Label3",
     "This is the number of images captured per second.   The higher the recording rate, the "
     "smoother the video will be during playback.  A lower recording rate will conserve hard disk "
     "space and lengthen recording time, but may be choppy upon playack."},
    {"glossary", "Label11", "Audio Quality :"},
    {"glossary", "Label5",
     "This is the sampling rate of the audio recording being performed by the DVR.              "
     "You may select 'No Audio', '8 kHz Audio (8kb/sec)' and '12 kHz Audio (12kb/sec)."},
    {"glossary", "Label12", "HDD Size :"},
    {"glossary", "Label4",
     "Ostrel DVRs work with hard disk sizes of 40GB, 80GB, 120GB, 160GB, 250GB, 300GB.   TX-4160 "
     "and TX-4090 can support up to 4 internal HDDs  (up to 1.2TB) "},
};

std::unique_ptr<HelpWindow> makeWindow(const QString& name) {
    if (name == QLatin1String("about"))
        return std::make_unique<AboutWindow>();
    return std::make_unique<GlossaryWindow>();
}

} // namespace

class HelpWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void textsAreExactAndFitTheirBoxes_data() {
        QTest::addColumn<int>("row");
        for (int row = 0; row < int(std::size(expectedTexts)); ++row)
            QTest::addRow("%s/%s", expectedTexts[row].window, expectedTexts[row].name) << row;
    }

    void textsAreExactAndFitTheirBoxes() {
        QFETCH(int, row);
        const auto [window, name, text] = expectedTexts[row];
        const auto shown = makeWindow(QString::fromUtf8(window));
        const auto* label = shown->findChild<QLabel*>(QString::fromUtf8(name));
        QVERIFY(label);
        QCOMPARE(label->text(), QString::fromUtf8(text));
        QCOMPARE(label->textFormat(), Qt::PlainText); // keeps every run of spaces
        // Real metrics only: a fallback font would make the fit meaningless.
        QCOMPARE(QFontInfo(label->font()).family(), QStringLiteral("Liberation Sans"));
        const QRect needed =
            QFontMetrics(label->font())
                .boundingRect(QRect(0, 0, label->width(), INT_MAX / 2),
                              int(label->alignment()) | Qt::TextWordWrap, label->text());
        QVERIFY(needed.width() <= label->width());
        QVERIFY(needed.height() <= label->height());
    }

    void sampleGeometries() {
        const std::tuple<const char*, const char*, QRect> rects[] = {
            {"about", "Label1", QRect(16, 8, 281, 57)},
            {"about", "Picture3", QRect(104, 128, 121, 25)},
            {"about", "Picture1", QRect(125, 208, 65, 25)},
            {"about", "Label3", QRect(0, 232, 313, 17)},
            {"about", "Command1", QRect(109, 264, 97, 33)},
            {"glossary", "Label8", QRect(145, 16, 417, 33)},
            {"glossary", "Command1", QRect(249, 304, 113, 41)}};
        for (const auto& [window, name, rect] : rects) {
            const auto shown = makeWindow(QString::fromUtf8(window));
            const auto* control = shown->findChild<QWidget*>(QString::fromUtf8(name));
            QVERIFY2(control, name);
            QCOMPARE(control->geometry(), rect);
        }
    }

    void logosAtNaturalSize() {
        AboutWindow about;
        about.show(); // pictures are read when first shown
        const auto* brand = about.findChild<QLabel*>(QStringLiteral("Picture3"));
        const auto* company = about.findChild<QLabel*>(QStringLiteral("Picture1"));
        QVERIFY(brand && company);
        QCOMPARE(brand->pixmap().size(), QSize(121, 23));
        QCOMPARE(company->pixmap().size(), QSize(65, 20)); // all that shows of its 66 x 20
        QVERIFY(!brand->hasScaledContents() && !company->hasScaledContents());
        // The company logo's box lies on top of the company line where the two touch, and its
        // 66-pixel picture loses one column to the 65-pixel box.
        QCOMPARE(about.childAt(150, 232), company);
        QCOMPARE(about.childAt(150, 233), about.findChild<QLabel*>(QStringLiteral("Label3")));
        QCOMPARE(company->alignment(), Qt::AlignLeft | Qt::AlignTop);
    }

    void coloursHoldOnADarkDesktop() {
        const QPalette desktop = QApplication::palette();
        QApplication::setPalette(QPalette(QColor(30, 30, 30)));
        const auto restore = qScopeGuard([&desktop] { QApplication::setPalette(desktop); });
        AboutWindow about;
        GlossaryWindow glossary;
        for (HelpWindow* window : std::initializer_list<HelpWindow*>{&about, &glossary}) {
            const QColor background(window == &about ? Qt::white : Qt::black);
            const QColor text(window == &about ? Qt::black : Qt::white);
            QCOMPARE(window->grab().toImage().pixelColor(1, 1), background);
            for (const QLabel* label : window->findChildren<QLabel*>())
                QCOMPARE(label->palette().color(QPalette::WindowText), text);
        }
    }

    void opensFreshWithOkFocused_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QSize>("size"); // of the client area, which is fixed
        QTest::newRow("about") << "about"
                               << "About this program..." << QSize(314, 306);
        QTest::newRow("glossary") << "glossary"
                                  << "Glossary of Terms" << QSize(611, 361);
    }

    void opensFreshWithOkFocused() {
        QFETCH(QString, window);
        QFETCH(QString, title);
        QFETCH(QSize, size);
        // Opened from the Help menu twice: the second opening builds the window afresh.
        CalculatorWindow main;
        main.show();
        auto* command = main.findChild<QAction*>(window == "about" ? "mnuAbout" : "mnuGlossary");
        HelpWindow* shown = nullptr;
        for (int opening = 0; opening < 2; ++opening) {
            command->trigger();
            shown = qobject_cast<HelpWindow*>(testing::shownTopLevel(window));
            QVERIFY(shown != nullptr);
            if (opening == 0) {
                for (QLabel* label : shown->findChildren<QLabel*>())
                    label->setText(QStringLiteral("changed"));
                shown->okButton()->click();
            }
        }
        QVERIFY(QTest::qWaitForWindowActive(shown));
        qsizetype labels = 0; // every text label has its original text, and no label is extra
        for (const auto& [windowName, name, text] : expectedTexts) {
            if (QLatin1String(windowName) == window) {
                const auto* label = shown->findChild<QLabel*>(QString::fromUtf8(name));
                QVERIFY2(label, name);
                QCOMPARE(label->text(), QString::fromUtf8(text));
                ++labels;
            }
        }
        for (const QLabel* label : shown->findChildren<QLabel*>())
            labels -= label->pixmap().isNull();
        QCOMPARE(labels, 0);
        QCOMPARE(shown->windowTitle(), title);
        QCOMPARE(shown->size(), size);
        QVERIFY(shown->minimumSize() == size && shown->maximumSize() == size);
        QCOMPARE(shown->okButton()->text(), QStringLiteral("OK"));
        QCOMPARE(QApplication::focusWidget(), shown->okButton());
        QTest::keyClick(shown->windowHandle(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), shown->okButton());
    }

    void dismissedByKeyOrClose_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("key"); // 0: closed through the window system; Escape: nothing
        for (const char* window : {"about", "glossary"}) {
            QTest::addRow("%s/Return", window) << window << int(Qt::Key_Return);
            QTest::addRow("%s/Space", window) << window << int(Qt::Key_Space);
            QTest::addRow("%s/close", window) << window << 0;
            QTest::addRow("%s/Escape", window) << window << int(Qt::Key_Escape);
        }
    }

    void dismissedByKeyOrClose() {
        QFETCH(QString, window);
        QFETCH(int, key);
        const auto shown = makeWindow(window);
        shown->show();
        QVERIFY(QTest::qWaitForWindowActive(shown.get()));
        QList<bool> visibleWhenDismissed;
        connect(shown.get(), &HelpWindow::dismissed, this,
                [&] { visibleWhenDismissed.append(shown->isVisible()); });
        if (key == 0)
            QVERIFY(shown->close());
        else
            QTest::keyClick(shown->windowHandle(), Qt::Key(key));
        QTest::qWait(key == Qt::Key_Escape ? 300 : 0); // a shortcut would click after 100 ms
        const bool dismisses = key != Qt::Key_Escape;
        QCOMPARE(visibleWhenDismissed, dismisses ? QList<bool>{false} : QList<bool>{});
        QCOMPARE(shown->isHidden(), dismisses);
    }
};

QTEST_MAIN(HelpWindowsTest)
#include "help_windows_test.moc"
