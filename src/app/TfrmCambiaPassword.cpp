#include "TfrmCambiaPassword.h"

#include "PasswordStore.h"
#include "Screens.h"
#include "TfrmPassword.h"
#include "card/FieldBehaviour.h"
#include "platform/Desktop.h"
#include "platform/Picture.h"
#include "platform/Text.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TfrmCambiaPassword::TfrmCambiaPassword(QWidget* parent) : ApplicationScreen(u" Cambia password"_s, parent)
{
    setObjectName(u"frmCambiaPassword"_s);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(411, 418);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->addWidget(new Picture(u"imgLogo"_s, u"logo"_s, QSize(320, 75), this), 0, Qt::AlignCenter);
    layout->addSpacing(12);

    auto makeField = [this](const char* name) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QString::fromLatin1(name));
        field->setEchoMode(QLineEdit::Password);
        field->setFont(QFont(u"Verdana"_s, 12, QFont::Bold));
        field->setMaxLength(255);
        field->setMinimumHeight(32);
        FieldBehaviour::highlight(field);
        connect(field, &QLineEdit::textChanged, this, &TfrmCambiaPassword::updateOK);
        return field;
    };
    txtPasswordOld = makeField("txtPasswordOld");
    txtPasswordNew = makeField("txtPasswordNew");
    txtConferma = makeField("txtConferma");
    // Enter goes round the three fields; it never presses OK.
    FieldBehaviour::enterMovesTo(txtPasswordOld, txtPasswordNew);
    FieldBehaviour::enterMovesTo(txtPasswordNew, txtConferma);
    FieldBehaviour::enterMovesTo(txtConferma, txtPasswordOld);

    auto* form = new QVBoxLayout;
    form->setSpacing(4);
    const std::pair<const char16_t*, QLineEdit*> rows[] = {{u"Vecchia password:", txtPasswordOld},
                                                           {u"Nuova password:", txtPasswordNew},
                                                           {u"Conferma nuova password:", txtConferma}};
    for (const auto& [caption, field] : rows) {
        auto* label = new QLabel(QString::fromUtf16(caption), this);
        label->setFont(QFont(u"Verdana"_s, 10));
        label->setBuddy(field);
        form->addWidget(label);
        form->addWidget(field);
        form->addSpacing(8);
    }
    layout->addLayout(form);
    layout->addStretch();

    auto* buttons = new QHBoxLayout;
    cmdEsci = new QPushButton(u"Chiudi"_s, this);
    cmdEsci->setObjectName(u"cmdEsci"_s);
    cmdOK = new QPushButton(u"OK"_s, this);
    cmdOK->setObjectName(u"cmdOK"_s);
    cmdOK->setEnabled(false);
    buttons->addWidget(cmdEsci);
    buttons->addWidget(cmdOK);
    layout->addLayout(buttons);

    connect(cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &QWidget::close);
}

void TfrmCambiaPassword::present()
{
    presentCentred();
}

void TfrmCambiaPassword::FormShow()
{
    txtPasswordOld->clear();
    txtPasswordNew->clear();
    txtConferma->clear();
    txtPasswordOld->setFocus(Qt::OtherFocusReason);
}

void TfrmCambiaPassword::FormClose()
{
    frmPassword->txtPassword->clear();
    frmPassword->lblMemory->clear();
    frmPassword->present();
    frmPassword->txtPassword->setFocus(Qt::OtherFocusReason);
}

void TfrmCambiaPassword::updateOK()
{
    cmdOK->setEnabled(!Text::trimmed(txtPasswordOld->text()).isEmpty() &&
                      !Text::trimmed(txtPasswordNew->text()).isEmpty() &&
                      !Text::trimmed(txtConferma->text()).isEmpty());
}

void TfrmCambiaPassword::cmdOKClick()
{
    try {
        if (PasswordStore::normalised(txtPasswordOld->text()) != PasswordStore::stored()) {
            Desktop::plain(u"Attenzione: vecchia password errata."_s);
            txtPasswordOld->clear();
            txtPasswordOld->setFocus(Qt::OtherFocusReason);
            return;
        }
        if (Text::trimmed(txtPasswordNew->text()) != Text::trimmed(txtConferma->text())) {
            Desktop::plain(u"Attenzione: la nuova password non è stata confermata correttamente. "
                           u"E' necessario reinserire entrambi i valori."_s);
            txtPasswordNew->clear();
            txtConferma->clear();
            txtPasswordNew->setFocus(Qt::OtherFocusReason);
            return;
        }
        if (!PasswordStore::storable(txtPasswordNew->text())) {
            // The cipher keeps one byte per character: such a password could never log in.
            Desktop::plain(
                u"Attenzione: la nuova password contiene caratteri che non possono essere memorizzati "
                u"(come il simbolo dell'euro o le emoji). E' necessario reinserire entrambi i valori "
                u"usando lettere, cifre e simboli comuni."_s);
            txtPasswordNew->clear();
            txtConferma->clear();
            txtPasswordNew->setFocus(Qt::OtherFocusReason);
            return;
        }
        PasswordStore::store(txtPasswordNew->text());
    } catch (const std::exception&) {
        Desktop::plain(
            u"Attenzione: si è verificato un errore durante la procedura di modifica della password. "
            u"Si consiglia di reinstallare il software."_s);
        return;
    }
    Desktop::plain(u"Modifica della password completata con successo."_s);
    close();
}
