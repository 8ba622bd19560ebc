#include "TfrmAvvio.h"

#include "Screens.h"
#include "Startup.h"
#include "TfrmPassword.h"
#include "backup/BackupBar.h"
#include "TfrmInfo.h"
#include "TfrmSplash.h"
#include "platform/Desktop.h"
#include "platform/HelpTopics.h"
#include "platform/Picture.h"
#include "platform/Product.h"
#include "platform/TfrmGuida.h"
#include "scadenze/TfrmScadenze.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// Four tiles side by side in the menu's width, drawn in the proportions of the pictures.
constexpr int kTileWidth = 220;
constexpr QSize kTilePicture(kTileWidth, 182);

QWidget* whiteBand(QWidget* parent, int height)
{
    auto* band = new QWidget(parent);
    band->setFixedHeight(height);
    band->setAutoFillBackground(true);
    band->setPalette(QPalette(Qt::white));
    return band;
}

} // namespace

TfrmAvvio::TfrmAvvio(QWidget* parent) : ApplicationScreen(u' ' + Product::fullName(), parent)
{
    setObjectName(u"frmAvvio"_s);

    auto* outer = new QGridLayout(this);
    auto* panel = new QWidget(this);
    panel->setObjectName(u"panMenu"_s);
    panel->setFixedSize(995, 692);
    panel->setAutoFillBackground(true);
    panel->setPalette(QPalette(QColor(0xB5, 0xCE, 0xE9)));
    outer->addWidget(panel, 0, 0, Qt::AlignCenter);

    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    // Header: information, logo, help.
    QWidget* header = whiteBand(panel, 130);
    auto* headerRow = new QHBoxLayout(header);
    headerRow->setContentsMargins(28, 10, 28, 10);
    imgInfo = new Picture(u"imgInfo"_s, u"info"_s, QSize(56, 56), header);
    imgInfo->setToolTip(u"Informazioni su "_s + Product::name);
    imgLogo = new Picture(u"imgLogo"_s, u"logo"_s, QSize(460, 108), header);
    imgGuida = new Picture(u"imgGuida"_s, u"help"_s, QSize(56, 56), header);
    imgGuida->setToolTip(u"Guida all'utilizzo del software"_s);
    headerRow->addWidget(imgInfo);
    headerRow->addStretch();
    headerRow->addWidget(imgLogo);
    headerRow->addStretch();
    headerRow->addWidget(imgGuida);
    column->addWidget(header);

    // The applications.
    auto* tiles = new QHBoxLayout;
    tiles->setContentsMargins(24, 30, 24, 30);
    tiles->setSpacing(20);
    tiles->addWidget(
        buildTile(u"immobili"_s, u"ARCHIVIO IMMOBILI"_s,
                  u"Dati degli immobili con locatori, conduttori, contratti e scadenze dell'imposta di "
                  u"registro. I dati passano alle ricevute e ai modelli F24."_s,
                  imgImmobili, btnImmobili, infImmobili, &TfrmAvvio::imgImmobiliClick));
    tiles->addWidget(
        buildTile(u"ricevute"_s, u"RICEVUTE DI AFFITTO"_s,
                  u"Ricevute in formato piccolo (due per foglio A4) o grande, con il canone aggiornato "
                  u"all'indice ISTAT, riepiloghi e grafici degli incassi."_s,
                  imgRicevute, btnRicevute, infRicevute, &TfrmAvvio::imgRicevuteClick));
    tiles->addWidget(
        buildTile(u"f24"_s, u"MODELLO F24 ELIDE"_s,
                  u"Modelli F24 ELIDE compilati dall'archivio immobili, totali calcolati, codici "
                  u"tributo scelti da una tabella; stampa su carta o in PDF."_s,
                  imgModelloF24, btnModelloF24, infModelloF24, &TfrmAvvio::imgModelloF24Click));
    tiles->addWidget(buildTile(u"scadenze"_s, u"SCADENZE"_s,
                               u"Imposta di registro, fine locazione, disdette e canoni da incassare."_s,
                               imgScadenze, btnScadenze, infScadenze, &TfrmAvvio::imgScadenzeClick));
    column->addLayout(tiles);
    column->addStretch();

    panCopia = new BackupBar(panel);
    panCopia->claimDataFolder = [] { return Startup::claimDataFolder(Startup::Notice::Silent); };
    panCopia->restored = [this] { // the password file may have changed: ask for it again
        frmPassword->txtPassword->clear();
        handOverTo(frmPassword);
    };
    column->addWidget(panCopia);

    // Footer: about, web site, exit.
    QWidget* footer = whiteBand(panel, 84);
    auto* footerRow = new QHBoxLayout(footer);
    footerRow->setContentsMargins(28, 8, 28, 8);
    imgCopyright = new Picture(u"imgCopyright"_s, u"copyright"_s, QSize(40, 40), footer);
    imgCopyright->setToolTip(u"Informazioni sul produttore"_s);
    imgSito = new Picture(u"imgSito"_s, u"sito"_s, QSize(260, 40), footer);
    imgSito->setToolTip(Product::webAddress);
    imgEsci = new Picture(u"imgEsci"_s, u"exit"_s, QSize(56, 56), footer);
    imgEsci->setToolTip(u"Esci dal programma"_s);
    footerRow->addWidget(imgCopyright);
    footerRow->addStretch();
    footerRow->addWidget(imgSito);
    footerRow->addStretch();
    footerRow->addWidget(imgEsci);
    column->addWidget(footer);

    const std::pair<Picture*, void (TfrmAvvio::*)()> actions[] = {
        {imgInfo, &TfrmAvvio::imgInfoClick},
        {imgGuida, &TfrmAvvio::imgGuidaClick},
        {imgCopyright, &TfrmAvvio::imgCopyrightClick},
        {imgSito, &TfrmAvvio::imgSitoClick},
        {imgEsci, &TfrmAvvio::imgEsciClick}};
    for (const auto& [picture, handler] : actions) {
        picture->setClickable(true);
        connect(picture, &Picture::clicked, this, handler);
    }
}

QWidget* TfrmAvvio::buildTile(const QString& key, const QString& caption, const QString& description,
                              Picture*& picture, Picture*& captionBar, Picture*& descriptionBox,
                              void (TfrmAvvio::*open)())
{
    const QString name = key == u"f24"_s ? u"ModelloF24"_s : key.at(0).toUpper() + key.mid(1);
    auto* tile = new QWidget;
    auto* layout = new QVBoxLayout(tile);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    picture = new Picture(u"img"_s + name, u"tile_"_s + key, kTilePicture, tile);
    captionBar = new Picture(u"btn"_s + name, QString(), QSize(kTileWidth, 34), tile);
    captionBar->setText(caption);
    captionBar->setStyleSheet(
        u"background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2F5F98, stop:1 #1F3A68);"
        u"color: white; font: bold 13pt 'Verdana';"_s);
    descriptionBox = new Picture(u"inf"_s + name, QString(), QSize(kTileWidth, 116), tile);
    descriptionBox->setText(description);
    descriptionBox->setWordWrap(true);
    descriptionBox->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    descriptionBox->setMargin(10);
    descriptionBox->setStyleSheet(u"background: white; color: #1F3A68; font: 10pt 'Verdana';"_s);
    for (Picture* p : {picture, captionBar, descriptionBox}) {
        p->setClickable(true);
        connect(p, &Picture::clicked, this, open);
    }
    layout->addWidget(picture);
    layout->addWidget(captionBar);
    layout->addWidget(descriptionBox);
    return tile;
}

void TfrmAvvio::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, Qt::white);
    gradient.setColorAt(1, QColor(0x46, 0x82, 0xB4)); // steel blue
    painter.fillRect(rect(), gradient);
}

void TfrmAvvio::imgImmobiliClick()
{
    handOverTo(frmImmobili);
}
void TfrmAvvio::imgRicevuteClick()
{
    handOverTo(frmMenuRicevute);
}
void TfrmAvvio::imgModelloF24Click()
{
    handOverTo(frmModello_F24_Elide);
}

void TfrmAvvio::imgScadenzeClick()
{
    handOverTo(frmScadenze);
}

void TfrmAvvio::imgInfoClick()
{
    openDialog<TfrmInfo>(this);
}
void TfrmAvvio::imgCopyrightClick()
{
    openDialog<TfrmSplash>(this);
}

void TfrmAvvio::imgGuidaClick()
{
    showHelp(this, help());
}

const HelpTopic& TfrmAvvio::help()
{
    static const HelpTopic topic{u"Uno sguardo a "_s + Product::fullName(), u"generale"_s};
    return topic;
}

void TfrmAvvio::imgSitoClick()
{
    TMisc::Open(Product::webAddress);
}

void TfrmAvvio::imgEsciClick()
{
    Desktop::backend().terminate();
}

void TfrmAvvio::FormClose()
{
    Desktop::backend().terminate();
}
