#include "ReceiptSettings.h"

#include "platform/Cp1252.h"
#include "platform/ExeFolder.h"
#include "platform/Failure.h"
#include "platform/ProfileFile.h"
#include "platform/SafeWrite.h"
#include "platform/Text.h"

#include <QFile>
#include <QStringDecoder>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString kIni = u"Affitti.ini"_s;
const QString kSection = u"Numerazione Ricevute"_s;
const QString kKey = u"Inizio"_s;
const QString kReasons = u"Causali.lst"_s;

bool& reasonsReadFails()
{
    static bool fail = false;
    return fail;
}

// An optional minus sign and one to nine digits: a whole number that fits an int.
std::optional<int> wholeNumber(const QString& text)
{
    const qsizetype digitsFrom = text.startsWith(u'-') ? 1 : 0;
    const qsizetype digits = text.size() - digitsFrom;
    if (digits < 1 || digits > 9)
        return std::nullopt;
    int value = 0;
    for (qsizetype i = digitsFrom; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            return std::nullopt;
        value = value * 10 + (text[i].unicode() - u'0');
    }
    return digitsFrom ? -value : value;
}

// Text of the bytes: Windows-1252, unless a byte order mark names another encoding.
QString decodeText(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringConverter::Utf16LE)(bytes.mid(2));
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringConverter::Utf16BE)(bytes.mid(2));
    return Cp1252::decode(bytes);
}

} // namespace

namespace ReceiptSettings {

QString numberingStartText()
{
    return Text::trimmed(ProfileFile::read(ExeFolder::file(kIni), kSection, kKey));
}

int numberingStart()
{
    return wholeNumber(numberingStartText()).value_or(1);
}

int nextReceiptNumber(int receiptsInArchive)
{
    return numberingStart() + receiptsInArchive;
}

void setNumberingStart(const QString& text)
{
    ProfileFile::write(ExeFolder::file(kIni), kSection, kKey, Text::trimmed(text));
}

QString tidyNumberingStart(const QString& text)
{
    const QString t = Text::trimmed(text);
    // Sign, whole part, first decimal digit: all that floor(x + 0.5) needs, so no rounding
    // error of binary floating point can creep in.
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+'))
        negative = t[i++] == u'-';
    qint64 whole = 0;
    int wholeDigits = 0;
    while (i < t.size() && t[i] >= u'0' && t[i] <= u'9') {
        if (wholeDigits < 15)
            whole = whole * 10 + (t[i].unicode() - u'0');
        ++wholeDigits;
        ++i;
    }
    int decimalDigits = 0;
    bool atLeastHalf = false;
    bool aboveHalf = false; // more than exactly one half
    if (i < t.size() && t[i] == u',') {
        ++i;
        while (i < t.size() && t[i] >= u'0' && t[i] <= u'9') {
            const int d = t[i].unicode() - u'0';
            if (decimalDigits == 0) {
                atLeastHalf = d >= 5;
                aboveHalf = d > 5;
            } else if (d != 0) {
                aboveHalf = aboveHalf || atLeastHalf;
            }
            ++decimalDigits;
            ++i;
        }
    }
    if (i != t.size() || wholeDigits + decimalDigits == 0 || wholeDigits > 15)
        return u"1"_s;
    qint64 rounded;
    if (!negative)
        rounded = whole + (atLeastHalf ? 1 : 0);
    else // floor(-w.f + 0.5): -w when f <= 0.5, otherwise -w - 1
        rounded = -whole - (aboveHalf ? 1 : 0);
    return QString::number(rounded);
}

QStringList decodeReasons(const QByteArray& bytes)
{
    const QString text = decodeText(bytes);
    QStringList reasons;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        reasons.append(Text::trimmed(text.mid(start, end - start)));
        // CR LF, a lone LF or a lone CR each end one line.
        if (end < text.size() && text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    return reasons;
}

QByteArray encodeReasons(const QStringList& reasons)
{
    QByteArray bytes;
    for (const QString& reason : reasons)
        bytes += Cp1252::encode(reason) + "\r\n";
    return bytes;
}

QStringList loadReasons()
{
    const QString path = ExeFolder::file(kReasons);
    QFile file(path);
    if (!file.exists())
        return {};
    if (reasonsReadFails() || !file.open(QIODevice::ReadOnly))
        throw Failure(u"Impossibile leggere il file "_s + path);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Failure(u"Impossibile leggere il file "_s + path);
    return decodeReasons(bytes);
}

void saveReasons(const QStringList& reasons)
{
    SafeWrite::replaceFile(ExeFolder::file(kReasons), encodeReasons(reasons));
}

void failReasonsReadForTests(bool fail)
{
    reasonsReadFails() = fail;
}

} // namespace ReceiptSettings
