#include "platform/DrawnIcon.h"
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

namespace vdl {

namespace {

// A greyed picture keeps its shapes in light greys, half transparent, like greyed captions.
QPixmap greyed(const QPixmap& picture)
{
    QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = 128 + qGray(line[x]) / 2;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) / 2);
        }
    }
    return QPixmap::fromImage(image);
}

class DrawnIconEngine : public QIconEngine {
public:
    DrawnIconEngine(const QString& key, QSize logical, DrawFunction draw)
        : m_key(key), m_logical(logical), m_draw(draw)
    {
    }

    QIconEngine* clone() const override { return new DrawnIconEngine(m_key, m_logical, m_draw); }
    QString key() const override { return QStringLiteral("vdl-drawn"); }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {m_logical}; }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap picture = pixmap(rect.size() * ratio, mode, state);
        picture.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, picture);
    }

    // The size asked for is in device pixels; the picture is scaled to fit it and centred.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        if (size.isEmpty())
            return {};
        const bool grey = mode == QIcon::Disabled;
        const QString name = QStringLiteral("vdl-drawn-%1-%2x%3%4")
                                 .arg(m_key)
                                 .arg(size.width())
                                 .arg(size.height())
                                 .arg(grey ? QStringLiteral("-grey") : QString());
        QPixmap picture;
        if (QPixmapCache::find(name, &picture))
            return picture;
        picture = QPixmap(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        const QSize fitted = m_logical.scaled(size, Qt::KeepAspectRatio);
        const qreal scale = qreal(fitted.width()) / m_logical.width();
        painter.translate((size.width() - fitted.width()) / 2, (size.height() - fitted.height()) / 2);
        painter.scale(scale, scale);
        m_draw(painter);
        painter.end();
        if (grey)
            picture = greyed(picture);
        QPixmapCache::insert(name, picture);
        return picture;
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal) override
    {
        return pixmap(size, mode, state);
    }

private:
    QString m_key;
    QSize m_logical;
    DrawFunction m_draw;
};

} // namespace

QIcon DrawnIcon(const QString& key, QSize logical, DrawFunction draw)
{
    return QIcon(new DrawnIconEngine(key, logical, draw));
}

} // namespace vdl
