#include "TypingFilter.h"

#include "FieldControls.h"

#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <memory>

namespace {

using FieldControls::isEnter;
using FieldControls::lineEditOf;

// A key that types a character; every other key (arrows, Home, End, Backspace, Delete, Tab,
// Escape, shortcuts with Ctrl, Alt or Meta) edits or moves as in any field.
bool typesText(const QKeyEvent* key)
{
    const QString text = key->text();
    return !text.isEmpty() && text.front().isPrint() &&
           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

void moveToCents(QWidget* cents, const QString& text)
{
    cents->setFocus(Qt::OtherFocusReason);
    if (QLineEdit* edit = lineEditOf(cents)) {
        edit->selectAll(); // what follows the separator replaces the cents
        if (!text.isEmpty())
            edit->insert(text);
    }
}

// The clipboard's text through the typing rule, whole: the field's maximum length cuts only
// what the rule keeps, never the text first.
void pasteFiltered(QLineEdit* edit, const TypedText::Rule& rule, QWidget* cents)
{
    if (edit->isReadOnly())
        return;
    const TypedText::Typed typed = TypedText::filter(QGuiApplication::clipboard()->text(), rule);
    edit->insert(typed.here);
    if (typed.movesOn && cents)
        moveToCents(cents, typed.next);
}

// The field's own menu. While it is open the field takes a paste whole, so the typing rule sees
// all of it before the field's maximum length cuts what the rule keeps.
void showMenu(QLineEdit* edit, const QPoint& at)
{
    const std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    const QPointer<QLineEdit> field(edit);
    const int maxLength = edit->maxLength();
    edit->setMaxLength(32767);
    menu->exec(at);
    if (field)
        field->setMaxLength(maxLength);
}

// The typing rule of the filtered fields, on the events that bring text: keys (Enter moves the
// focus to the successor, if any; a typed character goes through the rule), the paste keys and
// the field's menu. True when the event is swallowed.
bool filterTyping(QWidget* field, QEvent* event, QWidget* successor, const TypedText::Rule& rule,
                  QWidget* cents)
{
    QLineEdit* edit = lineEditOf(field);
    if (event->type() == QEvent::ContextMenu && edit) {
        showMenu(edit, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (isEnter(key)) {
        if (successor)
            successor->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (key->matches(QKeySequence::Paste) && edit) {
        pasteFiltered(edit, rule, cents);
        return true;
    }
    if (!typesText(key))
        return false;
    const TypedText::Typed typed = TypedText::filter(key->text(), rule);
    if (typed.movesOn && cents) {
        moveToCents(cents, typed.next);
        return true;
    }
    if (typed.here == key->text())
        return false;
    if (edit && !typed.here.isEmpty())
        edit->insert(typed.here); // the keypad's decimal dot as the comma
    return true;
}

// Every other change made in the field (a paste by the middle button, a drop, an undo) goes
// through the typing rule too: what it inserted is filtered as if typed.
class InsertionFilter final : public QObject {
public:
    InsertionFilter(QLineEdit* edit, TypedText::Rule rule, QWidget* cents)
        : QObject(edit), m_edit(edit), m_rule(std::move(rule)), m_cents(cents), m_before(edit->text())
    {
        connect(edit, &QLineEdit::textEdited, this, &InsertionFilter::filter);
        // The text as it stands, not the signal's: a filtered edit has already replaced it.
        connect(edit, &QLineEdit::textChanged, this, [this] { m_before = m_edit->text(); });
    }

private:
    void filter(const QString& now)
    {
        if (m_busy)
            return;
        qsizetype prefix = 0;
        while (prefix < now.size() && prefix < m_before.size() && now[prefix] == m_before[prefix])
            ++prefix;
        qsizetype suffix = 0;
        while (suffix < now.size() - prefix && suffix < m_before.size() - prefix &&
               now[now.size() - 1 - suffix] == m_before[m_before.size() - 1 - suffix])
            ++suffix;
        const QString inserted = now.mid(prefix, now.size() - prefix - suffix);
        const TypedText::Typed typed = TypedText::filter(inserted, m_rule);
        if (typed.here != inserted || typed.movesOn) {
            m_busy = true;
            m_edit->setText(now.left(prefix) + typed.here + now.right(suffix));
            m_edit->setCursorPosition(int(prefix + typed.here.size()));
            m_busy = false;
            if (typed.movesOn && m_cents)
                moveToCents(m_cents, typed.next);
        }
    }

    QLineEdit* m_edit;
    TypedText::Rule m_rule;
    QWidget* m_cents;
    QString m_before;
    bool m_busy = false;
};

// The keys, the paste keys and the menu of one field.
class KeyFilter final : public QObject {
public:
    KeyFilter(QWidget* field, QWidget* successor, TypedText::Rule rule, QWidget* cents,
              std::function<void(int)> beforeKey)
        : QObject(field), m_field(field), m_successor(successor), m_rule(std::move(rule)), m_cents(cents),
          m_beforeKey(std::move(beforeKey))
    {
        field->installEventFilter(this);
        if (QLineEdit* edit = lineEditOf(field); edit && edit != field)
            edit->installEventFilter(this); // a drop-down's keys arrive at its edit box
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && m_beforeKey) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
                return false; // moving on with Tab is the window's, not a key typed into the field
            m_beforeKey(key);
        }
        return filterTyping(m_field, event, m_successor, m_rule, m_cents);
    }

private:
    QWidget* m_field;
    QWidget* m_successor;
    TypedText::Rule m_rule;
    QWidget* m_cents;
    std::function<void(int)> m_beforeKey;
};

} // namespace

namespace TypingFilter {

void install(QWidget* field, QWidget* successor, const TypedText::Rule& rule, QWidget* cents,
             std::function<void(int key)> beforeKey)
{
    new KeyFilter(field, successor, rule, cents, std::move(beforeKey));
    if (QLineEdit* edit = lineEditOf(field))
        new InsertionFilter(edit, rule, cents);
}

} // namespace TypingFilter
