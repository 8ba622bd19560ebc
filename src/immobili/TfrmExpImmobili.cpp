#include "TfrmExpImmobili.h"

#include "ImmobiliExport.h"
#include "SchedaImmobile.h"
#include "platform/ExeFolder.h"

using namespace Qt::StringLiterals;

namespace {
ExportScreen::Setup setup()
{
    ExportScreen::Setup s;
    s.caption = u" Esporta archivio immobili in Microsoft Excel"_s;
    s.archivePath = [] { return ExeFolder::file(SchedaImmobile::archiveName()); };
    s.layout = &SchedaImmobile::layout();
    s.columns = ImmobiliExport::columns();
    s.cells = &ImmobiliExport::cells();
    s.fileName = ImmobiliExport::fileName();
    s.worksheet = ImmobiliExport::worksheet();
    s.help = {u"Esportazione archivio immobili in Microsoft Excel."_s, u"esporta_immobili"_s};
    return s;
}
} // namespace

TfrmExpImmobili::TfrmExpImmobili(QWidget* owner) : ExportScreen(setup(), owner)
{
    setObjectName(u"frmExpImmobili"_s);
}
