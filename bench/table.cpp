// The bench: builds 20 000-card property archives (sparse cards and every field full), then
// times whole processes, each side the same way (spawned, waited for, wall clock and peak
// resident memory from wait4), alternating Tarvento and its reference run after run so both
// see the same machine, and prints the ratio table of the speed issue. Data work is compared
// with `LC_ALL=C grep -c -i` of one word over the same archive, start-up with a bare Qt
// program showing one empty window.
//   bench_table [runs]
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

using namespace Qt::StringLiterals;

namespace {

struct Sample {
    double ms = 0;
    double mib = 0; // peak resident set
};

// Where every program's output goes: a plain file, since GNU grep writing to /dev/null stops at
// the first match.
std::string& outputFile()
{
    static std::string path;
    return path;
}

// Runs a program to its end; exits the bench when it fails.
Sample spawn(const std::vector<std::string>& args, const std::vector<std::string>& extraEnv = {})
{
    std::vector<std::string> envStrings;
    for (char** e = environ; *e != nullptr; ++e)
        envStrings.emplace_back(*e);
    for (const std::string& e : extraEnv)
        envStrings.push_back(e);
    std::vector<char*> env, argv;
    for (std::string& e : envStrings)
        env.push_back(e.data());
    env.push_back(nullptr);
    std::vector<std::string> argCopies = args;
    for (std::string& a : argCopies)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outputFile().c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const std::string errors = outputFile() + ".err";
    posix_spawn_file_actions_addopen(&actions, 2, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    timespec start{}, end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), env.data()) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[0]);
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    clock_gettime(CLOCK_MONOTONIC, &end);
    posix_spawn_file_actions_destroy(&actions);
    // grep -c exits 1 when nothing matched; anything else is a failure.
    if (!WIFEXITED(status) || WEXITSTATUS(status) > (args[0] == "grep" ? 1 : 0)) {
        std::fprintf(stderr, "failed:");
        for (const std::string& a : args)
            std::fprintf(stderr, " %s", a.c_str());
        std::fprintf(stderr, "\n");
        QFile log(QString::fromStdString(errors));
        if (log.open(QIODevice::ReadOnly))
            std::fprintf(stderr, "%s", log.readAll().constData());
        std::exit(1);
    }
    return {(end.tv_sec - start.tv_sec) * 1e3 + (end.tv_nsec - start.tv_nsec) / 1e6,
            usage.ru_maxrss / 1024.0};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Pair {
    double ours = 0, reference = 0; // median ms
    double oursMib = 0, referenceMib = 0;
};

// Alternates the two, runs times each, after one untimed run of each.
Pair measure(const std::vector<std::string>& ours, const std::vector<std::string>& reference,
             const std::vector<std::string>& referenceEnv, int runs)
{
    spawn(ours);
    spawn(reference, referenceEnv);
    std::vector<double> a, b, am, bm;
    for (int i = 0; i < runs; ++i) {
        const Sample s = spawn(ours);
        const Sample r = spawn(reference, referenceEnv);
        a.push_back(s.ms);
        am.push_back(s.mib);
        b.push_back(r.ms);
        bm.push_back(r.mib);
    }
    return {median(a), median(b), *std::max_element(am.begin(), am.end()),
            *std::max_element(bm.begin(), bm.end())};
}

void row(const char* work, double ours, double reference, double ratio, double goal, const char* unit,
         double peakMib = 0)
{
    const char* verdict = goal <= 0 ? "" : ratio <= goal ? "met" : "MISSED";
    char goalText[32] = "-";
    if (goal > 0)
        std::snprintf(goalText, sizeof goalText, "<= %.1f", goal);
    char peak[32] = "";
    if (peakMib > 0)
        std::snprintf(peak, sizeof peak, "%.0f", peakMib);
    std::printf("| %-44s | %9.1f %-3s | %9.1f %-3s | %6.2f | %-6s %-6s | %8s |\n", work, ours, unit,
                reference, unit, ratio, goalText, verdict, peak);
}

std::string s(const QString& text)
{
    return text.toStdString();
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
    const int cards = 20000;
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::string data = BENCH_DATA, grid = BENCH_GRID, start = BENCH_START, bare = BENCH_BARE;
    QTemporaryDir dir;
    outputFile() = s(dir.filePath(u"output.txt"_s));
    const QString sparseDir = dir.filePath(u"sparse"_s), fullDir = dir.filePath(u"full"_s),
                  smallDir = dir.filePath(u"small"_s), homeDir = dir.filePath(u"home"_s);
    for (const QString& d : {sparseDir, fullDir, smallDir, homeDir})
        QDir().mkpath(d);
    QFile::copy(QStringLiteral(SOURCE_DIR "/resources/unins000.dll"), homeDir + u"/unins000.dll"_s);
    const QString sparse = sparseDir + u"/Immobili.pro"_s, full = fullDir + u"/Immobili.pro"_s,
                  small = smallDir + u"/Immobili.pro"_s;
    spawn({data, "make", s(sparse), std::to_string(cards), "sparse"});
    spawn({data, "make", s(full), std::to_string(cards), "full"});
    spawn({data, "make", s(small), "5000", "sparse"});

    const std::string word = "ross";
    const std::vector<std::string> cLocale = {"LC_ALL=C"}, utf8 = {"LC_ALL=C.UTF-8"};
    const auto grep = [&](const QString& archive) {
        return std::vector<std::string>{"grep", "-c", "-i", word, s(archive)};
    };

    std::printf("Tarvento bench: %d cards per archive (%.1f MB), median of %d whole-process runs, "
                "alternating with the reference\n",
                cards, QFileInfo(sparse).size() / 1e6, runs);
    std::printf("data work is compared with `LC_ALL=C grep -c -i %s <archive>`; start-up with a bare Qt "
                "window (same size)\n\n",
                word.c_str());
    std::printf("| %-44s | %13s | %13s | %6s | %-13s | %8s |\n", "work", "Tarvento", "reference", "ratio",
                "goal", "peak MiB");
    std::printf("|---|---|---|---|---|---|\n");

    double utf8Grep[2] = {0, 0}, exportMb[2] = {0, 0};
    int k = 0;
    for (const auto& [name, folder, archive] :
         {std::tuple{"sparse", sparseDir, sparse}, std::tuple{"full", fullDir, full}}) {
        const std::string n = name;
        const Pair search = measure({data, "search", s(archive), word}, grep(archive), cLocale, runs);
        row((n + " cards: property search, one word").c_str(), search.ours, search.reference,
            search.ours / search.reference, 1.0, "ms", search.oursMib);
        const Pair list = measure({data, "list", s(archive)}, grep(archive), cLocale, runs);
        row((n + " cards: the list of all cards").c_str(), list.ours, list.reference,
            list.ours / list.reference, 1.0, "ms", list.oursMib);
        const Pair file = measure({data, "export", s(archive), s(folder + u"/Immobili.xls"_s)}, grep(archive),
                                  cLocale, runs);
        row((n + " cards: Immobili.xls export, file alone").c_str(), file.ours, file.reference,
            file.ours / file.reference, 2.0, "ms", file.oursMib);
        const Pair floor = measure({data, "floor", s(archive), s(folder + u"/Immobili.xls"_s),
                                    s(folder + u"/Copia.xls"_s)},
                                   grep(archive), cLocale, runs);
        row((n + " cards: (floor of the export file)").c_str(), floor.ours, floor.reference,
            floor.ours / floor.reference, 0, "ms", floor.oursMib);
        const Pair shown = measure({grid, s(folder)}, grep(archive), cLocale, runs);
        row((n + " cards: export through the grid screen").c_str(), shown.ours, shown.reference,
            shown.ours / shown.reference, 3.0, "ms", shown.oursMib);
        utf8Grep[k++] = measure(grep(archive), grep(archive), utf8, runs).reference;
        exportMb[k - 1] = QFileInfo(folder + u"/Immobili.xls"_s).size() / 1e6;
    }
    // The receipts: a year of 20 000 receipts (2314 bytes each), the same word.
    const QString receiptsDir = dir.filePath(u"receipts"_s);
    QDir().mkpath(receiptsDir);
    const QString year = receiptsDir + u"/2024.ric"_s;
    const std::string receipts = BENCH_RECEIPTS;
    spawn({receipts, "make", s(year), std::to_string(cards)});
    const Pair found = measure({receipts, "search", s(year), word}, grep(year), cLocale, runs);
    row("receipts: search by tenant, one word", found.ours, found.reference, found.ours / found.reference,
        1.0, "ms", found.oursMib);
    const Pair summary = measure({receipts, "summary", s(year), "2024"}, grep(year), cLocale, runs);
    row("receipts: annual summary, first lines shown", summary.ours, summary.reference,
        summary.ours / summary.reference, 1.0, "ms", summary.oursMib);
    const Pair months = measure({receipts, "months", s(year), "2024"}, grep(year), cLocale, runs);
    row("receipts: the chart's month totals", months.ours, months.reference, months.ours / months.reference,
        1.0, "ms", months.oursMib);
    // The F24 forms: 20 000 forms (535 bytes each), the same word.
    const QString f24Dir = dir.filePath(u"f24"_s);
    QDir().mkpath(f24Dir);
    const QString forms = f24Dir + u"/F24_ELIDE.pro"_s;
    const std::string f24 = BENCH_F24;
    spawn({f24, "make", s(forms), std::to_string(cards)});
    const Pair f24Found = measure({f24, "search", s(forms), word}, grep(forms), cLocale, runs);
    row("F24 forms: search by payer, one word", f24Found.ours, f24Found.reference,
        f24Found.ours / f24Found.reference, 1.0, "ms", f24Found.oursMib);
    const Pair qtStart = measure({data, "start"}, grep(forms), cLocale, runs);
    row("(floor: a program on Qt that only starts)", qtStart.ours, qtStart.reference,
        qtStart.ours / qtStart.reference, 0, "ms", qtStart.oursMib);

    const Pair password = measure({start, s(homeDir)}, {bare}, {}, runs);
    row("start to password window", password.ours, password.reference, password.ours / password.reference,
        1.5, "ms");
    row("memory at the password window", password.oursMib, password.referenceMib,
        password.oursMib / password.referenceMib, 1.3, "MiB");
    const Pair menu = measure({start, s(homeDir), "menu"}, {bare}, {}, runs);
    row("start to main menu", menu.ours, menu.reference, menu.ours / menu.reference, 0, "ms", menu.oursMib);
    const Pair flat = measure({data, "export", s(sparse), s(sparseDir + u"/Immobili.xls"_s)},
                              {data, "export", s(small), s(smallDir + u"/Immobili.xls"_s)}, {}, 1);
    row("export peak memory, 20 000 vs 5 000 cards", flat.oursMib, flat.referenceMib,
        flat.oursMib / flat.referenceMib, 0, "MiB");
    std::printf("\nexport files: sparse %.1f MB, full %.1f MB\n", exportMb[0], exportMb[1]);
    std::printf("floor of the export file: the archive read in the export's blocks and a file of the "
                "export's bytes written through the same safe writer (synced, then put in place of the "
                "old one), with no cell made; no export can be faster\n");
    std::printf("floor of a program on Qt: a process that loads Qt and ends, beside the F24 grep\n");
    std::printf("grep -c -i in a UTF-8 locale (C.UTF-8), for comparison: sparse %.1f ms, full %.1f ms\n",
                utf8Grep[0], utf8Grep[1]);
    return 0;
}
