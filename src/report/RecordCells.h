#pragma once

#include "Spreadsheet.h"
#include "storage/RecordLayout.h"

#include <initializer_list>
#include <variant>

// The cells of an export row, made from a record. Each cell joins its parts, fields (trimmed)
// and fixed texts between them, and the whole cell is trimmed again, so a missing field leaves
// no stray blank. The same cells are given as texts for the grid, or written to the file
// straight from the stored bytes: the archive and the file share the code page, so nothing is
// decoded to be encoded again.
class RecordCells {
public:
    struct Text {
        QString text;
    };
    // A field of the layout by its name, or a fixed text.
    using Part = std::variant<const char*, Text>;

    RecordCells(const RecordLayout& layout, std::initializer_list<std::initializer_list<Part>> cells);

    qsizetype size() const { return m_cells.size(); }
    QStringList values(const Record& record) const;
    bool writeRow(Spreadsheet::Writer& writer, const Record& record) const;

private:
    struct Piece {
        int field = -1; // or a fixed text
        QString text;
        QByteArray encoded;
    };
    QList<QList<Piece>> m_cells;
};
