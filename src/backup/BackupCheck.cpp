#include "BackupCheck.h"

#include "DataFiles.h"
#include "ZipFile.h"
#include "platform/Failure.h"
#include "platform/Formats.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <optional>

using namespace Qt::StringLiterals;

namespace Backup {

namespace {

QString quoted(const QString& path)
{
    return u"«"_s + path + u"»"_s;
}

// The manifest member read whole, or a failure naming the problem.
Manifest readManifest(const ZipReader& zip, qint64 index)
{
    const ZipReader::Member m = zip.member(index);
    // A manifest lists a few lines per file: far below this even for many thousands of files.
    if (!m.regular || m.size > (qint64(64) << 20))
        throw Failure(u"l'elenco "_s + Manifest::fileName + u" non è valido"_s);
    QByteArray text;
    if (!zip.read(index, [&text](QByteArrayView piece) { text.append(piece); }))
        throw Failure(u"l'elenco "_s + Manifest::fileName + u" è danneggiato"_s);
    return Manifest::parse(text);
}

// Why the member at `index` may not be restored, or nothing.
QString memberProblem(const ZipReader::Member& m)
{
    if (const QString bad = DataFiles::pathProblem(m.name); !bad.isEmpty())
        return bad;
    if (m.link)
        return quoted(m.name) + u" è un collegamento simbolico"_s;
    if (!m.regular)
        return quoted(m.name) + u" non è un file normale"_s;
    if (!DataFiles::isDataFile(m.name))
        return quoted(m.name) + u" non fa parte dei dati del programma"_s;
    return {};
}

} // namespace

Checked check(const QString& zipPath, MemberSink* sink)
{
    Checked checked;
    std::optional<ZipReader> zip;
    try {
        zip.emplace(zipPath);
    } catch (const Failure& failure) {
        checked.problems.append(failure.message());
        return checked;
    }

    qint64 manifestIndex = -1;
    for (qint64 i = 0; i < zip->count() && manifestIndex < 0; ++i) {
        if (zip->member(i).name == Manifest::fileName)
            manifestIndex = i;
    }
    if (manifestIndex < 0) {
        checked.problems.append(u"manca l'elenco "_s + Manifest::fileName +
                                u": non è una copia di sicurezza di questo programma"_s);
        return checked;
    }
    try {
        checked.manifest = readManifest(*zip, manifestIndex);
    } catch (const Failure& failure) {
        checked.problems.append(failure.message());
        return checked;
    }

    QHash<QString, const ManifestEntry*> listed;
    for (const ManifestEntry& entry : std::as_const(checked.manifest.entries))
        listed.insert(entry.path, &entry);
    QSet<QString> seen{Manifest::fileName};
    for (qint64 i = 0; i < zip->count(); ++i) {
        const ZipReader::Member m = zip->member(i);
        if (i == manifestIndex)
            continue;
        if (seen.contains(m.name)) {
            checked.problems.append(quoted(m.name) + u" compare più di una volta"_s);
            continue;
        }
        seen.insert(m.name);
        if (const QString bad = memberProblem(m); !bad.isEmpty()) {
            checked.problems.append(bad);
            continue;
        }
        const ManifestEntry* entry = listed.value(m.name);
        if (entry == nullptr) {
            checked.problems.append(u"il file "_s + quoted(m.name) + u" non è elencato in "_s + Manifest::fileName);
            continue;
        }
        if (m.size != entry->size) {
            checked.problems.append(u"il file "_s + quoted(m.name) + u" non ha la dimensione registrata"_s);
            continue;
        }
        QCryptographicHash hash(QCryptographicHash::Sha256);
        qint64 size = 0;
        if (sink)
            sink->begin(m.name);
        const bool read = zip->read(i, [&](QByteArrayView piece) {
            hash.addData(piece);
            size += piece.size();
            if (sink)
                sink->write(piece);
        });
        if (sink)
            sink->end();
        if (!read || size != entry->size || hash.result() != entry->sha256)
            checked.problems.append(u"il file "_s + quoted(m.name) + u" è danneggiato"_s);
    }
    for (const ManifestEntry& entry : std::as_const(checked.manifest.entries)) {
        if (!seen.contains(entry.path))
            checked.problems.append(u"manca il file "_s + quoted(entry.path));
    }
    return checked;
}

Manifest verify(const QString& zipPath)
{
    Checked checked = check(zipPath);
    if (!checked.problems.isEmpty())
        throw Failure(refusal(zipPath, checked.problems));
    return checked.manifest;
}

QString refusal(const QString& zipPath, const QStringList& problems)
{
    constexpr int shown = 5;
    QStringList listed = problems.mid(0, shown);
    if (problems.size() > shown)
        listed.append(u"e altri "_s + QString::number(problems.size() - shown) + u" problemi"_s);
    return u"La copia di sicurezza "_s + QFileInfo(zipPath).fileName() + u" non può essere usata: "_s +
           listed.join(u"; "_s) + u'.';
}

QString madeOn(const Manifest& manifest)
{
    return u"in data "_s + Formats::date(manifest.created.date()) + u" alle ore "_s +
           manifest.created.toString(u"HH:mm"_s);
}

QString wholeMessage(const Manifest& manifest)
{
    return u"La copia di sicurezza è integra: "_s + QString::number(manifest.entries.size()) +
           u" file, salvata "_s + madeOn(manifest) + u'.';
}

} // namespace Backup
