// tarvento_icona IMMAGINE.svg IMMAGINE.png LATO: the program's icon drawn at LATO × LATO pixels,
// for the desktops that want a picture of dots beside the SVG.

#include "QuietPlatform.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "uso: tarvento_icona IMMAGINE.svg IMMAGINE.png LATO\n");
        return 2;
    }
    QuietPlatform::install();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    const int side = QByteArray(argv[3]).toInt();
    if (!svg.isValid() || side <= 0) {
        std::fprintf(stderr, "tarvento_icona: %s non è un'immagine SVG valida\n", argv[1]);
        return 1;
    }
    QImage icon(side, side, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(0, 0, side, side));
    painter.end();
    if (!icon.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "tarvento_icona: non posso scrivere %s\n", argv[2]);
        return 1;
    }
    return 0;
}
