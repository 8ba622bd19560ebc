#include "TfrmInfo.h"

#include "platform/Desktop.h"
#include "platform/LinkBehaviour.h"
#include "platform/Picture.h"
#include "platform/Product.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TfrmInfo::TfrmInfo(QWidget* owner) : DialogScreen(u" Informazioni su "_s + Product::fullName(), owner)
{
    setObjectName(u"frmInfo"_s);
    fixClientSize(473, 579);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 16);

    auto* band = new QWidget(this);
    band->setAutoFillBackground(true);
    band->setPalette(QPalette(Qt::white));
    auto* bandLayout = new QVBoxLayout(band);
    bandLayout->addWidget(new Picture(u"imgLogo"_s, u"logo"_s, QSize(400, 94), band), 0, Qt::AlignCenter);
    layout->addWidget(band);

    auto* about = new QLabel(this);
    about->setObjectName(u"lblDescrizione"_s);
    about->setWordWrap(true);
    about->setFont(QFont(u"Verdana"_s, 10));
    about->setText(
        u"<p><b>"_s + Product::fullName() +
        u"</b></p>"
        "<p>Il programma per il piccolo proprietario che affitta i propri immobili: archivio degli immobili "
        "con locatori, conduttori e contratti, ricevute d'affitto con l'importo in lettere e l'aggiornamento "
        "ISTAT, modelli F24 ELIDE per il versamento delle imposte di registro.</p>"
        "<p>I dati restano sul computer, nella cartella del programma, e l'accesso è protetto da una "
        "password.</p>"
        "<p>Per richiedere informazioni, segnalare un problema o proporre un miglioramento, scrivete "
        "all'indirizzo qui sotto: risponderemo al più presto.</p>"_s);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(28, 16, 28, 0);
    body->addWidget(about);
    body->addStretch();

    auto* linkRow = new QHBoxLayout;
    imgEmail = new Picture(u"imgEmail"_s, u"email"_s, QSize(36, 36), this);
    lnkWeb = new QLabel(Product::contactAddress, this);
    lnkWeb->setObjectName(u"lnkWeb"_s);
    lnkWeb->setFont(QFont(u"Tahoma"_s, 12));
    LinkBehaviour::attach(lnkWeb, imgEmail, [this] { lnkWebClick(); });
    linkRow->addStretch();
    linkRow->addWidget(imgEmail);
    linkRow->addWidget(lnkWeb);
    linkRow->addStretch();
    body->addLayout(linkRow);
    body->addSpacing(16);

    btnChiudi = new QPushButton(u"Chiudi"_s, this);
    btnChiudi->setObjectName(u"btnChiudi"_s);
    btnChiudi->setMinimumWidth(100);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::close);
    body->addWidget(btnChiudi, 0, Qt::AlignCenter);
    layout->addLayout(body);
}

QString TfrmInfo::mailCommand()
{
    return u"\"mailto:"_s + Product::contactAddress + u"?subject=Software "_s + Product::fullName() +
           u"&body=Salve, desidererei avere le seguenti informazioni sul software in oggetto:\""_s;
}

void TfrmInfo::lnkWebClick()
{
    TMisc::Open(mailCommand());
}
