#pragma once

#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Reads PDFs back with poppler's tools, as a person's viewer would see them.
namespace PdfTools {

inline QString run(const QString& program, const QStringList& arguments)
{
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline QString info(const QString& path)
{
    return run(QStringLiteral("pdfinfo"), {path});
}
inline QString text(const QString& path)
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
}

// The first page as a grey picture at a low resolution, for comparing two PDFs by eye.
inline QImage firstPage(const QString& path, int dpi = 30)
{
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"),
                                     QStringLiteral("-singlefile"), QStringLiteral("-png"), path, base});
    return QImage(base + QStringLiteral(".png")).convertToFormat(QImage::Format_Grayscale8);
}

// Mean difference of two grey pictures of the same size, 0 to 255; 255 when sizes differ.
inline double meanDifference(const QImage& a, const QImage& b)
{
    if (a.isNull() || a.size() != b.size())
        return 255;
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(int(a.constScanLine(y)[x]) - int(b.constScanLine(y)[x]));
    return sum / (a.width() * a.height());
}

// One entry of pdfinfo's output ("Title", "Pages").
inline QString field(const QString& info, const QString& key)
{
    for (const QString& line : info.split(QLatin1Char('\n'))) {
        if (line.startsWith(key + QLatin1Char(':')))
            return line.mid(key.size() + 1).trimmed();
    }
    return QString();
}

} // namespace PdfTools
