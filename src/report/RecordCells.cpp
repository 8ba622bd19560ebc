#include "RecordCells.h"

#include "platform/Cp1252.h"
#include "platform/Text.h"
#include "storage/ListSearch.h"

#include <QVarLengthArray>
#include <cstring>

RecordCells::RecordCells(const RecordLayout& layout, std::initializer_list<std::initializer_list<Part>> cells)
{
    for (const auto& parts : cells) {
        QList<Piece> pieces;
        for (const Part& part : parts) {
            if (const auto* name = std::get_if<const char*>(&part)) {
                pieces.append({layout.indexOf(QString::fromLatin1(*name)), {}, {}});
            } else {
                const QString& text = std::get<Text>(part).text;
                pieces.append({-1, text, Cp1252::encode(text)});
            }
        }
        m_cells.append(pieces);
    }
}

QStringList RecordCells::values(const Record& record) const
{
    QStringList out;
    out.reserve(m_cells.size());
    for (const QList<Piece>& pieces : m_cells) {
        QString cell;
        for (const Piece& piece : pieces) {
            if (piece.field >= 0)
                ListSearch::appendField(cell, record, piece.field);
            else
                cell += piece.text;
        }
        const bool blankEnds =
            !cell.isEmpty() && (cell.front().unicode() <= 0x20 || cell.back().unicode() <= 0x20);
        out.append(blankEnds ? ::Text::trimmed(cell) : cell);
    }
    return out;
}

bool RecordCells::writeRow(Spreadsheet::Writer& writer, const Record& record) const
{
    // The writer trims each cell as a whole; each field is trimmed here, as values() does.
    writer.beginRow();
    QByteArray cell;
    for (const QList<Piece>& pieces : m_cells) {
        if (pieces.size() == 1 && pieces.front().field >= 0) {
            writer.encodedCell(record.rawAt(pieces.front().field));
            continue;
        }
        // The parts copied into the cell at once: appending them one by one cost a tenth of an export.
        QVarLengthArray<QByteArrayView, 8> parts;
        qsizetype size = 0;
        for (const Piece& piece : pieces) {
            parts.append(piece.field >= 0 ? Cp1252::trimmed(record.rawAt(piece.field))
                                          : QByteArrayView(piece.encoded));
            size += parts.back().size();
        }
        cell.resize(size);
        char* out = cell.data();
        for (const QByteArrayView part : parts) {
            if (!part.isEmpty())
                std::memcpy(out, part.data(), size_t(part.size()));
            out += part.size();
        }
        writer.encodedCell(cell);
    }
    return writer.endRow();
}
