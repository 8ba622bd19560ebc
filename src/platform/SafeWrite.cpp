#include "SafeWrite.h"

#include "Failure.h"

#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace SafeWrite {

bool writeAll(QIODevice& device, const QByteArray& content)
{
    return device.write(content) == content.size();
}

void replaceFile(const QString& path, const QByteArray& content)
{
    QSaveFile file(path);
    // A full disk can make commit() succeed over a truncated file: check every write and the
    // flush first, and cancel otherwise.
    if (!file.open(QIODevice::WriteOnly) || !writeAll(file, content) || !file.flush()) {
        file.cancelWriting();
        throw Failure(u"Impossibile scrivere il file "_s + path);
    }
    if (!file.commit())
        throw Failure(u"Impossibile scrivere il file "_s + path);
}

} // namespace SafeWrite
