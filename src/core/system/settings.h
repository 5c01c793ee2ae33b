#pragma once

#include "core/store/status.h"

#include <QString>

namespace tolvane {

// Per-user text values addressed by application name, section and key.
// Reading gives the default for an absent entry; a change that cannot be
// stored fails with a status that says why.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString& app, const QString& section, const QString& key,
                         const QString& defaultValue) = 0;
    virtual Status write(const QString& app, const QString& section, const QString& key,
                         const QString& value) = 0;
    virtual Status remove(const QString& app, const QString& section, const QString& key) = 0;
};

}  // namespace tolvane
