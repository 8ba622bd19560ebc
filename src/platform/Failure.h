#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// A failure of the outside world (a file that cannot be read or written) or of bad data.
// Screens catch it and show their own message; what reaches the event loop is shown with
// this text by the default error report.
class Failure : public std::exception {
public:
    explicit Failure(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString& message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};
