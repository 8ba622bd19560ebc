#include "CardSections.h"

#include "CardForm.h"
#include "FieldBehaviour.h"
#include "platform/Failure.h"
#include "platform/Picture.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>

using namespace Qt::StringLiterals;

namespace {
const QSize kHeaderSize(284, 33);
constexpr int kPanelMaxWidth = 1360; // on a wide screen the rows stay readable
const QString kHeaderFont = u"color: white; font: bold 11pt 'Verdana'; border-radius: 4px;"_s;
const QString kBlue =
    u"background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3C7BC4, stop:1 #1F4E8C);"_s;
const QString kRed =
    u"background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #D9534F, stop:1 #A8322E);"_s;
} // namespace

CardSections::CardSections(CardForm& form, const QList<CardSection>& sections, QLabel* infoBar,
                           QWidget* owner)
    : QObject(owner)
{
    m_headers = new QWidget(owner);
    FieldBehaviour::noHint(m_headers, infoBar); // between the section headers
    auto* grid = new QGridLayout(m_headers);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(4);
    m_panels = new QWidget(owner);
    auto* stack = new QGridLayout(m_panels);
    stack->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < sections.size(); ++i) {
        const CardSection& s = sections[i];
        auto* blue = new Picture(QString::fromLatin1(s.blueHeader), QString(), kHeaderSize, m_headers);
        blue->setText(s.title);
        blue->setStyleSheet(kBlue + kHeaderFont);
        blue->setClickable(true);
        FieldBehaviour::hint(blue, infoBar, s.hint);
        auto* red = new Picture(QString::fromLatin1(s.redHeader), QString(), kHeaderSize, m_headers);
        red->setText(s.title);
        red->setStyleSheet(kRed + kHeaderFont);
        grid->addWidget(blue, i / 2, i % 2);
        grid->addWidget(red, i / 2, i % 2);
        m_blue.append(blue);
        m_red.append(red);
        connect(blue, &Picture::clicked, this, [this, i] { show(i); });

        QWidget* panel = form.buildSection(QString::fromLatin1(s.panel), s.rows, m_panels, i);
        panel->setAutoFillBackground(true);
        panel->setPalette(QPalette(QColor(0xF7, 0xFA, 0xFD)));
        panel->setMaximumWidth(kPanelMaxWidth);
        FieldBehaviour::noHint(panel, infoBar);
        for (QGroupBox* box : panel->findChildren<QGroupBox*>()) // the framed boxes' insides
            FieldBehaviour::noHint(box, infoBar);
        // On a small screen a section scrolls instead of being cut.
        auto* scroll = new QScrollArea(m_panels);
        scroll->setWidgetResizable(true);
        scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        scroll->setFrameShape(QFrame::StyledPanel);
        scroll->setWidget(panel);
        FieldBehaviour::noHint(scroll->viewport(), infoBar); // the margins beside a narrow panel
        stack->addWidget(scroll, 0, 0);
        m_sectionPanels.append(panel);
        m_scrollAreas.append(scroll);
        const QList<QWidget*> ring = form.ring(i);
        m_firstFields.append(ring.isEmpty() ? nullptr : ring.front());
    }
    show(0);
}

void CardSections::show(int section)
{
    if (section < 0 || section >= count())
        throw Failure(u"Sezione della scheda inesistente: "_s + QString::number(section));
    // The shown section's first field takes the focus before the others hide: a hidden field
    // would hand the focus on to whatever comes next (a tool-bar button, a check box), where
    // Enter or Space would act on it.
    m_scrollAreas[section]->setVisible(true);
    m_sectionPanels[section]->setVisible(true);
    if (m_firstFields[section])
        m_firstFields[section]->setFocus(Qt::OtherFocusReason);
    for (int i = 0; i < count(); ++i) {
        const bool current = i == section;
        m_scrollAreas[i]->setVisible(current);
        m_sectionPanels[i]->setVisible(current);
        m_red[i]->setVisible(current);
        m_blue[i]->setVisible(!current);
    }
}
