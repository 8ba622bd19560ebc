#include "RicevutaReport.h"

#include "report/ReportTemplate.h"

using namespace Qt::StringLiterals;

namespace {

// The texts of one receipt's boxes, by the box's name without the copy's suffix.
void fillReceipt(ReportDocument& report, const RicevutaReport::ValueOf& v, const QString& suffix,
                 const QString& declaration1, const QString& declaration2)
{
    const auto set = [&](const QString& box, const QString& text) {
        report.text(box + suffix).setText(text);
    };
    set(u"txtNumRic"_s, u"<b>Ricevuta d'affitto n. "_s + v(u"NumRic"_s) + u"</b>"_s);
    set(u"txtData"_s, u"<b>Data emissione:  "_s + v(u"Data"_s) + u"</b>"_s);
    set(u"txtBollo"_s, v(u"Bollo"_s));
    for (const QString& field : {u"UfficioTer"_s, u"DataStipula"_s, u"DataReg"_s, u"CodContratto"_s,
                                 u"DurataCon"_s, u"Immobile"_s, u"Note"_s})
        set(u"txt"_s + field, v(field));
    set(u"txtLocatore"_s, v(u"CognomeLoc01"_s) + u" "_s + v(u"NomeLoc01"_s));
    set(u"txtConduttore"_s, v(u"CognomeCon01"_s) + u" "_s + v(u"NomeCon01"_s));
    set(u"txtCodFiscLoc01"_s, u"C.F.  "_s + v(u"CodFiscLoc01"_s));
    set(u"txtCodFiscCon01"_s, u"C.F.  "_s + v(u"CodFiscCon01"_s));
    set(u"titTitoli01"_s, declaration1);
    set(u"titTitoli02"_s, declaration2);
    set(u"txtTotRicevuta"_s, u"<b>€  "_s + v(u"TotRicevuta"_s) + u"   dicasi euro   "_s + v(u"ImpLettere"_s) +
                                 u"/"_s + v(u"Cents"_s) + u"</b>"_s);
    for (int line = 1; line <= 8; ++line) {
        const QString n = QString::number(line).rightJustified(2, u'0');
        set(u"txtCausale"_s + n, v(u"Causale"_s + n));
        set(u"txtImporto"_s + n, v(u"Importo"_s + n));
    }
    set(u"txtTotImporti"_s, v(u"TotImporti"_s));
    set(u"txtPercIstat"_s, v(u"PercIstat"_s) + u"%"_s);
    set(u"txtIstat"_s, v(u"Istat"_s));
    set(u"txtTotale"_s, u"<b>"_s + v(u"TotRicevuta"_s) + u" </b>"_s);
}

} // namespace

namespace RicevutaReport {

ReportDocument createLarge()
{
    return ReportTemplate::load(u"ricevuta"_s);
}

ReportDocument createCopies()
{
    return ReportTemplate::load(u"ricevuta_duplice"_s);
}

void fillLarge(ReportDocument& report, const ValueOf& valueOf, const QImage& logo)
{
    report.firstPage().setLandscape(false);
    report.picture(u"imgLogo"_s).picture = logo;
    fillReceipt(
        report, valueOf, QString(),
        u"<i>Con la presente, in riferimento al contratto di locazione di cui sopra, il Locatore dichiara "
        u"di aver ricevuto dal Conduttore</i>"_s,
        u"<i>la somma di</i>"_s);
    report.PrepareReport();
}

void fillCopies(ReportDocument& report, const ValueOf& valueOf, const QImage& logo)
{
    for (const QString& suffix : {u"_A"_s, u"_B"_s}) {
        report.picture(u"imgLogo"_s + suffix).picture = logo;
        fillReceipt(report, valueOf, suffix,
                    u"<i>Con la presente, in riferimento al contratto di locazione di cui sopra, il Locatore "
                    u"dichiara di aver</i>"_s,
                    u"<i>ricevuto dal Conduttore la somma di</i>"_s);
    }
    report.PrepareReport();
}

QString title(const ValueOf& valueOf)
{
    return u"Ricevuta d'affitto n. "_s + valueOf(u"NumRic"_s) + u" del "_s + valueOf(u"Data"_s);
}

} // namespace RicevutaReport
