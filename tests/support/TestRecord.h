#pragma once

#include "storage/RecordLayout.h"

// A small record type of the tests' own: 11 + 6 + 3 + 31 = 51 bytes.
inline const RecordLayout& testLayout()
{
    static const RecordLayout layout{RecordField::text("Nome", 10), RecordField::text("Seq", 5),
                                     RecordField::flag("Pagata"), RecordField::text("Note", 30)};
    return layout;
}
