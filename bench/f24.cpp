// The F24 forms' data work of the bench, one piece per process like bench_data:
//   bench_f24 make <archive> <forms>   (forms of 2023 and 2024, every payer field filled)
//   bench_f24 search <archive> <word>  (the payer surname criterion)
#include "f24/F24Search.h"
#include "f24/SchedaF24.h"

#include <QFile>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

int make(const QString& path, int forms)
{
    const QStringList surnames = {u"Rossi"_s,  u"Bianchi"_s, u"Verdi"_s, u"Esposito"_s,
                                  u"Romano"_s, u"Colombo"_s, u"Ricci"_s, u"Marino"_s,
                                  u"Greco"_s,  u"Bruno"_s,   u"Gallo"_s, u"Conti"_s};
    const QStringList towns = {u"MILANO"_s, u"ROMA"_s, u"NAPOLI"_s, u"TORINO"_s, u"BOLOGNA"_s, u"FIRENZE"_s};
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    Record r(SchedaF24::layout());
    for (int i = 0; i < forms; ++i) {
        r.bytes().fill('\0');
        const QString year = i % 2 ? u"2024"_s : u"2023"_s;
        const QString amount = QString::number(60 + i % 900) + u",00"_s;
        r.setText(u"Data"_s,
                  u"%1/%2/"_s.arg(i % 28 + 1, 2, 10, QChar(u'0')).arg(i % 12 + 1, 2, 10, QChar(u'0')) + year);
        r.setText(u"Delegato"_s, u"BANCA POPOLARE DI "_s + towns[i % towns.size()]);
        r.setText(u"Agenzia"_s, u"AGENZIA N. "_s + QString::number(i % 40 + 1));
        r.setText(u"ProvAg"_s, u"MI"_s);
        r.setText(u"CodFiscCont"_s, u"RSSMRA80A01H%1U"_s.arg(i % 1000, 3, 10, QChar(u'0')));
        r.setText(u"CognomeCont"_s, surnames[i % surnames.size()].toUpper());
        r.setText(u"NomeCont"_s, u"MARIO"_s);
        r.setText(u"DataNasc"_s, u"01/01/1980"_s);
        r.setText(u"Sesso"_s, u"M"_s);
        r.setText(u"ComuneNasc"_s, towns[(i + 1) % towns.size()]);
        r.setText(u"ProvNasc"_s, u"RM"_s);
        r.setText(u"ComuneDom"_s, towns[(i + 2) % towns.size()]);
        r.setText(u"ProvDom"_s, u"TO"_s);
        r.setText(u"ViaDom"_s, u"VIA GARIBALDI "_s + QString::number(i % 200 + 1));
        r.setText(u"CodFiscCoob"_s, u"BNCNNA80A41F%1Z"_s.arg(i % 1000, 3, 10, QChar(u'0')));
        r.setText(u"Identificativo"_s, u"63"_s);
        r.setText(u"Tipo01"_s, u"F"_s);
        r.setText(u"Elementi01"_s, u"TZZ21T00"_s + QString::number(100000 + i) + u"000"_s);
        r.setText(u"Codice01"_s, u"1500"_s);
        r.setText(u"AnnoRif01"_s, year);
        r.setText(u"Importo01"_s, amount);
        r.setText(u"Totale"_s, amount);
        if (file.write(r.bytes()) != r.bytes().size())
            return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const auto arg = [&](int i) { return i < argc ? QString::fromLocal8Bit(argv[i]) : QString(); };
    const QString what = arg(1);
    try {
        if (what == u"make"_s && argc == 4)
            return make(arg(2), arg(3).toInt());
        if (what == u"search"_s && argc == 4) {
            QStringList criteria(F24Search::criteria().size());
            criteria[2] = arg(3); // Cognome o Ragione Sociale del Contribuente
            std::printf("%lld listed\n", static_cast<long long>(F24Search::search(arg(2), criteria).size()));
            return 0;
        }
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
    std::fprintf(stderr, "usage: bench_f24 make|search ...\n");
    return 2;
}
