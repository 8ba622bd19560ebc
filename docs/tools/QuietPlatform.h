#pragma once

#include <QString>
#include <QtGlobal>

// The build's tools run without a display: the platform's notes on what it cannot do there
// (no runtime folder, no window manager) are of no use in the build's output.
namespace QuietPlatform {

inline QtMessageHandler& standard()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}

inline void handler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && (message.contains(QStringLiteral("propagateSizeHints")) ||
                                 message.contains(QStringLiteral("XDG_RUNTIME_DIR"))))
        return;
    standard()(type, context, message);
}

// Call first thing in main().
inline void install()
{
    standard() = qInstallMessageHandler(handler);
}

} // namespace QuietPlatform
