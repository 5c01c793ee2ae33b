#pragma once

#include <QString>

namespace tolvane {

// Per-user text values addressed by application name, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString& app, const QString& section, const QString& key,
                         const QString& defaultValue) = 0;
    virtual void write(const QString& app, const QString& section, const QString& key,
                       const QString& value) = 0;
    virtual void remove(const QString& app, const QString& section, const QString& key) = 0;
};

}  // namespace tolvane
