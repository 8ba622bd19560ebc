#include "ReceiptPdf.h"

#include "ReceiptLogo.h"
#include "platform/ExeFolder.h"
#include "platform/Failure.h"
#include "platform/Text.h"
#include "report/ReportPdf.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace ReceiptPdf {

namespace {
// Characters a file name cannot hold on any of the systems a PDF may be copied to, and blanks.
QString forFileName(const QString& text)
{
    QString name = Text::trimmed(text);
    for (QChar& c : name) {
        if (c.isSpace() || c < u' ' || QStringView(u"/\\:*?\"<>|").contains(c))
            c = u'-';
    }
    return name;
}
} // namespace

QString folder()
{
    return ExeFolder::file(u"Ricevute_PDF"_s);
}

QString pathFor(const QString& number, const QString& year)
{
    return folder() + u"/Ricevuta_"_s + forFileName(number) + u'_' + forFileName(year) + u".pdf"_s;
}

void write(const RicevutaReport::ValueOf& receipt, Format format, const QString& path)
{
    const QImage logo = ReceiptLogo::current();
    ReportDocument document;
    if (format == Format::Large) {
        document = RicevutaReport::createLarge();
        RicevutaReport::fillLarge(document, receipt, logo);
    } else {
        document = RicevutaReport::createCopies();
        RicevutaReport::fillCopies(document, receipt, logo);
    }
    const QString tenant = Text::trimmed(receipt(u"CognomeCon01"_s) + u' ' + receipt(u"NomeCon01"_s));
    ReportPdf::Export(document, path, RicevutaReport::title(receipt), tenant);
}

QString writeInFolder(const RicevutaReport::ValueOf& receipt, Format format, const QString& year)
{
    if (!QDir().mkpath(folder()))
        throw Failure(u"Impossibile creare la cartella "_s + QDir::toNativeSeparators(folder()) +
                      u". Accertarsi di possedere i privilegi di scrittura nella cartella del programma."_s);
    const QString path = pathFor(receipt(u"NumRic"_s), year);
    write(receipt, format, path);
    return path;
}

QString doneQuestion(const QString& path)
{
    return u"L'esportazione della ricevuta in PDF è terminata con successo:\r\n"_s +
           QDir::toNativeSeparators(path) + u"\r\n\r\nSi vuole aprire il file PDF?"_s;
}

} // namespace ReceiptPdf
