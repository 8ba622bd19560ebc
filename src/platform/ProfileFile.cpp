#include "ProfileFile.h"

#include "Cp1252.h"
#include "Failure.h"
#include "SafeWrite.h"
#include "Text.h"

#include <QFile>
#include <QList>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// One line of the file with its own line terminator, so untouched lines are written back
// byte for byte.
struct Line {
    QByteArray bytes;
    QString text() const { return Text::trimmed(Cp1252::decode(bytes)); }
};

QList<Line> splitLines(const QByteArray& data)
{
    QList<Line> lines;
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf('\n', start);
        end = end < 0 ? data.size() : end + 1;
        lines.append(Line{data.mid(start, end - start)});
        start = end;
    }
    return lines;
}

std::optional<QString> sectionName(const QString& line)
{
    if (!line.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = line.indexOf(u']');
    if (close < 0)
        return std::nullopt;
    return Text::trimmed(line.mid(1, close - 1));
}

std::optional<QString> keyName(const QString& line)
{
    const qsizetype eq = line.indexOf(u'=');
    if (eq <= 0 || line.startsWith(u';'))
        return std::nullopt;
    return Text::trimmed(line.left(eq));
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString unquoted(const QString& value)
{
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

// Index of the section's header line, or -1.
qsizetype findSection(const QList<Line>& lines, const QString& section)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto name = sectionName(lines[i].text());
        if (name && sameName(*name, Text::trimmed(section)))
            return i;
    }
    return -1;
}

QByteArray lineBreakOf(const QList<Line>& lines)
{
    for (const Line& l : lines) {
        if (l.bytes.endsWith("\r\n"))
            return "\r\n";
        if (l.bytes.endsWith('\n'))
            return "\n";
    }
    return "\r\n";
}

} // namespace

namespace ProfileFile {

QString read(const QString& path, const QString& section, const QString& key, const QString& defaultValue)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return defaultValue;
    const QList<Line> lines = splitLines(file.readAll());
    const qsizetype header = findSection(lines, section);
    if (header < 0)
        return defaultValue;
    for (qsizetype i = header + 1; i < lines.size(); ++i) {
        const QString text = lines[i].text();
        if (sectionName(text))
            break;
        const auto name = keyName(text);
        if (name && sameName(*name, Text::trimmed(key)))
            return unquoted(Text::trimmed(text.mid(text.indexOf(u'=') + 1)));
    }
    return defaultValue;
}

void write(const QString& path, const QString& section, const QString& key, const QString& value)
{
    QByteArray data;
    QFile existing(path);
    if (existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly))
            throw Failure(u"Impossibile leggere il file "_s + path);
        data = existing.readAll();
        existing.close();
    }
    SafeWrite::replaceFile(path, written(data, section, key, value));
}

QByteArray written(const QByteArray& data, const QString& section, const QString& key, const QString& value)
{
    QList<Line> lines = splitLines(data);
    const QByteArray eol = lineBreakOf(lines);
    const QByteArray newLine = Cp1252::encode(key + u'=' + value) + eol;

    // A last line without its terminator gets one before anything is added after it.
    auto terminateLast = [&] {
        if (!lines.isEmpty() && !lines.back().bytes.endsWith('\n'))
            lines.back().bytes.append(eol);
    };

    const qsizetype header = findSection(lines, section);
    if (header < 0) {
        terminateLast();
        lines.append(Line{Cp1252::encode(u'[' + section + u']') + eol});
        lines.append(Line{newLine});
    } else {
        qsizetype insertAt = header + 1;
        bool replaced = false;
        for (qsizetype i = header + 1; i < lines.size(); ++i) {
            const QString text = lines[i].text();
            if (sectionName(text))
                break;
            if (!text.isEmpty())
                insertAt = i + 1;
            const auto name = keyName(text);
            if (name && sameName(*name, Text::trimmed(key))) {
                lines[i].bytes = newLine;
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            if (insertAt == lines.size())
                terminateLast();
            lines.insert(insertAt, Line{newLine});
        }
    }

    QByteArray out;
    for (const Line& l : lines)
        out.append(l.bytes);
    return out;
}

} // namespace ProfileFile
