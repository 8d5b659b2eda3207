#include "calculator_window.h"
#include "expected_help_texts.h"
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
using hourvault::expected::helpTexts;

namespace {

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
        for (int row = 0; row < int(std::size(helpTexts)); ++row)
            QTest::addRow("%s/%s", helpTexts[row].window, helpTexts[row].name) << row;
    }

    void textsAreExactAndFitTheirBoxes() {
        QFETCH(int, row);
        const auto [window, name, text] = helpTexts[row];
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
        for (const auto& [windowName, name, text] : helpTexts) {
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
