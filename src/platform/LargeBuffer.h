#pragma once

#include <QByteArray>

namespace LargeBuffer {

// Reserves room for `size` bytes in `buffer` and, when that is megabytes, asks the system to
// back it with large pages: a buffer filled once from start to end (the sort keys of a long
// list) then takes a few page faults instead of one per 4 KiB, which cost more than the filling.
void reserve(QByteArray& buffer, qsizetype size);

} // namespace LargeBuffer
