#include "RecordLayout.h"

#include "platform/Failure.h"

using namespace Qt::StringLiterals;

RecordLayout::RecordLayout(QList<RecordField> fields) : m_fields(std::move(fields))
{
    for (int i = 0; i < m_fields.size(); ++i) {
        m_index.insert(m_fields[i].name, i);
        m_offsets.append(m_size);
        m_size += m_fields[i].size();
    }
}

int RecordLayout::indexOf(const QString& name) const
{
    const auto it = m_index.constFind(name);
    if (it == m_index.cend())
        throw Failure(u"Campo sconosciuto nel tracciato record: "_s + name);
    return *it;
}

const RecordField& RecordLayout::field(const QString& name) const
{
    return m_fields[indexOf(name)];
}

int RecordLayout::offset(const QString& name) const
{
    return m_offsets[indexOf(name)];
}

Record::Record(const RecordLayout& layout) : m_layout(&layout), m_bytes(layout.size(), '\0') {}

QString Record::text(const QString& name) const
{
    return PascalString::read(m_bytes.constData() + m_layout->offset(name), m_layout->field(name).capacity);
}

void Record::setText(const QString& name, const QString& value)
{
    PascalString::write(m_bytes.data() + m_layout->offset(name), m_layout->field(name).capacity, value);
}

std::optional<bool> Record::flag(const QString& name) const
{
    return FlagField::read(m_bytes.constData() + m_layout->offset(name));
}

void Record::setFlag(const QString& name, bool checked)
{
    FlagField::write(m_bytes.data() + m_layout->offset(name), checked);
}
