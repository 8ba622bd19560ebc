#pragma once

#include "Desktop.h"

// The production backend: Qt's message boxes, input box and file dialog, in Italian,
// over the active window; the desktop's URL handler for the shell's "open"; xdg-email for a
// new message in the user's mail program.
class QtDesktop final : public Desktop::Backend {
public:
    Desktop::Answer message(Desktop::Kind kind, const QString& text, Desktop::Buttons buttons) override;
    std::optional<QString> inputBox(const QString& title, const QString& prompt,
                                    const QString& initial) override;
    QString openFileName(const QString& title, const QStringList& filters,
                         const QString& defaultSuffix) override;
    QString saveFileName(const QString& title, const QString& proposed, const QStringList& filters,
                         const QString& defaultSuffix) override;
    void openUrl(const QUrl& url) override;
    void terminate() override;
    bool composeMail(const QStringList& xdgEmailArguments) override;
};
