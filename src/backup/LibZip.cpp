#include "LibZip.h"

#include "platform/Failure.h"

#include <dlfcn.h>

using namespace Qt::StringLiterals;

namespace LibZip {

namespace {

// The name the system's loader knows the library by, read from it when the program is built.
constexpr char kLibrary[] = TARVENTO_LIBZIP;

Failure missing()
{
    return Failure(u"Impossibile leggere o scrivere file ZIP: la libreria "_s +
                   QString::fromLatin1(kLibrary) +
                   u" del sistema manca o non è utilizzabile. Reinstallare il programma."_s);
}

Functions load()
{
    void* library = dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr)
        throw missing();
    Functions f;
    // Each function by its name; the library stays loaded for the run.
#define TARVENTO_LIBZIP_RESOLVE(name)                                                                        \
    f.name = reinterpret_cast<decltype(f.name)>(dlsym(library, #name));                                      \
    if (f.name == nullptr)                                                                                   \
        throw missing();
    TARVENTO_LIBZIP_FUNCTIONS(TARVENTO_LIBZIP_RESOLVE)
#undef TARVENTO_LIBZIP_RESOLVE
    return f;
}

} // namespace

const Functions& functions()
{
    static const Functions loaded = load(); // tried again at the next call when it threw
    return loaded;
}

} // namespace LibZip
