#include "support/fakes.h"

#include "platform/error.h"

#include <gtest/gtest.h>

namespace tolvane::test {

static QString settingsKey(const QString& app, const QString& section, const QString& key) {
    return app + '/' + section + '/' + key;
}

QString MemorySettings::read(const QString& app, const QString& section, const QString& key,
                             const QString& defaultValue) {
    return entries.value(settingsKey(app, section, key), defaultValue);
}

void MemorySettings::write(const QString& app, const QString& section, const QString& key,
                           const QString& value) {
    entries.insert(settingsKey(app, section, key), value);
}

void MemorySettings::remove(const QString& app, const QString& section, const QString& key) {
    entries.remove(settingsKey(app, section, key));
}

Answer ScriptedDialogs::messageBox(const QString& text, Buttons buttons, Icon icon) {
    shown.push_back({text, buttons, icon});
    if (buttons == Buttons::Ok) return Answer::Ok;
    if (answers.empty()) {
        ADD_FAILURE() << "unscripted question: " << text.toStdString();
        return Answer::Cancel;
    }
    Answer a = answers.front();
    answers.pop_front();
    return a;
}

QStringList ScriptedDialogs::texts() const {
    QStringList out;
    for (const Shown& box : shown) out << box.text;
    return out;
}

QString ScriptedDialogs::inputBox(const QString& prompt) {
    prompts << prompt;
    if (inputs.empty()) {
        ADD_FAILURE() << "unscripted input box: " << prompt.toStdString();
        return {};
    }
    QString s = inputs.front();
    inputs.pop_front();
    return s;
}

void ScriptedDialogs::fileDialog(const FileDialogRequest& request, std::string& buffer) {
    fileRequests.push_back(request);
    if (fileAnswers.empty()) {
        ADD_FAILURE() << "unscripted file dialog";
        return;
    }
    FileAnswer f = fileAnswers.front();
    fileAnswers.pop_front();
    f(request, buffer);
}

ScriptedDialogs::FileAnswer ScriptedDialogs::choose(const QString& path) {
    return [path](const FileDialogRequest&, std::string& buffer) {
        std::string bytes = path.toStdString();
        bytes.push_back('\0');
        buffer.replace(0, bytes.size(), bytes);
    };
}

ScriptedDialogs::FileAnswer ScriptedDialogs::cancel() {
    return [](const FileDialogRequest&, std::string&) {};
}

void FakeProcesses::startHidden(const QString& commandLine) {
    started << commandLine;
    if (!canStart) throw Error(err::FileNotFound);
}

void FakeProcesses::sleep(int milliseconds) { sleeps.push_back(milliseconds); }

void FakeProcesses::endProgram() {
    throw ProgramEnded{};
}

void FakeClipboard::clear() {
    if (failing) throw Error(err::ClipboardFailure);
    ++clears;
    text.reset();
}

void FakeClipboard::setText(const QString& t) {
    if (failing) throw Error(err::ClipboardFailure);
    text = t;
}

}  // namespace tolvane::test
