#include "Screen.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLinearGradient>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

using namespace Qt::StringLiterals;

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
    // Without a window manager, maximising does nothing: fill the screen anyway. Under one,
    // the geometry given is what the window goes back to when it is restored, so its frame
    // must fit on the screen too.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(QGuiApplication::platformName() == u"offscreen"_s
                        ? screen->availableGeometry()
                        : screen->availableGeometry().marginsRemoved(usualFrame()));
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
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
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
    if (!event->spontaneous()) {
        growToContents();
        fitAndCentre(this);
    }
}

void DialogScreen::growToContents()
{
    // A fixed size is kept where its controls fit; where a caption needs more (a longer text,
    // a larger font), the window grows so every caption shows whole.
    if (layout() == nullptr || minimumSize() != maximumSize())
        return;
    layout()->activate();
    const QSize least = layout()->totalMinimumSize();
    const int width = std::max(this->width(), least.width());
    const int height = std::max(this->height(), layout()->hasHeightForWidth()
                                                    ? layout()->totalHeightForWidth(width)
                                                    : least.height());
    if (width != this->width() || height != this->height())
        setFixedSize(width, height);
}

void DialogScreen::fixClientSize(int width, int height)
{
    setFixedSize(width, height);
}

#include "Picture.h"

QMargins usualFrame()
{
    return {8, 32, 8, 8};
}

namespace {

// Once the window manager has framed a window placed with a reserved frame, its real frame is
// checked once: should it be larger than the one reserved, the window is fitted again.
class FitWhenFramed final : public QObject {
public:
    explicit FitWhenFramed(QWidget* window) : QObject(window), m_window(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if ((event->type() == QEvent::Move || event->type() == QEvent::Resize || event->type() == QEvent::Expose) &&
            m_window->frameGeometry() != m_window->geometry()) {
            const QRect area = m_window->screen()->availableGeometry();
            QWidget* window = m_window;
            deleteLater();
            window->removeEventFilter(this);
            if (!area.contains(window->frameGeometry()))
                fitAndCentre(window);
        }
        return false;
    }

private:
    QWidget* m_window;
};

} // namespace

void fitAndCentre(QWidget* window, QSize size)
{
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr || (window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    const QRect area = screen->availableGeometry();
    const QRect inner = window->geometry();
    const QRect outer = window->frameGeometry();
    QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                   outer.bottom() - inner.bottom());
    // Not framed yet on a real display: reserve a usual title bar and border.
    const bool reserved = frame.isNull() && QGuiApplication::platformName() != u"offscreen"_s;
    if (reserved)
        frame = usualFrame();
    // One resize to the final size: a window resized twice in a row may end at the first size
    // once the window system has answered both.
    const QSize room = area.size().shrunkBy(frame);
    const QSize wanted = (size.isValid() ? size : window->size()).boundedTo(room).expandedTo(window->minimumSize());
    if (wanted != window->size())
        window->resize(wanted);
    QRect framed(QPoint(0, 0), wanted.grownBy(frame));
    framed.moveCenter(area.center());
    if (!reserved) {
        window->move(framed.topLeft()); // a framed window's position is that of its frame
        return;
    }
    // Until the window manager frames it, a window is placed by its inside.
    window->move(framed.topLeft() + QPoint(frame.left(), frame.top()));
    const QObjectList children = window->children();
    if (std::none_of(children.begin(), children.end(),
                     [](QObject* child) { return dynamic_cast<FitWhenFramed*>(child) != nullptr; }))
        new FitWhenFramed(window);
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
