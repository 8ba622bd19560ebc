#pragma once

#include "CardNavigation.h"
#include "platform/Desktop.h"
#include "storage/RecordLayout.h"

#include <QList>
#include <QString>
#include <QStringList>
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
        // Record fields worked out from the others (totals): a change there alone is no change.
        QStringList computedFields;
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

    // Whether the card on screen differs from what was last loaded, saved or cleared: what a
    // save would write is compared, so a card only looked at is never changed.
    bool isChanged() const;
    // The card as it stands counts as unchanged (a screen calls it once it has cleared the card
    // or prepared a new one); loading and saving do it themselves.
    void markUnchanged();
    // Closing the screen: unsaved changes bring a question. "Sì" runs `save`, and the screen
    // closes only if that saved; "No" drops the changes; "Annulla" stays. True: close.
    bool mayClose(const std::function<bool()>& save);
    static QString unsavedChangesQuestion();

    // Runs an archive operation of the screen's own under the access message.
    bool guarded(Desktop::Kind failureKind, const std::function<void()>& operation);

    // The kind of the access message for an operation, as the screen asked for it.
    Desktop::Kind failureKind(CardOperation operation) const;

    static QString accessMessage();
    static QString emptyArchiveMessage();

private:
    std::optional<qint64> currentPosition() const;
    QByteArray cardBytes() const; // what a save would write, computed fields left out

    Card m_card;
    QByteArray m_unchanged;
};
