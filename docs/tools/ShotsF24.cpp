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

namespace {

void press(const char* name)
{
    clickOn(controlOf(frmModello_F24_Elide, name));
}

} // namespace

void Shots::f24(Shooter& shooter)
{
    frmAvvio->present();
    clickOn(frmAvvio->imgModelloF24);
    press("cmdPrimo");
    shooter.shoot(frmModello_F24_Elide);
    onModal([] { press("impCodice01"); },
            [&](QWidget* codes) {
                static_cast<QLineEdit*>(controlOf(codes, "txtTrova"))->setText(u"1501"_s);
                clickOn(controlOf(codes, "btnTrova"));
                shooter.shoot(codes);
            });
    onModal([] { press("cmdStampa"); }, [&](QWidget* print) { shooter.shoot(print); });
    onModal([] { press("cmdAnteprima"); },
            [&](QWidget* format) {
                shooter.shoot(format);
                onModal([format] { clickOn(controlOf(format, "btnStampa")); },
                        [&](QWidget* preview) { shooter.shoot(preview, u"f24"_s); });
            });
    onModal([] { press("cmdPDF"); }, [&](QWidget* pdf) { shooter.shoot(pdf); });
    onModal([] { press("cmdTrova"); },
            [&](QWidget* search) {
                static_cast<QLineEdit*>(controlOf(search, "txtAnnoRif01"))->setText(u"2025"_s);
                shooter.shoot(search, u"criteri"_s);
                clickOn(static_cast<ListScreen*>(search)->btnCerca);
                shooter.shoot(search, u"risultati"_s);
            });
    onModal([] { press("cmdExcel"); }, [&](QWidget* exporter) { shooter.shoot(exporter); });
    frmModello_F24_Elide->close();
}
