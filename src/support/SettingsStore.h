#pragma once

#include <QString>
#include <stdexcept>

class Platform;

// The per-user settings store: application name, section "Settings", and
// keys and values kept in the encoded form of the text codec.
namespace SettingsStore {

// Thrown when the store cannot be read or written; it ends the caller's run.
class SettingsError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The running executable's file name, without folder and extension.
QString applicationName();

// The decoded value of a key; a missing value reads as empty text.
QString ReadSetting(Platform &platform, const QString &key);
// Stores the value under the key, both encoded, replacing an earlier value.
void WriteSetting(Platform &platform, const QString &key, const QString &value);

} // namespace SettingsStore
