#pragma once

#include "storage/ListSearch.h"
#include "storage/RecordLayout.h"

#include <QString>
#include <QStringList>

// What the receipt search and the unpaid list compare, list and load.
// Lines are the summary lines the summaries also show, in file order, each with its record's position.
namespace RicercaRic {

struct Criterion {
    QString caption;
    QString field; // the record field, and the criterion's control name without "txt"
};

// The ten criteria in the order Enter walks them: five rows of two.
const QList<Criterion>& criteria();

// Every receipt matched against the criteria (in criteria() order). Throws Failure when the
// archive cannot be used.
QList<ListSearch::ListLine> search(const QString& archivePath, const QStringList& criteriaTexts);

// The receipts whose Saldata, trimmed, is exactly "No". A failure ends the pass silently:
// the lines gathered so far are returned.
QList<ListSearch::ListLine> unpaid(const QString& archivePath);

// The receipt at a 1-based position. Throws Failure when it cannot be read.
Record read(const QString& archivePath, qint64 position);

} // namespace RicercaRic
