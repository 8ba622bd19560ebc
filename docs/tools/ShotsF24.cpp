#include "Shooter.h"
#include "Shots.h"

#include "app/Screens.h"
#include "app/TfrmAvvio.h"
#include "f24/F24Screens.h"
#include "platform/Picture.h"
#include "report/ListScreen.h"

#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

void Shots::f24(Shooter& shooter)
{
    frmAvvio->present();
    clickOn(frmAvvio->imgModelloF24);
    clickOn(frmModello_F24_Elide, "cmdPrimo");
    shooter.shoot(frmModello_F24_Elide);
    onModal([] { clickOn(frmModello_F24_Elide, "impCodice01"); },
            [&](QWidget* codes) {
                static_cast<QLineEdit*>(controlOf(codes, "txtTrova"))->setText(u"1501"_s);
                clickOn(controlOf(codes, "btnTrova"));
                shooter.shoot(codes);
            });
    Shots::dialog(shooter, frmModello_F24_Elide, "cmdStampa");
    Shots::preview(shooter, frmModello_F24_Elide, u"f24"_s);
    Shots::dialog(shooter, frmModello_F24_Elide, "cmdPDF");
    Shots::search(shooter, frmModello_F24_Elide, "cmdTrova", "txtAnnoRif01", u"2025"_s);
    Shots::dialog(shooter, frmModello_F24_Elide, "cmdExcel");
    frmModello_F24_Elide->close();
}
