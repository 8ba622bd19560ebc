#pragma once

#include <QString>

// Documents attached to property cards: files copied into Documenti_Allegati beside the
// executable, named by their file name only. A name can never lead outside that folder.
namespace Attachments {

QString folder();                      // with its trailing separator
QString safeName(const QString& name); // the base name; empty for ".", ".." or nothing
QString pathOf(const QString& name);   // folder + safe name; empty when the name is not safe
bool existsInFolder(const QString& name);

// Copies a file into the folder under its own base name, creating the folder when missing.
// The copy replaces an existing file only once it is complete, so a failed copy loses
// nothing. Throws Failure when the copy cannot be made.
void copyIn(const QString& source);

} // namespace Attachments
