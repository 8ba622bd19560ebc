#include "F24Form.h"

#include "F24Report.h"

using namespace Qt::StringLiterals;

namespace {

QRectF grown(const QRectF& r, double dx, double dy)
{
    return r.adjusted(-dx, -dy, dx, dy);
}

// Rows of the payment table: every row the same height, the data lines the first two.
constexpr double tableTop = 416.5;
constexpr double rowStep = 16.25;
constexpr int tableRows = 6;

QRectF box(const QString& name)
{
    for (const F24Report::Box& b : F24Report::boxes(F24Report::Output::Print)) {
        if (b.name == name)
            return b.rect;
    }
    return {};
}

// The payment table's columns (left, right), as drawn on the printed copies.
struct Column {
    double left, right;
};
constexpr Column tipoColumn{43.48, 61.60};
constexpr Column codiceColumn{410.47, 470.92};
constexpr Column annoColumn{478.50, 538.95};
constexpr Column euroColumn{547.50, 747.30};
constexpr Column centColumn{747.30, 767.50};

QRectF inRow(const Column& c, int row)
{
    return QRectF(QPointF(c.left, tableTop + row * rowStep),
                  QPointF(c.right, tableTop + (row + 1) * rowStep));
}

QList<QRectF> elementiCells(int row)
{
    QList<QRectF> cells;
    for (int i = 1; i <= 17; ++i) {
        const QRectF r = box(u"txtElementiA_"_s + QString::number(i).rightJustified(2, u'0'));
        cells.append(QRectF(QPointF(r.left() - 1.5, tableTop + row * rowStep),
                            QPointF(r.right() + 1.5, tableTop + (row + 1) * rowStep)));
    }
    return cells;
}

QString n(double v)
{
    return QString::number(v, 'f', 2);
}

class Sheet {
public:
    void rect(const QRectF& r, const QString& fill = u"#ffffff"_s, double stroke = 0.6)
    {
        m_out += u"<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\" stroke=\"#000\" "
                 u"stroke-width=\"%6\"/>\n"_s.arg(n(r.x()), n(r.y()), n(r.width()), n(r.height()), fill,
                                                  n(stroke));
    }
    void line(double x1, double y1, double x2, double y2, double stroke = 0.6)
    {
        m_out +=
            u"<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" stroke=\"#000\" stroke-width=\"%5\"/>\n"_s.arg(
                n(x1), n(y1), n(x2), n(y2), n(stroke));
    }
    enum Anchor { Start, Middle, End };
    void text(double x, double y, double size, const QString& text, bool bold = false, Anchor anchor = Start)
    {
        static const Qt::Alignment anchors[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
        m_labels.append({QPointF(x, y), size, text, bold, anchors[anchor]});
    }
    // A section: its frame and a grey heading bar across the top.
    void section(double top, double bottom, const QString& heading)
    {
        rect(QRectF(QPointF(34, top), QPointF(770, bottom)), u"none"_s, 0.9);
        rect(QRectF(QPointF(34, top), QPointF(770, top + 12)), u"#d0d0d0"_s, 0.9);
        text(40, top + 9, 7.5, heading, true);
    }
    void cells(const QList<QRectF>& list)
    {
        for (const QRectF& r : list)
            rect(r);
    }
    QString m_out;
    QList<F24Form::Label> m_labels;
};

} // namespace

namespace F24Form {

QList<QRectF> dataCells()
{
    QList<QRectF> cells;
    // One-character boxes, a little larger than the character.
    for (const F24Report::Box& b : F24Report::boxes(F24Report::Output::Print)) {
        for (const QString& prefix :
             {u"txtCodFiscCont"_s, u"txtDataNasc"_s, u"txtProvNasc"_s, u"txtProvDom"_s, u"txtCodFiscCoob"_s,
              u"txtIdentificativo"_s, u"txtData"_s}) {
            if (b.name.startsWith(prefix) && b.name.size() == prefix.size() + 2)
                cells.append(grown(b.rect, 1.5, 1.0));
        }
    }
    cells.append(QRectF(QPointF(452, 53), QPointF(762, 77)));       // delega
    cells.append(QRectF(QPointF(452, 88), QPointF(664, 111)));      // agenzia
    cells.append(QRectF(QPointF(701, 88), QPointF(762, 111)));      // prov.
    cells.append(QRectF(QPointF(150, 172), QPointF(547, 195)));     // cognome
    cells.append(QRectF(QPointF(553, 172), QPointF(759, 195)));     // nome
    cells.append(QRectF(QPointF(326, 206), QPointF(345.5, 227)));   // sesso
    cells.append(QRectF(QPointF(361, 206), QPointF(709, 227)));     // comune di nascita
    cells.append(QRectF(QPointF(150, 236.5), QPointF(434, 258.5))); // comune di domicilio
    cells.append(QRectF(QPointF(486, 236.5), QPointF(759, 258.5))); // via
    cells.append(QRectF(QPointF(566, 926), QPointF(748, 946)));     // saldo, euro
    cells.append(QRectF(QPointF(748, 926), QPointF(768.5, 946)));   // saldo, cent
    for (int row = 0; row < tableRows; ++row) {
        cells.append(inRow(tipoColumn, row));
        cells += elementiCells(row);
        for (const Column& c : {codiceColumn, annoColumn, euroColumn, centColumn})
            cells.append(inRow(c, row));
    }
    return cells;
}

static Sheet drawn(const QString& caption)
{
    Sheet s;
    using A = Sheet::Anchor;

    // Heading
    s.rect(QRectF(QPointF(34, 30), QPointF(440, 116)), u"none"_s, 0.9);
    s.text(42, 52, 12.5, u"MODELLO DI PAGAMENTO UNIFICATO"_s, true);
    s.text(42, 86, 28, u"F24 ELIDE"_s, true);
    s.text(42, 106, 7.5, u"Versamenti con elementi identificativi"_s);
    s.text(452, 49, 7, u"DELEGA IRREVOCABILE A:"_s, true);
    s.text(452, 85, 6.5, u"AGENZIA"_s, true);
    s.text(701, 85, 6.5, u"PROV."_s, true);
    s.text(452, 122, 6, u"PER L'ACCREDITO ALLA TESORERIA COMPETENTE"_s);

    // Payer
    s.section(126, 298, u"CONTRIBUENTE"_s);
    s.text(40, 155, 7, u"CODICE FISCALE"_s, true);
    s.text(40, 187, 7, u"DATI ANAGRAFICI"_s, true);
    s.text(151, 170, 5.8, u"cognome, denominazione o ragione sociale"_s);
    s.text(554, 170, 5.8, u"nome"_s);
    s.text(151, 204.5, 5.8, u"data di nascita"_s);
    s.text(326, 204.5, 5.8, u"sesso (M o F)"_s);
    s.text(380, 204.5, 5.8, u"comune (o Stato estero) di nascita"_s);
    s.text(720, 204.5, 5.8, u"prov."_s);
    s.text(40, 251, 7, u"DOMICILIO FISCALE"_s, true);
    s.text(151, 234.5, 5.8, u"comune"_s);
    s.text(441, 234.5, 5.8, u"prov."_s);
    s.text(486, 234.5, 5.8, u"via e numero civico"_s);
    s.text(40, 273, 6.5, u"CODICE FISCALE del coobbligato,"_s, true);
    s.text(40, 281, 5.8, u"erede, genitore, tutore o curatore"_s);
    s.text(40, 289, 5.8, u"fallimentare"_s);
    s.text(716, 283, 5.8, u"codice identificativo"_s, false, A::End);

    // Taxes
    s.section(306, 520, u"SEZIONE ERARIO ED ALTRO"_s);
    s.text(40, 338, 6, u"codice ufficio"_s);
    for (int i = 0; i < 3; ++i)
        s.rect(QRectF(92 + i * 18.9, 327, 15.12, 16));
    s.text(170, 338, 6, u"codice atto"_s);
    for (int i = 0; i < 11; ++i)
        s.rect(QRectF(212 + i * 18.9, 327, 15.12, 16));
    s.rect(QRectF(QPointF(tipoColumn.left, 384), QPointF(centColumn.right, tableTop)), u"#ececec"_s);
    for (double x : {tipoColumn.right, codiceColumn.left, codiceColumn.right, annoColumn.left,
                     annoColumn.right, euroColumn.left})
        s.line(x, 384, x, tableTop);
    s.text((tipoColumn.left + tipoColumn.right) / 2, 410, 6, u"tipo"_s, false, A::Middle);
    s.text(240, 410, 6, u"elementi identificativi"_s, false, A::Middle);
    s.text((codiceColumn.left + codiceColumn.right) / 2, 410, 6, u"codice"_s, false, A::Middle);
    s.text((annoColumn.left + annoColumn.right) / 2, 400, 6, u"anno di"_s, false, A::Middle);
    s.text((annoColumn.left + annoColumn.right) / 2, 410, 6, u"riferimento"_s, false, A::Middle);
    s.text((euroColumn.left + centColumn.right) / 2, 410, 6, u"importi a debito versati"_s, false, A::Middle);
    for (int row = 0; row < tableRows; ++row) {
        s.rect(inRow(tipoColumn, row));
        s.cells(elementiCells(row));
        for (const Column& c : {codiceColumn, annoColumn, euroColumn, centColumn})
            s.rect(inRow(c, row));
        // the comma between euros and cents, and the cents' two places
        const double y = tableTop + row * rowStep;
        s.text(centColumn.left, y + 13, 7, u","_s, true, A::Middle);
        s.line(757.0, y + 2, 757.0, y + rowStep - 2, 0.3);
    }

    // Direct debit
    s.rect(QRectF(QPointF(34, 540), QPointF(770, 600)), u"none"_s, 0.9);
    s.text(40, 553, 7, u"AUTORIZZO ADDEBITO SU CONTO CORRENTE"_s, true);
    s.text(40, 578, 6, u"CODICE IBAN"_s);
    for (int i = 0; i < 27; ++i)
        s.rect(QRectF(100 + i * 17, 566, 14, 16));
    s.text(590, 578, 6, u"Firma"_s);
    s.line(612, 582, 762, 582);

    // Signature and balance
    s.rect(QRectF(QPointF(34, 880), QPointF(440, 956)), u"none"_s, 0.9);
    s.text(40, 892, 7, u"FIRMA"_s, true);
    s.text(454, 940, 8, u"SALDO FINALE"_s, true);
    s.text(560, 940, 6.5, u"EURO"_s, true, A::End);
    s.rect(QRectF(QPointF(566, 926), QPointF(748, 946)), u"#ffffff"_s, 0.9);
    s.rect(QRectF(QPointF(748, 926), QPointF(768.5, 946)), u"#ffffff"_s, 0.9);
    s.text(748, 943, 7, u","_s, true, A::Middle);
    s.line(758.25, 929, 758.25, 943, 0.3);

    // Payment record, filled in by the bank, the post office or the agent
    s.section(975, 1050,
              u"ESTREMI DEL VERSAMENTO (DA COMPILARE A CURA DI BANCA/POSTE/AGENTE DELLA RISCOSSIONE)"_s);
    s.text(40, 1016, 6.5, u"DATA"_s, true);
    s.text(230, 1016, 6, u"CODICE BANCA/POSTE/AGENTE DELLA RISCOSSIONE"_s);
    for (int i = 0; i < 5; ++i) {
        s.rect(QRectF(230 + i * 18.9, 1021, 15.12, 17.87));
        s.rect(QRectF(340 + i * 18.9, 1021, 15.12, 17.87));
    }
    s.text(230, 1046, 5.5, u"Azienda"_s);
    s.text(340, 1046, 5.5, u"CAB/Sportello"_s);

    for (const QRectF& cell : dataCells()) {
        if (cell.top() < 300 || cell.top() > 1000)
            s.rect(cell);
    }

    if (!caption.isEmpty())
        s.text(pageWidth / 2, 1080, 9, caption, true, A::Middle);

    return s;
}

QByteArray svg(double shiftRight)
{
    const QString doc =
        u"<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.2\" baseProfile=\"tiny\" width=\"%1\" "
        u"height=\"%2\" viewBox=\"0 0 %1 %2\">\n<g transform=\"translate(%3,0)\">\n%4</g>\n</svg>\n"_s.arg(
            n(pageWidth), n(pageHeight), n(shiftRight), drawn(QString()).m_out);
    return doc.toUtf8();
}

QList<Label> labels(const QString& caption, double shiftRight)
{
    QList<Label> out = drawn(caption).m_labels;
    for (Label& l : out)
        l.baseline.rx() += shiftRight;
    return out;
}

} // namespace F24Form
