#pragma once

#include "FieldTypes.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>
#include <initializer_list>

// A record type as one declarative table: its fields in record order. Offsets and the
// record size are computed from it; screens take each control's maximum length from it.
struct RecordField {
    enum class Kind { Text, Flag };
    QString name;
    Kind kind = Kind::Text;
    int capacity = 0; // characters; 2 for a flag

    static RecordField text(const char* name, int capacity)
    {
        return {QString::fromLatin1(name), Kind::Text, capacity};
    }
    static RecordField flag(const char* name)
    {
        return {QString::fromLatin1(name), Kind::Flag, FlagField::capacity};
    }
    int size() const { return capacity + 1; }
};

class RecordLayout {
public:
    RecordLayout(std::initializer_list<RecordField> fields) : RecordLayout(QList<RecordField>(fields)) {}
    explicit RecordLayout(QList<RecordField> fields);

    const QList<RecordField>& fields() const { return m_fields; }
    int size() const { return m_size; }
    bool contains(const QString& name) const { return m_index.contains(name); }
    const RecordField& field(const QString& name) const;
    int offset(const QString& name) const;

    // A field's place in fields(), for passes that reach the same fields in every record
    // without looking their names up again. An unknown name throws.
    int indexOf(const QString& name) const;
    const RecordField& fieldAt(int index) const { return m_fields[index]; }
    int offsetAt(int index) const { return m_offsets[index]; }

private:
    QList<RecordField> m_fields;
    QList<int> m_offsets;
    QHash<QString, int> m_index;
    int m_size = 0;
};

// One record buffer of a layout. Fields are reached by name (an unknown name is a
// programming error and throws) or by their index in the layout.
class Record {
public:
    explicit Record(const RecordLayout& layout);
    // A copy owns its bytes, even of a record that only shows bytes held elsewhere (view()).
    Record(const Record& other);
    Record& operator=(const Record& other);
    Record(Record&& other) noexcept = default;
    Record& operator=(Record&& other) noexcept = default;

    // Shows one record's bytes where they lie (a block read at once), with no copy: they must
    // stay as they are while the record is read. Writing to bytes() first copies them.
    void view(const char* bytes) { m_bytes = QByteArray::fromRawData(bytes, m_layout->size()); }

    const RecordLayout& layout() const { return *m_layout; }
    QByteArray& bytes() { return m_bytes; }
    const QByteArray& bytes() const { return m_bytes; }

    QString text(const QString& name) const;
    void setText(const QString& name, const QString& value);
    std::optional<bool> flag(const QString& name) const;
    void setFlag(const QString& name, bool checked);

    QString textAt(int index) const;
    // The field's stored bytes (at most its capacity, whatever the length byte claims), not
    // decoded and not trimmed.
    QByteArrayView rawAt(int index) const;

private:
    const RecordLayout* m_layout;
    QByteArray m_bytes;
};
