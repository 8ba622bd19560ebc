#include "Shooter.h"

#include "platform/SafeWrite.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QListView>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

constexpr int kTitleBar = 30;

// The window with a plain title bar above it, as a desktop would frame it.
QImage framed(QWidget* window)
{
    const QImage inside = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage picture(inside.width() + 2, inside.height() + kTitleBar + 1, QImage::Format_RGB32);
    picture.fill(QColor(0x3B, 0x4A, 0x60));
    QPainter painter(&picture);
    QLinearGradient bar(0, 0, 0, kTitleBar);
    bar.setColorAt(0, QColor(0x56, 0x6A, 0x88));
    bar.setColorAt(1, QColor(0x3B, 0x4A, 0x60));
    painter.fillRect(QRect(0, 0, picture.width(), kTitleBar), bar);
    painter.setPen(Qt::white);
    QFont font(u"Arial"_s, 10, QFont::Bold);
    painter.setFont(font);
    painter.drawText(QRect(40, 0, picture.width() - 80, kTitleBar), Qt::AlignCenter,
                     window->windowTitle().trimmed());
    painter.setPen(QPen(Qt::white, 2));
    const int x = picture.width() - 22, y = kTitleBar / 2;
    painter.drawLine(x - 5, y - 5, x + 5, y + 5);
    painter.drawLine(x - 5, y + 5, x + 5, y - 5);
    painter.drawImage(1, kTitleBar, inside);
    return picture;
}

} // namespace

[[noreturn]] void giveUp(const QString& why)
{
    std::fprintf(stderr, "guida_schermate: %s\n", qPrintable(why));
    std::exit(1);
}

Shooter::Shooter(const QString& folder) : m_folder(folder)
{
    if (!QDir().mkpath(folder))
        giveUp(u"non posso creare la cartella "_s + folder);
}

void Shooter::shoot(QWidget* window, const QString& variant)
{
    settle();
    if (!window->isVisible())
        giveUp(u"la finestra "_s + window->objectName() + u" non è visibile"_s);
    const QString base = window->objectName();
    if (base.isEmpty())
        giveUp(u"una finestra senza nome: "_s + window->windowTitle());
    const QString name = (variant.isEmpty() ? base : base + u'-' + variant) + u".png"_s;
    if (m_written.contains(name))
        giveUp(u"la figura "_s + name + u" è fatta due volte"_s);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!framed(window).save(&buffer, "PNG"))
        giveUp(u"non posso codificare "_s + name);
    SafeWrite::replaceFile(QDir(m_folder).filePath(name), png);
    m_written.append(name);
}

void Shooter::finish()
{
    SafeWrite::replaceFile(QDir(m_folder).filePath(u"schermate.txt"_s),
                           m_written.join(u'\n').toUtf8() + '\n');
}

void clickOn(QWidget* widget)
{
    settle();
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void clickOn(QWidget* screen, const char* name)
{
    clickOn(controlOf(screen, name));
}

QWidget* controlOf(QWidget* screen, const char* name)
{
    auto* found = screen->findChild<QWidget*>(QString::fromLatin1(name));
    if (found == nullptr)
        giveUp(u"manca il controllo "_s + QString::fromLatin1(name) + u" in "_s + screen->objectName());
    return found;
}

void clickLine(QListView* list, const QString& text)
{
    settle();
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        const QModelIndex index = list->model()->index(row, 0);
        if (!index.data().toString().contains(text))
            continue;
        list->scrollTo(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          QPoint(20, list->visualRect(index).center().y()));
        return;
    }
    giveUp(u"nessuna riga con "_s + text);
}

void settle()
{
    // Deferred deletions too: a chart drops its old axes that way, and the main loop that
    // would delete them does not run here.
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

void onModal(const std::function<void()>& open, const std::function<void(QWidget*)>& inside)
{
    // Waits for a modal dialog other than the one already open (dialogs open from dialogs).
    QWidget* before = QApplication::activeModalWidget();
    bool seen = false;
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == before || seen)
            return;
        seen = true;
        watch.stop();
        settle();
        inside(modal);
        modal->close();
    });
    watch.start();
    open();
    watch.stop();
    if (!seen)
        giveUp(u"nessuna finestra di dialogo si è aperta"_s);
}
