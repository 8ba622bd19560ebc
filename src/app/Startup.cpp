#include "Startup.h"

#include "Screens.h"
#include "TfrmPassword.h"
#include "platform/Application.h"
#include "platform/Desktop.h"
#include "platform/QtDesktop.h"

#include <QIcon>

using namespace Qt::StringLiterals;

namespace Startup {

void prepare(Application& app)
{
    static QtDesktop desktop;
    Desktop::setBackend(&desktop);
    Application::prepareEnvironment();
    app.setWindowIcon(QIcon(u":/pictures/app_icon.svg"_s));
    // Screens hand over to one another by hiding; the program ends only when it is told to.
    app.setQuitOnLastWindowClosed(false);
    ScreenRegistry::createAll();
    frmPassword->present();
}

int run(Application& app)
{
    prepare(app);
    const int code = app.exec();
    ScreenRegistry::destroyAll();
    return code;
}

} // namespace Startup
