#pragma once

#include "storage/RecordLayout.h"

#include <QByteArray>

// A small record type of the tests' own: 11 + 6 + 3 + 31 = 51 bytes.
inline const RecordLayout& testLayout()
{
    static const RecordLayout layout{RecordField::text("Nome", 10), RecordField::text("Seq", 5),
                                     RecordField::flag("Pagata"), RecordField::text("Note", 30)};
    return layout;
}

// A record built by hand at the layout's offsets: Nome at 0, Seq at 11, Pagata at 17, Note at 20.
inline QByteArray handRecord(const QByteArray& nome, const QByteArray& seq, const QByteArray& flag,
                      const QByteArray& note)
{
    QByteArray bytes(51, 'x'); // bytes after each text are not significant
    auto put = [&](int offset, const QByteArray& field) { bytes.replace(offset, field.size(), field); };
    put(0, nome);
    put(11, seq);
    put(17, flag);
    put(20, note);
    return bytes;
}
