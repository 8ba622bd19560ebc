#pragma once

#include "ReceiptPdf.h"

#include <QWidget>

class QRadioButton;

// The choice of the receipt's format on the preview and PDF screens, drawn as on the print
// screen: one large receipt (optUno, chosen when the screen opens) or two small copies (optDue).
class ReceiptFormatChoice : public QWidget {
    Q_OBJECT
public:
    explicit ReceiptFormatChoice(QWidget* parent);

    QRadioButton* optUno;
    QRadioButton* optDue;
    ReceiptPdf::Format format() const;
};
