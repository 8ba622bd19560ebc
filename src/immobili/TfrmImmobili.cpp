#include "TfrmImmobili.h"

#include "ImmobiliScreens.h"
#include "SchedaImmobile.h"
#include "SchedaReport.h"
#include "TfrmAllegaCartella.h"
#include "TfrmExpImmobili.h"
#include "TfrmTrovaImmobili.h"
#include "checks/CheckScreens.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/ExeFolder.h"
#include "platform/Formats.h"
#include "platform/HelpTopics.h"
#include "platform/Picture.h"
#include "platform/Text.h"
#include "platform/TfrmGuida.h"
#include "report/ReportOutput.h"
#include "report/ReportPdf.h"
#include "storage/ArchiveFile.h"
#include "storage/FieldBehaviour.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

using Rows = QList<QStringList>;

// Where each field stands on the card; the record order (and so Enter and Tab) is the table's.
const Rows kImmobileRows = {
    {u"Immobile"_s},
    {u"Tipologia"_s, u"Utilizzo"_s, u"Accatasta01"_s},
    {u"Via01"_s, u"Indirizzo01"_s, u"Civico01"_s},
    {u"Comune01"_s, u"Prov01"_s, u"Cap01"_s, u"Zona01"_s},
    {u"Scala01"_s, u"Interno01"_s, u"Piano01"_s, u"AnnoCostruz01"_s},
    {u"Volume"_s, u"Superficie"_s, u"Vani"_s, u"Mercato"_s},
    {u"Accessori"_s},
    {u"Condominio"_s},
    {u"Tasse"_s},
    {u"#Dati catastali"_s},
    {u"Pert01"_s, u"CodComune01"_s, u"TU01"_s, u"IP01"_s, u"SezUrb01"_s},
    {u"Foglio01"_s, u"ParticellaA01"_s, u"ParticellaB01"_s, u"Subalterno01"_s, u"Categoria01"_s},
    {u"ImpRend01"_s, u"CentRend01"_s, u"'euro"_s},
    {u"#"_s}};

const Rows kLocatoreRows = {
    {u"CognomeLoc01"_s, u"NomeLoc01"_s, u"SessoLoc01"_s},
    {u"CodFiscLoc01"_s, u"@btnCodFiscLoc01"_s, u"PartitaIvaLoc01"_s, u"@btnPartitaIvaLoc01"_s},
    {u"ComuneLoc01"_s, u"ProvLoc01"_s, u"DataNascLoc01"_s},
    {u"ComuneDom"_s, u"ProvDom"_s, u"CapLoc01"_s},
    {u"ViaDom"_s, u"ImpPoss01"_s, u"CentPoss01"_s},
    {u"TelCasaLoc01"_s, u"TelUffLoc01"_s},
    {u"TelCelLoc01"_s, u"FaxLoc01"_s},
    {u"EmailLoc01"_s, u"@btnEmailLoc01"_s},
    {u"Comproprietari"_s},
    {u"#Rappresentante legale"_s},
    {u"CognomeRap"_s, u"NomeRap"_s},
    {u"CodFiscRap"_s, u"@btnCodFiscRap"_s, u"CodCarica"_s},
    {u"#"_s},
    {u"#Agenzia immobiliare"_s},
    {u"Agenzia"_s, u"RecapitoAge"_s},
    {u"ContattoAge"_s},
    {u"ClausoleAge"_s},
    {u"#"_s}};

const Rows kConduttoreRows = {
    {u"CognomeCon01"_s, u"NomeCon01"_s, u"SessoCon01"_s},
    {u"CodFiscCon01"_s, u"@btnCodFiscCon01"_s, u"PartitaIvaCon01"_s, u"@btnPartitaIvaCon01"_s},
    {u"ComuneCon01"_s, u"ProvCon01"_s, u"DataNascCon01"_s},
    {u"ComuneRes"_s, u"ProvRes"_s, u"CapCon01"_s},
    {u"ViaRes"_s},
    {u"RecapitoCon"_s},
    {u"TelCasaCon01"_s, u"TelUffCon01"_s},
    {u"TelCelCon01"_s, u"FaxCon01"_s},
    {u"EmailCon01"_s, u"@btnEmailCon01"_s},
    {u"Conviventi"_s},
    {u"Criteri"_s},
    {u"Pagamento"_s},
    {u"StatoImm"_s},
    {u"VisitaImm"_s},
    {u"Pattuizioni"_s}};

const Rows kContrattoRows = {
    {u"UfficioTer"_s, u"TipoContratto"_s, u"DataStipula"_s},
    {u"ImpCanone"_s, u"CentCanone"_s, u"ScadeRata"_s, u"Periodicita"_s},
    {u"ImpRata"_s, u"CentRata"_s, u"'Cedolare:"_s, u"CedSi01"_s, u"CedNo01"_s},
    {u"ContrIva"_s, u"Sospensiva"_s},
    {u"#Registrazione"_s},
    {u"CodContratto"_s},
    {u"CodUff"_s, u"AnnoAdemp"_s, u"SerieAdemp"_s, u"NumAdemp"_s, u"SottonumAdemp"_s},
    {u"NumPagine"_s, u"NumCopie"_s, u"Esenzioni"_s, u"DataReg"_s},
    {u"ImpRegistro"_s, u"CentRegistro"_s, u"ScadeRegistro"_s},
    {u"#"_s},
    {u"DurataDAL"_s, u"DurataAL"_s},
    {u"DurataCon"_s, u"DurataPro"_s},
    {u"Impianti"_s},
    {u"Collaudo"_s},
    {u"ImpCauzione"_s, u"CentCauzione"_s, u"RateCauzione"_s, u"'rate canone."_s},
    {u"#Allegati al contratto"_s},
    {u"Inventari"_s, u"Quietanze"_s, u"Mappe"_s},
    {u"#"_s}};

struct SectionInfo {
    const char* panel;
    const char* blue;
    const char* red;
    QString title;
    QString hint;
};

const SectionInfo kSections[] = {
    {"panImmobile", "cmdImmobile_Blu", "cmdImmobile_Red", u"DATI DELL'IMMOBILE"_s,
     u"Visualizza la sezione relativa ai dati dell'immobile."_s},
    {"panLocatore", "cmdLocatore_Blu", "cmdLocatore_Red", u"DATI DEL LOCATORE"_s,
     u"Visualizza la sezione relativa ai dati del Locatore."_s},
    {"panConduttore", "cmdConduttore_Blu", "cmdConduttore_Red", u"DATI DEL CONDUTTORE"_s,
     u"Visualizza la sezione relativa ai dati del Conduttore."_s},
    {"panContratto", "cmdContratto_Blu", "cmdContratto_Red", u"RIFERIMENTI DEL CONTRATTO"_s,
     u"Visualizza la sezione relativa ai riferimenti del contratto."_s}};

const QString kToolGroupStyle =
    u"QFrame#toolGroup { background: white; border: 1px solid #9DB6D3; border-radius: 6px; }"_s;

} // namespace

TfrmImmobili::TfrmImmobili(QWidget* parent)
    : ApplicationScreen(u" Tarvento 5.0 - Archivio immobili"_s, parent)
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
    layout->addWidget(buildSectionHeaders());
    addFieldHelpers();
    layout->addWidget(buildSections(), 1);
    layout->addWidget(panInfo);

    m_form->applyBehaviours();
    FieldBehaviour::noHint(this, panInfo);

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

QToolButton* TfrmImmobili::toolButton(const char* name, const QString& icon, const QString& text,
                                      const QString& hint)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(Pictures::icon(icon));
    button->setIconSize(QSize(32, 32));
    button->setText(text);
    button->setToolTip(hint);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setMinimumWidth(64);
    FieldBehaviour::hint(button, panInfo, hint);
    return button;
}

QWidget* TfrmImmobili::buildToolBar()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    auto group = [&](std::initializer_list<QWidget*> members) {
        auto* frame = new QFrame(bar);
        frame->setObjectName(u"toolGroup"_s);
        frame->setStyleSheet(kToolGroupStyle);
        auto* inner = new QHBoxLayout(frame);
        inner->setContentsMargins(4, 2, 4, 2);
        inner->setSpacing(0);
        for (QWidget* w : members)
            inner->addWidget(w);
        FieldBehaviour::noHint(frame, panInfo);
        row->addWidget(frame);
    };

    QToolButton* cmdNuovo = toolButton("cmdNuovo", u"new"_s, u"Nuovo"_s,
                                       u"Prepara la schermata per l'inserimento di una nuova scheda."_s);
    QToolButton* cmdDuplica = toolButton(
        "cmdDuplica", u"duplicate"_s, u"Duplica"_s,
        u"Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti."_s);
    QToolButton* cmdSalva =
        toolButton("cmdSalva", u"save"_s, u"Salva"_s, u"Salva o aggiorna la scheda corrente."_s);
    QToolButton* cmdTrova = toolButton("cmdTrova", u"find"_s, u"Trova"_s, u"Trova una scheda in archivio."_s);
    QToolButton* cmdAllega =
        toolButton("cmdAllega", u"attach"_s, u"Allega"_s, u"Allega file alla scheda corrente."_s);
    QToolButton* cmdAnteprima = toolButton("cmdAnteprima", u"preview"_s, u"Anteprima"_s,
                                           u"Visualizza l'anteprima di stampa della scheda corrente."_s);
    QToolButton* cmdStampa =
        toolButton("cmdStampa", u"print"_s, u"Stampa"_s, u"Stampa la scheda corrente."_s);
    QToolButton* cmdPDF =
        toolButton("cmdPDF", u"pdf"_s, u"PDF"_s, u"Esporta la scheda corrente in formato PDF."_s);
    QToolButton* cmdPrimo =
        toolButton("cmdPrimo", u"first"_s, u"Prima"_s, u"Visualizza la prima scheda in archivio."_s);
    QToolButton* cmdIndietro = toolButton("cmdIndietro", u"previous"_s, u"Indietro"_s,
                                          u"Visualizza la scheda precedente in archivio."_s);
    QToolButton* cmdAvanti =
        toolButton("cmdAvanti", u"next"_s, u"Avanti"_s, u"Visualizza la scheda successiva in archivio."_s);
    QToolButton* cmdUltimo =
        toolButton("cmdUltimo", u"last"_s, u"Ultima"_s, u"Visualizza l'ultima scheda in archivio."_s);
    QToolButton* cmdExcel = toolButton("cmdExcel", u"excel"_s, u"Excel"_s,
                                       u"Esporta le schede in archivio in un file di Microsoft Excel."_s);
    QToolButton* cmdGuida = toolButton("cmdGuida", u"help"_s, u"Guida"_s,
                                       u"Visualizza la pagina della guida in linea sensibile al contesto."_s);
    QToolButton* cmdEsci =
        toolButton("cmdEsci", u"exit"_s, u"Esci"_s, u"Esci dalla schermata di lavoro corrente."_s);

    lblPosizione = new QLabel(this);
    lblPosizione->setObjectName(u"lblPosizione"_s);
    lblPosizione->setAlignment(Qt::AlignCenter);
    lblPosizione->setMinimumWidth(48);
    lblPosizione->setStyleSheet(u"font: bold 14pt; color: #1F3A68;"_s);

    group({cmdNuovo, cmdDuplica, cmdSalva});
    group({cmdTrova});
    group({cmdAllega, cmdAnteprima, cmdStampa, cmdPDF});
    group({cmdPrimo, cmdIndietro, lblPosizione, cmdAvanti, cmdUltimo});
    group({cmdExcel});
    row->addStretch();
    group({cmdGuida, cmdEsci});

    connect(cmdNuovo, &QToolButton::clicked, this, &TfrmImmobili::cmdNuovoClick);
    connect(cmdDuplica, &QToolButton::clicked, this, &TfrmImmobili::cmdDuplicaClick);
    connect(cmdSalva, &QToolButton::clicked, this, &TfrmImmobili::cmdSalvaClick);
    connect(cmdPrimo, &QToolButton::clicked, this, [this] { m_protocol->navigate(NavigationButton::First); });
    connect(cmdIndietro, &QToolButton::clicked, this,
            [this] { m_protocol->navigate(NavigationButton::Previous); });
    connect(cmdAvanti, &QToolButton::clicked, this, [this] { m_protocol->navigate(NavigationButton::Next); });
    connect(cmdUltimo, &QToolButton::clicked, this, [this] { m_protocol->navigate(NavigationButton::Last); });
    connect(cmdGuida, &QToolButton::clicked, this, &TfrmImmobili::cmdGuidaClick);
    connect(cmdStampa, &QToolButton::clicked, this, &TfrmImmobili::cmdStampaClick);
    connect(cmdAnteprima, &QToolButton::clicked, this, &TfrmImmobili::cmdAnteprimaClick);
    connect(cmdPDF, &QToolButton::clicked, this, &TfrmImmobili::cmdPDFClick);
    connect(cmdTrova, &QToolButton::clicked, this, &TfrmImmobili::cmdTrovaClick);
    connect(cmdExcel, &QToolButton::clicked, this, &TfrmImmobili::cmdExcelClick);
    connect(cmdAllega, &QToolButton::clicked, this, &TfrmImmobili::cmdAllegaClick);
    connect(cmdEsci, &QToolButton::clicked, this, &QWidget::close);
    return bar;
}

QWidget* TfrmImmobili::buildSectionHeaders()
{
    auto* block = new QWidget(this);
    auto* row = new QHBoxLayout(block);
    row->setContentsMargins(0, 0, 0, 0);
    auto* grid = new QGridLayout;
    grid->setSpacing(4);
    for (int i = 0; i < 4; ++i) {
        const SectionInfo& s = kSections[i];
        auto* blue = new Picture(QString::fromLatin1(s.blue), QString(), QSize(284, 33), block);
        blue->setText(s.title);
        blue->setStyleSheet(
            u"background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3C7BC4, stop:1 #1F4E8C);"
            u"color: white; font: bold 11pt 'Verdana'; border-radius: 4px;"_s);
        blue->setClickable(true);
        FieldBehaviour::hint(blue, panInfo, s.hint);
        auto* red = new Picture(QString::fromLatin1(s.red), QString(), QSize(284, 33), block);
        red->setText(s.title);
        red->setStyleSheet(
            u"background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #D9534F, stop:1 #A8322E);"
            u"color: white; font: bold 11pt 'Verdana'; border-radius: 4px;"_s);
        grid->addWidget(blue, i / 2, i % 2);
        grid->addWidget(red, i / 2, i % 2);
        m_blue.append(blue);
        m_red.append(red);
        connect(blue, &Picture::clicked, this, [this, i] { showSection(Section(i)); });
    }
    row->addLayout(grid);
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

QWidget* TfrmImmobili::buildSections()
{
    auto* area = new QWidget(this);
    auto* stack = new QGridLayout(area);
    stack->setContentsMargins(0, 0, 0, 0);
    const Rows* rows[] = {&kImmobileRows, &kLocatoreRows, &kConduttoreRows, &kContrattoRows};
    for (int i = 0; i < 4; ++i) {
        QWidget* panel = m_form->buildSection(QString::fromLatin1(kSections[i].panel), *rows[i], area);
        panel->setAutoFillBackground(true);
        panel->setPalette(QPalette(QColor(0xF7, 0xFA, 0xFD)));
        FieldBehaviour::noHint(panel, panInfo);
        // On a small screen a section scrolls instead of being cut.
        auto* scroll = new QScrollArea(area);
        scroll->setWidgetResizable(true);
        scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        panel->setMaximumWidth(1360); // on a wide screen the rows stay readable
        scroll->setFrameShape(QFrame::StyledPanel);
        scroll->setWidget(panel);
        stack->addWidget(scroll, 0, 0);
        m_panels.append(panel);
    }
    showSection(Section::Immobile);
    return area;
}

void TfrmImmobili::showSection(Section section)
{
    for (int i = 0; i < 4; ++i) {
        const bool current = i == int(section);
        m_panels[i]->parentWidget()->parentWidget()->setVisible(current); // the scroll area
        m_panels[i]->setVisible(current);
        m_red[i]->setVisible(current);
        m_blue[i]->setVisible(!current);
    }
}

void TfrmImmobili::clearCard()
{
    showSection(Section::Immobile);
    m_form->clear();
    lblPosizione->clear();
}

void TfrmImmobili::FormShow()
{
    clearCard();
    field("Immobile")->setFocus(Qt::OtherFocusReason);
}

void TfrmImmobili::cmdNuovoClick()
{
    clearCard();
    field("Immobile")->setFocus(Qt::OtherFocusReason);
}

void TfrmImmobili::cmdSalvaClick()
{
    if (Text::trimmed(FieldBehaviour::textOf(field("Immobile"))).isEmpty()) {
        Desktop::warning(
            u"Attenzione: per salvare la scheda è necessario indicare la descrizione dell'immobile."_s);
        showSection(Section::Immobile);
        field("Immobile")->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_protocol->save();
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
    ReportOutput::Print(m_repScheda);
}

void TfrmImmobili::cmdAnteprimaClick()
{
    fillReport();
    ReportOutput::ShowReport(m_repScheda, this);
}

void TfrmImmobili::cmdPDFClick()
{
    fillReport();
    ReportPdf::Export(m_repScheda, SchedaReport::pdfPath());
    if (Desktop::confirm(SchedaReport::pdfDoneQuestion()))
        TMisc::Open(u"\""_s + SchedaReport::pdfPath() + u"\""_s);
}

void TfrmImmobili::cmdTrovaClick()
{
    auto* search = new TfrmTrovaImmobili(this);
    search->lblMemory->setText(u"immobili"_s);
    search->exec();
    delete search;
}

void TfrmImmobili::cmdExcelClick()
{
    auto* export_ = new TfrmExpImmobili(this);
    export_->exec();
    delete export_;
}

void TfrmImmobili::cmdAllegaClick()
{
    auto* attachments = new TfrmAllegaCartella(this);
    attachments->lblMemory->setText(u"immobili"_s);
    for (int n = 0; n < 3; ++n) {
        const QString suffix = u"0"_s + QString::number(n + 1);
        attachments->txtFile[n]->setText(
            Text::trimmed(static_cast<QLabel*>(m_form->control(u"File"_s + suffix))->text()));
        attachments->txtDesc[n]->setText(
            Text::trimmed(static_cast<QLabel*>(m_form->control(u"Desc"_s + suffix))->text()));
    }
    attachments->exec();
    delete attachments;
}

void TfrmImmobili::cmdGuidaClick()
{
    showHelp(this, helpTitle(), helpText());
}

QString TfrmImmobili::helpTitle()
{
    return u"Archivio Immobili."_s;
}

QString TfrmImmobili::helpText()
{
    return HelpTopics::text(u"immobili"_s);
}
