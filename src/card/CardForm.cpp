#include "CardForm.h"

#include "FieldBehaviour.h"
#include "storage/RecordLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using Entry = CardField::Entry;

namespace {
constexpr int kCaptionColumn = 215; // the first caption of each row, so rows line up
}

CardForm::CardForm(const QList<CardField>& fields, QWidget* owner) : m_fields(fields)
{
    for (const CardField& f : m_fields) {
        QWidget* control = createControl(f, owner);
        control->setObjectName(f.controlName());
        m_controls.insert(f.name, control);
        if (f.isTextField()) {
            auto* caption = new QLabel(f.caption, owner);
            caption->setBuddy(control);
            m_captions.insert(f.name, caption);
        }
    }
}

QWidget* CardForm::createControl(const CardField& f, QWidget* owner)
{
    switch (f.entry) {
    case Entry::Check:
        return new QCheckBox(f.caption, owner);
    case Entry::Hidden: {
        auto* label = new QLabel(owner);
        label->hide();
        return label;
    }
    case Entry::List:
    case Entry::Province: {
        auto* combo = new QComboBox(owner);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->addItems(f.vocabulary);
        combo->lineEdit()->setMaxLength(f.capacity);
        combo->setCurrentIndex(-1);
        combo->setMaxVisibleItems(16);
        return combo;
    }
    default: {
        auto* edit = new QLineEdit(owner);
        edit->setMaxLength(f.capacity);
        return edit;
    }
    }
}

QWidget* CardForm::control(const QString& name) const
{
    return m_controls.value(name);
}

QLabel* CardForm::caption(const QString& name) const
{
    return m_captions.value(name);
}

void CardForm::addExtra(QWidget* widget)
{
    m_extras.insert(widget->objectName(), widget);
}

QWidget* CardForm::buildSection(const QString& objectName, const QList<QStringList>& rows, QWidget* parent)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(objectName);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(16, 12, 16, 12);
    column->setSpacing(6);
    QVBoxLayout* target = column;
    const QFontMetrics metrics(panel->font());

    for (const QStringList& row : rows) {
        if (row.size() == 1 && row.front().startsWith(u'#')) {
            if (row.front().size() == 1) {
                target = column;
                continue;
            }
            auto* box = new QGroupBox(row.front().mid(1), panel);
            target = new QVBoxLayout(box);
            target->setSpacing(6);
            column->addWidget(box);
            continue;
        }
        auto* line = new QHBoxLayout;
        line->setSpacing(6);
        bool first = true;
        for (const QString& token : row) {
            if (token.startsWith(u'\'')) {
                line->addWidget(new QLabel(token.mid(1), panel));
            } else if (token.startsWith(u'@')) {
                line->addWidget(m_extras.value(token.mid(1)));
            } else {
                const CardField& f = *std::find_if(m_fields.begin(), m_fields.end(),
                                                   [&](const CardField& c) { return c.name == token; });
                QWidget* control = m_controls.value(token);
                if (QLabel* caption = m_captions.value(token)) {
                    if (first && caption->text() != u","_s && caption->text() != u"/"_s) {
                        caption->setFixedWidth(kCaptionColumn);
                        caption->setWordWrap(true);
                    }
                    line->addWidget(caption);
                }
                // Wide fields share what is left of the row; short ones take what they hold.
                if (f.entry == Entry::Check) {
                    line->addWidget(control);
                } else if (f.capacity >= 40) {
                    control->setMinimumWidth(metrics.averageCharWidth() * 22);
                    line->addWidget(control, f.capacity >= 120 ? 3 : 2);
                } else {
                    const int chars = f.entry == Entry::Province ? 4 : std::max(f.capacity, 2) + 1;
                    control->setFixedWidth(metrics.averageCharWidth() * std::min(chars, 34) + 18 +
                                           (f.entry == Entry::List || f.entry == Entry::Province ? 28 : 0));
                    line->addWidget(control);
                }
            }
            first = false;
        }
        line->addStretch(1);
        target->addLayout(line);
    }
    column->addStretch(1);
    return panel;
}

QList<QWidget*> CardForm::ring(int section) const
{
    QList<QWidget*> ring;
    for (const CardField& f : m_fields) {
        if (f.section == section && f.isTextField())
            ring.append(m_controls.value(f.name));
    }
    return ring;
}

void CardForm::applyBehaviours()
{
    QList<int> sections;
    for (const CardField& f : m_fields) {
        if (!sections.contains(f.section))
            sections.append(f.section);
    }
    for (int section : sections) {
        const QList<QWidget*> members = ring(section);
        for (int i = 0; i < members.size(); ++i) {
            QWidget* field = members[i];
            QWidget* successor = members[(i + 1) % members.size()];
            const CardField& f = *std::find_if(m_fields.begin(), m_fields.end(), [&](const CardField& c) {
                return m_controls.value(c.name) == field;
            });
            FieldBehaviour::highlight(field, f.entry == Entry::Trim);
            if (f.entry == Entry::Digits) {
                FieldBehaviour::digitsOnly(field, successor);
            } else {
                FieldBehaviour::enterMovesTo(field, successor);
            }
            if (f.entry == Entry::Upper)
                FieldBehaviour::capitalsOnKeyRelease(field);
            if (f.entry == Entry::Trim)
                FieldBehaviour::trimOnKeyRelease(field);
            if (f.entry == Entry::Province)
                FieldBehaviour::capitalsWhileTyping(field);
            if (f.entry == Entry::List || f.entry == Entry::Province)
                FieldBehaviour::noListSelectionOnFocus(static_cast<QComboBox*>(field));
        }
    }
    // Tab follows the record order, check boxes included.
    QWidget* previous = nullptr;
    for (const CardField& f : m_fields) {
        if (f.entry == Entry::Hidden)
            continue;
        QWidget* current = m_controls.value(f.name);
        if (previous)
            QWidget::setTabOrder(previous, current);
        previous = current;
    }
}

void CardForm::fillRecord(Record& record) const
{
    for (const CardField& f : m_fields) {
        QWidget* c = m_controls.value(f.name);
        if (f.entry == Entry::Check)
            record.setFlag(f.name, static_cast<QCheckBox*>(c)->isChecked());
        else if (f.entry == Entry::Hidden)
            record.setText(f.name, static_cast<QLabel*>(c)->text());
        else
            record.setText(f.name, FieldBehaviour::textOf(c));
    }
}

void CardForm::showRecord(const Record& record)
{
    for (const CardField& f : m_fields) {
        QWidget* c = m_controls.value(f.name);
        if (f.entry == Entry::Check) {
            if (const std::optional<bool> flag = record.flag(f.name))
                static_cast<QCheckBox*>(c)->setChecked(*flag);
        } else if (f.entry == Entry::Hidden) {
            static_cast<QLabel*>(c)->setText(record.text(f.name));
        } else {
            FieldBehaviour::setTextOf(c, record.text(f.name));
        }
    }
}

void CardForm::clear()
{
    for (const CardField& f : m_fields) {
        QWidget* c = m_controls.value(f.name);
        if (f.entry == Entry::Check)
            static_cast<QCheckBox*>(c)->setChecked(false);
        else if (f.entry == Entry::Hidden)
            static_cast<QLabel*>(c)->clear();
        else
            FieldBehaviour::setTextOf(c, QString());
    }
    clearListSelections();
}

void CardForm::clearListSelections()
{
    for (QWidget* c : std::as_const(m_controls)) {
        if (auto* combo = qobject_cast<QComboBox*>(c)) {
            const QString text = combo->currentText();
            combo->setCurrentIndex(-1);
            combo->setEditText(text);
        }
    }
}
