#pragma once

#include "core/system/settings.h"

namespace tolvane {

// Settings kept in one INI file per application name, each section an INI
// group. By default the files live in the user's configuration folder
// (<config>/Tolvane/<app>.ini); a base folder puts them at <base>/<app>.ini
// instead. Every write and remove is flushed at once; when the file cannot be
// written they fail with SettingsUnwritable, whose message names the file
// and why it cannot be written. Reading an unreadable or damaged file yields
// the default. An application name that is empty or holds a folder separator
// names no file: reading gives the default, changing fails with BadPath.
class QtSettingsStore : public SettingsStore {
public:
    explicit QtSettingsStore(QString baseFolder = {});

    QString read(const QString& app, const QString& section, const QString& key,
                 const QString& defaultValue) override;
    Status write(const QString& app, const QString& section, const QString& key,
                 const QString& value) override;
    Status remove(const QString& app, const QString& section, const QString& key) override;

private:
    QString baseFolder_;
};

}  // namespace tolvane
