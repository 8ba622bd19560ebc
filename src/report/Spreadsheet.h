#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QIODevice;

// The spreadsheet file of the three exports: an HTML table in the dialect spreadsheet
// programs open as a worksheet, in Windows-1252, with no line break anywhere. Cell texts are
// written as character references where they hold &, <, > or ", so every cell shows exactly
// its text. Every cell of a column that is not a number is marked as text (class "t", whose
// rule mso-number-format:"\@" sits in a <style> in the head: Calc ignores inline styles), so a
// text starting with "=" never becomes a formula and a leading zero is never lost; the amounts
// of a number column are left for the spreadsheet to read as numbers, with a two-decimal
// number format (shown 650,00, worth 650).
namespace Spreadsheet {

struct Column {
    QString header;
    int width = 0;
    bool rightAligned = false;
    bool number = false; // an amount: read by the spreadsheet as a number
};

// A column as an export screen shows it: its grid header, what the file gets, and whether
// the user may edit its cells before exporting.
struct GridColumn {
    QString gridHeader;
    Column exported;
    bool editable = false;
};

// Writes the file to a device a row at a time, in chunks, so its size never sits in memory:
// the head at construction, each row as it comes, the end at finish(). row(), endRow() and
// finish() return false once the device refused a write.
class Writer {
public:
    Writer(QIODevice& device, const QString& worksheet, const QList<Column>& columns);
    bool row(const QStringList& cells);
    // A row given cell by cell in the file's code page (Windows-1252), as records store their
    // fields: each cell trimmed and escaped as row() does; missing cells are left empty.
    void beginRow();
    void encodedCell(QByteArrayView bytes);
    bool endRow();
    bool finish();

private:
    bool flush();

    QIODevice& m_device;
    QList<QByteArray> m_cellStarts;   // each column's opening tag
    QList<QByteArray> m_amountStarts; // a number column's opening tag for an amount
    qsizetype m_cell = 0;           // cells given in the current row
    QByteArray m_encoded;           // row()'s cell in the code page
    QByteArray m_bytes;             // encoded, not yet written
    bool m_ok = true;
};

QByteArray build(const QString& worksheet, const QList<Column>& columns, const QList<QStringList>& rows);

// Replaces the file only once all of it is written; throws Failure otherwise, leaving the
// previous file as it was.
void write(const QString& path, const QString& worksheet, const QList<Column>& columns,
           const QList<QStringList>& rows);
// The same with the rows handed to the writer one by one as they are made; a failure thrown
// by `rows` leaves the previous file as it was too.
void write(const QString& path, const QString& worksheet, const QList<Column>& columns,
           const std::function<void(Writer& writer)>& rows);

} // namespace Spreadsheet
