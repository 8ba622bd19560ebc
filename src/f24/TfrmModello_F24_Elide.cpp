#include "TfrmModello_F24_Elide.h"

#include "F24Amounts.h"
#include "F24Screens.h"
#include "SchedaF24.h"
#include "TfrmCodici_Tributo.h"
#include "card/FieldBehaviour.h"
#include "card/ToolBar.h"
#include "checks/CheckScreens.h"
#include "immobili/TfrmTrovaImmobili.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/ExeFolder.h"
#include "platform/Formats.h"
#include "platform/Picture.h"
#include "platform/Product.h"
#include "platform/Text.h"
#include "platform/TfrmGuida.h"
#include "storage/RecordLayout.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// Enter walks the form as the paper form is read: the date and the total come last.
QStringList enterRing()
{
    QStringList ring;
    for (const CardField& f : SchedaF24::fields())
        if (f.name != u"Data"_s && f.name != u"Totale"_s)
            ring << f.name;
    ring << u"Data"_s << u"Totale"_s;
    return ring;
}

const QString kValidDate =
    u"\n\r\n\rPer poter salvare la scheda è necessario indicare una data valida nel formato gg/mm/anno."_s;

} // namespace

TfrmModello_F24_Elide::TfrmModello_F24_Elide(QWidget* parent)
    : ApplicationScreen(Product::caption(u"Compilazione e stampa Modello F24 ELIDE"_s), parent)
{
    setObjectName(u"frmModello_F24_Elide"_s);
    Formats::apply();
    paintCardBackground(this);

    m_form = std::make_unique<CardForm>(SchedaF24::fields(), this);

    panInfo = cardInfoBar(this, u"Pronto per archiviare una nuova scheda..."_s);

    auto* panel = new QWidget(this);
    panel->setObjectName(u"panModello"_s);
    panel->setStyleSheet(u"QWidget#panModello { background: transparent; }"
                         u"QWidget#panModello QLabel { font-family: 'Verdana'; }"
                         u"QWidget#panModello QLineEdit { font: bold 11pt 'Verdana'; }"_s);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);
    // The tool bar at the top, as on the other card screens; the room left goes below the form.
    column->addWidget(buildToolBar());
    addFieldHelpers();
    column->addWidget(buildForm());
    column->addStretch(1);
    panel->setMaximumWidth(1320);

    // On a small screen the form scrolls instead of being cut.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(u"scrModello"_s);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll->setStyleSheet(
        u"QScrollArea#scrModello, QScrollArea#scrModello > QWidget { background: transparent; }"_s);
    scroll->viewport()->setAutoFillBackground(false);
    scroll->setWidget(panel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(8);
    layout->addWidget(scroll, 1);
    layout->addWidget(panInfo);

    m_form->setAmountRule({F24Amounts::acceptsKey, F24Amounts::tidy});
    m_form->setAmountNames({{u"Importo01"_s, u"Importo versato (1^ voce)"_s},
                            {u"Importo02"_s, u"Importo versato (2^ voce)"_s},
                            {u"Totale"_s, u"Saldo finale"_s}});
    m_form->setInfoBar(panInfo);
    m_form->onAmountKey([this](const QString& field, int key) {
        // A changed amount makes the balance on screen stale.
        if (field != u"Totale"_s && key != Qt::Key_Return && key != Qt::Key_Enter)
            edit(u"Totale"_s)->clear();
    });
    m_form->setRing(enterRing());
    m_form->applyBehaviours();
    FieldBehaviour::noHint(this, panInfo);
    FieldBehaviour::noHint(panel, panInfo);

    m_protocol = std::make_unique<CardProtocol>(
        CardProtocol::Card{[] { return ExeFolder::file(SchedaF24::archiveName()); },
                           &SchedaF24::layout(),
                           lblPosizione,
                           [this](Record& r) { m_form->fillRecord(r); },
                           [this](const Record& r) { m_form->showRecord(r); },
                           Desktop::Kind::Warning,
                           Desktop::Kind::Error,
                           {},
                           {u"Totale"_s}});
}

TfrmModello_F24_Elide::~TfrmModello_F24_Elide() = default;

QLineEdit* TfrmModello_F24_Elide::edit(const QString& field) const
{
    return qobject_cast<QLineEdit*>(m_form->control(field));
}

QString TfrmModello_F24_Elide::text(const QString& field) const
{
    return FieldBehaviour::textOf(m_form->control(field));
}

QWidget* TfrmModello_F24_Elide::buildToolBar()
{
    auto* bar = new ToolBar(this, panInfo);
    bar->addGroup(QList<ToolBar::Button>{
        {"cmdNuovo", u"new"_s, u"Nuovo"_s,
         u"Predispone la schermata per l'inserimento di una nuova scheda."_s, [this] { cmdNuovoClick(); }},
        {"cmdSalva", u"save"_s, u"Salva"_s, u"Salva o aggiorna la scheda corrente."_s,
         [this] { cmdSalvaClick(); }},
        {"cmdTrova", u"find"_s, u"Trova"_s, u"Trova una scheda in archivio."_s,
         [this] { cmdTrovaClick(); }}});
    bar->addGroup(QList<ToolBar::Button>{{"cmdImporta", u"import"_s, u"Importa dati"_s,
                                          u"Importa i dati dall'archivio degli immobili."_s,
                                          [this] { cmdImportaClick(); }}});
    bar->addGroup(QList<ToolBar::Button>{
        {"cmdAnteprima", u"preview"_s, u"Anteprima"_s,
         u"Visualizza l'anteprima di stampa del documento corrente."_s, [this] { cmdAnteprimaClick(); }},
        {"cmdStampa", u"print"_s, u"Stampa"_s, u"Stampa su carta il documento corrente."_s,
         [this] { cmdStampaClick(); }},
        {"cmdPDF", u"pdf"_s, u"PDF"_s, u"Esporta il documento corrente in un file PDF."_s,
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

void TfrmModello_F24_Elide::addFieldHelpers()
{
    auto pictureButton = [this](const QString& name, const char* picture, const QString& hint,
                                const std::function<void()>& click) {
        auto* button = new Picture(name, QString::fromLatin1(picture), QSize(24, 24), this);
        button->setClickable(true);
        button->setToolTip(hint);
        FieldBehaviour::hint(button, panInfo, hint);
        connect(button, &Picture::clicked, this, click);
        m_form->addExtra(button);
    };
    for (const QString& field : {u"CodFiscCont"_s, u"CodFiscCoob"_s})
        pictureButton(u"btn"_s + field, "check", u"Controlla il codice fiscale."_s,
                      [this, field] { IdentityChecks::checkCodiceFiscaleField(this, text(field)); });
    for (int line : {1, 2})
        pictureButton(u"impCodice0"_s + QString::number(line), "list",
                      u"Importa i dati dalla Tabella dei Codici Tributo."_s,
                      [this, line] { impCodiceClick(line); });
    pictureButton(u"impData"_s, "today", u"Inserisci la data corrente."_s, [this] { impDataClick(); });

    auto* calcola = new QPushButton(u"Calcola"_s, this);
    calcola->setObjectName(u"cmdCalcola"_s);
    calcola->setCursor(Qt::PointingHandCursor);
    FieldBehaviour::hint(calcola, panInfo, u"Calcola il saldo finale."_s);
    connect(calcola, &QPushButton::clicked, this, [this] { cmdCalcolaClick(); });
    m_form->addExtra(calcola);

    auto* sexes = new Picture(u"imgSesso"_s, u"person"_s, QSize(24, 24), this);
    m_form->addExtra(sexes);
}

QWidget* TfrmModello_F24_Elide::section(const QString& objectName, const QString& banner, QWidget* content)
{
    auto* frame = new QFrame(this);
    frame->setObjectName(objectName);
    frame->setStyleSheet(u"QFrame#"_s + objectName +
                         u" { background: white; border: 1px solid #9DB6D3; border-radius: 6px; }"_s);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(2);
    if (!banner.isEmpty()) {
        auto* title = new QLabel(banner, frame);
        title->setObjectName(objectName + u"Banner"_s);
        title->setStyleSheet(
            u"background: #1F3A68; color: white; font: bold 10pt 'Verdana'; padding: 2px 8px;"_s);
        layout->addWidget(title);
    }
    layout->addWidget(content);
    FieldBehaviour::noHint(frame, panInfo);
    FieldBehaviour::noHint(content, panInfo);
    return frame;
}

QWidget* TfrmModello_F24_Elide::buildForm()
{
    using S = SchedaF24::Section;
    auto rows = [this](const char* name, const QList<QStringList>& lines, S part) {
        QWidget* panel = m_form->buildSection(QString::fromLatin1(name), lines, this, int(part));
        panel->layout()->setContentsMargins(4, 2, 4, 2);
        panel->layout()->setSpacing(3);
        return panel;
    };

    auto* heading = new QWidget(this);
    auto* headingColumn = new QVBoxLayout(heading);
    headingColumn->setContentsMargins(0, 0, 0, 0);
    auto* titles = new QHBoxLayout;
    auto* mark = new QLabel(u"MODELLO DI PAGAMENTO UNIFICATO"_s, heading);
    mark->setObjectName(u"imgIntestazione"_s);
    mark->setStyleSheet(u"font: bold 14pt 'Verdana'; color: #1F3A68;"_s);
    auto* model = new QLabel(u"Mod. F24 Versamenti con elementi identificativi"_s, heading);
    model->setObjectName(u"imgModello"_s);
    model->setStyleSheet(u"font: bold 11pt 'Verdana'; color: #1F3A68;"_s);
    titles->addWidget(mark);
    titles->addStretch(1);
    titles->addWidget(model);
    headingColumn->addLayout(titles);
    headingColumn->addWidget(rows(
        "panIntestazione",
        {{u"Delegato"_s}, {u"Agenzia"_s, u"ProvAg"_s}, {u"'PER L'ACCREDITO ALLA TESORERIA COMPETENTE"_s}},
        S::Intestazione));

    QWidget* payer = rows("panContribuente",
                          {{u"CodFiscCont"_s, u"@btnCodFiscCont"_s, u"CognomeCont"_s},
                           {u"NomeCont"_s, u"DataNasc"_s, u"Sesso"_s, u"@imgSesso"_s},
                           {u"ComuneNasc"_s, u"ProvNasc"_s},
                           {u"ComuneDom"_s, u"ProvDom"_s},
                           {u"ViaDom"_s},
                           {u"CodFiscCoob"_s, u"@btnCodFiscCoob"_s, u"Identificativo"_s}},
                          S::Contribuente);

    // The two tax lines in columns under their captions.
    const QStringList lineFields = {u"Tipo"_s, u"Elementi"_s, u"Codice"_s, u"AnnoRif"_s, u"Importo"_s};
    QList<QStringList> grid = {{u""_s, u"'Tipo:"_s, u""_s, u"'Elementi identificativi:"_s, u""_s,
                                u"'Codice:"_s, u""_s, u""_s, u"'Anno riferimento:"_s, u""_s,
                                u"'Importi a debito versati:"_s}};
    for (const QString& n : {u"01"_s, u"02"_s})
        grid.append({u"Tipo"_s + n, u"Elementi"_s + n, u"Codice"_s + n, u"@impCodice"_s + n, u"AnnoRif"_s + n,
                     u"Importo"_s + n});
    QWidget* lines = m_form->buildGrid(u"panErario"_s, grid, this);
    auto* gridLayout = static_cast<QGridLayout*>(lines->layout());
    gridLayout->setContentsMargins(4, 2, 4, 2);
    gridLayout->setColumnStretch(3, 1);
    for (const QString& n : {u"01"_s, u"02"_s})
        for (const QString& f : lineFields)
            m_form->caption(f + n)->hide();
    QWidget* balance =
        rows("panSaldo", {{u"Data"_s, u"@impData"_s, u"@cmdCalcola"_s, u"Totale"_s}}, S::Erario);
    auto* erario = new QWidget(this);
    auto* erarioColumn = new QVBoxLayout(erario);
    erarioColumn->setContentsMargins(0, 0, 0, 0);
    erarioColumn->addWidget(lines);
    erarioColumn->addWidget(balance);

    // Centred codes and dates, right-aligned amounts, each box as wide as what it holds.
    for (const char* centred : {"ProvAg", "DataNasc", "Sesso", "ProvNasc", "ProvDom", "Identificativo",
                                "Tipo01", "Tipo02", "Codice01", "Codice02", "AnnoRif01", "AnnoRif02", "Data"})
        edit(QString::fromLatin1(centred))->setAlignment(Qt::AlignCenter);
    for (const char* amount : {"Importo01", "Importo02", "Totale"}) {
        edit(QString::fromLatin1(amount))->setAlignment(Qt::AlignRight);
        edit(QString::fromLatin1(amount))->setFixedWidth(170);
    }
    for (const char* narrow : {"DataNasc", "Data"})
        edit(QString::fromLatin1(narrow))->setFixedWidth(130);
    for (const char* tiny : {"Tipo01", "Tipo02", "Sesso"})
        edit(QString::fromLatin1(tiny))->setFixedWidth(44);
    for (const char* code : {"Codice01", "Codice02", "AnnoRif01", "AnnoRif02"})
        edit(QString::fromLatin1(code))->setFixedWidth(80);
    m_form->caption(u"Totale"_s)->setStyleSheet(u"font-weight: bold;"_s);
    m_form->caption(u"Data"_s)->setStyleSheet(u"font-weight: bold;"_s);

    auto* area = new QWidget(this);
    auto* areaColumn = new QVBoxLayout(area);
    areaColumn->setContentsMargins(0, 0, 0, 0);
    areaColumn->setSpacing(6);
    areaColumn->addWidget(section(u"boxIntestazione"_s, QString(), heading));
    areaColumn->addWidget(section(u"boxContribuente"_s, u"CONTRIBUENTE"_s, payer));
    areaColumn->addWidget(section(u"boxErario"_s, u"SEZIONE ERARIO ED ALTRO"_s, erario));
    return area;
}

void TfrmModello_F24_Elide::clearForm()
{
    m_form->clear();
    lblPosizione->clear();
    m_form->control(u"Delegato"_s)->setFocus(Qt::OtherFocusReason);
    m_protocol->markUnchanged();
}

void TfrmModello_F24_Elide::FormShow()
{
    clearForm();
}

bool TfrmModello_F24_Elide::FormCloseQuery()
{
    return m_protocol->mayClose([this] { return cmdSalvaClick(); });
}

void TfrmModello_F24_Elide::cmdNuovoClick()
{
    clearForm();
    edit(u"Data"_s)->setText(Formats::date(Clock::today()));
    m_form->control(u"Delegato"_s)->setFocus(Qt::OtherFocusReason);
    m_protocol->markUnchanged(); // today's date alone is nothing to save
}

void TfrmModello_F24_Elide::impDataClick()
{
    edit(u"Data"_s)->setText(Formats::date(Clock::today()));
}

void TfrmModello_F24_Elide::tidyAmounts()
{
    // An amount that is not one stays as typed, marked.
    for (const char* amount : {"Importo01", "Importo02"})
        FieldBehaviour::checkAmount(m_form->control(QString::fromLatin1(amount)));
}

bool TfrmModello_F24_Elide::cmdCalcolaClick()
{
    const auto total = F24Amounts::balance(text(u"Importo01"_s), text(u"Importo02"_s));
    if (total && total->size() > SchedaF24::field(u"Totale"_s).capacity) {
        // Cut to the field, the balance would lose its decimals or more.
        edit(u"Totale"_s)->clear();
        Desktop::warning(
            u"Attenzione: il saldo finale è troppo grande: il modello ne conserva al massimo "_s +
            QString::number(SchedaF24::field(u"Totale"_s).capacity - 3) +
            u" cifre prima della virgola.\n\r\n\rCorreggere gli importi e ripetere l'operazione."_s);
        m_form->control(u"Importo01"_s)->setFocus(Qt::OtherFocusReason);
        return false;
    }
    edit(u"Totale"_s)->setText(total.value_or(u"0,00"_s));
    if (!total)
        m_form->control(u"Totale"_s)->setFocus(Qt::OtherFocusReason);
    return total.has_value();
}

// Saving, printing, the preview and the PDF go on only with amounts that are amounts and a
// balance the form holds; otherwise a warning names what to correct.
bool TfrmModello_F24_Elide::amountsReady()
{
    tidyAmounts();
    return m_form->checkAmounts({u"Importo01"_s, u"Importo02"_s}) && cmdCalcolaClick();
}

namespace {
// A birth date with a two-digit year is never in the future: 12/06/65 is 1965.
constexpr auto kBirth = Formats::TwoDigitYears::UpToToday;
} // namespace

// A valid date is written back as dd/mm/yyyy, however it was typed; false when it is no date.
bool TfrmModello_F24_Elide::canonicalDate(const QString& field, Formats::TwoDigitYears years)
{
    const QDate date = Formats::parseLenientDate(text(field), Clock::today(), years);
    if (!date.isValid())
        return false;
    edit(field)->setText(Formats::date(date));
    return true;
}

bool TfrmModello_F24_Elide::cmdSalvaClick()
{
    m_form->control(u"Delegato"_s)->setFocus(Qt::OtherFocusReason);
    // Both amounts are stored tidy, even if neither was left by the focus just now.
    if (!amountsReady())
        return false;
    if (Text::trimmed(text(u"CognomeCont"_s)).isEmpty()) {
        Desktop::warning(u"Attenzione: per salvare la scheda è necessario indicare il cognome o la ragione "
                         u"sociale del contribuente."_s);
        m_form->control(u"CognomeCont"_s)->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (Text::trimmed(text(u"Data"_s)).isEmpty()) {
        Desktop::warning(
            u"Attenzione: per salvare la scheda è necessario indicare la data del versamento."_s);
        m_form->control(u"Data"_s)->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (!canonicalDate(u"Data"_s)) {
        Desktop::warning(u"Attenzione: la data di versamento indicata non esiste."_s + kValidDate);
        m_form->control(u"Data"_s)->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (!Text::trimmed(text(u"DataNasc"_s)).isEmpty() && !canonicalDate(u"DataNasc"_s, kBirth)) {
        Desktop::warning(u"Attenzione: la data di nascita indicata non esiste."_s + kValidDate);
        m_form->control(u"DataNasc"_s)->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return m_protocol->save();
}

QHash<QString, QString> TfrmModello_F24_Elide::formForOutput()
{
    tidyAmounts();
    const auto total = F24Amounts::balance(text(u"Importo01"_s), text(u"Importo02"_s));
    edit(u"Totale"_s)->setText(total.value_or(u"0,00"_s));
    canonicalDate(u"Data"_s);
    if (!Text::trimmed(text(u"DataNasc"_s)).isEmpty())
        canonicalDate(u"DataNasc"_s, kBirth);
    QHash<QString, QString> form;
    for (const CardField& f : SchedaF24::fields())
        form.insert(f.name, Text::trimmed(text(f.name)));
    return form;
}

void TfrmModello_F24_Elide::cmdImportaClick()
{
    openDialog<TfrmTrovaImmobili>(this, [this](TfrmTrovaImmobili& search) {
        search.lblMemory->setText(u"f24"_s);
        search.setChosen([this](const Record& card, qint64) { importPropertyCard(card); });
    });
}

void TfrmModello_F24_Elide::importPropertyCard(const Record& card)
{
    // The landlord pays, the tenant is the co-obliged party, the contract's code identifies line 1.
    const std::pair<const char*, const char*> copies[] = {
        {"CognomeLoc01", "CognomeCont"}, {"NomeLoc01", "NomeCont"},
        {"SessoLoc01", "Sesso"},         {"CodFiscLoc01", "CodFiscCont"},
        {"ComuneLoc01", "ComuneNasc"},   {"ProvLoc01", "ProvNasc"},
        {"DataNascLoc01", "DataNasc"},   {"ComuneDom", "ComuneDom"},
        {"ProvDom", "ProvDom"},          {"ViaDom", "ViaDom"},
        {"CodFiscCon01", "CodFiscCoob"}, {"CodContratto", "Elementi01"}};
    for (const auto& [from, to] : copies)
        edit(QString::fromLatin1(to))->setText(Text::trimmed(card.text(QString::fromLatin1(from))));
    const QString euros = Text::trimmed(card.text(u"ImpRegistro"_s));
    const QString cents = Text::trimmed(card.text(u"CentRegistro"_s));
    if (!euros.isEmpty() && !cents.isEmpty())
        edit(u"Importo01"_s)->setText(euros + u',' + cents);
}

void TfrmModello_F24_Elide::prepareNewForm(const Record& card,
                                           const QList<std::pair<QString, QString>>& fields)
{
    clearForm();
    importPropertyCard(card);
    for (const auto& [field, value] : fields)
        edit(field)->setText(value);
    cmdCalcolaClick();
}

void TfrmModello_F24_Elide::impCodiceClick(int line)
{
    openDialog<TfrmCodici_Tributo>(this, [this, line](TfrmCodici_Tributo& table) {
        table.lblMemory->setText(u"f24_codice0"_s + QString::number(line));
        table.setChosen([this](const QString& field, const QString& code) { edit(field)->setText(code); });
    });
}

void TfrmModello_F24_Elide::cmdTrovaClick()
{
    openDialog<TfrmTrovaF24>(this, [this](TfrmTrovaF24& search) {
        search.lblMemory->setText(u"f24"_s);
        search.setChosen([this](const Record& form, qint64 position) { m_protocol->show(form, position); });
    });
}

void TfrmModello_F24_Elide::cmdStampaClick()
{
    if (!amountsReady())
        return;
    openDialog<TfrmStampaElide>(this, [this](TfrmStampaElide& output) { output.setForm(formForOutput()); });
}

void TfrmModello_F24_Elide::cmdAnteprimaClick()
{
    if (!amountsReady())
        return;
    openDialog<TfrmAnteprimaF24>(this, [this](TfrmAnteprimaF24& output) { output.setForm(formForOutput()); });
}

void TfrmModello_F24_Elide::cmdPDFClick()
{
    if (!amountsReady())
        return;
    openDialog<TfrmCrea_PDF_F24>(this, [this](TfrmCrea_PDF_F24& output) { output.setForm(formForOutput()); });
}

void TfrmModello_F24_Elide::cmdExcelClick()
{
    openDialog<TfrmExpF24>(this);
}

void TfrmModello_F24_Elide::cmdGuidaClick()
{
    showHelp(this, help());
}

const HelpTopic& TfrmModello_F24_Elide::help()
{
    static const HelpTopic topic{u"Gestione Modello F24 ELIDE."_s, u"f24"_s};
    return topic;
}
