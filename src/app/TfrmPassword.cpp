#include "TfrmPassword.h"

#include "PasswordStore.h"
#include "Screens.h"
#include "TfrmAvvio.h"
#include "TfrmCambiaPassword.h"
#include "card/FieldBehaviour.h"
#include "platform/Desktop.h"
#include "platform/Picture.h"
#include "platform/Product.h"
#include "platform/Text.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TfrmPassword::TfrmPassword(QWidget* parent)
    : ApplicationScreen(Product::caption(u"Accesso al programma"_s), parent)
{
    setObjectName(u"frmPassword"_s);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(388, 405);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(12);
    layout->addWidget(new Picture(u"imgLogo"_s, u"logo"_s, QSize(320, 75), this), 0, Qt::AlignCenter);
    layout->addWidget(new Picture(u"imgChiave"_s, u"key"_s, QSize(72, 72), this), 0, Qt::AlignCenter);

    auto* prompt = new QLabel(u"Immetti la password e premi OK."_s, this);
    prompt->setObjectName(u"lblIstruzioni"_s);
    prompt->setAlignment(Qt::AlignCenter);
    prompt->setFont(QFont(u"Verdana"_s, 10));
    layout->addWidget(prompt);

    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(u"txtPassword"_s);
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setFont(QFont(u"Verdana"_s, 14, QFont::Bold));
    txtPassword->setMaxLength(255);
    txtPassword->setMinimumHeight(36);
    FieldBehaviour::highlight(txtPassword);
    layout->addWidget(txtPassword);

    cmdOK = new QPushButton(u"OK"_s, this);
    cmdOK->setObjectName(u"cmdOK"_s);
    cmdOK->setEnabled(false);
    cmdOK->setMinimumHeight(32);
    layout->addWidget(cmdOK);

    auto* row = new QHBoxLayout;
    cmdEsci = new QPushButton(u"Esci"_s, this);
    cmdEsci->setObjectName(u"cmdEsci"_s);
    btnCambiaPassword = new QPushButton(u"Cambia password"_s, this);
    btnCambiaPassword->setObjectName(u"btnCambiaPassword"_s);
    row->addWidget(cmdEsci);
    row->addWidget(btnCambiaPassword);
    layout->addLayout(row);

    lblMemory = new QLabel(this);
    lblMemory->setObjectName(u"lblMemory"_s);
    lblMemory->hide();

    FieldBehaviour::enterPresses(txtPassword, cmdOK); // OK is enabled only when a password is typed
    connect(txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::updateOK);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmPassword::cmdEsciClick);
    connect(btnCambiaPassword, &QPushButton::clicked, this, &TfrmPassword::btnCambiaPasswordClick);
}

void TfrmPassword::present()
{
    presentCentred();
}

void TfrmPassword::FormShow()
{
    txtPassword->setFocus(Qt::OtherFocusReason);
}

void TfrmPassword::FormClose()
{
    // Leaving the password screen by its close box ends the program, like "Esci".
    Desktop::backend().terminate();
}

void TfrmPassword::updateOK()
{
    cmdOK->setEnabled(!Text::trimmed(txtPassword->text()).isEmpty());
}

void TfrmPassword::cmdOKClick()
{
    QString stored;
    QString typed;
    try {
        stored = PasswordStore::stored();
        typed = PasswordStore::normalised(txtPassword->text());
    } catch (const std::exception&) {
        Desktop::plain(
            u"Attenzione: si è verificato un errore durante la procedura di lettura della password. "
            u"Si consiglia di reinstallare il software."_s);
        return;
    }
    if (typed == stored) {
        handOverTo(frmAvvio);
        return;
    }
    Desktop::plain(u"Attenzione: password errata."_s);
    txtPassword->clear();
    txtPassword->setFocus(Qt::OtherFocusReason);
}

void TfrmPassword::cmdEsciClick()
{
    hide();
    Desktop::backend().terminate();
}

void TfrmPassword::btnCambiaPasswordClick()
{
    handOverTo(frmCambiaPassword);
}
