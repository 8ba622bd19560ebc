#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

// Every contact with the user and the desktop outside the screens themselves: message
// dialogs, the input box, the file-open and file-save dialogs, the shell's "open" and ending the program.
// Production installs the Qt backend; tests install a scripted stand-in that records each
// call and answers each question, so no test waits on a modal dialog.
namespace Desktop {

enum class Kind { Warning, Error, Information, Confirmation, Plain };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

class Backend {
public:
    virtual ~Backend() = default;
    virtual Answer message(Kind kind, const QString& text, Buttons buttons) = 0;
    // The text typed, or nothing when the box was cancelled.
    virtual std::optional<QString> inputBox(const QString& title, const QString& prompt,
                                            const QString& initial) = 0;
    // The chosen file, or an empty text when the dialog was cancelled.
    virtual QString openFileName(const QString& title, const QStringList& filters,
                                 const QString& defaultSuffix) = 0;
    // The file to write, chosen in the save dialog that starts on `proposed` (a full path); an
    // empty text when the dialog was cancelled. Replacing an existing file is confirmed there.
    virtual QString saveFileName(const QString& title, const QString& proposed, const QStringList& filters,
                                 const QString& defaultSuffix) = 0;
    virtual void openUrl(const QUrl& url) = 0;
    virtual void terminate() = 0;
    // Opens the user's own mail program on a new message: runs xdg-email with these arguments.
    // False when it could not run or no mail program answered (the default: no mail program).
    virtual bool composeMail(const QStringList& xdgEmailArguments);
};

void setBackend(Backend* backend); // not owned; nullptr restores the default
Backend& backend();

// Message dialogs of a kind carry OK and Cancel; their answer is not used.
void warning(const QString& text);
void error(const QString& text);
void information(const QString& text);
void show(Kind kind, const QString& text);
// The plain message box with a single OK.
void plain(const QString& text);
// A Yes/No confirmation: every answer other than No counts as Yes.
bool confirm(const QString& text);
bool composeMail(const QStringList& xdgEmailArguments);

} // namespace Desktop

// The shell's "open" for a file path, a web address or a "mailto:" text. Callers may put
// the command between double quotes. Nothing is reported: when nothing handles the command,
// nothing happens.
class TMisc {
public:
    static void Open(const QString& command);
};
