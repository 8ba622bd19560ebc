#include "RecordLayout.h"

#include "platform/Failure.h"

#include <algorithm>

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

Record::Record(const Record& other)
    : m_layout(other.m_layout), m_bytes(other.m_bytes.constData(), other.m_bytes.size())
{
}

Record& Record::operator=(const Record& other)
{
    if (this != &other) {
        m_layout = other.m_layout;
        m_bytes = QByteArray(other.m_bytes.constData(), other.m_bytes.size());
    }
    return *this;
}

QString Record::text(const QString& name) const
{
    return textAt(m_layout->indexOf(name));
}

QString Record::textAt(int index) const
{
    return PascalString::read(m_bytes.constData() + m_layout->offsetAt(index),
                              m_layout->fieldAt(index).capacity);
}

QByteArrayView Record::rawAt(int index) const
{
    const char* field = m_bytes.constData() + m_layout->offsetAt(index);
    return {field + 1,
            std::min(int(static_cast<unsigned char>(field[0])), m_layout->fieldAt(index).capacity)};
}

void Record::setText(const QString& name, const QString& value)
{
    const int index = m_layout->indexOf(name);
    PascalString::write(m_bytes.data() + m_layout->offsetAt(index), m_layout->fieldAt(index).capacity, value);
}

std::optional<bool> Record::flag(const QString& name) const
{
    return FlagField::read(m_bytes.constData() + m_layout->offset(name));
}

void Record::setFlag(const QString& name, bool checked)
{
    FlagField::write(m_bytes.data() + m_layout->offset(name), checked);
}
