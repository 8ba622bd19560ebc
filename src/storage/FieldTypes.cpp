#include "FieldTypes.h"

#include "platform/Cp1252.h"
#include "platform/Text.h"

#include <algorithm>

using namespace Qt::StringLiterals;

QString PascalString::read(const char* field, int capacity)
{
    const int length = std::min(int(static_cast<unsigned char>(field[0])), capacity);
    return Text::trimmed(Cp1252::decode(field + 1, length));
}

void PascalString::write(char* field, int capacity, const QString& text)
{
    const QByteArray bytes = Cp1252::encode(Text::trimmed(text)).left(255).left(capacity);
    field[0] = static_cast<char>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), field + 1);
}

std::optional<bool> FlagField::read(const char* field)
{
    const QString text = PascalString::read(field, capacity);
    if (text == u"Sì"_s)
        return true;
    if (text == u"No"_s)
        return false;
    return std::nullopt;
}

void FlagField::write(char* field, bool checked)
{
    PascalString::write(field, capacity, checked ? u"Sì"_s : u"No"_s);
}
