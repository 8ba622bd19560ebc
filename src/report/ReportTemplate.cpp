#include "ReportTemplate.h"

#include "ReportUnits.h"

#include "platform/Failure.h"

#include <QFile>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

using namespace Qt::StringLiterals;

namespace {

struct Reader {
    QString origin;
    double scale = 1; // template lengths to report units
    QSet<QString> names;

    [[noreturn]] void fail(const QString& what) const
    {
        throw Failure(u"Modello di stampa "_s + origin + u" non valido: "_s + what);
    }

    QJsonValue require(const QJsonObject& o, const QString& key, const QString& where) const
    {
        if (!o.contains(key))
            fail(where + u" senza \""_s + key + u"\""_s);
        return o.value(key);
    }

    QRectF rect(const QJsonObject& o, const QString& where) const
    {
        const QJsonArray a = require(o, u"rect"_s, where).toArray();
        if (a.size() != 4)
            fail(where + u": \"rect\" vuole quattro valori"_s);
        return QRectF(a[0].toDouble() * scale, a[1].toDouble() * scale, a[2].toDouble() * scale,
                      a[3].toDouble() * scale);
    }

    QColor colour(const QJsonObject& o, const QString& key, const QColor& fallback,
                  const QString& where) const
    {
        if (!o.contains(key))
            return fallback;
        const QColor c = QColor::fromString(o.value(key).toString());
        if (!c.isValid())
            fail(where + u": colore non valido"_s);
        return c;
    }

    std::unique_ptr<ReportObject> object(const QJsonObject& o)
    {
        const QString name = require(o, u"name"_s, u"un oggetto"_s).toString();
        if (name.isEmpty() || names.contains(name))
            fail(u"nome mancante o ripetuto: "_s + name);
        names.insert(name);
        const QString type = require(o, u"type"_s, name).toString();
        std::unique_ptr<ReportObject> result;
        if (type == u"text"_s) {
            auto box = std::make_unique<TextBox>();
            const QJsonArray font = require(o, u"font"_s, name).toArray();
            if (font.size() < 2)
                fail(name + u": \"font\" vuole famiglia e dimensione"_s);
            box->fontFamily = font[0].toString();
            box->fontPoints = font[1].toDouble();
            box->bold = font.size() > 2 && font[2].toString() == u"bold"_s;
            box->colour = colour(o, u"colour"_s, Qt::black, name);
            box->fill = colour(o, u"fill"_s, QColor(), name);
            const QString align = o.value(u"align"_s).toString(u"left"_s);
            box->horizontal = align == u"centre"_s  ? Qt::AlignHCenter
                              : align == u"right"_s ? Qt::AlignRight
                                                    : Qt::AlignLeft;
            box->centreVertically = o.value(u"valign"_s).toString() == u"centre"_s;
            box->tags = o.value(u"tags"_s).toBool();
            box->expressions = o.value(u"expressions"_s).toBool();
            if (o.contains(u"text"_s))
                box->setText(o.value(u"text"_s).toString());
            result = std::move(box);
        } else if (type == u"picture"_s) {
            auto box = std::make_unique<PictureBox>();
            box->centred = o.value(u"centred"_s).toBool();
            if (o.contains(u"source"_s)) {
                QImageReader reader(o.value(u"source"_s).toString());
                const QRectF r = rect(o, name);
                if (reader.format() == "svg") {
                    // Crisp at print resolution, in the drawing's own proportions: the box
                    // only bounds it (the renderer fits and centres it there).
                    QSize size = reader.size();
                    size.scale((r.size() * 8).toSize(), Qt::KeepAspectRatio);
                    reader.setScaledSize(size);
                }
                box->picture = reader.read();
                if (box->picture.isNull())
                    fail(name + u": immagine non leggibile"_s);
            }
            result = std::move(box);
        } else if (type == u"shape"_s) {
            auto box = std::make_unique<ShapeBox>();
            box->fill = colour(o, u"fill"_s, Qt::white, name);
            result = std::move(box);
        } else if (type == u"line"_s) {
            result = std::make_unique<LineObject>();
        } else {
            fail(name + u": tipo sconosciuto "_s + type);
        }
        result->name = name;
        result->rect = rect(o, name);
        return result;
    }

    ObjectList objects(const QJsonArray& array)
    {
        ObjectList list;
        for (const QJsonValue& v : array)
            list.push_back(object(v.toObject()));
        return list;
    }
};

} // namespace

namespace ReportTemplate {

ReportDocument parse(const QByteArray& json, const QString& origin)
{
    Reader reader{origin};
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (doc.isNull())
        reader.fail(error.errorString());
    const QJsonObject root = doc.object();
    ReportDocument document;
    document.name = reader.require(root, u"name"_s, u"il documento"_s).toString();
    const QString units = root.value(u"units"_s).toString(u"px"_s); // px: report units
    if (units != u"mm"_s && units != u"px"_s)
        reader.fail(u"unità sconosciuta "_s + units);
    reader.scale = units == u"mm"_s ? ReportUnits::kTemplateMm : 1.0;
    for (const QJsonValue& p : reader.require(root, u"pages"_s, u"il documento"_s).toArray()) {
        const QJsonObject o = p.toObject();
        ReportPage page;
        const QJsonArray paper = reader.require(o, u"paper"_s, u"una pagina"_s).toArray();
        if (paper.size() != 2 || !(paper[0].toDouble() > 0) || !(paper[1].toDouble() > 0))
            reader.fail(u"formato della carta sconosciuto (larghezza e altezza in mm)"_s);
        page.paperWidthMm = paper[0].toDouble();
        page.paperHeightMm = paper[1].toDouble();
        page.landscape = page.paperWidthMm > page.paperHeightMm;
        const QJsonArray margins = o.value(u"margins"_s).toArray();
        if (margins.size() == 4) {
            page.marginLeftMm = margins[0].toDouble();
            page.marginTopMm = margins[1].toDouble();
            page.marginRightMm = margins[2].toDouble();
            page.marginBottomMm = margins[3].toDouble();
        }
        page.objects = reader.objects(o.value(u"objects"_s).toArray());
        for (const QJsonValue& b : o.value(u"bands"_s).toArray()) {
            const QJsonObject bo = b.toObject();
            Band band;
            band.name = reader.require(bo, u"name"_s, u"una sezione"_s).toString();
            const QString kind = reader.require(bo, u"kind"_s, band.name).toString();
            if (kind == u"title"_s)
                band.kind = Band::Kind::Title;
            else if (kind == u"footer"_s)
                band.kind = Band::Kind::Footer;
            else if (kind == u"master"_s)
                band.kind = Band::Kind::MasterData;
            else
                reader.fail(band.name + u": tipo di sezione sconosciuto "_s + kind);
            band.height = reader.require(bo, u"height"_s, band.name).toDouble() * reader.scale;
            band.width = bo.value(u"width"_s).toDouble() * reader.scale;
            band.objects = reader.objects(bo.value(u"objects"_s).toArray());
            page.bands.push_back(std::move(band));
        }
        document.pages.push_back(std::move(page));
    }
    if (document.pages.empty())
        reader.fail(u"nessuna pagina"_s);
    return document;
}

ReportDocument load(const QString& name)
{
    QFile file(u":/reports/"_s + name + u".json"_s);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(u"Modello di stampa mancante: "_s + name);
    return parse(file.readAll(), name);
}

} // namespace ReportTemplate
