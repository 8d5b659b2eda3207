// Runs at a screen scale of 200 % (QT_SCALE_FACTOR=2, set by CTest).
#include "application.h"
#include "calculator_window.h"
#include "help_window.h"

#include <QAction>
#include <QDirIterator>
#include <QImageReader>
#include <QLabel>
#include <QTest>

#include <memory>

using namespace hourvault;

class HighDpiTest : public QObject {
    Q_OBJECT

private slots:
    // Every picture of the three windows is shown from its twice-as-large variant, at the
    // logical size of its 1x picture, so it is sharp and placed and cut off as at 100 %.
    void everyPictureIsDrawnAtTwiceTheSize() {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        QHash<QString, QSize> twiceSizes; // 1x picture's resource -> size of its @2x variant
        QDirIterator resources(QStringLiteral(":/"));
        while (resources.hasNext()) {
            const QString name = resources.next();
            if (name.contains(QStringLiteral("@2x."))) {
                twiceSizes.insert(QString(name).remove(QStringLiteral("@2x")),
                                  QImageReader(name).size());
            }
        }
        const std::unique_ptr<QWidget> windows[] = {std::make_unique<CalculatorWindow>(),
                                                    std::make_unique<AboutWindow>(),
                                                    std::make_unique<GlossaryWindow>()};
        // Pictures are read when first shown; the 9-channel ones show with their model.
        for (const auto& window : windows) {
            window->show();
        }
        windows[0]->findChild<QAction*>(QStringLiteral("mnu9"))->trigger();
        qsizetype pictures = 0;
        for (const auto& window : windows) {
            for (const QLabel* label : window->findChildren<QLabel*>()) {
                const QPixmap shown = label->pixmap();
                if (shown.isNull())
                    continue;
                ++pictures;
                QVERIFY2(shown.devicePixelRatio() == 2.0, qPrintable(label->objectName()));
                QVERIFY2(shown.size() == 2 * shown.deviceIndependentSize().toSize(),
                         qPrintable(label->objectName()));
            }
        }
        QCOMPARE(pictures, 7);
        QCOMPARE(twiceSizes.size(), 7);
        for (auto twice = twiceSizes.cbegin(); twice != twiceSizes.cend(); ++twice) {
            const QSize once = QImageReader(twice.key()).size();
            QVERIFY2(once.isValid() && twice.value() == 2 * once, qPrintable(twice.key()));
        }
    }

    // Title bar, task bar and window switcher each ask for a size of their own.
    // The program's icon, given to every window once, by the application.
    void windowIconOffersEveryThemeSize() {
        CalculatorWindow window;
        showMainWindow(window);
        const QList<QSize> sizes = window.windowIcon().availableSizes();
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
        }
        // The 32 px picture is still the 256-colour one the window was designed with.
        const auto argb = [](const QImage& image) {
            return image.convertToFormat(QImage::Format_ARGB32);
        };
        QCOMPARE(argb(window.windowIcon().pixmap(QSize(32, 32), 1.0).toImage()),
                 argb(QImage(QStringLiteral(":/icon.png"))));
    }

    // At 200 % the window is wider than this screen: its title bar must stay within reach.
    void aWindowLargerThanItsScreenKeepsItsCornerOnIt() {
        const CalculatorWindow window;
        const QRect area = window.screen()->availableGeometry();
        QVERIFY(window.frameGeometry().width() > area.width());
        QCOMPARE(window.frameGeometry().left(), area.left());
        QVERIFY(window.frameGeometry().top() >= area.top());
    }
};

QTEST_MAIN(HighDpiTest)
#include "high_dpi_test.moc"
