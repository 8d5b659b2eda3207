#include "pictures.h"

#include "chrome.h"
#include "logging.h"
#include "shown_pictures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace hourvault {

namespace {

// The picture the reader reads, or a null one and a warning that says why.
QImage readOrWarn(QImageReader& reader) {
    QImage picture = reader.read();
    if (picture.isNull()) {
        qCWarning(lcHourvault).noquote()
            << "cannot read the picture" << reader.fileName() << "-" << reader.errorString();
    }
    return picture;
}

// The part of a picture its main-window box shows, decoded at build time; null for the others.
const ShownPicture* shownPart(const QString& file, int scale) {
    for (int index = 0; index < shownPictureCount; ++index) {
        const ShownPicture& shown = shownPictures[index];
        if (shown.scale == scale && file == QLatin1String(shown.file)) {
            return &shown;
        }
    }
    return nullptr;
}

QString twiceTheSize(const QString& resource) {
    const qsizetype dot = resource.lastIndexOf(u'.');
    return resource.left(dot) + QStringLiteral("@2x") + resource.mid(dot);
}

// Offers one picture per size and reads a picture only when the desktop asks for that size, so
// the eight sizes cost no memory until the window is shown, and none stays decoded after.
class SizedPicturesEngine final : public QIconEngine {
public:
    explicit SizedPicturesEngine(QList<std::pair<QSize, QString>> pictures)
        : pictures_(std::move(pictures)) {
        std::sort(pictures_.begin(), pictures_.end(),
                  [](const auto& a, const auto& b) { return a.first.width() < b.first.width(); });
    }

    QIconEngine* clone() const override { return new SizedPicturesEngine(*this); }

    QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        QList<QSize> sizes;
        for (const auto& picture : pictures_) {
            sizes.append(picture.first);
        }
        return sizes;
    }

    QSize actualSize(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        if (pictures_.isEmpty()) {
            return {};
        }
        const QSize best = bestFor(size).first;
        return fits(best, size) ? best : best.scaled(size, Qt::KeepAspectRatio);
    }

    // The icon is drawn the same in every mode: it only ever stands for the window.
    QPixmap pixmap(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        if (pictures_.isEmpty() || size.isEmpty()) {
            return {};
        }
        // Reduced where no picture has the size, never enlarged: an enlarged icon is no
        // sharper, and at 200 % the window system asks for every size at twice the pixels.
        QImageReader reader(bestFor(size).second);
        QPixmap picture = QPixmap::fromImage(readOrWarn(reader));
        if (!picture.isNull() && !fits(picture.size(), size)) {
            picture = picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        return picture;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device()->devicePixelRatio();
        // Drawn into the whole rectangle, even from a smaller picture.
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

private:
    [[nodiscard]] static bool fits(const QSize& picture, const QSize& size) {
        return picture.width() <= size.width() && picture.height() <= size.height();
    }

    // The smallest picture that covers the size, else the largest there is; needs a picture.
    [[nodiscard]] const std::pair<QSize, QString>& bestFor(const QSize& size) const {
        for (const auto& picture : pictures_) {
            if (picture.first.width() >= size.width() && picture.first.height() >= size.height()) {
                return picture;
            }
        }
        return pictures_.last();
    }

    QList<std::pair<QSize, QString>> pictures_;
};

} // namespace

PictureBox::PictureBox(QString resource, QWidget* parent)
    : QLabel(parent), resource_(std::move(resource)) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::NoFocus);
}

void PictureBox::showEvent(QShowEvent* event) {
    QLabel::showEvent(event);
    if (!pixmap().isNull()) {
        return;
    }
    const bool twice = drawsTwin(qApp->devicePixelRatio());
    if (const ShownPicture* shown = shownPart(resource_.mid(2), twice ? 2 : 1)) {
        // Pixels in the program itself: a picture to show without a copy or a decoder.
        QImage image(reinterpret_cast<const uchar*>(shown->pixels), shown->width, shown->height,
                     QImage::Format_RGB32);
        image.setDevicePixelRatio(shown->scale);
        setPixmap(QPixmap::fromImage(std::move(image)));
        return;
    }
    QString file = resource_;
    qreal ratio = 1.0;
    if (twice && QFile::exists(twiceTheSize(resource_))) {
        file = twiceTheSize(resource_);
        ratio = 2.0;
    }
    QImageReader reader(file);
    // Only the top-left corner shows; the picture decoder skips the rest where it can.
    if (const QSize natural = reader.size(); natural.isValid()) {
        reader.setClipRect(QRect(QPoint(), (size() * ratio).boundedTo(natural)));
    }
    QImage shown = readOrWarn(reader);
    shown.setDevicePixelRatio(ratio);
    setPixmap(QPixmap::fromImage(std::move(shown)));
}

QIcon programIcon() {
    // The 256-colour 32 px picture is the window's own icon; the theme's sizes fill in around it.
    // Each size is read from its name ("48x48.png"), so no picture is opened before it is needed.
    QList<std::pair<QSize, QString>> pictures{{QSize(32, 32), QStringLiteral(":/icon.png")}};
    const QDir sizes(QStringLiteral(":/icons"));
    for (const QString& name : sizes.entryList(QDir::Files)) {
        const int side = name.section(u'x', 0, 0).toInt();
        pictures.append({QSize(side, side), sizes.filePath(name)});
    }
    return QIcon(new SizedPicturesEngine(std::move(pictures)));
}

} // namespace hourvault
