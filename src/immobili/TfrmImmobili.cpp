#include "TfrmImmobili.h"

#include "ImmobiliCardLayout.h"
#include "ImmobiliScreens.h"
#include "SchedaImmobile.h"
#include "SchedaReport.h"
#include "TfrmAllegaCartella.h"
#include "TfrmExpImmobili.h"
#include "TfrmTrovaImmobili.h"
#include "card/CardSections.h"
#include "card/FieldBehaviour.h"
#include "card/ToolBar.h"
#include "checks/CheckScreens.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/ExeFolder.h"
#include "platform/Formats.h"
#include "platform/HelpTopics.h"
#include "platform/Picture.h"
#include "platform/Product.h"
#include "platform/Text.h"
#include "platform/TfrmGuida.h"
#include "report/ReportOutput.h"
#include "report/ReportPdf.h"
#include "storage/ArchiveFile.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TfrmImmobili::TfrmImmobili(QWidget* parent)
    : ApplicationScreen(Product::caption(u"Archivio immobili"_s), parent)
{
    setObjectName(u"frmImmobili"_s);
    Formats::apply();
    setAutoFillBackground(true);
    setPalette(QPalette(QColor(0xE4, 0xEC, 0xF5)));

    m_form = std::make_unique<CardForm>(SchedaImmobile::fields(), this);

    panInfo = new QLabel(u"Pronto per archiviare una nuova scheda..."_s, this);
    panInfo->setObjectName(u"panInfo"_s);
    panInfo->setStyleSheet(u"background: #6A5ACD; color: white; font: 12pt; padding: 4px 10px;"_s);
    panInfo->setMinimumHeight(30);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(8);
    layout->addWidget(buildToolBar());
    addFieldHelpers();
    m_sections = new CardSections(*m_form, ImmobiliCardLayout::sections(), panInfo, this);
    layout->addWidget(buildSectionHeaders());
    layout->addWidget(m_sections->panels(), 1);
    layout->addWidget(panInfo);

    m_form->applyBehaviours();
    FieldBehaviour::noHint(this, panInfo);
    FieldBehaviour::noHint(panInfo, panInfo);

    m_protocol = std::make_unique<CardProtocol>(CardProtocol::Card{
        [] { return ExeFolder::file(SchedaImmobile::archiveName()); }, &SchedaImmobile::layout(),
        lblPosizione, [this](Record& r) { m_form->fillRecord(r); },
        [this](const Record& r) { m_form->showRecord(r); }, Desktop::Kind::Warning, Desktop::Kind::Error});
}

TfrmImmobili::~TfrmImmobili() = default;

QWidget* TfrmImmobili::field(const char* name) const
{
    return m_form->control(QString::fromLatin1(name));
}

QWidget* TfrmImmobili::buildToolBar()
{
    auto* bar = new ToolBar(this, panInfo);
    bar->addGroup(QList<ToolBar::Button>{
        {"cmdNuovo", u"new"_s, u"Nuovo"_s, u"Prepara la schermata per l'inserimento di una nuova scheda."_s,
         [this] { cmdNuovoClick(); }},
        {"cmdDuplica", u"duplicate"_s, u"Duplica"_s,
         u"Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti."_s,
         [this] { cmdDuplicaClick(); }},
        {"cmdSalva", u"save"_s, u"Salva"_s, u"Salva o aggiorna la scheda corrente."_s,
         [this] { cmdSalvaClick(); }}});
    bar->addGroup(QList<ToolBar::Button>{{"cmdTrova", u"find"_s, u"Trova"_s,
                                          u"Trova una scheda in archivio."_s, [this] { cmdTrovaClick(); }}});
    bar->addGroup(QList<ToolBar::Button>{
        {"cmdAllega", u"attach"_s, u"Allega"_s, u"Allega file alla scheda corrente."_s,
         [this] { cmdAllegaClick(); }},
        {"cmdAnteprima", u"preview"_s, u"Anteprima"_s,
         u"Visualizza l'anteprima di stampa della scheda corrente."_s, [this] { cmdAnteprimaClick(); }},
        {"cmdStampa", u"print"_s, u"Stampa"_s, u"Stampa la scheda corrente."_s, [this] { cmdStampaClick(); }},
        {"cmdPDF", u"pdf"_s, u"PDF"_s, u"Esporta la scheda corrente in formato PDF."_s,
         [this] { cmdPDFClick(); }}});

    lblPosizione =
        bar->addNavigation(u"scheda"_s, [this](NavigationButton button) { m_protocol->navigate(button); });
    bar->addGroup(QList<ToolBar::Button>{{"cmdExcel", u"excel"_s, u"Excel"_s,
                                          u"Esporta le schede in archivio in un file di Microsoft Excel."_s,
                                          [this] { cmdExcelClick(); }}});
    bar->addStretch();
    bar->addHelpAndExit([this] { cmdGuidaClick(); });
    return bar;
}

QWidget* TfrmImmobili::buildSectionHeaders()
{
    auto* block = new QWidget(this);
    auto* row = new QHBoxLayout(block);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_sections->headers());
    row->addSpacing(20);
    auto* logo = new Picture(u"imgLogo"_s, u"logo"_s, QSize(300, 70), block);
    FieldBehaviour::noHint(logo, panInfo);
    row->addWidget(logo);
    row->addStretch();
    FieldBehaviour::noHint(block, panInfo);
    return block;
}

void TfrmImmobili::addFieldHelpers()
{
    struct Helper {
        const char* name;
        const char* field;
        const char* icon;
        QString hint;
        enum { CodiceFiscale, PartitaIva, Email } kind;
    };
    const Helper helpers[] = {
        {"btnCodFiscLoc01", "CodFiscLoc01", "check", u"Controlla il codice fiscale."_s,
         Helper::CodiceFiscale},
        {"btnCodFiscRap", "CodFiscRap", "check", u"Controlla il codice fiscale."_s, Helper::CodiceFiscale},
        {"btnCodFiscCon01", "CodFiscCon01", "check", u"Controlla il codice fiscale."_s,
         Helper::CodiceFiscale},
        {"btnPartitaIvaLoc01", "PartitaIvaLoc01", "check", u"Controlla il numero di partita IVA."_s,
         Helper::PartitaIva},
        {"btnPartitaIvaCon01", "PartitaIvaCon01", "check", u"Controlla il numero di partita IVA."_s,
         Helper::PartitaIva},
        {"btnEmailLoc01", "EmailLoc01", "email", u"Invia una e-mail all'indirizzo indicato."_s,
         Helper::Email},
        {"btnEmailCon01", "EmailCon01", "email", u"Invia una e-mail all'indirizzo indicato."_s,
         Helper::Email}};
    for (const Helper& h : helpers) {
        auto* button =
            new Picture(QString::fromLatin1(h.name), QString::fromLatin1(h.icon), QSize(22, 22), this);
        button->setClickable(true);
        button->setToolTip(h.hint);
        FieldBehaviour::hint(button, panInfo, h.hint);
        QWidget* target = field(h.field);
        const auto kind = h.kind;
        connect(button, &Picture::clicked, this, [this, target, kind] {
            const QString text = FieldBehaviour::textOf(target);
            if (kind == Helper::CodiceFiscale)
                IdentityChecks::checkCodiceFiscaleField(this, text);
            else if (kind == Helper::PartitaIva)
                IdentityChecks::checkPartitaIvaField(this, text);
            else
                TMisc::Open(u"\"mailto:"_s + Text::trimmed(text) + u"\""_s);
        });
        m_form->addExtra(button);
    }
}

void TfrmImmobili::showSection(Section section)
{
    m_sections->show(int(section));
}

void TfrmImmobili::clearCard()
{
    showSection(Section::Immobile);
    m_form->clear();
    lblPosizione->clear();
    m_protocol->markUnchanged();
}

void TfrmImmobili::FormShow()
{
    clearCard();
    field("Immobile")->setFocus(Qt::OtherFocusReason);
}

bool TfrmImmobili::FormCloseQuery()
{
    return m_protocol->mayClose([this] { return cmdSalvaClick(); });
}

void TfrmImmobili::cmdNuovoClick()
{
    clearCard();
    field("Immobile")->setFocus(Qt::OtherFocusReason);
}

bool TfrmImmobili::cmdSalvaClick()
{
    if (Text::trimmed(FieldBehaviour::textOf(field("Immobile"))).isEmpty()) {
        Desktop::warning(
            u"Attenzione: per salvare la scheda è necessario indicare la descrizione dell'immobile."_s);
        showSection(Section::Immobile);
        field("Immobile")->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return m_protocol->save();
}

void TfrmImmobili::cmdDuplicaClick()
{
    if (Text::trimmed(lblPosizione->text()).isEmpty()) {
        Desktop::warning(
            u"Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è stata "
            u"inserita in archivio."_s);
        return;
    }
    const bool usable = m_protocol->guarded(Desktop::Kind::Error, [] {
        ArchiveFile archive(ExeFolder::file(SchedaImmobile::archiveName()), SchedaImmobile::layout().size());
        archive.openOrCreate();
        archive.close();
    });
    if (!usable)
        return;
    showSection(Section::Immobile);
    for (const char* name : {"File01", "File02", "File03", "Desc01", "Desc02", "Desc03"})
        static_cast<QLabel*>(field(name))->clear();
    lblPosizione->clear();
    m_form->clearListSelections();
    field("Immobile")->setFocus(Qt::OtherFocusReason);
    m_protocol->markUnchanged(); // a copy of a stored card: nothing typed yet
    Desktop::information(u"E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                         u"Al termine premere Salva per inserire la scheda in archivio."_s);
}

// Print, preview and PDF catch nothing: what fails reaches the default error report.
void TfrmImmobili::fillReport()
{
    if (m_repScheda.pages.empty()) // loaded on first use, to keep the start quick
        m_repScheda = SchedaReport::create();
    SchedaReport::fill(
        m_repScheda,
        [this](const QString& name) { return Text::trimmed(FieldBehaviour::textOf(m_form->control(name))); },
        Clock::now());
}

void TfrmImmobili::cmdStampaClick()
{
    fillReport();
    ReportOutput::Print(m_repScheda, 0, [this] { exportPdf(); });
}

void TfrmImmobili::cmdAnteprimaClick()
{
    fillReport();
    ReportOutput::ShowReport(m_repScheda, this, [this] { exportPdf(); });
}

void TfrmImmobili::cmdPDFClick()
{
    fillReport();
    exportPdf();
}

void TfrmImmobili::exportPdf()
{
    ReportPdf::Export(m_repScheda, SchedaReport::pdfPath());
    if (Desktop::confirm(SchedaReport::pdfDoneQuestion()))
        TMisc::Open(u"\""_s + SchedaReport::pdfPath() + u"\""_s);
}

void TfrmImmobili::cmdTrovaClick()
{
    openDialog<TfrmTrovaImmobili>(this, [this](TfrmTrovaImmobili& search) {
        search.lblMemory->setText(u"immobili"_s);
        search.setChosen([this](const Record& card, qint64 position) { m_protocol->show(card, position); });
    });
}

void TfrmImmobili::cmdExcelClick()
{
    openDialog<TfrmExpImmobili>(this);
}

void TfrmImmobili::cmdAllegaClick()
{
    openDialog<TfrmAllegaCartella>(this, [this](TfrmAllegaCartella& attachments) {
        attachments.lblMemory->setText(u"immobili"_s);
        auto label = [this](const QString& field, int n) {
            return static_cast<QLabel*>(m_form->control(field + u"0"_s + QString::number(n + 1)));
        };
        for (int n = 0; n < 3; ++n) {
            attachments.txtFile[n]->setText(Text::trimmed(label(u"File"_s, n)->text()));
            attachments.txtDesc[n]->setText(Text::trimmed(label(u"Desc"_s, n)->text()));
        }
        attachments.setApplied([label](const QStringList& files, const QStringList& descriptions) {
            for (int n = 0; n < 3; ++n) {
                label(u"File"_s, n)->setText(files[n]);
                label(u"Desc"_s, n)->setText(descriptions[n]);
            }
        });
    });
}

void TfrmImmobili::cmdGuidaClick()
{
    showHelp(this, help());
}

const HelpTopic& TfrmImmobili::help()
{
    static const HelpTopic topic{u"Archivio Immobili."_s, u"immobili"_s};
    return topic;
}
