#pragma once

#include <QString>

// Help topics kept as text resources: paragraphs separated by an empty line, handed to the
// help dialog with CR LF CR LF between them.
namespace HelpTopics {
QString text(const QString& topic); // topic: "generale" → :/help/generale.txt
} // namespace HelpTopics
