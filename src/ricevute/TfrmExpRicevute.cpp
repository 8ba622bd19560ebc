#include "TfrmExpRicevute.h"

#include "RicevuteExport.h"
#include "RicevuteScreens.h"
#include "SchedaRicevuta.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace {
ExportScreen::Setup setup(const std::shared_ptr<QString>& archive)
{
    ExportScreen::Setup s;
    s.caption = u" Esporta archivio ricevute d'affitto in Microsoft Excel"_s;
    s.archivePath = [archive] { return archive->isEmpty() ? frmRicevute->lblFile->text() : *archive; };
    s.layout = &SchedaRicevuta::layout();
    s.columns = RicevuteExport::columns();
    s.cells = &RicevuteExport::cells();
    s.fileName = RicevuteExport::fileName();
    s.worksheet = RicevuteExport::worksheet();
    s.help = {u"Esportazione archivio ricevute d'affitto in Microsoft Excel."_s, u"esporta_ricevute"_s};
    return s;
}
} // namespace

TfrmExpRicevute::TfrmExpRicevute(QWidget* owner) : TfrmExpRicevute(std::make_shared<QString>(), owner) {}

TfrmExpRicevute::TfrmExpRicevute(std::shared_ptr<QString> archive, QWidget* owner)
    : ExportScreen(setup(archive), owner), m_archive(std::move(archive))
{
    setObjectName(u"frmExpRicevute"_s);
}
