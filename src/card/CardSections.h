#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class CardForm;
class Picture;
class QLabel;
class QWidget;

// One section of a card: its panel, its header in two states (blue: a button that opens the
// section; red: the mark of the open one), the header's title and hint, and its rows of field
// names (the tokens of CardForm::buildSection). Section i holds the fields whose record
// section is i.
struct CardSection {
    const char* panel;
    const char* blueHeader;
    const char* redHeader;
    QString title;
    QString hint;
    QList<QStringList> rows;
};

// A card in sections, one shown at a time: every section's panel in its own scroll area,
// stacked in one place, and the headers that switch between them, two to a row. The property
// card uses it; the F24 screen can.
class CardSections : public QObject {
    Q_OBJECT
public:
    // Builds every section's panel from its rows; a field placed in a section other than its
    // own fails, naming the row.
    CardSections(CardForm& form, const QList<CardSection>& sections, QLabel* infoBar, QWidget* owner);

    QWidget* headers() const { return m_headers; } // the grid of the section headers
    QWidget* panels() const { return m_panels; }   // the stacked section panels
    QWidget* panel(int section) const { return m_sectionPanels[section]; }
    int count() const { return int(m_sectionPanels.size()); }

    // Shows one section (its panel and its red header) and hides the others; the focus goes
    // to the section's first field.
    void show(int section);

private:
    QWidget* m_headers;
    QWidget* m_panels;
    QList<QWidget*> m_sectionPanels;
    QList<QWidget*> m_scrollAreas;
    QList<QWidget*> m_firstFields; // of each section, in Enter order
    QList<Picture*> m_blue;
    QList<Picture*> m_red;
};
