#include "CardProtocol.h"

#include "platform/Failure.h"
#include "platform/Text.h"
#include "storage/ArchiveFile.h"

#include <QLabel>

using namespace Qt::StringLiterals;

CardProtocol::CardProtocol(Card card) : m_card(std::move(card)) {}

namespace {
CardOperation operationOf(NavigationButton button)
{
    switch (button) {
    case NavigationButton::First:
        return CardOperation::First;
    case NavigationButton::Previous:
        return CardOperation::Previous;
    case NavigationButton::Next:
        return CardOperation::Next;
    case NavigationButton::Last:
        break;
    }
    return CardOperation::Last;
}
} // namespace

Desktop::Kind CardProtocol::failureKind(CardOperation operation) const
{
    for (const auto& [op, kind] : m_card.failureKinds) {
        if (op == operation)
            return kind;
    }
    return operation == CardOperation::Save ? m_card.saveFailureKind : m_card.otherFailureKind;
}

QString CardProtocol::accessMessage()
{
    return u"Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
           u"Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma."_s;
}

QString CardProtocol::emptyArchiveMessage()
{
    return u"L'archivio non contiene nessuna scheda."_s;
}

bool CardProtocol::guarded(Desktop::Kind failureKind, const std::function<void()>& operation)
{
    try {
        operation();
        return true;
    } catch (const std::exception&) {
        Desktop::show(failureKind, accessMessage());
        return false;
    }
}

std::optional<qint64> CardProtocol::currentPosition() const
{
    const QString text = Text::trimmed(m_card.position->text());
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const qint64 position = text.toLongLong(&ok);
    if (!ok || position < 1)
        throw Failure(u"Posizione della scheda non valida: "_s + text);
    return position;
}

bool CardProtocol::save()
{
    QString done;
    const bool saved = guarded(failureKind(CardOperation::Save), [&] {
        ArchiveFile archive(m_card.archivePath(), m_card.layout->size());
        archive.openOrCreate();
        const std::optional<qint64> position = currentPosition();
        Record record(*m_card.layout);
        m_card.fillRecord(record);
        archive.seek(position ? *position - 1 : archive.count());
        archive.write(record.bytes());
        m_card.position->setText(QString::number(archive.currentIndex()));
        archive.close();
        done = position ? u"Le modifiche apportate alla scheda corrente sono state salvate in archivio."_s
                        : u"La scheda corrente è stata inserita in archivio."_s;
    });
    if (saved) {
        markUnchanged();
        Desktop::information(done);
    }
    return saved;
}

QByteArray CardProtocol::cardBytes() const
{
    Record record(*m_card.layout);
    m_card.fillRecord(record);
    QByteArray& bytes = record.bytes();
    for (const QString& field : m_card.computedFields) { // left out whole, stale bytes included
        const auto start = bytes.begin() + m_card.layout->offset(field);
        std::fill(start, start + m_card.layout->field(field).size(), '\0');
    }
    return bytes;
}

bool CardProtocol::isChanged() const
{
    return cardBytes() != m_unchanged;
}

void CardProtocol::markUnchanged()
{
    m_unchanged = cardBytes();
}

QString CardProtocol::unsavedChangesQuestion()
{
    return u"Le modifiche alla scheda corrente non sono state salvate. Salvarle adesso?"_s;
}

bool CardProtocol::mayClose(const std::function<bool()>& save)
{
    if (!isChanged())
        return true;
    switch (Desktop::backend().message(Desktop::Kind::Confirmation, unsavedChangesQuestion(),
                                       Desktop::Buttons::YesNoCancel)) {
    case Desktop::Answer::No:
        return true;
    case Desktop::Answer::Yes:
    case Desktop::Answer::Ok:
        return save();
    case Desktop::Answer::Cancel:
        break;
    }
    return false;
}

void CardProtocol::show(const Record& record, qint64 position)
{
    m_card.showRecord(record);
    m_card.position->setText(QString::number(position));
    markUnchanged();
}

void CardProtocol::navigate(NavigationButton button)
{
    using Kind = NavigationStep::Kind;
    bool empty = false;
    guarded(failureKind(operationOf(button)), [&] {
        ArchiveFile archive(m_card.archivePath(), m_card.layout->size());
        archive.openOrCreate();
        const NavigationStep step = navigationStep(button, currentPosition(), archive.count());
        if (step.kind == Kind::Load) {
            // The record is read whole before any control changes, so a failed read leaves
            // the card as it was.
            Record record(*m_card.layout);
            archive.seek(step.position - 1);
            archive.read(record.bytes());
            archive.close();
            show(record, step.position);
        } else if (step.kind == Kind::ClearThenEmptyArchive) {
            m_card.position->clear();
        }
        empty = step.kind == Kind::EmptyArchive || step.kind == Kind::ClearThenEmptyArchive;
    });
    if (empty)
        Desktop::information(emptyArchiveMessage());
}
