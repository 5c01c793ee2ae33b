#include "core/locate/open_catalogue.h"

#include "core/locate/catalogue_chooser.h"
#include "core/locate/catalogue_places.h"
#include "core/locate/file_kind.h"
#include "core/locate/settings_overlay.h"
#include "core/store/catalogue_store.h"
#include "core/system/dialogs.h"
#include "core/system/env.h"
#include "core/system/file_probe.h"
#include "core/system/processes.h"
#include "core/system/settings.h"

namespace tolvane {

namespace {

const QString kEngineVersion = QStringLiteral("DAO.DBEngine.36");
const QString kAskToChoose = QStringLiteral("找不到数据库文件，要手动选择此文件路径吗?");
const QString kNotFound = QStringLiteral("找不到数据库文件!");
const QString kPasswordPrompt = QStringLiteral("密码:");
const QString kChooserTitle = QStringLiteral("请选择.mdb文件的完整文件名:");

Env withSettings(Env env, SettingsStore& settings) {
    env.settings = &settings;
    return env;
}

// One call of openCatalogue. Starting over is a loop, not a nested call, so
// that however often the user sends the search round again the stack stays
// flat.
class Opener {
public:
    Opener(const Env& env, const QString& fileName, std::unique_ptr<CatalogueStore>& store,
           const QString& appName)
        : settings_(*env.settings, *env.dialogs),
          env_(withSettings(env, settings_)),
          fileName_(fileName),
          store_(store),
          appName_(appName),
          app_(settingsAppName(appName)) {}

    bool run() {
        if (readSetting(kEngineVersionEntry, QString()).isEmpty()) registerEngine(env_, appName_);
        for (;;) {
            asked_ = false;
            const Outcome outcome = pass();
            if (outcome != Outcome::Repeat) return outcome == Outcome::Opened;
        }
    }

private:
    enum class Outcome { Opened, Failed, Repeat };

    QString readSetting(const QString& entry, const QString& defaultValue) {
        return env_.settings->read(app_, entry, entry, defaultValue);
    }

    Outcome pass() {
        Status status = locate();
        if (status.ok()) status = accessDatabaseStatus(path_);
        if (status.ok()) status = open(QString());
        return status.ok() ? Outcome::Opened : recover(status);
    }

    // Sets path_ to an existing file: the remembered one, its namesake in one
    // of cataloguePlaces(), or the user's choice. Ends the program when none
    // exists.
    Status locate() {
        const Result<std::optional<QString>> found =
            existingCatalogue(env_, readSetting(kCataloguePathEntry, fileName_));
        if (!found.ok()) return found.status();
        if (*found) {
            path_ = **found;
            return {};
        }
        asked_ = true;
        if (env_.dialogs->messageBox(kAskToChoose, Buttons::YesNoCancel, Icon::None) != Answer::Yes)
            env_.processes->endProgram();
        if (Status chosen = chooseCatalogue(env_, appName_); !chosen.ok()) return chosen;
        path_ = readSetting(kCataloguePathEntry, env_.programDir + QStringLiteral("/*.mdb"));
        const Result<bool> exists = env_.files->exists(path_);
        if (!exists.ok()) return exists.status();
        if (!*exists) {
            env_.dialogs->messageBox(kNotFound, Buttons::Ok, Icon::Critical);
            env_.processes->endProgram();
        }
        return {};
    }

    Status open(const QString& password) {
        Result<std::unique_ptr<CatalogueStore>> opened =
            CatalogueStore::open(path_, password, readOnlyPlace(env_, path_));
        if (!opened.ok()) return opened.status();
        store_ = std::move(*opened);
        return {};
    }

    // Handles the failure that stopped a pass. A failure of the handling
    // itself is shown instead, and the call fails.
    Outcome recover(const Status& failure) {
        Status shown = failure;
        switch (failure.code()) {
        case StatusCode::BadPath:
            settings_.remove(app_, kCataloguePathEntry, kCataloguePathEntry);
            // A second start-over in a row without any answer from the user
            // would probe the same paths again and never end.
            if (afterBadPath_ && !asked_) break;
            afterBadPath_ = true;
            return Outcome::Repeat;
        case StatusCode::WrongPassword:
            shown = open(env_.dialogs->inputBox(kPasswordPrompt));
            if (shown.ok()) return Outcome::Opened;
            break;
        case StatusCode::NotAFileName:
            if (Status chosen = chooseCatalogue(env_, appName_); !chosen.ok()) {
                shown = chosen;
                break;
            }
            afterBadPath_ = false;
            return Outcome::Repeat;
        default: break;
        }
        env_.dialogs->messageBox(shown.message(), Buttons::Ok, Icon::Critical);
        return Outcome::Failed;
    }

    SettingsOverlay settings_;  // a setting that cannot be stored does not stop the opening
    const Env env_;             // the caller's, reading and writing through settings_
    const QString& fileName_;
    std::unique_ptr<CatalogueStore>& store_;
    const QString& appName_;
    const QString app_;
    QString path_;               // the file being looked for or opened
    bool asked_ = false;         // the user was asked to choose in this pass
    bool afterBadPath_ = false;  // this pass starts over after a malformed path
};

}  // namespace

QString settingsAppName(const QString& appName) { return QStringLiteral("QMWX_") + appName; }

bool openCatalogue(const Env& env, const QString& fileName, std::unique_ptr<CatalogueStore>& store,
                   const QString& appName) {
    return Opener(env, fileName, store, appName).run();
}

void registerEngine(const Env& env, const QString& appName) {
    env.settings->write(settingsAppName(appName), kEngineVersionEntry, kEngineVersionEntry,
                        kEngineVersion);
}

Status chooseCatalogue(const Env& env, const QString& appName) {
    const QString name = appName.isEmpty() ? env.programName : appName;
    FileDialogState& state = fileDialogState();
    state.dialogFolder = env.programDir;
    const QString chosen = showFileDialog(env, 0, kDefaultFilter, kChooserTitle, QString(), state);
    if (chosen.isEmpty()) return {};
    return env.settings->write(settingsAppName(name), kCataloguePathEntry, kCataloguePathEntry,
                               chosen);
}

}  // namespace tolvane
