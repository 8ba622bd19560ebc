#pragma once

#include <QString>
#include <QWidget>
#include <functional>

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

// Only 0 to 9 are typed; Backspace, Delete, Left and Right pass; Enter moves the focus to
// the successor (if any). Every other key is swallowed.
void digitsOnly(QWidget* field, QWidget* successor = nullptr);

// An amount field. On every key pressed (Tab moves on as everywhere), before anything else, beforeKey runs
// with the key (a total on screen is no longer valid). Enter moves the focus to the successor; Backspace,
// Delete, Left and Right pass; any other key passes only if `accepts` takes its character. On leaving the
// field (not when the window loses the focus) `tidy` rewrites it.
struct AmountRule {
    std::function<bool(QChar)> accepts;
    std::function<QString(const QString&)> tidy;
};
void amountField(QWidget* field, QWidget* successor, const AmountRule& rule,
                 const std::function<void(int key)>& beforeKey = {});

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
