#pragma once

#include "card/FieldBehaviour.h"
#include "ricevute/TfrmMenuRicevute.h"
#include "ricevute/TfrmRicevute.h"
#include "support/ScreenFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

// The receipt screen of a year, opened from the main menu and the receipts menu as a person does,
// and its fields by record field name.
inline TfrmRicevute* openReceiptYear(const QString& year)
{
    frmAvvio->present();
    click(frmAvvio->imgRicevute);
    frmMenuRicevute->txtAnnoFatture->setText(year);
    click(frmMenuRicevute->btnApriFatture);
    return frmRicevute;
}

inline void pressOnReceipt(const char* name)
{
    click(control<QAbstractButton>(frmRicevute, name));
}

inline void setReceiptField(const QString& field, const QString& text)
{
    FieldBehaviour::setTextOf(frmRicevute->form().control(field), text);
}

inline QString receiptField(const QString& field)
{
    return FieldBehaviour::textOf(frmRicevute->form().control(field));
}

// Runs `inspect` on the next modal dialog of type Dialog, whenever it opens, then closes it if
// it is still open: for a dialog opened after another one closes.
template <typename Dialog> void whenModal(const std::function<void(Dialog*)>& inspect, int triesLeft = 500)
{
    QTimer::singleShot(10, [inspect, triesLeft] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            inspect(dialog);
            if (dialog->isVisible())
                dialog->close();
        } else if (triesLeft > 0) {
            whenModal<Dialog>(inspect, triesLeft - 1);
        }
    });
}
