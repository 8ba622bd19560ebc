#pragma once

#include <QLabel>
#include <functional>

// A link shown as dark-blue text beside its icon. Pressing the mouse on either turns the
// text orange; releasing it over the control turns it dark blue again and follows the
// link. Released elsewhere, the text stays orange until the next press and release over it.
namespace LinkBehaviour {
inline const QColor linkColour(0x00, 0x00, 0x8B);    // dark blue
inline const QColor pressedColour(0xFF, 0x8C, 0x00); // orange

void attach(QLabel* text, QWidget* icon, std::function<void()> follow);
QColor colourOf(const QLabel* text);
} // namespace LinkBehaviour
