#include "CheckScreens.h"

#include "IdentityCodes.h"
#include "card/FieldBehaviour.h"
#include "platform/Desktop.h"
#include "platform/Formats.h"
#include "platform/Picture.h"
#include "platform/Text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The shared look of the two dialogs: logo, prompt, the code field, "Controlla" and "Chiudi".
QLineEdit* buildCheckDialog(DialogScreen* dialog, const QString& prompt, const char* fieldName, int maxLength,
                            QPushButton*& check, QPushButton*& close)
{
    auto* layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(20, 12, 20, 16);
    layout->addWidget(new Picture(u"imgLogo"_s, u"logo"_s, QSize(260, 61), dialog), 0, Qt::AlignLeft);
    auto* label = new QLabel(prompt, dialog);
    label->setFont(QFont(u"Verdana"_s, 9));
    layout->addWidget(label);
    auto* field = new QLineEdit(dialog);
    field->setObjectName(QString::fromLatin1(fieldName));
    field->setFont(QFont(u"Courier New"_s, 20, QFont::Bold));
    field->setMaxLength(maxLength);
    layout->addWidget(field);
    auto* row = new QHBoxLayout;
    check = new QPushButton(u"Controlla"_s, dialog);
    check->setObjectName(u"btnControlla"_s);
    close = new QPushButton(u"Chiudi"_s, dialog);
    close->setObjectName(u"btnChiudi"_s);
    row->addStretch();
    row->addWidget(check);
    row->addWidget(close);
    layout->addLayout(row);
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::close);
    FieldBehaviour::highlight(field);
    return field;
}

bool allDigits(const QString& text)
{
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

} // namespace

TfrmCodFisc::TfrmCodFisc(QWidget* owner) : DialogScreen(u" Controllo codice fiscale"_s, owner)
{
    setObjectName(u"frmCodFisc"_s);
    Formats::apply();
    fixClientSize(478, 254);
    txtCodFisc = buildCheckDialog(this, u"Immettere il codice fiscale e premere il pulsante di controllo."_s,
                                  "txtCodFisc", 16, btnControlla, btnChiudi);
    FieldBehaviour::capitalsWhileTyping(txtCodFisc);
    FieldBehaviour::enterMovesTo(txtCodFisc, btnControlla);
    connect(btnControlla, &QPushButton::clicked, this, &TfrmCodFisc::btnControllaClick);
}

void TfrmCodFisc::showEvent(QShowEvent* event)
{
    DialogScreen::showEvent(event);
    txtCodFisc->setFocus(Qt::OtherFocusReason);
}

void TfrmCodFisc::btnControllaClick()
{
    const QString code = Text::capitals(txtCodFisc->text());
    if (code.size() != 16) {
        Desktop::warning(
            u"Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."_s);
        txtCodFisc->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (IdentityCodes::codiceFiscaleValid(code))
        Desktop::information(u"Il codice fiscale digitato è VALIDO."_s);
    else
        Desktop::warning(u"Attenzione: il codice fiscale digitato è ERRATO."_s);
    close();
}

TfrmPartitaIva::TfrmPartitaIva(QWidget* owner) : DialogScreen(u" Controllo partita IVA"_s, owner)
{
    setObjectName(u"frmPartitaIva"_s);
    Formats::apply();
    fixClientSize(480, 254);
    txtPartitaIva =
        buildCheckDialog(this, u"Immettere il numero di partita IVA e premere il pulsante di controllo."_s,
                         "txtPartitaIva", 11, btnControlla, btnChiudi);
    FieldBehaviour::digitsOnly(txtPartitaIva, btnControlla);
    connect(btnControlla, &QPushButton::clicked, this, &TfrmPartitaIva::btnControllaClick);
}

void TfrmPartitaIva::showEvent(QShowEvent* event)
{
    DialogScreen::showEvent(event);
    txtPartitaIva->setFocus(Qt::OtherFocusReason);
}

void TfrmPartitaIva::btnControllaClick()
{
    const QString number = Text::capitals(txtPartitaIva->text());
    if (number.size() != 11) {
        Desktop::warning(u"Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."_s);
        txtPartitaIva->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (IdentityCodes::partitaIvaValid(number))
        Desktop::information(u"Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                             u"E' stato rilasciato dall'Ufficio IVA del Comune di "_s +
                             IdentityCodes::partitaIvaOffice(number) + u"."_s);
    else
        Desktop::warning(
            u"Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
            u"Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato."_s);
    close();
}

namespace IdentityChecks {

namespace {
// The caller's text reaches the check whole: a field's maximum length would cut a code that
// is too long down to a valid-looking one, and hide the length warning.
void setWhole(QLineEdit* field, const QString& text)
{
    field->setMaxLength(std::max(field->maxLength(), int(text.size())));
    field->setText(text);
}
} // namespace

void checkCodiceFiscaleField(QWidget* owner, const QString& fieldText)
{
    const QString text = Text::trimmed(fieldText);
    if (!text.isEmpty() && allDigits(text))
        openDialog<TfrmPartitaIva>(owner, [&](TfrmPartitaIva& d) { setWhole(d.txtPartitaIva, text); });
    else
        openDialog<TfrmCodFisc>(owner, [&](TfrmCodFisc& d) { setWhole(d.txtCodFisc, text); });
}

void checkPartitaIvaField(QWidget* owner, const QString& fieldText)
{
    openDialog<TfrmPartitaIva>(owner,
                               [&](TfrmPartitaIva& d) { setWhole(d.txtPartitaIva, Text::trimmed(fieldText)); });
}

} // namespace IdentityChecks
