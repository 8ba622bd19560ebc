#pragma once

#include <QString>
#include <compare>
#include <optional>

// The one money type for every amount the program computes or sums (receipt lines, ISTAT,
// totals, F24 amounts, summaries, exports): an exact decimal, an integer count of units of
// 10^-scale, never binary floating point. Amounts are held in the records as comma text; this
// type parses and writes that text exactly and rounds half away from zero.
//
// The range is that of a 128-bit integer; a result that would leave it throws Failure. Texts
// of more than 30 significant digits are not numbers (the archive fields hold at most 10).
class Money {
public:
    Money() = default; // zero

    // A number as the records write it: optional blanks (characters up to U+0020), an
    // optional minus sign, digits, optionally a comma and more digits, optional blanks; at
    // least one digit. "12,", ",5" and "-,5" are numbers; ",", "-", "1.000", "1-2", "+1",
    // "1e3" and "1,2,3" are not.
    static std::optional<Money> parse(const QString& text);
    // units × 10^-scale: fromUnits(70975, 2) is 709,75.
    static Money fromUnits(qint64 units, int scale = 0);

    Money operator+(const Money& other) const;
    Money operator-(const Money& other) const;
    Money operator-() const;
    Money operator*(const Money& other) const;
    Money& operator+=(const Money& other) { return *this = *this + other; }
    Money& operator-=(const Money& other) { return *this = *this - other; }
    // The value divided by 10^decimals, exactly (a percentage: shifted(2)).
    Money shifted(int decimals) const;

    // Rounded to `decimals` decimals, a half going away from zero: 1,005 → 1,01; −0,125 → −0,13.
    Money rounded(int decimals = 2) const;
    // The whole part, toward zero: 12,99 → 12; −0,5 → 0.
    Money truncated() const;
    Money abs() const { return sign() < 0 ? -*this : *this; }
    int sign() const { return m_units > 0 ? 1 : (m_units < 0 ? -1 : 0); }
    bool isZero() const { return m_units == 0; }

    // The exact value, shortest: no trailing zeros, comma as separator, no thousands
    // separator, "-" before a negative value: 650, 1021,5, 0,3, -5.
    QString toText() const;
    // Rounded to `decimals` (half away from zero) and written with exactly that many
    // decimals: 709,75, 650,00, -5,00, 0,00.
    QString toText(int decimals) const;

    bool operator==(const Money& other) const;
    std::strong_ordering operator<=>(const Money& other) const;

private:
    Money(__int128 units, int scale) : m_units(units), m_scale(scale) {}
    static void align(Money& a, Money& b);
    Money withScale(int scale) const;

    __int128 m_units = 0;
    int m_scale = 0;
};
