#include "Startup.h"

#include "Screens.h"
#include "TfrmPassword.h"
#include "backup/Leftovers.h"
#include "backup/RestoreJournal.h"
#include "platform/Application.h"
#include "platform/Desktop.h"
#include "platform/ExeFolder.h"
#include "platform/Failure.h"
#include "platform/FolderLock.h"
#include "platform/QtDesktop.h"

#include <QDir>
#include <QIcon>
#include <memory>

using namespace Qt::StringLiterals;

namespace {
std::unique_ptr<FolderLock>& dataFolderLock()
{
    static std::unique_ptr<FolderLock> lock;
    return lock;
}
} // namespace

namespace Startup {

QString alreadyOpenMessage()
{
    return u"Attenzione: il programma è già aperto su questi dati.\n\r\n\r"
           u"Utilizzare la finestra già aperta oppure chiuderla prima di avviare di nuovo il programma."_s;
}

bool claimDataFolder(Notice notice)
{
    // Two copies on the same archives would overwrite each other's saves unseen: the per-operation
    // locks keep each write whole, but not a card loaded in one copy and saved in the other.
    // A folder where no lock can be made (read-only) lets no copy write; the program still
    // starts, and what cannot be saved says so when it is tried.
    const QString path = ExeFolder::file(u"Tarvento.lock"_s);
    if (dataFolderLock() && dataFolderLock()->path() == path)
        return true; // held already by this copy
    auto lock = std::make_unique<FolderLock>(path);
    const FolderLock::Result result = lock->tryLock();
    if (result == FolderLock::Result::HeldElsewhere) {
        if (notice == Notice::Shown)
            Desktop::plain(alreadyOpenMessage());
        return false;
    }
    if (result == FolderLock::Result::Held)
        dataFolderLock() = std::move(lock);
    return true;
}

void releaseDataFolder()
{
    dataFolderLock().reset();
}

bool tidyDataFolder()
{
    const QString folder = ExeFolder::path();
    // The data folder and the home folder, where a copy is proposed.
    Leftovers::removeCopyTemporaries(folder);
    Leftovers::removeCopyTemporaries(QDir::homePath());
    try {
        const QString notice = Backup::recoveredMessage(Backup::finishInterruptedRestore(folder));
        if (!notice.isEmpty())
            Desktop::plain(notice);
        return true;
    } catch (const Failure& failure) {
        Desktop::error(failure.message());
        return false;
    }
}

bool prepare(Application& app)
{
    static QtDesktop desktop;
    Desktop::setBackend(&desktop);
    Application::prepareEnvironment();
    if (!claimDataFolder() || !tidyDataFolder())
        return false;
    app.setWindowIcon(QIcon(u":/pictures/app_icon.svg"_s));
    // Screens hand over to one another by hiding; the program ends only when it is told to.
    app.setQuitOnLastWindowClosed(false);
    ScreenRegistry::start();
    frmPassword->present();
    return true;
}

int run(Application& app)
{
    if (!prepare(app))
        return 1;
    const int code = app.exec();
    ScreenRegistry::destroyAll();
    releaseDataFolder();
    return code;
}

} // namespace Startup
