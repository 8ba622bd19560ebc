#include "TfrmNumerazioneRic.h"

#include "ReceiptSettings.h"
#include "card/FieldBehaviour.h"
#include "platform/Desktop.h"
#include "platform/Failure.h"
#include "platform/Formats.h"
#include "platform/Picture.h"
#include "platform/Text.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TfrmNumerazioneRic::TfrmNumerazioneRic(QWidget* owner)
    : DialogScreen(u" Impostazione inizio numerazione ricevute"_s, owner)
{
    setObjectName(u"frmNumerazioneRic"_s);
    fixClientSize(420, 306);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 14);
    layout->setSpacing(10);

    // The instructions, on a white strip across the top.
    auto* strip = new QWidget(this);
    strip->setObjectName(u"panIstruzioni"_s);
    strip->setAutoFillBackground(true);
    strip->setPalette(QPalette(Qt::white));
    auto* stripRow = new QHBoxLayout(strip);
    stripRow->setContentsMargins(14, 10, 14, 10);
    stripRow->addWidget(new Picture(u"imgInfo"_s, u"info"_s, QSize(40, 40), strip), 0, Qt::AlignTop);
    auto* instructions = new QLabel(
        u"<b>Numerazione automatica delle ricevute</b><br>"
        u"Utilizzare questa funzione per far partire la numerazione automatica delle ricevute da un "
        u"numero superiore a 1.<br>"
        u"Per utilizzare la numerazione automatica, premere il pulsante Nuovo prima di compilare una "
        u"ricevuta."_s,
        strip);
    instructions->setObjectName(u"lblIstruzioni"_s);
    instructions->setWordWrap(true);
    instructions->setStyleSheet(u"font: 9pt 'Verdana'; color: #1F3A68;"_s);
    stripRow->addWidget(instructions, 1);
    layout->addWidget(strip);

    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(24, 0, 24, 0);
    middle->addWidget(new Picture(u"imgMano"_s, u"hand"_s, QSize(64, 64), this));
    auto* box = new QGroupBox(u" Inizia numerazione da: "_s, this);
    box->setObjectName(u"grpInizio"_s);
    box->setStyleSheet(u"QGroupBox { font: bold 9pt 'Verdana'; color: #1F3A68; }"_s);
    auto* boxLayout = new QHBoxLayout(box);
    boxLayout->setContentsMargins(16, 14, 16, 14);
    txtInizio = new QLineEdit(u"1"_s, box);
    txtInizio->setObjectName(u"txtInizio"_s);
    txtInizio->setFont(QFont(u"Verdana"_s, 12, QFont::Bold));
    txtInizio->setAlignment(Qt::AlignCenter);
    txtInizio->setFixedWidth(110);
    txtInizio->setMinimumHeight(32);
    boxLayout->addWidget(txtInizio, 0, Qt::AlignCenter);
    middle->addWidget(box, 1);
    layout->addLayout(middle);
    layout->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(24, 0, 24, 0);
    btnAnnulla = new QPushButton(u"Annulla"_s, this);
    btnAnnulla->setObjectName(u"btnAnnulla"_s);
    btnApplica = new QPushButton(u"Applica e chiudi"_s, this);
    btnApplica->setObjectName(u"btnApplica"_s);
    for (QPushButton* b : {btnAnnulla, btnApplica})
        b->setMinimumSize(130, 32);
    buttons->addStretch();
    buttons->addWidget(btnAnnulla);
    buttons->addWidget(btnApplica);
    layout->addLayout(buttons);

    lblMemory = new QLabel(this);
    lblMemory->setObjectName(u"lblMemory"_s);
    lblMemory->hide();

    // FormCreate
    Formats::apply();
    txtInizio->setMaxLength(5);
    FieldBehaviour::highlight(txtInizio);
    FieldBehaviour::digitsOnly(txtInizio, btnApplica);
    txtInizio->installEventFilter(this);

    connect(btnApplica, &QPushButton::clicked, this, &TfrmNumerazioneRic::btnApplicaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmNumerazioneRic::btnAnnullaClick);
}

void TfrmNumerazioneRic::showEvent(QShowEvent* event)
{
    DialogScreen::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmNumerazioneRic::FormShow()
{
    if (Text::trimmed(lblMemory->text()) == u"ricevute"_s)
        txtInizio->setText(ReceiptSettings::numberingStartText());
    if (Text::trimmed(txtInizio->text()).isEmpty())
        txtInizio->setText(u"1"_s);
    txtInizio->setFocus(Qt::OtherFocusReason);
}

bool TfrmNumerazioneRic::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtInizio && event->type() == QEvent::FocusOut)
        txtInizioExit();
    return DialogScreen::eventFilter(watched, event);
}

void TfrmNumerazioneRic::txtInizioExit()
{
    txtInizio->setText(ReceiptSettings::tidyNumberingStart(txtInizio->text()));
}

void TfrmNumerazioneRic::btnApplicaClick()
{
    if (Text::trimmed(lblMemory->text()) == u"ricevute"_s) {
        // The tidy also runs here, so a text that never left the field is stored as a number.
        txtInizioExit();
        try {
            ReceiptSettings::setNumberingStart(txtInizio->text());
        } catch (const Failure& failure) {
            Desktop::error(failure.message());
            return; // the screen stays open: the user may try again or cancel
        }
    }
    close();
}

void TfrmNumerazioneRic::btnAnnullaClick()
{
    close();
}
