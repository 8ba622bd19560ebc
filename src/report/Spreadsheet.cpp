#include "Spreadsheet.h"

#include "platform/Cp1252.h"
#include "platform/SafeWrite.h"

#include <QBuffer>

#include <array>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <cstring>
#include <string_view>

using namespace Qt::StringLiterals;

namespace {

// Copies the bytes from `in` that need no escape, sixteen at a time while sixteen remain, and
// returns where it stopped (at a byte to escape, or fewer than sixteen before the end). It
// stores sixteen bytes at a time, so `out` needs room for as many bytes as remain from `in`
// (writeCellBytes has six for each). A cell's text is mostly plain, and testing it a byte at
// a time was most of an export's work.
const char* copyPlainRun(char*& out, const char* in, const char* end)
{
#if defined(__SSE2__)
    const __m128i amp = _mm_set1_epi8('&'), less = _mm_set1_epi8('<'), greater = _mm_set1_epi8('>'),
                  quote = _mm_set1_epi8('"'), cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
    while (end - in >= 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
        const __m128i hits = _mm_or_si128(
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, amp), _mm_cmpeq_epi8(bytes, less)),
                         _mm_or_si128(_mm_cmpeq_epi8(bytes, greater), _mm_cmpeq_epi8(bytes, quote))),
            _mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), bytes);
        const int mask = _mm_movemask_epi8(hits);
        const int plain = mask == 0 ? 16 : __builtin_ctz(unsigned(mask));
        in += plain;
        out += plain;
        if (mask != 0)
            break;
    }
#else
    Q_UNUSED(out);
    Q_UNUSED(end);
#endif
    return in;
}

// Text in the file's code page with &, <, > and " as character references and every line
// break (CR LF, LF or CR alone) as one blank: a line break inside a cell would split the row.
// Writes from `out`, which has room for six bytes per byte of text (the longest escape), and
// returns the end of what it wrote.
char* writeCellBytes(char* out, QByteArrayView text)
{
    static constexpr auto special = [] {
        std::array<bool, 256> table{};
        for (const unsigned char c : {'&', '<', '>', '"', '\r', '\n'})
            table[c] = true;
        return table;
    }();
    const auto put = [&out](std::string_view escape) {
        std::memcpy(out, escape.data(), escape.size());
        out += escape.size();
    };
    const char* in = text.data();
    const char* const end = in + text.size();
    while (in != end) {
        in = copyPlainRun(out, in, end);
        if (in == end)
            break;
        const char c = *in++;
        if (!special[static_cast<unsigned char>(c)]) {
            *out++ = c;
            continue;
        }
        switch (c) {
        case '&':
            put("&amp;");
            break;
        case '<':
            put("&lt;");
            break;
        case '>':
            put("&gt;");
            break;
        case '"':
            put("&quot;");
            break;
        default: // a line break: CR LF, LF or CR alone
            *out++ = ' ';
            if (c == '\r' && in != end && *in == '\n')
                ++in;
        }
    }
    return out;
}

// Text escaped as a cell's, appended to `out` in the code page.
void appendEscaped(QByteArray& out, QStringView text)
{
    const QByteArray encoded = Cp1252::encode(text.toString());
    const qsizetype from = out.size();
    out.resize(from + 6 * encoded.size());
    out.resize(writeCellBytes(out.data() + from, encoded) - out.constData());
}

QByteArray head(const QString& worksheet, const QList<Spreadsheet::Column>& columns)
{
    QByteArray html =
        "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
        "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" xmlns=\"http://www.w3.org/TR/REC-html40\">"
        "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
        "<!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet><x:Name>";
    appendEscaped(html, worksheet);
    html += "</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
            "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes><x:ProtectContents>False</x:ProtectContents>"
            "<x:ProtectObjects>False</x:ProtectObjects><x:ProtectScenarios>False</x:ProtectScenarios>"
            "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook></xml>"
            "<![endif]--><style>td.t{mso-number-format:\"\\@\";}</style></head><body><table x:str><tr>";
    for (const Spreadsheet::Column& column : columns) {
        html += "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(column.width) +
                '>';
        appendEscaped(html, column.header);
        html += "</td>";
    }
    html += "</tr>";
    return html;
}

constexpr qsizetype kChunk = 1 << 16; // bytes gathered before each write

// An amount as the records write it: an optional minus sign, digits, optionally a comma and
// more digits, at least one digit.
bool isAmount(QByteArrayView text)
{
    qsizetype i = text.startsWith('-') ? 1 : 0;
    bool digits = false;
    bool comma = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9')
            digits = true;
        else if (c == ',' && !comma)
            comma = true;
        else
            return false;
    }
    return digits;
}

} // namespace

namespace Spreadsheet {

Writer::Writer(QIODevice& device, const QString& worksheet, const QList<Column>& columns) : m_device(device)
{
    for (const Column& column : columns) {
        const QByteArray style =
            column.rightAligned ? " style=\"text-align: right;\">" : " style=\"text-align: left;\">";
        m_cellStarts.append((column.number ? "<td" : "<td class=\"t\"") + style);
        // An amount keeps its value and shows two decimals in the Italian form (650,00): the
        // number format Calc reads from the cell, in the language (1040) it reads the text in.
        m_amountStarts.append(column.number ? "<td sdnum=\"1040;1040;0,00\"" + style : QByteArray());
    }
    m_bytes.reserve(kChunk + 4096);
    m_bytes += head(worksheet, columns);
}

bool Writer::row(const QStringList& cells)
{
    beginRow();
    for (qsizetype c = 0; c < cells.size() && c < m_cellStarts.size(); ++c) {
        // Each character is one byte in the code page, so trimming and escaping the bytes is
        // trimming and escaping the text.
        m_encoded.resize(0);
        Cp1252::append(m_encoded, cells[c]);
        encodedCell(m_encoded);
    }
    return endRow();
}

void Writer::beginRow()
{
    m_bytes += "<tr>";
    m_cell = 0;
}

void Writer::encodedCell(QByteArrayView bytes)
{
    if (m_cell >= m_cellStarts.size())
        return;
    const QByteArrayView text = Cp1252::trimmed(bytes);
    const bool amount = !m_amountStarts[m_cell].isEmpty() && isAmount(text);
    const QByteArray& start = amount ? m_amountStarts[m_cell] : m_cellStarts[m_cell];
    ++m_cell;
    static constexpr std::string_view cellEnd = "</td>";
    const qsizetype from = m_bytes.size();
    m_bytes.resize(from + start.size() + 6 * text.size() + qsizetype(cellEnd.size()));
    char* out = m_bytes.data() + from;
    std::memcpy(out, start.constData(), size_t(start.size()));
    out = writeCellBytes(out + start.size(), text);
    std::memcpy(out, cellEnd.data(), cellEnd.size());
    m_bytes.resize(out + cellEnd.size() - m_bytes.constData());
}

bool Writer::endRow()
{
    while (m_cell < m_cellStarts.size())
        encodedCell({});
    m_bytes += "</tr>";
    return m_bytes.size() < kChunk ? m_ok : flush();
}

bool Writer::finish()
{
    m_bytes += "</table></body></html>";
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
