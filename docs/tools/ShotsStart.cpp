#include "Shooter.h"
#include "Shots.h"

#include "app/Screens.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "app/TfrmPassword.h"
#include "platform/Picture.h"
#include "report/ListScreen.h"

#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

void Shots::start(Shooter& shooter)
{
    frmAvvio->hide(); // as at start: the password window alone, the menu shown after log-in
    frmPassword->present();
    frmPassword->txtPassword->setText(u"chiavepartenza"_s);
    shooter.shoot(frmPassword);

    clickOn(frmPassword->btnCambiaPassword);
    frmCambiaPassword->txtPasswordOld->setText(u"chiavepartenza"_s);
    frmCambiaPassword->txtPasswordNew->setText(u"cortile.1958"_s);
    frmCambiaPassword->txtConferma->setText(u"cortile.1958"_s);
    shooter.shoot(frmCambiaPassword);
    clickOn(frmCambiaPassword->cmdEsci); // nothing changed: back to the password

    frmPassword->txtPassword->setText(u"chiavepartenza"_s);
    clickOn(frmPassword->cmdOK);
    shooter.shoot(frmAvvio);

    Shots::dialog(shooter, frmAvvio, "imgGuida");
    Shots::dialog(shooter, frmAvvio, "imgInfo");
}

void Shots::search(Shooter& shooter, QWidget* screen, const char* button, const char* criterion,
                   const QString& text)
{
    onModal([&] { clickOn(screen, button); },
            [&](QWidget* search) {
                static_cast<QLineEdit*>(controlOf(search, criterion))->setText(text);
                shooter.shoot(search, u"criteri"_s);
                clickOn(static_cast<ListScreen*>(search)->btnCerca);
                shooter.shoot(search, u"risultati"_s);
            });
}

void Shots::dialog(Shooter& shooter, QWidget* screen, const char* button, const QString& variant)
{
    onModal([&] { clickOn(screen, button); }, [&](QWidget* dialog) { shooter.shoot(dialog, variant); });
}

void Shots::preview(Shooter& shooter, QWidget* screen, const QString& variant)
{
    onModal([&] { clickOn(screen, "cmdAnteprima"); },
            [&](QWidget* dialog) {
                shooter.shoot(dialog);
                onModal([&] { clickOn(dialog, "btnStampa"); },
                        [&](QWidget* preview) { shooter.shoot(preview, variant); });
            });
}
