#pragma once

#include <QDateTime>

class Record;

// The demonstration data the manual's pictures show: invented landlord and tenants (their
// codici fiscali valid by the program's own check), three property cards, a year of receipts
// and two F24 ELIDE forms, written into the program folder (ExeFolder) the way the program
// writes them: the cards as records, receipts and forms through their own screens.
namespace DemoData {

// The day the pictures are taken on.
QDateTime today();
inline constexpr int kYear = 2025;

void writeSettings();   // payment reasons, logo, an attached document
void writeCards();      // Immobili.pro
Record card(int index); // 0 to 2, as written
void enterReceipts();   // kYear.ric, through the receipt screen
void enterF24Forms();   // F24_ELIDE.pro, through the F24 screen
void saveBackup();      // a backup copy of the day, so the main menu shows its date

} // namespace DemoData
