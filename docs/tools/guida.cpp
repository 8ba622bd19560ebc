// guida_pdf GUIDA.pdf CARTELLA_FIGURE CAPITOLO.md...: sets the manual's chapters (Markdown, in
// the order given) and the pictures of the screens on A4 pages, as GUIDA.pdf. Every picture
// the text names must be one that guida_schermate made (listed in schermate.txt).

#include "ManualPdf.h"

#include "platform/Application.h"
#include "platform/Failure.h"
#include "platform/SafeWrite.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(u"non posso leggere "_s + path);
    return QString::fromUtf8(file.readAll());
}

void checkPicturesWereMade(const QString& markdown, const QString& folder)
{
    const QStringList made = readText(folder + u"/schermate.txt"_s).split(u'\n', Qt::SkipEmptyParts);
    static const QRegularExpression picture(uR"(!\[[^\]]*\]\(([^)\s]+)\))"_s);
    for (auto it = picture.globalMatch(markdown); it.hasNext();) {
        const QString file = it.next().captured(1);
        if (!made.contains(file))
            throw Failure(u"la figura "_s + file + u" non è tra quelle fatte da guida_schermate"_s);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "uso: guida_pdf GUIDA.pdf CARTELLA_FIGURE CAPITOLO.md...\n");
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    Application::prepareEnvironment();
    const QString output = QString::fromLocal8Bit(argv[1]);
    const QString pictures = QString::fromLocal8Bit(argv[2]);
    try {
        QStringList chapters;
        for (int i = 3; i < argc; ++i)
            chapters.append(readText(QString::fromLocal8Bit(argv[i])));
        const QString markdown = chapters.join(u"\n\n"_s);
        checkPicturesWereMade(markdown, pictures);
        const ManualPdf::Cover cover{u"Guida all'utilizzo"_s,
                                     u"Archivio immobili, ricevute d'affitto e modelli F24 ELIDE"_s,
                                     u"frmAvvio.png"_s};
        SafeWrite::replaceFile(output, ManualPdf::write(cover, markdown, pictures));
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "guida_pdf: %s\n", failure.what());
        return 1;
    }
    return 0;
}
