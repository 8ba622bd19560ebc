#pragma once

#include "ricevute/SchedaRicevuta.h"
#include "support/Files.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <initializer_list>
#include <utility>

// Receipt records for the list, summary and chart tests: the fields named, the rest empty.
// Saldata is written as the flag the receipt screen stores ("Sì" or "No").
inline QByteArray receiptBytes(std::initializer_list<std::pair<const char*, QString>> values)
{
    Record record(SchedaRicevuta::layout());
    for (const auto& [name, value] : values) {
        if (QByteArray(name) == "Saldata")
            record.setFlag(QString::fromLatin1(name), value == QStringLiteral("Sì"));
        else
            record.setText(QString::fromLatin1(name), value);
    }
    return record.bytes();
}

// A small archive whose sums are known: March 10,40 (paid) and 10,20 (unpaid), April 10,50,
// July 650,00 (paid), and a December receipt of the previous year stored in this year's file.
inline QByteArray receiptFixture()
{
    using namespace Qt::StringLiterals;
    QByteArray bytes;
    bytes += receiptBytes({{"NumRic", u"1"_s},
                           {"Data", u"05/03/2024"_s},
                           {"CognomeCon01", u"ROSSI"_s},
                           {"NomeCon01", u"MARIO"_s},
                           {"TotRicevuta", u"10,40"_s},
                           {"Saldata", u"Sì"_s}});
    bytes += receiptBytes({{"NumRic", u"2"_s},
                           {"Data", u"20/03/2024"_s},
                           {"CognomeCon01", u"BIANCHI"_s},
                           {"NomeCon01", u"ANNA"_s},
                           {"TotRicevuta", u"10,20"_s},
                           {"Saldata", u"No"_s}});
    bytes += receiptBytes({{"NumRic", u"3"_s},
                           {"Data", u"10/04/2024"_s},
                           {"CognomeCon01", u"VERDI"_s},
                           {"NomeCon01", u"LUCA"_s},
                           {"TotRicevuta", u"10,50"_s},
                           {"Saldata", u"No"_s}});
    bytes += receiptBytes({{"NumRic", u"4"_s},
                           {"Data", u"15/12/2023"_s},
                           {"CognomeCon01", u"NERI"_s},
                           {"NomeCon01", u"GIULIA"_s},
                           {"TotRicevuta", u"500,00"_s},
                           {"Saldata", u"Sì"_s}});
    bytes += receiptBytes({{"NumRic", u"5"_s},
                           {"Data", u"01/07/2024"_s},
                           {"CognomeCon01", u"ROSSI"_s},
                           {"NomeCon01", u"MARIO"_s},
                           {"TotRicevuta", u"650,00"_s},
                           {"Saldata", u"Sì"_s}});
    return bytes;
}
