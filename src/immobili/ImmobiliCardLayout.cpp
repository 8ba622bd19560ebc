#include "ImmobiliCardLayout.h"

using namespace Qt::StringLiterals;

namespace {

// Where each field stands on the card; the record order (and so Enter and Tab) is the table's.
const QList<QStringList> kImmobileRows = {
    {u"Immobile"_s},
    {u"Tipologia"_s, u"Utilizzo"_s, u"Accatasta01"_s},
    {u"Via01"_s, u"Indirizzo01"_s, u"Civico01"_s},
    {u"Comune01"_s, u"Prov01"_s, u"Cap01"_s, u"Zona01"_s},
    {u"Scala01"_s, u"Interno01"_s, u"Piano01"_s, u"AnnoCostruz01"_s},
    {u"Volume"_s, u"Superficie"_s, u"Vani"_s, u"Mercato"_s},
    {u"Accessori"_s},
    {u"Condominio"_s},
    {u"Tasse"_s},
    {u"#Dati catastali"_s},
    {u"Pert01"_s, u"CodComune01"_s, u"TU01"_s, u"IP01"_s, u"SezUrb01"_s},
    {u"Foglio01"_s, u"ParticellaA01"_s, u"ParticellaB01"_s, u"Subalterno01"_s, u"Categoria01"_s},
    {u"ImpRend01"_s, u"CentRend01"_s, u"'euro"_s},
    {u"#"_s}};

const QList<QStringList> kLocatoreRows = {
    {u"CognomeLoc01"_s, u"NomeLoc01"_s, u"SessoLoc01"_s},
    {u"CodFiscLoc01"_s, u"@btnCodFiscLoc01"_s, u"PartitaIvaLoc01"_s, u"@btnPartitaIvaLoc01"_s},
    {u"ComuneLoc01"_s, u"ProvLoc01"_s, u"DataNascLoc01"_s},
    {u"ComuneDom"_s, u"ProvDom"_s, u"CapLoc01"_s},
    {u"ViaDom"_s, u"ImpPoss01"_s, u"CentPoss01"_s},
    {u"TelCasaLoc01"_s, u"TelUffLoc01"_s},
    {u"TelCelLoc01"_s, u"FaxLoc01"_s},
    {u"EmailLoc01"_s, u"@btnEmailLoc01"_s},
    {u"Comproprietari"_s},
    {u"#Rappresentante legale"_s},
    {u"CognomeRap"_s, u"NomeRap"_s},
    {u"CodFiscRap"_s, u"@btnCodFiscRap"_s, u"CodCarica"_s},
    {u"#"_s},
    {u"#Agenzia immobiliare"_s},
    {u"Agenzia"_s, u"RecapitoAge"_s},
    {u"ContattoAge"_s},
    {u"ClausoleAge"_s},
    {u"#"_s}};

const QList<QStringList> kConduttoreRows = {
    {u"CognomeCon01"_s, u"NomeCon01"_s, u"SessoCon01"_s},
    {u"CodFiscCon01"_s, u"@btnCodFiscCon01"_s, u"PartitaIvaCon01"_s, u"@btnPartitaIvaCon01"_s},
    {u"ComuneCon01"_s, u"ProvCon01"_s, u"DataNascCon01"_s},
    {u"ComuneRes"_s, u"ProvRes"_s, u"CapCon01"_s},
    {u"ViaRes"_s},
    {u"RecapitoCon"_s},
    {u"TelCasaCon01"_s, u"TelUffCon01"_s},
    {u"TelCelCon01"_s, u"FaxCon01"_s},
    {u"EmailCon01"_s, u"@btnEmailCon01"_s},
    {u"Conviventi"_s},
    {u"Criteri"_s},
    {u"Pagamento"_s},
    {u"StatoImm"_s},
    {u"VisitaImm"_s},
    {u"Pattuizioni"_s}};

const QList<QStringList> kContrattoRows = {
    {u"UfficioTer"_s, u"TipoContratto"_s, u"DataStipula"_s},
    {u"ImpCanone"_s, u"CentCanone"_s, u"ScadeRata"_s, u"Periodicita"_s},
    {u"ImpRata"_s, u"CentRata"_s, u"'Cedolare:"_s, u"CedSi01"_s, u"CedNo01"_s},
    {u"ContrIva"_s, u"Sospensiva"_s},
    {u"#Registrazione"_s},
    {u"CodContratto"_s},
    {u"CodUff"_s, u"AnnoAdemp"_s, u"SerieAdemp"_s, u"NumAdemp"_s, u"SottonumAdemp"_s},
    {u"NumPagine"_s, u"NumCopie"_s, u"Esenzioni"_s, u"DataReg"_s},
    {u"ImpRegistro"_s, u"CentRegistro"_s, u"ScadeRegistro"_s},
    {u"#"_s},
    {u"DurataDAL"_s, u"DurataAL"_s},
    {u"DurataCon"_s, u"DurataPro"_s},
    {u"Impianti"_s},
    {u"Collaudo"_s},
    {u"ImpCauzione"_s, u"CentCauzione"_s, u"RateCauzione"_s, u"'rate canone."_s},
    {u"#Allegati al contratto"_s},
    {u"Inventari"_s, u"Quietanze"_s, u"Mappe"_s},
    {u"#"_s}};

} // namespace

namespace ImmobiliCardLayout {

const QList<CardSection>& sections()
{
    static const QList<CardSection> list = {
        {"panImmobile", "cmdImmobile_Blu", "cmdImmobile_Red", u"DATI DELL'IMMOBILE"_s,
         u"Visualizza la sezione relativa ai dati dell'immobile."_s, kImmobileRows},
        {"panLocatore", "cmdLocatore_Blu", "cmdLocatore_Red", u"DATI DEL LOCATORE"_s,
         u"Visualizza la sezione relativa ai dati del Locatore."_s, kLocatoreRows},
        {"panConduttore", "cmdConduttore_Blu", "cmdConduttore_Red", u"DATI DEL CONDUTTORE"_s,
         u"Visualizza la sezione relativa ai dati del Conduttore."_s, kConduttoreRows},
        {"panContratto", "cmdContratto_Blu", "cmdContratto_Red", u"RIFERIMENTI DEL CONTRATTO"_s,
         u"Visualizza la sezione relativa ai riferimenti del contratto."_s, kContrattoRows}};
    return list;
}

} // namespace ImmobiliCardLayout
