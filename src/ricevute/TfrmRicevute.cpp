#include "TfrmRicevute.h"

#include "ReceiptLoad.h"
#include "ReceiptSettings.h"
#include "RicevuteScreens.h"
#include "SchedaRicevuta.h"
#include "TfrmMenuRicevute.h"
#include "TotaliRicevuta.h"
#include "card/FieldBehaviour.h"
#include "card/ToolBar.h"
#include "checks/CheckScreens.h"
#include "immobili/TfrmTrovaImmobili.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/Formats.h"
#include "platform/Money.h"
#include "platform/Picture.h"
#include "platform/Product.h"
#include "platform/Text.h"
#include "platform/TfrmGuida.h"
#include "storage/ArchiveFile.h"

#include <QCheckBox>
#include <QComboBox>
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

QString line(int n) // "01" … "08"
{
    return QString::number(n).rightJustified(2, u'0');
}

// The Enter ring of the receipt: the screen's order, one loop through the whole receipt.
QStringList enterRing()
{
    QStringList ring = {u"NumRic"_s,       u"Data"_s,         u"UfficioTer"_s,   u"DataStipula"_s,
                        u"DataReg"_s,      u"CodContratto"_s, u"DurataCon"_s,    u"CognomeLoc01"_s,
                        u"NomeLoc01"_s,    u"CodFiscLoc01"_s, u"CognomeCon01"_s, u"NomeCon01"_s,
                        u"CodFiscCon01"_s, u"Immobile"_s,     u"Note"_s,         u"Causale01"_s,
                        u"Importo01"_s,    u"PercIstat"_s,    u"Istat"_s};
    for (int n = 2; n <= 8; ++n)
        ring << u"Causale"_s + line(n) << u"Importo"_s + line(n);
    ring << u"Bollo"_s;
    return ring;
}

const QString kSaveWarning = u"Attenzione: per salvare la scheda è necessario indicare "_s;

} // namespace

TfrmRicevute::TfrmRicevute(QWidget* parent)
    : ApplicationScreen(Product::caption(u"Archivio ricevute d'affitto"_s), parent)
{
    setObjectName(u"frmRicevute"_s);
    Formats::apply();
    paintCardBackground(this);

    m_form = std::make_unique<CardForm>(SchedaRicevuta::fields(), this);
    txtTotRicevuta = static_cast<QLabel*>(m_form->control(u"TotRicevuta"_s));
    txtBollo = static_cast<QComboBox*>(m_form->control(u"Bollo"_s));
    chkSaldata = static_cast<QCheckBox*>(m_form->control(u"Saldata"_s));

    for (QLabel** hidden : {&lblFile, &lblAnno, &lblInizio, &txtTotImporti}) {
        *hidden = new QLabel(this);
        (*hidden)->hide();
    }
    lblFile->setObjectName(u"lblFile"_s);
    lblAnno->setObjectName(u"lblAnno"_s);
    lblInizio->setObjectName(u"lblInizio"_s);
    lblInizio->setText(u"1"_s);
    txtTotImporti->setObjectName(u"txtTotImporti"_s);
    txtTotImporti->setText(u"0,00"_s);

    panInfo = cardInfoBar(this, u"Pronto per archiviare una nuova scheda..."_s);

    // One panel centred in the window; on a small screen it scrolls instead of being cut.
    auto* panel = new QWidget(this);
    panel->setObjectName(u"panRicevuta"_s);
    panel->setStyleSheet(u"QWidget#panRicevuta { background: transparent; }"
                         u"QWidget#panRicevuta QLabel { font-family: 'Verdana'; }"
                         u"QWidget#panRicevuta QLineEdit, QWidget#panRicevuta QComboBox"
                         u" { font: bold 11pt 'Verdana'; }"_s);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);
    column->addStretch(1); // the boxes stay together in the middle of a tall screen
    column->addWidget(buildToolBar());
    addFieldHelpers();
    column->addWidget(buildBoxes());
    column->addWidget(buildPayments());
    column->addWidget(buildStrip());
    column->addStretch(1);
    panel->setMaximumWidth(1320);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(u"scrRicevuta"_s);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll->setStyleSheet(
        u"QScrollArea#scrRicevuta, QScrollArea#scrRicevuta > QWidget { background: transparent; }"_s);
    scroll->viewport()->setAutoFillBackground(false);
    panel->setAutoFillBackground(false);
    scroll->setWidget(panel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(8);
    layout->addWidget(scroll, 1);
    layout->addWidget(buildStatusBar());

    m_form->setAmountRule({TotaliRicevuta::amountCharacter, TotaliRicevuta::tidyAmount});
    QHash<QString, QString> amountNames{{u"PercIstat"_s, u"Percentuale ISTAT"_s}, {u"Istat"_s, u"Importo ISTAT"_s}};
    for (int n = 1; n <= 8; ++n)
        amountNames.insert(u"Importo"_s + line(n), u"Importo "_s + QString::number(n));
    m_form->setAmountNames(amountNames);
    m_form->setInfoBar(panInfo);
    m_form->onAmountKey([this](const QString& field, int) { amountKey(field); });
    m_form->setRing(enterRing());
    m_form->applyBehaviours();
    FieldBehaviour::noHint(this, panInfo);
    FieldBehaviour::noHint(panel, panInfo);
    FieldBehaviour::noHint(panInfo, panInfo);

    m_protocol =
        std::make_unique<CardProtocol>(CardProtocol::Card{[this] { return lblFile->text(); },
                                                          &SchedaRicevuta::layout(),
                                                          lblPosizione,
                                                          [this](Record& r) { m_form->fillRecord(r); },
                                                          [this](const Record& r) { m_form->showRecord(r); },
                                                          Desktop::Kind::Warning,
                                                          Desktop::Kind::Error,
                                                          {{CardOperation::First, Desktop::Kind::Warning}},
                                                          {u"TotRicevuta"_s, u"ImpLettere"_s, u"Cents"_s}});
}

TfrmRicevute::~TfrmRicevute() = default;

QLineEdit* TfrmRicevute::edit(const QString& field) const
{
    return qobject_cast<QLineEdit*>(m_form->control(field));
}

QString TfrmRicevute::text(const QString& field) const
{
    return FieldBehaviour::textOf(m_form->control(field));
}

QWidget* TfrmRicevute::buildToolBar()
{
    auto* bar = new ToolBar(this, panInfo);
    bar->addGroup(QList<ToolBar::Button>{
        {"cmdNuovo", u"new"_s, u"Nuovo"_s,
         u"Predispone la schermata per l'emissione di una nuova ricevuta."_s, [this] { cmdNuovoClick(); }},
        {"cmdSalva", u"save"_s, u"Salva"_s, u"Salva o aggiorna la ricevuta corrente."_s,
         [this] { cmdSalvaClick(); }},
        {"cmdTrova", u"find"_s, u"Trova"_s, u"Trova una ricevuta in archivio."_s,
         [this] {
             openDialog<TfrmTrovaRicevute>(this, [this](TfrmTrovaRicevute& search) {
                 search.lblMemory->setText(u"ricevute"_s);
                 search.setArchive(lblFile->text());
                 search.setChosen([this](const Record& receipt, qint64 position) { showChosen(receipt, position); });
             });
         }},
        {"cmdSospese", u"unpaid"_s, u"Sospese"_s, u"Visualizza il riepilogo delle ricevute non saldate."_s,
         [this] {
             openDialog<TfrmSospeseRic>(this, [this](TfrmSospeseRic& unpaid) {
                 unpaid.setArchive(lblFile->text());
                 unpaid.setChosen([this](const Record& receipt, qint64 position) { showChosen(receipt, position); });
             });
         }}});
    bar->addGroup(QList<ToolBar::Button>{{"cmdImporta", u"import"_s, u"Importa"_s,
                                          u"Importa i dati dall'archivio degli immobili."_s,
                                          [this] { cmdImportaClick(); }},
                                         {"cmdGenera", u"year_receipts"_s, u"Genera ricevute dell'anno"_s,
                                          u"Genera ricevute dell'anno: tutte le rate del contratto di una scheda "
                                          u"immobile, in un solo passo."_s,
                                          [this] { cmdGeneraClick(); }}});
    bar->addGroup(QList<ToolBar::Button>{{"cmdAnteprima", u"preview"_s, u"Anteprima"_s,
                                          u"Visualizza l'anteprima di stampa della ricevuta corrente."_s,
                                          [this] { cmdAnteprimaClick(); }},
                                         {"cmdStampa", u"print"_s, u"Stampa"_s,
                                          u"Stampa la ricevuta corrente."_s, [this] { cmdStampaClick(); }},
                                         {"cmdPDF", u"pdf"_s, u"PDF"_s,
                                          u"Esporta la ricevuta corrente in formato PDF."_s, [this] { cmdPDFClick(); }},
                                         {"cmdEmail", u"email"_s, u"Invia per e-mail"_s,
                                          u"Invia per e-mail la ricevuta corrente al Conduttore, in formato PDF."_s,
                                          [this] { cmdEmailClick(); }}});

    lblPosizione =
        bar->addNavigation(u"ricevuta"_s, [this](NavigationButton button) { m_protocol->navigate(button); });
    bar->addGroup(QList<ToolBar::Button>{
        {"cmdNumerazione", u"numbering"_s, u"Numeraz."_s,
         u"Imposta il numero iniziale per la numerazione delle ricevute."_s,
         [this] {
             openDialog<TfrmNumerazioneRic>(this, [](TfrmNumerazioneRic& numbering) {
                 numbering.lblMemory->setText(u"ricevute"_s);
                 numbering.setWindowTitle(u" Impostazione inizio numerazione ricevute"_s);
             });
         }},
        {"cmdEsporta", u"excel"_s, u"Excel"_s,
         u"Esporta le ricevute in archivio in un file di Microsoft Excel."_s,
         [this] { openDialog<TfrmExpRicevute>(this); }}});
    bar->addGroup(QList<ToolBar::Button>{{"cmdRiepMensile", u"summary_month"_s, u"Mensile"_s,
                                          u"Visualizza il riepilogo mensile delle ricevute emesse."_s,
                                          [this] { cmdRiepMensileClick(); }},
                                         {"cmdRiepTrimestrale", u"summary_quarter"_s, u"Trimestr."_s,
                                          u"Visualizza il riepilogo trimestrale delle ricevute emesse."_s,
                                          [this] { cmdRiepTrimestraleClick(); }},
                                         {"cmdRiepAnnuale", u"summary_year"_s, u"Annuale"_s,
                                          u"Visualizza il riepilogo annuale delle ricevute emesse."_s,
                                          [this] { cmdRiepAnnualeClick(); }}});
    bar->addStretch();
    bar->addGroup(QList<ToolBar::Button>{
        {"cmdGuida", u"help"_s, u"Guida"_s, u"Visualizza la pagina della guida sensibile al contesto."_s,
         [this] { cmdGuidaClick(); }},
        {"cmdEsci", u"exit"_s, u"Esci"_s, u"Esci da questa schermata di lavoro."_s, [this] { close(); }}});
    return bar;
}

void TfrmRicevute::addFieldHelpers()
{
    auto pictureButton = [this](const char* name, const char* picture, const QString& hint,
                                const std::function<void()>& click, int size = 24) {
        auto* button =
            new Picture(QString::fromLatin1(name), QString::fromLatin1(picture), QSize(size, size), this);
        button->setClickable(true);
        button->setToolTip(hint);
        FieldBehaviour::hint(button, panInfo, hint);
        connect(button, &Picture::clicked, this, click);
        m_form->addExtra(button);
    };
    pictureButton("impOggi", "today", u"Inserisci la data corrente."_s, [this] { impOggiClick(); });
    pictureButton("btnLogo", "euro", u"Carica il logo del Locatore."_s,
                  [this] { openDialog<TfrmLogo>(this); });
    for (const char* side : {"Loc01", "Con01"}) {
        const QString field = u"CodFisc"_s + QString::fromLatin1(side);
        pictureButton(qPrintable(u"btn"_s + field), "check", u"Controlla il codice fiscale."_s,
                      [this, field] {
                          // Digits only (a company's partita IVA) opens the partita IVA check instead.
                          IdentityChecks::checkCodiceFiscaleField(this, text(field));
                      });
    }
    for (int n = 1; n <= 8; ++n) {
        pictureButton(qPrintable(u"impMag"_s + line(n)), "list",
                      u"Importa i dati dalla tabella delle causali di pagamento."_s, [this, n] {
                          openDialog<TfrmVoci>(this, [this, n](TfrmVoci& reasons) {
                              reasons.lblMemory->setText(u"ric_art_"_s + line(n));
                              reasons.importTo = [this](int target, const QString& reason) {
                                  FieldBehaviour::setTextOf(m_form->control(u"Causale"_s + line(target)),
                                                            reason);
                              };
                          });
                      });
    }
    pictureButton("webIstat", "globe",
                  u"Collegati al sito dell'Istat per calcolare le rivalutazioni monetarie in base all'indice "
                  u"dei prezzi al consumo."_s,
                  [] { TMisc::Open(u"\"https://rivaluta.istat.it/\""_s); });

    auto textButton = [this](const char* name, const QString& caption, const QString& hint,
                             const std::function<void()>& click) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setCursor(Qt::PointingHandCursor);
        button->setToolTip(hint);
        FieldBehaviour::hint(button, panInfo, hint);
        connect(button, &QPushButton::clicked, this, click);
        m_form->addExtra(button);
    };
    textButton("cmdIstat", u"Calcola >>"_s,
               u"Aggiorna l'importo della rata mensile in base all'indice ISTAT."_s,
               [this] { cmdIstatClick(); });
    textButton("cmdCalcola", u"Calcola totale >>"_s, u"Calcola il totale della ricevuta."_s,
               [this] { cmdCalcolaClick(); });
}

QWidget* TfrmRicevute::box(const QString& objectName, const QString& title, const QString& picture,
                           QWidget* content)
{
    auto* frame = new QFrame(this);
    frame->setObjectName(objectName);
    frame->setStyleSheet(u"QFrame#"_s + objectName +
                         u" { background: white; border: 1px solid #9DB6D3; border-radius: 6px; }"_s);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(2);
    auto* head = new QHBoxLayout;
    auto* icon = new Picture(objectName + u"Img"_s, picture, QSize(22, 22), frame);
    auto* caption = new QLabel(title, frame);
    caption->setStyleSheet(u"font: bold 10pt 'Verdana'; color: #1F3A68;"_s);
    head->addWidget(icon);
    head->addWidget(caption);
    head->addStretch(1);
    layout->addLayout(head);
    layout->addWidget(content);
    FieldBehaviour::noHint(frame, panInfo);
    FieldBehaviour::noHint(content, panInfo);
    return frame;
}

QWidget* TfrmRicevute::buildBoxes()
{
    auto grid = [this](const char* name, const QList<QStringList>& rows) {
        QWidget* panel = m_form->buildGrid(QString::fromLatin1(name), rows, this);
        panel->layout()->setContentsMargins(0, 0, 0, 0);
        return panel;
    };
    auto* area = new QWidget(this);
    auto* rows = new QGridLayout(area);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(8);

    QWidget* receipt = grid("panNumero", {{u"NumRic"_s}, {u"Data"_s, u"@impOggi"_s}});
    rows->addWidget(box(u"boxRicevuta"_s, u"Ricevuta"_s, u"find"_s, receipt), 0, 0);

    QWidget* contract =
        grid("panContratto",
             {{u"UfficioTer"_s, u"DataStipula"_s}, {u"CodContratto"_s, u"DataReg"_s}, {u"DurataCon"_s}});
    rows->addWidget(box(u"boxContratto"_s, u"Registrazione del contratto"_s, u"documents"_s, contract), 0, 1);

    QWidget* parties = grid(
        "panParti", {{u"CognomeLoc01"_s, u"@btnLogo"_s, u"CognomeCon01"_s},
                     {u"NomeLoc01"_s, u""_s, u"NomeCon01"_s},
                     {u"CodFiscLoc01"_s, u"@btnCodFiscLoc01"_s, u"CodFiscCon01"_s, u"@btnCodFiscCon01"_s}});
    rows->addWidget(box(u"boxParti"_s, u"Locatore e Conduttore"_s, u"person"_s, parties), 1, 0, 1, 2);

    QWidget* property = grid("panImmobile", {{u"Immobile"_s}, {u"Note"_s}});
    rows->addWidget(box(u"boxImmobile"_s, u"Unità immobiliare"_s, u"house"_s, property), 2, 0, 1, 2);
    rows->setColumnStretch(1, 1);

    for (const char* bold : {"NumRic", "Data"}) {
        QLabel* caption = m_form->caption(QString::fromLatin1(bold));
        caption->setStyleSheet(u"font-weight: bold;"_s);
        edit(QString::fromLatin1(bold))->setAlignment(Qt::AlignCenter);
    }
    for (const char* centred : {"DataStipula", "DataReg"})
        edit(QString::fromLatin1(centred))->setAlignment(Qt::AlignCenter);
    for (const char* narrow : {"NumRic", "Data", "DataStipula", "DataReg"})
        edit(QString::fromLatin1(narrow))->setFixedWidth(130);
    return area;
}

QWidget* TfrmRicevute::buildPayments()
{
    // Two columns of payment lines; the left column's second line is the ISTAT row, the
    // right column ends with the total. Caption, reason, list button, caption, amount.
    auto* istat = new QWidget(this);
    istat->setObjectName(u"panIstat"_s);
    auto* istatRow = new QHBoxLayout(istat);
    istatRow->setContentsMargins(0, 0, 0, 0);
    istatRow->addWidget(m_form->control(u"PercIstat"_s));
    istatRow->addWidget(new QLabel(u"%"_s, istat));
    istatRow->addWidget(findChild<QWidget*>(u"webIstat"_s));
    istatRow->addStretch(1);
    istatRow->addWidget(findChild<QWidget*>(u"cmdIstat"_s));
    m_form->addExtra(istat);
    m_form->control(u"PercIstat"_s)->setFixedWidth(90);
    QLabel* istatCaption = m_form->caption(u"PercIstat"_s);
    istatCaption->setObjectName(u"lblPercIstat"_s);
    m_form->addExtra(istatCaption);

    auto lineTokens = [](int n) {
        return QStringList{u"Causale"_s + line(n), u"@impMag"_s + line(n), u"Importo"_s + line(n)};
    };
    QList<QStringList> rows;
    const QList<int> left = {1, 0, 2, 3, 4}; // 0: the ISTAT row
    for (int r = 0; r < 5; ++r) {
        QStringList row = left[r] == 0
                              ? QStringList{u"@lblPercIstat"_s, u"@panIstat"_s, u""_s, u""_s, u"Istat"_s}
                              : lineTokens(left[r]);
        row << u""_s;
        if (r < 4)
            row << lineTokens(r + 5);
        else
            row << u""_s << u""_s << u""_s << u"@cmdCalcola"_s << u"TotRicevuta"_s;
        rows.append(row);
    }
    QWidget* panel = m_form->buildGrid(u"panPagamenti"_s, rows, this);
    auto* grid = static_cast<QGridLayout*>(panel->layout());
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(7, 1);
    grid->setColumnMinimumWidth(5, 16);
    for (int n = 1; n <= 8; ++n) {
        edit(u"Importo"_s + line(n))->setAlignment(Qt::AlignRight);
        edit(u"Importo"_s + line(n))->setFixedWidth(120);
    }
    edit(u"Istat"_s)->setAlignment(Qt::AlignRight);
    edit(u"Istat"_s)->setFixedWidth(120);
    edit(u"PercIstat"_s)->setAlignment(Qt::AlignCenter);
    txtTotRicevuta->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtTotRicevuta->setStyleSheet(u"color: #800000; font: bold 13pt 'Verdana'; padding-right: 4px;"_s);
    return box(u"boxPagamenti"_s, u"Pagamenti"_s, u"euro"_s, panel);
}

QWidget* TfrmRicevute::buildStrip()
{
    auto* strip = new QFrame(this);
    strip->setObjectName(u"panStriscia"_s);
    strip->setStyleSheet(
        u"QFrame#panStriscia { background: #D9DDE3; border: 1px solid #A9B2BE; border-radius: 6px; }"
        u"QFrame#panStriscia QLineEdit, QFrame#panStriscia QComboBox { font: 10pt 'Verdana'; }"_s);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(10, 6, 10, 6);
    for (const char* name : {"Bollo", "ImpLettere", "Cents"}) {
        const QString field = QString::fromLatin1(name);
        row->addWidget(m_form->caption(field));
        row->addWidget(m_form->control(field), field == u"Cents"_s ? 0 : (field == u"Bollo"_s ? 3 : 2));
    }
    edit(u"ImpLettere"_s)->setAlignment(Qt::AlignRight);
    edit(u"Cents"_s)->setAlignment(Qt::AlignCenter);
    edit(u"Cents"_s)->setFixedWidth(40);
    txtBollo->setMinimumWidth(260);
    FieldBehaviour::noHint(strip, panInfo);
    return strip;
}

QWidget* TfrmRicevute::buildStatusBar()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    row->addWidget(panInfo, 1);
    auto* paid = new QFrame(bar);
    paid->setObjectName(u"panSaldata"_s);
    paid->setStyleSheet(
        u"QFrame#panSaldata { background: white; border: 1px solid #9DB6D3; border-radius: 4px; }"_s);
    auto* inner = new QHBoxLayout(paid);
    inner->setContentsMargins(10, 2, 10, 2);
    inner->addWidget(chkSaldata);
    chkSaldata->setStyleSheet(u"font: bold 11pt 'Verdana';"_s);
    chkSaldata->setCursor(Qt::PointingHandCursor);
    FieldBehaviour::hint(chkSaldata, panInfo, u"Contrassegna come ricevuta saldata."_s);
    row->addWidget(paid);
    FieldBehaviour::noHint(bar, panInfo);
    return bar;
}

void TfrmRicevute::clearScreen()
{
    m_form->clear();
    txtTotRicevuta->setText(u"0,00"_s);
    txtBollo->setCurrentIndex(-1);
    txtBollo->setEditText(SchedaRicevuta::bolloNotes().front());
    lblPosizione->clear();
}

void TfrmRicevute::FormShow()
{
    clearScreen();
    m_form->control(u"NumRic"_s)->setFocus(Qt::OtherFocusReason);
    m_protocol->markUnchanged();
}

bool TfrmRicevute::FormCloseQuery()
{
    return m_protocol->mayClose([this] { return cmdSalvaClick(); });
}

void TfrmRicevute::amountKey(const QString& field)
{
    // The total on screen is no longer valid.
    txtTotRicevuta->setText(u"0,00"_s);
    edit(u"ImpLettere"_s)->clear();
    edit(u"Cents"_s)->clear();
    if (field == u"PercIstat"_s)
        edit(u"Istat"_s)->clear();
}

void TfrmRicevute::cmdNuovoClick()
{
    int count = 0;
    const bool usable = m_protocol->guarded(m_protocol->failureKind(CardOperation::New), [&] {
        ArchiveFile archive(lblFile->text(), SchedaRicevuta::layout().size());
        archive.openOrCreate();
        count = archive.count();
        archive.close();
    });
    if (!usable)
        return;
    lblInizio->setText(QString::number(ReceiptSettings::numberingStart()));
    clearScreen();
    edit(u"NumRic"_s)->setText(QString::number(ReceiptSettings::nextReceiptNumber(count)));
    edit(u"Data"_s)->setText(Formats::date(Clock::today()));
    m_form->control(u"UfficioTer"_s)->setFocus(Qt::OtherFocusReason);
    m_protocol->markUnchanged(); // the proposed number and date alone are nothing to save
}

void TfrmRicevute::impOggiClick()
{
    edit(u"Data"_s)->setText(Formats::date(Clock::today()));
}

void TfrmRicevute::cmdIstatClick()
{
    if (Text::trimmed(text(u"PercIstat"_s)).isEmpty()) {
        Desktop::warning(
            u"Attenzione: per effettuare l'aggiornamento ISTAT è necessario inserire un valore in percentuale."_s);
        m_form->control(u"PercIstat"_s)->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (Text::trimmed(text(u"Importo01"_s)).isEmpty()) {
        Desktop::warning(
            u"Attenzione: per effettuare l'aggiornamento ISTAT è necessario specificare l'importo del "
            u"canone di locazione."_s);
        m_form->control(u"Importo01"_s)->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!m_form->checkAmounts({u"Importo01"_s, u"PercIstat"_s}))
        return;
    edit(u"Istat"_s)->setText(TotaliRicevuta::istatAmount(text(u"Importo01"_s), text(u"PercIstat"_s)));
}

bool TfrmRicevute::cmdCalcolaClick()
{
    const auto totals = TotaliRicevuta::compute([this](const QString& field) { return text(field); });
    if (!totals) {
        txtTotRicevuta->setText(u"0,00"_s);
        return false;
    }
    txtTotRicevuta->setText(totals->total);
    txtTotImporti->setText(totals->withoutIstat);
    edit(u"Cents"_s)->setText(totals->cents);
    edit(u"ImpLettere"_s)->setText(totals->words);
    return true;
}

// Save, print and preview go on only with amounts that are amounts (a warning names the first
// that is not) and a total that was computed and that the record can hold: a total of 0,00
// with no words would otherwise stand for amounts that are not numbers.
bool TfrmRicevute::totalReadyForOutput()
{
    if (!m_form->checkAmounts())
        return false;
    if (!cmdCalcolaClick()) {
        Desktop::warning(TotaliRicevuta::notANumberWarning());
        for (const QString& field : TotaliRicevuta::amountFields()) {
            if (!Text::trimmed(text(field)).isEmpty() && !Money::parse(text(field))) {
                m_form->control(field)->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
        return false;
    }
    if (txtTotRicevuta->text().size() > SchedaRicevuta::field(u"TotRicevuta"_s).capacity) {
        Desktop::warning(TotaliRicevuta::tooLongWarning());
        m_form->control(u"Importo01"_s)->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

bool TfrmRicevute::cmdSalvaClick()
{
    cmdCalcolaClick();
    const struct {
        const char* field;
        QString message;
    } required[] = {
        {"CognomeLoc01", kSaveWarning + u"il cognome del Locatore."_s},
        {"CognomeCon01", kSaveWarning + u"il cognome del Conduttore."_s},
        {"NumRic", kSaveWarning + u"il numero della ricevuta."_s},
        {"Data", kSaveWarning + u"la data della ricevuta."_s},
    };
    for (const auto& r : required) {
        if (Text::trimmed(text(QString::fromLatin1(r.field))).isEmpty()) {
            Desktop::warning(r.message);
            m_form->control(QString::fromLatin1(r.field))->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    const QDate date = Formats::parseLenientDate(text(u"Data"_s), Clock::today());
    if (!date.isValid()) {
        Desktop::warning(
            u"Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare la scheda è necessario "
            u"indicare una data valida nel formato gg/mm/anno."_s);
        m_form->control(u"Data"_s)->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (!totalReadyForOutput())
        return false;
    edit(u"Data"_s)->setText(Formats::date(date)); // stored as dd/mm/yyyy, whatever was typed
    return m_protocol->save();
}

// What the print and preview screens print: the fields as they stand on screen, trimmed, and
// the total without ISTAT.
RicevutaReport::ValueOf TfrmRicevute::shownReceipt() const
{
    return [this](const QString& field) -> QString {
        if (field == u"TotImporti"_s)
            return Text::trimmed(txtTotImporti->text());
        QWidget* control = m_form->control(field);
        if (auto* label = qobject_cast<QLabel*>(control))
            return Text::trimmed(label->text());
        return control ? Text::trimmed(FieldBehaviour::textOf(control)) : QString();
    };
}

void TfrmRicevute::cmdStampaClick()
{
    if (totalReadyForOutput())
        openDialog<TfrmStampaRic>(this, [this](TfrmStampaRic& print) {
            print.setReceipt(shownReceipt());
            print.setPdfInstead([this](ReceiptPdf::Format format) { exportPdf(format); });
        });
}

void TfrmRicevute::cmdAnteprimaClick()
{
    if (totalReadyForOutput())
        openDialog<TfrmAnteprimaRic>(
            this, [this](TfrmAnteprimaRic& preview) {
                preview.setReceipt(shownReceipt());
                preview.setPdfInstead([this](ReceiptPdf::Format format) { exportPdf(format); });
            });
}

template <typename Summary> void TfrmRicevute::openSummary()
{
    openDialog<Summary>(this, [this](Summary& summary) {
        summary.setArchive(lblFile->text(), Text::trimmed(lblAnno->text()));
    });
}

void TfrmRicevute::cmdImportaClick()
{
    openDialog<TfrmTrovaImmobili>(this, [this](TfrmTrovaImmobili& search) {
        search.lblMemory->setText(u"ricevute"_s);
        search.setChosen([this](const Record& card, qint64) { importPropertyCard(card); });
    });
}

void TfrmRicevute::showChosen(const Record& receipt, qint64 position)
{
    ReceiptLoad::into(this, receipt, position);
    m_protocol->markUnchanged(); // loaded, as by the arrows
}

void TfrmRicevute::importPropertyCard(const Record& card)
{
    for (const auto& [field, value] : SchedaRicevuta::fromPropertyCard(card))
        FieldBehaviour::setTextOf(m_form->control(field), value);
}

void TfrmRicevute::cmdRiepMensileClick()
{
    openSummary<TfrmRiepMensileRic>();
}

void TfrmRicevute::cmdRiepTrimestraleClick()
{
    openSummary<TfrmRiepTrimestraleRic>();
}

void TfrmRicevute::cmdRiepAnnualeClick()
{
    openSummary<TfrmRiepAnnualeRic>();
}

void TfrmRicevute::cmdGuidaClick()
{
    showHelp(this, TfrmMenuRicevute::help());
}
