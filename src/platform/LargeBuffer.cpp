#include "LargeBuffer.h"

#include <sys/mman.h>

namespace LargeBuffer {

void reserve(QByteArray& buffer, qsizetype size)
{
    constexpr quintptr kLargePage = quintptr(2) << 20;
    if (size < qsizetype(kLargePage)) {
        buffer.reserve(size);
        return;
    }
    // One large page more, so the room holds whole aligned large pages; only what is written
    // ever takes memory.
    buffer.reserve(size + qsizetype(kLargePage));
    const quintptr start = quintptr(buffer.constData());
    const quintptr first = (start + kLargePage - 1) & ~(kLargePage - 1);
    const quintptr end = (start + quintptr(buffer.capacity())) & ~(kLargePage - 1);
    // Only advice: where large pages are off, small ones serve as before.
    if (end > first)
        ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
}

} // namespace LargeBuffer
