#include "Manifest.h"

#include "platform/Failure.h"

#include <QSet>
#include <cctype>

using namespace Qt::StringLiterals;

const QString Manifest::fileName = u"TARVENTO-MANIFEST.txt"_s;

namespace {

constexpr char kFormat[] = "TARVENTO-MANIFEST ";
constexpr int kVersion = 1;
const QString kTimeFormat = u"yyyy-MM-dd HH:mm:ss"_s;

QByteArray escaped(const QString& path)
{
    QByteArray out;
    for (const char c : path.toUtf8()) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '%')
            out += '%' + QByteArray::number(byte, 16).rightJustified(2, '0').toUpper();
        else
            out += c;
    }
    return out;
}

[[noreturn]] void unreadable(int line)
{
    throw Failure(u"l'elenco "_s + Manifest::fileName + u" è illeggibile (riga "_s + QString::number(line) +
                  u')');
}

QString unescaped(const QByteArray& text, int line)
{
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        const QByteArray digits = text.mid(i + 1, 2);
        if (digits.size() != 2 || !isxdigit(uchar(digits[0])) || !isxdigit(uchar(digits[1])))
            unreadable(line);
        out += char(digits.toInt(nullptr, 16));
        i += 2;
    }
    const QString path = QString::fromUtf8(out);
    if (path.toUtf8() != out)
        unreadable(line);
    return path;
}

// "Key: value" on the given line, or a failure.
QString headerValue(const QList<QByteArray>& lines, int index, const char* key)
{
    const QByteArray prefix = QByteArray(key) + ": ";
    if (index >= lines.size() || !lines[index].startsWith(prefix))
        unreadable(index + 1);
    return QString::fromUtf8(lines[index].mid(prefix.size()));
}

} // namespace

QByteArray Manifest::text() const
{
    QByteArray out = kFormat + QByteArray::number(kVersion) + '\n';
    out += "Programma: " + program.toUtf8() + '\n';
    out += "Creata: " + created.toString(kTimeFormat).toUtf8() + '\n';
    out += "File: " + QByteArray::number(entries.size()) + '\n';
    for (const ManifestEntry& e : entries)
        out += QByteArray::number(e.size) + ' ' + e.sha256.toHex() + ' ' + escaped(e.path) + '\n';
    return out;
}

Manifest Manifest::parse(const QByteArray& text)
{
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the last line's own end
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    if (lines.isEmpty() || !lines[0].startsWith(kFormat))
        unreadable(1);
    bool ok = false;
    const int version = lines[0].mid(sizeof kFormat - 1).toInt(&ok);
    if (!ok)
        unreadable(1);
    if (version > kVersion)
        throw Failure(u"è stata salvata da una versione più recente del programma"_s);

    Manifest manifest;
    manifest.program = headerValue(lines, 1, "Programma");
    manifest.created = QDateTime::fromString(headerValue(lines, 2, "Creata"), kTimeFormat);
    if (!manifest.created.isValid())
        unreadable(3);
    const qsizetype count = headerValue(lines, 3, "File").toLongLong(&ok);
    if (!ok || count < 0 || count != lines.size() - 4)
        unreadable(4);
    QSet<QString> seen;
    for (int i = 4; i < lines.size(); ++i) {
        const QList<QByteArray> parts = lines[i].split(' ');
        if (parts.size() < 3)
            unreadable(i + 1);
        ManifestEntry entry;
        entry.size = parts[0].toLongLong(&ok);
        entry.sha256 = QByteArray::fromHex(parts[1]);
        if (!ok || entry.size < 0 || parts[1].size() != 64 || entry.sha256.toHex() != parts[1].toLower())
            unreadable(i + 1);
        entry.path = unescaped(lines[i].mid(parts[0].size() + parts[1].size() + 2), i + 1);
        if (seen.contains(entry.path))
            unreadable(i + 1);
        seen.insert(entry.path);
        manifest.entries.append(entry);
    }
    return manifest;
}
