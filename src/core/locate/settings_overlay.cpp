#include "core/locate/settings_overlay.h"

#include "core/system/dialogs.h"

namespace tolvane {

namespace {

QString entryOf(const QString& app, const QString& section, const QString& key) {
    return app + u'/' + section + u'/' + key;
}

}  // namespace

SettingsOverlay::SettingsOverlay(SettingsStore& store, Dialogs& dialogs)
    : store_(store), dialogs_(dialogs) {}

QString SettingsOverlay::read(const QString& app, const QString& section, const QString& key,
                              const QString& defaultValue) {
    const auto kept = kept_.constFind(entryOf(app, section, key));
    if (kept == kept_.cend()) return store_.read(app, section, key, defaultValue);
    return kept->value_or(defaultValue);
}

Status SettingsOverlay::write(const QString& app, const QString& section, const QString& key,
                              const QString& value) {
    return apply(entryOf(app, section, key), value, store_.write(app, section, key, value));
}

Status SettingsOverlay::remove(const QString& app, const QString& section, const QString& key) {
    return apply(entryOf(app, section, key), std::nullopt, store_.remove(app, section, key));
}

Status SettingsOverlay::apply(const QString& entry, const std::optional<QString>& value,
                              const Status& stored) {
    if (stored.ok()) {
        kept_.remove(entry);
        return {};
    }
    kept_.insert(entry, value);
    if (!reported_) dialogs_.messageBox(stored.message(), Buttons::Ok, Icon::Critical);
    reported_ = true;
    return {};
}

}  // namespace tolvane
