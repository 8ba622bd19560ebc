// The data work of the bench, one piece per process so the table times whole processes the
// same way as their floors: make an archive, search it, list it, export it to a file.
//   bench_data make <archive> <cards> sparse|full|landlord
//   bench_data search <archive> <word>      (the landlord surname criterion, as the screen shows it)
//   bench_data list <archive>               (no criteria: every card, as the screen shows it)
//   bench_data export <archive> <file.xls>  (the export file alone, as the export screen writes it)
//   bench_data start                        (nothing: what starting a program on Qt costs)
#include "Archives.h"
#include "immobili/ImmobiliExport.h"
#include "immobili/ImmobiliSearch.h"
#include "immobili/SchedaImmobile.h"
#include "report/Spreadsheet.h"
#include "storage/ListSearch.h"

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// A search as the screen shows it: the pass, then the first block of lines the list makes.
int listed(const QString& archive, const QStringList& criteria)
{
    const QList<int> positions = ImmobiliSearch::search(archive, criteria);
    const QStringList shown = ImmobiliSearch::lines(archive, positions, 0, 256);
    std::printf("%lld listed, %lld shown\n", static_cast<long long>(positions.size()),
                static_cast<long long>(shown.size()));
    return 0;
}

int exportFile(const QString& archive, const QString& path)
{
    QList<Spreadsheet::Column> columns;
    for (const Spreadsheet::GridColumn& c : ImmobiliExport::columns())
        columns.append(c.exported);
    qsizetype rows = 0;
    Spreadsheet::write(path, ImmobiliExport::worksheet(), columns, [&](Spreadsheet::Writer& writer) {
        ListSearch::forEachRecord(archive, SchedaImmobile::layout(), [&](const Record& card, int) {
            ImmobiliExport::cells().writeRow(writer, card);
            ++rows;
        });
    });
    std::printf("%lld rows\n", static_cast<long long>(rows));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const auto arg = [&](int i) { return i < argc ? QString::fromLocal8Bit(argv[i]) : QString(); };
    const QString what = arg(1);
    try {
        if (what == u"make"_s && argc == 5) {
            const QString name = arg(4);
            const auto kind = name == u"full"_s       ? BenchArchives::Cards::Full
                              : name == u"landlord"_s ? BenchArchives::Cards::Landlord
                                                      : BenchArchives::Cards::Sparse;
            return BenchArchives::makeCards(arg(2), arg(3).toInt(), kind) ? 0 : 1;
        }
        if (what == u"search"_s && argc == 4) {
            QStringList criteria(ImmobiliSearch::criteria().size());
            criteria[4] = arg(3);
            return listed(arg(2), criteria);
        }
        if (what == u"list"_s && argc == 3) {
            return listed(arg(2), QStringList(ImmobiliSearch::criteria().size()));
        }
        if (what == u"export"_s && argc == 4)
            return exportFile(arg(2), arg(3));
        if (what == u"start"_s && argc == 2)
            return 0;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
    std::fprintf(stderr, "usage: bench_data make|search|list|export|start ...\n");
    return 2;
}
