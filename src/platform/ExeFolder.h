#pragma once

#include <QString>

// The folder of the running executable, with its trailing separator: every archive and
// settings file lives there. Tests point it at a temporary folder.
namespace ExeFolder {

QString path();
QString file(const QString& name); // path() followed by name

void setForTests(const QString& folder); // an empty folder restores the real one

} // namespace ExeFolder
