#include "ReceiptPdfCommand.h"

#include "ReceiptPdf.h"
#include "SchedaRicevuta.h"
#include "TotaliRicevuta.h"
#include "platform/ExeFolder.h"
#include "platform/Failure.h"
#include "platform/Text.h"
#include "storage/ListSearch.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace ReceiptPdfCommand {

namespace {

const QString kCopies = u"--due-copie"_s;

// The receipt's fields as the screen shows them once loaded, with the totals computed again
// as printing computes them; the warning printing gives when they cannot be.
RicevutaReport::ValueOf printedValues(const Record& receipt)
{
    QHash<QString, QString> values;
    for (const RecordField& field : SchedaRicevuta::layout().fields())
        values.insert(field.name, Text::trimmed(receipt.text(field.name)));
    const auto totals = TotaliRicevuta::compute([&](const QString& field) { return values.value(field); });
    if (const auto problem = TotaliRicevuta::outputProblem(totals))
        throw Failure(*problem);
    values[u"TotRicevuta"_s] = totals->total;
    values[u"TotImporti"_s] = totals->withoutIstat;
    values[u"Cents"_s] = totals->cents;
    values[u"ImpLettere"_s] = totals->words;
    return [values](const QString& field) { return values.value(field); };
}

// The one record of the archive numbered `number`.
Record receiptNumbered(const QString& archive, const QString& number)
{
    const QString name = QFileInfo(archive).fileName();
    if (!QFile::exists(archive))
        throw Failure(u"L'archivio delle ricevute "_s + name + u" non esiste nella cartella del programma."_s);
    std::optional<Record> found;
    QStringList positions;
    ListSearch::forEachRecord(archive, SchedaRicevuta::layout(), [&](const Record& record, int position) {
        if (Text::trimmed(record.text(u"NumRic"_s)) == number) {
            found = record;
            positions << QString::number(position);
        }
    });
    if (!found)
        throw Failure(u"Nell'archivio "_s + name + u" non c'è nessuna ricevuta con il numero "_s + number + u"."_s);
    if (positions.size() > 1)
        throw Failure(u"Nell'archivio "_s + name + u" ci sono "_s + QString::number(positions.size()) +
                      u" ricevute con il numero "_s + number + u" (posizioni "_s + positions.join(u", "_s) +
                      u"): non si può sapere quale scrivere."_s);
    return *found;
}

} // namespace

int run(const QStringList& arguments)
{
    QStringList words = arguments;
    const bool copies = words.removeAll(kCopies) > 0;
    for (const QString& word : words) {
        if (word.startsWith(u"--"_s))
            throw CommandLine::UsageError(u"Opzione sconosciuta per --ricevuta-pdf: "_s + word);
    }
    if (words.size() != 3)
        throw CommandLine::UsageError(u"--ricevuta-pdf vuole l'anno, il numero della ricevuta e il file da "
                                      u"scrivere: tarvento --ricevuta-pdf ANNO NUMERO FILE.pdf ["_s +
                                      kCopies + u"]"_s);
    const QString year = words[0];
    const QString number = Text::trimmed(words[1]);
    const QString file = words[2];
    static const QRegularExpression fourDigits(u"^[0-9]{4}$"_s);
    if (!fourDigits.match(year).hasMatch())
        throw CommandLine::UsageError(u"L'anno va indicato con quattro cifre: "_s + year);
    if (number.isEmpty() || Text::trimmed(file).isEmpty())
        throw CommandLine::UsageError(u"Il numero della ricevuta e il nome del file non possono essere vuoti."_s);

    const Record receipt = receiptNumbered(ExeFolder::file(SchedaRicevuta::archiveName(year)), number);
    const QString path = QFileInfo(file).absoluteFilePath();
    ReceiptPdf::write(printedValues(receipt), copies ? ReceiptPdf::Format::Copies : ReceiptPdf::Format::Large,
                      path);
    CommandLine::printLine(u"Ricevuta n. "_s + number + u" del "_s + year + u" scritta in "_s + path);
    return CommandLine::Done;
}

} // namespace ReceiptPdfCommand
