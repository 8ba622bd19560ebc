#pragma once

#include "platform/Desktop.h"

#include <QStringList>
#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QListView;
class ListLinesModel;
class QPushButton;
class QVBoxLayout;

// The result panel every list shares: the two instruction lines, the find box with "Trova",
// and the list of fixed-width lines in Courier New 12 that "Trova" walks from line to line.
// Screens add their own rows (a total bar, buttons) to column().
class ListResults : public QWidget {
    Q_OBJECT
public:
    struct Options {
        // How "Trova" on an empty list says that there is nothing to search.
        Desktop::Kind emptyListKind = Desktop::Kind::Plain;
        // Enter in the find box moves to "Trova" (the lists of records) or stays.
        bool enterMovesToTrova = true;
    };

    ListResults(QWidget* parent, const Options& options);

    QLineEdit* txtTrova;
    QPushButton* btnTrova;
    QListView* lstRecords;

    QVBoxLayout* column() const { return m_column; }

    // Lines made from `count` records only when they are needed: `linesAt(first, n)` gives
    // lines first to first + n - 1. The list shows the rows in view; "Trova" and printing ask
    // for all of them. For lists as long as an archive, which need not be held to be shown.
    using LineSource = std::function<QStringList(int first, int count)>;

    int count() const;
    QString line(int row) const;
    QStringList lines() const; // every line
    int currentRow() const;    // -1: none
    void setCurrentRow(int row);
    // A new list: the lines, the first selected, the find box and the last find text empty.
    void setLines(const QStringList& lines);
    void setLines(int count, const LineSource& linesAt);
    // New lines and nothing else: no line selected, the find box and the last find text kept.
    void replaceLines(const QStringList& lines);
    void replaceLines(int count, const LineSource& linesAt);
    void clear();
    // Forgets the last find text, so the next "Trova" starts from the top (a shared one is kept).
    void resetFind();
    // The last find text kept outside this panel, so it outlives the screen (a fixed table
    // searched again and again during the run); setLines and resetFind leave it alone.
    void shareLastFind(QString* lastFind) { m_lastFind = lastFind; }
    // The first instruction line, for a list whose lines are not records.
    void setFindInstruction(const QString& text);
    void btnTrovaClick();
    // Widens the window, when the screen allows it, so the list shows a whole line without
    // scrolling sideways; it never narrows it, and the window stays on the screen.
    void fitWindowToLines();

Q_SIGNALS:
    void lineDoubleClicked(int row);

private:
    void selectFirst();

    Options m_options;
    ListLinesModel* m_model;
    QVBoxLayout* m_column;
    QLabel* m_instruction;
    QString m_ownLastFind;
    QString* m_lastFind = &m_ownLastFind;
};
