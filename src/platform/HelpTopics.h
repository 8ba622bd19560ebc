#pragma once

#include <QString>

// Help topics kept as text resources: paragraphs separated by an empty line, handed to the
// help dialog with CR LF CR LF between them.
namespace HelpTopics {
QString text(const QString& topic); // topic: "generale" → :/help/generale.txt
} // namespace HelpTopics

// A screen's help: the title the help dialog shows and the topic of its text.
struct HelpTopic {
    QString title;
    QString topic;
    QString text() const { return HelpTopics::text(topic); }
};
