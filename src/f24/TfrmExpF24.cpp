#include "TfrmExpF24.h"

#include "F24Export.h"
#include "SchedaF24.h"
#include "platform/ExeFolder.h"

using namespace Qt::StringLiterals;

namespace {
ExportScreen::Setup setup()
{
    ExportScreen::Setup s;
    s.caption = u" Esporta archivio versamenti in Microsoft Excel"_s;
    s.archivePath = [] { return ExeFolder::file(SchedaF24::archiveName()); };
    s.layout = &SchedaF24::layout();
    s.columns = F24Export::columns();
    s.cells = &F24Export::cells();
    s.fileName = F24Export::fileName();
    s.worksheet = F24Export::worksheet();
    s.help = {u"Esportazione archivio versamenti in Microsoft Excel."_s, u"esporta_versamenti"_s};
    return s;
}
} // namespace

TfrmExpF24::TfrmExpF24(QWidget* owner) : ExportScreen(setup(), owner)
{
    setObjectName(u"frmExpF24"_s);
}
