#pragma once

#include "ReportModel.h"
#include "platform/PrintDialog.h"

#include <QDialog>

class QLabel;
class QScrollArea;

// The preview window: the prepared pages one under the other, read-only, opening at 100 %,
// with print, zoom, full screen and close. Its print offers `pdfInstead` when the system has no
// printer.
class ReportPreview : public QDialog {
    Q_OBJECT
public:
    ReportPreview(const ReportDocument& document, QWidget* owner, PrintDialog::PdfInstead pdfInstead = {});

    double zoom() const { return m_zoom; }
    void setZoom(double zoom);
    // The page at the middle of the view (0-based): the print dialog's "current page".
    int pageInView() const;

protected:
    // Opens at 1000 x 760, or smaller on a smaller screen, centred.
    void showEvent(QShowEvent* event) override;

private:
    const ReportDocument& m_document;
    PrintDialog::PdfInstead m_pdfInstead;
    double m_zoom = 1.0;
    QWidget* m_pages;
    QScrollArea* m_scroll;
    QLabel* m_zoomLabel;
};
