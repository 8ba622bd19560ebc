#include "Calendar.h"

#include "platform/Product.h"
#include "platform/SafeWrite.h"

using namespace Qt::StringLiterals;

namespace Calendar {

namespace {

QString kindCode(Scadenzario::Kind kind)
{
    switch (kind) {
    case Scadenzario::Kind::Registro:
        return u"registro"_s;
    case Scadenzario::Kind::FineLocazione:
        return u"fine"_s;
    case Scadenzario::Kind::Disdetta:
        return u"disdetta"_s;
    case Scadenzario::Kind::Canone:
        return u"canone"_s;
    case Scadenzario::Kind::Promemoria:
        return u"promemoria"_s;
    case Scadenzario::Kind::DaVerificare:
        break;
    }
    return u"verifica"_s;
}

QString summary(const Scadenzario::Deadline& d)
{
    QString text = Scadenzario::kindText(d.kind) + u": "_s + d.property;
    if (!d.tenant.isEmpty())
        text += u" - "_s + d.tenant;
    return text;
}

QString description(const Scadenzario::Deadline& d)
{
    QStringList lines;
    if (d.amount)
        lines.append(u"Importo: "_s + d.amount->toText(2) + u" euro"_s);
    if (!d.contractCode.isEmpty())
        lines.append(u"Codice contratto: "_s + d.contractCode);
    lines.append(u"Stato: "_s + d.state);
    lines.append(Scadenzario::detail(d));
    return lines.join(u'\n');
}

} // namespace

QString escaped(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\' || c == u';' || c == u',') {
            out += u'\\';
            out += c;
        } else if (c == u'\r') {
            out += u"\\n"_s;
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else if (c == u'\n') {
            out += u"\\n"_s;
        } else if (c.unicode() < 0x20 && c != u'\t') {
            // Other control characters are not allowed in a TEXT value.
        } else {
            out += c;
        }
    }
    return out;
}

QByteArray folded(const QByteArray& line)
{
    QByteArray out;
    qsizetype start = 0;
    int room = 75; // octets on the first line; 74 after the leading blank of the others
    while (line.size() - start > room) {
        qsizetype cut = start + room;
        while (cut > start && (uchar(line[cut]) & 0xC0) == 0x80) // never inside a UTF-8 sequence
            --cut;
        out += line.mid(start, cut - start) + "\r\n ";
        start = cut;
        room = 74;
    }
    out += line.mid(start) + "\r\n";
    return out;
}

QString uid(const Scadenzario::Deadline& d)
{
    return u"scheda%1-%2-%3@tarvento"_s.arg(d.position).arg(kindCode(d.kind), d.date.toString(u"yyyyMMdd"_s));
}

QByteArray ics(const QList<Scadenzario::Deadline>& deadlines, const QDateTime& stamp)
{
    QByteArray out;
    auto add = [&out](const QString& line) { out += folded(line.toUtf8()); };
    add(u"BEGIN:VCALENDAR"_s);
    add(u"VERSION:2.0"_s);
    add(u"PRODID:-//"_s + Product::name + u"//Scadenze "_s + Product::version + u"//IT"_s);
    add(u"CALSCALE:GREGORIAN"_s);
    add(u"METHOD:PUBLISH"_s);
    const QString dtstamp = stamp.toUTC().toString(u"yyyyMMdd'T'HHmmss'Z'"_s);
    for (const Scadenzario::Deadline& d : deadlines) {
        if (!d.date.isValid())
            continue;
        add(u"BEGIN:VEVENT"_s);
        add(u"UID:"_s + uid(d));
        add(u"DTSTAMP:"_s + dtstamp);
        add(u"DTSTART;VALUE=DATE:"_s + d.date.toString(u"yyyyMMdd"_s));
        add(u"DTEND;VALUE=DATE:"_s + d.date.addDays(1).toString(u"yyyyMMdd"_s));
        add(u"SUMMARY:"_s + escaped(summary(d)));
        add(u"DESCRIPTION:"_s + escaped(description(d)));
        add(u"TRANSP:TRANSPARENT"_s);
        add(u"BEGIN:VALARM"_s);
        add(u"ACTION:DISPLAY"_s);
        add(u"DESCRIPTION:"_s + escaped(summary(d)));
        add(u"TRIGGER:-P7D"_s);
        add(u"END:VALARM"_s);
        add(u"END:VEVENT"_s);
    }
    add(u"END:VCALENDAR"_s);
    return out;
}

void write(const QString& path, const QList<Scadenzario::Deadline>& deadlines, const QDateTime& stamp)
{
    SafeWrite::replaceFile(path, ics(deadlines, stamp));
}

} // namespace Calendar
