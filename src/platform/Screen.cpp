#include "Screen.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace {
ApplicationScreen* (*theMainMenu)() = nullptr;

struct Kept {
    QWidget* screen;
    std::function<void()> forget;
};

QList<Kept>& kept()
{
    static QList<Kept> screens;
    return screens;
}
} // namespace

namespace ScreenRegistry {

QList<QWidget*> built()
{
    QList<QWidget*> screens;
    for (const Kept& k : kept())
        screens.append(k.screen);
    return screens;
}

void destroyAll()
{
    // Later screens may refer to earlier ones: destroy in reverse order.
    while (!kept().isEmpty()) {
        const Kept last = kept().takeLast();
        last.forget();
        delete last.screen;
    }
}

void keep(QWidget* screen, std::function<void()> forget)
{
    kept().append({screen, std::move(forget)});
}

} // namespace ScreenRegistry

ApplicationScreen::ApplicationScreen(const QString& caption, QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(caption);
}

void ApplicationScreen::present()
{
    // Without a window manager, maximising does nothing: fill the screen anyway.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    showMaximized();
}

void ApplicationScreen::presentCentred()
{
    show();
    fitAndCentre(this); // again at every showing: after a change of password too
    activateWindow();
}

void ApplicationScreen::handOverTo(ApplicationScreen* next)
{
    if (next == nullptr)
        return;
    next->present();
    hide();
}

void ApplicationScreen::setMainMenu(ApplicationScreen* (*menu)())
{
    theMainMenu = menu;
}

ApplicationScreen* ApplicationScreen::mainMenu()
{
    return theMainMenu ? theMainMenu() : nullptr;
}

void ApplicationScreen::FormClose()
{
    if (mainMenu())
        mainMenu()->present();
}

void ApplicationScreen::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void ApplicationScreen::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept(); // the screen ends hidden
}

DialogScreen::DialogScreen(const QString& caption, QWidget* owner) : QDialog(owner)
{
    setWindowTitle(caption);
    // Dialogs close by their own buttons; those that may also be closed from the title bar say so.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

void DialogScreen::showEvent(QShowEvent* event)
{
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);
    QDialog::showEvent(event);
    if (!event->spontaneous())
        fitAndCentre(this);
}

void DialogScreen::fixClientSize(int width, int height)
{
    setFixedSize(width, height);
}

#include "Picture.h"

void fitAndCentre(QWidget* window)
{
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect area = screen->availableGeometry();
    const QRect inner = window->geometry();
    const QRect outer = window->frameGeometry();
    QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                   outer.bottom() - inner.bottom());
    // Not framed yet on a real display: reserve a usual title bar and border.
    if (frame.isNull() && QGuiApplication::platformName() != u"offscreen")
        frame = QMargins(4, 30, 4, 4);
    const QSize room = area.size().shrunkBy(frame);
    if (window->width() > room.width() || window->height() > room.height())
        window->resize(window->size().boundedTo(room).expandedTo(window->minimumSize()));
    QRect framed(QPoint(0, 0), window->size().grownBy(frame));
    framed.moveCenter(area.center());
    window->move(framed.topLeft()); // a window's position is that of its frame
}

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QPushButton* addTitleBand(QWidget* screen, const QString& title)
{
    auto* layout = qobject_cast<QVBoxLayout*>(screen->layout());
    if (layout == nullptr) {
        layout = new QVBoxLayout(screen);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    auto* band = new QWidget(screen);
    band->setObjectName(QStringLiteral("panTitolo"));
    band->setAutoFillBackground(true);
    band->setPalette(QPalette(QColor(0x1F, 0x3A, 0x68)));
    auto* row = new QHBoxLayout(band);
    auto* caption = new QLabel(title, band);
    caption->setStyleSheet(QStringLiteral("color: white; font: bold 14pt 'Verdana';"));
    auto* exit = new QPushButton(Pictures::icon(QStringLiteral("exit")), QStringLiteral("Esci"), band);
    exit->setObjectName(QStringLiteral("cmdEsci"));
    exit->setIconSize(QSize(24, 24));
    QObject::connect(exit, &QPushButton::clicked, screen, &QWidget::close);
    row->addWidget(caption);
    row->addStretch();
    row->addWidget(exit);
    layout->insertWidget(0, band);
    return exit;
}

void paintCardBackground(QWidget* screen)
{
    screen->setAutoFillBackground(true);
    QLinearGradient gradient(0, 0, 0, 1);
    gradient.setCoordinateMode(QGradient::ObjectMode);
    gradient.setColorAt(0, QColor(0x9C, 0xBC, 0xE3));
    gradient.setColorAt(1, Qt::white);
    QPalette palette;
    palette.setBrush(QPalette::Window, gradient);
    screen->setPalette(palette);
}

QLabel* cardInfoBar(QWidget* screen, const QString& text)
{
    auto* bar = new QLabel(text, screen);
    bar->setObjectName(QStringLiteral("panInfo"));
    bar->setStyleSheet(
        QStringLiteral("background: #6A5ACD; color: white; font: 12pt 'Tahoma'; padding: 4px 10px;"));
    bar->setMinimumHeight(30);
    return bar;
}
