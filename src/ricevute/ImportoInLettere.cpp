#include "ImportoInLettere.h"

#include "platform/Text.h"

#include <array>

using namespace Qt::StringLiterals;

namespace {

const std::array<QString, 10> kUnits = {u""_s,       u"uno"_s, u"due"_s,   u"tre"_s,  u"quattro"_s,
                                        u"cinque"_s, u"sei"_s, u"sette"_s, u"otto"_s, u"nove"_s};
const std::array<QString, 10> kTeens = {u"dieci"_s,       u"undici"_s,    u"dodici"_s, u"tredici"_s,
                                        u"quattordici"_s, u"quindici"_s,  u"sedici"_s, u"diciassette"_s,
                                        u"diciotto"_s,    u"diciannove"_s};
const std::array<QString, 10> kTens = {u""_s,         u""_s,          u"venti"_s,    u"trenta"_s,
                                       u"quaranta"_s, u"cinquanta"_s, u"sessanta"_s, u"settanta"_s,
                                       u"ottanta"_s,  u"novanta"_s};
const std::array<QString, 10> kTensWithOne = {
    u""_s,           u""_s,           u"ventuno"_s,   u"trentuno"_s, u"quarantuno"_s, u"cinquantuno"_s,
    u"sessantuno"_s, u"settantuno"_s, u"ottantuno"_s, u"novantuno"_s};
const std::array<QString, 10> kHundreds = {
    u""_s,         u"cento"_s,      u"duecento"_s,  u"trecento"_s, u"quattrocento"_s, u"cinquecento"_s,
    u"seicento"_s, u"settecento"_s, u"ottocento"_s, u"novecento"_s};

} // namespace

QString GruppoInLettere(int n)
{
    if (n < 0 || n > 999)
        return {};
    const int h = n / 100, t = n / 10 % 10, u = n % 10;
    QString w = kUnits[u];
    if (t == 1)
        w = kTeens[u];
    else if (t >= 2)
        w = u == 1 ? kTensWithOne[t] : kTens[t] + w;
    if (h >= 1)
        w = kHundreds[h] + w;
    return w;
}

QString ImportoInLettere(const Money& value)
{
    const bool negative = value.sign() < 0;
    const Money amount = value.abs().rounded(2);
    const Money euros = amount.truncated();
    const int cents = (amount - euros).shifted(-2).toText().toInt();

    QString s;
    if (euros.isZero()) {
        s = u"zero"_s;
    } else {
        // Groups of three digits from the right; only the lowest four are written.
        const QString digits = euros.toText();
        const qsizetype groups = (digits.size() + 2) / 3;
        for (qsizetype i = 1; i <= groups && i <= 4; ++i) {
            const qsizetype end = digits.size() - 3 * (i - 1);
            const qsizetype begin = std::max<qsizetype>(0, end - 3);
            const QString w = GruppoInLettere(digits.mid(begin, end - begin).toInt());
            if (i == 1)
                s = w;
            else if (w.isEmpty())
                continue;
            else if (i == 2)
                s = (w == u"uno"_s ? u"mille"_s : w + u"mila"_s) + s;
            else if (i == 3)
                s = (w == u"uno"_s ? u"unmilione"_s : w + u"milioni"_s) + s;
            else
                s = (w == u"uno"_s ? u"unmiliardo"_s : w + u"miliardi"_s) + s;
        }
    }
    if (cents != 0)
        s += u" e "_s + GruppoInLettere(cents) + u" centesimi"_s;
    if (negative)
        s = u"- "_s + s;
    return Text::capitals(s);
}
