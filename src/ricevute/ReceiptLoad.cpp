#include "ReceiptLoad.h"

#include "card/FieldBehaviour.h"
#include "platform/Text.h"
#include "storage/RecordLayout.h"

#include <QCheckBox>
#include <QLabel>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace ReceiptLoad {

void into(QWidget* screen, const Record& receipt, qint64 position)
{
    static const char* const order[] = {
        "NumRic",       "Data",         "UfficioTer", "DataStipula",  "DataReg",      "CodContratto",
        "DurataCon",    "CognomeLoc01", "NomeLoc01",  "CodFiscLoc01", "CognomeCon01", "NomeCon01",
        "CodFiscCon01", "Immobile",     "Note",       "Causale01",    "Importo01",    "PercIstat",
        "Istat",        "Causale02",    "Importo02",  "Causale03",    "Importo03",    "Causale04",
        "Importo04",    "Causale05",    "Importo05",  "Causale06",    "Importo06",    "Causale07",
        "Importo07",    "Causale08",    "Importo08",  "ImpLettere",   "Cents",        "Bollo",
        "TotRicevuta"};
    for (const char* name : order) {
        const QString field = QString::fromLatin1(name);
        if (auto* control = screen->findChild<QWidget*>(u"txt"_s + field)) {
            if (auto* label = qobject_cast<QLabel*>(control))
                label->setText(Text::trimmed(receipt.text(field)));
            else
                FieldBehaviour::setTextOf(control, Text::trimmed(receipt.text(field)));
        }
    }
    if (auto* paid = screen->findChild<QCheckBox*>(u"chkSaldata"_s)) {
        const QString flag = Text::trimmed(receipt.text(u"Saldata"_s));
        if (flag == u"Sì"_s)
            paid->setChecked(true);
        else if (flag == u"No"_s)
            paid->setChecked(false);
    }
    if (auto* label = screen->findChild<QLabel*>(u"lblPosizione"_s))
        label->setText(QString::number(position));
}

} // namespace ReceiptLoad
