#include "TfrmCodici_Tributo.h"

#include "platform/Text.h"
#include "report/ListResults.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QShowEvent>

using namespace Qt::StringLiterals;

namespace {
// Kept for the whole run: reopening the table and finding the same word goes on from the
// line found last time instead of starting again at the top.
QString lastFind;
} // namespace

const QStringList& TfrmCodici_Tributo::table()
{
    static const QStringList lines = [] {
        const std::pair<const char*, QString> codes[] = {
            {"1500", u"Imposta di Registro per prima registrazione"_s},
            {"1501", u"Imposta di Registro per annualità successive"_s},
            {"1502", u"Imposta di Registro per cessioni del contratto"_s},
            {"1503", u"Imposta di Registro per risoluzioni del contratto"_s},
            {"1504", u"Imposta di Registro per proroghe del contratto"_s},
            {"1505", u"Imposta di Bollo"_s},
            {"1506", u"Tributi speciali e compensi"_s},
            {"1507", u"Sanzioni da ravvedimento per tardiva prima registrazione"_s},
            {"1508", u"Interessi da ravvedimento per tardiva prima registrazione"_s},
            {"1509",
             u"Sanzioni da ravvedimento per tardivo versamento di annualità e adempimenti successivi"_s},
            {"1510",
             u"Interessi da ravvedimento per tardivo versamento di annualità e adempimenti successivi"_s},
            {"A135",
             u"Imposta di Registro - Avviso di Liquidazione dell'Imposta-Irrogazione delle Sanzioni"_s},
            {"A136", u"Imposta di Bollo - Avviso di Liquidazione dell'Imposta-Irrogazione delle Sanzioni"_s},
            {"A137", u"Sanzioni - Avviso di Liquidazione dell'Imposta-Irrogazione delle Sanzioni"_s},
            {"A138", u"Interessi - Avviso di Liquidazione dell'Imposta-Irrogazione delle Sanzioni"_s},
        };
        QStringList all;
        for (const auto& [code, description] : codes)
            all.append(QString::fromLatin1(code) + u"  -  "_s + description);
        return all;
    }();
    return lines;
}

TfrmCodici_Tributo::TfrmCodici_Tributo(QWidget* owner)
    : ListScreen(u" Tabella Codici Tributo per versamenti con Modello F24 ELIDE"_s,
                 u"Tabella Codici Tributo per versamenti con Modello F24 ELIDE"_s, owner)
{
    setObjectName(u"frmCodici_Tributo"_s);
    panAvvio->hide();
    lblTrovate->hide();
    results()->setFindInstruction(
        u"Immettere una o più parole consecutive presenti nel codice tributo in elenco "
        u"da cercare e premere il pulsante Trova."_s);
    results()->shareLastFind(&lastFind);
    lstRecords->setAlternatingRowColors(true);
    lstRecords->setStyleSheet(u"QListView#lstRecords { color: black; }"_s);
    lstRecords->setUniformItemSizes(false); // each line its own width: the long ones scroll sideways
}

void TfrmCodici_Tributo::showEvent(QShowEvent* event)
{
    ListScreen::showEvent(event);
    if (event->spontaneous())
        return;
    btnCercaClick(); // the table is listed on show
    results()->setCurrentRow(0);
}

QList<ListSearch::ListLine> TfrmCodici_Tributo::search(const QStringList&)
{
    QList<ListSearch::ListLine> lines;
    qint64 position = 0;
    for (const QString& line : table())
        lines.append({line, ++position});
    return lines;
}

void TfrmCodici_Tributo::handOver(const ListSearch::ListLine& chosen)
{
    const QString mode = Text::trimmed(lblMemory->text());
    const QString code = chosen.text.left(4);
    if (!m_chosen)
        return;
    if (mode == u"f24_codice01"_s)
        m_chosen(u"Codice01"_s, code);
    else if (mode == u"f24_codice02"_s)
        m_chosen(u"Codice02"_s, code);
}
