#pragma once

#include "storage/ListSearch.h"
#include "storage/RecordLayout.h"

#include <QString>
#include <QStringList>

// What the property search compares, lists and hands over.
namespace ImmobiliSearch {

struct Criterion {
    QString caption;
    QString field; // the record field, and the criterion's control name without "txt"
};

// The ten criteria in the order Enter walks them: five rows of two.
const QList<Criterion>& criteria();

// The 144-character list line of a card, followed by its contract date.
QString listLine(const Record& card);

// A full pass: every card of the archive matched against the criteria (in criteria()
// order), as the positions of the cards in the order of their sorted list lines. Throws
// Failure when the archive cannot be used.
QList<int> search(const QString& archivePath, const QStringList& criteriaTexts);

// The list lines of the cards at positions[first] to positions[first + count - 1], read again
// from the archive. Stops at a card that can no longer be read: the lines before it.
QStringList lines(const QString& archivePath, const QList<int>& positions, int first, int count);

} // namespace ImmobiliSearch
