#include "Attachments.h"

#include "platform/ExeFolder.h"
#include "platform/Failure.h"
#include "platform/SafeWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace Attachments {

QString folder()
{
    return ExeFolder::file(u"Documenti_Allegati/"_s);
}

QString safeName(const QString& name)
{
    QString base = name.trimmed();
    base.replace(u'\\', u'/');
    base = base.section(u'/', -1);
    if (base == u"."_s || base == u".."_s)
        return {};
    return base;
}

QString pathOf(const QString& name)
{
    const QString base = safeName(name);
    return base.isEmpty() ? QString() : folder() + base;
}

bool existsInFolder(const QString& name)
{
    const QString path = pathOf(name);
    return !path.isEmpty() && QFileInfo::exists(path);
}

void copyIn(const QString& source)
{
    const QString destination = pathOf(QFileInfo(source).fileName());
    if (destination.isEmpty())
        throw Failure(u"Nome di file non valido: "_s + source);
    if (!QDir().mkpath(folder()))
        throw Failure(u"Impossibile creare la cartella "_s + folder());
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly))
        throw Failure(u"Impossibile leggere il file "_s + source);
    QSaveFile output(destination);
    if (!output.open(QIODevice::WriteOnly))
        throw Failure(u"Impossibile scrivere il file "_s + destination);
    while (!input.atEnd()) {
        const QByteArray chunk = input.read(1 << 20);
        if (chunk.isEmpty() && input.error() != QFile::NoError) {
            output.cancelWriting();
            throw Failure(u"Impossibile leggere il file "_s + source);
        }
        if (!SafeWrite::writeAll(output, chunk)) {
            output.cancelWriting();
            throw Failure(u"Impossibile scrivere il file "_s + destination);
        }
    }
    if (!output.flush() || !output.commit())
        throw Failure(u"Impossibile scrivere il file "_s + destination);
}

} // namespace Attachments
