#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// Report documents: pages of named objects at fixed places, in report units of 1/96 inch
// (ReportUnits). Every report is used the same way: create it from its template, fill it
// (the fill sets the texts and pictures and prepares the document), then hand the prepared
// pages to the printer, the preview or a PDF file.

struct ReportObject {
    enum class Kind { Text, Picture, Shape, Line };
    virtual ~ReportObject() = default;
    virtual Kind kind() const = 0;
    virtual std::unique_ptr<ReportObject> clone() const = 0;

    QString name;
    QRectF rect; // relative to its band, or to the page's printable area
};

struct TextBox final : ReportObject {
    Kind kind() const override { return Kind::Text; }
    std::unique_ptr<ReportObject> clone() const override { return std::make_unique<TextBox>(*this); }

    QStringList lines;
    QString fontFamily = QStringLiteral("Arial");
    double fontPoints = 10;
    bool bold = false;
    QColor colour = Qt::black;
    QColor fill; // invalid: transparent
    Qt::Alignment horizontal = Qt::AlignLeft;
    bool centreVertically = false;
    bool tags = false;        // <b> and <i> honoured
    bool expressions = false; // [DATE] evaluated

    void setText(const QString& text); // a line break starts a new line
    void clearLines() { lines.clear(); }
    void addLine(const QString& line) { lines.append(line); }
    int lineCount() const { return int(lines.size()); }
    double fontPixels() const; // the font's height in report units
    double lineHeight() const; // the height of one line of this box's font, in report units
};

struct PictureBox final : ReportObject {
    Kind kind() const override { return Kind::Picture; }
    std::unique_ptr<ReportObject> clone() const override { return std::make_unique<PictureBox>(*this); }
    QImage picture;
    QByteArray vector; // an SVG drawing, drawn as vectors (wins over picture when set)
    bool centred = false;
};

struct ShapeBox final : ReportObject {
    Kind kind() const override { return Kind::Shape; }
    std::unique_ptr<ReportObject> clone() const override { return std::make_unique<ShapeBox>(*this); }
    QColor fill = Qt::white;
};

struct LineObject final : ReportObject {
    Kind kind() const override { return Kind::Line; }
    std::unique_ptr<ReportObject> clone() const override { return std::make_unique<LineObject>(*this); }
};

using ObjectList = std::vector<std::unique_ptr<ReportObject>>;

struct Band {
    enum class Kind { Title, MasterData, Footer };
    QString name;
    Kind kind = Kind::MasterData;
    double height = 0;
    double width = 0;
    ObjectList objects;
};

struct ReportPage {
    double paperWidthMm = 210;
    double paperHeightMm = 297;
    bool landscape = false;
    double marginLeftMm = 0, marginTopMm = 0, marginRightMm = 0, marginBottomMm = 0;
    ObjectList objects;      // on a page without bands
    std::vector<Band> bands; // title, master data, footer

    void setLandscape(bool on);
    QSizeF paperUnits() const;     // the sheet in report units
    QRectF printableUnits() const; // inside the margins
};

// One laid-out sheet: every object with its place on the sheet and, for text boxes, the
// lines as they print (expressions evaluated, cut at the box's edge).
struct PreparedItem {
    struct Run {
        QString text;
        bool bold = false;
        bool italic = false;
    };
    std::shared_ptr<const ReportObject> object; // a copy, with rect on the sheet
    QList<QList<Run>> lines;                    // text boxes only
    QString text() const;                       // the printed lines joined by "\n"
};

struct PreparedPage {
    QSizeF size; // report units
    QList<PreparedItem> items;
    const PreparedItem* find(const QString& name) const;
};

class ReportDocument {
public:
    ReportDocument() = default;
    ReportDocument(const ReportDocument&) = delete;
    ReportDocument& operator=(const ReportDocument&) = delete;
    ReportDocument(ReportDocument&&) = default;
    ReportDocument& operator=(ReportDocument&&) = default;

    QString name;
    std::vector<ReportPage> pages;

    ReportObject* FindObject(const QString& name);
    Band* FindBand(const QString& name);
    ReportPage& firstPage() { return pages.front(); }

    // Typed look-ups for print code: a name the template lacks is a fault and throws.
    TextBox& text(const QString& name);
    PictureBox& picture(const QString& name);
    Band& band(const QString& name);

    // Lays every page out anew from the template and the texts set so far.
    void PrepareReport();
    const QList<PreparedPage>& preparedPages() const { return m_prepared; }

private:
    QList<PreparedPage> m_prepared;
};
