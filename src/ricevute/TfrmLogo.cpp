#include "TfrmLogo.h"

#include "ReceiptLogo.h"
#include "platform/Desktop.h"
#include "platform/Failure.h"
#include "platform/Picture.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
const QSize kFrame(297, 184);
}

TfrmLogo::TfrmLogo(QWidget* owner) : DialogScreen(u" Impostazione logo"_s, owner)
{
    setObjectName(u"frmLogo"_s);
    fixClientSize(362, 371);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 14);
    layout->setSpacing(10);

    auto* title = new QWidget(this);
    title->setObjectName(u"imgTitolo"_s);
    title->setAutoFillBackground(true);
    title->setPalette(QPalette(QColor(0x1F, 0x3A, 0x68)));
    auto* titleColumn = new QVBoxLayout(title);
    titleColumn->setContentsMargins(16, 8, 16, 8);
    titleColumn->setSpacing(2);
    auto* titleText = new QLabel(u"Impostazione logo"_s, title);
    titleText->setStyleSheet(u"color: white; font: bold 13pt 'Verdana';"_s);
    auto* hint =
        new QLabel(u"Caricare il logo della Ditta come immagine JPEG o Bitmap di 297 x 184 pixel."_s, title);
    hint->setWordWrap(true);
    hint->setStyleSheet(u"color: white; font: 8pt 'Verdana';"_s);
    titleColumn->addWidget(titleText);
    titleColumn->addWidget(hint);
    layout->addWidget(title);

    // The frame, with its two small picture buttons in the lower corners.
    auto* frame = new QWidget(this);
    frame->setFixedSize(kFrame.width() + 2, kFrame.height() + 2);
    frame->setObjectName(u"panLogo"_s);
    frame->setStyleSheet(u"#panLogo { border: 1px solid #7FA3CC; background: white; }"_s);
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(1, 1, 1, 1);
    imgLogo = new QLabel(frame);
    imgLogo->setObjectName(u"imgLogo"_s);
    imgLogo->setFixedSize(kFrame);
    imgLogo->setAlignment(Qt::AlignCenter);
    imgLogo->setStyleSheet(u"background: white;"_s);
    grid->addWidget(imgLogo, 0, 0);
    imgEuro = new Picture(u"imgEuro"_s, u"euro"_s, QSize(22, 22), frame);
    imgEuro->setClickable(true);
    imgEuro->setToolTip(u"Ripristina il logo predefinito"_s);
    btnCancLogo = new Picture(u"btnCancLogo"_s, u"eraser"_s, QSize(22, 22), frame);
    btnCancLogo->setClickable(true);
    btnCancLogo->setToolTip(u"Nessun logo"_s);
    grid->addWidget(imgEuro, 0, 0, Qt::AlignLeft | Qt::AlignBottom);
    grid->addWidget(btnCancLogo, 0, 0, Qt::AlignRight | Qt::AlignBottom);
    layout->addWidget(frame, 0, Qt::AlignHCenter);
    layout->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(14, 0, 14, 0);
    btnAnnulla = new QPushButton(u"Annulla"_s, this);
    btnAnnulla->setObjectName(u"btnAnnulla"_s);
    btnSfoglia = new QPushButton(u"Sfoglia..."_s, this);
    btnSfoglia->setObjectName(u"btnSfoglia"_s);
    btnApplica = new QPushButton(u"Applica e chiudi"_s, this);
    btnApplica->setObjectName(u"btnApplica"_s);
    for (QPushButton* b : {btnAnnulla, btnSfoglia, btnApplica}) {
        b->setMinimumHeight(32);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);

    connect(btnSfoglia, &QPushButton::clicked, this, &TfrmLogo::btnSfogliaClick);
    connect(btnApplica, &QPushButton::clicked, this, &TfrmLogo::btnApplicaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmLogo::btnAnnullaClick);
    connect(imgEuro, &Picture::clicked, this, &TfrmLogo::imgEuroClick);
    connect(btnCancLogo, &Picture::clicked, this, &TfrmLogo::btnCancLogoClick);
}

void TfrmLogo::showEvent(QShowEvent* event)
{
    DialogScreen::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmLogo::FormShow()
{
    showPicture(ReceiptLogo::current());
}

void TfrmLogo::showPicture(const QImage& picture)
{
    m_picture = picture;
    // The frame shows the whole picture, reduced to fit when larger, never enlarged.
    QImage shown = picture;
    if (shown.width() > kFrame.width() || shown.height() > kFrame.height())
        shown = shown.scaled(kFrame, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    imgLogo->setPixmap(QPixmap::fromImage(shown));
}

void TfrmLogo::btnSfogliaClick()
{
    const QString path = Desktop::backend().openFileName(
        u"Selezionare il logo della Ditta in formato Jpeg o Bitmap."_s,
        {u"Immagine JPEG (*.jpg *.jpeg)"_s, u"Immagine Bitmap (*.bmp)"_s}, u"JPG,JPEG,BMP"_s);
    if (path.isEmpty())
        return;
    const QImage picture = ReceiptLogo::load(path);
    if (picture.isNull()) {
        showPicture(ReceiptLogo::defaultPicture());
        Desktop::warning(u"Attenzione: il file "_s + QDir::toNativeSeparators(path) +
                         u" non contiene un'immagine JPEG o Bitmap leggibile.\n"
                         u"Al suo posto è mostrato il logo predefinito."_s);
        return;
    }
    showPicture(picture);
}

void TfrmLogo::imgEuroClick()
{
    showPicture(ReceiptLogo::defaultPicture());
}

void TfrmLogo::btnCancLogoClick()
{
    showPicture(ReceiptLogo::blankPicture());
}

void TfrmLogo::btnApplicaClick()
{
    try {
        ReceiptLogo::save(m_picture);
    } catch (const Failure& failure) {
        // The old Logo.bmp is still there; the screen stays open with the chosen picture.
        Desktop::error(failure.message() + u"\nIl logo precedente non è stato modificato."_s);
        return;
    }
    close();
}

void TfrmLogo::btnAnnullaClick()
{
    close();
}
