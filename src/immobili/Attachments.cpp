#include "Attachments.h"

#include "platform/Cp1252.h"
#include "platform/ExeFolder.h"
#include "platform/Failure.h"
#include "platform/SafeWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

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

bool storableName(const QString& name)
{
    constexpr qsizetype kFieldCapacity = 250; // File01 to File03 of the property record
    if (name.size() > kFieldCapacity || Cp1252::decode(Cp1252::encode(name)) != name)
        return false;
    return std::none_of(name.cbegin(), name.cend(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

void copyIn(const QString& source)
{
    const QString destination = pathOf(QFileInfo(source).fileName());
    if (destination.isEmpty() || !storableName(QFileInfo(source).fileName()))
        throw Failure(u"Nome di file non valido: "_s + source);
    if (!QFileInfo(source).isFile())
        throw Failure(u"Non è un file ordinario: "_s + source);
    if (!QDir().mkpath(folder()))
        throw Failure(u"Impossibile creare la cartella "_s + folder());
    // The safe writer would write through a link to wherever it leads: the link itself goes.
    if (QFileInfo(destination).isSymLink() && !QFile::remove(destination))
        throw Failure(u"Impossibile sostituire il collegamento "_s + destination);
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly))
        throw Failure(u"Impossibile leggere il file "_s + source);
    // The one safe writer: the copy replaces an older one only once synced whole.
    SafeWrite::replaceFile(destination, [&](QIODevice& output) {
        while (!input.atEnd()) {
            const QByteArray chunk = input.read(1 << 20);
            if (chunk.isEmpty() && input.error() != QFile::NoError)
                throw Failure(u"Impossibile leggere il file "_s + source);
            if (!SafeWrite::writeAll(output, chunk))
                return false;
        }
        return true;
    });
}

} // namespace Attachments
