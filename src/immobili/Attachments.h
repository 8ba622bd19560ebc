#pragma once

#include <QString>

// Documents attached to property cards: files copied into Documenti_Allegati beside the
// executable, named by their file name only. A name can never lead outside that folder.
namespace Attachments {

QString folder();                      // with its trailing separator
QString safeName(const QString& name); // the base name; empty for ".", ".." or nothing
QString pathOf(const QString& name);   // folder + safe name; empty when the name is not safe
bool existsInFolder(const QString& name);
// Whether a card can record the name so that "Apri" finds the file again: Windows-1252
// characters only, no control characters, and no longer than the card's field.
bool storableName(const QString& name);


// Copies a file into the folder under its own base name, creating the folder when missing.
// The copy replaces an existing file only once it is complete, so a failed copy loses
// nothing. A link of the same name in the folder is replaced by the copy, never followed out of
// the folder. Throws Failure when the copy cannot be made or the source is not a regular file
// (a FIFO or a device would block the program or never end) or its name is not storable.
void copyIn(const QString& source);

} // namespace Attachments
