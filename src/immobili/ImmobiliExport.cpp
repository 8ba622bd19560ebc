#include "ImmobiliExport.h"

#include "SchedaImmobile.h"

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

const RecordCells& cells()
{
    using CellText = RecordCells::Text;
    static const CellText blank{u" "_s}, comma{u","_s};
    static const RecordCells list(SchedaImmobile::layout(),
                                  {{"Immobile"},
                                   {"Tipologia"},
                                   {"Via01", blank, "Indirizzo01", blank, "Civico01"},
                                   {"Cap01", blank, "Comune01", blank, "Prov01"},
                                   {"AnnoCostruz01"},
                                   {"Utilizzo"},
                                   {CellText{u"Volume: "_s}, "Volume", CellText{u" Superficie: "_s}, "Superficie",
                                    CellText{u" Vani: "_s}, "Vani"},
                                   {"Accessori"},
                                   {"Mercato"},
                                   {"Condominio"},
                                   {"Tasse"},
                                   {"Categoria01"},
                                   {"ImpRend01", comma, "CentRend01"},
                                   {"CognomeLoc01", blank, "NomeLoc01"},
                                   {"CodFiscLoc01"},
                                   {"ImpPoss01", comma, "CentPoss01"},
                                   {"TelCelLoc01"},
                                   {"Comproprietari"},
                                   {"CognomeCon01", blank, "NomeCon01"},
                                   {"CodFiscCon01"},
                                   {"TelCelCon01"},
                                   {"Conviventi"},
                                   {"CodContratto"},
                                   {"Periodicita"},
                                   {"ImpRata", comma, "CentRata"}});
    return list;
}

} // namespace ImmobiliExport
