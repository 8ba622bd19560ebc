#include "RicevuteExport.h"

#include "SchedaRicevuta.h"

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

const RecordCells& cells()
{
    static const RecordCells::Text blank{u" "_s};
    static const RecordCells list(SchedaRicevuta::layout(), {{"NumRic"},
                                                             {"Data"},
                                                             {"UfficioTer"},
                                                             {"DataStipula"},
                                                             {"DataReg"},
                                                             {"CodContratto"},
                                                             {"DurataCon"},
                                                             {"CognomeLoc01", blank, "NomeLoc01"},
                                                             {"CodFiscLoc01"},
                                                             {"CognomeCon01", blank, "NomeCon01"},
                                                             {"CodFiscCon01"},
                                                             {"Immobile"},
                                                             {"Note"},
                                                             {"Causale01"},
                                                             {"Importo01"},
                                                             {"Causale02"},
                                                             {"Importo02"},
                                                             {"Causale03"},
                                                             {"Importo03"},
                                                             {"Causale04"},
                                                             {"Importo04"},
                                                             {"Causale05"},
                                                             {"Importo05"},
                                                             {"TotRicevuta"},
                                                             {"Saldata"}});
    return list;
}

} // namespace RicevuteExport
