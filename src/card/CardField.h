#pragma once

#include "storage/RecordLayout.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// One field of a card screen, as its record table describes it: the record field and the
// control that edits it (its name, caption, how it is typed, its section on the card).
struct CardField {
    enum class Entry {
        Text,     // plain text
        Digits,   // only 0 to 9
        Euros,    // only 0 to 9: the euros of an amount whose cents are the next field (a decimal separator moves there)
        Upper,    // trimmed and in capitals after each key release
        Capitals, // in capitals while typing (codes, province letters)
        Trim,     // trimmed after each key release
        List,     // editable drop-down with a vocabulary
        Province, // editable drop-down of province codes, in capitals while typing
        Check,    // a check box
        Hidden,   // a hidden label
        Amount,   // an amount: the form's amount rule filters its keys and tidies it on leaving
        ReadOnly, // shown and stored, never typed into (outside every Enter ring)
        Label     // a visible label named txt…, stored (a computed total)
    };

    QString name;
    int capacity = 0; // characters; 2 for a check box
    Entry entry = Entry::Text;
    int section = 0;
    QString caption; // the label before the control, or a check box's own text
    QStringList vocabulary;

    QString controlName() const; // txt…, chk… or lbl… followed by the field name
    // A field with a caption before a control holding text.
    bool isTextField() const { return entry != Entry::Check && entry != Entry::Hidden; }
    // A field the user types into: it is highlighted and belongs to an Enter ring.
    bool isTyped() const { return isTextField() && entry != Entry::ReadOnly && entry != Entry::Label; }
};

RecordLayout layoutOf(const QList<CardField>& fields);

// A record table's fields by name. An unknown name is a programming error and throws,
// saying which record it was asked of ("della ricevuta").
class CardFieldIndex {
public:
    CardFieldIndex(const QList<CardField>& fields, QString ofRecord);
    const CardField& field(const QString& name) const;

private:
    const QList<CardField>& m_fields;
    QString m_ofRecord;
    QHash<QString, int> m_index;
};
