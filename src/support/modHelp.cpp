#include "modHelp.h"

#include "Platform.h"

namespace modHelp {

QString helpPageAddress()
{
    return QStringLiteral("https://numorra.example.org/help/");
}

QString homePageAddress()
{
    return QStringLiteral("https://numorra.example.org/");
}

QString downloadPageAddress()
{
    return QStringLiteral("https://numorra.example.org/download/");
}

void OpenWebPage(Platform &platform, const QString &address)
{
    platform.openUrl(address);
}

void OpenHelpPage(Platform &platform)
{
    OpenWebPage(platform, helpPageAddress());
}

void OpenHomePage(Platform &platform)
{
    OpenWebPage(platform, homePageAddress());
}

void OpenDownloadPage(Platform &platform)
{
    OpenWebPage(platform, downloadPageAddress());
}

} // namespace modHelp
