#include "ListSearch.h"

#include "ArchiveFile.h"
#include "platform/Cp1252.h"
#include "platform/Failure.h"
#include "platform/LargeBuffer.h"
#include "platform/Text.h"

#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cstring>
#include <exception>
#include <string_view>
#include <vector>

using namespace Qt::StringLiterals;

namespace ListSearch {

QString folded(const QString& text)
{
    QString result = text;
    for (QChar& c : result) {
        if (c.unicode() >= u'A' && c.unicode() <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return result;
}

int usedCriteria(const QStringList& criteria)
{
    return int(std::count_if(criteria.begin(), criteria.end(),
                             [](const QString& c) { return !Text::trimmed(c).isEmpty(); }));
}

bool matches(const QStringList& criteria, const QStringList& fields, int used)
{
    int matched = 0;
    for (qsizetype i = 0; i < criteria.size() && i < fields.size(); ++i) {
        if (!criteria[i].isEmpty() && folded(fields[i]).contains(folded(criteria[i])))
            ++matched;
    }
    return matched >= used;
}

Matcher::Matcher(const QStringList& criteria, const RecordLayout& layout, const QStringList& fields)
    : m_used(usedCriteria(criteria))
{
    for (qsizetype i = 0; i < criteria.size() && i < fields.size(); ++i) {
        if (criteria[i].isEmpty())
            continue;
        const QString text = folded(criteria[i]);
        QByteArray bytes = Cp1252::encode(text);
        if (Cp1252::decode(bytes) != text)
            bytes.clear();
        m_tests.append({layout.indexOf(fields[i]), bytes});
    }
}

bool Matcher::matches(const Record& record) const
{
    if (m_used <= 0)
        return true;
    int matched = 0;
    for (const Test& test : m_tests) {
        if (test.folded.isEmpty())
            continue;
        const QByteArrayView raw = Cp1252::trimmed(record.rawAt(test.field));
        if (raw.size() < test.folded.size())
            continue;
        std::array<char, 256> field;
        for (qsizetype i = 0; i < raw.size(); ++i) {
            const char c = raw[i];
            field[i] = c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
        }
        const std::string_view haystack(field.data(), size_t(raw.size()));
        if (haystack.find(std::string_view(test.folded.constData(), size_t(test.folded.size()))) !=
                std::string_view::npos &&
            ++matched >= m_used)
            return true;
    }
    return false;
}

QString fixed(const QString& text, int width)
{
    return text.left(width).leftJustified(width, u' ');
}

void appendField(QString& line, const Record& record, int index, qsizetype limit)
{
    const QByteArrayView raw = Cp1252::trimmed(record.rawAt(index));
    // One byte decodes to one character, so cutting the bytes cuts the text.
    Cp1252::appendDecoded(line, raw.first(std::clamp<qsizetype>(limit - line.size(), 0, raw.size())));
}

void fitFrom(QString& line, qsizetype start, int width)
{
    line.resize(start + width, u' ');
}

void ByteLine::append(QByteArrayView bytes)
{
    const qsizetype n = std::min(bytes.size(), qsizetype(m_bytes.size()) - m_size);
    std::memcpy(m_bytes.data() + m_size, bytes.data(), size_t(n));
    m_size += n;
}

void ByteLine::append(qsizetype count, char c)
{
    const qsizetype n = std::min(count, qsizetype(m_bytes.size()) - m_size);
    std::memset(m_bytes.data() + m_size, c, size_t(n));
    m_size += n;
}

void appendField(ByteLine& line, const Record& record, int index, qsizetype limit)
{
    const QByteArrayView raw = Cp1252::trimmed(record.rawAt(index));
    line.append(raw.first(std::clamp<qsizetype>(limit - line.size(), 0, raw.size())));
}

void fitFrom(ByteLine& line, qsizetype start, int width)
{
    const qsizetype end = start + width;
    if (line.size() > end)
        line.truncate(end);
    else
        line.append(end - line.size(), ' ');
}

namespace {
// How far two lines of `common` characters begin the same, found eight bytes at a time and so
// rounded down to a whole word: lines of one list share long runs (a name, "C.F.", most of a
// code) before they differ, and comparing those one character at a time was most of a sort.
template <typename Char> qsizetype sameStart(const Char* x, const Char* y, qsizetype common)
{
    constexpr qsizetype perWord = qsizetype(sizeof(quint64) / sizeof(Char));
    qsizetype i = 0;
    for (; i + perWord <= common; i += perWord) {
        quint64 wx, wy;
        std::memcpy(&wx, x + i, sizeof wx);
        std::memcpy(&wy, y + i, sizeof wy);
        if (wx != wy)
            break;
    }
    return i;
}

// By character codes with a to z taken as capitals, folded as the lines are compared: no key
// string per line. Negative, zero or positive as a sorts before, with or after b.
int compareByCapitals(QStringView a, QStringView b)
{
    const auto capital = [](char16_t c) { return char16_t(c >= u'a' && c <= u'z' ? c - (u'a' - u'A') : c); };
    const qsizetype common = std::min(a.size(), b.size());
    const char16_t* x = a.utf16();
    const char16_t* y = b.utf16();
    for (qsizetype i = sameStart(x, y, common); i < common; ++i) {
        if (x[i] == y[i])
            continue;
        const char16_t cx = capital(x[i]), cy = capital(y[i]);
        if (cx != cy)
            return cx < cy ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}
} // namespace

void sortLines(QStringList& lines)
{
    std::stable_sort(lines.begin(), lines.end(),
                     [](const QString& a, const QString& b) { return compareByCapitals(a, b) < 0; });
}

void sortLines(QList<ListLine>& lines)
{
    // Lines come in archive order, so equal lines keep their order when the position decides
    // between them: sorted in place, with no second copy of the list.
    std::sort(lines.begin(), lines.end(), [](const ListLine& a, const ListLine& b) {
        const int order = compareByCapitals(a.text, b.text);
        return order != 0 ? order < 0 : a.position < b.position;
    });
}

int findNext(const QStringList& lines, int selected, const QString& typed, QString& lastText)
{
    const QString text = folded(typed);
    const bool sameText = text == lastText;
    lastText = text;
    const int count = int(lines.size());
    if (count == 0)
        return selected;
    if (selected < 0 || selected >= count)
        selected = 0;
    if (text.isEmpty())
        return selected;
    auto hit = [&](int i) { return folded(lines[i]).contains(text); };
    const int start = sameText ? selected : 0;
    if (!sameText && hit(0))
        return 0;
    for (int step = 1; step <= count; ++step) {
        const int i = (start + step) % count;
        if (hit(i))
            return i;
    }
    return selected;
}

qint64 expectedRecords(const QString& path, const RecordLayout& layout)
{
    return QFileInfo(path).size() / layout.size();
}

namespace {
// Records come in blocks: one read for many records instead of a read and a size query for
// each. A block of 128 KiB stays in the processor's cache while its records are visited, and
// a larger one reads no faster.
qint64 recordsPerBlock(const RecordLayout& layout)
{
    return std::max<qint64>(1, (qint64(1) << 17) / layout.size());
}

// Each whole record of the block, in turn, in `record`, shown where it lies: copying every
// record out of the block cost as much as reading the archive.
template <typename Visit> void visitBlock(const QByteArray& block, Record& record, Visit visit)
{
    const int size = record.layout().size();
    for (qsizetype offset = 0; offset + size <= block.size(); offset += size) {
        record.view(block.constData() + offset);
        visit(record);
    }
}
} // namespace

void forEachRecord(const QString& path, const RecordLayout& layout,
                   const std::function<void(const Record& record, int position)>& visit)
{
    ArchiveFile archive(path, layout.size());
    archive.openOrCreate();
    const qint64 count = archive.count(); // taken once
    const qint64 perBlock = recordsPerBlock(layout);
    Record record(layout);
    QByteArray block;
    archive.seek(0);
    for (qint64 done = 0; done < count;) {
        std::exception_ptr failure;
        try {
            archive.readBlock(block, std::min(perBlock, count - done));
        } catch (...) {
            failure = std::current_exception();
        }
        // The whole records read before a failure are visited, as when they came one by one.
        visitBlock(block, record, [&](const Record& r) { visit(r, int(++done)); });
        if (failure)
            std::rethrow_exception(failure);
    }
    archive.close();
}

void forEachRecordAt(const QString& path, const RecordLayout& layout, const QList<int>& positions,
                     const std::function<void(const Record& record)>& visit)
{
    if (positions.isEmpty())
        return;
    ArchiveFile archive(path, layout.size());
    archive.openOrCreate();
    const qint64 count = archive.count();
    const qint64 perBlock = recordsPerBlock(layout);
    Record record(layout);
    QByteArray block;
    for (qsizetype i = 0; i < positions.size();) {
        const qint64 first = positions[i];
        if (first < 1 || first > count)
            throw Failure(u"Nessuna scheda in posizione "_s + QString::number(first) + u" nell'archivio "_s + path);
        // A run of consecutive positions, read at once.
        qsizetype run = 1;
        while (i + run < positions.size() && run < perBlock && positions[i + run] == first + run &&
               first + run <= count)
            ++run;
        archive.seek(first - 1);
        archive.readBlock(block, run);
        visitBlock(block, record, visit);
        i += run;
    }
    archive.close();
}

QList<int> sortedPositions(const QString& path, const RecordLayout& layout, const Matcher& matcher,
                           const std::function<void(ByteLine& line, const Record& record)>& appendLine)
{
    // Each byte ranks as the character it decodes to, a to z as capitals: the bytes of two
    // lines compare as compareByCapitals() compares the lines.
    static const std::array<char16_t, 256> rank = [] {
        std::array<char16_t, 256> table{};
        for (int b = 0; b < 256; ++b) {
            const char c = char(b);
            const char16_t u = Cp1252::decode(&c, 1).front().unicode();
            table[b] = u >= u'a' && u <= u'z' ? char16_t(u - (u'a' - u'A')) : u;
        }
        return table;
    }();
    struct Listed {
        qsizetype at;
        int length;
        int position;
    };
    std::vector<Listed> listed;
    QByteArray lines; // every line's bytes, one after the other
    const qint64 expected = expectedRecords(path, layout);
    listed.reserve(size_t(expected));
    LargeBuffer::reserve(lines, expected * 192); // room never used costs no memory
    forEachRecord(path, layout, [&](const Record& record, int position) {
        if (!matcher.matches(record))
            return;
        ByteLine line;
        appendLine(line, record);
        listed.push_back({lines.size(), int(line.size()), position});
        lines.append(line.view());
    });
    const auto less = [&](const Listed& a, const Listed& b) {
        const auto* x = reinterpret_cast<const unsigned char*>(lines.constData() + a.at);
        const auto* y = reinterpret_cast<const unsigned char*>(lines.constData() + b.at);
        const int common = std::min(a.length, b.length);
        for (qsizetype i = sameStart(x, y, common); i < common; ++i) {
            if (rank[x[i]] != rank[y[i]])
                return rank[x[i]] < rank[y[i]];
        }
        return a.length != b.length ? a.length < b.length : a.position < b.position;
    };
    std::sort(listed.begin(), listed.end(), less);
    QList<int> positions;
    positions.reserve(qsizetype(listed.size()));
    for (const Listed& l : listed)
        positions.append(l.position);
    return positions;
}

QStringList linesAt(const QString& path, const RecordLayout& layout, const QList<int>& positions, int first,
                    int count, const std::function<QString(const Record& record)>& lineOf)
{
    QStringList lines;
    lines.reserve(count);
    try {
        forEachRecordAt(path, layout, positions.mid(first, count),
                        [&](const Record& record) { lines.append(lineOf(record)); });
    } catch (const Failure&) {
        // The lines read so far.
    }
    return lines;
}

Record recordAt(const QString& path, const RecordLayout& layout, qint64 position)
{
    ArchiveFile archive(path, layout.size());
    archive.openOrCreate();
    if (position < 1 || position > archive.count())
        throw Failure(u"Nessuna scheda in posizione "_s + QString::number(position) + u" nell'archivio "_s +
                      path);
    Record record(layout);
    archive.seek(position - 1);
    archive.read(record.bytes());
    archive.close();
    return record;
}

} // namespace ListSearch
