#include "QtDesktop.h"
#include "Product.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>

using namespace Qt::StringLiterals;

namespace {

QMessageBox::Icon iconOf(Desktop::Kind kind)
{
    switch (kind) {
    case Desktop::Kind::Warning:
        return QMessageBox::Warning;
    case Desktop::Kind::Error:
        return QMessageBox::Critical;
    case Desktop::Kind::Information:
        return QMessageBox::Information;
    case Desktop::Kind::Confirmation:
        return QMessageBox::Question;
    case Desktop::Kind::Plain:
        return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

QString titleOf(Desktop::Kind kind)
{
    switch (kind) {
    case Desktop::Kind::Warning:
        return u"Avviso"_s;
    case Desktop::Kind::Error:
        return u"Errore"_s;
    case Desktop::Kind::Information:
        return u"Informazione"_s;
    case Desktop::Kind::Confirmation:
        return u"Conferma"_s;
    case Desktop::Kind::Plain:
        return Product::name;
    }
    return Product::name;
}

QMessageBox::StandardButtons buttonsOf(Desktop::Buttons buttons)
{
    switch (buttons) {
    case Desktop::Buttons::Ok:
        return QMessageBox::Ok;
    case Desktop::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Desktop::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Desktop::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

} // namespace

Desktop::Answer QtDesktop::message(Desktop::Kind kind, const QString& text, Desktop::Buttons buttons)
{
    QMessageBox box(iconOf(kind), titleOf(kind), text, buttonsOf(buttons), QApplication::activeWindow());
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Desktop::Answer::Yes;
    case QMessageBox::No:
        return Desktop::Answer::No;
    case QMessageBox::Cancel:
        return Desktop::Answer::Cancel;
    default:
        return Desktop::Answer::Ok;
    }
}

std::optional<QString> QtDesktop::inputBox(const QString& title, const QString& prompt,
                                           const QString& initial)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(initial);
    // Wide enough for its whole title in the window's title bar, with the bar's buttons: the
    // box takes its width from its field.
    QFont bold = dialog.font();
    bold.setBold(true);
    if (auto* field = dialog.findChild<QLineEdit*>())
        field->setMinimumWidth(QFontMetrics(bold).horizontalAdvance(title) + 140);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

QString QtDesktop::openFileName(const QString& title, const QStringList& filters,
                                const QString& defaultSuffix)
{
    QFileDialog dialog(QApplication::activeWindow(), title);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtDesktop::saveFileName(const QString& title, const QString& proposed, const QStringList& filters,
                                const QString& defaultSuffix)
{
    QFileDialog dialog(QApplication::activeWindow(), title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setDirectory(QFileInfo(proposed).absolutePath());
    dialog.selectFile(QFileInfo(proposed).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void QtDesktop::openUrl(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}

void QtDesktop::terminate()
{
    QCoreApplication::exit(0);
}

bool QtDesktop::composeMail(const QStringList& xdgEmailArguments)
{
    auto* process = new QProcess(qApp);
    process->setStandardInputFile(QProcess::nullDevice());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    process->start(u"xdg-email"_s, xdgEmailArguments);
    bool answered = process->waitForStarted(5000);
    // Most mail programs take the message and xdg-email ends at once, saying whether one did. One
    // that keeps it waiting is a mail program at work: it is left running, not waited for.
    if (answered && (process->waitForFinished(15000) || process->state() == QProcess::NotRunning))
        answered = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
    QApplication::restoreOverrideCursor();
    if (process->state() == QProcess::NotRunning)
        process->deleteLater();
    else
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    return answered;
}
