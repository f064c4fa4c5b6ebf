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

// At start-up, at most once every fifteen days, offers to open the download
// page. The date of the last offer is the setting "Duration"; a failing
// settings store ends it early (SettingsStore::SettingsError).
void RemindUpdate(Platform &platform);

// The question RemindUpdate asks; its two lines are parted by a carriage return alone.
QString updateQuestion();

} // namespace modHelp
