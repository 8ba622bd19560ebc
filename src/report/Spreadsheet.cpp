#include "Spreadsheet.h"

#include "platform/Cp1252.h"
#include "platform/SafeWrite.h"
#include "platform/Text.h"

#include <QBuffer>

using namespace Qt::StringLiterals;

namespace {

// Appends text with &, <, > and " as character references and every line break (CR LF, LF or
// CR alone) as one blank: a line break inside a cell would split the row.
void appendCell(QString& out, QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        switch (c) {
        case u'&':
            out += u"&amp;";
            break;
        case u'<':
            out += u"&lt;";
            break;
        case u'>':
            out += u"&gt;";
            break;
        case u'"':
            out += u"&quot;";
            break;
        case u'\r':
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            out += u' ';
            break;
        case u'\n':
            out += u' ';
            break;
        default:
            out += QChar(c);
        }
    }
}

// appendCell() straight into the file's bytes: the runs between characters to escape go
// through the code page as they are, so a row never needs a string of its own.
void appendCellBytes(QByteArray& out, QStringView text)
{
    qsizetype run = 0;
    const auto flushRun = [&](qsizetype upTo) {
        if (upTo > run)
            Cp1252::append(out, text.sliced(run, upTo - run));
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const char* escaped = nullptr;
        switch (c) {
        case u'&':
            escaped = "&amp;";
            break;
        case u'<':
            escaped = "&lt;";
            break;
        case u'>':
            escaped = "&gt;";
            break;
        case u'"':
            escaped = "&quot;";
            break;
        case u'\r':
        case u'\n':
            escaped = " ";
            break;
        default:
            continue;
        }
        flushRun(i);
        out += escaped;
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        run = i + 1;
    }
    flushRun(text.size());
}

QStringView trimmed(QStringView text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && text[begin].unicode() <= 0x20)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 0x20)
        --end;
    return text.sliced(begin, end - begin);
}

QString head(const QString& worksheet, const QList<Spreadsheet::Column>& columns)
{
    QString html =
        u"<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
        u"xmlns:x=\"urn:schemas-microsoft-com:office:excel\" xmlns=\"http://www.w3.org/TR/REC-html40\">"
        u"<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
        u"<!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet><x:Name>"_s;
    appendCell(html, worksheet);
    html += u"</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
            u"<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes><x:ProtectContents>False</x:ProtectContents>"
            u"<x:ProtectObjects>False</x:ProtectObjects><x:ProtectScenarios>False</x:ProtectScenarios>"
            u"</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook></xml>"
            u"<![endif]--><style>td.t{mso-number-format:\"\\@\";}</style></head><body><table x:str><tr>"_s;
    for (const Spreadsheet::Column& column : columns) {
        html += u"<td style=\"text-align: left; font-weight: bold;\" width="_s +
                QString::number(column.width) + u'>';
        appendCell(html, column.header);
        html += u"</td>"_s;
    }
    html += u"</tr>"_s;
    return html;
}

constexpr qsizetype kChunk = 1 << 16; // bytes gathered before each write

} // namespace

namespace Spreadsheet {

Writer::Writer(QIODevice& device, const QString& worksheet, const QList<Column>& columns)
    : m_device(device), m_columns(columns)
{
    m_bytes.reserve(kChunk + 4096);
    Cp1252::append(m_bytes, head(worksheet, columns));
}

bool Writer::row(const QStringList& cells)
{
    m_bytes += "<tr>";
    for (qsizetype c = 0; c < m_columns.size(); ++c) {
        m_bytes += m_columns[c].number ? "<td" : "<td class=\"t\"";
        m_bytes += m_columns[c].rightAligned ? " style=\"text-align: right;\">" : " style=\"text-align: left;\">";
        if (c < cells.size())
            appendCellBytes(m_bytes, trimmed(cells[c]));
        m_bytes += "</td>";
    }
    m_bytes += "</tr>";
    return m_bytes.size() < kChunk ? m_ok : flush();
}

bool Writer::finish()
{
    Cp1252::append(m_bytes, u"</table></body></html>");
    return flush();
}

bool Writer::flush()
{
    if (m_ok && !m_bytes.isEmpty())
        m_ok = SafeWrite::writeAll(m_device, m_bytes);
    m_bytes.resize(0);
    return m_ok;
}

QByteArray build(const QString& worksheet, const QList<Column>& columns, const QList<QStringList>& rows)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    Writer writer(buffer, worksheet, columns);
    for (const QStringList& row : rows)
        writer.row(row);
    writer.finish();
    return buffer.data();
}

void write(const QString& path, const QString& worksheet, const QList<Column>& columns,
           const QList<QStringList>& rows)
{
    write(path, worksheet, columns, [&](Writer& writer) {
        for (const QStringList& row : rows) {
            if (!writer.row(row))
                return;
        }
    });
}

void write(const QString& path, const QString& worksheet, const QList<Column>& columns,
           const std::function<void(Writer& writer)>& rows)
{
    SafeWrite::replaceFile(path, [&](QIODevice& file) {
        Writer writer(file, worksheet, columns);
        rows(writer);
        return writer.finish();
    });
}

} // namespace Spreadsheet
