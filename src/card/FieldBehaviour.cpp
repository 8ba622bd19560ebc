#include "FieldBehaviour.h"

#include "FieldControls.h"
#include "TypingFilter.h"
#include "platform/Text.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

using FieldControls::isEnter;
using FieldControls::lineEditOf;

const char* const kHighlighted = "highlighted";
const QColor kHighlightColour(0xFF, 0xF3, 0x80);

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
    if (after == before)
        return;
    // The caret stays where it was, less the blanks trimmed before it: typing in the middle
    // of a text goes on there.
    QLineEdit* edit = lineEditOf(field);
    const int caret = edit ? edit->cursorPosition() : int(before.size());
    int trimmedBefore = 0;
    while (trimmedBefore < caret && before.at(trimmedBefore) <= u' ')
        ++trimmedBefore;
    FieldBehaviour::setTextOf(field, after);
    if (edit)
        edit->setCursorPosition(std::min(caret - trimmedBefore, int(after.size())));
}

QString capitalsTrimmed(const QString& text)
{
    return Text::trimmed(Text::capitals(text));
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

const char* const kInvalidAmount = "invalidAmount";

// An amount field's rule, name and information bar, kept with the field for the checks.
class AmountFilter final : public QObject {
public:
    AmountFilter(QWidget* field, const FieldBehaviour::AmountRule& rule, const QString& name, QLabel* infoBar)
        : QObject(field), rule(rule), name(name), infoBar(infoBar)
    {
    }
    const FieldBehaviour::AmountRule rule;
    const QString name;
    QLabel* const infoBar;
};

AmountFilter* amountFilterOf(const QWidget* field)
{
    for (QObject* child : field->children()) {
        if (auto* amount = dynamic_cast<AmountFilter*>(child))
            return amount;
    }
    return nullptr;
}

int maxLengthOf(const QWidget* field)
{
    auto* edit = qobject_cast<const QLineEdit*>(field);
    return edit ? edit->maxLength() : 32767;
}

FieldBehaviour::AmountProblem problemOf(const QWidget* field, const FieldBehaviour::AmountRule& rule,
                                        QString* tidy = nullptr)
{
    using Problem = FieldBehaviour::AmountProblem;
    const QString text = FieldBehaviour::textOf(field);
    const std::optional<QString> tidied = rule.tidy ? rule.tidy(text) : std::optional<QString>(text);
    if (!tidied)
        return Problem::NotAnAmount;
    if (tidied->size() > maxLengthOf(field))
        return Problem::TooLarge; // stored it would lose its decimals or more
    if (tidy)
        *tidy = *tidied;
    return Problem::None;
}

// Whole digits a field holds in the tidy form (a comma and two decimals).
QString wholeDigits(const QWidget* field)
{
    return QString::number(std::max(1, maxLengthOf(field) - 3));
}

void setMarkedInvalid(QWidget* field, bool on)
{
    if (field->property(kInvalidAmount).toBool() == on)
        return;
    field->setProperty(kInvalidAmount, on);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Text,
                     on ? QColor(0xC0, 0x00, 0x00) : field->style()->standardPalette().color(QPalette::Text));
    field->setPalette(palette);
}

void markInvalid(QWidget* field, const AmountFilter& amount, FieldBehaviour::AmountProblem problem)
{
    setMarkedInvalid(field, true);
    if (amount.infoBar == nullptr)
        return;
    if (problem == FieldBehaviour::AmountProblem::TooLarge)
        amount.infoBar->setText(u"\""_s + amount.name + u"\": importo troppo grande, al massimo "_s +
                                wholeDigits(field) + u" cifre prima della virgola."_s);
    else
        amount.infoBar->setText(u"\""_s + amount.name +
                                u"\": importo non valido. Scrivere solo le cifre e la virgola dei decimali, "
                                u"ad esempio 650,50."_s);
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

void digitsOnly(QWidget* field, QWidget* successor, QWidget* cents)
{
    TypingFilter::install(field, successor, {isDigit, cents != nullptr}, cents);
}

void amountField(QWidget* field, QWidget* successor, const AmountRule& rule, const QString& name,
                 QLabel* infoBar, const std::function<void(int key)>& beforeKey)
{
    auto* amount = new AmountFilter(field, rule, name, infoBar);
    new Filter(field, [field](QEvent* event) {
        if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                checkAmount(field);
        }
        return false;
    });
    TypingFilter::install(field, successor, {rule.accepts}, nullptr, beforeKey);
    // The red mark goes as soon as the text is an amount again (typed, loaded or cleared).
    if (QLineEdit* edit = lineEditOf(field))
        QObject::connect(edit, &QLineEdit::textChanged, amount, [field, amount] {
            if (isMarkedInvalid(field) && problemOf(field, amount->rule) == AmountProblem::None)
                setMarkedInvalid(field, false);
        });
}

AmountProblem checkAmount(QWidget* field)
{
    const AmountFilter* amount = amountFilterOf(field);
    if (amount == nullptr)
        return AmountProblem::None;
    QString tidy;
    const AmountProblem problem = problemOf(field, amount->rule, &tidy);
    if (problem != AmountProblem::None) {
        markInvalid(field, *amount, problem);
        return problem;
    }
    rewrite(field, [&tidy](const QString&) { return tidy; });
    setMarkedInvalid(field, false);
    return AmountProblem::None;
}

bool isMarkedInvalid(const QWidget* field)
{
    return field->property(kInvalidAmount).toBool();
}

QString amountWarning(const QWidget* field)
{
    const AmountFilter* amount = amountFilterOf(field);
    const QString name = amount ? amount->name : field->objectName();
    if (amount && problemOf(field, amount->rule) == AmountProblem::TooLarge)
        return u"Attenzione: l'importo indicato nel campo \""_s + name +
               u"\" è troppo grande: l'archivio ne conserva al massimo "_s + wholeDigits(field) +
               u" cifre prima della virgola.\n\r\n\rCorreggere l'importo e ripetere l'operazione."_s;
    return u"Attenzione: il campo \""_s + name + u"\" non contiene un importo valido (\""_s + textOf(field) +
           u"\").\n\r\n\rScrivere l'importo con le sole cifre e la virgola dei decimali, ad esempio 650,50, "
           u"e ripetere l'operazione."_s;
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
