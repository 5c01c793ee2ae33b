#include "core/locate/open_catalogue.h"

#include "core/locate/catalogue_chooser.h"
#include "core/locate/file_kind.h"
#include "core/locate/settings_overlay.h"
#include "core/store/engine.h"
#include "core/store/error.h"
#include "core/system/dialogs.h"
#include "core/system/env.h"
#include "core/system/file_probe.h"
#include "core/system/processes.h"
#include "core/system/settings.h"

#include <QStringList>

#include <algorithm>

namespace tolvane {

namespace {

const QString kEngine36 = QStringLiteral("DAO.DBEngine.36");
const QString kEngine35 = QStringLiteral("DAO.DBEngine.35");
// Registration of version 3.5 first, then 3.6, at their fixed places.
const QStringList kRegistrations = {
    QStringLiteral(
        R"(regsvr32 "C:\Program Files\Common Files\Microsoft Shared\DAO\DAO350.DLL" /s)"),
    QStringLiteral(
        R"(regsvr32 "C:\Program Files\Common Files\Microsoft Shared\DAO\DAO360.DLL" /s)"),
};
constexpr int kRegistrationPauseMs = 2000;

const QString kAskToChoose = QStringLiteral("找不到数据库文件，要手动选择此文件路径吗?");
const QString kNotFound = QStringLiteral("找不到数据库文件!");
const QString kNoEngine = QStringLiteral("无法创建DAO对象!");
const QString kPasswordPrompt = QStringLiteral("密码:");
const QString kPasswordConnect = QStringLiteral(";PWD=");
const QString kChooserTitle = QStringLiteral("请选择.mdb文件的完整文件名:");

std::unique_ptr<Engine> createEngine(const Env& env, const QString& id) {
    std::unique_ptr<Engine> engine = env.engines->create(id);
    if (!engine) throw Error(err::CannotCreateObject);
    return engine;
}

Env withSettings(Env env, SettingsStore& settings) {
    env.settings = &settings;
    return env;
}

void report(const Env& env, const Error& failure) {
    env.dialogs->messageBox(failure.description(), Buttons::Ok, Icon::Critical);
}

// One call of openCatalogue. Starting over is a loop, not a nested call, so that
// however often the user sends the search round again the stack stays flat.
class Opener {
public:
    Opener(const Env& env, const QString& fileName, std::unique_ptr<Database>& db,
           const QString& appName)
        : settings_(*env.settings, *env.dialogs),
          env_(withSettings(env, settings_)),
          fileName_(fileName),
          db_(db),
          appName_(appName),
          app_(settingsAppName(appName)) {}

    bool run() {
        for (;;) {
            asked_ = false;
            const Outcome outcome = pass();
            engine_.reset();
            if (outcome != Outcome::Repeat) return outcome == Outcome::Opened;
        }
    }

private:
    enum class Outcome { Opened, Failed, Repeat };

    QString readSetting(const QString& entry, const QString& defaultValue) {
        return env_.settings->read(app_, entry, entry, defaultValue);
    }

    Outcome pass() {
        try {
            QString id = readSetting(kEngineVersionEntry, QString());
            if (id.isEmpty()) {
                registerEngine(env_, appName_);
                id = readSetting(kEngineVersionEntry, QString());
                if (id.isEmpty()) return Outcome::Failed;  // registerEngine has told the user
            }
            engine_ = createEngine(env_, id);
            locate();
            refuseAccessDatabase(path_);
            keep(engine_->openDatabase(path_));
            return Outcome::Opened;
        } catch (const Error& failure) {
            return recover(failure);
        }
    }

    // Sets path_ to an existing file: the remembered one, its namesake in the
    // "mdb" folder, or the user's choice. Ends the program when none exists.
    void locate() {
        if (const auto found = existingCatalogue(
                *env_.files, readSetting(kCataloguePathEntry, fileName_), env_.programDir)) {
            path_ = *found;
            return;
        }
        asked_ = true;
        if (env_.dialogs->messageBox(kAskToChoose, Buttons::YesNoCancel, Icon::None) != Answer::Yes)
            env_.processes->endProgram();
        chooseCatalogue(env_, appName_);
        path_ = readSetting(kCataloguePathEntry, env_.programDir + QStringLiteral("/*.mdb"));
        if (env_.files->exists(path_)) return;
        env_.dialogs->messageBox(kNotFound, Buttons::Ok, Icon::Critical);
        env_.processes->endProgram();
    }

    void keep(std::unique_ptr<Database> opened) {
        if (!opened) throw Error(err::EngineFailure);
        db_ = std::move(opened);
    }

    // Handles the failure that stopped a pass. A failure of the handling
    // itself is shown instead, and the call fails.
    Outcome recover(const Error& failure) {
        try {
            switch (failure.number()) {
            case err::BadFileName:
                env_.settings->remove(app_, kCataloguePathEntry, kCataloguePathEntry);
                // A second start-over in a row without any answer from the
                // user would probe the same paths again and never end.
                if (afterBadName_ && !asked_) break;
                afterBadName_ = true;
                return Outcome::Repeat;
            case err::CannotCreateObject:
                env_.settings->remove(app_, kEngineVersionEntry, kEngineVersionEntry);
                break;
            case err::NotValidPassword:
                keep(engine_->openDatabase(
                    path_, false, false,
                    kPasswordConnect + env_.dialogs->inputBox(kPasswordPrompt)));
                return Outcome::Opened;
            case err::NotValidFileName:
                chooseCatalogue(env_, appName_);
                afterBadName_ = false;
                return Outcome::Repeat;
            default: break;
            }
            report(env_, failure);
        } catch (const Error& next) {
            report(env_, next);
        }
        return Outcome::Failed;
    }

    SettingsOverlay settings_;  // a setting that cannot be stored does not stop the opening
    const Env env_;             // the caller's, reading and writing through settings_
    const QString& fileName_;
    std::unique_ptr<Database>& db_;
    const QString& appName_;
    const QString app_;
    std::unique_ptr<Engine> engine_;  // lives for one pass only
    QString path_;                    // the file being looked for or opened
    bool asked_ = false;              // the user was asked to choose in this pass
    bool afterBadName_ = false;       // this pass starts over after a malformed path
};

}  // namespace

QString settingsAppName(const QString& appName) { return QStringLiteral("QMWX_") + appName; }

std::optional<QString> existingCatalogue(FileProbe& files, const QString& path,
                                         const QString& programDir) {
    if (files.exists(path)) return path;
    // The part after the last "\" or "/" (all of it without one).
    const QString name = path.mid(std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/')) + 1);
    const QString inProgramDir = programDir + QStringLiteral("/mdb/") + name;
    if (files.exists(inProgramDir)) return inProgramDir;
    return std::nullopt;
}

bool openCatalogue(const Env& env, const QString& fileName, std::unique_ptr<Database>& db,
                   const QString& appName) {
    return Opener(env, fileName, db, appName).run();
}

void registerEngine(const Env& env, const QString& appName) {
    bool started = false;
    for (const QString& commandLine : kRegistrations) {
        try {
            env.processes->startHidden(commandLine);
            started = true;
        } catch (const Error&) {}
    }
    // The pause lets started registrations finish; without any there is
    // nothing to wait for.
    if (started) env.processes->sleep(kRegistrationPauseMs);

    for (const QString& id : {kEngine36, kEngine35}) {
        try {
            createEngine(env, id);  // a trial: the object is released at once
        } catch (const Error&) {
            continue;
        }
        try {
            env.settings->write(settingsAppName(appName), kEngineVersionEntry, kEngineVersionEntry,
                                id);
        } catch (const Error&) {}
        return;
    }
    env.dialogs->messageBox(kNoEngine, Buttons::Ok, Icon::Critical);
}

void chooseCatalogue(const Env& env, const QString& appName) {
    const QString name = appName.isEmpty() ? env.programName : appName;
    FileDialogState& state = fileDialogState();
    state.dialogFolder = env.programDir;
    const QString chosen = showFileDialog(env, 0, kDefaultFilter, kChooserTitle, QString(), state);
    if (!chosen.isEmpty())
        env.settings->write(settingsAppName(name), kCataloguePathEntry, kCataloguePathEntry,
                            chosen);
}

}  // namespace tolvane
