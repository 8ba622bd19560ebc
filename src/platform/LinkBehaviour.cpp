#include "LinkBehaviour.h"

#include <QMouseEvent>

namespace {

void setColour(QLabel* text, const QColor& colour)
{
    QPalette palette = text->palette();
    palette.setColor(QPalette::WindowText, colour);
    text->setPalette(palette);
}

class LinkFilter final : public QObject {
public:
    LinkFilter(QLabel* text, std::function<void()> follow)
        : QObject(text), m_text(text), m_follow(std::move(follow))
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::MouseButtonPress) {
            setColour(m_text, LinkBehaviour::pressedColour);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (widget->rect().contains(mouse->position().toPoint())) {
                setColour(m_text, LinkBehaviour::linkColour);
                m_follow();
            }
        }
        return false;
    }

private:
    QLabel* m_text;
    std::function<void()> m_follow;
};

} // namespace

namespace LinkBehaviour {

void attach(QLabel* text, QWidget* icon, std::function<void()> follow)
{
    setColour(text, linkColour);
    QFont font = text->font();
    font.setUnderline(true);
    text->setFont(font);
    auto* filter = new LinkFilter(text, std::move(follow));
    for (QWidget* w : {static_cast<QWidget*>(text), icon}) {
        if (w) {
            w->setCursor(Qt::PointingHandCursor);
            w->installEventFilter(filter);
        }
    }
}

QColor colourOf(const QLabel* text)
{
    return text->palette().color(QPalette::WindowText);
}

} // namespace LinkBehaviour
