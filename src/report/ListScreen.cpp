#include "ListScreen.h"

#include "ListReport.h"
#include "ListResults.h"
#include "ReportOutput.h"
#include "card/CardProtocol.h"
#include "card/FieldBehaviour.h"
#include "platform/Controls.h"
#include "platform/Desktop.h"
#include "platform/Formats.h"
#include "platform/Picture.h"
#include "platform/Text.h"
#include "storage/ListSearch.h"

#include <QCloseEvent>
#include <QShowEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// Every button of a list screen at least this wide.
constexpr QSize kButton{110, 0};

} // namespace

ListScreen::ListScreen(const QString& caption, const QString& printTitle, QWidget* owner)
    : DialogScreen(caption, owner), m_printTitle(printTitle)
{
    Formats::apply();
    // Resized and maximised at will: the list grows with the window.
    setWindowFlags(windowFlags() | Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    resize(1000, 640);
    auto* layout = new QVBoxLayout(this);
    auto* strip = new QHBoxLayout;
    strip->addWidget(new Picture(u"imgLogo"_s, u"logo"_s, QSize(260, 61), this));
    strip->addStretch();
    layout->addLayout(strip);

    // Criteria panel.
    panAvvio = new QWidget(this);
    panAvvio->setObjectName(u"panAvvio"_s);
    auto* criteriaLayout = new QVBoxLayout(panAvvio);
    criteriaLayout->addWidget(
        Controls::instruction(u"Immettere nei campi prescelti una o più parole consecutive presenti nelle "
                    u"schede da trovare e premere il pulsante Cerca."_s,
                    panAvvio));
    criteriaLayout->addWidget(Controls::instruction(u"Lasciare in bianco tutti gli altri campi."_s, panAvvio));
    criteriaLayout->addWidget(Controls::instruction(
        u"Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente."_s, panAvvio));
    auto* grid = new QGridLayout;
    grid->setObjectName(u"criteriaGrid"_s);
    grid->setHorizontalSpacing(24);
    criteriaLayout->addLayout(grid);
    criteriaLayout->addStretch();
    lblAttendere = new QLabel(u"Ricerca schede in corso. Attendere..."_s, panAvvio);
    lblAttendere->setObjectName(u"lblAttendere"_s);
    lblAttendere->setStyleSheet(u"color: #DC143C; font-weight: bold;"_s);
    lblAttendere->hide();
    auto* criteriaButtons = new QHBoxLayout;
    criteriaButtons->addWidget(lblAttendere);
    criteriaButtons->addStretch();
    btnAnnulla = Controls::button(u"Chiudi"_s, u"btnAnnulla"_s, panAvvio, kButton);
    btnCerca = Controls::button(u"Cerca"_s, u"btnCerca"_s, panAvvio, kButton);
    criteriaButtons->addWidget(btnAnnulla);
    criteriaButtons->addWidget(btnCerca);
    criteriaLayout->addLayout(criteriaButtons);
    layout->addWidget(panAvvio);

    // Result panel.
    panContainer = new QWidget(this);
    panContainer->setObjectName(u"panContainer"_s);
    auto* results = new QVBoxLayout(panContainer);
    m_results = new ListResults(panContainer, {Desktop::Kind::Plain, true});
    txtTrova = m_results->txtTrova;
    btnTrova = m_results->btnTrova;
    lstRecords = m_results->lstRecords;
    results->addWidget(m_results, 1);
    auto* hint =
        new QLabel(u"Per richiamare i dati di una scheda, selezionarla con un doppio clic."_s, panContainer);
    hint->setStyleSheet(u"color: #DC143C;"_s);
    results->addWidget(hint);
    auto* resultButtons = new QHBoxLayout;
    lblTrovate = new QLabel(panContainer);
    lblTrovate->setObjectName(u"lblTrovate"_s);
    btnChiudi = Controls::button(u"Chiudi"_s, u"btnChiudi"_s, panContainer, kButton);
    btnStampa = Controls::button(u"Stampa"_s, u"btnStampa"_s, panContainer, kButton);
    resultButtons->addWidget(lblTrovate);
    resultButtons->addStretch();
    resultButtons->addWidget(btnChiudi);
    resultButtons->addWidget(btnStampa);
    results->addLayout(resultButtons);
    layout->addWidget(panContainer, 1);
    panContainer->hide();

    lblConta = new QLabel(this);
    lblConta->setObjectName(u"lblConta"_s);
    lblConta->hide();
    lblMemory = new QLabel(this);
    lblMemory->setObjectName(u"lblMemory"_s);
    lblMemory->hide();

    connect(btnCerca, &QPushButton::pressed, this, [this] {
        lblAttendere->show();
        lblAttendere->repaint(); // visible while the search runs
    });
    connect(btnCerca, &QPushButton::clicked, this, &ListScreen::btnCercaClick);
    connect(btnStampa, &QPushButton::clicked, this, &ListScreen::btnStampaClick);
    connect(m_results, &ListResults::lineDoubleClicked, this, &ListScreen::lstRecordsDblClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::close);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::close);
}

void ListScreen::setCriteria(const QList<Criterion>& criteria)
{
    auto* grid = panAvvio->findChild<QGridLayout*>(u"criteriaGrid"_s);
    for (int i = 0; i < criteria.size(); ++i) {
        auto* caption = new QLabel(criteria[i].caption, panAvvio);
        auto* field = new QLineEdit(panAvvio);
        field->setObjectName(criteria[i].controlName);
        FieldBehaviour::highlight(field);
        grid->addWidget(caption, (i / 2) * 2, i % 2);
        grid->addWidget(field, (i / 2) * 2 + 1, i % 2);
        m_criteria.append(field);
    }
    for (int i = 0; i < m_criteria.size(); ++i)
        FieldBehaviour::enterMovesTo(m_criteria[i], m_criteria[(i + 1) % m_criteria.size()]);
}

QStringList ListScreen::criteriaTexts() const
{
    QStringList texts;
    for (QLineEdit* field : m_criteria)
        texts.append(field->text());
    return texts;
}

QStringList ListScreen::lines() const
{
    return m_results->lines();
}

void ListScreen::showEvent(QShowEvent* event)
{
    DialogScreen::showEvent(event);
    if (event->spontaneous()) // shown again by the window system, not opened: nothing resets
        return;
    m_results->resetFind();
    m_results->setCurrentRow(0);
    txtTrova->clear();
    if (!m_criteria.isEmpty())
        m_criteria.front()->setFocus(Qt::OtherFocusReason);
}

void ListScreen::closeEvent(QCloseEvent* event)
{
    m_results->clear();
    m_positions.clear();
    lblAttendere->hide();
    DialogScreen::closeEvent(event);
}

void ListScreen::btnCercaClick()
{
    const QStringList criteria = criteriaTexts();
    lblConta->setText(QString::number(ListSearch::usedCriteria(criteria)));
    Found found;
    try {
        found = find(criteria);
    } catch (const std::exception&) {
        lblAttendere->hide();
        Desktop::show(m_accessFailureKind, CardProtocol::accessMessage());
        return;
    }
    m_positions = found.positions;
    if (found.makeLines)
        m_results->replaceLines(int(found.positions.size()), found.makeLines);
    else
        m_results->replaceLines(found.lines);
    lblTrovate->setText(u"Il presente riepilogo contiene "_s + QString::number(found.positions.size()) +
                        u" schede."_s);
    // The results take the focus before the criteria hide, so it never passes through another
    // control on the way.
    panContainer->show();
    txtTrova->clear();
    txtTrova->setFocus(Qt::OtherFocusReason);
    panAvvio->hide();
    results()->fitWindowToLines();
}

ListScreen::Found ListScreen::find(const QStringList& criteria)
{
    Found found;
    for (const ListSearch::ListLine& line : search(criteria)) {
        found.lines.append(line.text);
        found.positions.append(line.position);
    }
    return found;
}

QList<ListSearch::ListLine> ListScreen::search(const QStringList&)
{
    return {};
}

void ListScreen::btnTrovaClick()
{
    m_results->btnTrovaClick();
}

void ListScreen::btnStampaClick()
{
    ReportDocument report = ListReport::create();
    ListReport::fill(report, m_printTitle, lines());
    ReportOutput::Print(report);
}

void ListScreen::lstRecordsDblClick(int row)
{
    // Whatever fails here closes the screen without a word.
    try {
        if (row >= 0 && row < m_positions.size())
            handOver({m_results->line(row), m_positions[row]});
    } catch (const std::exception&) {
    }
    close();
}
