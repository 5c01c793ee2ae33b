#pragma once

#include "core/system/settings.h"

#include <QMap>
#include <QString>

#include <optional>

namespace tolvane {

class Dialogs;

// The settings as one opening of the catalogue sees them. Reads and changes
// go to the store; a change the store cannot make is shown to the user (its
// description names the file and the reason), the first one only, and is
// then kept here instead, so that the opening goes on as if it had been
// stored: the catalogue engine needs nothing else, and a catalogue found or
// chosen can still be opened. Such changes last as long as this object.
class SettingsOverlay : public SettingsStore {
public:
    SettingsOverlay(SettingsStore& store, Dialogs& dialogs);

    QString read(const QString& app, const QString& section, const QString& key,
                 const QString& defaultValue) override;
    // Both succeed: a refused change is kept here.
    Status write(const QString& app, const QString& section, const QString& key,
                 const QString& value) override;
    Status remove(const QString& app, const QString& section, const QString& key) override;

private:
    // Stores a change through `change`; keeps `value` (nullopt: absent) for
    // the entry when the store refuses it.
    Status apply(const QString& entry, const std::optional<QString>& value, const Status& stored);

    SettingsStore& store_;
    Dialogs& dialogs_;
    QMap<QString, std::optional<QString>> kept_;  // by "app/section/key"
    bool reported_ = false;
};

}  // namespace tolvane
