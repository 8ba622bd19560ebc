#pragma once

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

// What the field mechanisms ask of a field's widget and of a key, in one place.
namespace FieldControls {

// The line a field is typed in: the field itself, or an editable combo box's line.
inline QLineEdit* lineEditOf(QWidget* field)
{
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        return edit;
    if (auto* combo = qobject_cast<QComboBox*>(field))
        return combo->lineEdit();
    return nullptr;
}

// Either Enter key: the main keyboard's Return or the keypad's Enter.
inline bool isEnter(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace FieldControls
