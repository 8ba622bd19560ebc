#include "PasswordStore.h"

#include "Crypt.h"
#include "platform/ExeFolder.h"
#include "platform/ProfileFile.h"
#include "platform/Text.h"

using namespace Qt::StringLiterals;

namespace PasswordStore {

QString filePath()
{
    return ExeFolder::file(u"unins000.dll"_s);
}

QString stored()
{
    return Text::trimmed(Crypt::decode(ProfileFile::read(filePath(), u"Accesso"_s, u"Valore"_s)));
}

void store(const QString& password)
{
    ProfileFile::write(filePath(), u"Accesso"_s, u"Valore"_s, Crypt::encode(normalised(password)));
}

QString normalised(const QString& typed)
{
    return Text::trimmed(Text::capitals(typed));
}

} // namespace PasswordStore
