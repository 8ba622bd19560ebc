#pragma once

#include "storage/ListSearch.h"
#include "storage/RecordLayout.h"

#include <QString>
#include <QStringList>

// What the F24 search compares, lists and hands over.
namespace F24Search {

struct Criterion {
    QString caption;
    QString field; // the record field, and the criterion's control name without "txt"
};

// The ten criteria in the order Enter walks them: five rows of two.
const QList<Criterion>& criteria();

// The 137-character list line of a form, followed by its final balance. Only the first payment
// line's year is shown.
QString listLine(const Record& form);

// Every form of the archive matched against the criteria (in criteria() order), as sorted
// list lines with their forms' positions. Throws Failure when the archive cannot be used.
QList<ListSearch::ListLine> search(const QString& archivePath, const QStringList& criteriaTexts);

// The form at a 1-based position. Throws Failure when it cannot be read.
Record read(const QString& archivePath, qint64 position);

} // namespace F24Search
