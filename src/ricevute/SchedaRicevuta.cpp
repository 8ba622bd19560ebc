#include "SchedaRicevuta.h"

#include "platform/Text.h"

using namespace Qt::StringLiterals;

namespace SchedaRicevuta {

const QStringList& bolloNotes()
{
    static const QStringList notes = {
        u"Documento soggetto a imposta di bollo in base alle normative vigenti."_s,
        u"Esente da imposta di bollo ai sensi della Tabella B del DPR 26/10/1972, n. 642, art. 27-bis."_s};
    return notes;
}

const QList<CardField>& fields()
{
    using E = CardField::Entry;
    constexpr int Ricevuta = int(Section::Ricevuta), Contratto = int(Section::Contratto),
                  Parti = int(Section::Parti), Immobile = int(Section::Immobile),
                  Pagamenti = int(Section::Pagamenti), Striscia = int(Section::Striscia),
                  Stato = int(Section::Stato);
    static const QList<CardField> table = {
        {u"NumRic"_s, 30, E::Text, Ricevuta, u"Ricevuta d'affitto n."_s},
        {u"Data"_s, 20, E::Text, Ricevuta, u"Data emissione:"_s},
        {u"UfficioTer"_s, 30, E::Text, Contratto, u"Ufficio territoriale:"_s},
        {u"DataStipula"_s, 10, E::Text, Contratto, u"Data stipula:"_s},
        {u"DataReg"_s, 10, E::Text, Contratto, u"Data registrazione:"_s},
        {u"CodContratto"_s, 50, E::Text, Contratto, u"Codice identificativo del contratto:"_s},
        {u"DurataCon"_s, 30, E::Text, Contratto, u"Durata contratto:"_s},
        {u"CognomeLoc01"_s, 30, E::Text, Parti, u"Cognome Locatore:"_s},
        {u"NomeLoc01"_s, 30, E::Text, Parti, u"Nome Locatore:"_s},
        {u"CodFiscLoc01"_s, 16, E::Upper, Parti, u"Cod. Fiscale Locatore:"_s},
        {u"CognomeCon01"_s, 30, E::Text, Parti, u"Cognome Conduttore:"_s},
        {u"NomeCon01"_s, 30, E::Text, Parti, u"Nome Conduttore:"_s},
        {u"CodFiscCon01"_s, 16, E::Upper, Parti, u"Cod. Fiscale Conduttore:"_s},
        {u"Immobile"_s, 250, E::Text, Immobile, u"Descrizione unità immobiliare locata:"_s},
        {u"Note"_s, 250, E::Text, Immobile, u"Note:"_s},
        {u"Causale01"_s, 120, E::Text, Pagamenti, u"Causale:"_s},
        {u"Importo01"_s, 10, E::Amount, Pagamenti, u"Importo:"_s},
        {u"PercIstat"_s, 10, E::Amount, Pagamenti, u"ISTAT:"_s},
        {u"Istat"_s, 10, E::Amount, Pagamenti, u""_s},
        {u"Causale02"_s, 120, E::Text, Pagamenti, u"Causale:"_s},
        {u"Importo02"_s, 10, E::Amount, Pagamenti, u"Importo:"_s},
        {u"Causale03"_s, 120, E::Text, Pagamenti, u"Causale:"_s},
        {u"Importo03"_s, 10, E::Amount, Pagamenti, u"Importo:"_s},
        {u"Causale04"_s, 120, E::Text, Pagamenti, u"Causale:"_s},
        {u"Importo04"_s, 10, E::Amount, Pagamenti, u"Importo:"_s},
        {u"Causale05"_s, 120, E::Text, Pagamenti, u"Causale:"_s},
        {u"Importo05"_s, 10, E::Amount, Pagamenti, u"Importo:"_s},
        {u"Causale06"_s, 120, E::Text, Pagamenti, u"Causale:"_s},
        {u"Importo06"_s, 10, E::Amount, Pagamenti, u"Importo:"_s},
        {u"Causale07"_s, 120, E::Text, Pagamenti, u"Causale:"_s},
        {u"Importo07"_s, 10, E::Amount, Pagamenti, u"Importo:"_s},
        {u"Causale08"_s, 120, E::Text, Pagamenti, u"Causale:"_s},
        {u"Importo08"_s, 10, E::Amount, Pagamenti, u"Importo:"_s},
        {u"ImpLettere"_s, 250, E::ReadOnly, Striscia, u"Euro:"_s},
        {u"Cents"_s, 2, E::ReadOnly, Striscia, u"/"_s},
        {u"TotRicevuta"_s, 10, E::Label, Pagamenti, u""_s},
        {u"Bollo"_s, 120, E::List, Striscia, u"Bollo:"_s, bolloNotes()},
        {u"Saldata"_s, 2, E::Check, Stato, u"Saldata"_s},
    };
    return table;
}

const RecordLayout& layout()
{
    static const RecordLayout record = layoutOf(fields());
    return record;
}

const CardField& field(const QString& name)
{
    static const CardFieldIndex index(fields(), u"della ricevuta"_s);
    return index.field(name);
}

QList<std::pair<QString, QString>> fromPropertyCard(const Record& property)
{
    QList<std::pair<QString, QString>> values;
    for (const char* same :
         {"UfficioTer", "DataStipula", "DataReg", "CodContratto", "DurataCon", "CognomeLoc01", "NomeLoc01",
          "CodFiscLoc01", "CognomeCon01", "NomeCon01", "CodFiscCon01", "Immobile"}) {
        const QString name = QString::fromLatin1(same);
        values.append({name, Text::trimmed(property.text(name))});
    }
    values.append({u"Causale01"_s, Text::trimmed(property.text(u"Periodicita"_s))});
    const QString euros = Text::trimmed(property.text(u"ImpRata"_s));
    const QString cents = Text::trimmed(property.text(u"CentRata"_s));
    if (!euros.isEmpty() && !cents.isEmpty())
        values.append({u"Importo01"_s, euros + u',' + cents});
    return values;
}

} // namespace SchedaRicevuta
