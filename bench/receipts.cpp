// The receipts' data work of the bench, one piece per process like bench_data:
//   bench_receipts make <archive> <receipts> [cards]  (a year of receipts, dated in 2024, for the
//                                              tenants of that many landlord's cards; 12 by default)
//   bench_receipts search <archive> <word>     (the tenant surname criterion)
//   bench_receipts summary <archive> <year>    (the annual summary, as far as the screen shows it)
//   bench_receipts months <archive> <year>     (the chart's month totals)
#include "Archives.h"
#include "ricevute/RicercaRic.h"
#include "ricevute/RiepilogoRic.h"
#include "ricevute/StatisticheRic.h"

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char** argv)
{
    const auto arg = [&](int i) { return i < argc ? QString::fromLocal8Bit(argv[i]) : QString(); };
    const QString what = arg(1);
    try {
        if (what == u"make"_s && (argc == 4 || argc == 5))
            return BenchArchives::makeReceipts(arg(2), arg(3).toInt(), argc > 4 ? arg(4).toInt() : 12) ? 0
                                                                                                       : 1;
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
