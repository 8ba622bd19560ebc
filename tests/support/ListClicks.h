#pragma once

#include <QCoreApplication>
#include <QListWidget>
#include <QTest>

// A user's double-click on a line of a list: the line scrolled into view, clicked, then
// double-clicked near its left end (list lines are often wider than the list).
inline void doubleClickLine(QListWidget* list, int row)
{
    QCoreApplication::processEvents(); // let the panel lay its list out
    list->scrollToItem(list->item(row));
    const QPoint at(20, list->visualItemRect(list->item(row)).center().y());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}
