// The F24 forms' data work of the bench, one piece per process like bench_data:
//   bench_f24 make <archive> <forms>   (forms of 2023 and 2024, every payer field filled)
//   bench_f24 search <archive> <word>  (the payer surname criterion)
#include "Archives.h"
#include "f24/F24Search.h"

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char** argv)
{
    const auto arg = [&](int i) { return i < argc ? QString::fromLocal8Bit(argv[i]) : QString(); };
    const QString what = arg(1);
    try {
        if (what == u"make"_s && argc == 4)
            return BenchArchives::makeForms(arg(2), arg(3).toInt()) ? 0 : 1;
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
