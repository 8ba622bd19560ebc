// The receipt's PDF: the work behind the PDF button, from "Crea PDF" to the file on the disk
// (logo read, pages filled and laid out, PDF made, written through the safe writer), in both
// formats; median of the runs and the file's size.
//   bench_receipt_pdf [runs]
#include "platform/Application.h"
#include "platform/ExeFolder.h"
#include "ricevute/ReceiptPdf.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    Application::prepareEnvironment();
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    QTemporaryDir dir;
    ExeFolder::setForTests(dir.path());
    const QHash<QString, QString> values = {
        {u"NumRic"_s, u"12"_s},          {u"Data"_s, u"05/03/2024"_s},
        {u"UfficioTer"_s, u"Milano 2"_s}, {u"CodContratto"_s, u"TNT23T001234000AB"_s},
        {u"CognomeLoc01"_s, u"ROSSI"_s},  {u"NomeLoc01"_s, u"MARIO"_s},
        {u"CognomeCon01"_s, u"BIANCHI"_s}, {u"NomeCon01"_s, u"LAURA"_s},
        {u"Immobile"_s, u"Bilocale in via Roma 12, Milano"_s},
        {u"Causale01"_s, u"Canone di locazione marzo 2024"_s}, {u"Importo01"_s, u"650,00"_s},
        {u"TotRicevuta"_s, u"650,00"_s},  {u"TotImporti"_s, u"650,00"_s},
        {u"ImpLettere"_s, u"SEICENTOCINQUANTA"_s}, {u"Cents"_s, u"00"_s},
        {u"Bollo"_s, u"Documento soggetto a imposta di bollo in base alle normative vigenti."_s}};
    const RicevutaReport::ValueOf receipt = [&values](const QString& field) { return values.value(field); };
    for (const auto& [name, format] : {std::pair{"one large receipt", ReceiptPdf::Format::Large},
                                       std::pair{"two small copies", ReceiptPdf::Format::Copies}}) {
        std::vector<double> ms;
        double first = 0;
        QString path;
        for (int i = 0; i <= runs; ++i) {
            QElapsedTimer timer;
            timer.start();
            path = ReceiptPdf::writeInFolder(receipt, format, u"2024"_s);
            const double elapsed = timer.nsecsElapsed() / 1e6;
            if (i == 0) // the first of the run loads the template and the fonts
                first = elapsed;
            else
                ms.push_back(elapsed);
        }
        std::sort(ms.begin(), ms.end());
        std::printf("%-17s  first %7.1f ms, then %7.1f ms (median of %d)  %lld bytes\n", name, first,
                    ms[ms.size() / 2], runs, static_cast<long long>(QFileInfo(path).size()));
    }
    return 0;
}
