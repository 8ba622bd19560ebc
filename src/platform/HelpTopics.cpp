#include "HelpTopics.h"

#include "Failure.h"

#include <QFile>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace HelpTopics {

QString text(const QString& topic)
{
    QFile file(u":/help/"_s + topic + u".txt"_s);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw Failure(u"Argomento della guida mancante: "_s + topic);
    QStringList paragraphs;
    for (const QString& block : QString::fromUtf8(file.readAll()).split(u"\n\n"_s, Qt::SkipEmptyParts)) {
        const QString paragraph = block.simplified();
        if (!paragraph.isEmpty())
            paragraphs.append(paragraph);
    }
    return paragraphs.join(u"\r\n\r\n"_s);
}

} // namespace HelpTopics
