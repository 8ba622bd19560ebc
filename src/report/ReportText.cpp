#include "ReportText.h"

#include "ReportUnits.h"

#include "platform/Clock.h"
#include "platform/Formats.h"

#include <QFontMetricsF>
#include <QImage>

using namespace Qt::StringLiterals;
using Run = PreparedItem::Run;

namespace {

QList<Run> runsOf(const QString& line, bool tags)
{
    if (!tags)
        return {Run{line}};
    QList<Run> runs;
    bool bold = false, italic = false;
    QString current;
    auto flush = [&] {
        if (!current.isEmpty())
            runs.append(Run{current, bold, italic});
        current.clear();
    };
    for (qsizetype i = 0; i < line.size();) {
        static const std::pair<QString, int> markers[] = {
            {u"<b>"_s, 0}, {u"</b>"_s, 1}, {u"<i>"_s, 2}, {u"</i>"_s, 3}};
        bool matched = false;
        for (const auto& [tag, which] : markers) {
            if (line.mid(i, tag.size()).compare(tag, Qt::CaseInsensitive) == 0) {
                flush();
                if (which < 2)
                    bold = which == 0;
                else
                    italic = which == 2;
                i += tag.size();
                matched = true;
                break;
            }
        }
        if (!matched)
            current += line.at(i++);
    }
    flush();
    return runs;
}

// Keeps what fits in the width, cutting inside the run that crosses the edge.
QList<Run> cut(const QList<Run>& runs, const TextBox& box)
{
    QList<Run> kept;
    double used = 0;
    for (const Run& run : runs) {
        const QFontMetricsF metrics(ReportText::fontOf(box, run.bold, run.italic), &ReportText::unitDevice());
        const double width = metrics.horizontalAdvance(run.text);
        if (used + width <= box.rect.width() + 0.01) {
            kept.append(run);
            used += width;
            continue;
        }
        QString part;
        for (QChar c : run.text) {
            const double next = metrics.horizontalAdvance(part + c);
            if (used + next > box.rect.width() + 0.01)
                break;
            part += c;
        }
        if (!part.isEmpty())
            kept.append(Run{part, run.bold, run.italic});
        break;
    }
    return kept;
}

} // namespace

namespace ReportText {

const QImage& unitDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        image.setDotsPerMeterX(ReportUnits::kDotsPerMetre);
        image.setDotsPerMeterY(ReportUnits::kDotsPerMetre);
        return image;
    }();
    return device;
}

QFont fontOf(const TextBox& box, bool bold, bool italic)
{
    QFont font(box.fontFamily);
    font.setPointSizeF(box.fontPoints);
    font.setBold(bold || box.bold);
    font.setItalic(italic);
    return font;
}

QList<QList<Run>> printedLines(const TextBox& box)
{
    QList<QList<Run>> lines;
    for (QString line : box.lines) {
        if (box.expressions)
            line.replace(u"[DATE]"_s, Formats::date(Clock::today()));
        lines.append(cut(runsOf(line, box.tags), box));
    }
    return lines;
}

} // namespace ReportText
