#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// The logo printed on every receipt: Logo.bmp beside the executable, or the
// built-in default picture, a blue euro sign on white of 297 x 184 pixels.
namespace ReceiptLogo {

QImage defaultPicture();
QImage blankPicture(); // 2 x 2 white: a blank logo

// The picture of a JPEG or BMP file, recognised by its content; a null image when the file
// cannot be read, does not decode or holds another format.
QImage load(const QString& path);

// Logo.bmp, or the default picture when it is missing or does not decode. For the logo
// screen and the receipt print and preview screens, each time they open.
QImage current();

// Writes the picture as Logo.bmp (24-bit BMP of the picture's own pixel size, transparent
// parts on white) through the safe writer. Throws Failure when it cannot be written; the
// previous Logo.bmp then stays as it was.
void save(const QImage& picture);

QByteArray bmpBytes(const QImage& picture);

} // namespace ReceiptLogo
