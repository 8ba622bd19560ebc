#include "SchedaImmobile.h"

using namespace Qt::StringLiterals;

namespace {
const QStringList kTipologie = {
    u"Appartamento"_s,         u"Box"_s,   u"Capannone"_s, u"Casa condominiale"_s, u"Casa indipendente"_s,
    u"Edificio industriale"_s, u"Fondo"_s, u"Garage"_s,    u"Rustico"_s,           u"Terreno agricolo"_s,
    u"Terreno edificabile"_s,  u"Villa"_s};
const QStringList kUtilizzi = {u"Abitativo"_s,
                               u"Attività commerciale"_s,
                               u"Autorimessa privata"_s,
                               u"Cantina"_s,
                               u"Deposito"_s,
                               u"Laboratorio"_s,
                               u"Magazzino"_s,
                               u"Negozio"_s,
                               u"Non abitativo"_s,
                               u"Posto auto"_s,
                               u"Posto letto"_s,
                               u"Soffitta"_s,
                               u"Turistico"_s,
                               u"Ufficio"_s};
const QStringList kPeriodicita = {u"Rata canone di locazione mensile"_s,
                                  u"Rata canone di locazione trimestrale"_s,
                                  u"Rata canone di locazione semestrale"_s};
const QStringList kProvince =
    u"AG AL AN AO AP AQ AR AT AV BA BG BI BL BN BO BR BS BT BZ CA CB CE CH CI CL CN CO CR CS CT CZ EE EN FC "
    u"FE FG FI FM FO FR GE GO GR IM IS KR LC LE LI LO LT LU MB MC MD ME MI MN MO MS MT NA NO NU OG OR OT PA "
    u"PC PD PE PG PI PN PO PR PT PU PV PZ RA RC RE RG RI RM RN RO SA SI SO SP SR SS SV TA TE TN TO TP TR TS "
    u"TV UD VA VB VC VE VI VR VT VV"_s.split(u' ');
} // namespace

namespace SchedaImmobile {

const QList<CardField>& fields()
{
    using E = CardField::Entry;
    constexpr int Immobile = int(Section::Immobile), Locatore = int(Section::Locatore),
                  Conduttore = int(Section::Conduttore), Contratto = int(Section::Contratto),
                  Allegati = int(Section::Allegati);
    static const QList<CardField> table = {
        {u"Immobile"_s, 250, E::Text, Immobile, u"Descrizione Immobile:"_s},
        {u"Tipologia"_s, 50, E::List, Immobile, u"Tipologia:"_s, kTipologie},
        {u"Via01"_s, 18, E::Text, Immobile, u"Via / Piazza:"_s},
        {u"Indirizzo01"_s, 40, E::Text, Immobile, u"Indirizzo:"_s},
        {u"Civico01"_s, 6, E::Text, Immobile, u"N. civico:"_s},
        {u"Comune01"_s, 30, E::Text, Immobile, u"Comune:"_s},
        {u"Prov01"_s, 2, E::Province, Immobile, u"Prov."_s, kProvince},
        {u"Cap01"_s, 5, E::Text, Immobile, u"CAP:"_s},
        {u"Scala01"_s, 10, E::Text, Immobile, u"Scala:"_s},
        {u"Interno01"_s, 10, E::Text, Immobile, u"Interno:"_s},
        {u"Piano01"_s, 10, E::Text, Immobile, u"Piano:"_s},
        {u"Zona01"_s, 50, E::Text, Immobile, u"Zona:"_s},
        {u"AnnoCostruz01"_s, 20, E::Text, Immobile, u"Anno costruz."_s},
        {u"Utilizzo"_s, 30, E::List, Immobile, u"Utilizzo:"_s, kUtilizzi},
        {u"Volume"_s, 20, E::Text, Immobile, u"Volume:"_s},
        {u"Superficie"_s, 20, E::Text, Immobile, u"Superficie:"_s},
        {u"Vani"_s, 20, E::Text, Immobile, u"Vani:"_s},
        {u"Accessori"_s, 120, E::Text, Immobile, u"Accessori:"_s},
        {u"Mercato"_s, 30, E::Text, Immobile, u"Valore di mercato:"_s},
        {u"Condominio"_s, 120, E::Text, Immobile, u"Dati in tabelle millesimali:"_s},
        {u"Tasse"_s, 120, E::Text, Immobile, u"Tasse comunali:"_s},
        {u"Pert01"_s, 2, E::Upper, Immobile, u"Immobile / Pertinenza:"_s},
        {u"CodComune01"_s, 5, E::Upper, Immobile, u"Codice Comune:"_s},
        {u"TU01"_s, 2, E::Upper, Immobile, u"T/U:"_s},
        {u"IP01"_s, 2, E::Upper, Immobile, u"I/P:"_s},
        {u"SezUrb01"_s, 3, E::Upper, Immobile, u"Sezione urbana:"_s},
        {u"Foglio01"_s, 4, E::Upper, Immobile, u"Foglio:"_s},
        {u"ParticellaA01"_s, 5, E::Upper, Immobile, u"Particella:"_s},
        {u"ParticellaB01"_s, 4, E::Upper, Immobile, u"/"_s},
        {u"Subalterno01"_s, 4, E::Upper, Immobile, u"Subalterno:"_s},
        {u"Categoria01"_s, 3, E::Upper, Immobile, u"Categoria catastale:"_s},
        {u"ImpRend01"_s, 10, E::Euros, Immobile, u"Rendita catastale:"_s},
        {u"CentRend01"_s, 2, E::Digits, Immobile, u","_s},
        {u"CognomeLoc01"_s, 30, E::Text, Locatore, u"Cognome Locatore:"_s},
        {u"NomeLoc01"_s, 30, E::Text, Locatore, u"Nome Locatore:"_s},
        {u"SessoLoc01"_s, 1, E::Upper, Locatore, u"Sesso:"_s},
        {u"CodFiscLoc01"_s, 16, E::Upper, Locatore, u"Cod. Fiscale Locatore:"_s},
        {u"ComuneLoc01"_s, 30, E::Text, Locatore, u"Comune o Stato estero di nascita:"_s},
        {u"ProvLoc01"_s, 2, E::Province, Locatore, u"Prov."_s, kProvince},
        {u"DataNascLoc01"_s, 10, E::Text, Locatore, u"Data di nascita:"_s},
        {u"ComuneDom"_s, 50, E::Text, Locatore, u"Comune di domicilio fiscale:"_s},
        {u"ProvDom"_s, 2, E::Province, Locatore, u"Prov."_s, kProvince},
        {u"ViaDom"_s, 50, E::Text, Locatore, u"Via e numero civico:"_s},
        {u"ImpPoss01"_s, 10, E::Euros, Locatore, u"% Possesso:"_s},
        {u"CentPoss01"_s, 2, E::Digits, Locatore, u","_s},
        {u"CapLoc01"_s, 10, E::Text, Locatore, u"CAP:"_s},
        {u"PartitaIvaLoc01"_s, 11, E::Digits, Locatore, u"Partita IVA Locatore:"_s},
        {u"TelCasaLoc01"_s, 30, E::Text, Locatore, u"Tel. casa:"_s},
        {u"TelUffLoc01"_s, 30, E::Text, Locatore, u"Tel. ufficio:"_s},
        {u"TelCelLoc01"_s, 30, E::Text, Locatore, u"Tel. cellulare:"_s},
        {u"FaxLoc01"_s, 30, E::Text, Locatore, u"Fax:"_s},
        {u"EmailLoc01"_s, 50, E::Trim, Locatore, u"E-mail:"_s},
        {u"Comproprietari"_s, 250, E::Text, Locatore, u"Comproprietari:"_s},
        {u"CognomeRap"_s, 30, E::Text, Locatore, u"Cognome Rappresentante legale:"_s},
        {u"NomeRap"_s, 30, E::Text, Locatore, u"Nome:"_s},
        {u"CodFiscRap"_s, 16, E::Upper, Locatore, u"Cod. Fiscale Rappresentante:"_s},
        {u"CodCarica"_s, 2, E::Upper, Locatore, u"Codice carica:"_s},
        {u"Agenzia"_s, 50, E::Text, Locatore, u"Agenzia immobiliare:"_s},
        {u"RecapitoAge"_s, 50, E::Text, Locatore, u"Recapito telefonico Agenzia:"_s},
        {u"ContattoAge"_s, 120, E::Text, Locatore, u"Persona di contatto in Agenzia:"_s},
        {u"ClausoleAge"_s, 250, E::Text, Locatore, u"Clausole contrattuali con Agenzia:"_s},
        {u"CognomeCon01"_s, 30, E::Text, Conduttore, u"Cognome Conduttore:"_s},
        {u"NomeCon01"_s, 30, E::Text, Conduttore, u"Nome Conduttore:"_s},
        {u"SessoCon01"_s, 1, E::Upper, Conduttore, u"Sesso:"_s},
        {u"CodFiscCon01"_s, 16, E::Upper, Conduttore, u"Cod. Fiscale Conduttore:"_s},
        {u"ComuneCon01"_s, 30, E::Text, Conduttore, u"Comune o Stato estero di nascita:"_s},
        {u"ProvCon01"_s, 2, E::Province, Conduttore, u"Prov."_s, kProvince},
        {u"DataNascCon01"_s, 10, E::Text, Conduttore, u"Data di nascita:"_s},
        {u"ComuneRes"_s, 50, E::Text, Conduttore, u"Comune di domicilio fiscale:"_s},
        {u"ProvRes"_s, 2, E::Province, Conduttore, u"Prov."_s, kProvince},
        {u"ViaRes"_s, 50, E::Text, Conduttore, u"Via e numero civico:"_s},
        {u"RecapitoCon"_s, 50, E::Text, Conduttore, u"Recapito preferenziale:"_s},
        {u"CapCon01"_s, 10, E::Text, Conduttore, u"CAP:"_s},
        {u"PartitaIvaCon01"_s, 11, E::Digits, Conduttore, u"Partita IVA Conduttore:"_s},
        {u"TelCasaCon01"_s, 30, E::Text, Conduttore, u"Tel. casa:"_s},
        {u"TelUffCon01"_s, 30, E::Text, Conduttore, u"Tel. ufficio:"_s},
        {u"TelCelCon01"_s, 30, E::Text, Conduttore, u"Tel. cellulare:"_s},
        {u"FaxCon01"_s, 30, E::Text, Conduttore, u"Fax:"_s},
        {u"EmailCon01"_s, 50, E::Trim, Conduttore, u"E-mail:"_s},
        {u"Conviventi"_s, 250, E::Text, Conduttore, u"Persone conviventi:"_s},
        {u"Criteri"_s, 250, E::Text, Conduttore, u"Criteri e parametri per calcolo canone:"_s},
        {u"Pagamento"_s, 250, E::Text, Conduttore, u"Modalità di pagamento:"_s},
        {u"StatoImm"_s, 250, E::Text, Conduttore, u"Note sullo stato dell'immobile:"_s},
        {u"VisitaImm"_s, 250, E::Text, Conduttore,
         u"Modalità di visita all'immobile (in caso di vendita):"_s},
        {u"Pattuizioni"_s, 250, E::Text, Conduttore, u"Altre pattuizioni:"_s},
        {u"UfficioTer"_s, 30, E::Text, Contratto, u"Ufficio territoriale:"_s},
        {u"TipoContratto"_s, 3, E::Text, Contratto, u"Tipologia contratto:"_s},
        {u"DataStipula"_s, 10, E::Text, Contratto, u"Data stipula:"_s},
        {u"ImpCanone"_s, 10, E::Euros, Contratto, u"Importo intero canone:"_s},
        {u"CentCanone"_s, 2, E::Digits, Contratto, u","_s},
        {u"ScadeRata"_s, 10, E::Text, Contratto, u"Scadenza rata canone:"_s},
        {u"Periodicita"_s, 50, E::List, Contratto, u"Periodicità rata canone:"_s, kPeriodicita},
        {u"ImpRata"_s, 10, E::Euros, Contratto, u"Importo rata canone:"_s},
        {u"CentRata"_s, 2, E::Digits, Contratto, u","_s},
        {u"CodContratto"_s, 17, E::Text, Contratto, u"Codice identificativo del contratto:"_s},
        {u"CodUff"_s, 3, E::Text, Contratto, u"Cod. Ufficio:"_s},
        {u"AnnoAdemp"_s, 4, E::Text, Contratto, u"Anno:"_s},
        {u"SerieAdemp"_s, 2, E::Text, Contratto, u"Serie:"_s},
        {u"NumAdemp"_s, 6, E::Text, Contratto, u"Numero:"_s},
        {u"SottonumAdemp"_s, 3, E::Text, Contratto, u"Sottonumero:"_s},
        {u"NumPagine"_s, 2, E::Text, Contratto, u"N. pagine:"_s},
        {u"NumCopie"_s, 2, E::Text, Contratto, u"N. copie:"_s},
        {u"Esenzioni"_s, 2, E::Text, Contratto, u"Esenzioni:"_s},
        {u"DurataDAL"_s, 10, E::Text, Contratto, u"Inizio locazione:"_s},
        {u"DurataAL"_s, 10, E::Text, Contratto, u"Fine locazione:"_s},
        {u"DurataCon"_s, 30, E::Text, Contratto, u"Durata contratto:"_s},
        {u"DurataPro"_s, 30, E::Text, Contratto, u"Durata proroga:"_s},
        {u"Impianti"_s, 250, E::Text, Contratto, u"Documentazione per la sicurezza degli impianti:"_s},
        {u"Collaudo"_s, 250, E::Text, Contratto, u"Certificato collaudo e certificazione energetica:"_s},
        {u"DataReg"_s, 10, E::Text, Contratto, u"Data registrazione contratto:"_s},
        {u"ImpCauzione"_s, 10, E::Euros, Contratto, u"Importo cauzione:"_s},
        {u"CentCauzione"_s, 2, E::Digits, Contratto, u","_s},
        {u"RateCauzione"_s, 4, E::Text, Contratto, u"pari a n."_s},
        {u"ImpRegistro"_s, 10, E::Euros, Contratto, u"Imposta di registro:"_s},
        {u"CentRegistro"_s, 2, E::Digits, Contratto, u","_s},
        {u"ScadeRegistro"_s, 10, E::Text, Contratto, u"Scadenza imposta di registro:"_s},
        {u"Inventari"_s, 2, E::Text, Contratto, u"Scritture private e inventari:"_s},
        {u"Quietanze"_s, 2, E::Text, Contratto, u"Ricevute e quietanze:"_s},
        {u"Mappe"_s, 2, E::Text, Contratto, u"Mappe, planimetrie e disegni:"_s},
        {u"Accatasta01"_s, 2, E::Check, Immobile, u"In via di accatastamento"_s},
        {u"CedSi01"_s, 2, E::Check, Contratto, u"Sì"_s},
        {u"CedNo01"_s, 2, E::Check, Contratto, u"No"_s},
        {u"ContrIva"_s, 2, E::Check, Contratto, u"Contratto soggetto ad IVA"_s},
        {u"Sospensiva"_s, 2, E::Check, Contratto, u"Condizione sospensiva"_s},
        {u"File01"_s, 250, E::Hidden, Allegati, u""_s},
        {u"File02"_s, 250, E::Hidden, Allegati, u""_s},
        {u"File03"_s, 250, E::Hidden, Allegati, u""_s},
        {u"Desc01"_s, 250, E::Hidden, Allegati, u""_s},
        {u"Desc02"_s, 250, E::Hidden, Allegati, u""_s},
        {u"Desc03"_s, 250, E::Hidden, Allegati, u""_s},
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
    static const CardFieldIndex index(fields(), u"della scheda immobile"_s);
    return index.field(name);
}

} // namespace SchedaImmobile
