#pragma once

#include "CardField.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>

class QLabel;
class QWidget;
class Record;

// The controls of a card screen built from its record table: one control per field, named
// after it (txt…, chk…, lbl…), with its caption, its maximum length, its vocabulary and its
// typing behaviours; and the moves between controls and a record. The screen arranges the
// controls in its sections by rows of field names (buildSection).
class CardForm {
public:
    CardForm(const QList<CardField>& fields, QWidget* owner);

    QWidget* control(const QString& name) const;
    QLabel* caption(const QString& name) const;
    // Widgets of the screen's own that rows may place by their objectName ("@btnEmailLoc01").
    void addExtra(QWidget* widget);

    // A section's controls in rows. Tokens: a field name (its caption, then its control);
    // "'text" a plain label; "@name" an extra widget; "#Title" opens a framed box, "#" closes it.
    QWidget* buildSection(const QString& objectName, const QList<QStringList>& rows, QWidget* parent);

    // Highlight, Enter rings (one per section, in record order, check boxes skipped), digit
    // filters, rewrites, drop-downs that select nothing on focus; Tab follows record order.
    void applyBehaviours();
    QList<QWidget*> ring(int section) const;

    void fillRecord(Record& record) const; // every field from its control, in record order
    void showRecord(const Record& record); // every control from its field; unknown flags change nothing
    void clear();                          // empty every field and hidden label, uncheck every box
    void clearListSelections();            // drop-downs select no item; their text stays

private:
    QWidget* createControl(const CardField& field, QWidget* owner);

    QList<CardField> m_fields;
    QHash<QString, QWidget*> m_controls;
    QHash<QString, QLabel*> m_captions;
    QHash<QString, QWidget*> m_extras;
};
