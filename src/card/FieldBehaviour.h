#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

class QAbstractButton;
class QComboBox;
class QLabel;

// The small behaviours every data-entry screen gives its fields, applied by list. Each one
// is an event filter owned by the field it serves.
namespace FieldBehaviour {

// The focused field is marked yellow; the mark goes when the focus leaves. With trimOnExit
// the text is also trimmed on leaving.
void highlight(QWidget* field, bool trimOnExit = false);
bool isHighlighted(const QWidget* field);

// Enter moves the focus to the successor; every other key passes.
void enterMovesTo(QWidget* field, QWidget* successor);

// Enter presses the button when it is enabled, and does nothing else; every other key passes.
void enterPresses(QWidget* field, QAbstractButton* button);

// Only 0 to 9 are typed; Enter moves the focus to the successor (if any). With `cents` (the
// whole part of an amount whose cents have a field of their own), "." or "," moves on to the
// cents field. Keys that type nothing (arrows, Home, End, Backspace, Delete, Tab, Escape, the
// Ctrl shortcuts) work as in any field, and a paste goes through the same rule as typing.
void digitsOnly(QWidget* field, QWidget* successor = nullptr, QWidget* cents = nullptr);

// An amount field. On every key pressed (Tab moves on as everywhere), before anything else,
// beforeKey runs with the key (a total on screen is no longer valid). Enter moves the focus to
// the successor; a typed or pasted character stays only if `accepts` takes it, and a dot (the
// numeric keypad's decimal key) is the comma; keys that type nothing work as in any field. On
// leaving the field (not when the window loses the focus) an amount is rewritten in its tidy
// form; a text that is not an amount, or whose tidy form the field cannot hold, stays as typed,
// in red, and the information bar says why.
struct AmountRule {
    std::function<bool(QChar)> accepts;
    std::function<std::optional<QString>(const QString&)> tidy; // nothing: not an amount
};
void amountField(QWidget* field, QWidget* successor, const AmountRule& rule, const QString& name,
                 QLabel* infoBar, const std::function<void(int key)>& beforeKey = {});

// Why an amount field's text cannot be stored; checking marks the field as leaving it does.
enum class AmountProblem { None, NotAnAmount, TooLarge };
AmountProblem checkAmount(QWidget* field);
bool isMarkedInvalid(const QWidget* field);
// The warning that refuses to save or print the field's text, naming the field.
QString amountWarning(const QWidget* field);

// Rewrites of the whole text: after each key release, or after each change made by typing.
void capitalsOnKeyRelease(QWidget* field);
void capitalsWhileTyping(QWidget* field);
void trimOnKeyRelease(QWidget* field);

// Focusing the drop-down leaves its list with no item selected; its text stays.
void noListSelectionOnFocus(QComboBox* field);

// The information bar shows the hint of what is under the mouse, or nothing.
void hint(QWidget* control, QLabel* infoBar, const QString& text);
void noHint(QWidget* area, QLabel* infoBar);

// The text of an edit box or editable drop-down.
QString textOf(const QWidget* field);
void setTextOf(QWidget* field, const QString& text);

} // namespace FieldBehaviour
