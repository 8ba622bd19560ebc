#include "TfrmScadenze.h"

#include "Calendar.h"
#include "F24Prefill.h"
#include "card/CardProtocol.h"
#include "card/FieldBehaviour.h"
#include "card/ToolBar.h"
#include "f24/F24Screens.h"
#include "immobili/SchedaImmobile.h"
#include "immobili/TfrmImmobili.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/Desktop.h"
#include "platform/ExeFolder.h"
#include "platform/Formats.h"
#include "platform/Product.h"
#include "platform/TfrmGuida.h"
#include "report/ListReport.h"
#include "report/ListResults.h"
#include "report/ReportOutput.h"
#include "storage/ListSearch.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ScreenReference<TfrmScadenze> frmScadenze;

namespace {
const int kDays[] = {30, 90, 365};
constexpr int kTwoDates = 3;    // the last choice of cboPeriodo
constexpr int kFirstChoice = 1; // the next 90 days: this quarter's payments
} // namespace

TfrmScadenze::TfrmScadenze(QWidget* parent) : ApplicationScreen(Product::caption(u"Scadenze"_s), parent)
{
    setObjectName(u"frmScadenze"_s);
    Formats::apply();
    paintCardBackground(this);

    panInfo = cardInfoBar(this, u"Scadenze di tutti i contratti dell'archivio degli immobili."_s);

    auto* panel = new QWidget(this);
    panel->setObjectName(u"panScadenze"_s);
    panel->setStyleSheet(
        u"QWidget#panScadenze { background: white; border: 1px solid #7FA3CC; border-radius: 6px; }"
        u"QWidget#panScadenze QLabel { font-family: 'Verdana'; border: none; }"_s);
    auto* column = new QVBoxLayout(panel);
    column->addWidget(buildCriteria());
    m_results = new ListResults(panel, {Desktop::Kind::Plain, true});
    m_results->setFindInstruction(
        u"Immettere una o più parole consecutive presenti nella scadenza in elenco da cercare e premere il "
        u"pulsante Trova."_s);
    lstRecords = m_results->lstRecords;
    column->addWidget(m_results, 1);
    lblDettaglio = new QLabel(panel);
    lblDettaglio->setObjectName(u"lblDettaglio"_s);
    lblDettaglio->setWordWrap(true);
    lblDettaglio->setMinimumHeight(44);
    lblDettaglio->setStyleSheet(u"color: #1F3A68;"_s);
    column->addWidget(lblDettaglio);
    auto* foot = new QHBoxLayout;
    auto* hint =
        new QLabel(u"Per richiamare la scheda dell'immobile, selezionare la scadenza con un doppio clic. "
                   u"! scaduta, ? scheda da verificare."_s,
                   panel);
    hint->setStyleSheet(u"color: #DC143C;"_s);
    lblTrovate = new QLabel(panel);
    lblTrovate->setObjectName(u"lblTrovate"_s);
    foot->addWidget(hint);
    foot->addStretch();
    foot->addWidget(lblTrovate);
    column->addLayout(foot);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(8);
    layout->addWidget(buildToolBar());
    layout->addWidget(panel, 1);
    layout->addWidget(panInfo);
    FieldBehaviour::noHint(this, panInfo);

    connect(m_results, &ListResults::lineDoubleClicked, this, &TfrmScadenze::lstRecordsDblClick);
    connect(lstRecords->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { showDetail(); });
}

QWidget* TfrmScadenze::buildToolBar()
{
    auto* bar = new ToolBar(this, panInfo);
    bar->addGroup(QList<ToolBar::Button>{
        {"cmdPreparaF24", u"f24_prepare"_s, u"Prepara F24"_s,
         u"Prepara il Modello F24 ELIDE per l'imposta di registro della scadenza scelta."_s,
         [this] { cmdPreparaF24Click(); }}});
    bar->addGroup(QList<ToolBar::Button>{
        {"cmdStampa", u"print"_s, u"Stampa"_s, u"Stampa l'elenco delle scadenze."_s,
         [this] { cmdStampaClick(); }},
        {"cmdCalendario", u"calendar"_s, u"Esporta calendario"_s,
         u"Esporta le scadenze in un file di calendario da importare nel computer o nel telefono."_s,
         [this] { cmdCalendarioClick(); }}});
    bar->addStretch();
    bar->addHelpAndExit([this] { cmdGuidaClick(); });
    return bar;
}

QWidget* TfrmScadenze::buildCriteria()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    cboPeriodo = new QComboBox(row);
    cboPeriodo->setObjectName(u"cboPeriodo"_s);
    cboPeriodo->addItems(
        {u"Prossimi 30 giorni"_s, u"Prossimi 90 giorni"_s, u"Prossimi 365 giorni"_s, u"Dal ... al ..."_s});
    txtDal = new QLineEdit(row);
    txtDal->setObjectName(u"txtDal"_s);
    txtAl = new QLineEdit(row);
    txtAl->setObjectName(u"txtAl"_s);
    for (QLineEdit* field : {txtDal, txtAl}) {
        field->setMaxLength(10);
        field->setFixedWidth(110);
        field->setAlignment(Qt::AlignCenter);
        FieldBehaviour::highlight(field);
    }
    FieldBehaviour::enterMovesTo(txtDal, txtAl);
    cboTipo = new QComboBox(row);
    cboTipo->setObjectName(u"cboTipo"_s);
    cboTipo->addItems(Scadenzario::filterNames());
    btnAggiorna = Controls::button(u"Aggiorna"_s, u"btnAggiorna"_s, row, QSize(110, 0));
    FieldBehaviour::enterMovesTo(txtAl, btnAggiorna);
    layout->addWidget(new QLabel(u"Periodo:"_s, row));
    layout->addWidget(cboPeriodo);
    layout->addWidget(new QLabel(u"dal"_s, row));
    layout->addWidget(txtDal);
    layout->addWidget(new QLabel(u"al"_s, row));
    layout->addWidget(txtAl);
    layout->addSpacing(24);
    layout->addWidget(new QLabel(u"Scadenze:"_s, row));
    layout->addWidget(cboTipo);
    layout->addStretch();
    layout->addWidget(btnAggiorna);

    connect(cboPeriodo, &QComboBox::activated, this, [this] {
        const bool dates = cboPeriodo->currentIndex() == kTwoDates;
        txtDal->setEnabled(dates);
        txtAl->setEnabled(dates);
        if (dates)
            txtDal->setFocus(Qt::OtherFocusReason);
        else
            btnAggiornaClick();
    });
    connect(cboTipo, &QComboBox::activated, this, [this] { showLines(); });
    connect(btnAggiorna, &QPushButton::clicked, this, &TfrmScadenze::btnAggiornaClick);
    return row;
}

void TfrmScadenze::FormShow()
{
    cboPeriodo->setCurrentIndex(kFirstChoice);
    cboTipo->setCurrentIndex(0);
    const Scadenzario::Period next = Scadenzario::nextDays(Clock::today(), kDays[kFirstChoice]);
    txtDal->setText(Formats::date(next.from));
    txtAl->setText(Formats::date(next.to));
    txtDal->setEnabled(false);
    txtAl->setEnabled(false);
    btnAggiornaClick();
}

std::optional<Scadenzario::Period> TfrmScadenze::chosenPeriod()
{
    const QDate today = Clock::today();
    if (cboPeriodo->currentIndex() != kTwoDates) {
        const Scadenzario::Period next = Scadenzario::nextDays(today, kDays[cboPeriodo->currentIndex()]);
        txtDal->setText(Formats::date(next.from));
        txtAl->setText(Formats::date(next.to));
        return next;
    }
    const QDate from = Formats::parseLenientDate(txtDal->text(), today);
    const QDate to = Formats::parseLenientDate(txtAl->text(), today);
    QLineEdit* wrong = !from.isValid() ? txtDal : (!to.isValid() ? txtAl : nullptr);
    if (wrong) {
        Desktop::warning(u"Attenzione: la data indicata non esiste.\n\r\n\rIndicare le date del periodo nel "
                         u"formato gg/mm/anno."_s);
        wrong->setFocus(Qt::OtherFocusReason);
        return std::nullopt;
    }
    if (from > to) {
        Desktop::warning(u"Attenzione: la data di inizio del periodo viene dopo quella di fine."_s);
        txtDal->setFocus(Qt::OtherFocusReason);
        return std::nullopt;
    }
    txtDal->setText(Formats::date(from));
    txtAl->setText(Formats::date(to));
    return Scadenzario::Period{from, to};
}

void TfrmScadenze::btnAggiornaClick()
{
    const std::optional<Scadenzario::Period> period = chosenPeriod();
    if (!period)
        return;
    try {
        m_all = Scadenzario::collect(ExeFolder::path(), *period, Clock::today());
    } catch (const std::exception&) {
        Desktop::error(CardProtocol::accessMessage());
        return;
    }
    m_period = *period;
    showLines();
}

void TfrmScadenze::showLines()
{
    m_shown = Scadenzario::filtered(m_all, Scadenzario::Filter(cboTipo->currentIndex()));
    // The lines in view are made as they are shown: a year of a large archive has thousands.
    m_results->setLines(int(m_shown.size()), [this](int first, int count) {
        return Scadenzario::lines(m_shown.mid(first, count));
    });
    int overdue = 0;
    for (const Scadenzario::Deadline& d : std::as_const(m_shown))
        overdue += d.overdue ? 1 : 0;
    lblTrovate->setText(u"Scadenze in elenco: %1, di cui scadute: %2."_s.arg(m_shown.size()).arg(overdue));
    showDetail();
}

void TfrmScadenze::showDetail()
{
    const int row = m_results->currentRow();
    lblDettaglio->setText(row >= 0 && row < m_shown.size() ? Scadenzario::detail(m_shown.at(row))
                                                           : QString());
}

void TfrmScadenze::lstRecordsDblClick(int row)
{
    if (row < 0 || row >= m_shown.size())
        return;
    const qint64 position = m_shown.at(row).position;
    try {
        // The card of the line, by its position: two cards can give the same line.
        const Record card = ListSearch::recordAt(ExeFolder::file(SchedaImmobile::archiveName()),
                                                 SchedaImmobile::layout(), position);
        handOverTo(frmImmobili);
        frmImmobili->showCard(card, position);
    } catch (const std::exception&) {
        Desktop::error(CardProtocol::accessMessage());
    }
}

void TfrmScadenze::cmdPreparaF24Click()
{
    const int row = m_results->currentRow();
    if (row < 0 || row >= m_shown.size() || !m_shown.at(row).tax) {
        Desktop::information(u"Per preparare il Modello F24 ELIDE selezionare nell'elenco un versamento "
                             u"dell'imposta di registro."_s);
        return;
    }
    const Scadenzario::Deadline deadline = m_shown.at(row);
    Record card(SchedaImmobile::layout());
    try {
        card = ListSearch::recordAt(ExeFolder::file(SchedaImmobile::archiveName()), SchedaImmobile::layout(),
                                    deadline.position);
    } catch (const std::exception&) {
        Desktop::error(CardProtocol::accessMessage());
        return;
    }
    const F24Prefill::Form form = F24Prefill::forTax(card, *deadline.tax);
    handOverTo(frmModello_F24_Elide);
    frmModello_F24_Elide->prepareNewForm(card, form.fields);
    if (!form.warning.isEmpty())
        Desktop::warning(form.warning);
}

void TfrmScadenze::cmdStampaClick()
{
    ReportDocument report = ListReport::create();
    ListReport::fill(report, Scadenzario::title(m_period), m_results->lines());
    ReportOutput::Print(report);
}

QString TfrmScadenze::calendarFile()
{
    return ExeFolder::file(u"Scadenze.ics"_s);
}

void TfrmScadenze::cmdCalendarioClick()
{
    const QString path = calendarFile();
    try {
        Calendar::write(path, m_shown, QDateTime(Clock::today(), QTime(0, 0), Qt::UTC));
    } catch (const std::exception&) {
        Desktop::plain(u"Attenzione: il sistema non permette di esportare il calendario.\n\r\n\r"
                       u"Accertarsi che nella cartella del programma si possa scrivere."_s);
        return;
    }
    if (Desktop::confirm(
            u"Le scadenze in elenco sono state esportate nel file Scadenze.ics, da importare nel "
            u"programma di calendario.\r\n\r\nSi vuole aprire il file?"_s))
        TMisc::Open(u"\""_s + path + u"\""_s);
}

void TfrmScadenze::cmdGuidaClick()
{
    showHelp(this, help());
}

const HelpTopic& TfrmScadenze::help()
{
    static const HelpTopic topic{u"Scadenze dei contratti."_s, u"scadenze"_s};
    return topic;
}
