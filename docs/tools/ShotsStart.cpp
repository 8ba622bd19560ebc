#include "Shooter.h"
#include "Shots.h"

#include "app/Screens.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "app/TfrmPassword.h"
#include "platform/Picture.h"

#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

void Shots::start(Shooter& shooter)
{
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

    onModal([] { clickOn(frmAvvio->imgGuida); }, [&](QWidget* help) { shooter.shoot(help); });
    onModal([] { clickOn(frmAvvio->imgInfo); }, [&](QWidget* info) { shooter.shoot(info); });
}
