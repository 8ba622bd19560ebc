#include "ReportModel.h"

#include "ReportText.h"
#include "ReportUnits.h"
#include "platform/Failure.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace {
using ReportUnits::fromMm;

ObjectList* objectsOf(ReportPage& page, const QString& name, ReportObject** found)
{
    for (auto& o : page.objects) {
        if (o->name == name) {
            *found = o.get();
            return &page.objects;
        }
    }
    for (Band& band : page.bands) {
        for (auto& o : band.objects) {
            if (o->name == name) {
                *found = o.get();
                return &band.objects;
            }
        }
    }
    return nullptr;
}

// Places a copy of an object on the sheet, its lines ready to print.
PreparedItem prepare(const ReportObject& object, QPointF origin)
{
    std::unique_ptr<ReportObject> copy = object.clone();
    copy->rect.translate(origin);
    PreparedItem item;
    if (auto* box = dynamic_cast<const TextBox*>(copy.get()))
        item.lines = ReportText::printedLines(*box);
    item.object = std::move(copy);
    return item;
}

} // namespace

void TextBox::setText(const QString& text)
{
    QString normalised = text;
    normalised.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
    lines = normalised.split(u'\n');
}

double TextBox::fontPixels() const
{
    return ReportUnits::fromPoints(fontPoints);
}

double TextBox::lineHeight() const
{
    return ReportUnits::lineHeight(fontPoints);
}

void ReportPage::setLandscape(bool on)
{
    if (on != landscape)
        std::swap(paperWidthMm, paperHeightMm);
    landscape = on;
}

QSizeF ReportPage::paperUnits() const
{
    return {fromMm(paperWidthMm), fromMm(paperHeightMm)};
}

QRectF ReportPage::printableUnits() const
{
    const QSizeF paper = paperUnits();
    return QRectF(QPointF(fromMm(marginLeftMm), fromMm(marginTopMm)),
                  QPointF(paper.width() - fromMm(marginRightMm), paper.height() - fromMm(marginBottomMm)));
}

QString PreparedItem::text() const
{
    QStringList out;
    for (const auto& line : lines) {
        QString joined;
        for (const Run& run : line)
            joined += run.text;
        out.append(joined);
    }
    return out.join(u'\n');
}

const PreparedItem* PreparedPage::find(const QString& name) const
{
    for (const PreparedItem& item : items) {
        if (item.object->name == name)
            return &item;
    }
    return nullptr;
}

ReportObject* ReportDocument::FindObject(const QString& name)
{
    for (ReportPage& page : pages) {
        ReportObject* found = nullptr;
        if (objectsOf(page, name, &found))
            return found;
    }
    return nullptr;
}

Band* ReportDocument::FindBand(const QString& name)
{
    for (ReportPage& page : pages) {
        for (Band& band : page.bands) {
            if (band.name == name)
                return &band;
        }
    }
    return nullptr;
}

TextBox& ReportDocument::text(const QString& name)
{
    if (auto* box = dynamic_cast<TextBox*>(FindObject(name)))
        return *box;
    throw Failure(u"Il modello di stampa \""_s + this->name + u"\" non contiene la casella di testo "_s +
                  name + u"."_s);
}

PictureBox& ReportDocument::picture(const QString& name)
{
    if (auto* box = dynamic_cast<PictureBox*>(FindObject(name)))
        return *box;
    throw Failure(u"Il modello di stampa \""_s + this->name + u"\" non contiene l'immagine "_s + name +
                  u"."_s);
}

Band& ReportDocument::band(const QString& name)
{
    if (Band* found = FindBand(name))
        return *found;
    throw Failure(u"Il modello di stampa \""_s + this->name + u"\" non contiene la sezione "_s + name +
                  u"."_s);
}

void ReportDocument::PrepareReport()
{
    m_prepared.clear();
    for (const ReportPage& page : pages) {
        const QRectF area = page.printableUnits();
        PreparedPage sheet{page.paperUnits(), {}};
        for (const auto& object : page.objects)
            sheet.items.append(prepare(*object, area.topLeft()));

        double y = area.top();
        auto newSheet = [&] {
            m_prepared.append(sheet);
            sheet = PreparedPage{page.paperUnits(), {}};
            y = area.top();
        };
        for (const Band& band : page.bands) {
            const double room = area.bottom() - y;
            if (band.kind != Band::Kind::MasterData || band.height <= room + 1e-6) {
                if (band.height > room + 1e-6 && !sheet.items.isEmpty())
                    newSheet();
                for (const auto& object : band.objects)
                    sheet.items.append(prepare(*object, QPointF(area.left(), y)));
                y += band.height;
                continue;
            }
            // A master band taller than the room left continues on the following sheets:
            // its text box is split between whole lines.
            const TextBox* box = nullptr;
            for (const auto& object : band.objects) {
                if (auto* candidate = dynamic_cast<const TextBox*>(object.get()))
                    box = candidate;
            }
            if (box == nullptr)
                throw Failure(u"La sezione "_s + band.name + u" non ha righe da distribuire sulle pagine."_s);
            const double tail = std::max(0.0, band.height - box->rect.height());
            const double lineHeight = box->lineHeight();
            qsizetype next = 0;
            while (next < box->lines.size()) {
                const int fit =
                    std::max(0, int(std::floor((area.bottom() - y - box->rect.top() + 1e-6) / lineHeight)));
                if (fit == 0) {
                    newSheet();
                    continue;
                }
                TextBox chunk = *box;
                chunk.lines = box->lines.mid(next, fit);
                chunk.rect.setHeight(chunk.lines.size() * lineHeight);
                sheet.items.append(prepare(chunk, QPointF(area.left(), y)));
                y += box->rect.top() + chunk.rect.height();
                next += chunk.lines.size();
                if (next < box->lines.size())
                    newSheet();
            }
            y += tail;
        }
        m_prepared.append(sheet);
    }
}
