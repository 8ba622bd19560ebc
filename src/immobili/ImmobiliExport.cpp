#include "ImmobiliExport.h"

#include "platform/Text.h"

#include <QHash>

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
    // Each name below is looked up in the layout once per run, then reached by its index.
    static QHash<const char*, int> indexes; // keyed by the address of the name's literal
    const auto v = [&](const char* field) {
        auto it = indexes.constFind(field);
        if (it == indexes.cend())
            it = indexes.insert(field, card.layout().indexOf(QString::fromLatin1(field)));
        return card.textAt(*it);
    };
    const QStringList raw = {v("Immobile"),
                             v("Tipologia"),
                             v("Via01") + u' ' + v("Indirizzo01") + u' ' + v("Civico01"),
                             v("Cap01") + u' ' + v("Comune01") + u' ' + v("Prov01"),
                             v("AnnoCostruz01"),
                             v("Utilizzo"),
                             u"Volume: "_s + v("Volume") + u" Superficie: "_s + v("Superficie") +
                                 u" Vani: "_s + v("Vani"),
                             v("Accessori"),
                             v("Mercato"),
                             v("Condominio"),
                             v("Tasse"),
                             v("Categoria01"),
                             v("ImpRend01") + u',' + v("CentRend01"),
                             v("CognomeLoc01") + u' ' + v("NomeLoc01"),
                             v("CodFiscLoc01"),
                             v("ImpPoss01") + u',' + v("CentPoss01"),
                             v("TelCelLoc01"),
                             v("Comproprietari"),
                             v("CognomeCon01") + u' ' + v("NomeCon01"),
                             v("CodFiscCon01"),
                             v("TelCelCon01"),
                             v("Conviventi"),
                             v("CodContratto"),
                             v("Periodicita"),
                             v("ImpRata") + u',' + v("CentRata")};
    QStringList out;
    for (const QString& value : raw)
        out.append(Text::trimmed(value));
    return out;
}

} // namespace ImmobiliExport
