#include "ManualText.h"

#include "ManualStyle.h"

#include "platform/Failure.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QImage>
#include <QPaintDevice>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

// The widest picture (a whole screen with its title bar) fills the width of the text; the
// others keep the same scale, so a small dialog looks small beside a screen, but a little
// larger than that, up to the width of the text, so that its words can be read on paper.
constexpr double kScreenWidth = 1368;
constexpr double kSmallPictureGain = 1.35;

bool isPictureBlock(const QTextBlock& block)
{
    for (auto it = block.begin(); !it.atEnd(); ++it)
        if (it.fragment().charFormat().isImageFormat())
            return true;
    return false;
}

} // namespace

ManualText::ManualText(const QString& markdown, const QString& picturesFolder, QPaintDevice* device,
                       double pageWidth, double pageHeight)
    : m_document(std::make_unique<QTextDocument>()), m_pageWidth(pageWidth), m_pageHeight(pageHeight)
{
    m_document->documentLayout()->setPaintDevice(device);
    m_document->setDocumentMargin(0);
    m_document->setDefaultFont(ManualStyle::bodyFont());
    m_document->setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
    m_document->setPageSize(QSizeF(pageWidth, pageHeight));

    static const QRegularExpression picture(uR"(!\[([^\]]*)\]\(([^)\s]+)\))"_s);
    for (auto it = picture.globalMatch(markdown); it.hasNext();) {
        const auto match = it.next();
        m_pictures.append({match.captured(2), match.captured(1)});
    }
    QTextCursor edits(m_document.get());
    edits.beginEditBlock(); // one layout after all the changes, not one per change
    style();
    numberHeadings();
    placePictures(picturesFolder);
    edits.endEditBlock();
    keepWithNext();
}

ManualText::~ManualText() = default;

int ManualText::pageOf(double y) const
{
    return int(y / m_pageHeight);
}

int ManualText::pageCount() const
{
    return m_document->pageCount();
}

void ManualText::style()
{
    // Lengths in text formats are in pixels of 1/96 inch, whatever the device.
    constexpr double pt = 96.0 / 72.0;
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        QTextCursor cursor(block);
        QTextBlockFormat format = block.blockFormat();
        const int level = format.headingLevel();
        if (level > 0) {
            ManualStyle::heading(level, format, pt);
            cursor.setBlockFormat(format);
            // The heading's own format replaces the one the Markdown reader gave it.
            QTextCharFormat chars;
            chars.setFont(ManualStyle::headingFont(level));
            chars.setForeground(ManualStyle::headingColour());
            cursor.setBlockCharFormat(chars);
            cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            cursor.setCharFormat(chars);
            continue;
        }
        format.setTopMargin(format.topMargin() > 0 ? 3 * pt : 0);
        format.setBottomMargin(5 * pt);
        format.setLineHeight(118, QTextBlockFormat::ProportionalHeight);
        cursor.setBlockFormat(format);
        // Code spans and blocks (commands, file names) in the program's fixed-width font.
        const bool code = format.hasProperty(QTextFormat::BlockCodeFence);
        if (code) {
            // Each line of a command or of the program's output is a block: one band of
            // lines, wrapped at the margin rather than cut off.
            const auto isCode = [](const QTextBlock& b) {
                return b.isValid() && b.blockFormat().hasProperty(QTextFormat::BlockCodeFence);
            };
            format.setBackground(ManualStyle::tableHeaderBackground());
            format.setLeftMargin(format.leftMargin() + 6 * pt);
            format.setLineHeight(100, QTextBlockFormat::ProportionalHeight);
            format.setNonBreakableLines(false);
            format.setTopMargin(isCode(block.previous()) ? 0 : 2 * pt);
            format.setBottomMargin(isCode(block.next()) ? 0 : 6 * pt);
            cursor.setBlockFormat(format);
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!code && !fragment.charFormat().fontFixedPitch())
                continue;
            QTextCursor span(m_document.get());
            span.setPosition(fragment.position());
            span.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            QTextCharFormat fixed;
            fixed.setFontFamilies({ManualStyle::fixedFamily()});
            if (code)
                fixed.setFontPointSize(ManualStyle::bodyFont().pointSizeF() - 1);
            span.mergeCharFormat(fixed);
        }
    }
    for (QTextFrame* frame : m_document->rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (table == nullptr)
            continue;
        QTextTableFormat format = table->format();
        ManualStyle::table(format, pt);
        table->setFormat(format);
        for (int column = 0; column < table->columns(); ++column) {
            QTextCursor header = table->cellAt(0, column).firstCursorPosition();
            QTextCharFormat cell = table->cellAt(0, column).format();
            cell.setBackground(ManualStyle::tableHeaderBackground());
            table->cellAt(0, column).setFormat(cell);
        }
    }
}

void ManualText::numberHeadings()
{
    int chapter = 0, section = 0;
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level < 1 || level > 2)
            continue;
        QString number;
        if (level == 1) {
            number = QString::number(++chapter);
            section = 0;
            if (chapter > 1) {
                QTextBlockFormat format = block.blockFormat();
                format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                QTextCursor(block).setBlockFormat(format);
            }
        } else {
            number = QString::number(chapter) + u'.' + QString::number(++section);
        }
        QTextCursor(block).insertText(number + u"  "_s);
    }
}

void ManualText::placePictures(const QString& folder)
{
    QHash<QString, QString> captions;
    for (const Picture& p : m_pictures)
        captions.insert(p.file, p.caption);
    const double cssWidth = m_pageWidth * 96.0 / m_document->documentLayout()->paintDevice()->logicalDpiX();
    const double scale = cssWidth / kScreenWidth;

    QList<QTextBlock> pictureBlocks;
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next())
        if (isPictureBlock(block))
            pictureBlocks.append(block);

    for (const QTextBlock& block : pictureBlocks) {
        QString caption;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat format = fragment.charFormat().toImageFormat();
            const QString file = format.name();
            const QImage image(folder + u'/' + file);
            if (image.isNull())
                throw Failure(u"manca la figura "_s + file);
            m_document->addResource(QTextDocument::ImageResource, QUrl(file), image);
            const double width = std::min(
                cssWidth, image.width() * scale * (image.width() < kScreenWidth ? kSmallPictureGain : 1.0));
            format.setWidth(width);
            format.setHeight(width * image.height() / image.width());
            QTextCursor cursor(m_document.get());
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
            caption = captions.value(file);
        }
        QTextCursor cursor(block);
        QTextBlockFormat centred = block.blockFormat();
        centred.setAlignment(Qt::AlignHCenter);
        centred.setLineHeight(100, QTextBlockFormat::ProportionalHeight);
        cursor.setBlockFormat(centred);
        if (caption.isEmpty())
            continue;
        cursor.movePosition(QTextCursor::EndOfBlock);
        QTextBlockFormat below = centred;
        below.setTopMargin(0);
        below.setBottomMargin(centred.bottomMargin() * 2);
        cursor.insertBlock(below, ManualStyle::captionFormat());
        cursor.insertText(caption);
    }
}

QList<ManualText::Heading> ManualText::headings() const
{
    QList<Heading> list;
    auto* layout = m_document->documentLayout();
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level < 1 || level > 2)
            continue;
        const QString text = block.text();
        const int gap = text.indexOf(u"  "_s);
        list.append(
            {level, text.left(gap), text.mid(gap + 2), pageOf(layout->blockBoundingRect(block).top())});
    }
    return list;
}

void ManualText::keepWithNext()
{
    // A heading or a picture whose next block starts on a later page moves on to that page.
    // Lines are placed within their block (the layout pushes a line that would cross the foot
    // of a page down to the next one), so pages are those of the lines, not of the blocks.
    auto* layout = m_document->documentLayout();
    const auto lineTop = [&](const QTextBlock& block, int line) {
        return layout->blockBoundingRect(block).top() + block.layout()->lineAt(line).y();
    };
    // One pass: moving a block changes only what follows it, so the blocks before stay settled.
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0 && !isPictureBlock(block))
            continue;
        if (block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
            continue;
        const QTextBlock next = block.next();
        if (!next.isValid() || block.layout()->lineCount() == 0 || next.layout()->lineCount() == 0)
            continue;
        const int last = block.layout()->lineCount() - 1;
        const double hereBottom = lineTop(block, last) + block.layout()->lineAt(last).height();
        const double thereBottom = lineTop(next, 0) + next.layout()->lineAt(0).height();
        if (pageOf(thereBottom - 1) > pageOf(hereBottom - 1)) {
            QTextBlockFormat format = block.blockFormat();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(block).setBlockFormat(format);
        }
    }
}
