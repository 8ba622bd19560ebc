#include "app/Screens.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "app/TfrmInfo.h"
#include "app/TfrmPassword.h"
#include "app/TfrmSplash.h"
#include "checks/CheckScreens.h"
#include "f24/F24Screens.h"
#include "f24/SchedaF24.h"
#include "immobili/ImmobiliScreens.h"
#include "immobili/SchedaImmobile.h"
#include "platform/Application.h"
#include "platform/QtDesktop.h"
#include "platform/TfrmGuida.h"
#include "report/ListReport.h"
#include "report/ListResults.h"
#include "report/ReportPreview.h"
#include "ricevute/RicevuteScreens.h"
#include "ricevute/TfrmGeneraRic.h"
#include "ricevute/TfrmMenuRicevute.h"
#include "ricevute/TfrmPdfRic.h"
#include "scadenze/TfrmScadenze.h"
#include "support/Files.h"
#include "support/Receipts.h"
#include "support/ScreenFixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <xcb/xcb.h>
#include <functional>

using namespace Qt::StringLiterals;

// Every window of the program on a real display with a real window manager (Xvfb and openbox,
// started by scripts/test), at the screen size the test is run for: its frame, title bar
// included, lies inside the screen's available area, every caption shows whole, and the lists
// show whole lines when the screen is wide enough.
class TestWindowFit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void windowsFitTheScreen_data();
    void windowsFitTheScreen();
    void restoredApplicationScreensFit_data();
    void restoredApplicationScreensFit();
    void listsShowWholeLines_data();
    void listsShowWholeLines();
    void inputBoxShowsItsTitle();
};

namespace {

QRect availableArea()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// The window's frame as the display has it: the window manager's window around the program's
// (its child of the root window), title bar and borders included. Nothing while the window is
// not framed.
std::optional<QRect> frameOnDisplay(QWidget* window)
{
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || !window->windowHandle())
        return std::nullopt;
    xcb_connection_t* connection = x11->connection();
    xcb_window_t outer = xcb_window_t(window->winId());
    for (;;) {
        xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection, xcb_query_tree(connection, outer), nullptr);
        if (tree == nullptr)
            return std::nullopt;
        const xcb_window_t parent = tree->parent;
        const xcb_window_t root = tree->root;
        std::free(tree);
        if (parent == root || parent == XCB_WINDOW_NONE)
            break;
        outer = parent;
    }
    if (outer == xcb_window_t(window->winId()))
        return std::nullopt;
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, outer), nullptr);
    if (geometry == nullptr)
        return std::nullopt;
    const int border = geometry->border_width;
    const QRect frame(geometry->x, geometry->y, geometry->width + 2 * border, geometry->height + 2 * border);
    std::free(geometry);
    return frame;
}

bool framed(QWidget* window)
{
    return frameOnDisplay(window).has_value();
}

// Waits until the window manager has framed the window and the frame stays where it is.
bool waitUntilPlaced(QWidget* window)
{
    if (!QTest::qWaitForWindowExposed(window) || !QTest::qWaitFor([window] { return framed(window); }, 10000))
        return false;
    std::optional<QRect> before;
    return QTest::qWaitFor(
        [&] {
            QTest::qWait(150);
            const std::optional<QRect> now = frameOnDisplay(window);
            const bool still = now && now == before;
            before = now;
            return still;
        },
        10000);
}

QRect frameOf(QWidget* window)
{
    return frameOnDisplay(window).value_or(QRect());
}

QString describe(QWidget* window)
{
    QString text;
    QDebug(&text) << window->metaObject()->className() << window->windowTitle() << "frame" << frameOf(window)
                  << "area" << availableArea();
    return text;
}

// Captions cut short: labels and buttons narrower than their text needs.
QStringList clippedCaptions(const QWidget* window)
{
    QStringList clipped;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->window() != window)
            continue;
        int needed = 0;
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            if (label->wordWrap() || label->text().isEmpty() || !label->pixmap().isNull() ||
                label->objectName() == u"panInfo"_s)
                continue;
            needed = label->sizeHint().width();
        } else if (qobject_cast<const QRadioButton*>(w) || qobject_cast<const QCheckBox*>(w)) {
            needed = w->sizeHint().width();
        } else if (const auto* button = qobject_cast<const QPushButton*>(w)) {
            QString text = button->text();
            text.remove(u'&');
            needed = button->fontMetrics().horizontalAdvance(text) +
                     (button->icon().isNull() ? 0 : button->iconSize().width() + 4) + 8;
        } else {
            continue;
        }
        if (w->width() < needed)
            clipped.append(QString::fromLatin1(w->metaObject()->className()) + u" "_s + w->objectName() + u" \""_s +
                           (qobject_cast<const QLabel*>(w) ? static_cast<const QLabel*>(w)->text()
                                                           : static_cast<const QAbstractButton*>(w)->text()) +
                           u"\" "_s + QString::number(w->width()) + u" < "_s + QString::number(needed));
    }
    return clipped;
}

void checkPlaced(QWidget* window)
{
    QVERIFY2(waitUntilPlaced(window), qPrintable(describe(window)));
    QVERIFY2(availableArea().contains(frameOf(window)), qPrintable(describe(window)));
    const QStringList clipped = clippedCaptions(window);
    QVERIFY2(clipped.isEmpty(), qPrintable(describe(window) + u"\n"_s + clipped.join(u'\n')));
}

// The archives of the lists: a card, a receipt, a form, each with its long fields filled.
void writeArchives(ScreenFixture& f)
{
    Record card(SchedaImmobile::layout());
    for (const auto& [field, value] :
         {std::pair{u"Immobile"_s, u"Appartamento al terzo piano con cantina e box auto doppio in via"_s},
          {u"CodContratto"_s, u"TZZ21T001234000AB"_s},
          {u"CognomeLoc01"_s, u"ROSSI"_s},
          {u"CognomeCon01"_s, u"BIANCHI"_s},
          {u"DataStipula"_s, u"01/02/2021"_s}})
        card.setText(field, value);
    writeArchive(f.folder.path(), card.bytes());
    writeFile(f.folder.filePath(u"2024.ric"_s),
              receiptBytes({{"NumRic", u"1234567890"_s},
                            {"Data", u"05/03/2024"_s},
                            {"CognomeCon01", u"BIANCHI"_s},
                            {"NomeCon01", u"ANNA MARIA"_s},
                            {"CodFiscCon01", u"BNCNNA80A41F205Z"_s},
                            {"Causale01", u"Canone di locazione del mese di marzo duemilaventiquattro"_s},
                            {"TotRicevuta", u"1250000,50"_s},
                            {"Saldata", u"No"_s}}));
    Record form(SchedaF24::layout());
    for (const auto& [field, value] : {std::pair{u"CognomeCont"_s, u"ROSSI"_s},
                                       {u"NomeCont"_s, u"MARIO GIUSEPPE"_s},
                                       {u"CodFiscCont"_s, u"RSSMRA80A01H501U"_s},
                                       {u"CodFiscCoob"_s, u"BNCNNA80A41F205Z"_s},
                                       {u"AnnoRif01"_s, u"2024"_s},
                                       {u"Data"_s, u"16/07/2024"_s},
                                       {u"Totale"_s, u"123456789012,00"_s}})
        form.setText(field, value);
    writeFile(f.folder.filePath(SchedaF24::archiveName()), form.bytes());
}

// A window shown as the program shows it: a dialog owned here, or an application screen.
struct Shown {
    QWidget* window = nullptr;
    std::unique_ptr<QWidget> owned;
};
using Opener = std::function<Shown(ScreenFixture& f)>;

Shown ownedWindow(std::unique_ptr<QWidget> window)
{
    QWidget* shown = window.get();
    return {shown, std::move(window)};
}

template <typename Dialog> Opener dialog()
{
    return [](ScreenFixture&) {
        auto window = std::make_unique<Dialog>(frmAvvio.get());
        window->show();
        return ownedWindow(std::move(window));
    };
}

Opener summary(std::unique_ptr<RiepilogoScreen> (*make)())
{
    return [make](ScreenFixture& f) {
        std::unique_ptr<RiepilogoScreen> window = make();
        window->setArchive(f.folder.filePath(u"2024.ric"_s), u"2024"_s);
        window->show();
        return ownedWindow(std::move(window));
    };
}

const ReportDocument& previewDocument()
{
    static const ReportDocument document = [] {
        ReportDocument report = ListReport::create();
        ListReport::fill(report, u"Riepilogo"_s, {u"Una riga"_s});
        report.PrepareReport();
        return report;
    }();
    return document;
}

} // namespace

Q_DECLARE_METATYPE(Opener)

void TestWindowFit::initTestCase()
{
    const QString size = qEnvironmentVariable("TARVENTO_SCREEN");
    const QSize screen = QGuiApplication::primaryScreen()->size();
    QCOMPARE(QString::number(screen.width()) + u'x' + QString::number(screen.height()), size);
    // A window manager frames windows: without one this test would prove nothing.
    QWidget probe;
    probe.resize(200, 100);
    probe.show();
    QVERIFY2(QTest::qWaitForWindowExposed(&probe) &&
                 QTest::qWaitFor([&probe] { return framed(&probe); }, 20000),
             "no window manager framed a window on this display");
}

void TestWindowFit::windowsFitTheScreen_data()
{
    QTest::addColumn<Opener>("open");
    const auto application = [](ApplicationScreen* (*screen)(), bool centred) {
        return Opener([screen, centred](ScreenFixture&) {
            ApplicationScreen* window = screen();
            centred ? window->presentCentred() : window->present();
            return Shown{window, nullptr};
        });
    };
    QTest::newRow("password") << application([]() -> ApplicationScreen* { return frmPassword; }, true);
    QTest::newRow("change of password")
        << application([]() -> ApplicationScreen* { return frmCambiaPassword; }, true);
    QTest::newRow("main menu") << application([]() -> ApplicationScreen* { return frmAvvio; }, false);
    QTest::newRow("property card") << application([]() -> ApplicationScreen* { return frmImmobili; }, false);
    QTest::newRow("receipts menu") << application([]() -> ApplicationScreen* { return frmMenuRicevute; }, false);
    QTest::newRow("receipt screen") << application([]() -> ApplicationScreen* { return frmRicevute; }, false);
    QTest::newRow("statistics") << application([]() -> ApplicationScreen* { return frmStatisticheRic; }, false);
    QTest::newRow("F24 screen") << application([]() -> ApplicationScreen* { return frmModello_F24_Elide; }, false);
    QTest::newRow("deadlines") << application([]() -> ApplicationScreen* { return frmScadenze; }, false);

    QTest::newRow("help") << dialog<TfrmGuida>();
    QTest::newRow("information") << dialog<TfrmInfo>();
    QTest::newRow("about") << dialog<TfrmSplash>();
    QTest::newRow("codice fiscale check") << dialog<TfrmCodFisc>();
    QTest::newRow("partita IVA check") << dialog<TfrmPartitaIva>();
    QTest::newRow("attachments") << dialog<TfrmAllegaCartella>();
    QTest::newRow("property search") << dialog<TfrmTrovaImmobili>();
    QTest::newRow("property export") << dialog<TfrmExpImmobili>();
    QTest::newRow("logo") << dialog<TfrmLogo>();
    QTest::newRow("payment reasons") << dialog<TfrmVoci>();
    QTest::newRow("numbering") << dialog<TfrmNumerazioneRic>();
    QTest::newRow("receipt search") << dialog<TfrmTrovaRicevute>();
    QTest::newRow("unpaid receipts") << dialog<TfrmSospeseRic>();
    QTest::newRow("annual summary")
        << summary([] { return std::unique_ptr<RiepilogoScreen>(new TfrmRiepAnnualeRic(frmAvvio.get())); });
    QTest::newRow("quarterly summary")
        << summary([] { return std::unique_ptr<RiepilogoScreen>(new TfrmRiepTrimestraleRic(frmAvvio.get())); });
    QTest::newRow("monthly summary")
        << summary([] { return std::unique_ptr<RiepilogoScreen>(new TfrmRiepMensileRic(frmAvvio.get())); });
    QTest::newRow("receipt export") << dialog<TfrmExpRicevute>();
    QTest::newRow("receipt print") << dialog<TfrmStampaRic>();
    QTest::newRow("receipt preview choice") << dialog<TfrmAnteprimaRic>();
    QTest::newRow("receipt PDF") << dialog<TfrmPdfRic>();
    QTest::newRow("receipt by e-mail") << Opener([](ScreenFixture&) {
        auto window = std::make_unique<TfrmEmailRic>(frmAvvio.get());
        window->setRecipient(u"laura.bianchi@example.it"_s,
                             u"indirizzo e-mail del Conduttore nella scheda dell'immobile del contratto"_s);
        window->show();
        return ownedWindow(std::move(window));
    });
    QTest::newRow("year of receipts") << Opener([](ScreenFixture&) {
        auto window = std::make_unique<TfrmGeneraRic>(frmAvvio.get());
        Record card(SchedaImmobile::layout());
        for (const auto& [field, value] : {std::pair{"CognomeCon01", u"Bianchi"_s}, {"NomeCon01", u"Laura"_s},
                                           {"CodFiscCon01", u"BNCLRA85M41F205K"_s},
                                           {"CodContratto", u"TNT23T001234000AB"_s},
                                           {"Immobile", u"Bilocale in via Roma 12, Milano"_s},
                                           {"Periodicita", u"Ogni due mesi"_s}, {"ImpRata", u"650"_s}})
            card.setText(QString::fromLatin1(field), value);
        window->setContract(card, 2024, {}, 1);
        window->cboPeriodicita->setCurrentIndex(0); // twelve lines
        window->show();
        return ownedWindow(std::move(window));
    });
    QTest::newRow("F24 print") << dialog<TfrmStampaElide>();
    QTest::newRow("F24 preview choice") << dialog<TfrmAnteprimaF24>();
    QTest::newRow("F24 PDF") << dialog<TfrmCrea_PDF_F24>();
    QTest::newRow("F24 search") << dialog<TfrmTrovaF24>();
    QTest::newRow("F24 export") << dialog<TfrmExpF24>();
    QTest::newRow("tax codes") << dialog<TfrmCodici_Tributo>();
    // The preview window every print preview opens (property card, receipt, F24 form).
    QTest::newRow("preview") << Opener([](ScreenFixture&) {
        auto preview = std::make_unique<ReportPreview>(previewDocument(), frmAvvio.get());
        preview->show();
        return ownedWindow(std::move(preview));
    });
}

void TestWindowFit::windowsFitTheScreen()
{
    QFETCH(Opener, open);
    ScreenFixture f;
    writeArchives(f);
    frmAvvio->present();
    const Shown shown = open(f);
    checkPlaced(shown.window);
}

void TestWindowFit::restoredApplicationScreensFit_data()
{
    QTest::addColumn<QString>("screen");
    for (const char* name : {"main menu", "property card", "receipts menu", "receipt screen", "statistics",
                             "F24 screen", "deadlines"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestWindowFit::restoredApplicationScreensFit()
{
    QFETCH(QString, screen);
    ScreenFixture f;
    ApplicationScreen* window = screen == u"main menu"_s        ? static_cast<ApplicationScreen*>(frmAvvio)
                                : screen == u"property card"_s  ? static_cast<ApplicationScreen*>(frmImmobili)
                                : screen == u"receipts menu"_s  ? static_cast<ApplicationScreen*>(frmMenuRicevute)
                                : screen == u"receipt screen"_s ? static_cast<ApplicationScreen*>(frmRicevute)
                                : screen == u"statistics"_s ? static_cast<ApplicationScreen*>(frmStatisticheRic)
                                : screen == u"deadlines"_s  ? static_cast<ApplicationScreen*>(frmScadenze)
                                                            : static_cast<ApplicationScreen*>(frmModello_F24_Elide);
    window->present();
    QVERIFY(waitUntilPlaced(window));
    QVERIFY(QTest::qWaitFor([window] { return window->isMaximized(); }, 5000));
    window->showNormal(); // what the title bar's middle button does
    QVERIFY(QTest::qWaitFor([window] { return !window->isMaximized(); }, 5000));
    checkPlaced(window);
}

void TestWindowFit::listsShowWholeLines_data()
{
    QTest::addColumn<Opener>("open");
    QTest::addColumn<bool>("search"); // lists only after "Cerca"
    QTest::newRow("property search") << dialog<TfrmTrovaImmobili>() << true;
    QTest::newRow("receipt search") << Opener([](ScreenFixture& f) {
        auto search = std::make_unique<TfrmTrovaRicevute>(frmAvvio.get());
        search->setArchive(f.folder.filePath(u"2024.ric"_s));
        search->show();
        return ownedWindow(std::move(search));
    }) << true;
    QTest::newRow("F24 search") << dialog<TfrmTrovaF24>() << true;
    QTest::newRow("unpaid receipts") << Opener([](ScreenFixture& f) {
        auto unpaid = std::make_unique<TfrmSospeseRic>(frmAvvio.get());
        unpaid->setArchive(f.folder.filePath(u"2024.ric"_s));
        unpaid->show();
        return ownedWindow(std::move(unpaid));
    }) << false;
    QTest::newRow("annual summary")
        << summary([] { return std::unique_ptr<RiepilogoScreen>(new TfrmRiepAnnualeRic(frmAvvio.get())); })
        << false;
    QTest::newRow("tax codes") << dialog<TfrmCodici_Tributo>() << false;
}

void TestWindowFit::listsShowWholeLines()
{
    QFETCH(Opener, open);
    QFETCH(bool, search);
    ScreenFixture f;
    writeArchives(f);
    frmAvvio->present();
    const Shown shown = open(f);
    QWidget* window = shown.window;
    QVERIFY(waitUntilPlaced(window));
    if (search)
        click(control<QPushButton>(window, "btnCerca"));
    QVERIFY(waitUntilPlaced(window));
    auto* list = control<QListView>(window, "lstRecords");
    QVERIFY(list->model()->rowCount() > 0);
    QString widest;
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        const QString line = list->model()->index(row, 0).data().toString();
        if (line.size() > widest.size())
            widest = line;
    }
    const int lineWidth = list->fontMetrics().horizontalAdvance(widest);
    QVERIFY2(availableArea().contains(frameOf(window)), qPrintable(describe(window)));
    if (lineWidth + 200 < availableArea().width()) // the screen allows it
        QVERIFY2(list->viewport()->width() >= lineWidth,
                 qPrintable(describe(window) + u" line "_s + QString::number(lineWidth)));
    else // as wide as the screen, less the room kept for a frame before the window is framed
        QVERIFY2(frameOf(window).width() >= availableArea().width() - 24, qPrintable(describe(window)));

    // Resized and maximised at will; the list grows with the window.
    QVERIFY(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    QVERIFY(window->minimumSize() != window->maximumSize());
    window->showNormal();
    QVERIFY(QTest::qWaitFor([window] { return !window->isMaximized(); }, 5000));
    window->resize(window->minimumSizeHint());
    QVERIFY(waitUntilPlaced(window));
    const QSize before = list->size();
    window->showMaximized();
    QVERIFY(QTest::qWaitFor([window] { return window->isMaximized(); }, 5000));
    QVERIFY(waitUntilPlaced(window));
    QVERIFY2(list->width() > before.width() && list->height() > before.height(),
             qPrintable(describe(window)));
}

void TestWindowFit::inputBoxShowsItsTitle()
{
    // The statistics' copies box: its title whole in the title bar.
    ScreenFixture f;
    frmAvvio->present();
    QtDesktop desktop;
    Desktop::setBackend(&desktop);
    bool placed = false;
    QRect frame;
    int width = 0;
    int titleWidth = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        placed = waitUntilPlaced(box);
        frame = frameOf(box);
        width = box->width();
        QFont bold = box->font();
        bold.setBold(true);
        titleWidth = QFontMetrics(bold).horizontalAdvance(box->windowTitle());
        box->reject();
    });
    Desktop::backend().inputBox(u"Numero copie da stampare"_s, u"Copie:"_s, u"1"_s);
    Desktop::setBackend(&f.desktop);
    QVERIFY(placed);
    QVERIFY2(availableArea().contains(frame), "the box does not fit the screen");
    QVERIFY2(width >= titleWidth + 120, qPrintable(QString::number(width) + u" < title "_s +
                                                    QString::number(titleWidth)));
}

// Run on the display the test script started for the screen size this run is for.
int main(int argc, char** argv)
{
    const QByteArray size = qgetenv("TARVENTO_SCREEN");
    const QByteArray display = qgetenv(QByteArray("TARVENTO_DISPLAY_" + size).constData());
    if (size.isEmpty() || display.isEmpty()) {
        std::fprintf(stderr, "tst_window_fit: no display for the screen size \"%s\": scripts/test starts Xvfb "
                             "with openbox and names it in TARVENTO_DISPLAY_<size>.\n",
                     size.constData());
        return 1;
    }
    qputenv("DISPLAY", display);
    qputenv("QT_QPA_PLATFORM", "xcb");
    Application app(argc, argv);
    Application::prepareEnvironment();
    app.setQuitOnLastWindowClosed(false);
    TestWindowFit test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_window_fit.moc"
