#include "Cp1252.h"

#include <array>

namespace {

// Unicode code points of bytes 0x80..0x9F; the undefined ones map to themselves.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr std::array<char16_t, 256> kDecode = [] {
    std::array<char16_t, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[b] = b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char16_t(b);
    return table;
}();

// Every UTF-16 code unit to its byte; 0 stands for "not in the code page" except for U+0000.
const std::array<unsigned char, 0x10000>& encodeTable()
{
    static const auto table = [] {
        auto* t = new std::array<unsigned char, 0x10000>{};
        for (int b = 1; b < 256; ++b)
            (*t)[kDecode[b]] = static_cast<unsigned char>(b);
        return t;
    }();
    return *table;
}

// Writes the bytes of text from `out` on; returns the end of what was written (a surrogate
// pair takes one byte, so at most text.size() bytes).
char* encodeInto(QStringView text, char* out)
{
    const auto& table = encodeTable();
    const char16_t* c = text.utf16();
    const char16_t* const end = c + text.size();
    while (c != end) {
        const char16_t u = *c++;
        const unsigned char b = table[u];
        if (b != 0 || u == 0) {
            *out++ = static_cast<char>(b);
            continue;
        }
        *out++ = '?';
        if (QChar::isHighSurrogate(u) && c != end && QChar::isLowSurrogate(*c))
            ++c;
    }
    return out;
}

} // namespace

namespace Cp1252 {

QString decode(const char* bytes, int length)
{
    QString text(length, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (int i = 0; i < length; ++i)
        out[i] = kDecode[static_cast<unsigned char>(bytes[i])];
    return text;
}

void appendDecoded(QString& out, QByteArrayView bytes)
{
    const qsizetype start = out.size();
    out.resize(start + bytes.size());
    char16_t* to = reinterpret_cast<char16_t*>(out.data()) + start;
    for (const char c : bytes)
        *to++ = kDecode[static_cast<unsigned char>(c)];
}

QString decode(const QByteArray& bytes)
{
    return decode(bytes.constData(), int(bytes.size()));
}

QByteArray encode(const QString& text)
{
    QByteArray bytes;
    append(bytes, text);
    return bytes;
}

void append(QByteArray& out, QStringView text)
{
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char* const end = encodeInto(text, out.data() + start);
    out.resize(end - out.constData());
}

QByteArrayView trimmed(QByteArrayView bytes)
{
    qsizetype begin = 0, end = bytes.size();
    while (begin < end && static_cast<unsigned char>(bytes[begin]) <= 0x20)
        ++begin;
    while (end > begin && static_cast<unsigned char>(bytes[end - 1]) <= 0x20)
        --end;
    return bytes.sliced(begin, end - begin);
}

} // namespace Cp1252
