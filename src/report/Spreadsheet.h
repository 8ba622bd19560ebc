#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The spreadsheet file of the three exports: an HTML table in the dialect spreadsheet
// programs open as a worksheet, in Windows-1252, with no line break anywhere. Cell texts are
// written as character references where they hold &, <, > or ", so every cell shows exactly
// its text.
namespace Spreadsheet {

struct Column {
    QString header;
    int width = 0;
    bool rightAligned = false;
};

// A column as an export screen shows it: its grid header, what the file gets, and whether
// the user may edit its cells before exporting.
struct GridColumn {
    QString gridHeader;
    Column exported;
    bool editable = false;
};

QByteArray build(const QString& worksheet, const QList<Column>& columns, const QList<QStringList>& rows);

// Replaces the file only once all of it is written; throws Failure otherwise, leaving the
// previous file as it was.
void write(const QString& path, const QString& worksheet, const QList<Column>& columns,
           const QList<QStringList>& rows);

} // namespace Spreadsheet
