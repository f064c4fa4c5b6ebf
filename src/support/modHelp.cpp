#include "support/modHelp.h"

#include "desktop/Platform.h"
#include "support/SettingsStore.h"
#include "support/ShortDate.h"
#include "support/TextCodec.h"

#include <QCoreApplication>

namespace modHelp {

namespace {

// The day as stored: in the user's short date format, unless the store's
// encoding cannot keep that text (Arabic or Bengali digits, a Cyrillic
// letter): then as YYYY-MM-DD, so that it reads back.
QString storedText(QDate day)
{
    const QString text = ShortDate::toText(day);
    const bool kept = TextCodec::DecodeText(TextCodec::EncodeText(text)) == text;
    return kept ? text : day.toString(Qt::ISODate);
}

// The day stored in the user's short date format, or as YYYY-MM-DD, or in the
// format of another locale the user had when it was written.
QDate storedDay(const QString &text)
{
    QDate day = ShortDate::fromText(text);
    if (!day.isValid())
        day = QDate::fromString(text, Qt::ISODate);
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    for (auto locale = locales.cbegin(); !day.isValid() && locale != locales.cend(); ++locale)
        day = ShortDate::fromText(text, *locale);
    return day;
}

} // namespace

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

QString updateQuestion()
{
    return QCoreApplication::translate("modHelp",
                                       "There maybe an update to this software available\r"
                                       "Do you want to check for an update?");
}

void RemindUpdate(Platform &platform)
{
    const QString key = QStringLiteral("Duration");
    const QDate today = platform.today();
    const QString stored = SettingsStore::ReadSetting(platform, key);
    const QDate last = storedDay(stored);
    // No date yet: start counting from today without asking. A text that is
    // no date is left as it is, and the reminder ends there.
    if (stored.isEmpty())
        SettingsStore::WriteSetting(platform, key, storedText(today));
    if (!last.isValid())
        return;
    const qint64 days = today.daysTo(last);
    if (days >= -14 && days <= 14)
        return;
    const Platform::Answer answer = platform.showMessage(
        updateQuestion(), Platform::Icon::Information, Platform::Buttons::YesNo);
    SettingsStore::WriteSetting(platform, key, storedText(today));
    if (answer == Platform::Answer::Yes)
        OpenDownloadPage(platform);
}

} // namespace modHelp
