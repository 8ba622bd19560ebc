#include "Desktop.h"

#include "Text.h"

#include <QCoreApplication>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// Used when nothing else is installed (a program without screens): answers "OK" and opens
// nothing, so the core library never needs widgets.
class SilentBackend final : public Desktop::Backend {
public:
    Desktop::Answer message(Desktop::Kind, const QString&, Desktop::Buttons) override
    {
        return Desktop::Answer::Ok;
    }
    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    QString openFileName(const QString&, const QStringList&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QStringList&, const QString&) override
    {
        return {};
    }
    void openUrl(const QUrl&) override {}
    void terminate() override { QCoreApplication::quit(); }
};

Desktop::Backend*& installed()
{
    static Desktop::Backend* backend = nullptr;
    return backend;
}

} // namespace

namespace Desktop {

bool Backend::composeMail(const QStringList&)
{
    return false;
}

void setBackend(Backend* backend)
{
    installed() = backend;
}

Backend& backend()
{
    static SilentBackend silent;
    return installed() ? *installed() : silent;
}

void show(Kind kind, const QString& text)
{
    backend().message(kind, text, kind == Kind::Plain ? Buttons::Ok : Buttons::OkCancel);
}

void warning(const QString& text)
{
    show(Kind::Warning, text);
}
void error(const QString& text)
{
    show(Kind::Error, text);
}
void information(const QString& text)
{
    show(Kind::Information, text);
}
void plain(const QString& text)
{
    show(Kind::Plain, text);
}

bool confirm(const QString& text)
{
    return backend().message(Kind::Confirmation, text, Buttons::YesNo) != Answer::No;
}

bool composeMail(const QStringList& xdgEmailArguments)
{
    return backend().composeMail(xdgEmailArguments);
}

} // namespace Desktop

void TMisc::Open(const QString& command)
{
    QString target = Text::trimmed(command);
    if (target.size() >= 2 && target.startsWith(u'"') && target.endsWith(u'"'))
        target = target.mid(1, target.size() - 2);
    if (target.isEmpty())
        return;

    const bool isAddress = target.startsWith(u"mailto:"_s, Qt::CaseInsensitive) || target.contains(u"://"_s);
    if (isAddress) {
        const QUrl url(target, QUrl::TolerantMode);
        if (url.isValid())
            Desktop::backend().openUrl(url);
        return;
    }
    if (QFileInfo::exists(target))
        Desktop::backend().openUrl(QUrl::fromLocalFile(target));
}
