// The main window as it opens: size, places, focus order, menus and accessible names.

#include "calculator_window.h"
#include "diagonal_line.h"
#include "expected_places.h"
#include "window_driver.h"

#include <QAccessible>

#include <tuple>

using hourvault::CalculatorWindow;
using hourvault::DiagonalLine;
using hourvault::testing::WindowDriver;

class MainWindowLayoutTest : public QObject {
    Q_OBJECT

    CalculatorWindow window_; // the tests only look, so one window serves them all
    WindowDriver driver_{window_};

private slots:
    void initTestCase() {
        window_.show();
        QVERIFY(QTest::qWaitForWindowActive(&window_));
    }

    void clientAreaIsFixed() {
        const QSize fixed(hourvault::expected::clientWidth, hourvault::expected::clientHeight);
        QWidget* client = window_.centralWidget();
        QCOMPARE(client->size(), fixed);
        const QSize before = window_.size();
        window_.resize(before + QSize(200, 150));
        QCOMPARE(window_.size(), before);
        QCOMPARE(client->size(), fixed);
    }

    void controlsSitAtTheirPlaces() {
        for (const auto& [name, left, top, width, height] : hourvault::expected::places) {
            auto* control = driver_.find<QWidget>(name);
            QVERIFY2(control != nullptr, name);
            QCOMPARE(QRect(control->mapTo(window_.centralWidget(), QPoint()), control->size()),
                     QRect(left, top, width, height));
        }
    }

    void lineCrossesNoResultBoxOrUnit() {
        auto* line = driver_.find<DiagonalLine>("Line1");
        QVERIFY(line != nullptr);
        QCOMPARE(line->from(), QPoint(0, 88));
        QCOMPARE(line->to(), QPoint(184, 8));
        for (const char* name : {"txtHours", "txtDays", "Label1", "Label2"}) {
            auto* control = driver_.find<QWidget>(name);
            QCOMPARE(control->parentWidget(), line->parentWidget());
            const QRectF box = QRectF(control->geometry()).adjusted(-0.5, -0.5, 0.5, 0.5);
            for (int step = 0; step <= 1000; ++step) {
                QVERIFY2(!box.contains(QLineF(line->from(), line->to()).pointAt(step / 1e3)), name);
            }
        }
    }

    void framesPaintWhiteOnBlack() {
        QWidget* frame = driver_.list(hourvault::ListId::cameras)->parentWidget();
        const QImage shot = window_.grab().toImage();
        const auto at = [&](int x, int y) {
            return shot.pixelColor(frame->mapTo(&window_, QPoint(x, y)));
        };
        QCOMPARE(at(8, 50), QColor(Qt::black));
        int lightest = 0; // of the caption: grey text would stay near 128
        for (int x = 0; x < 80; ++x) {
            lightest = qMax(lightest, at(x, 6).lightness());
        }
        QVERIFY2(lightest >= 200, qPrintable(QString::number(lightest)));
    }

    void tabAndShiftTabGoRoundTheTenControls() {
        const auto& round = hourvault::expected::focusRound;
        for (const bool backwards : {false, true}) {
            for (std::size_t i = 1; i <= round.size(); ++i) {
                driver_.tab(backwards);
                const QWidget* focused = QApplication::focusWidget();
                QCOMPARE(focused != nullptr ? focused->objectName().toStdString() : "",
                         round.at((backwards ? round.size() - i : i) % round.size()));
            }
        }
    }

    void menusShowCaptionsShortcutsAndChecks() {
        const auto line = [](auto name, auto caption, auto shortcut, bool checked) {
            return QStringList{name, caption, shortcut, checked ? "on" : ""}.join('|');
        };
        QStringList shown;
        QStringList expected;
        for (const QAction* title : window_.menuBar()->actions()) {
            shown << line(title->menu()->objectName(), title->text(), "", false);
            for (const QAction* item : title->menu()->actions()) {
                shown << line(item->objectName(), item->isSeparator() ? "-" : item->text(),
                              item->shortcut().toString(), item->isChecked());
            }
        }
        for (const auto& [name, caption, shortcut, checked] : hourvault::expected::menuLines) {
            expected << line(QString::fromUtf8(name), QString::fromUtf8(caption),
                             QString::fromUtf8(shortcut), checked);
        }
        QCOMPARE(shown, expected);
    }

    void everyControlHasAnAccessibleName() {
        const auto accessible = [this](const char* name) {
            return QAccessible::queryAccessibleInterface(driver_.find<QWidget>(name));
        };
        const auto nameOf = [&accessible](const char* name) {
            return accessible(name) != nullptr ? accessible(name)->text(QAccessible::Name) : "";
        };
        for (const char* name : {"txtHours", "txtDays", "cmdCalculate", "cmdClear", "favor16",
                                 "favor9", "TX4160", "TX4090", "Picture3", "Label1", "Label2"}) {
            QVERIFY2(!nameOf(name).trimmed().isEmpty(), name);
        }
        // The two result boxes share one frame; each needs a name of its own.
        QVERIFY(nameOf("txtHours") != nameOf("txtDays"));
        // A list is named as its frame, which labels it, and its text is its value.
        for (const hourvault::ListId list : hourvault::allLists) {
            QComboBox* combo = driver_.list(list);
            const auto labels =
                accessible(qPrintable(combo->objectName()))->relations(QAccessible::Label);
            QVERIFY(labels.size() == 1 && labels.first().first->object() == combo->parentWidget());
            QCOMPARE(nameOf(qPrintable(combo->objectName())),
                     combo->parentWidget()->accessibleName());
            QCOMPARE(accessible(qPrintable(combo->objectName()))->text(QAccessible::Value),
                     combo->currentText());
        }
        // The results can be read, not changed.
        for (const char* name : {"txtHours", "txtDays"}) {
            QVERIFY(accessible(name)->state().readOnly && !accessible(name)->state().editable);
        }
        // The format in force is read as the label's text, not hidden behind a name.
        QCOMPARE(nameOf("txtFormat"), "NTSC");
        QCOMPARE(accessible("txtFormat")->text(QAccessible::Description), "Video format");
    }

    void picturesShowTheirTopLeftCorner() {
        // Natural sizes: 864 x 501 banner, 200 x 247 photographs, 168 and 162 x 32 name plates.
        CalculatorWindow window;
        window.show();
        for (const char* model : {"mnu16", "mnu9"}) {
            window.findChild<QAction*>(model)->trigger();
            for (const auto& [name, resource, shown] :
                 {std::tuple{"Picture3", ":/banner.jpg", QSize(177, 57)},
                  {"favor16", ":/favor16.jpg", QSize(200, 247)},
                  {"TX4160", ":/tx4160.gif", QSize(168, 32)},
                  {"favor9", ":/favor9.jpg", QSize(200, 247)},
                  {"TX4090", ":/tx4090.gif", QSize(162, 32)}}) {
                auto* picture = window.findChild<QLabel*>(name);
                if (!picture->isVisible()) {
                    continue;
                }
                QCOMPARE(picture->size(), shown);
                const QImage expected = QImage(resource).copy(QRect(QPoint(), shown));
                QCOMPARE(picture->grab().toImage().convertToFormat(QImage::Format_RGB32),
                         expected.convertToFormat(QImage::Format_RGB32));
            }
        }
    }
};

QTEST_MAIN(MainWindowLayoutTest)
#include "main_window_layout_test.moc"
