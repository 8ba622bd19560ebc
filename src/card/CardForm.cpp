#include "CardForm.h"

#include "FieldBehaviour.h"
#include "platform/Desktop.h"
#include "platform/Failure.h"
#include "storage/RecordLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <cmath>

using namespace Qt::StringLiterals;
using Entry = CardField::Entry;

namespace {
// Widths on a card section, in pixels or in average characters of the panel's font.
constexpr int kCaptionColumn = 215;    // the first caption of each row, so rows line up
constexpr int kWideCapacity = 40;      // fields of this capacity or more share the row's width…
constexpr int kWiderCapacity = 120;    // …these with a larger share
constexpr int kWideMinimumChars = 22;  // the least a wide field shows
constexpr int kShortMaximumChars = 34; // a short field shows its capacity, up to this
constexpr int kProvinceChars = 4;
constexpr int kFrameWidth = 18;     // an edit box's frame and margins
constexpr int kDropDownButton = 28; // a drop-down's arrow button

// A short field is as wide as the text it must hold, in its own font: a code in capitals (a
// codice fiscale) as wide as its widest letter allows, digits as wide as digits, and any other
// text (a contract code of capitals and digits) at the mean width of capitals and digits, with
// one character to spare. Average lower-case widths cut codes off.
int shortFieldTextWidth(const CardField& f, const QFontMetrics& own, const QFontMetrics& panel)
{
    if (f.entry == Entry::Province)
        return panel.averageCharWidth() * kProvinceChars;
    const int chars = std::min(std::max(f.capacity, 2), kShortMaximumChars);
    if (f.entry == Entry::Upper || f.entry == Entry::Capitals)
        return own.horizontalAdvance(QString(chars, u'W')) + own.averageCharWidth();
    if (f.entry == Entry::Digits || f.entry == Entry::Euros || f.entry == Entry::Amount)
        return own.horizontalAdvance(QString(chars + 1, u'0'));
    static const QString capitalsAndDigits = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"_s;
    const double mean = own.horizontalAdvance(capitalsAndDigits) / double(capitalsAndDigits.size());
    return std::max(int(std::ceil(mean * (chars + 1))), panel.averageCharWidth() * (chars + 1));
}
} // namespace

CardForm::CardForm(const QList<CardField>& fields, QWidget* owner) : m_fields(fields)
{
    for (const CardField& f : m_fields) {
        QWidget* control = createControl(f, owner);
        control->setObjectName(f.controlName());
        m_controls.insert(f.name, control);
        if (f.isTextField() && !f.caption.isEmpty()) {
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
    case Entry::Label:
        return new QLabel(owner);
    case Entry::ReadOnly: {
        auto* edit = new QLineEdit(owner);
        edit->setMaxLength(f.capacity);
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        return edit;
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

QWidget* CardForm::buildSection(const QString& objectName, const QList<QStringList>& rows, QWidget* parent,
                                int section)
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
            auto fail = [&](const QString& what) {
                throw Failure(u"Sezione "_s + objectName + u", riga "_s + row.join(u' ') + u": "_s + what);
            };
            if (token.startsWith(u'\'')) {
                line->addWidget(new QLabel(token.mid(1), panel));
            } else if (token.startsWith(u'@')) {
                QWidget* extra = m_extras.value(token.mid(1));
                if (extra == nullptr)
                    fail(u"elemento sconosciuto "_s + token);
                line->addWidget(extra);
            } else {
                const auto found = std::find_if(m_fields.begin(), m_fields.end(),
                                                [&](const CardField& c) { return c.name == token; });
                if (found == m_fields.end())
                    fail(u"campo sconosciuto "_s + token);
                if (m_placed.contains(token))
                    fail(u"campo già collocato "_s + token);
                if (section >= 0 && found->section != section)
                    fail(u"campo di un'altra sezione "_s + token);
                m_placed.append(token);
                const CardField& f = *found;
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
                } else if (f.capacity >= kWideCapacity) {
                    control->setMinimumWidth(metrics.averageCharWidth() * kWideMinimumChars);
                    line->addWidget(control, f.capacity >= kWiderCapacity ? 3 : 2);
                } else {
                    const bool dropDown = f.entry == Entry::List || f.entry == Entry::Province;
                    control->setFixedWidth(shortFieldTextWidth(f, control->fontMetrics(), metrics) + kFrameWidth +
                                           (dropDown ? kDropDownButton : 0));
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

QWidget* CardForm::buildGrid(const QString& objectName, const QList<QStringList>& rows, QWidget* parent)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(objectName);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(12, 8, 12, 8);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);
    for (int r = 0; r < rows.size(); ++r) {
        int column = 0;
        for (const QString& token : rows[r]) {
            auto fail = [&](const QString& what) {
                throw Failure(u"Griglia "_s + objectName + u", riga "_s + rows[r].join(u' ') + u": "_s +
                              what);
            };
            if (token.isEmpty()) {
                ++column;
            } else if (token.startsWith(u'\'')) {
                grid->addWidget(new QLabel(token.mid(1), panel), r, column++);
            } else if (token.startsWith(u'@')) {
                QWidget* extra = m_extras.value(token.mid(1));
                if (extra == nullptr)
                    fail(u"elemento sconosciuto "_s + token);
                grid->addWidget(extra, r, column++);
            } else {
                QWidget* control = m_controls.value(token);
                if (control == nullptr)
                    fail(u"campo sconosciuto "_s + token);
                m_placed.append(token);
                if (QLabel* caption = m_captions.value(token); caption && !caption->text().isEmpty())
                    grid->addWidget(caption, r, column++);
                grid->addWidget(control, r, column++);
            }
        }
    }
    return panel;
}

QList<QWidget*> CardForm::ring(int section) const
{
    QList<QWidget*> ring;
    for (const CardField& f : m_fields) {
        if (f.section == section && f.isTyped())
            ring.append(m_controls.value(f.name));
    }
    return ring;
}

const CardField& CardForm::fieldOf(const QWidget* control) const
{
    return *std::find_if(m_fields.begin(), m_fields.end(),
                         [&](const CardField& c) { return m_controls.value(c.name) == control; });
}

void CardForm::applyBehaviour(const CardField& f, QWidget* successor)
{
    QWidget* field = m_controls.value(f.name);
    FieldBehaviour::highlight(field, f.entry == Entry::Trim);
    if (f.entry == Entry::Digits) {
        FieldBehaviour::digitsOnly(field, successor);
    } else if (f.entry == Entry::Euros) {
        const qsizetype at = &f - m_fields.constData();
        if (at + 1 >= m_fields.size())
            throw Failure(u"Campo dei centesimi mancante dopo "_s + f.name);
        FieldBehaviour::digitsOnly(field, successor, m_controls.value(m_fields[at + 1].name));
    } else if (f.entry == Entry::Amount) {
        std::function<void(int)> beforeKey;
        if (m_amountKey)
            beforeKey = [handler = m_amountKey, name = f.name](int key) { handler(name, key); };
        QString name = m_amountNames.value(f.name, f.caption);
        if (name.endsWith(u':'))
            name.chop(1);
        FieldBehaviour::amountField(field, successor, m_amountRule, name, m_infoBar, beforeKey);
    } else {
        FieldBehaviour::enterMovesTo(field, successor);
    }
    if (f.entry == Entry::Upper)
        FieldBehaviour::capitalsOnKeyRelease(field);
    if (f.entry == Entry::Trim)
        FieldBehaviour::trimOnKeyRelease(field);
    if (f.entry == Entry::Province || f.entry == Entry::Capitals)
        FieldBehaviour::capitalsWhileTyping(field);
    if (f.entry == Entry::List || f.entry == Entry::Province)
        FieldBehaviour::noListSelectionOnFocus(static_cast<QComboBox*>(field));
}

void CardForm::applyBehaviours()
{
    QList<QList<QWidget*>> rings;
    if (!m_ringOrder.isEmpty()) {
        QList<QWidget*> members;
        for (const QString& name : m_ringOrder) {
            QWidget* control = m_controls.value(name);
            if (control == nullptr)
                throw Failure(u"Campo sconosciuto nel giro del tasto Invio: "_s + name);
            members.append(control);
        }
        rings.append(members);
    } else {
        QList<int> sections;
        for (const CardField& f : m_fields) {
            if (!sections.contains(f.section))
                sections.append(f.section);
        }
        for (int section : sections)
            rings.append(ring(section));
    }
    for (const QList<QWidget*>& members : rings) {
        for (int i = 0; i < members.size(); ++i)
            applyBehaviour(fieldOf(members[i]), members[(i + 1) % members.size()]);
    }
    // Tab follows the given ring, or the record order with check boxes included.
    QWidget* previous = nullptr;
    auto chain = [&previous](QWidget* current) {
        if (previous)
            QWidget::setTabOrder(previous, current);
        previous = current;
    };
    if (!m_ringOrder.isEmpty()) {
        for (QWidget* member : rings.front())
            chain(member);
    } else {
        for (const CardField& f : m_fields) {
            if (f.entry != Entry::Hidden && f.entry != Entry::Label && f.entry != Entry::ReadOnly)
                chain(m_controls.value(f.name));
        }
    }
}

bool CardForm::checkAmounts(const QStringList& fieldNames)
{
    QStringList order = m_ringOrder;
    if (order.isEmpty()) {
        for (const CardField& f : m_fields)
            order.append(f.name);
    }
    for (const QString& name : std::as_const(order)) {
        const CardField& f = fieldOf(m_controls.value(name));
        if (f.entry != Entry::Amount || (!fieldNames.isEmpty() && !fieldNames.contains(name)))
            continue;
        QWidget* control = m_controls.value(name);
        if (FieldBehaviour::checkAmount(control) != FieldBehaviour::AmountProblem::None) {
            Desktop::warning(FieldBehaviour::amountWarning(control));
            control->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    return true;
}

void CardForm::fillRecord(Record& record) const
{
    for (const CardField& f : m_fields) {
        QWidget* c = m_controls.value(f.name);
        if (f.entry == Entry::Check)
            record.setFlag(f.name, static_cast<QCheckBox*>(c)->isChecked());
        else if (f.entry == Entry::Hidden || f.entry == Entry::Label)
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
        } else if (f.entry == Entry::Hidden || f.entry == Entry::Label) {
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
        else if (f.entry == Entry::Hidden || f.entry == Entry::Label)
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
