#include "TfrmStatisticheRic.h"

#include "ChartModule.h"
#include "StatisticheRic.h"
#include "card/FieldBehaviour.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/ExeFolder.h"
#include "platform/Failure.h"
#include "platform/Formats.h"
#include "platform/HelpTopics.h"
#include "platform/Picture.h"
#include "platform/PrintDialog.h"
#include "platform/Product.h"
#include "platform/Text.h"
#include "platform/TfrmGuida.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
const QString kPanelStyle = u"background: white; border: 1px solid #7FA3CC; border-radius: 6px;"_s;
}

TfrmStatisticheRic::TfrmStatisticheRic(QWidget* parent)
    : ApplicationScreen(Product::caption(u"Statistiche ricevute emesse"_s), parent)
{
    setObjectName(u"frmStatisticheRic"_s);
    // FormCreate
    Formats::apply();
    setAutoFillBackground(true);
    setPalette(QPalette(QColor(0xE4, 0xEC, 0xF5)));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildYearPanel());
    layout->addWidget(buildChartPanel());

    lblFile = new QLabel(this);
    lblFile->setObjectName(u"lblFile"_s);
    lblFile->hide();
    for (const QString& month : StatisticheRic::monthNames()) {
        auto* label = new QLabel(this);
        label->setObjectName(u"mem"_s + month);
        label->hide();
        memMesi.append(label);
    }

    txtAnno->setMaxLength(4);
    FieldBehaviour::highlight(txtAnno);
    FieldBehaviour::digitsOnly(txtAnno, btnApri);
    FieldBehaviour::hint(btnBarre, panInfo,
                         u"Visualizza le statistiche degli affitti percepiti sotto forma di grafico a barre "
                         u"tridimensionali."_s);
    FieldBehaviour::hint(btnTorta, panInfo,
                         u"Visualizza le statistiche degli affitti percepiti sotto forma di grafico a torta "
                         u"tridimensionale."_s);
    FieldBehaviour::hint(btnStampa, panInfo, u"Stampa il grafico corrente."_s);
    FieldBehaviour::hint(btnEsci, panInfo, u"Esci da questo ambiente di lavoro."_s);
    FieldBehaviour::hint(cmdGuida, panInfo, u"Visualizza la pagina della guida sensibile al contesto."_s);
    FieldBehaviour::noHint(this, panInfo);
    FieldBehaviour::noHint(panContainer, panInfo);

    connect(btnApri, &QPushButton::clicked, this, &TfrmStatisticheRic::btnApriClick);
    connect(btnBarre, &QPushButton::clicked, this, &TfrmStatisticheRic::btnBarreClick);
    connect(btnTorta, &QPushButton::clicked, this, &TfrmStatisticheRic::btnTortaClick);
    connect(btnStampa, &QPushButton::clicked, this, &TfrmStatisticheRic::btnStampaClick);
    connect(btnEsci, &QPushButton::clicked, this, &QWidget::close);
    connect(imgEsci, &Picture::clicked, this, &QWidget::close);
    connect(imgGuida, &Picture::clicked, this, &TfrmStatisticheRic::imgGuidaClick);
    connect(cmdGuida, &Picture::clicked, this, &TfrmStatisticheRic::imgGuidaClick);
}

QWidget* TfrmStatisticheRic::buildYearPanel()
{
    panAvvio = new QWidget(this);
    panAvvio->setObjectName(u"panAvvio"_s);
    auto* outer = new QGridLayout(panAvvio);
    auto* box = new QWidget(panAvvio);
    box->setObjectName(u"panAnno"_s);
    box->setFixedSize(440, 300);
    box->setStyleSheet(u"#panAnno { "_s + kPanelStyle + u" }"_s);
    outer->addWidget(box, 0, 0, Qt::AlignCenter);

    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(24, 18, 24, 18);
    auto* top = new QHBoxLayout;
    top->addWidget(new Picture(u"imgGrafico"_s, u"chart"_s, QSize(64, 64), box));
    auto* title = new QLabel(u"Statistiche ricevute emesse"_s, box);
    title->setStyleSheet(u"font: bold 14pt 'Verdana'; color: #1F3A68; border: none;"_s);
    top->addWidget(title);
    top->addStretch();
    column->addLayout(top);
    auto* instruction = new QLabel(u"Indicare l'anno solare e premere Apri."_s, box);
    instruction->setObjectName(u"lblIstruzioni"_s);
    instruction->setStyleSheet(u"font: 10pt 'Verdana'; border: none;"_s);
    column->addWidget(instruction);

    auto* row = new QHBoxLayout;
    auto* caption = new QLabel(u"Anno:"_s, box);
    caption->setStyleSheet(u"font: bold 16pt 'Verdana'; color: #1F3A68; border: none;"_s);
    txtAnno = new QLineEdit(box);
    txtAnno->setObjectName(u"txtAnno"_s);
    txtAnno->setFont(QFont(u"Verdana"_s, 14, QFont::Bold));
    txtAnno->setFixedWidth(90);
    txtAnno->setAlignment(Qt::AlignCenter);
    btnApri = new QPushButton(u"Apri"_s, box);
    btnApri->setObjectName(u"btnApri"_s);
    btnApri->setMinimumHeight(34);
    row->addWidget(caption);
    row->addWidget(txtAnno);
    row->addStretch();
    row->addWidget(btnApri);
    column->addLayout(row);
    column->addStretch();

    auto* bottom = new QHBoxLayout;
    imgGuida = new Picture(u"imgGuida"_s, u"help_button"_s, QSize(120, 44), box);
    imgGuida->setToolTip(u"Guida"_s);
    imgGuida->setClickable(true);
    imgEsci = new Picture(u"imgEsci"_s, u"exit_button"_s, QSize(120, 44), box);
    imgEsci->setToolTip(u"Esci"_s);
    imgEsci->setClickable(true);
    bottom->addWidget(imgGuida);
    bottom->addStretch();
    bottom->addWidget(imgEsci);
    column->addLayout(bottom);
    return panAvvio;
}

QWidget* TfrmStatisticheRic::buildChartPanel()
{
    panContainer = new QWidget(this);
    panContainer->setObjectName(u"panContainer"_s);
    auto* column = new QVBoxLayout(panContainer);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* band = new QWidget(panContainer);
    band->setAutoFillBackground(true);
    band->setPalette(QPalette(QColor(0x1F, 0x3A, 0x68)));
    auto* bandColumn = new QVBoxLayout(band);
    bandColumn->setContentsMargins(16, 8, 16, 8);
    lblTitolo = new QLabel(band);
    lblTitolo->setObjectName(u"lblTitolo"_s);
    lblTitolo->setStyleSheet(u"color: white; font: bold 14pt 'Verdana';"_s);
    bandColumn->addWidget(lblTitolo);
    for (const QString& line :
         {u"Il presente grafico statistico mostra gli incassi relativi a ciascun mese dell'anno in base alle "
          u"ricevute emesse."_s,
          u"Servirsi dei pulsanti in calce per visualizzare il tipo di grafico desiderato e per mandarlo in "
          u"stampa."_s}) {
        auto* label = new QLabel(line, band);
        label->setStyleSheet(u"color: white; font: 9pt 'Verdana';"_s);
        bandColumn->addWidget(label);
    }
    column->addWidget(band);

    try {
        m_chart =
            ChartModule::make(panContainer, {StatisticheRic::monthNames(), StatisticheRic::monthColours()});
        ChartStats = m_chart->view();
    } catch (const std::exception& failure) {
        // The screen still opens; "Apri" says why no chart can be shown.
        m_chartMissing = QString::fromUtf8(failure.what());
        ChartStats = new QLabel(m_chartMissing, panContainer);
        ChartStats->setObjectName(u"ChartStats"_s);
    }
    column->addWidget(ChartStats, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(12, 8, 12, 8);
    cmdGuida = new Picture(u"cmdGuida"_s, u"help"_s, QSize(32, 32), panContainer);
    cmdGuida->setToolTip(u"Guida"_s);
    cmdGuida->setClickable(true);
    buttons->addWidget(cmdGuida);
    buttons->addStretch();
    btnTorta = new QPushButton(u"Visualizza grafico a torta"_s, panContainer);
    btnTorta->setObjectName(u"btnTorta"_s);
    btnBarre = new QPushButton(u"Visualizza grafico a barre"_s, panContainer);
    btnBarre->setObjectName(u"btnBarre"_s);
    btnStampa = new QPushButton(Pictures::icon(u"print"_s), u"Stampa grafico"_s, panContainer);
    btnStampa->setObjectName(u"btnStampa"_s);
    btnEsci = new QPushButton(Pictures::icon(u"exit"_s), u"Esci"_s, panContainer);
    btnEsci->setObjectName(u"btnEsci"_s);
    for (QPushButton* b : {btnTorta, btnBarre, btnStampa, btnEsci}) {
        b->setMinimumSize(190, 34);
        buttons->addWidget(b);
    }
    column->addLayout(buttons);

    panInfo = new QLabel(u"Grafico statistico degli incassi annuali."_s, panContainer);
    panInfo->setObjectName(u"panInfo"_s);
    panInfo->setMinimumHeight(24);
    panInfo->setContentsMargins(8, 0, 8, 0);
    panInfo->setStyleSheet(u"background: #1F3A68; color: white; font: 9pt 'Verdana';"_s);
    column->addWidget(panInfo);
    return panContainer;
}

void TfrmStatisticheRic::FormShow()
{
    txtAnno->setText(Formats::year(Clock::today()));
    txtAnno->setFocus(Qt::OtherFocusReason);
    if (m_chart)
        m_chart->setValues(QList<qint64>(12, 0));
    panAvvio->show();
    panContainer->hide();
    txtAnno->setFocus(Qt::OtherFocusReason);
}

void TfrmStatisticheRic::btnApriClick()
{
    // Only four digits name an archive, as on the receipts menu: a pasted "../a" would name a
    // file outside the program's folder.
    const QString typed = txtAnno->text();
    const bool fourDigits = typed.size() == 4 && std::all_of(typed.begin(), typed.end(),
                                                             [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!fourDigits) {
        Desktop::warning(u"Attenzione: indicare l'anno solare utilizzando quattro cifre."_s);
        txtAnno->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!m_chart) {
        Desktop::error(m_chartMissing);
        return;
    }
    const QString year = Text::trimmed(typed);
    lblFile->setText(ExeFolder::file(year + u".ric"_s));
    lblTitolo->setText(u"Rappresentazione grafica delle ricevute emesse nell'anno "_s + year + u"."_s);
    for (QLabel* label : memMesi)
        label->setText(u"0"_s);

    // Nothing is caught: a failure reaches the default error report with the year panel in front.
    const StatisticheRic::MonthTotals totals = StatisticheRic::monthTotals(lblFile->text(), year);
    QList<qint64> values;
    for (int m = 0; m < 12; ++m) {
        const QString whole = StatisticheRic::toWholeEuros(totals[m]).toText();
        memMesi[m]->setText(whole);
        values.append(whole.toLongLong());
    }
    m_chart->setValues(values);
    // The chart's buttons take the focus before the year panel hides, so it never passes
    // through another control on the way.
    panContainer->show();
    btnBarre->setFocus(Qt::OtherFocusReason);
    panAvvio->hide();
}

void TfrmStatisticheRic::btnBarreClick()
{
    if (m_chart)
        m_chart->setPie(false);
}

void TfrmStatisticheRic::btnTortaClick()
{
    if (m_chart)
        m_chart->setPie(true);
}

void TfrmStatisticheRic::btnStampaClick()
{
    if (!m_chart)
        return; // no chart shown, nothing to print
    if (!Desktop::confirm(u"Si vuole stampare il presente grafico statistico?"_s))
        return;
    const std::optional<QString> answer =
        Desktop::backend().inputBox(u"Numero copie da stampare"_s, u"Copie:"_s, u"1"_s);
    if (!answer)
        return;
    const std::optional<int> copies = StatisticheRic::copiesToPrint(*answer);
    if (!copies) {
        Desktop::warning(u"Attenzione: si possono stampare al massimo 99 copie del grafico."_s);
        return;
    }

    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(u"Statistiche incassi annuali"_s);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setCopyCount(*copies);
    if (!PrintDialog::ask(printer, 1))
        return;
    // One job per copy, one chart per page; the printer itself makes one copy of each.
    const int jobs = std::clamp(printer.copyCount(), 1, StatisticheRic::maxCopies);
    printer.setCopyCount(1);
    printer.setPageOrientation(QPageLayout::Landscape);
    for (int job = 0; job < jobs; ++job) {
        QPainter painter;
        if (!painter.begin(&printer))
            throw Failure(u"Impossibile stampare sulla stampante \""_s + printer.printerName() + u"\"."_s);
        const QRectF page(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
        const QSizeF points = printer.pageRect(QPrinter::Point).size();
        m_chart->renderCopy(painter, page, points * (96.0 / 72.0));
        painter.end();
        ++m_printJobs;
    }
}

void TfrmStatisticheRic::imgGuidaClick()
{
    showHelp(this, {helpTitle(), u"statistiche"_s});
}

QString TfrmStatisticheRic::helpTitle()
{
    return u"Grafici statistici affitti mensili."_s;
}
