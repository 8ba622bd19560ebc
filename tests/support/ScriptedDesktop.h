#pragma once

#include "platform/Desktop.h"

#include <QList>
#include <QQueue>
#include <QUrl>

// Stands in for every dialog and desktop call: records each message with its kind and exact
// text, answers questions from a script (OK or Yes when the script is empty), records what
// the shell was asked to open, the mail messages prepared and whether the program was told to end.
class ScriptedDesktop final : public Desktop::Backend {
public:
    struct Message {
        Desktop::Kind kind;
        QString text;
        bool operator==(const Message&) const = default;
    };

    ScriptedDesktop() { Desktop::setBackend(this); }
    ~ScriptedDesktop() override { Desktop::setBackend(nullptr); }

    QList<Message> messages;
    QList<QUrl> opened;
    int terminations = 0;
    QQueue<Desktop::Answer> answers;
    QQueue<std::optional<QString>> inputs;
    QQueue<QString> fileNames;
    QQueue<QString> saveFileNames; // answers of the save dialog; cancelled when empty
    QStringList proposedSaveNames; // what each save dialog proposed
    QList<QStringList> mails; // the xdg-email arguments of each message prepared
    bool mailFails = false;   // no mail program answers

    Desktop::Answer message(Desktop::Kind kind, const QString& text, Desktop::Buttons buttons) override
    {
        messages.append({kind, text});
        if (!answers.isEmpty())
            return answers.dequeue();
        return buttons == Desktop::Buttons::YesNo || buttons == Desktop::Buttons::YesNoCancel
                   ? Desktop::Answer::Yes
                   : Desktop::Answer::Ok;
    }
    std::optional<QString> inputBox(const QString&, const QString&, const QString& initial) override
    {
        return inputs.isEmpty() ? std::optional<QString>(initial) : inputs.dequeue();
    }
    QString openFileName(const QString&, const QStringList&, const QString&) override
    {
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }
    QString saveFileName(const QString&, const QString& proposed, const QStringList&, const QString&) override
    {
        proposedSaveNames.append(proposed);
        return saveFileNames.isEmpty() ? QString() : saveFileNames.dequeue();
    }
    void openUrl(const QUrl& url) override { opened.append(url); }
    void terminate() override { ++terminations; }
    bool composeMail(const QStringList& xdgEmailArguments) override
    {
        mails.append(xdgEmailArguments);
        return !mailFails;
    }

    Message lastMessage() const
    {
        return messages.isEmpty() ? Message{Desktop::Kind::Plain, QString()} : messages.last();
    }
};

inline char* toString(const ScriptedDesktop::Message& m)
{
    static const char* kinds[] = {"Warning", "Error", "Information", "Confirmation", "Plain"};
    const QByteArray text = QByteArray(kinds[int(m.kind)]) + ": " + m.text.toUtf8();
    return qstrdup(text.constData());
}
