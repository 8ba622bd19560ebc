#include "SchedaF24.h"

using namespace Qt::StringLiterals;

namespace SchedaF24 {

const QList<CardField>& fields()
{
    using E = CardField::Entry;
    constexpr int Intestazione = int(Section::Intestazione), Contribuente = int(Section::Contribuente),
                  Erario = int(Section::Erario);
    static const QList<CardField> table = {
        {u"Data"_s, 10, E::Text, Erario, u"DATA VERSAMENTO:"_s},
        {u"Delegato"_s, 50, E::Text, Intestazione, u"DELEGA IRREVOCABILE A:"_s},
        {u"Agenzia"_s, 50, E::Text, Intestazione, u"AGENZIA:"_s},
        {u"ProvAg"_s, 2, E::Capitals, Intestazione, u"PROV."_s},
        {u"CodFiscCont"_s, 16, E::Capitals, Contribuente, u"Codice Fiscale:"_s},
        {u"CognomeCont"_s, 50, E::Text, Contribuente, u"Cognome, denominazione o Ragione Sociale:"_s},
        {u"NomeCont"_s, 50, E::Text, Contribuente, u"Nome:"_s},
        {u"DataNasc"_s, 10, E::Text, Contribuente, u"Data di nascita (gg/mm/aaaa):"_s},
        {u"Sesso"_s, 1, E::Capitals, Contribuente, u"Sesso:"_s},
        {u"ComuneNasc"_s, 50, E::Text, Contribuente, u"Comune (o Stato estero) di nascita:"_s},
        {u"ProvNasc"_s, 2, E::Capitals, Contribuente, u"Prov."_s},
        {u"ComuneDom"_s, 50, E::Text, Contribuente, u"Comune di domicilio fiscale:"_s},
        {u"ProvDom"_s, 2, E::Capitals, Contribuente, u"Prov."_s},
        {u"ViaDom"_s, 50, E::Text, Contribuente, u"Via e numero civico:"_s},
        {u"CodFiscCoob"_s, 16, E::Capitals, Contribuente, u"Codice Fiscale del Coobbligato:"_s},
        {u"Identificativo"_s, 2, E::Capitals, Contribuente, u"Codice identificativo:"_s},
        {u"Tipo01"_s, 1, E::Capitals, Erario, u"Tipo:"_s},
        {u"Elementi01"_s, 17, E::Upper, Erario, u"Elementi identificativi:"_s},
        {u"Codice01"_s, 4, E::Capitals, Erario, u"Codice:"_s},
        {u"AnnoRif01"_s, 4, E::Digits, Erario, u"Anno riferimento:"_s},
        {u"Importo01"_s, 15, E::Amount, Erario, u"Importi a debito versati:"_s},
        {u"Tipo02"_s, 1, E::Capitals, Erario, u"Tipo:"_s},
        {u"Elementi02"_s, 17, E::Upper, Erario, u"Elementi identificativi:"_s},
        {u"Codice02"_s, 4, E::Capitals, Erario, u"Codice:"_s},
        {u"AnnoRif02"_s, 4, E::Digits, Erario, u"Anno riferimento:"_s},
        {u"Importo02"_s, 15, E::Amount, Erario, u"Importi a debito versati:"_s},
        {u"Totale"_s, 15, E::Amount, Erario, u"SALDO FINALE IN  EURO:"_s},
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
    static const CardFieldIndex index(fields(), u"del modello F24"_s);
    return index.field(name);
}

} // namespace SchedaF24
