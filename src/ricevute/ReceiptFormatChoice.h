#pragma once

#include "ReceiptPdf.h"

#include <QWidget>

class QRadioButton;

// The choice of the receipt's format on the print, preview and PDF screens: one large receipt
// (optUno, chosen when the screen opens) or two small copies (optDue), in a white panel.
class ReceiptFormatChoice : public QWidget {
    Q_OBJECT
public:
    // The two captions; by default the neutral ones of the preview and PDF screens.
    explicit ReceiptFormatChoice(QWidget* parent, const QString& large = QStringLiteral("Una ricevuta grande su foglio A4."),
                                 const QString& copies = QStringLiteral("Due ricevute piccole su foglio A4."));

    QRadioButton* optUno;
    QRadioButton* optDue;
    ReceiptPdf::Format format() const;
};
