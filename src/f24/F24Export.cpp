#include "F24Export.h"

#include "SchedaF24.h"

using namespace Qt::StringLiterals;

namespace F24Export {

const QList<Spreadsheet::GridColumn>& columns()
{
    static const QList<Spreadsheet::GridColumn> list = [] {
        const struct {
            const char16_t* header;
            int width;
            bool editable;
            bool number;
        } table[] = {{u"Data versamento", 200, false, false},
                     {u"Delega irrevocabile a", 250, false, false},
                     {u"Agenzia", 250, false, false},
                     {u"Codice Fiscale Contribuente", 280, false, false},
                     {u"Cognome o Ragione Sociale Contribuente", 300, false, false},
                     {u"Nome Contribuente", 250, true, false},
                     {u"Data di nascita", 200, false, false},
                     {u"Sesso", 100, false, false},
                     {u"Comune (o Stato estero) di nascita", 250, false, false},
                     {u"Comune di domicilio", 250, false, false},
                     {u"Via e numero civico", 250, false, false},
                     {u"Codice Fiscale del Coobbligato", 280, false, false},
                     {u"Codice identificativo", 150, false, false},
                     {u"Elementi identificativi (1^ voce)", 250, true, false},
                     {u"Anno rif. (1^ voce)", 150, false, false},
                     {u"Importo versato (1^ voce)", 200, true, true},
                     {u"Elementi identificativi (2^ voce)", 250, true, false},
                     {u"Anno rif. (2^ voce)", 150, true, false},
                     {u"Importo versato (2^ voce)", 200, true, true},
                     {u"Saldo finale", 200, false, true}};
        QList<Spreadsheet::GridColumn> columns;
        for (const auto& c : table) {
            const QString header = QString::fromUtf16(c.header);
            columns.append({header, {header, c.width, false, c.number}, c.editable});
        }
        return columns;
    }();
    return list;
}

const RecordCells& cells()
{
    // Joined parts with one blank, the cell trimmed, so a missing part leaves no stray blank.
    static const RecordCells::Text blank{u" "_s};
    static const RecordCells list(SchedaF24::layout(), {{"Data"},
                                                        {"Delegato"},
                                                        {"Agenzia", blank, "ProvAg"},
                                                        {"CodFiscCont"},
                                                        {"CognomeCont"},
                                                        {"NomeCont"},
                                                        {"DataNasc"},
                                                        {"Sesso"},
                                                        {"ComuneNasc", blank, "ProvNasc"},
                                                        {"ComuneDom", blank, "ProvDom"},
                                                        {"ViaDom"},
                                                        {"CodFiscCoob"},
                                                        {"Identificativo"},
                                                        {"Elementi01"},
                                                        {"AnnoRif01"},
                                                        {"Importo01"},
                                                        {"Elementi02"},
                                                        {"AnnoRif02"},
                                                        {"Importo02"},
                                                        {"Totale"}});
    return list;
}

} // namespace F24Export
