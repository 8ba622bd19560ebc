#include "Application.h"

#include "Desktop.h"
#include "Formats.h"

#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::StringLiterals;

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        Desktop::error(QString::fromUtf8(failure.what()));
    } catch (...) {
        Desktop::error(u"Si è verificato un errore imprevisto."_s);
    }
    return false;
}

void Application::prepareEnvironment()
{
    Formats::apply();

    QFont::insertSubstitution(u"Arial"_s, u"Liberation Sans"_s);
    QFont::insertSubstitution(u"Courier New"_s, u"Liberation Mono"_s);
    QFont::insertSubstitution(u"Verdana"_s, u"DejaVu Sans"_s);
    QFont::insertSubstitution(u"Tahoma"_s, u"DejaVu Sans"_s);

    auto* translator = new QTranslator(qApp);
    if (translator->load(QLocale(QLocale::Italian), u"qtbase"_s, u"_"_s,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
