#include "TfrmGeneraRic.h"

#include "immobili/SchedaImmobile.h"
#include "platform/Controls.h"
#include "platform/Formats.h"
#include "platform/Text.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
const QStringList& periods()
{
    return SchedaImmobile::field(u"Periodicita"_s).vocabulary; // monthly, quarterly, half-yearly
}
} // namespace

TfrmGeneraRic::TfrmGeneraRic(QWidget* owner) : DialogScreen(u" Genera ricevute dell'anno"_s, owner)
{
    setObjectName(u"frmGeneraRic"_s);
    Formats::apply();
    fixClientSize(760, 600);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 14);
    layout->setSpacing(10);
    layout->addWidget(Controls::titlePicture(
        u"Genera ricevute dell'anno"_s,
        u"Le ricevute elencate saranno inserite in archivio tutte insieme, una per ogni rata del canone, "
        u"non saldate. Controllare l'elenco e premere \"Genera ricevute\", oppure \"Annulla\" per non "
        u"inserirne nessuna."_s,
        this));

    auto* body = new QVBoxLayout;
    body->setContentsMargins(14, 0, 14, 0);
    lblContratto = new QLabel(this);
    lblContratto->setObjectName(u"lblContratto"_s);
    lblContratto->setWordWrap(true);
    lblContratto->setTextFormat(Qt::PlainText);
    body->addWidget(lblContratto);

    auto* choices = new QHBoxLayout;
    cboPeriodicita = new QComboBox(this);
    cboPeriodicita->setObjectName(u"cboPeriodicita"_s);
    cboPeriodicita->addItems(periods());
    txtGiorno = new QSpinBox(this);
    txtGiorno->setObjectName(u"txtGiorno"_s);
    txtGiorno->setRange(1, 31);
    choices->addWidget(new QLabel(u"Periodicità:"_s, this));
    choices->addWidget(cboPeriodicita, 1);
    choices->addSpacing(16);
    choices->addWidget(new QLabel(u"Giorno di scadenza della rata:"_s, this));
    choices->addWidget(txtGiorno);
    body->addLayout(choices);

    lblAvviso = new QLabel(this);
    lblAvviso->setObjectName(u"lblAvviso"_s);
    lblAvviso->setWordWrap(true);
    lblAvviso->setStyleSheet(u"color: crimson;"_s);
    lblAvviso->hide();
    body->addWidget(lblAvviso);

    lstRecords = new QTreeWidget(this);
    lstRecords->setObjectName(u"lstRecords"_s);
    lstRecords->setHeaderLabels({u"Numero"_s, u"Data"_s, u"Causale"_s, u"Importo"_s});
    lstRecords->setRootIsDecorated(false);
    lstRecords->setSelectionMode(QAbstractItemView::NoSelection);
    lstRecords->header()->setStretchLastSection(false);
    lstRecords->header()->setSectionResizeMode(2, QHeaderView::Stretch);
    lstRecords->setColumnWidth(0, 80);
    lstRecords->setColumnWidth(1, 100);
    lstRecords->setColumnWidth(3, 110);
    lstRecords->headerItem()->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    body->addWidget(lstRecords, 1);

    lblEscluse = new QLabel(this);
    lblEscluse->setObjectName(u"lblEscluse"_s);
    lblEscluse->setWordWrap(true);
    lblEscluse->setTextFormat(Qt::PlainText);
    body->addWidget(lblEscluse);
    layout->addLayout(body, 1);

    btnAnnulla = Controls::button(u"Annulla"_s, u"btnAnnulla"_s, this, QSize(0, 32));
    btnGenera = Controls::button(u"Genera ricevute"_s, u"btnGenera"_s, this, QSize(0, 32));
    layout->addLayout(Controls::buttonRow(btnAnnulla, btnGenera));

    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnGenera, &QPushButton::clicked, this, &TfrmGeneraRic::btnGeneraClick);
    connect(cboPeriodicita, &QComboBox::currentIndexChanged, this, &TfrmGeneraRic::refresh);
    connect(txtGiorno, &QSpinBox::valueChanged, this, &TfrmGeneraRic::refresh);
}

void TfrmGeneraRic::setContract(const Record& card, int year, QList<Instalments::Receipt> receipts, int firstNumber)
{
    m_card = card;
    m_year = year;
    m_receipts = std::move(receipts);
    m_firstNumber = firstNumber;
    const auto text = [&card](const char* field) { return Text::trimmed(card.text(QString::fromLatin1(field))); };
    lblContratto->setText(u"Anno "_s + QString::number(year) + u" - Conduttore: "_s + text("CognomeCon01") + u' ' +
                          text("NomeCon01") + u" (C.F. "_s + text("CodFiscCon01") + u") - Contratto: "_s +
                          text("CodContratto") + u"\nImmobile: "_s + text("Immobile"));

    QStringList unread;
    const QString periodicita = text("Periodicita");
    const auto frequency = Instalments::frequency(periodicita);
    const QSignalBlocker periodBlock(cboPeriodicita), dayBlock(txtGiorno);
    cboPeriodicita->setCurrentIndex(-1);
    for (qsizetype i = 0; frequency && i < periods().size(); ++i) {
        if (Instalments::frequency(periods()[i]) == frequency)
            cboPeriodicita->setCurrentIndex(int(i));
    }
    if (!frequency)
        unread << u"La periodicità della rata indicata nella scheda (\""_s + periodicita +
                      u"\") non è riconosciuta: sceglierla qui sopra."_s;
    const auto day = Instalments::dueDay(text("ScadeRata"));
    txtGiorno->setValue(day.value_or(1));
    if (!day)
        unread << u"La scadenza della rata indicata nella scheda (\""_s + text("ScadeRata") +
                      u"\") non è un giorno del mese: è proposto il giorno 1."_s;
    lblAvviso->setText(unread.join(u'\n'));
    lblAvviso->setVisible(!unread.isEmpty());
    refresh();
}

void TfrmGeneraRic::refresh()
{
    lstRecords->clear();
    m_plan.reset();
    const int chosen = cboPeriodicita->currentIndex();
    if (!m_card || chosen < 0) {
        lblEscluse->setText(u"Scegliere la periodicità della rata per vedere le ricevute da generare."_s);
        btnGenera->setEnabled(false);
        return;
    }
    const auto frequency = *Instalments::frequency(periods()[chosen]);
    m_plan = YearReceipts::plan(*m_card, frequency, txtGiorno->value(), m_year, m_receipts);
    // Every instalment of the year in its order: those left out in grey, with the reason.
    QList<std::pair<Instalments::Instalment, QString>> rows;
    for (const Instalments::Instalment& instalment : m_plan->toMake)
        rows.append({instalment, QString()});
    for (const YearReceipts::LeftOut& out : m_plan->leftOut)
        rows.append({out.instalment, out.why});
    std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.first.number < b.first.number; });
    const QString amount = YearReceipts::amount(*m_card);
    int number = m_firstNumber;
    for (const auto& [instalment, why] : rows) {
        const QString date = Formats::date(instalment.due);
        auto* item =
            why.isEmpty()
                ? new QTreeWidgetItem(lstRecords, {QString::number(number++), date,
                                                   YearReceipts::reason(frequency, instalment), amount})
                : new QTreeWidgetItem(lstRecords, {u"esclusa"_s, date,
                                                   YearReceipts::periodWords(frequency, instalment) + u": "_s + why,
                                                   QString()});
        item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
        item->setToolTip(2, item->text(2));
        if (!why.isEmpty()) {
            for (int column = 0; column < 4; ++column)
                item->setForeground(column, QColor(0x80, 0x80, 0x80));
        }
    }
    QString summary = m_plan->toMake.isEmpty()
                          ? u"Nessuna ricevuta da generare: ogni rata dell'anno è esclusa."_s
                          : u"Ricevute da generare: "_s + QString::number(m_plan->toMake.size()) + u'.';
    if (!m_plan->leftOut.isEmpty())
        summary += u" Rate escluse (in grigio nell'elenco, con il motivo): "_s +
                   QString::number(m_plan->leftOut.size()) + u'.';
    lblEscluse->setText(summary);
    btnGenera->setEnabled(!m_plan->toMake.isEmpty());
}

void TfrmGeneraRic::btnGeneraClick()
{
    if (!m_plan || m_plan->toMake.isEmpty())
        return;
    const YearReceipts::Plan plan = *m_plan;
    accept();
    if (m_confirmed)
        m_confirmed(plan);
}
