#include "TfrmMenuRicevute.h"

#include "RicevuteScreens.h"
#include "card/FieldBehaviour.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/ExeFolder.h"
#include "platform/Formats.h"
#include "platform/HelpTopics.h"
#include "platform/Picture.h"
#include "platform/Product.h"
#include "platform/Text.h"
#include "platform/TfrmGuida.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
const QString kBoxStyle = u"QGroupBox { background: white; border: 1px solid #7FA3CC; border-radius: 6px;"
                          u" margin-top: 24px; font: bold 10pt 'Verdana'; color: #1F3A68; }"
                          u"QGroupBox::title { subcontrol-origin: margin; left: 12px; padding: 0 4px; }"_s;
}

TfrmMenuRicevute::TfrmMenuRicevute(QWidget* parent)
    : ApplicationScreen(Product::caption(u"Emissione Ricevute d'Affitto"_s), parent)
{
    setObjectName(u"frmMenuRicevute"_s);
    Formats::apply();
    setAutoFillBackground(true);
    setPalette(QPalette(QColor(0xE4, 0xEC, 0xF5)));

    auto* outer = new QGridLayout(this);
    auto* panel = new QWidget(this);
    panel->setObjectName(u"panMenu"_s);
    panel->setFixedSize(960, 600);
    panel->setAutoFillBackground(true);
    panel->setPalette(QPalette(QColor(0xB5, 0xCE, 0xE9)));
    outer->addWidget(panel, 0, 0, Qt::AlignCenter);

    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 12);

    auto* title = new QWidget(panel);
    title->setAutoFillBackground(true);
    title->setPalette(QPalette(Qt::white));
    auto* titleRow = new QHBoxLayout(title);
    titleRow->addWidget(new Picture(u"imgDocumenti"_s, u"documents"_s, QSize(64, 64), title));
    titleRow->addStretch();
    titleRow->addWidget(new Picture(u"imgTitolo"_s, u"title_ricevute"_s, QSize(560, 56), title));
    titleRow->addStretch();
    titleRow->addWidget(new Picture(u"imgMani"_s, u"hands"_s, QSize(64, 64), title));
    column->addWidget(title);

    auto* info =
        new QLabel(u"In questo ambiente è possibile emettere ricevute d'affitto per i propri Conduttori e "
                   u"visualizzare grafici statistici degli incassi mensili."_s,
                   panel);
    info->setObjectName(u"lblInformazioni"_s);
    info->setWordWrap(true);
    info->setAlignment(Qt::AlignCenter);
    info->setContentsMargins(24, 8, 24, 8);
    info->setStyleSheet(u"background: #1F3A68; color: white; font: 10pt 'Verdana';"_s);
    column->addWidget(info);

    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(24, 28, 24, 8);
    middle->addWidget(buildArchiveBox());
    middle->addStretch();
    middle->addWidget(new Picture(u"imgRicevute"_s, u"receipts_large"_s, QSize(300, 290), panel));
    middle->addStretch();
    middle->addWidget(buildStatisticsBox());
    column->addLayout(middle);
    column->addStretch();

    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(24, 0, 24, 0);
    imgGuida = new Picture(u"imgGuida"_s, u"help_button"_s, QSize(120, 44), panel);
    imgGuida->setToolTip(u"Guida"_s);
    imgEsci = new Picture(u"imgEsci"_s, u"exit_button"_s, QSize(120, 44), panel);
    imgEsci->setToolTip(u"Esci"_s);
    imgGuida->setClickable(true);
    imgEsci->setClickable(true);
    bottom->addWidget(imgGuida);
    bottom->addStretch();
    bottom->addWidget(imgEsci);
    column->addLayout(bottom);

    lblMemory = new QLabel(this);
    lblMemory->setObjectName(u"lblMemory"_s);
    lblMemory->hide();

    // FormCreate
    txtAnnoFatture->setMaxLength(4);
    FieldBehaviour::highlight(txtAnnoFatture);
    FieldBehaviour::digitsOnly(txtAnnoFatture, btnApriFatture);

    connect(btnApriFatture, &QPushButton::clicked, this, &TfrmMenuRicevute::btnApriFattureClick);
    connect(btnApriRiepStats, &QPushButton::clicked, this, &TfrmMenuRicevute::btnApriRiepStatsClick);
    connect(imgEsci, &Picture::clicked, this, &TfrmMenuRicevute::imgEsciClick);
    connect(imgGuida, &Picture::clicked, this, &TfrmMenuRicevute::imgGuidaClick);
}

QWidget* TfrmMenuRicevute::buildArchiveBox()
{
    auto* box = new QGroupBox(u"Archivio ricevute d'affitto:"_s);
    box->setStyleSheet(kBoxStyle);
    box->setFixedSize(300, 250);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(18, 24, 18, 18);
    auto* row = new QHBoxLayout;
    auto* caption = new QLabel(u"Anno:"_s, box);
    caption->setStyleSheet(u"font: bold 20pt 'Verdana'; color: #1F3A68; border: none;"_s);
    txtAnnoFatture = new QLineEdit(box);
    txtAnnoFatture->setObjectName(u"txtAnnoFatture"_s);
    txtAnnoFatture->setFont(QFont(u"Verdana"_s, 14, QFont::Bold));
    txtAnnoFatture->setFixedWidth(90);
    txtAnnoFatture->setAlignment(Qt::AlignCenter);
    row->addWidget(caption);
    row->addWidget(txtAnnoFatture);
    row->addStretch();
    layout->addLayout(row);
    btnApriFatture = new QPushButton(u"Apri"_s, box);
    btnApriFatture->setObjectName(u"btnApriFatture"_s);
    btnApriFatture->setMinimumHeight(34);
    layout->addStretch();
    layout->addWidget(btnApriFatture);
    return box;
}

QWidget* TfrmMenuRicevute::buildStatisticsBox()
{
    auto* box = new QGroupBox(u"Grafici statistici incassi mensili:"_s);
    box->setStyleSheet(kBoxStyle);
    box->setFixedSize(300, 250);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(18, 24, 18, 18);
    layout->addWidget(new Picture(u"imgGrafico"_s, u"chart"_s, QSize(110, 110), box), 0, Qt::AlignCenter);
    btnApriRiepStats = new QPushButton(u"Apri"_s, box);
    btnApriRiepStats->setObjectName(u"btnApriRiepStats"_s);
    btnApriRiepStats->setMinimumHeight(34);
    layout->addStretch();
    layout->addWidget(btnApriRiepStats);
    return box;
}

void TfrmMenuRicevute::FormShow()
{
    txtAnnoFatture->setText(Formats::year(Clock::today()));
    followWith(u"avvio"_s, [] { mainMenu()->present(); });
    txtAnnoFatture->setFocus(Qt::OtherFocusReason);
}

void TfrmMenuRicevute::btnApriFattureClick()
{
    // Only four digits name an archive: a pasted "../a" would name a file outside the
    // program's folder, so any other text gets the same warning as a short year.
    const QString typed = txtAnnoFatture->text();
    const bool fourDigits = typed.size() == 4 && std::all_of(typed.begin(), typed.end(),
                                                             [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!fourDigits) {
        Desktop::warning(u"Attenzione: indicare l'anno solare utilizzando quattro cifre."_s);
        txtAnnoFatture->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QString year = typed;
    frmRicevute->lblFile->setText(ExeFolder::file(year + u".ric"_s));
    frmRicevute->lblAnno->setText(year);
    frmRicevute->setWindowTitle(Product::caption(u"Archivio ricevute d'affitto anno "_s + year));
    followWith(u"ricevute"_s, [] { frmRicevute->present(); });
    close();
}

void TfrmMenuRicevute::btnApriRiepStatsClick()
{
    followWith(u"statistiche_ric"_s, [] { frmStatisticheRic->present(); });
    close();
}

void TfrmMenuRicevute::imgEsciClick()
{
    close();
}

void TfrmMenuRicevute::imgGuidaClick()
{
    showHelp(this, help());
}

const HelpTopic& TfrmMenuRicevute::help()
{
    static const HelpTopic topic{u"Emissione di ricevute di affitto."_s, u"ricevute"_s};
    return topic;
}

void TfrmMenuRicevute::followWith(const QString& word, std::function<void()> next)
{
    lblMemory->setText(word);
    m_next = std::move(next);
}

void TfrmMenuRicevute::FormClose()
{
    if (m_next)
        m_next();
}
