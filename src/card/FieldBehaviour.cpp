#include "FieldBehaviour.h"

#include "platform/Text.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <functional>

namespace {

const char* const kHighlighted = "highlighted";
const QColor kHighlightColour(0xFF, 0xF3, 0x80);

QLineEdit* lineEditOf(QWidget* field)
{
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        return edit;
    if (auto* combo = qobject_cast<QComboBox*>(field))
        return combo->lineEdit();
    return nullptr;
}

bool isEnter(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// An event filter running one function for the events it is interested in; the function
// returns true to swallow the event.
class Filter final : public QObject {
public:
    using Handler = std::function<bool(QEvent*)>;
    Filter(QWidget* field, Handler handler) : QObject(field), m_handler(std::move(handler))
    {
        field->installEventFilter(this);
        if (QLineEdit* edit = lineEditOf(field); edit && edit != field)
            edit->installEventFilter(this); // a drop-down's keys arrive at its edit box
    }
    bool eventFilter(QObject*, QEvent* event) override { return m_handler(event); }

private:
    Handler m_handler;
};

void setHighlighted(QWidget* field, bool on)
{
    field->setProperty(kHighlighted, on);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base,
                     on ? kHighlightColour : field->style()->standardPalette().color(QPalette::Base));
    field->setPalette(palette);
}

void rewrite(QWidget* field, const std::function<QString(const QString&)>& change)
{
    const QString before = FieldBehaviour::textOf(field);
    const QString after = change(before);
    if (after != before)
        FieldBehaviour::setTextOf(field, after); // the caret ends after the text
}

QString capitalsTrimmed(const QString& text)
{
    return Text::trimmed(Text::capitals(text));
}

// The key rule of the filtered fields: Enter moves the focus to the successor (if any);
// Backspace, Delete, Left and Right pass; any other key passes only when its one character is
// accepted. True when the key is swallowed.
bool swallowsKey(const QKeyEvent* key, QWidget* successor, const std::function<bool(QChar)>& accepts)
{
    if (isEnter(key)) {
        if (successor)
            successor->setFocus(Qt::OtherFocusReason);
        return true;
    }
    switch (key->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
        return false;
    default:
        break;
    }
    const QString text = key->text();
    return !(text.size() == 1 && accepts && accepts(text.front()));
}

} // namespace

namespace FieldBehaviour {

QString textOf(const QWidget* field)
{
    if (auto* edit = qobject_cast<const QLineEdit*>(field))
        return edit->text();
    if (auto* combo = qobject_cast<const QComboBox*>(field))
        return combo->currentText();
    return {};
}

void setTextOf(QWidget* field, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->setText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(field))
        combo->setEditText(text);
}

void highlight(QWidget* field, bool trimOnExit)
{
    setHighlighted(field, false);
    new Filter(field, [field, trimOnExit](QEvent* event) {
        if (event->type() == QEvent::FocusIn) {
            setHighlighted(field, true);
        } else if (event->type() == QEvent::FocusOut && field->property(kHighlighted).toBool()) {
            setHighlighted(field, false);
            if (trimOnExit)
                rewrite(field, Text::trimmed);
        }
        return false;
    });
}

bool isHighlighted(const QWidget* field)
{
    return field->property(kHighlighted).toBool();
}

void enterMovesTo(QWidget* field, QWidget* successor)
{
    new Filter(field, [successor](QEvent* event) {
        if (event->type() != QEvent::KeyPress || !isEnter(static_cast<QKeyEvent*>(event)))
            return false;
        successor->setFocus(Qt::OtherFocusReason);
        return true;
    });
}

void enterPresses(QWidget* field, QAbstractButton* button)
{
    new Filter(field, [button](QEvent* event) {
        if (event->type() != QEvent::KeyPress || !isEnter(static_cast<QKeyEvent*>(event)))
            return false;
        if (button->isEnabled())
            button->click();
        return true;
    });
}

void digitsOnly(QWidget* field, QWidget* successor)
{
    new Filter(field, [successor](QEvent* event) {
        if (event->type() != QEvent::KeyPress)
            return false;
        return swallowsKey(static_cast<QKeyEvent*>(event), successor,
                           [](QChar c) { return c >= u'0' && c <= u'9'; });
    });
}

void amountField(QWidget* field, QWidget* successor, const AmountRule& rule,
                 const std::function<void(int key)>& beforeKey)
{
    new Filter(field, [field, successor, rule, beforeKey](QEvent* event) {
        if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && rule.tidy)
                rewrite(field, rule.tidy);
            return false;
        }
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            return false; // moving on with Tab is the window's, not a key typed into the field
        if (beforeKey)
            beforeKey(key->key());
        return swallowsKey(key, successor, rule.accepts);
    });
}

void capitalsOnKeyRelease(QWidget* field)
{
    new Filter(field, [field](QEvent* event) {
        if (event->type() == QEvent::KeyRelease)
            rewrite(field, capitalsTrimmed);
        return false;
    });
}

void trimOnKeyRelease(QWidget* field)
{
    new Filter(field, [field](QEvent* event) {
        if (event->type() == QEvent::KeyRelease)
            rewrite(field, Text::trimmed);
        return false;
    });
}

void capitalsWhileTyping(QWidget* field)
{
    if (QLineEdit* edit = lineEditOf(field))
        QObject::connect(edit, &QLineEdit::textEdited, field, [field] { rewrite(field, capitalsTrimmed); });
}

void noListSelectionOnFocus(QComboBox* field)
{
    new Filter(field, [field](QEvent* event) {
        if (event->type() == QEvent::FocusIn) {
            const QString text = field->currentText();
            field->setCurrentIndex(-1);
            field->setEditText(text);
        }
        return false;
    });
}

void hint(QWidget* control, QLabel* infoBar, const QString& text)
{
    control->setMouseTracking(true);
    new Filter(control, [infoBar, text](QEvent* event) {
        if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)
            infoBar->setText(text);
        return false;
    });
}

void noHint(QWidget* area, QLabel* infoBar)
{
    area->setMouseTracking(true);
    new Filter(area, [area, infoBar](QEvent* event) {
        // Only the area itself: a child with a hint keeps its own text.
        if (event->type() == QEvent::MouseMove &&
            area->childAt(static_cast<QMouseEvent*>(event)->position().toPoint()) == nullptr)
            infoBar->clear();
        return false;
    });
}

} // namespace FieldBehaviour
