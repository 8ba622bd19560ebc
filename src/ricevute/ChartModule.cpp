#include "ChartModule.h"

#include "platform/Failure.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

using namespace Qt::StringLiterals;

namespace {
QString& fileForTests()
{
    static QString path;
    return path;
}
} // namespace

namespace ChartModule {

QString fileName()
{
    return u"tarvento_grafico.so"_s;
}

MonthChart* make(QWidget* parent, const MonthChart::Months& months)
{
    const QString path = !fileForTests().isEmpty()
                             ? fileForTests()
                             : QDir(QCoreApplication::applicationDirPath()).filePath(fileName());
    // Loaded once and kept for the run: the screen it serves is kept too.
    QLibrary module(path);
    const auto make = reinterpret_cast<MakeMonthChart>(module.resolve(kMakeMonthChart));
    if (make == nullptr)
        throw Failure(u"Impossibile mostrare il grafico: il file "_s + QDir::toNativeSeparators(path) +
                      u" manca o non è leggibile. Reinstallare il programma."_s);
    return make(parent, months);
}

void setFileForTests(const QString& path)
{
    fileForTests() = path;
}

} // namespace ChartModule
