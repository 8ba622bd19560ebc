#include "Crypt.h"

#include "platform/Failure.h"

#include <cstdint>

using namespace Qt::StringLiterals;

namespace {
constexpr std::uint16_t kStartKey = 9386;
constexpr std::uint16_t kMultiplier = 40963;
constexpr std::uint16_t kAddend = 36458;
constexpr int kMaxLength = 255;

std::uint16_t nextKey(std::uint8_t scrambled, std::uint16_t key)
{
    return std::uint16_t((std::uint16_t(scrambled + key) * std::uint32_t(kMultiplier) + kAddend) & 0xFFFF);
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}
} // namespace

namespace Crypt {

QString encode(const QString& plain)
{
    QString hex;
    std::uint16_t key = kStartKey;
    for (QChar c : plain.left(kMaxLength)) {
        const auto b = std::uint8_t((c.unicode() & 0xFF) ^ (key >> 8));
        hex += QString::number(b, 16).toUpper().rightJustified(2, u'0');
        key = nextKey(b, key);
    }
    return hex;
}

QString decode(const QString& hex)
{
    QString plain;
    std::uint16_t key = kStartKey;
    const qsizetype pairs = hex.size() / 2;
    for (qsizetype i = 0; i < pairs; ++i) {
        const int high = hexDigit(hex.at(2 * i));
        const int low = hexDigit(hex.at(2 * i + 1));
        if (high < 0 || low < 0)
            throw Failure(u"Valore della password non esadecimale."_s);
        const auto b = std::uint8_t(high * 16 + low);
        plain += QChar(char16_t(b ^ (key >> 8)));
        key = nextKey(b, key);
    }
    return plain;
}

} // namespace Crypt
