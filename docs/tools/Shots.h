#pragma once

class Shooter;

// The pictures the manual shows, one function per part of the program. Each opens its screens
// the way a person does (the same buttons, the same data) and photographs them.
namespace Shots {
void start(Shooter& shooter);     // password, change of password, main menu, help, information
void immobili(Shooter& shooter);  // property card, attachments, search, export, checks, print
void ricevute(Shooter& shooter);  // receipts menu, receipt screen, settings, print, lists, charts
void f24(Shooter& shooter);       // F24 ELIDE form, tax codes, print, search, export
void scadenze(Shooter& shooter);  // the deadlines, a registration tax and its prepared F24 form
} // namespace Shots
