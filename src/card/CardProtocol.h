#pragma once

#include "CardNavigation.h"
#include "platform/Desktop.h"
#include "storage/RecordLayout.h"

#include <QList>
#include <QString>
#include <functional>

class QLabel;

// The card operations that may show the access message.
enum class CardOperation { Save, First, Previous, Next, Last, New };

// The protocol the three card screens share: save as overwrite or append, the four
// navigation buttons, the position label and the archive messages. The screen supplies the
// archive, the record layout and how to move a record to and from its controls.
class CardProtocol {
public:
    struct Card {
        std::function<QString()> archivePath;
        const RecordLayout* layout = nullptr;
        QLabel* position = nullptr;                    // lblPosizione
        std::function<void(Record&)> fillRecord;       // controls -> record
        std::function<void(const Record&)> showRecord; // record -> controls
        Desktop::Kind saveFailureKind = Desktop::Kind::Warning;
        Desktop::Kind otherFailureKind = Desktop::Kind::Error;
        // The access message's kind of the operations whose kind differs from the two above
        // (the receipt screen's "first" warns, its other arrows show an error).
        QList<std::pair<CardOperation, Desktop::Kind>> failureKinds;
    };

    explicit CardProtocol(Card card);

    // Overwrites the record at the card's position, or appends a new card and shows its
    // position. Returns false when the archive could not be used (the access message was
    // shown and the position label is unchanged).
    bool save();
    void navigate(NavigationButton button);
    // Shows a record another screen hands over (a list's chosen line) as the card at its
    // 1-based `position`, as navigation would show it.
    void show(const Record& record, qint64 position);

    // Runs an archive operation of the screen's own under the access message.
    bool guarded(Desktop::Kind failureKind, const std::function<void()>& operation);

    // The kind of the access message for an operation, as the screen asked for it.
    Desktop::Kind failureKind(CardOperation operation) const;

    static QString accessMessage();
    static QString emptyArchiveMessage();

private:
    std::optional<qint64> currentPosition() const;

    Card m_card;
};
