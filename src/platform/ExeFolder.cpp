#include "ExeFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString& overrideFolder()
{
    static QString folder;
    return folder;
}

QString withSeparator(const QString& folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}
} // namespace

namespace ExeFolder {

QString path()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    return withSeparator(QCoreApplication::applicationDirPath());
}

QString file(const QString& name)
{
    return path() + name;
}

void setForTests(const QString& folder)
{
    overrideFolder() = folder.isEmpty() ? QString() : withSeparator(QDir::cleanPath(folder));
}

} // namespace ExeFolder
