#pragma once

#include <QSize>
#include <QString>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

// The plain controls the dialog screens build by hand, made one way everywhere.
namespace Controls {

// A push button with its objectName (the handle tests and handlers use) and a least size.
QPushButton* button(const QString& text, const QString& objectName, QWidget* parent, QSize minimum);

// A line of instructions that wraps to the width it is given.
QLabel* instruction(const QString& text, QWidget* parent);

// The heading picture of the print, preview and PDF dialogs: a title and what the button does.
QWidget* titlePicture(const QString& title, const QString& instructions, QWidget* parent);

// The foot of a dialog: `left` (Annulla) at the left edge, `right` (its action) at the right.
QHBoxLayout* buttonRow(QPushButton* left, QPushButton* right);

} // namespace Controls
