#include "scriptedui.h"

namespace tolvane::test {

Button ScriptedUi::showMessage(const Message& message)
{
    messages.push_back(message);
    if (!answers.empty()) {
        const Button answer = answers.front();
        answers.pop_front();
        return answer;
    }
    for (Button b : {Button::Ok, Button::Yes, Button::No, Button::Cancel})
        if (message.buttons & static_cast<Buttons>(b))
            return b;
    return Button::Ok;
}

std::optional<QString> ScriptedUi::openFile(const FileDialogRequest& request)
{
    openRequests.push_back(request);
    if (openAnswers.empty())
        return std::nullopt;
    auto answer = openAnswers.front();
    openAnswers.pop_front();
    return answer;
}

std::optional<QString> ScriptedUi::saveFile(const FileDialogRequest& request)
{
    saveRequests.push_back(request);
    if (saveAnswers.empty())
        return std::nullopt;
    auto answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

void ScriptedUi::setBusy(bool busy)
{
    busyNow += busy ? 1 : -1;
    if (busy)
        ++busyCalls;
}

QStringList ScriptedUi::texts() const
{
    QStringList list;
    for (const auto& m : messages)
        list.append(m.text);
    return list;
}

} // namespace tolvane::test
