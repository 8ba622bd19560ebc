#pragma once

#include <QtGlobal>
#include <optional>

// What a navigation button of a card screen does, from the card's position (none for a new
// card) and the number of records in the archive. There is no wrap-around.
enum class NavigationButton { First, Previous, Next, Last };

struct NavigationStep {
    enum class Kind {
        Load,                 // load the record at `position`
        Nothing,              // at an end of the archive: no change, no message
        EmptyArchive,         // "L'archivio non contiene nessuna scheda."
        ClearThenEmptyArchive // empty the position label, then the same message
    };
    Kind kind;
    qint64 position = 0;
    bool operator==(const NavigationStep&) const = default;
};

NavigationStep navigationStep(NavigationButton button, std::optional<qint64> position, qint64 count);
