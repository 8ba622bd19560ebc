// guida_pdf GUIDA.pdf CARTELLA_FIGURE PROGRAMMA CAPITOLO.md...: sets the manual's chapters
// (Markdown, in the order given) and the pictures of the screens on A4 pages, as GUIDA.pdf.
// Every picture the text names must be one that guida_schermate made (listed in
// schermate.txt). A line "{{tarvento ARGOMENTI}}" becomes what PROGRAMMA ARGOMENTI prints, so
// the manual quotes the program's own words (its options, for one).

#include "ManualPdf.h"
#include "QuietPlatform.h"

#include "platform/Application.h"
#include "platform/Failure.h"
#include "platform/SafeWrite.h"

#include <QDir>
#include <QFile>
#include <QProcess>
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

QString withProgramOutput(const QString& markdown, const QString& program)
{
    static const QRegularExpression call(uR"(^\{\{tarvento( [^}]*)?\}\}$)"_s,
                                         QRegularExpression::MultilineOption);
    QString text = markdown;
    for (QRegularExpressionMatch match = call.match(text); match.hasMatch(); match = call.match(text)) {
        QProcess process;
        process.start(program, match.captured(1).split(u' ', Qt::SkipEmptyParts));
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0)
            throw Failure(u"il programma non ha risposto a "_s + match.captured(0));
        const QString output = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
        text.replace(match.capturedStart(), match.capturedLength(), u"```\n"_s + output + u"\n```"_s);
    }
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "uso: guida_pdf GUIDA.pdf CARTELLA_FIGURE PROGRAMMA CAPITOLO.md...\n");
        return 2;
    }
    QuietPlatform::install();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    Application::prepareEnvironment();
    const QString output = QString::fromLocal8Bit(argv[1]);
    const QString pictures = QString::fromLocal8Bit(argv[2]);
    const QString program = QString::fromLocal8Bit(argv[3]);
    try {
        QStringList chapters;
        for (int i = 4; i < argc; ++i)
            chapters.append(readText(QString::fromLocal8Bit(argv[i])));
        const QString markdown = withProgramOutput(chapters.join(u"\n\n"_s), program);
        checkPicturesWereMade(markdown, pictures);
        const ManualPdf::Cover cover{u"Guida all'utilizzo"_s,
                                     u"Immobili, ricevute d'affitto, modelli F24 ELIDE e scadenze"_s,
                                     u"frmAvvio.png"_s};
        SafeWrite::replaceFile(output, ManualPdf::write(cover, markdown, pictures));
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "guida_pdf: %s\n", failure.what());
        return 1;
    }
    return 0;
}
