#include "BackupBar.h"

#include "BackupCheck.h"
#include "BackupDate.h"
#include "BackupRestore.h"
#include "BackupSave.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/ExeFolder.h"
#include "platform/Failure.h"
#include "platform/Picture.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QScopeGuard>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

const QStringList& zipFilters()
{
    static const QStringList filters{u"Copia di sicurezza (*.zip)"_s, u"Tutti i file (*)"_s};
    return filters;
}

// A long piece of work: the wait cursor while it runs.
template <typename Work> auto waiting(Work work)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    return work();
}

} // namespace

BackupBar::BackupBar(QWidget* parent) : QWidget(parent)
{
    setObjectName(u"panCopia"_s);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(36, 0, 36, 0);

    auto* group = new QFrame(this);
    group->setObjectName(u"toolGroup"_s);
    group->setStyleSheet(u"QFrame#toolGroup { background: white; border: 1px solid #9DB6D3; border-radius: 6px; }"_s);
    auto* buttons = new QHBoxLayout(group);
    buttons->setContentsMargins(3, 1, 3, 1);
    buttons->setSpacing(2);
    auto button = [&](const char* name, const QString& picture, const QString& hint, void (BackupBar::*click)()) {
        auto* b = new QToolButton(group);
        b->setObjectName(QString::fromLatin1(name));
        b->setIcon(Pictures::icon(picture));
        b->setIconSize(QSize(24, 24));
        b->setToolTip(hint);
        b->setAutoRaise(true);
        b->setCursor(Qt::PointingHandCursor);
        b->setFocusPolicy(Qt::NoFocus); // the menu is worked with the mouse: no button stands out at start
        connect(b, &QToolButton::clicked, this, click);
        buttons->addWidget(b);
        return b;
    };
    cmdCopia = button("cmdCopia", u"backup"_s, u"Salva una copia di sicurezza di tutti i dati."_s,
                      &BackupBar::cmdCopiaClick);
    cmdVerificaCopia = button("cmdVerificaCopia", u"backup_check"_s,
                              u"Verifica copia: controlla che una copia di sicurezza sia integra."_s,
                              &BackupBar::cmdVerificaCopiaClick);
    cmdRipristinaCopia = button("cmdRipristinaCopia", u"backup_restore"_s,
                                u"Ripristina copia: rimette al loro posto i dati di una copia di sicurezza."_s,
                                &BackupBar::cmdRipristinaCopiaClick);
    row->addWidget(group);

    lblCopia = new QLabel(this);
    lblCopia->setObjectName(u"lblCopia"_s);
    lblCopia->setWordWrap(true);
    row->addWidget(lblCopia, 1);
}

void BackupBar::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refresh();
}

void BackupBar::refresh()
{
    const Backup::Reminder reminder = Backup::reminder(ExeFolder::path(), Clock::today());
    lblCopia->setText(reminder.text);
    lblCopia->setProperty("due", reminder.due);
    lblCopia->setStyleSheet(reminder.due ? u"color: #8A1C00; font: bold 10pt 'Verdana';"_s
                                         : u"color: #1F3A68; font: 10pt 'Verdana';"_s);
}

void BackupBar::cmdCopiaClick()
{
    const QString proposed = QDir::home().filePath(Backup::proposedName(Clock::today()));
    const QString target = Desktop::backend().saveFileName(u"Salva una copia di sicurezza di tutti i dati"_s,
                                                           proposed, zipFilters(), u"zip"_s);
    if (target.isEmpty())
        return;
    try {
        const Backup::Saved saved = waiting([&] { return Backup::save(ExeFolder::path(), target); });
        refresh();
        Desktop::information(Backup::savedMessage(saved));
    } catch (const Failure& failure) {
        Desktop::error(failure.message());
    }
}

void BackupBar::cmdVerificaCopiaClick()
{
    const QString copy =
        Desktop::backend().openFileName(u"Scegliere la copia di sicurezza da verificare"_s, zipFilters(), u"zip"_s);
    if (copy.isEmpty())
        return;
    try {
        const Manifest manifest = waiting([&] { return Backup::verify(copy); });
        Desktop::information(Backup::wholeMessage(manifest));
    } catch (const Failure& failure) {
        Desktop::error(failure.message());
    }
}

void BackupBar::cmdRipristinaCopiaClick()
{
    const QString copy =
        Desktop::backend().openFileName(u"Scegliere la copia di sicurezza da ripristinare"_s, zipFilters(), u"zip"_s);
    if (copy.isEmpty())
        return;
    try {
        const Manifest manifest = waiting([&] { return Backup::verify(copy); });
        if (claimDataFolder && !claimDataFolder()) {
            Desktop::warning(u"Attenzione: un'altra copia del programma sta usando questi dati. Chiuderla prima di "
                             u"ripristinare la copia di sicurezza."_s);
            return;
        }
        if (!Desktop::confirm(Backup::confirmation(manifest)))
            return;
        const Backup::Restored done = waiting([&] { return Backup::restore(copy, ExeFolder::path()); });
        Desktop::information(Backup::restoredMessage(done) +
                             u"\n\nImmettere di nuovo la password: potrebbe essere cambiata con i dati ripristinati."_s);
    } catch (const Failure& failure) {
        Desktop::error(failure.message());
        return;
    }
    if (restored)
        restored();
}
