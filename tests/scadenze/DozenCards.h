#pragma once

#include "immobili/SchedaImmobile.h"
#include "support/Files.h"
#include "support/Receipts.h"

#include <QDir>
#include <QList>
#include <QString>

// A landlord's dozen property cards, as seen on 15/03/2024, with a 2024 receipt archive: every
// kind of deadline, two cards in cedolare secca, a short contract code, an unreadable date, an
// extension, a lease started on 29 February.
namespace DozenCards {

using Fields = QList<std::pair<const char*, QString>>;

inline QByteArray card(const Fields& fields)
{
    using namespace Qt::StringLiterals;
    Record record(SchedaImmobile::layout());
    const Fields landlord{{"CognomeLoc01", u"BIANCO"_s},
                          {"NomeLoc01", u"ALBERTO"_s},
                          {"SessoLoc01", u"M"_s},
                          {"CodFiscLoc01", u"BNCLRT60A01H501X"_s},
                          {"ComuneLoc01", u"ROMA"_s},
                          {"ProvLoc01", u"RM"_s},
                          {"DataNascLoc01", u"01/01/1960"_s},
                          {"ComuneDom", u"ROMA"_s},
                          {"ProvDom", u"RM"_s},
                          {"ViaDom", u"VIA APPIA 10"_s}};
    for (const auto& [name, value] : landlord + fields) {
        if (QByteArray(name) == "CedSi01")
            record.setFlag(u"CedSi01"_s, value == u"Sì"_s);
        else
            record.setText(QString::fromLatin1(name), value);
    }
    return record.bytes();
}

inline QString code(int n)
{
    return QStringLiteral("TNR22T0001") + QString::number(n).rightJustified(2, u'0') +
           QStringLiteral("000AB");
}

inline QString tenantCode(int n)
{
    return QStringLiteral("CNDTNT80A01H5%1U").arg(n, 2, 10, QLatin1Char('0'));
}

inline QByteArray cards()
{
    using namespace Qt::StringLiterals;
    auto tenant = [](int n, const QString& surname, const QString& name) {
        return Fields{{"CognomeCon01", surname},
                      {"NomeCon01", name},
                      {"CodFiscCon01", tenantCode(n)},
                      {"CodContratto", code(n)}};
    };
    const QString monthly = u"Rata canone di locazione mensile"_s;
    QByteArray bytes;
    bytes += card(tenant(1, u"ROSSI"_s, u"MARIO"_s) + Fields{{"Immobile", u"Appartamento via Roma 1"_s},
                                                             {"Utilizzo", u"Abitativo"_s},
                                                             {"DurataDAL", u"01/04/2022"_s},
                                                             {"DurataAL", u"31/03/2026"_s},
                                                             {"ImpCanone", u"7800"_s},
                                                             {"CentCanone", u"00"_s},
                                                             {"Periodicita", monthly},
                                                             {"ScadeRata", u"5"_s},
                                                             {"ImpRata", u"650"_s},
                                                             {"CentRata", u"00"_s}});
    bytes += card(tenant(2, u"BIANCHI"_s, u"ANNA"_s) + Fields{{"Immobile", u"Negozio corso Italia 12"_s},
                                                              {"Utilizzo", u"Negozio"_s},
                                                              {"DurataDAL", u"01/06/2018"_s},
                                                              {"DurataAL", u"31/05/2024"_s},
                                                              {"CedSi01", u"Sì"_s}});
    bytes += card(tenant(3, u"VERDI"_s, u"LUCA"_s) +
                  Fields{{"Immobile", u"Box via Po 3"_s},
                         {"Utilizzo", u"Autorimessa privata"_s},
                         {"DurataDAL", u"10/04/2021"_s},
                         {"DurataAL", u"09/04/2025"_s},
                         {"CedSi01", u"Sì"_s},
                         {"Periodicita", u"Rata canone di locazione trimestrale"_s},
                         {"ScadeRata", u"10"_s},
                         {"ImpRata", u"300"_s},
                         {"CentRata", u"00"_s}});
    bytes += card(Fields{{"CognomeCon01", u"NERI"_s},
                         {"NomeCon01", u"GIULIA"_s},
                         {"CodFiscCon01", tenantCode(4)},
                         {"CodContratto", u"TNR20T0001"_s},
                         {"Immobile", u"Ufficio piazza Duomo 2"_s},
                         {"Utilizzo", u"Ufficio"_s},
                         {"DurataDAL", u"01/03/2020"_s},
                         {"DurataAL", u"28/02/2026"_s},
                         {"ImpCanone", u"12000"_s}});
    bytes += card(tenant(5, u"GALLI"_s, u"PAOLO"_s) + Fields{{"Immobile", u"Appartamento via Verdi 8"_s},
                                                             {"Utilizzo", u"Abitativo"_s},
                                                             {"DataStipula", u"25/03/2024"_s},
                                                             {"DurataDAL", u"01/04/2024"_s},
                                                             {"DurataAL", u"31/03/2028"_s},
                                                             {"ImpCanone", u"2400"_s}});
    bytes += card(tenant(6, u"COLOMBO"_s, u"SARA"_s) + Fields{{"Immobile", u"Villa via dei Pini 20"_s},
                                                              {"Utilizzo", u"Abitativo"_s},
                                                              {"DurataDAL", u"01/10/2020"_s},
                                                              {"DurataAL", u"30/09/2024"_s},
                                                              {"CedSi01", u"Sì"_s}});
    bytes += card(tenant(7, u"RICCI"_s, u"ELENA"_s) + Fields{{"Immobile", u"Posto letto via Manzoni 5"_s},
                                                             {"Utilizzo", u"Posto letto"_s},
                                                             {"DurataDAL", u"01/01/2024"_s},
                                                             {"DurataAL", u"31/12/2024"_s},
                                                             {"CedSi01", u"Sì"_s},
                                                             {"Periodicita", monthly},
                                                             {"ScadeRata", u""_s},
                                                             {"ImpRata", u"400"_s},
                                                             {"CentRata", u"00"_s}});
    bytes += card(tenant(8, u"FERRARI"_s, u"LUIGI"_s) + Fields{{"Immobile", u"Cantina via Garibaldi 7"_s},
                                                               {"DurataDAL", u"01/10/2021"_s},
                                                               {"DurataAL", u"31/09/2025"_s},
                                                               {"ImpCanone", u"600"_s}});
    bytes += card(tenant(9, u"ESPOSITO"_s, u"CIRO"_s) + Fields{{"Immobile", u"Magazzino via Napoli 40"_s},
                                                               {"Utilizzo", u"Magazzino"_s},
                                                               {"DurataDAL", u"01/05/2018"_s},
                                                               {"DurataAL", u"30/04/2024"_s},
                                                               {"DurataPro", u"6 anni"_s},
                                                               {"ImpCanone", u"9600"_s}});
    bytes +=
        card(tenant(10, u"ROMANO"_s, u"FRANCESCA"_s) + Fields{{"Immobile", u"Appartamento via Dante 4"_s},
                                                              {"Utilizzo", u"Abitativo"_s},
                                                              {"DurataDAL", u"01/02/2023"_s},
                                                              {"DurataAL", u"31/01/2027"_s},
                                                              {"CedSi01", u"Sì"_s},
                                                              {"Periodicita", monthly},
                                                              {"ScadeRata", u"5"_s},
                                                              {"ImpRata", u"700"_s},
                                                              {"CentRata", u"00"_s}});
    bytes += card(tenant(11, u"MARINO"_s, u"GIORGIO"_s) + Fields{{"Immobile", u"Garage via Tevere 11"_s},
                                                                 {"Utilizzo", u"Autorimessa privata"_s},
                                                                 {"DurataDAL", u"15/05/2023"_s},
                                                                 {"DurataAL", u"14/05/2029"_s},
                                                                 {"ImpCanone", u"1200"_s}});
    bytes += card(tenant(12, u"GRECO"_s, u"LAURA"_s) + Fields{{"Immobile", u"Appartamento via Cavour 9"_s},
                                                              {"Utilizzo", u"Abitativo"_s},
                                                              {"DurataDAL", u"29/02/2020"_s},
                                                              {"DurataAL", u"28/02/2028"_s},
                                                              {"ImpCanone", u"9000"_s},
                                                              {"ImpRegistro", u"170"_s},
                                                              {"CentRegistro", u"00"_s},
                                                              {"ScadeRegistro", u"30/03/2024"_s}});
    return bytes;
}

inline QByteArray receipts2024()
{
    using namespace Qt::StringLiterals;
    QByteArray bytes;
    auto add = [&](int n, const QString& date, const QString& paid) {
        bytes += receiptBytes(
            {{"Data", date}, {"CodFiscCon01", tenantCode(n)}, {"CodContratto", code(n)}, {"Saldata", paid}});
    };
    for (const QString& date : {u"04/01/2024"_s, u"05/02/2024"_s, u"05/03/2024"_s}) {
        add(1, date, u"Sì"_s);
        add(10, date, u"Sì"_s);
    }
    add(7, u"02/01/2024"_s, u"Sì"_s);
    add(7, u"01/02/2024"_s, u"No"_s);
    return bytes;
}

inline void write(const QString& folder)
{
    writeArchive(folder, cards());
    writeFile(QDir(folder).filePath(QStringLiteral("2024.ric")), receipts2024());
}

} // namespace DozenCards
