#include "support/fakes.h"

#include <gtest/gtest.h>

namespace tolvane::test {

// The next scripted answer, or `none` and a test failure when there is none.
template <class T>
static T next(std::deque<T>& script, const char* what, const QString& text, T none = {}) {
    if (script.empty()) {
        ADD_FAILURE() << "unscripted " << what << ": " << text.toStdString();
        return none;
    }
    T answer = std::move(script.front());
    script.pop_front();
    return answer;
}

Answer ScriptedDialogs::messageBox(const QString& text, Buttons buttons, Icon icon) {
    shown.push_back({text, buttons, icon});
    return buttons == Buttons::Ok ? Answer::Ok : next(answers, "question", text, Answer::Cancel);
}

QStringList ScriptedDialogs::texts() const {
    QStringList out;
    for (const Shown& box : shown) out << box.text;
    return out;
}

QString ScriptedDialogs::inputBox(const QString& prompt) {
    prompts << prompt;
    return next(inputs, "input box", prompt);
}

void ScriptedDialogs::fileDialog(const FileDialogRequest& request, std::string& buffer) {
    fileRequests.push_back(request);
    next(fileAnswers, "file dialog", request.title, cancel())(request, buffer);
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

Status FakeClipboard::clear() {
    if (failing) return Status(StatusCode::ClipboardFailure);
    ++clears;
    text.reset();
    return {};
}

Status FakeClipboard::setText(const QString& t) {
    if (failing) return Status(StatusCode::ClipboardFailure);
    text = t;
    return {};
}

}  // namespace tolvane::test
