#include "RicevuteExport.h"

#include "platform/Text.h"

using namespace Qt::StringLiterals;

namespace RicevuteExport {

const QList<Spreadsheet::GridColumn>& columns()
{
    static const QList<Spreadsheet::GridColumn> list = [] {
        const struct {
            const char16_t* header;
            int width;
            bool right;
            bool editable;
        } table[] = {{u"Ricevuta n.", 160, false, false},
                     {u"Data emissione", 120, false, false},
                     {u"Ufficio territoriale", 250, false, false},
                     {u"Data stipula contratto", 180, false, false},
                     {u"Data registrazione", 180, false, false},
                     {u"Codice ID contratto", 250, false, false},
                     {u"Durata contratto", 250, false, false},
                     {u"Cognome e nome Locatore", 250, false, false},
                     {u"Codice Fiscale Locatore", 250, false, false},
                     {u"Cognome e nome Conduttore", 250, false, false},
                     {u"Codice Fiscale Conduttore", 250, false, false},
                     {u"Descrizione unità immobiliare", 350, false, false},
                     {u"Note", 350, false, true},
                     {u"Causale 1", 250, false, false},
                     {u"Importo 1", 150, true, false},
                     {u"Causale 2", 250, false, false},
                     {u"Importo 2", 150, true, false},
                     {u"Causale 3", 250, false, false},
                     {u"Importo 3", 150, true, false},
                     {u"Causale 4", 250, false, false},
                     {u"Importo 4", 150, true, true},
                     {u"Causale 5", 250, false, true},
                     {u"Importo 5", 150, true, true},
                     {u"TOTALE RICEVUTA", 200, true, true},
                     {u"Saldata", 100, false, true}};
        QList<Spreadsheet::GridColumn> columns;
        for (const auto& c : table) {
            const QString header = QString::fromUtf16(c.header);
            columns.append({header, {header, c.width, c.right, c.right}, c.editable}); // the amounts stay numbers
        }
        return columns;
    }();
    return list;
}

QStringList values(const Record& r)
{
    const auto v = [&r](const char* field) { return Text::trimmed(r.text(QString::fromLatin1(field))); };
    return {v("NumRic"),       v("Data"),
            v("UfficioTer"),   v("DataStipula"),
            v("DataReg"),      v("CodContratto"),
            v("DurataCon"),    v("CognomeLoc01") + u' ' + v("NomeLoc01"),
            v("CodFiscLoc01"), v("CognomeCon01") + u' ' + v("NomeCon01"),
            v("CodFiscCon01"), v("Immobile"),
            v("Note"),         v("Causale01"),
            v("Importo01"),    v("Causale02"),
            v("Importo02"),    v("Causale03"),
            v("Importo03"),    v("Causale04"),
            v("Importo04"),    v("Causale05"),
            v("Importo05"),    v("TotRicevuta"),
            v("Saldata")};
}

} // namespace RicevuteExport
