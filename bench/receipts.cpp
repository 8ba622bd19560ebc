// The receipts' data work of the bench, one piece per process like bench_data:
//   bench_receipts make <archive> <receipts>   (a year of receipts, dated in 2024)
//   bench_receipts search <archive> <word>     (the tenant surname criterion)
//   bench_receipts summary <archive> <year>    (the annual summary, as far as the screen shows it)
//   bench_receipts months <archive> <year>     (the chart's month totals)
#include "ricevute/RicercaRic.h"
#include "ricevute/RiepilogoRic.h"
#include "ricevute/SchedaRicevuta.h"
#include "ricevute/StatisticheRic.h"

#include <QFile>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

int make(const QString& path, int receipts)
{
    const QStringList surnames = {u"Rossi"_s,  u"Bianchi"_s, u"Verdi"_s, u"Esposito"_s,
                                  u"Romano"_s, u"Colombo"_s, u"Ricci"_s, u"Marino"_s,
                                  u"Greco"_s,  u"Bruno"_s,   u"Gallo"_s, u"Conti"_s};
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    Record r(SchedaRicevuta::layout());
    for (int i = 0; i < receipts; ++i) {
        r.bytes().fill('\0');
        const int month = i % 12 + 1;
        r.setText(u"NumRic"_s, QString::number(i + 1));
        r.setText(u"Data"_s,
                  u"%1/%2/2024"_s.arg(i % 28 + 1, 2, 10, QChar(u'0')).arg(month, 2, 10, QChar(u'0')));
        r.setText(u"CognomeLoc01"_s, surnames[(i * 5 + 1) % surnames.size()]);
        r.setText(u"CognomeCon01"_s, surnames[i % surnames.size()]);
        r.setText(u"NomeCon01"_s, u"Anna"_s);
        r.setText(u"Immobile"_s, u"Appartamento n. "_s + QString::number(i) + u" con cantina e posto auto"_s);
        r.setText(u"Causale01"_s, u"Canone di locazione del mese"_s);
        r.setText(u"Importo01"_s, QString::number(500 + i % 400) + u",50"_s);
        r.setText(u"TotRicevuta"_s, QString::number(500 + i % 400) + u",50"_s);
        r.setFlag(u"Saldata"_s, i % 3 != 0);
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
            QStringList criteria(RicercaRic::criteria().size());
            criteria[6] = arg(3); // Cognome Conduttore
            std::printf("%lld listed\n", static_cast<long long>(RicercaRic::search(arg(2), criteria).size()));
            return 0;
        }
        if (what == u"summary"_s && argc == 4) {
            // As the screen shows it: the pass, then the first block of lines the list makes.
            const RiepilogoRic::Summary s =
                RiepilogoRic::build(arg(2), arg(3), RiepilogoRic::Period::Year, {});
            const QStringList shown = RiepilogoRic::summaryLines(arg(2), s.positions, 0, 256);
            std::printf("%lld listed, %lld shown, %s\n", static_cast<long long>(s.positions.size()),
                        static_cast<long long>(shown.size()), qPrintable(RiepilogoRic::totalText(s.total)));
            return s.complete ? 0 : 1;
        }
        if (what == u"months"_s && argc == 4) {
            const StatisticheRic::MonthTotals totals = StatisticheRic::monthTotals(arg(2), arg(3));
            std::printf("March %s\n", qPrintable(StatisticheRic::toWholeEuros(totals[2]).toText()));
            return 0;
        }
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
    std::fprintf(stderr, "usage: bench_receipts make|search|summary|months ...\n");
    return 2;
}
