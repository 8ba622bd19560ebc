#pragma once

#include <QString>

class Shooter;
class QWidget;

// The pictures the manual shows, one function per part of the program. Each opens its screens
// the way a person does (the same buttons, the same data) and photographs them.
namespace Shots {
void start(Shooter& shooter);    // password, change of password, main menu, help, information
void immobili(Shooter& shooter); // property card, attachments, search, export, checks, print
void ricevute(Shooter& shooter); // receipts menu, receipt screen, settings, print, lists, charts
void f24(Shooter& shooter);      // F24 ELIDE form, tax codes, print, search, export
void scadenze(Shooter& shooter); // the deadlines, a registration tax and its prepared F24 form

// The dialog that the control `button` of `screen` opens, photographed and closed.
void dialog(Shooter& shooter, QWidget* screen, const char* button, const QString& variant = {});
// The preview that "Anteprima" of `screen` opens through its small dialog: both photographed,
// the preview as frmAnteprima-<variant>.
void preview(Shooter& shooter, QWidget* screen, const QString& variant);
// A search screen opened by `open` (a button of the screen behind it): its criteria with one
// criterion typed, then its results, photographed as <name>-criteri and <name>-risultati.
void search(Shooter& shooter, QWidget* screen, const char* button, const char* criterion,
            const QString& text);
} // namespace Shots
