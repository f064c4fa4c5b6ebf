#pragma once

#include <QString>

class Platform;

// The publisher's web pages, opened in the user's default browser.
namespace modHelp {

QString helpPageAddress();
QString homePageAddress();
QString downloadPageAddress();

// Hands the address to the desktop to open; nothing is reported if it cannot.
void OpenWebPage(Platform &platform, const QString &address);
void OpenHelpPage(Platform &platform);
void OpenHomePage(Platform &platform);
void OpenDownloadPage(Platform &platform);

} // namespace modHelp
