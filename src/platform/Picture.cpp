#include "Picture.h"

#include <QGuiApplication>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

using namespace Qt::StringLiterals;

namespace Pictures {

QPixmap render(const QString& name, const QSize& size, qreal pixelRatio)
{
    const qreal ratio = pixelRatio > 0 ? pixelRatio : qApp->devicePixelRatio();
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(u":/pictures/"_s + name + u".svg"_s);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.setAspectRatioMode(Qt::KeepAspectRatio);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QIcon icon(const QString& name)
{
    return QIcon(u":/pictures/"_s + name + u".svg"_s);
}

} // namespace Pictures

Picture::Picture(const QString& objectName, const QString& picture, const QSize& size, QWidget* parent)
    : QLabel(parent)
{
    setObjectName(objectName);
    setFixedSize(size);
    setAlignment(Qt::AlignCenter);
    m_picture = picture;
}

void Picture::showEvent(QShowEvent* event)
{
    QLabel::showEvent(event);
    if (!m_picture.isEmpty()) {
        setPixmap(Pictures::render(m_picture, size()));
        m_picture.clear();
    }
}

void Picture::setClickable(bool clickable)
{
    m_clickable = clickable;
    setCursor(clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void Picture::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (m_clickable && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}
