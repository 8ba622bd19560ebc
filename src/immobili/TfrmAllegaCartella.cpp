#include "TfrmAllegaCartella.h"

#include "Attachments.h"
#include "platform/Desktop.h"
#include "platform/Picture.h"
#include "platform/Text.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TfrmAllegaCartella::TfrmAllegaCartella(QWidget* owner) : DialogScreen(u" Allega file"_s, owner)
{
    setObjectName(u"frmAllegaCartella"_s);
    resize(720, 420);
    setWindowFlags(windowFlags() | Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new Picture(u"imgLogo"_s, u"logo"_s, QSize(260, 61), this));
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(4);
    const QString ordinal[3] = {u"1°"_s, u"2°"_s, u"3°"_s};
    for (int n = 0; n < 3; ++n) {
        const QString suffix = u"0"_s + QString::number(n + 1);
        const int row = n * 5;
        grid->addWidget(new QLabel(u"Nome "_s + ordinal[n] + u" file allegato:"_s, this), row, 0, 1, 4);
        txtFile[n] = new QLineEdit(this);
        txtFile[n]->setObjectName(u"txtFile"_s + suffix);
        txtFile[n]->setReadOnly(true);
        txtFile[n]->setStyleSheet(u"color: grey;"_s);
        btnSfoglia[n] = new QPushButton(u"Sfoglia..."_s, this);
        btnSfoglia[n]->setObjectName(u"btnSfoglia"_s + suffix);
        btnApri[n] = new QPushButton(u"Apri"_s, this);
        btnApri[n]->setObjectName(u"btnApri"_s + suffix);
        btnApri[n]->setEnabled(false);
        imgCancella[n] = new Picture(u"imgCancella"_s + suffix, u"remove"_s, QSize(24, 24), this);
        imgCancella[n]->setClickable(true);
        imgCancella[n]->setToolTip(u"Rimuovi il file dalla scheda"_s);
        grid->addWidget(txtFile[n], row + 1, 0);
        grid->addWidget(btnSfoglia[n], row + 1, 1);
        grid->addWidget(btnApri[n], row + 1, 2);
        grid->addWidget(imgCancella[n], row + 1, 3);
        grid->addWidget(new QLabel(u"Descrizione "_s + ordinal[n] + u" file allegato:"_s, this), row + 2, 0,
                        1, 4);
        txtDesc[n] = new QLineEdit(this);
        txtDesc[n]->setObjectName(u"txtDesc"_s + suffix);
        txtDesc[n]->setMaxLength(250);
        grid->addWidget(txtDesc[n], row + 3, 0, 1, 4);
        grid->setRowMinimumHeight(row + 4, 12);

        connect(txtFile[n], &QLineEdit::textChanged, this,
                [this, n](const QString& text) { btnApri[n]->setEnabled(!Text::trimmed(text).isEmpty()); });
        connect(btnSfoglia[n], &QPushButton::clicked, this, [this, n] { btnSfogliaClick(n); });
        connect(btnApri[n], &QPushButton::clicked, this, [this, n] { btnApriClick(n); });
        connect(imgCancella[n], &Picture::clicked, this, [this, n] { txtFile[n]->clear(); });
    }
    layout->addLayout(grid);
    layout->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    btnApplica = new QPushButton(u"Applica e chiudi"_s, this);
    btnApplica->setObjectName(u"btnApplica"_s);
    btnAnnulla = new QPushButton(u"Annulla"_s, this);
    btnAnnulla->setObjectName(u"btnAnnulla"_s);
    buttons->addWidget(btnApplica);
    buttons->addWidget(btnAnnulla);
    layout->addLayout(buttons);
    lblMemory = new QLabel(this);
    lblMemory->setObjectName(u"lblMemory"_s);
    lblMemory->hide();

    connect(btnApplica, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApplicaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::close);
}

void TfrmAllegaCartella::btnSfogliaClick(int row)
{
    const QString chosen = Desktop::backend().openFileName(u"Selezionare il file da allegare:"_s,
                                                           {u"Tutti i file (*.*)"_s}, QString());
    if (chosen.isEmpty())
        return;
    const QString name = Attachments::safeName(QFileInfo(chosen).fileName());
    if (name.isEmpty())
        return;
    if (!Attachments::storableName(name)) {
        Desktop::plain(u"Attenzione: il nome del file contiene caratteri che la scheda non può registrare "
                       u"(lettere di altri alfabeti, simboli particolari o caratteri di controllo).\r\n\r\n"
                       u"Rinominare il file e selezionarlo di nuovo."_s);
        return;
    }
    if (!QFileInfo(chosen).isFile()) {
        Desktop::plain(u"Attenzione: l'elemento scelto non è un file ordinario (ad esempio una coda o un dispositivo) "
                       u"e non può essere allegato."_s);
        return;
    }
    txtFile[row]->setText(name);
    if (Attachments::existsInFolder(name) &&
        !Desktop::confirm(
            u"Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso nome."
            u"\r\n\r\nSi vuole sovrascrivere il file esistente?"_s))
        return;
    try {
        Attachments::copyIn(chosen);
    } catch (const std::exception&) {
        // The row keeps the chosen name; nothing is said.
    }
}

void TfrmAllegaCartella::btnApriClick(int row)
{
    const QString path = Attachments::pathOf(Text::trimmed(txtFile[row]->text()));
    if (!path.isEmpty())
        TMisc::Open(u"\""_s + path + u"\""_s);
}

void TfrmAllegaCartella::setApplied(Applied applied)
{
    m_applied = std::move(applied);
}

void TfrmAllegaCartella::btnApplicaClick()
{
    if (m_applied) {
        QStringList files, descriptions;
        for (int n = 0; n < 3; ++n) {
            files.append(Text::trimmed(txtFile[n]->text()));
            descriptions.append(Text::trimmed(txtDesc[n]->text()));
        }
        m_applied(files, descriptions);
    }
    close();
}
