#include "modHelp.h"

#include "Platform.h"

namespace modHelp {

QString HelpPageAddress()
{
    return QStringLiteral("https://numorra.example.org/help/");
}

QString HomePageAddress()
{
    return QStringLiteral("https://numorra.example.org/");
}

QString DownloadPageAddress()
{
    return QStringLiteral("https://numorra.example.org/download/");
}

void OpenWebPage(Platform &platform, const QString &address)
{
    platform.openUrl(address);
}

void OpenHelpPage(Platform &platform)
{
    OpenWebPage(platform, HelpPageAddress());
}

void OpenHomePage(Platform &platform)
{
    OpenWebPage(platform, HomePageAddress());
}

void OpenDownloadPage(Platform &platform)
{
    OpenWebPage(platform, DownloadPageAddress());
}

} // namespace modHelp
