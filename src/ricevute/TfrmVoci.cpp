#include "TfrmVoci.h"

#include "ReceiptSettings.h"
#include "card/FieldBehaviour.h"
#include "platform/Controls.h"
#include "platform/Desktop.h"
#include "platform/ExeFolder.h"
#include "platform/Failure.h"
#include "platform/Formats.h"
#include "platform/Picture.h"
#include "platform/Text.h"
#include "report/ListReport.h"
#include "report/ReportOutput.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// The instructions of this dialog are set in its own small blue type.
QLabel* instruction(const QString& text, QWidget* parent)
{
    QLabel* label = Controls::instruction(text, parent);
    label->setStyleSheet(u"font: 9pt 'Verdana'; color: #1F3A68;"_s);
    return label;
}

constexpr QSize kButton{0, 32};

} // namespace

TfrmVoci::TfrmVoci(QWidget* owner) : DialogScreen(u" Causali di pagamento"_s, owner)
{
    setObjectName(u"frmVoci"_s);
    // The window's close button closes it too, and closing always saves the list.
    setWindowFlags(windowFlags() | Qt::WindowCloseButtonHint);
    fixClientSize(862, 572);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 14);
    layout->setSpacing(8);

    auto* title = new QWidget(this);
    title->setObjectName(u"panTitolo"_s);
    title->setAutoFillBackground(true);
    title->setPalette(QPalette(QColor(0x1F, 0x3A, 0x68)));
    auto* titleRow = new QHBoxLayout(title);
    titleRow->setContentsMargins(18, 8, 18, 8);
    auto* titleText = new QLabel(u"CAUSALI DI PAGAMENTO"_s, title);
    titleText->setObjectName(u"imgTitolo"_s);
    titleText->setStyleSheet(u"color: white; font: bold 16pt 'Verdana'; letter-spacing: 2px;"_s);
    titleRow->addWidget(new Picture(u"imgIcona"_s, u"documents"_s, QSize(40, 40), title));
    titleRow->addWidget(titleText);
    titleRow->addStretch();
    layout->addWidget(title);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(18, 4, 18, 0);
    body->setSpacing(6);
    body->addWidget(instruction(u"E' possibile creare un elenco personalizzato di causali di pagamento da "
                                u"richiamare all'atto della compilazione dei documenti."_s,
                                this));
    body->addWidget(instruction(u"Indicare la nuova causale nel campo di testo sottostante e fare clic sul "
                                u"pulsante Aggiungi all'elenco."_s,
                                this));
    auto* addRow = new QHBoxLayout;
    txtTrova = new QLineEdit(this);
    txtTrova->setObjectName(u"txtTrova"_s);
    txtTrova->setFont(QFont(u"Verdana"_s, 12, QFont::Bold));
    txtTrova->setMinimumHeight(32);
    btnTrova = Controls::button(u"Aggiungi all'elenco"_s, u"btnTrova"_s, this, kButton);
    btnTrova->setMinimumWidth(180);
    addRow->addWidget(txtTrova, 1);
    addRow->addWidget(btnTrova);
    body->addLayout(addRow);

    lstRecords = new QListWidget(this);
    lstRecords->setObjectName(u"lstRecords"_s);
    lstRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    // Each item in Courier New 12, black, whatever the style says; items 700 wide, so long
    // reasons scroll sideways.
    lstRecords->setFont(QFont(u"Courier New"_s, 12));
    lstRecords->setStyleSheet(u"QListWidget { color: black; background: white; }"_s);
    lstRecords->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lstRecords->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lstRecords->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    body->addWidget(lstRecords, 1);

    body->addWidget(instruction(u"Per importare una causale, selezionarla con un clic e premere il pulsante "
                                u"Importa voce selezionata."_s,
                                this));
    body->addWidget(
        instruction(u"Per rimuovere una causale dall'elenco, selezionarla con un clic e premere il "
                    u"pulsante Elimina voce selezionata."_s,
                    this));
    auto* buttons = new QHBoxLayout;
    btnImporta = Controls::button(u"Importa voce selezionata"_s, u"btnImporta"_s, this, kButton);
    btnElimina = Controls::button(u"Elimina voce selezionata"_s, u"btnElimina"_s, this, kButton);
    btnStampa = Controls::button(u"Stampa elenco"_s, u"btnStampa"_s, this, kButton);
    btnChiudi = Controls::button(u"Chiudi"_s, u"btnChiudi"_s, this, kButton);
    btnImporta->setIcon(Pictures::icon(u"new"_s));
    btnElimina->setIcon(Pictures::icon(u"remove"_s));
    btnStampa->setIcon(Pictures::icon(u"print"_s));
    btnChiudi->setIcon(Pictures::icon(u"exit"_s));
    buttons->addWidget(btnImporta);
    buttons->addWidget(btnElimina);
    buttons->addWidget(btnStampa);
    buttons->addStretch();
    buttons->addWidget(btnChiudi);
    body->addLayout(buttons);
    layout->addLayout(body, 1);

    lblMemory = new QLabel(this);
    lblMemory->setObjectName(u"lblMemory"_s);
    lblMemory->hide();

    // FormCreate
    Formats::apply();
    txtTrova->setMaxLength(50);
    FieldBehaviour::highlight(txtTrova);
    txtTrova->installEventFilter(this);

    connect(btnTrova, &QPushButton::clicked, this, &TfrmVoci::btnTrovaClick);
    connect(btnElimina, &QPushButton::clicked, this, &TfrmVoci::btnEliminaClick);
    connect(btnImporta, &QPushButton::clicked, this, &TfrmVoci::btnImportaClick);
    connect(btnStampa, &QPushButton::clicked, this, &TfrmVoci::btnStampaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmVoci::btnChiudiClick);
}

bool TfrmVoci::isFiltered(QChar c)
{
    static const QString filtered = u"&/<>£°ÀÁÂÄÇÈÉÊËÌÍÎÏÑÒÓÔÖÙÚÛÜàáâäçèéêëìíîïñòóôöùúûü\u0080"_s;
    return filtered.contains(c);
}

void TfrmVoci::showEvent(QShowEvent* event)
{
    DialogScreen::showEvent(event); // in the middle of the screen, frame included, as every dialog
    if (!event->spontaneous())
        FormShow();
}

void TfrmVoci::FormShow()
{
    m_closed = false;
    m_fileUnreadable = false;
    lstRecords->clear();
    try {
        lstRecords->addItems(ReceiptSettings::loadReasons());
    } catch (const Failure&) {
        // The user's list is still in the file: it must not be replaced by an empty one.
        m_fileUnreadable = true;
        Desktop::error(u"Attenzione: impossibile leggere l'elenco delle causali di pagamento dal file "_s +
                       ExeFolder::file(u"Causali.lst"_s) +
                       u".\nIl file non verrà modificato: le voci aggiunte ora non saranno conservate."_s);
    }
    txtTrova->clear();
    txtTrova->setFocus(Qt::OtherFocusReason);
}

bool TfrmVoci::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtTrova && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            btnTrova->setFocus(Qt::TabFocusReason); // moves there, does not press it
            return true;
        }
        const QString text = key->text();
        if (text.size() == 1 && isFiltered(text.front()))
            return true;
    }
    return DialogScreen::eventFilter(watched, event);
}

QStringList TfrmVoci::items() const
{
    QStringList list;
    for (int i = 0; i < lstRecords->count(); ++i)
        list.append(lstRecords->item(i)->text());
    return list;
}

void TfrmVoci::btnTrovaClick()
{
    const QString reason = Text::trimmed(txtTrova->text());
    if (reason.isEmpty()) {
        Desktop::warning(u"Attenzione: non è stata indicata alcuna voce da aggiungere all'elenco."_s);
        txtTrova->setFocus(Qt::OtherFocusReason);
        return;
    }
    lstRecords->addItem(reason);
    txtTrova->clear();
    txtTrova->setFocus(Qt::OtherFocusReason);
}

void TfrmVoci::btnEliminaClick()
{
    const QList<QListWidgetItem*> selected = lstRecords->selectedItems();
    if (selected.isEmpty()) {
        Desktop::warning(
            u"Attenzione: selezionare dall'elenco la voce che si vuole eliminare prima di premere il "
            u"pulsante di cancellazione."_s);
        return;
    }
    delete selected.front();
    // Nothing stays selected: a second press, or an import, must not act on a neighbour.
    lstRecords->selectionModel()->clear();
}

void TfrmVoci::btnImportaClick()
{
    const QList<QListWidgetItem*> selected = lstRecords->selectedItems();
    if (selected.isEmpty()) {
        Desktop::warning(u"Attenzione: selezionare dall'elenco la voce da richiamare nel documento prima di "
                         u"premere il pulsante di importazione."_s);
        return;
    }
    // Whatever fails on the way also closes the screen.
    try {
        const QString word = Text::trimmed(lblMemory->text());
        for (int line = 1; line <= 8; ++line) {
            if (word == u"ric_art_0"_s + QString::number(line) && importTo)
                importTo(line, Text::trimmed(selected.front()->text()));
        }
    } catch (const std::exception&) {
    }
    close();
}

void TfrmVoci::btnStampaClick()
{
    ReportDocument report = ListReport::create();
    ListReport::fill(report, u"Riepilogo causali di pagamento"_s, items());
    report.PrepareReport();
    ReportOutput::Print(report);
}

void TfrmVoci::btnChiudiClick()
{
    close();
}

void TfrmVoci::done(int result)
{
    // Every way of closing passes here: "Chiudi", the close button, Escape, an import.
    if (!m_closed) {
        m_closed = true;
        FormClose();
    }
    DialogScreen::done(result);
}

void TfrmVoci::FormClose()
{
    if (!m_fileUnreadable) {
        try {
            ReceiptSettings::saveReasons(items());
        } catch (const Failure& failure) {
            Desktop::error(failure.message() +
                           u"\nLe modifiche all'elenco delle causali di pagamento non sono state "
                           u"salvate."_s);
        }
    }
    lstRecords->clear();
}
