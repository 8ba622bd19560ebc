#include "TfrmSplash.h"

#include "platform/Desktop.h"
#include "platform/LinkBehaviour.h"
#include "platform/Picture.h"
#include "platform/Product.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TfrmSplash::TfrmSplash(QWidget* owner)
    : DialogScreen(Product::caption(u"Software per la gestione degli immobili in affitto © Tarvento"_s),
                   owner)
{
    setObjectName(u"frmSplash"_s);
    fixClientSize(661, 467);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 12, 18, 12);
    layout->addWidget(new Picture(u"imgSplash"_s, u"splash"_s, QSize(625, 380), this), 0, Qt::AlignCenter);

    auto* row = new QHBoxLayout;
    imgWeb = new Picture(u"imgWeb"_s, u"globe"_s, QSize(28, 28), this);
    lnkWeb = new QLabel(Product::webLabel, this);
    lnkWeb->setObjectName(u"lnkWeb"_s);
    lnkWeb->setFont(QFont(u"Tahoma"_s, 12));
    LinkBehaviour::attach(lnkWeb, imgWeb, [] { TMisc::Open(Product::webAddress); });
    row->addWidget(imgWeb);
    row->addWidget(lnkWeb);
    row->addStretch();
    btnChiudi = new QPushButton(u"Chiudi"_s, this);
    btnChiudi->setObjectName(u"btnChiudi"_s);
    btnChiudi->setMinimumWidth(100);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::close);
    row->addWidget(btnChiudi);
    layout->addLayout(row);
}
