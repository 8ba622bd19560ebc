#pragma once

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QListView>
#include <QTest>

// A list of lines as the tests read and use it: its count, a line, the selected row.
inline int listCount(const QListView* list)
{
    return list->model()->rowCount();
}

inline QString listLine(const QListView* list, int row)
{
    return list->model()->index(row, 0).data().toString();
}

inline int listCurrentRow(const QListView* list)
{
    return list->currentIndex().isValid() ? list->currentIndex().row() : -1;
}

// A user's double-click on a line of a list: the line scrolled into view, clicked, then
// double-clicked near its left end (list lines are often wider than the list).
inline void doubleClickLine(QListView* list, int row)
{
    QCoreApplication::processEvents(); // let the panel lay its list out
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    const QPoint at(20, list->visualRect(index).center().y());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}
