#include "ReportPreview.h"

#include "ReportOutput.h"
#include "ReportRenderer.h"
#include "ReportUnits.h"
#include "platform/Picture.h"
#include "platform/Screen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int kGap = 16;

// The sheets, painted at the preview's zoom; nothing on them can be edited.
class PagesView final : public QWidget {
public:
    PagesView(const ReportDocument& document, const double& zoom) : m_document(document), m_zoom(zoom) {}

    double scale() const { return m_zoom * ReportUnits::dotsPerUnit(logicalDpiX()); }
    QSize sizeHint() const override
    {
        double width = 0, height = kGap;
        for (const PreparedPage& page : m_document.preparedPages()) {
            width = std::max(width, page.size.width() * scale());
            height += page.size.height() * scale() + kGap;
        }
        return QSize(int(width) + 2 * kGap, int(height));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0x80, 0x80, 0x80));
        double y = kGap;
        for (const PreparedPage& page : m_document.preparedPages()) {
            const QSizeF size = page.size * scale();
            const double x = (width() - size.width()) / 2;
            painter.fillRect(QRectF(QPointF(x, y), size), Qt::white);
            painter.save();
            painter.translate(x, y);
            painter.scale(m_zoom, m_zoom);
            ReportRenderer::paint(painter, page);
            painter.restore();
            y += size.height() + kGap;
        }
    }

private:
    const ReportDocument& m_document;
    const double& m_zoom;
};

QToolButton* button(QWidget* parent, const char* name, const QString& icon, const QString& text)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    if (!icon.isEmpty())
        b->setIcon(Pictures::icon(icon));
    b->setText(text);
    b->setIconSize(QSize(24, 24));
    b->setToolButtonStyle(icon.isEmpty() ? Qt::ToolButtonTextOnly : Qt::ToolButtonTextBesideIcon);
    return b;
}

} // namespace

ReportPreview::ReportPreview(const ReportDocument& document, QWidget* owner, PrintDialog::PdfInstead pdfInstead)
    : QDialog(owner), m_document(document), m_pdfInstead(std::move(pdfInstead))
{
    setObjectName(u"frmAnteprima"_s);
    setWindowTitle(u" Anteprima di stampa - "_s + document.name);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMaximizeButtonHint);
    resize(1000, 760);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(8, 6, 8, 6);
    QToolButton* print = button(this, "cmdStampa", u"print"_s, u"Stampa"_s);
    QToolButton* smaller = button(this, "cmdZoomMeno", QString(), u"−"_s);
    QToolButton* actual = button(this, "cmdZoom100", QString(), u"100%"_s);
    QToolButton* larger = button(this, "cmdZoomPiu", QString(), u"+"_s);
    QToolButton* full = button(this, "cmdSchermoIntero", QString(), u"Schermo intero"_s);
    QToolButton* close = button(this, "cmdChiudi", u"exit"_s, u"Chiudi"_s);
    m_zoomLabel = new QLabel(this);
    m_zoomLabel->setObjectName(u"lblZoom"_s);
    m_zoomLabel->setMinimumWidth(50);
    m_zoomLabel->setAlignment(Qt::AlignCenter);
    for (QWidget* w :
         {static_cast<QWidget*>(print), static_cast<QWidget*>(smaller), static_cast<QWidget*>(m_zoomLabel),
          static_cast<QWidget*>(larger), static_cast<QWidget*>(actual), static_cast<QWidget*>(full)})
        bar->addWidget(w);
    bar->addStretch();
    bar->addWidget(close);
    layout->addLayout(bar);

    auto* scroll = new QScrollArea(this);
    m_scroll = scroll;
    scroll->setObjectName(u"scrPagine"_s);
    m_pages = new PagesView(document, m_zoom);
    m_pages->setObjectName(u"panPagine"_s);
    scroll->setWidget(m_pages);
    scroll->setAlignment(Qt::AlignHCenter);
    layout->addWidget(scroll);

    connect(print, &QToolButton::clicked, this, [this] { ReportOutput::Print(m_document, pageInView(), m_pdfInstead); });
    connect(smaller, &QToolButton::clicked, this, [this] { setZoom(m_zoom / 1.25); });
    connect(larger, &QToolButton::clicked, this, [this] { setZoom(m_zoom * 1.25); });
    connect(actual, &QToolButton::clicked, this, [this] { setZoom(1.0); });
    connect(full, &QToolButton::clicked, this, [this] { isFullScreen() ? showNormal() : showFullScreen(); });
    connect(close, &QToolButton::clicked, this, &QDialog::close);
    setZoom(1.0);
}

void ReportPreview::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous() && !isFullScreen())
        fitAndCentre(this);
}

int ReportPreview::pageInView() const
{
    const double middle = m_pages->mapFrom(m_scroll->viewport(), m_scroll->viewport()->rect().center()).y();
    const double scale = static_cast<PagesView*>(m_pages)->scale();
    double bottom = kGap;
    const QList<PreparedPage>& pages = m_document.preparedPages();
    for (qsizetype i = 0; i < pages.size(); ++i) {
        bottom += pages[i].size.height() * scale + kGap;
        if (middle < bottom)
            return int(i);
    }
    return std::max(0, int(pages.size()) - 1);
}

void ReportPreview::setZoom(double zoom)
{
    m_zoom = std::clamp(zoom, 0.25, 4.0);
    m_zoomLabel->setText(QString::number(qRound(m_zoom * 100)) + u" %"_s);
    m_pages->resize(m_pages->sizeHint());
    m_pages->update();
}
