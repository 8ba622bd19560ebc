#pragma once

#include "report/ReportModel.h"

#include <QHash>
#include <QList>
#include <QRectF>
#include <QString>

// The F24 ELIDE form as printed: the three copies (the bank's two and the payer's), each
// a page of the drawn form with 112 text boxes, and the single page without caption that
// goes into the PDF. The texts come from the F24 screen by record field name ("Delegato",
// "CodFiscCont", "Importo01", ...) and print as given, trimmed.
namespace F24Report {

using Texts = QHash<QString, QString>;

enum class Output { Print, Pdf };

struct Box {
    QString name; // bare name, as on the first page ("txtCodFiscCont01")
    QRectF rect;
    double points = 8;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool onPaymentLine = false; // moved a little right on the second and third copies
};

// The 112 boxes of one page, where they sit on the printed copies or on the PDF page.
QList<Box> boxes(Output output);

// The printed form, 3 pages: picSfondo, picSfondoX, picSfondoY with the boxes named bare,
// with "X" and with "Y".
ReportDocument createPrint();
// The PDF form, one page without caption, the drawing 1 mm further right.
ReportDocument createPdf();

// The text of every box of one page, by bare box name.
QHash<QString, QString> boxTexts(const Texts& form, Output output);

// Fill every page's boxes and prepare the pages.
void fillPrint(ReportDocument& report, const Texts& form);
void fillPdf(ReportDocument& report, const Texts& form);

struct Amount {
    QString euros; // right-aligned beside the cents: the blanks before it print nothing
    QChar tens, units;
};
// An amount "1234,56" into "1234", '5' and '6'; an empty one into blanks.
Amount splitAmount(const QString& amount);

// The caption at the foot of copy 1, 2 or 3.
QString copyCaption(int copy);

QString pdfPath(); // Modello_F24_ELIDE.pdf beside the executable

inline QString documentName()
{
    return QStringLiteral("Modello F24 ELIDE");
}

} // namespace F24Report
