#pragma once

#include <QtGlobal>

class QWidget;
class Record;

// The receipt screen filled from a list: its controls by their names (txtNumRic
// … txtBollo, txtTotRicevuta), chkSaldata ticked for "Sì" and cleared for "No", then the
// position into lblPosizione. Runs no handler of that screen: nothing is recalculated.
namespace ReceiptLoad {
void into(QWidget* receiptScreen, const Record& receipt, qint64 position);
} // namespace ReceiptLoad
