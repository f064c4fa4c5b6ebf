#include "support/SettingsStore.h"

#include "desktop/Platform.h"
#include "support/TextCodec.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace SettingsStore {

namespace {
const QString kSection = QStringLiteral("Settings");
} // namespace

QString applicationName()
{
    const QString executable = QCoreApplication::applicationFilePath();
    const QString name = QFileInfo(executable).completeBaseName();
    return name.isEmpty() ? QStringLiteral("numorra") : name;
}

QString ReadSetting(Platform &platform, const QString &key)
{
    const std::optional<QString> value =
        platform.readSetting(applicationName(), kSection, TextCodec::EncodeText(key));
    if (!value)
        throw SettingsError("the settings store cannot be read");
    return TextCodec::DecodeText(*value);
}

void WriteSetting(Platform &platform, const QString &key, const QString &value)
{
    if (!platform.writeSetting(applicationName(), kSection, TextCodec::EncodeText(key),
                               TextCodec::EncodeText(value)))
        throw SettingsError("the settings store cannot be written");
}

} // namespace SettingsStore
