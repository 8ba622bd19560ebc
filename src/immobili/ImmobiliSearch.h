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
// order), as sorted list lines with their cards' positions. Throws Failure when the archive
// cannot be used.
QList<ListSearch::ListLine> search(const QString& archivePath, const QStringList& criteriaTexts);

} // namespace ImmobiliSearch
