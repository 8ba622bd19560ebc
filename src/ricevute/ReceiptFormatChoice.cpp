#include "ReceiptFormatChoice.h"

#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ReceiptFormatChoice::ReceiptFormatChoice(QWidget* parent, const QString& large, const QString& copies)
    : QWidget(parent)
{
    auto* panel = new QWidget(this);
    panel->setObjectName(u"panOpzioni"_s);
    panel->setStyleSheet(
        u"#panOpzioni { background: white; border: 1px solid #7FA3CC; border-radius: 6px; }"_s);
    auto* options = new QVBoxLayout(panel);
    options->setContentsMargins(14, 12, 14, 12);
    optUno = new QRadioButton(large, panel);
    optUno->setObjectName(u"optUno"_s);
    optDue = new QRadioButton(copies, panel);
    optDue->setObjectName(u"optDue"_s);
    for (QRadioButton* option : {optUno, optDue}) {
        option->setFont(QFont(u"Verdana"_s, 12));
        option->setStyleSheet(u"border: none;"_s);
        options->addWidget(option);
    }
    optUno->setChecked(true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(14, 0, 14, 0);
    row->addWidget(panel);
}

ReceiptPdf::Format ReceiptFormatChoice::format() const
{
    return optDue->isChecked() ? ReceiptPdf::Format::Copies : ReceiptPdf::Format::Large;
}
