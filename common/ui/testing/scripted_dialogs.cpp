#include "common/ui/testing/scripted_dialogs.h"

#include <algorithm>

namespace doz::ui::testing {
namespace {

template <typename T> T takeFront(std::deque<T>& queue, T whenEmpty) {
    if (queue.empty())
        return whenEmpty;
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
}

} // namespace

void ScriptedDialogs::information(QWidget*, const QString& title, const QString& text) {
    calls.push_back({DialogCall::Kind::Information, title, text, {}, {}});
}

bool ScriptedDialogs::confirm(QWidget*, const QString& title, const QString& text) {
    calls.push_back({DialogCall::Kind::Confirm, title, text, {}, {}});
    return takeFront(confirmAnswers, false);
}

bool ScriptedDialogs::confirmOkCancel(QWidget*, const QString& title, const QString& text) {
    calls.push_back({DialogCall::Kind::ConfirmOkCancel, title, text, {}, {}});
    return takeFront(okCancelAnswers, false);
}

Dialogs::SaveChoice ScriptedDialogs::askSaveChanges(QWidget*, const QString& title, const QString& text) {
    calls.push_back({DialogCall::Kind::AskSaveChanges, title, text, {}, {}});
    return takeFront(saveChangesAnswers, SaveChoice::Cancel);
}

int ScriptedDialogs::runModal(QDialog* dialog) {
    calls.push_back({DialogCall::Kind::RunModal,
                     dialog->windowTitle(),
                     dialog->objectName(),
                     {},
                     QString::fromLatin1(dialog->metaObject()->className())});
    const ModalScript script = takeFront(modalScripts, ModalScript());
    const int result = script ? script(dialog) : QDialog::Rejected;
    dialog->setResult(result);
    return result;
}

QString ScriptedDialogs::chooseFolder(QWidget*, const QString& caption, const QString& start) {
    calls.push_back({DialogCall::Kind::ChooseFolder, caption, start, {}, {}});
    return takeFront(folderAnswers, QString());
}

QString ScriptedDialogs::openFile(QWidget*, const QString& caption, const QString& start,
                                  const QString& filter) {
    calls.push_back({DialogCall::Kind::OpenFile, caption, start, filter, {}});
    return takeFront(openFileAnswers, QString());
}

QString ScriptedDialogs::saveFile(QWidget*, const QString& caption, const QString& start,
                                  const QString& filter) {
    calls.push_back({DialogCall::Kind::SaveFile, caption, start, filter, {}});
    return takeFront(saveFileAnswers, QString());
}

void ScriptedDialogs::showException(QWidget*, const QString& message) {
    calls.push_back({DialogCall::Kind::ShowException, {}, message, {}, {}});
}

void ScriptedDialogs::beep() {
    calls.push_back({DialogCall::Kind::Beep, {}, {}, {}, {}});
}

std::vector<DialogCall> ScriptedDialogs::callsOf(DialogCall::Kind kind) const {
    std::vector<DialogCall> matching;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(matching),
                 [kind](const DialogCall& call) { return call.kind == kind; });
    return matching;
}

std::size_t ScriptedDialogs::count(DialogCall::Kind kind) const {
    return static_cast<std::size_t>(std::count_if(
        calls.begin(), calls.end(), [kind](const DialogCall& call) { return call.kind == kind; }));
}

QStringList ScriptedDialogs::informationTexts() const {
    QStringList texts;
    for (const DialogCall& call : callsOf(DialogCall::Kind::Information))
        texts << call.text;
    return texts;
}

ScopedDialogs::ScopedDialogs() : previous_(&dialogs()) {
    setDialogs(this);
}

ScopedDialogs::~ScopedDialogs() {
    setDialogs(previous_);
}

} // namespace doz::ui::testing
