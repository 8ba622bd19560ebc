#include "ReceiptLogo.h"

#include "platform/ExeFolder.h"
#include "platform/Failure.h"
#include "platform/SafeWrite.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

using namespace Qt::StringLiterals;

namespace ReceiptLogo {

QImage defaultPicture()
{
    QImage picture(297, 184, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QSvgRenderer renderer(u":/pictures/logo_ricevute.svg"_s);
    QPainter painter(&picture);
    renderer.render(&painter);
    return picture;
}

QImage blankPicture()
{
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

QImage load(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format();
    if (format != "jpeg" && format != "bmp")
        return {};
    return reader.read();
}

QImage current()
{
    const QImage logo = load(ExeFolder::file(u"Logo.bmp"_s));
    return logo.isNull() ? defaultPicture() : logo;
}

QByteArray bmpBytes(const QImage& picture)
{
    // A picture with transparent parts is laid on white, as it shows in the frame.
    QImage opaque(picture.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    {
        QPainter painter(&opaque);
        painter.drawImage(0, 0, picture);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!opaque.save(&buffer, "BMP"))
        throw Failure(u"Impossibile convertire il logo in formato Bitmap."_s);
    return bytes;
}

void save(const QImage& picture)
{
    SafeWrite::replaceFile(ExeFolder::file(u"Logo.bmp"_s), bmpBytes(picture));
}

} // namespace ReceiptLogo
