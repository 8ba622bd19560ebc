#include "Money.h"

#include "Failure.h"
#include "Text.h"

#include <iterator>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

constexpr int kMaxDigits = 30;

[[noreturn]] void outOfRange()
{
    throw Failure(u"Importo fuori dall'intervallo di calcolo."_s);
}

__int128 powerOfTen(int n)
{
    if (n < 0 || n > 38)
        outOfRange();
    __int128 p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

__int128 multiplied(__int128 a, __int128 b)
{
    __int128 r;
    if (__builtin_mul_overflow(a, b, &r))
        outOfRange();
    return r;
}

__int128 added(__int128 a, __int128 b)
{
    __int128 r;
    if (__builtin_add_overflow(a, b, &r))
        outOfRange();
    return r;
}

QString digitsOf(__int128 magnitude) // magnitude >= 0
{
    // Written from the end, in 64-bit arithmetic once the value fits: a 128-bit division is a
    // library call, and a list writes its amounts by the ten thousand.
    char16_t digits[40];
    char16_t* const end = digits + std::size(digits);
    char16_t* at = end;
    while (magnitude > std::numeric_limits<quint64>::max()) {
        *--at = char16_t(u'0' + int(magnitude % 10));
        magnitude /= 10;
    }
    quint64 rest = quint64(magnitude);
    do {
        *--at = char16_t(u'0' + rest % 10);
        rest /= 10;
    } while (rest > 0);
    return QString(reinterpret_cast<const QChar*>(at), end - at);
}

} // namespace

std::optional<Money> Money::parse(const QString& text)
{
    const QString t = Text::trimmed(text);
    qsizetype i = 0;
    const bool negative = i < t.size() && t.at(i) == u'-';
    if (negative)
        ++i;
    __int128 units = 0;
    int scale = 0;
    int significant = 0;
    int digits = 0;
    bool comma = false;
    for (; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (c == u',' && !comma) {
            comma = true;
            continue;
        }
        if (c < u'0' || c > u'9')
            return std::nullopt;
        ++digits;
        if (units != 0 || c != u'0')
            ++significant;
        if (significant > kMaxDigits)
            return std::nullopt;
        units = units * 10 + (c.unicode() - u'0');
        if (comma)
            ++scale;
    }
    if (digits == 0 || scale > kMaxDigits)
        return std::nullopt;
    Money m(negative ? -units : units, scale);
    // Trailing zeros of the decimals say nothing: keep the scale small.
    while (m.m_scale > 0 && m.m_units % 10 == 0) {
        m.m_units /= 10;
        --m.m_scale;
    }
    return m;
}

Money Money::fromUnits(qint64 units, int scale)
{
    if (scale < 0)
        return Money(multiplied(units, powerOfTen(-scale)), 0);
    return Money(units, scale);
}

Money Money::withScale(int scale) const
{
    if (scale <= m_scale)
        return *this;
    return Money(multiplied(m_units, powerOfTen(scale - m_scale)), scale);
}

void Money::align(Money& a, Money& b)
{
    const int scale = std::max(a.m_scale, b.m_scale);
    a = a.withScale(scale);
    b = b.withScale(scale);
}

Money Money::operator+(const Money& other) const
{
    Money a = *this, b = other;
    align(a, b);
    return Money(added(a.m_units, b.m_units), a.m_scale);
}

Money Money::operator-(const Money& other) const
{
    return *this + (-other);
}

Money Money::operator-() const
{
    return Money(-m_units, m_scale);
}

Money Money::operator*(const Money& other) const
{
    return Money(multiplied(m_units, other.m_units), m_scale + other.m_scale);
}

Money Money::shifted(int decimals) const
{
    if (decimals < 0)
        return Money(multiplied(m_units, powerOfTen(-decimals)), m_scale);
    return Money(m_units, m_scale + decimals);
}

Money Money::rounded(int decimals) const
{
    if (m_scale <= decimals)
        return *this;
    const __int128 divisor = powerOfTen(m_scale - decimals);
    __int128 whole = m_units / divisor; // toward zero
    const __int128 rest = m_units % divisor;
    const __int128 restMagnitude = rest < 0 ? -rest : rest;
    if (restMagnitude >= divisor - restMagnitude) // at least a half: away from zero
        whole += m_units < 0 ? -1 : 1;
    return Money(whole, decimals);
}

Money Money::truncated() const
{
    return Money(m_units / powerOfTen(m_scale), 0);
}

QString Money::toText() const
{
    const __int128 magnitude = m_units < 0 ? -m_units : m_units;
    QString digits = digitsOf(magnitude);
    QString text;
    if (m_scale == 0) {
        text = digits;
    } else {
        if (digits.size() <= m_scale)
            digits = QString(m_scale - digits.size() + 1, u'0') + digits;
        QString decimals = digits.right(m_scale);
        while (decimals.endsWith(u'0'))
            decimals.chop(1);
        text = digits.left(digits.size() - m_scale);
        if (!decimals.isEmpty())
            text += u',' + decimals;
    }
    if (m_units < 0 && text != u"0"_s)
        text.prepend(u'-');
    return text;
}

QString Money::toText(int decimals) const
{
    const Money r = rounded(decimals).withScale(decimals);
    const __int128 magnitude = r.m_units < 0 ? -r.m_units : r.m_units;
    QString digits = digitsOf(magnitude);
    if (digits.size() <= decimals)
        digits = QString(decimals - digits.size() + 1, u'0') + digits;
    if (decimals == 0 && r.m_units >= 0)
        return digits;
    // One string made once: lists write their amounts by the ten thousand.
    const qsizetype whole = digits.size() - decimals;
    QString text;
    text.reserve(digits.size() + 2);
    if (r.m_units < 0)
        text += u'-';
    text += QStringView(digits).first(whole);
    if (decimals > 0) {
        text += u',';
        text += QStringView(digits).sliced(whole);
    }
    return text;
}

bool Money::operator==(const Money& other) const
{
    return (*this <=> other) == std::strong_ordering::equal;
}

std::strong_ordering Money::operator<=>(const Money& other) const
{
    Money a = *this, b = other;
    align(a, b);
    if (a.m_units < b.m_units)
        return std::strong_ordering::less;
    if (a.m_units > b.m_units)
        return std::strong_ordering::greater;
    return std::strong_ordering::equal;
}
