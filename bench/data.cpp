// The data work of the bench, one piece per process so the table times whole processes the
// same way as grep: make an archive, search it, list it, export it to a file.
//   bench_data make <archive> <cards> sparse|full
//   bench_data search <archive> <word>      (the landlord surname criterion, as the screen shows it)
//   bench_data list <archive>               (no criteria: every card, as the screen shows it)
//   bench_data export <archive> <file.xls>  (the export file alone, as the export screen writes it)
//   bench_data start                        (nothing: what starting a program on Qt costs)
//   bench_data floor <archive> <made.xls> <file.xls>  (what no export can go below: the archive
//                                           read and the bytes of a made export written safely)
#include "immobili/ImmobiliExport.h"
#include "immobili/ImmobiliSearch.h"
#include "immobili/SchedaImmobile.h"
#include "platform/SafeWrite.h"
#include "report/Spreadsheet.h"
#include "storage/ListSearch.h"

#include <QFile>
#include <cstdio>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

const QStringList& surnames()
{
    static const QStringList list = {u"Rossi"_s,  u"Bianchi"_s, u"Verdi"_s, u"Esposito"_s,
                                     u"Romano"_s, u"Colombo"_s, u"Ricci"_s, u"Marino"_s,
                                     u"Greco"_s,  u"Bruno"_s,   u"Gallo"_s, u"Conti"_s};
    return list;
}

// Sparse: the handful of fields a quick user fills.
void fillSparse(Record& r, int i)
{
    const QStringList towns = {u"Milano"_s, u"Roma"_s, u"Napoli"_s, u"Torino"_s, u"Bologna"_s, u"Firenze"_s};
    r.setText(u"Immobile"_s, u"Appartamento n. "_s + QString::number(i) + u" con cantina e posto auto"_s);
    r.setText(u"Comune01"_s, towns[i % towns.size()]);
    r.setText(u"CognomeLoc01"_s, surnames()[i % surnames().size()]);
    r.setText(u"CognomeCon01"_s, surnames()[(i * 7 + 3) % surnames().size()]);
    r.setText(u"CodContratto"_s, u"TZZ21T00"_s + QString::number(100000 + i) + u"000"_s);
    r.setText(u"DataStipula"_s, u"01/02/2021"_s);
    r.setText(u"Pattuizioni"_s, u"Pagamento entro il giorno 5 di ogni mese"_s);
}

// Full: every field filled to its capacity, with accented letters, the euro sign and the
// characters the spreadsheet escapes; the surnames stay searchable.
void fillFull(Record& r, int i)
{
    static const QStringList words = {
        u"appartamento"_s, u"città"_s,     u"perché"_s, u"€"_s,        u"via"_s,     u"Garibaldi"_s, u"&"_s,
        u"<piano>"_s,      u"\"terzo\""_s, u"caffè"_s,  u"più"_s,      u"cantina"_s, u"n°"_s,        u"12"_s,
        u"box"_s,          u"Verona"_s,    u"già"_s,    u"l'affitto"_s};
    unsigned seed = 2166136261u ^ unsigned(i);
    for (const RecordField& f : r.layout().fields()) {
        if (f.kind == RecordField::Kind::Flag) {
            r.setFlag(f.name, (seed >> 3) % 2 == 0);
            seed = seed * 1664525u + 1013904223u;
            continue;
        }
        QString text = f.name.startsWith(u"Cognome"_s) ? surnames()[(i + f.name.size()) % surnames().size()]
                                                       : QString::number(i);
        while (text.size() < f.capacity) {
            seed = seed * 1664525u + 1013904223u;
            text += u' ' + words[(seed >> 8) % words.size()];
        }
        r.setText(f.name, text.left(f.capacity));
    }
}

// A search as the screen shows it: the pass, then the first block of lines the list makes.
int listed(const QString& archive, const QStringList& criteria)
{
    const QList<int> positions = ImmobiliSearch::search(archive, criteria);
    const QStringList shown = ImmobiliSearch::lines(archive, positions, 0, 256);
    std::printf("%lld listed, %lld shown\n", static_cast<long long>(positions.size()),
                static_cast<long long>(shown.size()));
    return 0;
}

int make(const QString& path, int cards, bool full)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    Record r(SchedaImmobile::layout());
    for (int i = 0; i < cards; ++i) {
        r.bytes().fill('\0');
        full ? fillFull(r, i) : fillSparse(r, i);
        if (file.write(r.bytes()) != r.bytes().size())
            return 1;
    }
    return 0;
}

int exportFile(const QString& archive, const QString& path)
{
    QList<Spreadsheet::Column> columns;
    for (const Spreadsheet::GridColumn& c : ImmobiliExport::columns())
        columns.append(c.exported);
    qsizetype rows = 0;
    Spreadsheet::write(path, ImmobiliExport::worksheet(), columns, [&](Spreadsheet::Writer& writer) {
        ListSearch::forEachRecord(archive, SchedaImmobile::layout(), [&](const Record& card, int) {
            ImmobiliExport::cells().writeRow(writer, card);
            ++rows;
        });
    });
    std::printf("%lld rows\n", static_cast<long long>(rows));
    return 0;
}

// The same reading and the same safe writing as the export, with no cell made: the archive in
// the blocks of a pass, and the bytes of an export already made copied alongside in pieces of
// the writer's size, then synced and put in place of the old file.
int exportFloor(const QString& archive, const QString& made, const QString& path)
{
    QFile source(made);
    if (!source.open(QIODevice::ReadOnly))
        return 1;
    const qint64 piece = source.size() / 2000 + 1;
    QByteArray bytes;
    SafeWrite::replaceFile(path, [&](QIODevice& file) {
        bool ok = true;
        int seen = 0;
        ListSearch::forEachRecord(archive, SchedaImmobile::layout(), [&](const Record&, int) {
            if (++seen % 10 == 0 && ok) {
                bytes = source.read(piece);
                ok = SafeWrite::writeAll(file, bytes);
            }
        });
        while (ok && !(bytes = source.read(1 << 16)).isEmpty())
            ok = SafeWrite::writeAll(file, bytes);
        return ok;
    });
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const auto arg = [&](int i) { return i < argc ? QString::fromLocal8Bit(argv[i]) : QString(); };
    const QString what = arg(1);
    try {
        if (what == u"make"_s && argc == 5)
            return make(arg(2), arg(3).toInt(), arg(4) == u"full"_s);
        if (what == u"search"_s && argc == 4) {
            QStringList criteria(ImmobiliSearch::criteria().size());
            criteria[4] = arg(3);
            return listed(arg(2), criteria);
        }
        if (what == u"list"_s && argc == 3) {
            return listed(arg(2), QStringList(ImmobiliSearch::criteria().size()));
        }
        if (what == u"export"_s && argc == 4)
            return exportFile(arg(2), arg(3));
        if (what == u"start"_s && argc == 2)
            return 0;
        if (what == u"floor"_s && argc == 5)
            return exportFloor(arg(2), arg(3), arg(4));
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
    std::fprintf(stderr, "usage: bench_data make|search|list|export|floor|start ...\n");
    return 2;
}
