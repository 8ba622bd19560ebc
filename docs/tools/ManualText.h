#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class QPaintDevice;
class QTextDocument;

// The body of the manual: the Markdown chapters set as one styled text document, laid out
// in pages of a given size on a given device. Chapters and sections are numbered; each
// chapter starts a page; a heading or a picture never ends a page alone (it moves on with
// what follows it); every picture is scaled to the width of the text and carries its
// caption (the picture's alternative text) below it.
class ManualText {
public:
    struct Heading {
        int level; // 1 chapter, 2 section
        QString number;
        QString title;
        int page; // 0-based page of the body
    };
    struct Picture {
        QString file;
        QString caption;
    };

    // `markdown` is every chapter in order; pictures are read from `picturesFolder`. Throws
    // Failure (with the reason) for a picture that is missing or does not decode.
    ManualText(const QString& markdown, const QString& picturesFolder, QPaintDevice* device, double pageWidth,
               double pageHeight);
    ~ManualText();

    QTextDocument& document() { return *m_document; }
    int pageCount() const;
    QList<Heading> headings() const;
    const QList<Picture>& pictures() const { return m_pictures; }

private:
    void style();
    void numberHeadings();
    void placePictures(const QString& folder);
    void keepWithNext();
    int pageOf(double y) const;

    std::unique_ptr<QTextDocument> m_document;
    QList<Picture> m_pictures;
    double m_pageWidth;
    double m_pageHeight;
};
