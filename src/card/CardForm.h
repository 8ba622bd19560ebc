#pragma once

#include "CardField.h"
#include "FieldBehaviour.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>

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
    // An unknown field or extra, a field placed twice, or (when `section` is given) a field
    // of another record section throws, naming the row.
    QWidget* buildSection(const QString& objectName, const QList<QStringList>& rows, QWidget* parent,
                          int section = -1);
    // The fields placed so far by buildSection and buildGrid.
    QStringList placedFields() const { return m_placed; }

    // Rows of cells in one grid, so the columns line up across rows (payment lines): a field
    // name takes two cells (its caption, then its control; a field without caption only its
    // control), "'text" a label, "@name" an extra widget, "" an empty cell. An unknown field
    // or extra throws, naming the row.
    QWidget* buildGrid(const QString& objectName, const QList<QStringList>& rows, QWidget* parent);

    // Before applyBehaviours: how amount fields take keys and are tidied on leaving (each
    // screen has its own rule), and what runs on every key pressed in one of them, before
    // the key is handled (a screen empties its computed total there).
    void setAmountRule(const FieldBehaviour::AmountRule& rule) { m_amountRule = rule; }
    // Before applyBehaviours: the names amount fields go by in messages (by default their
    // captions), and the information bar that says why an amount is refused.
    void setAmountNames(const QHash<QString, QString>& names) { m_amountNames = names; }
    void setInfoBar(QLabel* infoBar) { m_infoBar = infoBar; }
    void onAmountKey(std::function<void(const QString& field, int key)> handler)
    {
        m_amountKey = std::move(handler);
    }
    // Before applyBehaviours: one Enter ring through these fields in this order, instead of
    // one ring per section in record order; Tab follows it too.
    void setRing(const QStringList& fieldNames) { m_ringOrder = fieldNames; }

    // Highlight, Enter rings (the given ring, or one per section in record order; check
    // boxes, read-only fields and labels skipped), digit and amount filters, rewrites,
    // drop-downs that select nothing on focus; Tab follows the ring or the record order.
    void applyBehaviours();
    QList<QWidget*> ring(int section) const;

    // Whether the amount fields (these, or all of them) hold amounts they can store; at the
    // first that does not, in Enter order, a warning names it, marks it and takes the focus.
    bool checkAmounts(const QStringList& fieldNames = {});

    void fillRecord(Record& record) const; // every field from its control, in record order
    void showRecord(const Record& record); // every control from its field; unknown flags change nothing
    void clear();                          // empty every field and hidden label, uncheck every box
    void clearListSelections();            // drop-downs select no item; their text stays

private:
    QWidget* createControl(const CardField& field, QWidget* owner);
    const CardField& fieldOf(const QWidget* control) const;
    void applyBehaviour(const CardField& field, QWidget* successor);

    QList<CardField> m_fields;
    QHash<QString, QWidget*> m_controls;
    QHash<QString, QLabel*> m_captions;
    QHash<QString, QWidget*> m_extras;
    FieldBehaviour::AmountRule m_amountRule;
    std::function<void(const QString&, int)> m_amountKey;
    QHash<QString, QString> m_amountNames;
    QLabel* m_infoBar = nullptr;
    QStringList m_ringOrder;
    QStringList m_placed;
};
