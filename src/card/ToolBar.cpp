#include "ToolBar.h"

#include "FieldBehaviour.h"
#include "platform/Picture.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

// The buttons a keyboard alone must reach, now that no tool-bar button takes the focus: the
// chords every desktop program uses, none of which a field uses or a typing habit presses.
QKeySequence shortcutOf(const char* name)
{
    static const struct {
        const char* name;
        QKeySequence keys;
    } table[] = {
        {"cmdNuovo", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"cmdSalva", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"cmdTrova", QKeySequence(Qt::CTRL | Qt::Key_F)},
        {"cmdStampa", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"cmdIndietro", QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
        {"cmdAvanti", QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
        {"cmdGuida", QKeySequence(Qt::Key_F1)},
    };
    for (const auto& row : table)
        if (qstrcmp(row.name, name) == 0)
            return row.keys;
    return {};
}

} // namespace

ToolBar::ToolBar(QWidget* screen, QLabel* infoBar) : QWidget(screen), m_screen(screen), m_infoBar(infoBar)
{
    setObjectName(u"panToolBar"_s);
    m_row = new QHBoxLayout(this);
    m_row->setContentsMargins(0, 0, 0, 0);
    FieldBehaviour::noHint(this, infoBar); // the gaps between the groups
}

QToolButton* ToolBar::add(const Button& item)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(item.name));
    button->setIcon(Pictures::icon(item.icon));
    button->setIconSize(QSize(32, 32));
    button->setText(item.text);
    button->setToolTip(item.hint);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    // A picture, as on paper: reached by the mouse, never by the keyboard's focus, so Enter
    // meant for a field can never press it.
    button->setFocusPolicy(Qt::NoFocus);
    button->setShortcut(shortcutOf(item.name));
    button->setMinimumWidth(64);
    FieldBehaviour::hint(button, m_infoBar, item.hint);
    if (item.click)
        connect(button, &QToolButton::clicked, m_screen, item.click);
    return button;
}

void ToolBar::addGroup(const QList<QWidget*>& members)
{
    auto* frame = new QFrame(this);
    frame->setObjectName(u"toolGroup"_s);
    frame->setStyleSheet(
        u"QFrame#toolGroup { background: white; border: 1px solid #9DB6D3; border-radius: 6px; }"_s);
    auto* inner = new QHBoxLayout(frame);
    inner->setContentsMargins(4, 2, 4, 2);
    inner->setSpacing(0);
    for (QWidget* w : members)
        inner->addWidget(w);
    FieldBehaviour::noHint(frame, m_infoBar);
    m_row->addWidget(frame);
}

void ToolBar::addGroup(const QList<Button>& buttons)
{
    QList<QWidget*> members;
    for (const Button& b : buttons)
        members.append(add(b));
    addGroup(members);
}

void ToolBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!m_compact)
        m_fullWidth = m_row->minimumSize().width();
    const bool compact = width() < m_fullWidth;
    if (compact != m_compact)
        setCompact(compact);
}

void ToolBar::setCompact(bool compact)
{
    m_compact = compact;
    QFont small = font();
    small.setPointSizeF(font().pointSizeF() * 0.85);
    for (QToolButton* button : findChildren<QToolButton*>()) {
        button->setIconSize(compact ? QSize(26, 26) : QSize(32, 32));
        button->setFont(compact ? small : font());
        button->setMinimumWidth(compact ? 46 : 64);
    }
    for (QFrame* group : findChildren<QFrame*>(u"toolGroup"_s))
        group->layout()->setContentsMargins(compact ? 2 : 4, 2, compact ? 2 : 4, 2);
}

void ToolBar::addStretch()
{
    m_row->addStretch();
}

QLabel* ToolBar::positionLabel()
{
    auto* label = new QLabel(this);
    label->setObjectName(u"lblPosizione"_s);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(48);
    label->setStyleSheet(u"font: bold 14pt 'Verdana'; color: #1F3A68;"_s);
    return label;
}

QLabel* ToolBar::addNavigation(const QString& noun, const std::function<void(NavigationButton)>& navigate)
{
    using Nav = NavigationButton;
    const auto to = [&navigate](Nav button) { return [navigate, button] { navigate(button); }; };
    QLabel* position = positionLabel();
    addGroup(
        QList<QWidget*>{add({"cmdPrimo", u"first"_s, u"Prima"_s,
                             u"Visualizza la prima "_s + noun + u" in archivio."_s, to(Nav::First)}),
                        add({"cmdIndietro", u"previous"_s, u"Indietro"_s,
                             u"Visualizza la "_s + noun + u" precedente in archivio."_s, to(Nav::Previous)}),
                        position,
                        add({"cmdAvanti", u"next"_s, u"Avanti"_s,
                             u"Visualizza la "_s + noun + u" successiva in archivio."_s, to(Nav::Next)}),
                        add({"cmdUltimo", u"last"_s, u"Ultima"_s,
                             u"Visualizza l'ultima "_s + noun + u" in archivio."_s, to(Nav::Last)})});
    return position;
}

void ToolBar::addHelpAndExit(const std::function<void()>& help)
{
    addGroup(QList<Button>{{"cmdGuida", u"help"_s, u"Guida"_s,
                            u"Visualizza la pagina della guida in linea sensibile al contesto."_s, help},
                           {"cmdEsci", u"exit"_s, u"Esci"_s, u"Esci dalla schermata di lavoro corrente."_s,
                            [screen = m_screen] { screen->close(); }}});
}
