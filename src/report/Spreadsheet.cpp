#include "Spreadsheet.h"

#include "platform/Cp1252.h"
#include "platform/SafeWrite.h"
#include "platform/Text.h"

using namespace Qt::StringLiterals;

namespace {

QString escaped(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            out += u"&amp;"_s;
            break;
        case u'<':
            out += u"&lt;"_s;
            break;
        case u'>':
            out += u"&gt;"_s;
            break;
        case u'"':
            out += u"&quot;"_s;
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

namespace Spreadsheet {

QByteArray build(const QString& worksheet, const QList<Column>& columns, const QList<QStringList>& rows)
{
    QString html =
        u"<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
        u"xmlns:x=\"urn:schemas-microsoft-com:office:excel\" xmlns=\"http://www.w3.org/TR/REC-html40\">"
        u"<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
        u"<!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet><x:Name>"_s +
        escaped(worksheet) +
        u"</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
        u"<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes><x:ProtectContents>False</x:ProtectContents>"
        u"<x:ProtectObjects>False</x:ProtectObjects><x:ProtectScenarios>False</x:ProtectScenarios>"
        u"</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook></xml>"
        u"<![endif]--></head><body><table x:str><tr>"_s;
    for (const Column& column : columns)
        html += u"<td style=\"text-align: left; font-weight: bold;\" width="_s +
                QString::number(column.width) + u'>' + escaped(column.header) + u"</td>"_s;
    html += u"</tr>"_s;
    for (const QStringList& row : rows) {
        html += u"<tr>"_s;
        for (qsizetype c = 0; c < columns.size(); ++c) {
            html += columns[c].rightAligned ? u"<td style=\"text-align: right;\">"_s
                                            : u"<td style=\"text-align: left;\">"_s;
            // No line break anywhere in the file: one inside a cell would split the row.
            QString cell = Text::trimmed(c < row.size() ? row[c] : QString());
            cell.replace(u"\r\n"_s, u" "_s).replace(u'\n', u' ').replace(u'\r', u' ');
            html += escaped(cell) + u"</td>"_s;
        }
        html += u"</tr>"_s;
    }
    html += u"</table></body></html>"_s;
    return Cp1252::encode(html);
}

void write(const QString& path, const QString& worksheet, const QList<Column>& columns,
           const QList<QStringList>& rows)
{
    SafeWrite::replaceFile(path, build(worksheet, columns, rows));
}

} // namespace Spreadsheet
