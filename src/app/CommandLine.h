#pragma once

#include <QString>
#include <QStringList>
#include <exception>

// The program's command-line options: work a landlord can run from a script or from cron
// (a backup, a receipt's PDF, the deadlines) without a window, a display or the password.
// The data folder is the executable's, as always. Exit codes: 0 done, 1 failed (an Italian
// message on standard error), 2 wrong arguments.
namespace CommandLine {

enum ExitCode { Done = 0, Failed = 1, WrongArguments = 2 };

// Wrong arguments: the message is printed with a pointer to --help, and the program ends with 2.
class UsageError : public std::exception {
public:
    explicit UsageError(QString message) : m_message(std::move(message)) {}
    const QString& message() const { return m_message; }
    const char* what() const noexcept override { return "usage"; }

private:
    QString m_message;
};

struct Command {
    QString option;      // "--copia"
    QString arguments;   // what follows it in --help: "FILE.zip"
    QString description; // one Italian sentence for --help
    // Receives the words after the option; returns the exit code. Throws UsageError on wrong
    // arguments and Failure when the work cannot be done.
    int (*run)(const QStringList& arguments);
};

// Every option the program knows, in the order --help lists them.
QList<Command> commands();

// True when the program was started with an option rather than for its windows.
bool requested(int argc, char** argv);
// Runs the option given: no window opens and no display is needed.
int run(int argc, char** argv);

// Standard output and standard error, in UTF-8, each text followed by a line end.
void printLine(const QString& text);
void printError(const QString& text);

// For options that write: holds the data folder's lock, as the running program does, until
// destroyed. Throws Failure when another copy of the program has the folder open.
class DataFolderHold {
public:
    DataFolderHold();
    ~DataFolderHold();
    DataFolderHold(const DataFolderHold&) = delete;
    DataFolderHold& operator=(const DataFolderHold&) = delete;
};

} // namespace CommandLine
