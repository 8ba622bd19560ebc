#include "SafeWrite.h"

#include "Failure.h"

#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {
bool& writesFail()
{
    static bool fail = false;
    return fail;
}
} // namespace

namespace SafeWrite {

namespace {
[[noreturn]] void cannotWrite(const QString& path)
{
    throw Failure(
        u"Impossibile scrivere il file "_s + path +
        u". Verificare che la cartella sia accessibile, che il disco non sia pieno e che il file non sia "
        u"aperto in un altro programma."_s);
}
} // namespace

bool writeAll(QIODevice& device, const QByteArray& content)
{
    if (writesFail())
        return false;
    return device.write(content) == content.size();
}

void failWritesForTests(bool fail)
{
    writesFail() = fail;
}

void replaceFile(const QString& path, const QByteArray& content)
{
    replaceFile(path, [&](QIODevice& file) { return writeAll(file, content); });
}

void replaceFile(const QString& path, const std::function<bool(QIODevice& file)>& writeContent)
{
    QSaveFile file(path);
    // A full disk can make commit() succeed over a truncated file: check every write and the
    // flush first, and cancel otherwise.
    if (!file.open(QIODevice::WriteOnly) || !writeContent(file) || !file.flush()) {
        file.cancelWriting();
        cannotWrite(path);
    }
    if (!file.commit())
        cannotWrite(path);
}

} // namespace SafeWrite
