#pragma once

#include "CardNavigation.h"

#include <QList>
#include <QString>
#include <QWidget>
#include <functional>

class QHBoxLayout;
class QLabel;
class QToolButton;

// A screen's tool bar: picture buttons with a caption under the icon, in white groups, each
// button's hint shown in the screen's information bar while the mouse is over it. The buttons
// take no keyboard focus; the common ones answer their usual chords (Ctrl+S, F1...). When the screen is too
// narrow for every button at its full size (a long tool bar at 1366 pixels), the buttons are drawn smaller,
// icon and caption, instead of cutting their captions.
class ToolBar : public QWidget {
    Q_OBJECT
public:
    struct Button {
        const char* name; // objectName, such as "cmdSalva"
        QString icon;     // a picture of resources/pictures
        QString text;
        QString hint;
        std::function<void()> click;
    };

    ToolBar(QWidget* screen, QLabel* infoBar);

    QToolButton* add(const Button& button); // a button not yet placed in a group
    void addGroup(const QList<QWidget*>& members);
    void addGroup(const QList<Button>& buttons);
    void addStretch();
    // The record position shown between the navigation arrows (objectName lblPosizione).
    QLabel* positionLabel();
    // The group of the four navigation arrows around the position label, which it returns;
    // `noun` names what the archive holds in the hints ("scheda", "ricevuta").
    QLabel* addNavigation(const QString& noun, const std::function<void(NavigationButton)>& navigate);
    // The Guida and Esci group that ends a screen's tool bar; Esci closes the screen.
    void addHelpAndExit(const std::function<void()>& help);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void setCompact(bool compact);

    QWidget* m_screen;
    QLabel* m_infoBar;
    QHBoxLayout* m_row;
    bool m_compact = false;
    int m_fullWidth = 0; // the least width of the full-size buttons
};
