#include "CardField.h"

#include "platform/Failure.h"

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

CardFieldIndex::CardFieldIndex(const QList<CardField>& fields, QString ofRecord)
    : m_fields(fields), m_ofRecord(std::move(ofRecord))
{
    for (int i = 0; i < m_fields.size(); ++i)
        m_index.insert(m_fields[i].name, i);
}

const CardField& CardFieldIndex::field(const QString& name) const
{
    const auto it = m_index.constFind(name);
    if (it == m_index.cend())
        throw Failure(u"Campo sconosciuto "_s + m_ofRecord + u": "_s + name);
    return m_fields[*it];
}
