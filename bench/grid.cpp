// The export as the user does it: the property export screen shown (every card in the grid),
// then "Esporta" answered Yes, and No to opening the file. Ends when the file is written.
//   bench_grid <folder holding Immobili.pro>
#include "WaitExposed.h"
#include "immobili/TfrmExpImmobili.h"
#include "platform/Application.h"
#include "platform/Desktop.h"
#include "platform/ExeFolder.h"

#include <QFileInfo>
#include <QToolButton>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {
class Answers final : public Desktop::Backend {
public:
    int questions = 0;
    int failures = 0;
    Desktop::Answer message(Desktop::Kind, const QString&, Desktop::Buttons buttons) override
    {
        if (buttons != Desktop::Buttons::YesNo)
            ++failures;
        // Yes to exporting, No to opening the file.
        return ++questions == 1 ? Desktop::Answer::Yes : Desktop::Answer::No;
    }
    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override { return {}; }
    QString openFileName(const QString&, const QStringList&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QStringList&, const QString&) override
    {
        return {};
    }
    void openUrl(const QUrl&) override {}
    void terminate() override {}
};
} // namespace

int main(int argc, char** argv)
{
    Application app(argc, argv);
    if (argc != 2)
        return 2;
    Answers answers;
    Desktop::setBackend(&answers);
    Application::prepareEnvironment();
    ExeFolder::setForTests(QString::fromLocal8Bit(argv[1]));
    auto* screen = new TfrmExpImmobili;
    screen->show();
    waitUntilExposed(screen);
    screen->findChild<QToolButton*>(u"cmdEsporta"_s)->click();
    const QFileInfo written(ExeFolder::file(u"Immobili.xls"_s));
    std::printf("%lld bytes\n", static_cast<long long>(written.size()));
    delete screen;
    return answers.failures == 0 && answers.questions == 2 && written.exists() ? 0 : 1;
}
