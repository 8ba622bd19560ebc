// Times process start to the password window shown, against a bare Qt program that shows one
// empty window, alternating the two so both see the same machine. Prints medians and ratio.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
double runOnce(const QString& program)
{
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed\n", qPrintable(program));
        std::exit(1);
    }
    return timer.nsecsElapsed() / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int runs = argc > 1 ? std::atoi(argv[1]) : 15;
    runOnce(QStringLiteral(TARVENTO_START)); // warm the file cache
    runOnce(QStringLiteral(BARE_START));
    std::vector<double> tarvento, bare;
    for (int i = 0; i < runs; ++i) {
        tarvento.push_back(runOnce(QStringLiteral(TARVENTO_START)));
        bare.push_back(runOnce(QStringLiteral(BARE_START)));
    }
    const double t = median(tarvento), b = median(bare);
    std::printf("start to password window: %.1f ms (median of %d)\n", t, runs);
    std::printf("bare Qt window:           %.1f ms (median of %d)\n", b, runs);
    std::printf("ratio:                    %.2f\n", t / b);
    return 0;
}
