#pragma once

#include "storage/RecordLayout.h"

// A small record type of the tests' own: 11 + 6 + 3 + 31 = 51 bytes.
inline const RecordLayout& testLayout()
{
    static const RecordLayout layout{FieldSpec::text("Nome", 10), FieldSpec::text("Seq", 5),
                                     FieldSpec::flag("Pagata"), FieldSpec::text("Note", 30)};
    return layout;
}
