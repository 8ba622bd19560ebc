#include "TfrmRiepilogoRic.h"

#include "RicevuteScreens.h"
#include "card/FieldBehaviour.h"
#include "platform/Controls.h"
#include "platform/Desktop.h"
#include "platform/Formats.h"
#include "platform/HelpTopics.h"
#include "platform/Picture.h"
#include "platform/Product.h"
#include "platform/Text.h"
#include "platform/TfrmGuida.h"
#include "report/ListReport.h"
#include "report/ListResults.h"
#include "report/ReportOutput.h"
#include "storage/ListSearch.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
using RiepilogoRic::Period;

QString designType(Period period)
{
    switch (period) {
    case Period::Year:
        return u"Ricevute emesse nell'anno solare."_s;
    case Period::Quarter:
        return u"Ricevute emesse nel trimestre."_s;
    case Period::Month:
        return u"Ricevute emesse nel mese."_s;
    }
    return {};
}

// Every button of a summary at least this large.
constexpr QSize kButton{150, 32};
} // namespace

RiepilogoScreen::RiepilogoScreen(Period period, const QString& caption, QWidget* owner)
    : DialogScreen(caption, owner), m_period(period)
{
    // FormCreate
    Formats::apply();
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    setWindowState(Qt::WindowMaximized);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildSelection());
    layout->addWidget(buildResults(), 1);
    if (period == Period::Year)
        panSelezione->hide();
    else
        panContainer->hide();

    connect(btnVisualizza, &QPushButton::clicked, this, &RiepilogoScreen::btnVisualizzaClick);
    connect(btnStampa, &QPushButton::clicked, this, &RiepilogoScreen::btnStampaClick);
    connect(btnEsci, &QPushButton::clicked, this, &QDialog::close);
    connect(icoEsci, &Picture::clicked, this, &QDialog::close);
    connect(imgGuida, &Picture::clicked, this, &RiepilogoScreen::imgGuidaClick);
    connect(icoGuida, &Picture::clicked, this, &RiepilogoScreen::imgGuidaClick);
}

QWidget* RiepilogoScreen::buildSelection()
{
    panSelezione = new QWidget(this);
    panSelezione->setObjectName(u"panSelezione"_s);
    auto* outer = new QVBoxLayout(panSelezione);
    auto* box = new QWidget(panSelezione);
    box->setObjectName(u"panScelta"_s);
    box->setFixedSize(520, 260);
    box->setStyleSheet(u"#panScelta { background: white; border: 1px solid #7FA3CC; border-radius: 6px; }"_s);
    outer->addStretch();
    outer->addWidget(box, 0, Qt::AlignCenter);
    outer->addStretch();
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(20, 16, 20, 16);
    column->addWidget(Controls::instruction(m_period == Period::Month
                                      ? u"Selezionare un mese dell'anno e premere Visualizza."_s
                                      : u"Selezionare un trimestre dell'anno e premere Visualizza."_s,
                                  box));
    auto* row = new QHBoxLayout;
    cboSelezione = new QComboBox(box);
    cboSelezione->setObjectName(u"cboSelezione"_s);
    cboSelezione->addItems(m_period == Period::Month ? RiepilogoRic::monthChoices()
                                                     : RiepilogoRic::quarterChoices());
    cboSelezione->setMinimumWidth(300);
    lblAnno = new QLabel(box);
    lblAnno->setObjectName(u"lblAnno"_s);
    lblAnno->setStyleSheet(u"font: bold 12pt 'Verdana'; color: #1F3A68; border: none;"_s);
    row->addWidget(cboSelezione);
    row->addWidget(lblAnno);
    row->addStretch();
    column->addLayout(row);
    btnVisualizza = Controls::button(u"Visualizza"_s, u"btnVisualizza"_s, box, kButton);
    column->addWidget(btnVisualizza, 0, Qt::AlignRight);
    column->addStretch();
    auto* bottom = new QHBoxLayout;
    icoGuida = new Picture(u"icoGuida"_s, u"help_button"_s, QSize(120, 44), box);
    icoGuida->setClickable(true);
    icoEsci = new Picture(u"icoEsci"_s, u"exit_button"_s, QSize(120, 44), box);
    icoEsci->setClickable(true);
    bottom->addWidget(icoGuida);
    bottom->addStretch();
    bottom->addWidget(icoEsci);
    column->addLayout(bottom);
    return panSelezione;
}

QWidget* RiepilogoScreen::buildResults()
{
    panContainer = new QWidget(this);
    panContainer->setObjectName(u"panContainer"_s);
    auto* results = new QVBoxLayout(panContainer);
    auto* typeRow = new QHBoxLayout;
    auto* typeCaption = new QLabel(u"Tipologia riepilogo:"_s, panContainer);
    typeCaption->setStyleSheet(u"font: bold 10pt 'Verdana';"_s);
    titTipologia = new QLabel(designType(m_period), panContainer);
    titTipologia->setObjectName(u"titTipologia"_s);
    titTipologia->setStyleSheet(u"font: bold 10pt 'Verdana'; color: #1F3A68;"_s);
    imgGuida = new Picture(u"imgGuida"_s, u"help"_s, QSize(32, 32), panContainer);
    imgGuida->setClickable(true);
    imgGuida->setToolTip(u"Guida"_s);
    typeRow->addWidget(typeCaption);
    typeRow->addWidget(titTipologia);
    typeRow->addStretch();
    typeRow->addWidget(imgGuida);
    results->addLayout(typeRow);
    // Enter in the find box does nothing special here, and an empty list is told in an
    // information box.
    m_results = new ListResults(panContainer, {Desktop::Kind::Information, false});
    txtTrova = m_results->txtTrova;
    btnTrova = m_results->btnTrova;
    lstRecords = m_results->lstRecords;
    results->addWidget(m_results, 1);

    auto* totalBar = new QWidget(panContainer);
    totalBar->setObjectName(u"panTotale"_s);
    totalBar->setStyleSheet(u"#panTotale { background: #F3F0E0; border: 1px solid #C8C0A0; }"_s);
    auto* totalRow = new QHBoxLayout(totalBar);
    auto* totalCaption = new QLabel(u"TOTALE:"_s, totalBar);
    totalCaption->setStyleSheet(u"font: bold 11pt 'Verdana';"_s);
    lblTotale = new QLabel(u"0,00"_s, totalBar);
    lblTotale->setObjectName(u"lblTotale"_s);
    lblTotale->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblTotale->setStyleSheet(u"font: bold 11pt 'Verdana'; color: #800000;"_s);
    totalRow->addWidget(totalCaption);
    totalRow->addStretch();
    totalRow->addWidget(lblTotale);
    results->addWidget(totalBar);

    auto* buttons = new QHBoxLayout;
    panInfo = new QLabel(u"Il presente riepilogo contiene 0 ricevute."_s, panContainer);
    panInfo->setObjectName(u"panInfo"_s);
    btnStampa = Controls::button(u"Stampa riepilogo"_s, u"btnStampa"_s, panContainer, kButton);
    btnEsci = Controls::button(u"Esci"_s, u"btnEsci"_s, panContainer, kButton);
    buttons->addWidget(panInfo, 1);
    buttons->addWidget(btnStampa);
    buttons->addWidget(btnEsci);
    results->addLayout(buttons);
    return panContainer;
}

void RiepilogoScreen::setArchive(const QString& path, const QString& year)
{
    m_path = path;
    m_year = year;
    m_handedOver = true;
    lblAnno->setText(Text::trimmed(year));
}

QString RiepilogoScreen::archivePath() const
{
    if (m_handedOver)
        return m_path;
    return frmRicevute->lblFile->text();
}

QString RiepilogoScreen::archiveYear() const
{
    // The annual summary reads the receipt screen's year; the other two their own lblAnno,
    // which their opener copies from it.
    if (m_period != Period::Year)
        return Text::trimmed(lblAnno->text());
    if (m_handedOver)
        return Text::trimmed(m_year);
    return Text::trimmed(frmRicevute->lblAnno->text());
}

void RiepilogoScreen::showEvent(QShowEvent* event)
{
    DialogScreen::showEvent(event);
    if (event->spontaneous())
        return;
    if (m_period == Period::Year)
        buildList();
    else
        cboSelezione->setCurrentIndex(0);
}

void RiepilogoScreen::closeEvent(QCloseEvent* event)
{
    m_results->clear();
    DialogScreen::closeEvent(event);
}

QStringList RiepilogoScreen::lines() const
{
    return m_results->lines();
}

void RiepilogoScreen::btnVisualizzaClick()
{
    buildList();
}

void RiepilogoScreen::buildList()
{
    m_results->setLines({});
    lblTotale->setText(u"0,00"_s);

    const QString year = archiveYear();
    const QString chosen = Text::trimmed(cboSelezione->currentText());
    m_summary = RiepilogoRic::build(archivePath(), year, m_period, chosen);
    if (m_summary.anyDated) {
        const QString lower = ListSearch::folded(chosen);
        QString type = u"Ricevute emesse nell'anno "_s + year;
        if (m_period == Period::Quarter)
            type = u"Ricevute emesse nel trimestre di "_s + lower + u" "_s + year;
        else if (m_period == Period::Month)
            type = u"Ricevute emesse nel mese di "_s + lower + u" "_s + year;
        titTipologia->setText(type);
    }
    // The lines are made as they are shown, from the archive the summary read.
    const QString path = archivePath();
    const QList<int> positions = m_summary.positions;
    m_results->setLines(int(positions.size()), [path, positions](int first, int count) {
        return RiepilogoRic::summaryLines(path, positions, first, count);
    });
    lblTotale->setText(RiepilogoRic::totalText(m_summary.total));
    const QString count = QString::number(m_summary.positions.size());
    if (m_summary.complete) {
        panInfo->setText(u"Il presente riepilogo contiene "_s + count + u" ricevute."_s);
    } else {
        // Instead of a total that looks complete: the list says where it stopped.
        panInfo->setText(u"Riepilogo incompleto: la lettura dell'archivio si è interrotta dopo "_s + count +
                         u" ricevute."_s);
        Desktop::warning(u"Attenzione: il riepilogo è incompleto perché non è stato possibile leggere tutto "
                         u"l'archivio ("_s +
                         m_summary.failure + u"). Il totale comprende soltanto le ricevute elencate."_s);
    }
    panContainer->show();
    txtTrova->setFocus(Qt::OtherFocusReason); // before the choice hides: see ListScreen
    panSelezione->hide();
    m_results->fitWindowToLines();
}

void RiepilogoScreen::btnTrovaClick()
{
    m_results->btnTrovaClick();
}

void RiepilogoScreen::btnStampaClick()
{
    QStringList printed = RiepilogoRic::printedLines(lines(), lblTotale->text());
    if (!m_summary.complete)
        printed.append(u"RIEPILOGO INCOMPLETO: l'archivio non è stato letto fino in fondo."_s);
    ReportDocument report = ListReport::create();
    ListReport::fill(report, u"Tipologia riepilogo: "_s + Text::trimmed(titTipologia->text()), printed);
    report.PrepareReport();
    ReportOutput::Print(report);
}

void RiepilogoScreen::imgGuidaClick()
{
    showHelp(this, {helpTitle(), u"riepiloghi"_s});
}

QString RiepilogoScreen::helpTitle()
{
    return u"Riepilogo ricevute di affitto."_s;
}

TfrmRiepAnnualeRic::TfrmRiepAnnualeRic(QWidget* owner)
    : RiepilogoScreen(Period::Year, Product::caption(u"Riepilogo annuale ricevute emesse"_s), owner)
{
    setObjectName(u"frmRiepAnnualeRic"_s);
}

TfrmRiepTrimestraleRic::TfrmRiepTrimestraleRic(QWidget* owner)
    : RiepilogoScreen(Period::Quarter, Product::caption(u"Riepilogo trimestrale ricevute emesse"_s), owner)
{
    setObjectName(u"frmRiepTrimestraleRic"_s);
}

TfrmRiepMensileRic::TfrmRiepMensileRic(QWidget* owner)
    : RiepilogoScreen(Period::Month, Product::caption(u"Riepilogo mensile ricevute emesse"_s), owner)
{
    setObjectName(u"frmRiepMensileRic"_s);
}
