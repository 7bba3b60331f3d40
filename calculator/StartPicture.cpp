#include "calculator/StartPicture.h"
#include "calculator/Pictures.h"
#include <QLabel>
#include <QPainter>
#include <QPixmapCache>

namespace vdl {

StartPicture::StartPicture(QWidget* parent)
    : QWidget(parent), m_picture(ReadPicture(QStringLiteral(":/start.jpg"), "jpeg"))
{
    setObjectName(QStringLiteral("Panel1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_logo = new QLabel(this);
    m_logo->setObjectName(QStringLiteral("Image2"));
    m_logo->setPixmap(ReadPicture(QStringLiteral(":/logo.png"), "png"));
    m_logo->resize(167, 26);
    version = new QLabel(QStringLiteral("3.1"), this);
    version->setObjectName(QStringLiteral("Label1"));
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(12);
    font.setBold(true);
    version->setFont(font);
    QPalette palette = version->palette();
    palette.setColor(QPalette::WindowText, QColor(0xFA, 0xF0, 0xAF));
    version->setPalette(palette);
    version->resize(40, 16); // room for the version in any fallback font
}

void StartPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QRect inside = rect().adjusted(Border, Border, -Border, -Border);
    if (!inside.isEmpty())
        painter.drawPixmap(inside.topLeft(), stretched(inside.size()));
}

void StartPicture::resizeEvent(QResizeEvent*)
{
    // Both keep their distance to the lower edge however large the frame is.
    const int bottom = height() - Border;
    m_logo->move(Border + 22, bottom - 36);
    version->move(Border + 194, bottom - 23);
}

// Stretching the picture costs more than all the rest of the start; it is done once for
// each size and kept for the next frame.
QPixmap StartPicture::stretched(const QSize& size) const
{
    const qreal ratio = devicePixelRatioF();
    const QString key = QStringLiteral("vdl-start-%1x%2@%3").arg(size.width()).arg(size.height()).arg(ratio);
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = QPixmap(size * ratio);
        picture.setDevicePixelRatio(ratio);
        QPainter painter(&picture);
        painter.drawPixmap(QRect(QPoint(), size), m_picture);
        painter.end();
        QPixmapCache::insert(key, picture);
    }
    return picture;
}

} // namespace vdl
