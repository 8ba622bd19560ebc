// The bench's floors table: builds 20 000-card property archives (sparse cards and every field
// full), a year of 20 000 receipts and 20 000 F24 forms, then times whole processes, each side
// the same way (spawned, waited for, wall clock and peak resident memory from wait4),
// alternating Tarvento and its floor run after run so both see the same machine, and prints
// our ratio to each floor. The floors are what no program can go below: a pass over an archive
// against one plain read of it in 128 KiB blocks, the export file against the same read while
// as many bytes are written and safely put in place (bench_floor, plain C), the start against
// a bare Qt window with a label, a text box and a button.
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
#include <tuple>
#include <vector>

extern char** environ;

using namespace Qt::StringLiterals;

namespace {

struct Sample {
    double ms = 0;
    double mib = 0; // peak resident set
};

// Where every program's output goes: a plain file, as a program's output would.
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
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
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
Pair measure(const std::vector<std::string>& ours, const std::vector<std::string>& reference, int runs,
             const std::vector<std::string>& referenceEnv = {})
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

void row(const std::string& work, double ours, double floor, double goal, const char* unit,
         double peakMib = 0)
{
    const double ratio = ours / floor;
    const char* verdict = goal <= 0 ? "" : ratio <= goal ? "met" : "MISSED";
    char goalText[32] = "-";
    if (goal > 0)
        std::snprintf(goalText, sizeof goalText, "<= %.2f", goal);
    char peak[32] = "";
    if (peakMib > 0)
        std::snprintf(peak, sizeof peak, "%.0f", peakMib);
    std::printf("| %-46s | %9.1f %-3s | %9.1f %-3s | %6.2f | %-7s %-6s | %8s |\n", work.c_str(), ours, unit,
                floor, unit, ratio, goalText, verdict, peak);
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
    const std::string data = BENCH_DATA, floor = BENCH_FLOOR, grid = BENCH_GRID, start = BENCH_START,
                      bare = BENCH_BARE;
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
    // The receipts: a year of 20 000 receipts (2314 bytes each); the F24 forms: 20 000 (535 bytes each).
    const QString receiptsDir = dir.filePath(u"receipts"_s), f24Dir = dir.filePath(u"f24"_s);
    QDir().mkpath(receiptsDir);
    QDir().mkpath(f24Dir);
    const QString year = receiptsDir + u"/2024.ric"_s, forms = f24Dir + u"/F24_ELIDE.pro"_s;
    const std::string receipts = BENCH_RECEIPTS, f24 = BENCH_F24;
    spawn({receipts, "make", s(year), std::to_string(cards)});
    spawn({f24, "make", s(forms), std::to_string(cards)});
    // What was just written waits for the disk no longer, so no timed run pays for it.
    spawn({"sync"});

    const std::string word = "ross";
    const auto read = [&](const QString& archive) {
        return std::vector<std::string>{floor, "read", s(archive)};
    };

    std::printf(
        "Tarvento bench, floors: %d records per archive (property cards %.1f MB), median of %d whole-process "
        "runs, alternating with the floor\n",
        cards, QFileInfo(sparse).size() / 1e6, runs);
    std::printf(
        "floors: a pass against one plain read of the archive in 128 KiB blocks (C); the export file "
        "against the same read while as many bytes are written to a new file, fdatasync, rename over "
        "the old one (C); the start against a bare Qt window with a label, a text box and a button\n\n");
    std::printf("| %-46s | %13s | %13s | %6s | %-14s | %8s |\n", "work", "Tarvento", "floor", "ratio", "goal",
                "peak MiB");
    std::printf("|---|---|---|---|---|---|\n");

    double exportMb[2] = {0, 0};
    int k = 0;
    for (const auto& [name, folder, archive] :
         {std::tuple{"sparse", sparseDir, sparse}, std::tuple{"full", fullDir, full}}) {
        const std::string n = std::string(name) + " cards: ";
        const std::string file = s(folder + u"/Immobili.xls"_s);
        const Pair search = measure({data, "search", s(archive), word}, read(archive), runs);
        row(n + "property search, one word", search.ours, search.reference, 1.25, "ms", search.oursMib);
        const Pair list = measure({data, "list", s(archive)}, read(archive), runs);
        row(n + "the list of all cards", list.ours, list.reference, 1.5, "ms", list.oursMib);
        spawn({data, "export", s(archive), file}); // the bytes the floor writes as many of
        const std::vector<std::string> exportFloor = {floor, "export", s(archive), file,
                                                      s(folder + u"/Copia.xls"_s)};
        const Pair exported = measure({data, "export", s(archive), file}, exportFloor, runs);
        row(n + "Immobili.xls export, file alone", exported.ours, exported.reference, 1.25, "ms",
            exported.oursMib);
        const Pair shown = measure({grid, s(folder)}, exportFloor, runs);
        row(n + "export through the grid screen", shown.ours, shown.reference, 0, "ms", shown.oursMib);
        exportMb[k++] = QFileInfo(folder + u"/Immobili.xls"_s).size() / 1e6;
    }
    const Pair found = measure({receipts, "search", s(year), word}, read(year), runs);
    row("receipts: search by tenant, one word", found.ours, found.reference, 0, "ms", found.oursMib);
    const Pair summary = measure({receipts, "summary", s(year), "2024"}, read(year), runs);
    row("receipts: annual summary, first lines shown", summary.ours, summary.reference, 0, "ms",
        summary.oursMib);
    const Pair months = measure({receipts, "months", s(year), "2024"}, read(year), runs);
    row("receipts: the chart's month totals", months.ours, months.reference, 0, "ms", months.oursMib);
    const Pair f24Found = measure({f24, "search", s(forms), word}, read(forms), runs);
    row("F24 forms: search by payer, one word", f24Found.ours, f24Found.reference, 0, "ms", f24Found.oursMib);

    const Pair password = measure({start, s(homeDir)}, {bare}, runs);
    row("start to password window", password.ours, password.reference, 1.25, "ms");
    row("memory at the password window", password.oursMib, password.referenceMib, 1.15, "MiB");
    const Pair menu = measure({start, s(homeDir), "menu"}, {bare}, runs);
    row("start to main menu", menu.ours, menu.reference, 0, "ms", menu.oursMib);
    const Pair flat = measure({data, "export", s(sparse), s(sparseDir + u"/Immobili.xls"_s)},
                              {data, "export", s(small), s(smallDir + u"/Immobili.xls"_s)}, 1);
    row("export peak memory, 20 000 vs 5 000 cards", flat.oursMib, flat.referenceMib, 0, "MiB");
    const Pair qtStart = measure({data, "start"}, {floor, "read", "/dev/null"}, runs);
    std::printf("\nexport files: sparse %.1f MB, full %.1f MB; receipts %.1f MB, F24 forms %.1f MB\n",
                exportMb[0], exportMb[1], QFileInfo(year).size() / 1e6, QFileInfo(forms).size() / 1e6);
    std::printf(
        "starting a process: %.1f ms for one on Qt that loads our data code and ends, %.1f ms for the plain "
        "C floor reading nothing\n",
        qtStart.ours, qtStart.reference);
    return 0;
}
