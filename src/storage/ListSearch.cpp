#include "ListSearch.h"

#include "ArchiveFile.h"
#include "platform/Text.h"

#include <algorithm>

namespace ListSearch {

QString folded(const QString& text)
{
    QString result = text;
    for (QChar& c : result) {
        if (c.unicode() >= u'A' && c.unicode() <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return result;
}

int usedCriteria(const QStringList& criteria)
{
    return int(std::count_if(criteria.begin(), criteria.end(),
                             [](const QString& c) { return !Text::trimmed(c).isEmpty(); }));
}

bool matches(const QStringList& criteria, const QStringList& fields, int used)
{
    int matched = 0;
    for (qsizetype i = 0; i < criteria.size() && i < fields.size(); ++i) {
        if (!criteria[i].isEmpty() && folded(fields[i]).contains(folded(criteria[i])))
            ++matched;
    }
    return matched >= used;
}

QString fixed(const QString& text, int width)
{
    return text.left(width).leftJustified(width, u' ');
}

void sortLines(QStringList& lines)
{
    std::stable_sort(lines.begin(), lines.end(), [](const QString& a, const QString& b) {
        return Text::capitals(a).compare(Text::capitals(b), Qt::CaseSensitive) < 0;
    });
}

void sortLines(QList<ListLine>& lines)
{
    std::stable_sort(lines.begin(), lines.end(), [](const ListLine& a, const ListLine& b) {
        return Text::capitals(a.text).compare(Text::capitals(b.text), Qt::CaseSensitive) < 0;
    });
}

int findNext(const QStringList& lines, int selected, const QString& typed, QString& lastText)
{
    const QString text = folded(typed);
    const bool sameText = text == lastText;
    lastText = text;
    const int count = int(lines.size());
    if (count == 0)
        return selected;
    if (selected < 0 || selected >= count)
        selected = 0;
    if (text.isEmpty())
        return selected;
    auto hit = [&](int i) { return folded(lines[i]).contains(text); };
    const int start = sameText ? selected : 0;
    if (!sameText && hit(0))
        return 0;
    for (int step = 1; step <= count; ++step) {
        const int i = (start + step) % count;
        if (hit(i))
            return i;
    }
    return selected;
}

void forEachRecord(const QString& path, const RecordLayout& layout,
                   const std::function<void(const Record& record, int position)>& visit)
{
    ArchiveFile archive(path, layout.size());
    archive.openOrCreate();
    const int count = archive.count();
    Record record(layout);
    archive.seek(0);
    for (int position = 1; position <= count; ++position) {
        archive.read(record.bytes());
        visit(record, position);
    }
    archive.close();
}

} // namespace ListSearch
