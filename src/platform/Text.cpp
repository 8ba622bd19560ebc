#include "Text.h"

namespace Text {

QStringView trimmedView(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 0x20)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 0x20)
        --end;
    return text.mid(begin, end - begin);
}

QString trimmed(const QString& text)
{
    const QStringView view = trimmedView(text);
    return view.size() == text.size() ? text : view.toString(); // untouched text stays shared
}

QString capitals(const QString& text)
{
    QString result = text;
    for (QChar& c : result) {
        if (c.unicode() >= u'a' && c.unicode() <= u'z')
            c = QChar(c.unicode() - (u'a' - u'A'));
    }
    return result;
}

} // namespace Text
