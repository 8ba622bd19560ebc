#include "DemoData.h"

#include "Shooter.h"
#include "app/Screens.h"
#include "app/TfrmAvvio.h"
#include "backup/BackupSave.h"
#include "card/FieldBehaviour.h"
#include "checks/IdentityCodes.h"
#include "f24/F24Screens.h"
#include "f24/SchedaF24.h"
#include "immobili/Attachments.h"
#include "immobili/SchedaImmobile.h"
#include "platform/ExeFolder.h"
#include "platform/Picture.h"
#include "platform/SafeWrite.h"
#include "ricevute/ReceiptLogo.h"
#include "ricevute/ReceiptSettings.h"
#include "ricevute/RicevuteScreens.h"
#include "ricevute/SchedaRicevuta.h"
#include "ricevute/TfrmMenuRicevute.h"
#include "storage/ArchiveFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <initializer_list>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

using Values = std::initializer_list<std::pair<const char*, const char16_t*>>;

// The landlord of every card.
const Values kLandlord = {
    {"CognomeLoc01", u"Bianchi"},
    {"NomeLoc01", u"Giovanna"},
    {"SessoLoc01", u"F"},
    {"CodFiscLoc01", u"BNCGNN58E52A944B"},
    {"ComuneLoc01", u"Bologna"},
    {"ProvLoc01", u"BO"},
    {"DataNascLoc01", u"12/05/1958"},
    {"ComuneDom", u"Bologna"},
    {"ProvDom", u"BO"},
    {"ViaDom", u"Via Saragozza 40"},
    {"CapLoc01", u"40123"},
    {"ImpPoss01", u"100"},
    {"CentPoss01", u"00"},
    {"TelCelLoc01", u"333 000 1234"},
    {"EmailLoc01", u"giovanna.bianchi@example.it"},
};

const Values kCards[] = {
    {
        {"Immobile", u"Appartamento di quattro vani in via dei Mille 14, Bologna"},
        {"Tipologia", u"Appartamento"},
        {"Utilizzo", u"Abitativo"},
        {"Via01", u"Via"},
        {"Indirizzo01", u"dei Mille"},
        {"Civico01", u"14"},
        {"Comune01", u"Bologna"},
        {"Prov01", u"BO"},
        {"Cap01", u"40121"},
        {"Zona01", u"Centro storico"},
        {"Scala01", u"A"},
        {"Interno01", u"6"},
        {"Piano01", u"2"},
        {"AnnoCostruz01", u"1965"},
        {"Volume", u"290 mc"},
        {"Superficie", u"95 mq"},
        {"Vani", u"4"},
        {"Accessori", u"Cantina al piano interrato, posto bici nel cortile"},
        {"Mercato", u"320.000"},
        {"Condominio", u"85,40 millesimi di proprietà"},
        {"Tasse", u"TARI a carico del conduttore"},
        {"Pert01", u"I"},
        {"CodComune01", u"A944"},
        {"TU01", u"U"},
        {"IP01", u"I"},
        {"Foglio01", u"182"},
        {"ParticellaA01", u"315"},
        {"Subalterno01", u"12"},
        {"Categoria01", u"A/2"},
        {"ImpRend01", u"1084"},
        {"CentRend01", u"56"},
        {"CognomeCon01", u"Ferrari"},
        {"NomeCon01", u"Luca"},
        {"SessoCon01", u"M"},
        {"CodFiscCon01", u"FRRLCU85P03L781O"},
        {"ComuneCon01", u"Verona"},
        {"ProvCon01", u"VR"},
        {"DataNascCon01", u"03/09/1985"},
        {"ComuneRes", u"Bologna"},
        {"ProvRes", u"BO"},
        {"ViaRes", u"Via dei Mille 14"},
        {"CapCon01", u"40121"},
        {"TelCelCon01", u"347 000 5678"},
        {"EmailCon01", u"luca.ferrari@example.it"},
        {"Conviventi", u"Elena Ferrari (coniuge)"},
        {"Pagamento", u"Bonifico bancario entro il giorno 5 di ogni mese"},
        {"StatoImm", u"Buono; cucina rinnovata nel 2022"},
        {"UfficioTer", u"Bologna 1"},
        {"TipoContratto", u"L1"},
        {"DataStipula", u"15/01/2023"},
        {"ImpCanone", u"9600"},
        {"CentCanone", u"00"},
        {"ScadeRata", u"5"},
        {"Periodicita", u"Rata canone di locazione mensile"},
        {"ImpRata", u"800"},
        {"CentRata", u"00"},
        {"CodContratto", u"TKY23T000457000JH"},
        {"CodUff", u"TKY"},
        {"AnnoAdemp", u"2023"},
        {"SerieAdemp", u"3T"},
        {"NumAdemp", u"000457"},
        {"SottonumAdemp", u"000"},
        {"NumPagine", u"6"},
        {"NumCopie", u"2"},
        {"DurataDAL", u"01/02/2023"},
        {"DurataAL", u"31/01/2027"},
        {"DurataCon", u"4 anni + 4"},
        {"DataReg", u"10/02/2023"},
        {"ImpCauzione", u"2400"},
        {"CentCauzione", u"00"},
        {"RateCauzione", u"3"},
        {"ImpRegistro", u"192"},
        {"CentRegistro", u"00"},
        {"ScadeRegistro", u"03/03/2026"},
        {"Impianti", u"Dichiarazioni di conformità dell'impianto elettrico e del gas consegnate"},
        {"Collaudo", u"Attestato di prestazione energetica classe D"},
        {"CedNo01", u"Sì"},
    },
    {
        {"Immobile", u"Bilocale arredato in via Castiglione 22, Bologna"},
        {"Tipologia", u"Appartamento"},
        {"Utilizzo", u"Abitativo"},
        {"Via01", u"Via"},
        {"Indirizzo01", u"Castiglione"},
        {"Civico01", u"22"},
        {"Comune01", u"Bologna"},
        {"Prov01", u"BO"},
        {"Cap01", u"40124"},
        {"Piano01", u"3"},
        {"Interno01", u"9"},
        {"Vani", u"2"},
        {"Superficie", u"52 mq"},
        {"CodComune01", u"A944"},
        {"Foglio01", u"205"},
        {"ParticellaA01", u"88"},
        {"Subalterno01", u"31"},
        {"Categoria01", u"A/3"},
        {"ImpRend01", u"604"},
        {"CentRend01", u"25"},
        {"CognomeCon01", u"Colombo"},
        {"NomeCon01", u"Sara"},
        {"SessoCon01", u"F"},
        {"CodFiscCon01", u"CLMSRA90S61F205S"},
        {"ComuneCon01", u"Milano"},
        {"ProvCon01", u"MI"},
        {"DataNascCon01", u"21/11/1990"},
        {"ComuneRes", u"Bologna"},
        {"ProvRes", u"BO"},
        {"ViaRes", u"Via Castiglione 22"},
        {"EmailCon01", u"sara.colombo@example.it"},
        {"UfficioTer", u"Bologna 1"},
        {"TipoContratto", u"L2"},
        {"DataStipula", u"20/08/2024"},
        {"ImpCanone", u"7800"},
        {"CentCanone", u"00"},
        {"ScadeRata", u"1"},
        {"Periodicita", u"Rata canone di locazione mensile"},
        {"ImpRata", u"650"},
        {"CentRata", u"00"},
        {"CodContratto", u"TKY24T001982000FQ"},
        {"CodUff", u"TKY"},
        {"AnnoAdemp", u"2024"},
        {"SerieAdemp", u"3T"},
        {"NumAdemp", u"001982"},
        {"SottonumAdemp", u"000"},
        {"DurataDAL", u"01/09/2024"},
        {"DurataAL", u"31/08/2027"},
        {"DurataCon", u"3 anni + 2"},
        {"DataReg", u"28/08/2024"},
        {"CedSi01", u"Sì"},
    },
    {
        {"Immobile", u"Negozio con vetrina in via Indipendenza 60, Bologna"},
        {"Tipologia", u"Fondo"},
        {"Utilizzo", u"Negozio"},
        {"Via01", u"Via"},
        {"Indirizzo01", u"Indipendenza"},
        {"Civico01", u"60"},
        {"Comune01", u"Bologna"},
        {"Prov01", u"BO"},
        {"Cap01", u"40121"},
        {"Piano01", u"Terra"},
        {"Superficie", u"70 mq"},
        {"CodComune01", u"A944"},
        {"Foglio01", u"180"},
        {"ParticellaA01", u"41"},
        {"Subalterno01", u"2"},
        {"Categoria01", u"C/1"},
        {"ImpRend01", u"2310"},
        {"CentRend01", u"40"},
        {"CognomeCon01", u"Marino"},
        {"NomeCon01", u"Andrea"},
        {"SessoCon01", u"M"},
        {"CodFiscCon01", u"MRNNDR78B14F839T"},
        {"PartitaIvaCon01", u"04587121205"},
        {"ComuneCon01", u"Napoli"},
        {"ProvCon01", u"NA"},
        {"DataNascCon01", u"14/02/1978"},
        {"ComuneRes", u"Bologna"},
        {"ProvRes", u"BO"},
        {"ViaRes", u"Via Indipendenza 60"},
        {"EmailCon01", u"andrea.marino@example.it"},
        {"UfficioTer", u"Bologna 2"},
        {"TipoContratto", u"S1"},
        {"DataStipula", u"10/03/2021"},
        {"ImpCanone", u"10800"},
        {"CentCanone", u"00"},
        {"ScadeRata", u"1"},
        {"Periodicita", u"Rata canone di locazione trimestrale"},
        {"ImpRata", u"2700"},
        {"CentRata", u"00"},
        {"CodContratto", u"TKY21T000876000RC"},
        {"DurataDAL", u"01/04/2021"},
        {"DurataAL", u"31/03/2027"},
        {"DurataCon", u"6 anni + 6"},
        {"DataReg", u"25/03/2021"},
        {"ImpRegistro", u"216"},
        {"CentRegistro", u"00"},
        {"ScadeRegistro", u"30/04/2026"},
        {"CedNo01", u"Sì"},
    },
};

// The documents attached to the first card.
const char16_t* const kAttached[][2] = {
    {u"Contratto_via_dei_Mille.pdf", u"Contratto di locazione firmato"},
    {u"Planimetria_via_dei_Mille.pdf", u"Planimetria catastale"},
};

void checkCodes(const Record& record)
{
    for (const QString& field : {u"CodFiscLoc01"_s, u"CodFiscCon01"_s}) {
        const QString code = record.text(field);
        if (!code.isEmpty() && !IdentityCodes::codiceFiscaleValid(code))
            giveUp(u"codice fiscale dimostrativo non valido: "_s + code);
    }
    const QString vat = record.text(u"PartitaIvaCon01"_s);
    if (!vat.isEmpty() && !IdentityCodes::partitaIvaValid(vat))
        giveUp(u"partita IVA dimostrativa non valida: "_s + vat);
}

void put(Record& record, const Values& values)
{
    for (const auto& [name, value] : values) {
        const QString field = QString::fromLatin1(name);
        const QString text = QString::fromUtf16(value);
        if (SchedaImmobile::field(field).entry == CardField::Entry::Check)
            record.setFlag(field, text == u"Sì"_s);
        else
            record.setText(field, text);
    }
}

// The landlord's own logo: a house and her name.
QImage landlordLogo()
{
    QImage logo(297, 184, QImage::Format_RGB32);
    logo.fill(Qt::white);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer house(u":/pictures/house.svg"_s);
    house.render(&painter, QRectF(108, 10, 80, 80));
    painter.setPen(QColor(0x1F, 0x3A, 0x68));
    painter.setFont(QFont(u"Arial"_s, 20, QFont::Bold));
    painter.drawText(QRect(0, 96, 297, 40), Qt::AlignCenter, u"Giovanna Bianchi"_s);
    painter.setFont(QFont(u"Arial"_s, 12));
    painter.drawText(QRect(0, 136, 297, 30), Qt::AlignCenter, u"Locazioni in Bologna"_s);
    return logo;
}

QLineEdit* receiptField(const char* name)
{
    return static_cast<QLineEdit*>(frmRicevute->form().control(QString::fromLatin1(name)));
}

} // namespace

namespace DemoData {

QDateTime today()
{
    return QDateTime(QDate(kYear, 12, 10), QTime(10, 0));
}

Record card(int index)
{
    Record record(SchedaImmobile::layout());
    put(record, kLandlord);
    put(record, kCards[index]);
    if (index == 0) {
        const char* fields[][2] = {{"File01", "Desc01"}, {"File02", "Desc02"}};
        for (int i = 0; i < 2; ++i) {
            record.setText(QString::fromLatin1(fields[i][0]), QString::fromUtf16(kAttached[i][0]));
            record.setText(QString::fromLatin1(fields[i][1]), QString::fromUtf16(kAttached[i][1]));
        }
    }
    checkCodes(record);
    return record;
}

void writeCards()
{
    ArchiveFile archive(ExeFolder::file(SchedaImmobile::archiveName()), SchedaImmobile::layout().size());
    archive.openOrCreate();
    for (int i = 0; i < 3; ++i) {
        archive.seek(i);
        archive.write(card(i).bytes());
    }
    archive.close();
}

void writeSettings()
{
    ReceiptSettings::saveReasons({u"Rata canone di locazione mensile"_s,
                                  u"Rata canone di locazione trimestrale"_s, u"Spese condominiali"_s,
                                  u"Conguaglio spese di riscaldamento"_s, u"Deposito cauzionale"_s});
    ReceiptLogo::save(landlordLogo());
    QTemporaryDir scratch;
    for (const auto& attached : kAttached) {
        const QString path = scratch.filePath(QString::fromUtf16(attached[0]));
        SafeWrite::replaceFile(path, "%PDF-1.4\n%%EOF\n");
        Attachments::copyIn(path);
    }
}

void enterReceipts()
{
    frmAvvio->present();
    clickOn(frmAvvio->imgRicevute);
    frmMenuRicevute->txtAnnoFatture->setText(QString::number(kYear));
    clickOn(frmMenuRicevute->btnApriFatture);

    struct Lease {
        int card;
        int day;
        int everyMonths;
        int unpaidFromMonth; // the receipts from this month on are not paid yet
    };
    const Lease leases[] = {{2, 1, 3, 13}, {1, 1, 1, 11}, {0, 5, 1, 12}};
    for (int month = 1; month <= 12; ++month) {
        for (const Lease& lease : leases) {
            if ((month - 1) % lease.everyMonths != 0)
                continue;
            clickOn(controlOf(frmRicevute, "cmdNuovo"));
            frmRicevute->importPropertyCard(card(lease.card));
            receiptField("Data")->setText(QDate(kYear, month, lease.day).toString(u"dd/MM/yyyy"_s));
            if (lease.card == 0) {
                receiptField("Causale02")->setText(u"Spese condominiali"_s);
                receiptField("Importo02")->setText(u"60,00"_s);
                if (month >= 2) {
                    receiptField("PercIstat")->setText(u"1,20"_s);
                    clickOn(controlOf(frmRicevute, "cmdIstat"));
                }
            }
            frmRicevute->txtBollo->setCurrentIndex(0);
            frmRicevute->chkSaldata->setChecked(month < lease.unpaidFromMonth);
            clickOn(controlOf(frmRicevute, "cmdSalva"));
        }
    }
    frmRicevute->close();
}

void enterF24Forms()
{
    frmAvvio->present();
    clickOn(frmAvvio->imgModelloF24);
    struct Payment {
        int card;
        const char16_t* date;
        const char16_t* year;
    };
    const Payment payments[] = {{0, u"03/03/2025", u"2025"}, {2, u"30/04/2025", u"2025"}};
    for (const Payment& p : payments) {
        clickOn(controlOf(frmModello_F24_Elide, "cmdNuovo"));
        frmModello_F24_Elide->importPropertyCard(card(p.card));
        const std::pair<const char*, QString> values[] = {
            {"Delegato", u"Banca di Credito Emiliano"_s},
            {"Agenzia", u"Bologna, agenzia 4"_s},
            {"ProvAg", u"BO"_s},
            {"Identificativo", u"63"_s},
            {"Tipo01", u"F"_s},
            {"Codice01", u"1501"_s},
            {"AnnoRif01", QString::fromUtf16(p.year)},
            {"Data", QString::fromUtf16(p.date)},
        };
        for (const auto& [field, value] : values)
            frmModello_F24_Elide->edit(QString::fromLatin1(field))->setText(value);
        clickOn(controlOf(frmModello_F24_Elide, "cmdSalva"));
    }
    frmModello_F24_Elide->close();
}

void saveBackup()
{
    QTemporaryDir elsewhere;
    Backup::save(ExeFolder::path(), elsewhere.filePath(Backup::proposedName(today().date())));
}

} // namespace DemoData
