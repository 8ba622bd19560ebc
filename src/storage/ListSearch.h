#pragma once

#include "RecordLayout.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <limits>
#include <optional>

// The rules every list screen shares: criteria against record fields, fixed-width list
// lines, the sorted order, "Trova" through the list, and a pass over an archive.
namespace ListSearch {

// Lower case for the letters A to Z only; accented letters compare as they are.
QString folded(const QString& text);

// Criteria whose trimmed text is not empty.
int usedCriteria(const QStringList& criteria);

// A record is listed when at least as many criteria occur in their fields (as typed, blanks
// included, folded) as are used; an empty criterion never occurs.
bool matches(const QStringList& criteria, const QStringList& fields, int used);

// matches() for one pass over an archive, prepared once: each typed criterion folded and
// encoded, tested against the stored bytes of its field (trimmed and folded the same way), so
// no field is decoded to be compared.
class Matcher {
public:
    // `fields`: the layout's field of each criterion, in the same order.
    Matcher(const QStringList& criteria, const RecordLayout& layout, const QStringList& fields);
    bool matches(const Record& record) const;

private:
    struct Test {
        int field;
        QByteArray folded; // empty: the criterion holds a character no field can hold
    };
    QList<Test> m_tests;
    int m_used;
};

inline constexpr qsizetype kNoLimit = std::numeric_limits<qsizetype>::max();

// Cut or padded with blanks on the right to exactly `width` characters.
QString fixed(const QString& text, int width);

// Building a list line in one string straight from the stored bytes, for passes that make a
// line per record: a field appended trimmed and decoded, as Record::textAt gives it, but never
// making the line longer than `limit` characters (the end of its column: what lies past it
// would be cut anyway); and what was appended since `start` cut or padded with blanks to
// `width`, as fixed() does.
void appendField(QString& line, const Record& record, int index, qsizetype limit = kNoLimit);
void fitFrom(QString& line, qsizetype start, int width);
// The same for a line kept in the code page, as sortedPositions() keeps them: the bytes as
// stored, made in a buffer of its own and added to the list's bytes whole (added field by field,
// a list of every card spent a tenth of its time appending).
class ByteLine {
public:
    qsizetype size() const { return m_size; }
    QByteArrayView view() const { return {m_bytes.data(), m_size}; }
    // What does not fit in the line's 512 bytes is left out: list lines are far shorter.
    void append(QByteArrayView bytes);
    void append(qsizetype count, char c);
    void truncate(qsizetype size) { m_size = std::min(m_size, size); }

private:
    std::array<char, 512> m_bytes;
    qsizetype m_size = 0;
};
void appendField(ByteLine& line, const Record& record, int index, qsizetype limit = kNoLimit);
void fitFrom(ByteLine& line, qsizetype start, int width);

// A list line and the 1-based position in its archive of the record it shows.
struct ListLine {
    QString text;
    qint64 position = 0;
};

// Ascending by character codes with a to z folded to capitals; equal lines keep their order
// (list lines: the order of their positions, which is the archive's).
void sortLines(QStringList& lines);
void sortLines(QList<ListLine>& lines);

// A sorted list kept small, for lists as long as an archive: the positions of the records the
// matcher lists, in the order sortLines() gives their lines. Each line is held meanwhile only
// as its bytes in the code page, appended by `appendLine`; the list makes its lines again when
// they are shown. Throws Failure as forEachRecord() does.
QList<int> sortedPositions(const QString& path, const RecordLayout& layout, const Matcher& matcher,
                           const std::function<void(ByteLine& line, const Record& record)>& appendLine);

// "Trova": the line to select for `typed`, or the current selection when nothing matches.
// A text other than the last one starts at line 0 and tests it first; the same text goes on
// after the selected line, wrapping to the top. `lastText` is updated.
int findNext(const QStringList& lines, int selected, const QString& typed, QString& lastText);

// How many records the archive holds now, to make room for a pass's lines at once (room never
// used costs no memory); 0 when it cannot tell.
qint64 expectedRecords(const QString& path, const RecordLayout& layout);

// Reads every whole record of an archive in file order (created empty when missing).
// The record visited lasts only for its visit: keep a copy of it, never of its bytes().
// Throws Failure when the archive cannot be used.
void forEachRecord(const QString& path, const RecordLayout& layout,
                   const std::function<void(const Record& record, int position)>& visit);

// Reads the records at the given 1-based positions, in their order, each visited; for lists
// that make their lines when shown. Neighbouring positions are read together. Throws Failure
// when the archive cannot be used or no longer holds a position.
void forEachRecordAt(const QString& path, const RecordLayout& layout, const QList<int>& positions,
                     const std::function<void(const Record& record)>& visit);

// The lines of the records at positions[first] to positions[first + count - 1], for a list
// that makes its lines when they are shown. Stops at a record that can no longer be read:
// the lines before it.
QStringList linesAt(const QString& path, const RecordLayout& layout, const QList<int>& positions, int first,
                    int count, const std::function<QString(const Record& record)>& lineOf);

// The record at a 1-based position, for the line a user chose in a list. Throws Failure when
// the archive cannot be used or no longer holds that position.
Record recordAt(const QString& path, const RecordLayout& layout, qint64 position);

} // namespace ListSearch
