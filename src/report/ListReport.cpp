#include "ListReport.h"

#include "ReportTemplate.h"

using namespace Qt::StringLiterals;

namespace ListReport {

ReportDocument create()
{
    return ReportTemplate::load(u"riepilogo"_s);
}

void fill(ReportDocument& report, const QString& title, const QStringList& lines)
{
    report.text(u"txtTitolo"_s).setText(title);
    TextBox& list = report.text(u"txtRiepilogo"_s);
    list.clearLines();
    for (const QString& line : lines)
        list.addLine(line);
    Band& master = report.band(u"MasterData"_s);
    list.rect.setHeight(list.lineCount() * list.lineHeight());
    master.height = list.rect.height() + 10;
    report.PrepareReport();
}

} // namespace ListReport
