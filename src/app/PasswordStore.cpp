#include "PasswordStore.h"

#include "Crypt.h"
#include "platform/ExeFolder.h"
#include "platform/Failure.h"
#include "platform/ProfileFile.h"
#include "platform/Text.h"

#include <QFileInfo>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace PasswordStore {

QString filePath()
{
    return ExeFolder::file(u"unins000.dll"_s);
}

QString stored()
{
    const QFileInfo info(filePath());
    // isFile() is false for FIFOs, devices and folders (a link counts as what it leads to).
    if (!info.isFile() || info.size() > kMaxFileSize)
        return QString();
    return Text::trimmed(Crypt::decode(ProfileFile::read(filePath(), u"Accesso"_s, u"Valore"_s)));
}

void store(const QString& password)
{
    if (!storable(password))
        throw Failure(u"La password contiene caratteri che il file della password non può conservare."_s);
    ProfileFile::write(filePath(), u"Accesso"_s, u"Valore"_s, Crypt::encode(normalised(password)));
}

QString normalised(const QString& typed)
{
    return Text::trimmed(Text::capitals(typed));
}

bool storable(const QString& password)
{
    const QString kept = normalised(password);
    return kept.size() <= 255 && std::all_of(kept.cbegin(), kept.cend(), [](QChar c) { return c.unicode() <= 0xFF; });
}

} // namespace PasswordStore
