#include "TfrmGuida.h"

#include "Desktop.h"
#include "ExeFolder.h"
#include "LinkBehaviour.h"
#include "Picture.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TfrmGuida::TfrmGuida(QWidget* owner) : DialogScreen(u" Guida all'utilizzo del software"_s, owner)
{
    setObjectName(u"frmGuida"_s);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 18);

    auto* band = new QWidget(this);
    band->setAutoFillBackground(true);
    band->setPalette(QPalette(Qt::white));
    auto* bandLayout = new QHBoxLayout(band);
    bandLayout->addWidget(new Picture(u"imgLogo"_s, u"logo"_s, QSize(300, 70), band));
    bandLayout->addStretch();
    layout->addWidget(band);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(24, 8, 24, 0);
    lblTitolo = new QLabel(u"Argomento della guida."_s, this);
    lblTitolo->setObjectName(u"lblTitolo"_s);
    lblTitolo->setFont(QFont(u"Arial"_s, 16, QFont::Bold));
    lblTitolo->setStyleSheet(u"color: #DC143C;"_s);
    body->addWidget(lblTitolo);

    txtGuida = new QPlainTextEdit(this);
    txtGuida->setObjectName(u"txtGuida"_s);
    txtGuida->setReadOnly(true);
    txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtGuida->setFont(QFont(u"Verdana"_s, 12, QFont::Bold));
    txtGuida->setFixedSize(625, 350);
    body->addWidget(txtGuida);

    auto* linkRow = new QHBoxLayout;
    imgPDF = new Picture(u"imgPDF"_s, u"pdf"_s, QSize(32, 32), this);
    lnkWeb = new QLabel(u"Visualizza guida in formato PDF"_s, this);
    lnkWeb->setObjectName(u"lnkWeb"_s);
    lnkWeb->setFont(QFont(u"Tahoma"_s, 14));
    LinkBehaviour::attach(lnkWeb, imgPDF, [this] { lnkWebClick(); });
    linkRow->addWidget(imgPDF);
    linkRow->addWidget(lnkWeb);
    linkRow->addStretch();
    btnChiudi = new QPushButton(u"Chiudi"_s, this);
    btnChiudi->setObjectName(u"btnChiudi"_s);
    btnChiudi->setMinimumWidth(100);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::close);
    linkRow->addWidget(btnChiudi);
    layout->addLayout(body);
    layout->addStretch();
    linkRow->setContentsMargins(24, 0, 24, 0);
    layout->addLayout(linkRow);
}

void TfrmGuida::showEvent(QShowEvent* event)
{
    setFixedSize(676, 598);
    DialogScreen::showEvent(event);
}

void TfrmGuida::lnkWebClick()
{
    TMisc::Open(u"\""_s + ExeFolder::file(u"Guida.pdf"_s) + u"\""_s);
}

void showHelp(QWidget* owner, const HelpTopic& help)
{
    openDialog<TfrmGuida>(owner, [&](TfrmGuida& dialog) {
        dialog.lblTitolo->setText(help.title);
        dialog.txtGuida->setPlainText(help.text());
    });
}
