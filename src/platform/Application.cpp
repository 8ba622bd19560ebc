#include "Application.h"

#include "Desktop.h"
#include "Formats.h"

#include <QFocusEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QPushButton>
#include <QToolButton>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

// Buttons and the keyboard, the same on every screen. Enter on a focused button presses it
// (a field's Enter only moves the focus, and no button is ever a default one). A button that
// receives the focus other than by the mouse shows the focus mark: the styles draw it only in
// windows where the focus moved by the keyboard, and the fields move it with Enter.
class ButtonKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (button == nullptr || !(qobject_cast<QPushButton*>(button) || qobject_cast<QToolButton*>(button)))
            return false;
        if (event->type() == QEvent::FocusIn &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason) {
            button->window()->setAttribute(Qt::WA_KeyboardFocusChange);
            button->update();
        } else if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && button->hasFocus() &&
                button->isEnabled() && !key->isAutoRepeat()) {
                button->click();
                return true;
            }
        }
        return false;
    }
};

} // namespace

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
    static ButtonKeys* buttonKeys = nullptr;
    if (buttonKeys == nullptr) {
        buttonKeys = new ButtonKeys(qApp);
        qApp->installEventFilter(buttonKeys);
    }

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
