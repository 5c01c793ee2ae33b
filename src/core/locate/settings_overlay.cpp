#include "core/locate/settings_overlay.h"

#include "core/store/error.h"
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

void SettingsOverlay::write(const QString& app, const QString& section, const QString& key,
                            const QString& value) {
    apply(entryOf(app, section, key), value, [&] { store_.write(app, section, key, value); });
}

void SettingsOverlay::remove(const QString& app, const QString& section, const QString& key) {
    apply(entryOf(app, section, key), std::nullopt, [&] { store_.remove(app, section, key); });
}

template <class Change>
void SettingsOverlay::apply(const QString& entry, const std::optional<QString>& value,
                            Change change) {
    try {
        change();
        kept_.remove(entry);
    } catch (const Error& failure) {
        kept_.insert(entry, value);
        if (!reported_) dialogs_.messageBox(failure.description(), Buttons::Ok, Icon::Critical);
        reported_ = true;
    }
}

}  // namespace tolvane
