#include "ImmobiliExport.h"

#include "SchedaImmobile.h"
#include "platform/Text.h"
#include "storage/ListSearch.h"

using namespace Qt::StringLiterals;

namespace ImmobiliExport {

const QList<Spreadsheet::GridColumn>& columns()
{
    static const QList<Spreadsheet::GridColumn> list = [] {
        const struct {
            const char16_t* grid;
            const char16_t* exported;
            int width;
            bool editable;
        } table[] = {{u"Descrizione Immobile", u"Descrizione immobile", 350, false},
                     {u"Tipologia", u"Tipologia", 250, false},
                     {u"Indirizzo", u"Indirizzo", 300, false},
                     {u"Comune", u"Comune", 300, false},
                     {u"Anno costruzione", u"Anno costruzione", 200, false},
                     {u"Utilizzo", u"Utilizzo", 250, true},
                     {u"Costituzione", u"Costituzione", 350, false},
                     {u"Accessori", u"Accessori", 300, false},
                     {u"Valore di mercato", u"Valore di mercato", 200, false},
                     {u"Dati in tabelle millesimali", u"Dati in tabelle millesimali", 300, false},
                     {u"Tasse comunali", u"Tasse comunali", 250, false},
                     {u"Categoria catastale", u"Categoria catastale", 200, false},
                     {u"Rendita catastale", u"Rendita catastale", 200, false},
                     {u"Cognome e nome Locatore", u"Cognome e nome Locatore", 250, true},
                     {u"Codice fiscale Locatore", u"Codice fiscale Locatore", 250, false},
                     {u"Perc. di possesso", u"Perc. di possesso", 200, true},
                     {u"Tel. cellulare Locatore", u"Tel. cellulare Locatore", 200, true},
                     {u"Comproprietari", u"Comproprietari", 350, true},
                     {u"Cognome e nome Conduttore", u"Cognome e nome Conduttore", 250, true},
                     {u"Codice fiscale Conduttore", u"Codice fiscale Conduttore", 250, false},
                     {u"Tel. cellulare Conduttore", u"Tel. cellulare Conduttore", 200, true},
                     {u"Persone conviventi", u"Persone conviventi", 350, true},
                     {u"Codice ID Contratto", u"Codice ID Contratto", 250, true},
                     {u"Periodicità rata canone", u"Periodicità rata canone", 280, true},
                     {u"Importo rata canone", u"Importo rata canone", 200, true}};
        QList<Spreadsheet::GridColumn> columns;
        for (const auto& c : table)
            columns.append(
                {QString::fromUtf16(c.grid),
                 // The rent stays a number in the spreadsheet; every other column is text.
                 {QString::fromUtf16(c.exported), c.width, false,
                  QStringView(c.exported) == u"Importo rata canone"},
                 c.editable});
        return columns;
    }();
    return list;
}

QStringList values(const Record& card)
{
    // Each cell: its fields (trimmed) and the texts between them, the whole trimmed again.
    // A field is written as its index plus one, a text as a negative index into `texts`.
    static const QStringList texts = {u" "_s, u","_s, u"Volume: "_s, u" Superficie: "_s, u" Vani: "_s};
    enum : int { Blank = -1, Comma = -2, Volume = -3, Superficie = -4, Vani = -5 };
    static const QList<QList<int>> cells = [] {
        const RecordLayout& l = SchedaImmobile::layout();
        const auto f = [&l](const char* name) { return l.indexOf(QString::fromLatin1(name)) + 1; };
        return QList<QList<int>>{
            {f("Immobile")},
            {f("Tipologia")},
            {f("Via01"), Blank, f("Indirizzo01"), Blank, f("Civico01")},
            {f("Cap01"), Blank, f("Comune01"), Blank, f("Prov01")},
            {f("AnnoCostruz01")},
            {f("Utilizzo")},
            {Volume, f("Volume"), Superficie, f("Superficie"), Vani, f("Vani")},
            {f("Accessori")},
            {f("Mercato")},
            {f("Condominio")},
            {f("Tasse")},
            {f("Categoria01")},
            {f("ImpRend01"), Comma, f("CentRend01")},
            {f("CognomeLoc01"), Blank, f("NomeLoc01")},
            {f("CodFiscLoc01")},
            {f("ImpPoss01"), Comma, f("CentPoss01")},
            {f("TelCelLoc01")},
            {f("Comproprietari")},
            {f("CognomeCon01"), Blank, f("NomeCon01")},
            {f("CodFiscCon01")},
            {f("TelCelCon01")},
            {f("Conviventi")},
            {f("CodContratto")},
            {f("Periodicita")},
            {f("ImpRata"), Comma, f("CentRata")}};
    }();
    // Built straight from the stored bytes, one string per cell: the export makes a row for
    // every card.
    QStringList out;
    out.reserve(cells.size());
    for (const QList<int>& parts : cells) {
        QString cell;
        for (const int part : parts) {
            if (part > 0)
                ListSearch::appendField(cell, card, part - 1);
            else
                cell += texts[-part - 1];
        }
        const bool blankEnds = !cell.isEmpty() && (cell.front().unicode() <= 0x20 || cell.back().unicode() <= 0x20);
        out.append(blankEnds ? Text::trimmed(cell) : cell);
    }
    return out;
}

} // namespace ImmobiliExport
