#pragma once

#include "TypedText.h"

#include <functional>

class QWidget;

// What a field that takes only some characters does with everything that brings text in:
// Enter moves the focus to the successor (if any); a typed character goes through the typing
// rule, and keys that type nothing (arrows, Home, End, Backspace, Delete, Tab, Escape, the
// Ctrl shortcuts) work as in any field; the paste keys and the field's menu paste the
// clipboard's text through the rule, whole; any other change (a middle-button paste, a drop,
// an undo) has what it inserted put through the rule. beforeKey, when given, runs on every key
// pressed but Tab, before the key is handled.
namespace TypingFilter {

void install(QWidget* field, QWidget* successor, const TypedText::Rule& rule, QWidget* cents = nullptr,
             std::function<void(int key)> beforeKey = {});

} // namespace TypingFilter
