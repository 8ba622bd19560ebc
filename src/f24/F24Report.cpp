#include "F24Report.h"

#include "F24Form.h"
#include "platform/ExeFolder.h"
#include "report/ReportText.h"
#include "report/ReportUnits.h"

#include <QFontMetricsF>

using namespace Qt::StringLiterals;

namespace {

using F24Report::Box;
using F24Report::Output;

// A row of one-character boxes: same top, size and font, left edges as printed on the form.
struct Group {
    QString prefix;
    double top, width, height, points;
    QList<double> printLefts, pdfLefts;
    bool onPaymentLine = false;
};

const QList<double> elementiPrint = {78.61,  97.89,  117.17, 136.06, 154.96, 174.24, 193.13, 212.41, 232.82,
                                     251.72, 270.61, 289.89, 309.17, 328.06, 346.96, 366.24, 385.89};
const QList<double> elementiPdf = {82.39,  101.67, 120.94, 139.84, 158.74, 178.02, 196.91, 216.19, 236.60,
                                   255.50, 274.39, 293.67, 312.94, 331.84, 350.74, 368.88, 389.67};

const QList<Group>& groups()
{
    static const QList<Group> table = {
        {u"txtCodFiscCont"_s,
         142.11,
         15.12,
         18.14,
         10,
         {154.58, 173.86, 192.76, 212.41, 232.06, 253.23, 272.13, 291.02, 309.92, 328.82, 347.72, 366.61,
          385.51, 404.41, 425.57, 444.47},
         {158.36, 177.64, 196.54, 216.19, 235.84, 257.01, 275.91, 294.80, 313.70, 332.60, 351.50, 370.39,
          389.29, 408.19, 429.35, 448.25},
         true},
        {u"txtDataNasc"_s,
         210.90,
         15.12,
         15.87,
         8,
         {154.96, 173.86, 194.27, 213.17, 233.57, 252.09, 270.99, 290.27},
         {158.74, 177.64, 198.05, 216.94, 237.35, 255.87, 274.77, 294.05}},
        {u"txtProvNasc"_s, 207.87, 15.12, 17.39, 9, {721.51, 741.54}, {725.29, 745.32}},
        {u"txtProvDom"_s, 238.11, 15.12, 17.39, 9, {443.34, 463.37}, {447.12, 467.15}},
        {u"txtCodFiscCoob"_s,
         270.61,
         15.12,
         18.14,
         10,
         {251.34, 270.61, 289.51, 308.79, 328.44, 349.23, 368.13, 387.02, 405.92, 424.82, 443.72, 462.61,
          481.51, 500.41, 521.57, 540.47},
         {255.12, 274.39, 293.29, 312.57, 332.22, 353.01, 371.91, 390.80, 409.70, 428.60, 447.50, 466.39,
          485.29, 504.19, 525.35, 544.25}},
        {u"txtIdentificativo"_s, 270.61, 15.12, 17.39, 9, {721.89, 741.92}, {725.67, 745.70}},
        {u"txtElementiA_"_s, 416.88, 15.12, 15.87, 8, elementiPrint, elementiPdf, true},
        {u"txtElementiB_"_s, 433.13, 15.12, 15.87, 8, elementiPrint, elementiPdf, true},
        {u"txtCentA_"_s, 419.53, 9.83, 12.09, 8, {747.59, 756.66}, {752.13, 761.20}, true},
        {u"txtCentB_"_s, 434.65, 9.83, 12.09, 8, {747.59, 756.66}, {752.13, 761.20}, true},
        {u"txtCentTot_"_s, 929.76, 9.83, 12.09, 8, {748.35, 757.42}, {752.88, 761.20}},
        {u"txtData"_s,
         1021.98,
         15.12,
         15.87,
         8,
         {40.06, 58.96, 78.61, 97.51, 117.17, 136.44, 155.34, 174.24},
         {43.84, 62.74, 82.39, 101.29, 121.32, 140.22, 159.12, 178.02}},
    };
    return table;
}

QString indexed(const QString& prefix, int n)
{
    return prefix + QString::number(n).rightJustified(2, u'0');
}

// The characters of a text that fill a row of `count` boxes, missing ones as blanks.
QString padded(const QString& text, int count)
{
    return text.trimmed().leftJustified(count, u' ');
}

QString suffixOf(int page)
{
    return page == 0 ? QString() : page == 1 ? u"X"_s : u"Y"_s;
}

// A printed word of the form as a text box whose baseline falls where the drawing puts it.
std::unique_ptr<TextBox> labelBox(const F24Form::Label& label, const QString& name)
{
    auto box = std::make_unique<TextBox>();
    box->name = name;
    box->fontFamily = u"Arial"_s;
    box->fontPoints = label.pixels * 72.0 / 96.0;
    box->bold = label.bold;
    box->horizontal = label.anchor;
    box->setText(label.text);
    const QFontMetricsF metrics(ReportText::fontOf(*box, false, false), &ReportText::unitDevice());
    const double top = label.baseline.y() - (box->lineHeight() - metrics.height()) / 2 - metrics.ascent();
    const double width = metrics.horizontalAdvance(label.text) * 1.1 + 4;
    double left = label.baseline.x();
    if (label.anchor & Qt::AlignHCenter)
        left -= width / 2;
    else if (label.anchor & Qt::AlignRight)
        left -= width;
    box->rect = QRectF(left, top, width, box->lineHeight());
    return box;
}

ReportDocument document(int pageCount, Output output)
{
    ReportDocument report;
    report.name = F24Report::documentName();
    for (int p = 0; p < pageCount; ++p) {
        ReportPage page;
        const QString suffix = suffixOf(p);
        auto background = std::make_unique<PictureBox>();
        background->name = u"picSfondo"_s + suffix;
        background->rect = QRectF(0, 0, F24Form::pageWidth, F24Form::pageHeight);
        const double shift = output == Output::Pdf ? F24Form::pdfShift : 0;
        background->vector = F24Form::svg(shift);
        page.objects.push_back(std::move(background));
        const QString caption = output == Output::Pdf ? QString() : F24Report::copyCaption(p + 1);
        int n = 0;
        for (const F24Form::Label& label : F24Form::labels(caption, shift))
            page.objects.push_back(labelBox(label, indexed(u"titModulo"_s, ++n) + suffix));
        for (const Box& b : F24Report::boxes(output)) {
            auto box = std::make_unique<TextBox>();
            box->name = b.name + suffix;
            box->rect = b.rect;
            // The second and third copies' drawing sits a hair further right on these lines.
            if (p > 0 && b.onPaymentLine)
                box->rect.translate(0.38, 0);
            box->fontFamily = u"Arial"_s;
            box->fontPoints = b.points;
            box->horizontal = b.alignment;
            page.objects.push_back(std::move(box));
        }
        report.pages.push_back(std::move(page));
    }
    return report;
}

void fillPage(ReportDocument& report, const QHash<QString, QString>& texts, const QString& suffix)
{
    for (auto it = texts.cbegin(); it != texts.cend(); ++it)
        report.text(it.key() + suffix).setText(it.value());
}

} // namespace

namespace F24Report {

QList<Box> boxes(Output output)
{
    const bool pdf = output == Output::Pdf;
    struct Single {
        QString name;
        double left, top, width, height, points;
        Qt::Alignment alignment;
        bool onPaymentLine;
        double pdfLeft, pdfWidth; // 0: as printed
    };
    constexpr auto L = Qt::AlignLeft, C = Qt::AlignHCenter, R = Qt::AlignRight;
    static const QList<Single> singles = {
        {u"txtDelegato"_s, 457.32, 55.18, 302.36, 18.90, 10, L, false, 0, 0},
        {u"txtAgenzia"_s, 457.32, 89.95, 204.09, 18.90, 10, L, false, 0, 0},
        {u"txtProvAg"_s, 706.77, 89.95, 52.91, 18.90, 10, L, false, 0, 0},
        {u"txtCognomeCont"_s, 154.96, 173.86, 389.29, 18.90, 10, L, false, 0, 0},
        {u"txtNomeCont"_s, 558.61, 173.86, 197.29, 18.90, 10, L, false, 0, 0},
        {u"txtSesso"_s, 328.44, 207.87, 15.12, 17.39, 9, C, false, 332.22, 0},
        {u"txtComuneNasc"_s, 366.61, 207.87, 340.16, 17.39, 9, L, false, 0, 0},
        {u"txtComuneDom"_s, 154.96, 238.11, 276.66, 18.90, 10, L, false, 0, 0},
        {u"txtViaDom"_s, 491.34, 238.11, 265.32, 18.90, 10, L, false, 0, 0},
        {u"txtTipo01"_s, 44.98, 416.88, 15.12, 15.87, 8, C, true, 48.76, 0},
        {u"txtCodice01"_s, 411.97, 416.88, 57.45, 15.87, 8, C, true, 415.75, 53.67},
        {u"txtAnnoRif01"_s, 480.00, 416.88, 57.45, 15.87, 8, C, true, 483.78, 53.67},
        {u"txtImporto01"_s, 551.81, 419.53, 195.02, 12.09, 8, R, true, 551.81, 188.98},
        {u"txtTipo02"_s, 44.98, 433.13, 15.12, 15.87, 8, C, true, 48.76, 0},
        {u"txtCodice02"_s, 411.97, 433.13, 57.45, 15.87, 8, C, true, 415.75, 53.67},
        {u"txtAnnoRif02"_s, 480.00, 433.13, 57.45, 15.87, 8, C, true, 483.78, 53.67},
        {u"txtImporto02"_s, 551.81, 434.65, 195.02, 12.09, 8, R, true, 551.81, 188.98},
        {u"txtTotale"_s, 570.71, 929.76, 176.13, 12.09, 8, R, false, 574.49, 168.57},
    };
    QList<Box> out;
    for (const Single& s : singles) {
        const double left = pdf && s.pdfLeft > 0 ? s.pdfLeft : s.left;
        const double width = pdf && s.pdfWidth > 0 ? s.pdfWidth : s.width;
        out.append({s.name, QRectF(left, s.top, width, s.height), s.points, s.alignment, s.onPaymentLine});
    }
    for (const Group& g : groups()) {
        const QList<double>& lefts = pdf ? g.pdfLefts : g.printLefts;
        for (int i = 0; i < lefts.size(); ++i)
            out.append({indexed(g.prefix, i + 1), QRectF(lefts[i], g.top, g.width, g.height), g.points,
                        Qt::AlignHCenter, g.onPaymentLine});
    }
    return out;
}

ReportDocument createPrint()
{
    return document(3, Output::Print);
}

ReportDocument createPdf()
{
    return document(1, Output::Pdf);
}

Amount splitAmount(const QString& amount)
{
    // By position: the amount comes tidied with a comma and two decimals.
    const QString a = QString(15, u' ') + amount.trimmed();
    const QString last = a.right(15);
    return {last.left(12).trimmed(), a.at(a.size() - 2), a.at(a.size() - 1)};
}

QHash<QString, QString> boxTexts(const Texts& form, Output output)
{
    const auto value = [&](const QString& field) { return form.value(field).trimmed(); };
    QHash<QString, QString> t;
    for (const QString& field : {u"Delegato"_s, u"Agenzia"_s, u"ProvAg"_s, u"CognomeCont"_s, u"NomeCont"_s,
                                 u"Sesso"_s, u"ComuneNasc"_s, u"ComuneDom"_s, u"ViaDom"_s, u"Tipo01"_s,
                                 u"Tipo02"_s, u"Codice01"_s, u"Codice02"_s, u"AnnoRif01"_s, u"AnnoRif02"_s})
        t.insert(u"txt"_s + field, value(field));

    const auto characters = [&](const QString& prefix, const QString& field, int count) {
        const QString text = padded(value(field), count);
        for (int i = 0; i < count; ++i)
            t.insert(indexed(prefix, i + 1), QString(text.at(i)));
    };
    characters(u"txtCodFiscCont"_s, u"CodFiscCont"_s, 16);
    characters(u"txtCodFiscCoob"_s, u"CodFiscCoob"_s, 16);
    characters(u"txtProvNasc"_s, u"ProvNasc"_s, 2);
    characters(u"txtProvDom"_s, u"ProvDom"_s, 2);
    characters(u"txtIdentificativo"_s, u"Identificativo"_s, 2);
    characters(u"txtElementiA_"_s, u"Elementi01"_s, 17);
    characters(u"txtElementiB_"_s, u"Elementi02"_s, 17);

    // dd/mm/yyyy into eight boxes, the two "/" left out.
    const auto date = [&](const QString& prefix, const QString& field) {
        const QString text = padded(value(field), 10);
        int n = 0;
        for (int i : {0, 1, 3, 4, 6, 7, 8, 9})
            t.insert(indexed(prefix, ++n), QString(text.at(i)));
    };
    date(u"txtDataNasc"_s, u"DataNasc"_s);
    date(u"txtData"_s, u"Data"_s);

    // In the PDF the euros stand one blank away from the cents.
    const QString euroTail = output == Output::Pdf ? u" "_s : QString();
    const auto amount = [&](const QString& euroBox, const QString& centPrefix, const QString& field) {
        const Amount split = splitAmount(value(field));
        t.insert(euroBox, split.euros.isEmpty() ? QString() : split.euros + euroTail);
        t.insert(centPrefix + u"01"_s, QString(split.tens));
        t.insert(centPrefix + u"02"_s, QString(split.units));
    };
    amount(u"txtImporto01"_s, u"txtCentA_"_s, u"Importo01"_s);
    amount(u"txtImporto02"_s, u"txtCentB_"_s, u"Importo02"_s);
    amount(u"txtTotale"_s, u"txtCentTot_"_s, u"Totale"_s);
    return t;
}

void fillPrint(ReportDocument& report, const Texts& form)
{
    report.firstPage().setLandscape(false);
    const QHash<QString, QString> texts = boxTexts(form, Output::Print);
    for (int p = 0; p < 3; ++p)
        fillPage(report, texts, suffixOf(p));
    report.PrepareReport();
}

void fillPdf(ReportDocument& report, const Texts& form)
{
    report.firstPage().setLandscape(false);
    fillPage(report, boxTexts(form, Output::Pdf), QString());
    report.PrepareReport();
}

QString copyCaption(int copy)
{
    switch (copy) {
    case 1:
        return u"1ª COPIA PER LA BANCA / POSTE / AGENTE DELLA RISCOSSIONE"_s;
    case 2:
        return u"2ª COPIA PER LA BANCA / POSTE / AGENTE DELLA RISCOSSIONE"_s;
    default:
        return u"COPIA PER IL SOGGETTO CHE EFFETTUA IL VERSAMENTO"_s;
    }
}

QString pdfPath()
{
    return ExeFolder::file(u"Modello_F24_ELIDE.pdf"_s);
}

} // namespace F24Report
