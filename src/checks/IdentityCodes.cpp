#include "IdentityCodes.h"

#include <QHash>
#include <array>

using namespace Qt::StringLiterals;

namespace {

// Values of the characters '0' (code 48) to 'Z' (code 90); the seven between '9' and 'A' are 0.
constexpr int kFirst = '0';
constexpr int kLast = 'Z';
constexpr std::array<int, 26> kOddLetters = {1,  0,  5, 7, 9, 13, 15, 17, 19, 21, 2,  4,  18,
                                             20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23};

std::optional<int> oddValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u < kFirst || u > kLast)
        return std::nullopt;
    if (u <= '9')
        return kOddLetters[u - '0'];
    if (u < 'A')
        return 0;
    return kOddLetters[u - 'A'];
}

std::optional<int> evenValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u < kFirst || u > kLast)
        return std::nullopt;
    if (u <= '9')
        return u - '0';
    if (u < 'A')
        return 0;
    return u - 'A';
}

} // namespace

namespace IdentityCodes {

std::optional<QChar> codiceFiscaleCheckLetter(const QString& code)
{
    if (code.size() < 15)
        return std::nullopt;
    int sum = 0;
    for (int i = 0; i < 15; ++i) {
        // Positions count from 1: index 0 is position 1, an odd one.
        const std::optional<int> value = i % 2 == 0 ? oddValue(code.at(i)) : evenValue(code.at(i));
        if (!value)
            return std::nullopt;
        sum += *value;
    }
    return QChar(u'A' + sum % 26);
}

bool codiceFiscaleValid(const QString& code)
{
    if (code.size() != 16)
        return false;
    const std::optional<QChar> expected = codiceFiscaleCheckLetter(code);
    return expected && code.at(15) == *expected;
}

bool partitaIvaValid(const QString& number)
{
    if (number.size() != 11)
        return false;
    for (QChar c : number) {
        if (c < u'0' || c > u'9')
            return false;
    }
    int sum = 0;
    for (int i = 0; i < 10; ++i) {
        const int d = number.at(i).unicode() - u'0';
        if (i % 2 == 0) {
            sum += d;
        } else {
            const int t = 2 * d;
            sum += t < 10 ? t : t - 9;
        }
    }
    return number.at(10).unicode() - u'0' == (10 - sum % 10) % 10;
}

QString partitaIvaOffice(const QString& number)
{
    static const QHash<QString, QString> offices = [] {
        const char16_t* names[] = {u"Torino",
                                   u"Vercelli",
                                   u"Novara",
                                   u"Cuneo",
                                   u"Asti",
                                   u"Alessandria",
                                   u"Aosta",
                                   u"Imperia",
                                   u"Savona",
                                   u"Genova 1",
                                   u"La Spezia",
                                   u"Varese",
                                   u"Como",
                                   u"Sondrio",
                                   u"Milano 1",
                                   u"Bergamo",
                                   u"Brescia 1",
                                   u"Pavia",
                                   u"Cremona",
                                   u"Mantova",
                                   u"Bolzano",
                                   u"Trento",
                                   u"Verona",
                                   u"Vicenza",
                                   u"Belluno",
                                   u"Treviso",
                                   u"Venezia",
                                   u"Padova",
                                   u"Rovigo",
                                   u"Udine",
                                   u"Gorizia",
                                   u"Trieste",
                                   u"Piacenza",
                                   u"Parma",
                                   u"Reggio Emilia",
                                   u"Modena",
                                   u"Bologna 1",
                                   u"Ferrara",
                                   u"Ravenna",
                                   u"Forlì",
                                   u"Pesaro",
                                   u"Ancona",
                                   u"Macerata",
                                   u"Ascoli Piceno",
                                   u"Massa Carrara",
                                   u"Lucca",
                                   u"Pistoia",
                                   u"Firenze 1",
                                   u"Livorno",
                                   u"Pisa",
                                   u"Arezzo",
                                   u"Siena",
                                   u"Grosseto",
                                   u"Perugia",
                                   u"Terni",
                                   u"Viterbo",
                                   u"Rieti",
                                   u"Roma 1",
                                   u"Latina",
                                   u"Frosinone",
                                   u"Caserta",
                                   u"Benevento",
                                   u"Napoli 1",
                                   u"Avellino",
                                   u"Salerno",
                                   u"Aquila",
                                   u"Teramo",
                                   u"Pescara",
                                   u"Chieti",
                                   u"Campobasso",
                                   u"Foggia",
                                   u"Bari",
                                   u"Taranto",
                                   u"Brindisi",
                                   u"Lecce",
                                   u"Potenza",
                                   u"Matera",
                                   u"Cosenza",
                                   u"Catanzaro",
                                   u"Reggio Calabria",
                                   u"Trapani",
                                   u"Palermo",
                                   u"Messina",
                                   u"Agrigento",
                                   u"Caltanissetta",
                                   u"Enna",
                                   u"Catania",
                                   u"Ragusa",
                                   u"Siracusa",
                                   u"Sassari",
                                   u"Nuoro",
                                   u"Cagliari",
                                   u"Pordenone",
                                   u"Isernia",
                                   u"Oristano",
                                   u"Monza (Milano 2)",
                                   u"Prato (Firenze 2)",
                                   u"Brescia 2",
                                   u"Chiavari (Genova 2)",
                                   u"Roma 2",
                                   u"Bologna 2",
                                   u"Napoli 2"};
        QHash<QString, QString> table;
        int code = 1;
        for (const char16_t* name : names)
            table.insert(QString::number(code++).rightJustified(3, u'0'), QString::fromUtf16(name));
        table.insert(u"120"_s, u"Bologna 2"_s);
        table.insert(u"121"_s, u"Napoli 2"_s);
        return table;
    }();
    return offices.value(number.mid(7, 3));
}

} // namespace IdentityCodes
