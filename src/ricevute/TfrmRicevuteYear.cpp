// The receipt screen's "Genera ricevute dell'anno": a property card chosen in the property
// search, the preview of its year of receipts, then all of them appended at once.
#include "TfrmRicevute.h"

#include "ReceiptSettings.h"
#include "SchedaRicevuta.h"
#include "TfrmGeneraRic.h"
#include "YearReceipts.h"
#include "immobili/TfrmTrovaImmobili.h"
#include "platform/Desktop.h"
#include "platform/Text.h"
#include "storage/ArchiveFile.h"

#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {
QString appendedMessage(const QList<Record>& made)
{
    const QString first = made.front().text(u"NumRic"_s);
    if (made.size() == 1)
        return u"La ricevuta n. "_s + first + u" è stata inserita in archivio."_s;
    return u"Sono state inserite in archivio "_s + QString::number(made.size()) + u" ricevute, dalla n. "_s +
           first + u" alla n. "_s + made.back().text(u"NumRic"_s) + u".\r\n\r\nLa prima è ora sulla schermata."_s;
}
} // namespace

void TfrmRicevute::cmdGeneraClick()
{
    std::optional<Record> card;
    openDialog<TfrmTrovaImmobili>(this, [&card](TfrmTrovaImmobili& search) {
        search.lblMemory->setText(u"ricevute"_s);
        search.setChosen([&card](const Record& chosen, qint64) { card = chosen; });
    });
    if (!card)
        return;
    if (const auto problem = YearReceipts::cardProblem(*card)) {
        Desktop::warning(*problem);
        return;
    }
    const int year = Text::trimmed(lblAnno->text()).toInt();
    QList<Instalments::Receipt> existing;
    if (!m_protocol->guarded(m_protocol->failureKind(CardOperation::New),
                             [&] { existing = Instalments::readReceipts(lblFile->text()); }))
        return;

    std::optional<YearReceipts::Plan> plan;
    openDialog<TfrmGeneraRic>(this, [&](TfrmGeneraRic& preview) {
        preview.setContract(*card, year, existing, ReceiptSettings::nextReceiptNumber(int(existing.size())));
        preview.setConfirmed([&plan](const YearReceipts::Plan& confirmed) { plan = confirmed; });
    });
    if (!plan)
        return;

    QList<Record> made;
    qint64 firstPosition = 0;
    const bool appended = m_protocol->guarded(m_protocol->failureKind(CardOperation::Save), [&] {
        ArchiveFile archive(lblFile->text(), SchedaRicevuta::layout().size());
        archive.openOrCreate();
        firstPosition = archive.count() + 1;
        made = YearReceipts::receipts(*card, *plan, ReceiptSettings::nextReceiptNumber(int(archive.count())));
        QList<QByteArray> records;
        for (const Record& receipt : made)
            records.append(receipt.bytes());
        archive.appendAll(records); // all or none
        archive.close();
    });
    if (!appended)
        return;
    m_protocol->show(made.front(), firstPosition);
    Desktop::information(appendedMessage(made));
}
