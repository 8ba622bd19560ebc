#include "Archives.h"

#include "f24/SchedaF24.h"
#include "immobili/SchedaImmobile.h"
#include "ricevute/SchedaRicevuta.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace {

const QStringList& surnames()
{
    static const QStringList list = {u"Rossi"_s,  u"Bianchi"_s, u"Verdi"_s, u"Esposito"_s,
                                     u"Romano"_s, u"Colombo"_s, u"Ricci"_s, u"Marino"_s,
                                     u"Greco"_s,  u"Bruno"_s,   u"Gallo"_s, u"Conti"_s};
    return list;
}

const QStringList& towns()
{
    static const QStringList list = {u"Milano"_s, u"Roma"_s,    u"Napoli"_s,
                                     u"Torino"_s, u"Bologna"_s, u"Firenze"_s};
    return list;
}

QString tenantCode(int i)
{
    return u"CNDTNT80A01H%1U"_s.arg(i % 1000, 3, 10, QChar(u'0'));
}

QString contractCode(int i)
{
    return u"TZZ21T00"_s + QString::number(100000 + i) + u"000"_s;
}

void fillSparse(Record& r, int i)
{
    r.setText(u"Immobile"_s, u"Appartamento n. "_s + QString::number(i) + u" con cantina e posto auto"_s);
    r.setText(u"Comune01"_s, towns()[i % towns().size()]);
    r.setText(u"CognomeLoc01"_s, surnames()[i % surnames().size()]);
    r.setText(u"CognomeCon01"_s, surnames()[(i * 7 + 3) % surnames().size()]);
    r.setText(u"CodContratto"_s, contractCode(i));
    r.setText(u"DataStipula"_s, u"01/02/2021"_s);
    r.setText(u"Pattuizioni"_s, u"Pagamento entro il giorno 5 di ogni mese"_s);
}

void fillLandlord(Record& r, int i)
{
    fillSparse(r, i);
    const QString month = u"%1"_s.arg(i % 12 + 1, 2, 10, QChar(u'0'));
    const QList<std::pair<const char*, QString>> fields = {
        {"Tipologia", u"Appartamento"_s},
        {"Via01", u"Via"_s},
        {"Indirizzo01", u"Garibaldi"_s},
        {"Civico01", QString::number(i % 200 + 1)},
        {"Prov01", u"MI"_s},
        {"Cap01", u"20121"_s},
        {"Utilizzo", u"Abitativo"_s},
        {"NomeLoc01", u"Mario"_s},
        {"SessoLoc01", u"M"_s},
        {"CodFiscLoc01", u"RSSMRA60A01F205X"_s},
        {"ComuneLoc01", u"Milano"_s},
        {"ProvLoc01", u"MI"_s},
        {"DataNascLoc01", u"01/01/1960"_s},
        {"ComuneDom", u"Milano"_s},
        {"ProvDom", u"MI"_s},
        {"ViaDom", u"Via Manzoni 4"_s},
        {"NomeCon01", u"Anna"_s},
        {"CodFiscCon01", tenantCode(i)},
        {"DurataDAL", u"01/"_s + month + u"/2022"_s},
        {"DurataAL", u"31/"_s + month + u"/2026"_s},
        {"DataStipula", u"15/12/2021"_s},
        {"ImpCanone", QString::number((500 + i % 400) * 12)},
        {"CentCanone", u"00"_s},
        {"Periodicita", u"Rata canone di locazione mensile"_s},
        {"ScadeRata", u"5"_s},
        {"ImpRata", QString::number(500 + i % 400)},
        {"CentRata", u"00"_s},
        {"ImpRegistro", QString::number((500 + i % 400) * 12 / 100)},
        {"CentRegistro", u"00"_s}};
    for (const auto& [name, value] : fields)
        r.setText(QString::fromLatin1(name), value);
    if (i % 31 == 0)
        r.setText(u"DurataAL"_s, u"31/"_s + month + u"/2024"_s); // some leases end this year
}

void fillFull(Record& r, int i)
{
    static const QStringList words = {
        u"appartamento"_s, u"città"_s,     u"perché"_s, u"€"_s,        u"via"_s,     u"Garibaldi"_s, u"&"_s,
        u"<piano>"_s,      u"\"terzo\""_s, u"caffè"_s,  u"più"_s,      u"cantina"_s, u"n°"_s,        u"12"_s,
        u"box"_s,          u"Verona"_s,    u"già"_s,    u"l'affitto"_s};
    unsigned seed = 2166136261u ^ unsigned(i);
    for (const RecordField& f : r.layout().fields()) {
        if (f.kind == RecordField::Kind::Flag) {
            r.setFlag(f.name, (seed >> 3) % 2 == 0);
            seed = seed * 1664525u + 1013904223u;
            continue;
        }
        QString text = f.name.startsWith(u"Cognome"_s) ? surnames()[(i + f.name.size()) % surnames().size()]
                                                       : QString::number(i);
        while (text.size() < f.capacity) {
            seed = seed * 1664525u + 1013904223u;
            text += u' ' + words[(seed >> 8) % words.size()];
        }
        r.setText(f.name, text.left(f.capacity));
    }
}

template <typename Fill> bool make(const QString& path, const RecordLayout& layout, int count, Fill fill)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    Record r(layout);
    for (int i = 0; i < count; ++i) {
        r.bytes().fill('\0');
        fill(r, i);
        if (file.write(r.bytes()) != r.bytes().size())
            return false;
    }
    return true;
}

} // namespace

namespace BenchArchives {

bool makeCards(const QString& path, int count, Cards kind)
{
    return make(path, SchedaImmobile::layout(), count, [kind](Record& r, int i) {
        kind == Cards::Full       ? fillFull(r, i)
        : kind == Cards::Landlord ? fillLandlord(r, i)
                                  : fillSparse(r, i);
    });
}

bool makeReceipts(const QString& path, int count, int cards)
{
    return make(path, SchedaRicevuta::layout(), count, [cards](Record& r, int i) {
        const int month = i % 12 + 1;
        const int card = i % cards;
        const QString amount = QString::number(500 + card % 400) + u",50"_s;
        r.setText(u"NumRic"_s, QString::number(i + 1));
        r.setText(u"Data"_s,
                  u"%1/%2/2024"_s.arg(i % 28 + 1, 2, 10, QChar(u'0')).arg(month, 2, 10, QChar(u'0')));
        r.setText(u"CognomeLoc01"_s, surnames()[card % surnames().size()]);
        r.setText(u"CognomeCon01"_s, surnames()[(card * 7 + 3) % surnames().size()]);
        r.setText(u"NomeCon01"_s, u"Anna"_s);
        r.setText(u"CodFiscCon01"_s, tenantCode(card));
        r.setText(u"CodContratto"_s, contractCode(card));
        r.setText(u"Immobile"_s,
                  u"Appartamento n. "_s + QString::number(card) + u" con cantina e posto auto"_s);
        r.setText(u"Causale01"_s, u"Canone di locazione del mese"_s);
        r.setText(u"Importo01"_s, amount);
        r.setText(u"TotRicevuta"_s, amount);
        r.setFlag(u"Saldata"_s, i % 3 != 0);
    });
}

bool makeForms(const QString& path, int count)
{
    return make(path, SchedaF24::layout(), count, [](Record& r, int i) {
        const QString year = i % 2 ? u"2024"_s : u"2023"_s;
        const QString amount = QString::number(60 + i % 900) + u",00"_s;
        const QString town = towns()[i % towns().size()].toUpper();
        r.setText(u"Data"_s,
                  u"%1/%2/"_s.arg(i % 28 + 1, 2, 10, QChar(u'0')).arg(i % 12 + 1, 2, 10, QChar(u'0')) + year);
        r.setText(u"Delegato"_s, u"BANCA POPOLARE DI "_s + town);
        r.setText(u"Agenzia"_s, u"AGENZIA N. "_s + QString::number(i % 40 + 1));
        r.setText(u"ProvAg"_s, u"MI"_s);
        r.setText(u"CodFiscCont"_s, u"RSSMRA80A01H%1U"_s.arg(i % 1000, 3, 10, QChar(u'0')));
        r.setText(u"CognomeCont"_s, surnames()[i % surnames().size()].toUpper());
        r.setText(u"NomeCont"_s, u"MARIO"_s);
        r.setText(u"DataNasc"_s, u"01/01/1980"_s);
        r.setText(u"Sesso"_s, u"M"_s);
        r.setText(u"ComuneNasc"_s, towns()[(i + 1) % towns().size()].toUpper());
        r.setText(u"ProvNasc"_s, u"RM"_s);
        r.setText(u"ComuneDom"_s, towns()[(i + 2) % towns().size()].toUpper());
        r.setText(u"ProvDom"_s, u"TO"_s);
        r.setText(u"ViaDom"_s, u"VIA GARIBALDI "_s + QString::number(i % 200 + 1));
        r.setText(u"CodFiscCoob"_s, u"BNCNNA80A41F%1Z"_s.arg(i % 1000, 3, 10, QChar(u'0')));
        r.setText(u"Identificativo"_s, u"63"_s);
        r.setText(u"Tipo01"_s, u"F"_s);
        r.setText(u"Elementi01"_s, contractCode(i));
        r.setText(u"Codice01"_s, u"1500"_s);
        r.setText(u"AnnoRif01"_s, year);
        r.setText(u"Importo01"_s, amount);
        r.setText(u"Totale"_s, amount);
    });
}

} // namespace BenchArchives
