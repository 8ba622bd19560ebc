#include "SchedaReport.h"

#include "platform/ExeFolder.h"
#include "platform/Formats.h"
#include "report/ReportPdf.h"
#include "report/ReportTemplate.h"

using namespace Qt::StringLiterals;

namespace SchedaReport {

ReportDocument create()
{
    return ReportTemplate::load(u"scheda"_s);
}

void fill(ReportDocument& report, const ValueOf& valueOf, const QDateTime& now)
{
    const auto v = [&](const char* field) { return valueOf(QString::fromLatin1(field)); };
    const std::pair<QString, QString> rows[24] = {
        {u"Descrizione immobile:"_s, v("Immobile")},
        {u"Tipologia:"_s, v("Tipologia")},
        {u"Indirizzo:"_s, v("Via01") + u' ' + v("Indirizzo01") + u' ' + v("Civico01")},
        {u"Comune:"_s, v("Cap01") + u' ' + v("Comune01") + u' ' + v("Prov01")},
        {u"Anno costruzione:"_s, v("AnnoCostruz01")},
        {u"Utilizzo:"_s, v("Utilizzo")},
        {u"Costituzione:"_s,
         u"Volume: "_s + v("Volume") + u"  Superficie: "_s + v("Superficie") + u"  Vani: "_s + v("Vani")},
        {u"Accessori:"_s, v("Accessori")},
        {u"Valore di mercato:"_s, u"€ "_s + v("Mercato")},
        {u"Dati in tabelle millesimali:"_s, v("Condominio")},
        {u"Tasse comunali:"_s, v("Tasse")},
        {u"Dati catastali:"_s, u"Comune: "_s + v("CodComune01") + u"  Sez. urb. "_s + v("SezUrb01") +
                                   u"  Foglio: "_s + v("Foglio01") + u"  Part. "_s + v("ParticellaA01") +
                                   u" / "_s + v("ParticellaB01") + u"  Sub. "_s + v("Subalterno01")},
        {u"Categoria catastale:"_s, v("Categoria01")},
        {u"Rendita catastale:"_s, u"€ "_s + v("ImpRend01") + u',' + v("CentRend01")},
        {u"Locatore:"_s, v("CognomeLoc01") + u' ' + v("NomeLoc01") + u"  C.F. "_s + v("CodFiscLoc01")},
        {u"Percentuale di possesso:"_s, v("ImpPoss01") + u',' + v("CentPoss01")},
        {u"Tel. cellulare Locatore:"_s, v("TelCelLoc01")},
        {u"Comproprietari:"_s, v("Comproprietari")},
        {u"Conduttore:"_s, v("CognomeCon01") + u' ' + v("NomeCon01") + u"  C.F. "_s + v("CodFiscCon01")},
        {u"Tel. cellulare Conduttore:"_s, v("TelCelCon01")},
        {u"Persone conviventi:"_s, v("Conviventi")},
        {u"Codice ID Contratto:"_s, v("CodContratto")},
        {u"Periodicità rata canone:"_s, v("Periodicita")},
        {u"Importo rata canone:"_s, u"€ "_s + v("ImpRata") + u',' + v("CentRata")}};

    report.firstPage().setLandscape(false);
    report.text(u"txtTitolo"_s).setText(u"SCHEDA DATI IMMOBILE"_s);
    for (int n = 1; n <= 24; ++n) {
        const QString number = QString::number(n).rightJustified(2, u'0');
        report.text(u"titCampo"_s + number).setText(rows[n - 1].first);
        report.text(u"txtCampo"_s + number).setText(rows[n - 1].second);
    }
    report.text(u"txtCalce"_s)
        .setText(u"Stampa eseguita in data "_s + Formats::date(now.date()) + u" alle ore "_s +
                 now.time().toString(u"HH:mm:ss"_s));
    report.PrepareReport();
}

QString pdfPath()
{
    return ExeFolder::file(u"Immobile.pdf"_s);
}

QString pdfDoneQuestion()
{
    return ReportPdf::doneQuestion();
}

} // namespace SchedaReport
