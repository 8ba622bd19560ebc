#include "CardField.h"

using namespace Qt::StringLiterals;

QString CardField::controlName() const
{
    switch (entry) {
    case Entry::Check:
        return u"chk"_s + name;
    case Entry::Hidden:
        return u"lbl"_s + name;
    default:
        return u"txt"_s + name;
    }
}

RecordLayout layoutOf(const QList<CardField>& fields)
{
    QList<RecordField> specs;
    for (const CardField& f : fields)
        specs.append({f.name,
                      f.entry == CardField::Entry::Check ? RecordField::Kind::Flag : RecordField::Kind::Text,
                      f.capacity});
    return RecordLayout(specs);
}
