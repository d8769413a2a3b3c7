#include "scriptedui.h"

#include "shell/filechoice.h"

namespace tolvane::test {

Message createQuestion(const QString& fileName)
{
    return Message::plain(createFileQuestion(fileName), QStringLiteral("Save As"), Icon::Warning,
                          Button::Yes | Button::No);
}

Button ScriptedUi::showMessage(const Message& message)
{
    messages.push_back(message);
    if (!answers.empty()) {
        const Button answer = answers.front();
        answers.pop_front();
        return answer;
    }
    if (message.defaultButton != Button::None)
        return message.defaultButton;
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

bool ScriptedUi::editFoodItem(FoodItemForm& form)
{
    foodItemShown.push_back(form);
    if (foodItemAnswers.empty()) {
        form.pressCancel();
        return false;
    }
    const std::vector<FoodItemAttempt> script = foodItemAnswers.front();
    foodItemAnswers.pop_front();
    for (const FoodItemAttempt& attempt : script) {
        for (const auto& [field, text] : attempt.edits)
            form.text(field) = text;
        if (!attempt.ok) {
            form.pressCancel();
            return false;
        }
        if (form.pressOk(*this))
            return true;
        foodItemFocusAfterRefusal.push_back(form.focusField());
    }
    form.pressCancel();
    return false;
}

void ScriptedUi::beginProgress(const QString& caption, int maximum)
{
    progress.push_back(ProgressRecord{caption, maximum, {}, false});
}

void ScriptedUi::setProgress(int value)
{
    if (!progress.empty())
        progress.back().values.push_back(value);
}

void ScriptedUi::endProgress()
{
    if (!progress.empty())
        progress.back().ended = true;
}

void ScriptedUi::beginImportProgress(const QString& caption, const QString& label, int maximum)
{
    importProgress.push_back(ProgressRecord{caption + QStringLiteral(" / ") + label, maximum, {}, false});
}

bool ScriptedUi::advanceImportProgress(int value)
{
    if (importProgress.empty())
        return true;
    importProgress.back().values.push_back(value);
    return !(cancelImportAt && value >= *cancelImportAt);
}

void ScriptedUi::endImportProgress()
{
    if (!importProgress.empty())
        importProgress.back().ended = true;
}

bool ScriptedUi::addActivity(ActivityForm& form)
{
    activityShown.push_back(form);
    if (!activityAnswers.empty()) {
        const std::vector<ActivityAttempt> script = activityAnswers.front();
        activityAnswers.pop_front();
        for (const ActivityAttempt& attempt : script) {
            if (attempt.name)
                form.nameText = *attempt.name;
            if (attempt.calories)
                form.caloriesText = *attempt.calories;
            if (!attempt.add)
                break;
            if (form.pressAdd(*this))
                return true;
            activityFocusAfterRefusal.push_back(form.focusField());
        }
    }
    form.pressCancel();
    return false;
}

bool ScriptedUi::editTargetSplit(TargetSplitForm& form)
{
    targetSplitShown.push_back(form);
    if (!targetSplitAnswers.empty()) {
        const std::vector<TargetSplitAttempt> script = targetSplitAnswers.front();
        targetSplitAnswers.pop_front();
        for (const TargetSplitAttempt& attempt : script) {
            for (std::size_t f = 0; f < attempt.texts.size(); ++f)
                if (attempt.texts[f])
                    form.texts[f] = *attempt.texts[f];
            if (attempt.press == TargetSplitAttempt::Press::Cancel)
                break;
            if (attempt.press == TargetSplitAttempt::Press::Default) {
                form.pressDefault();
                continue;
            }
            if (form.pressOk(*this))
                return true;
            targetSplitFocusAfterRefusal.push_back(form.focusField());
        }
    }
    form.pressCancel();
    return false;
}

QStringList ScriptedUi::texts() const
{
    QStringList list;
    for (const auto& m : messages)
        list.append(m.text);
    return list;
}

void ScriptedUi::showTutor(Tutor& tutor)
{
    ++tutorsShown;
    windows.append(QStringLiteral("tutor"));
    if (!tutorScripts.empty()) {
        const auto script = tutorScripts.front();
        tutorScripts.pop_front();
        script(tutor);
    }
    if (tutor.isOpen())
        tutor.pressCancel();
}

void ScriptedUi::showInformation(Information& information)
{
    ++informationShown;
    windows.append(QStringLiteral("information"));
    if (!informationScripts.empty()) {
        const auto script = informationScripts.front();
        informationScripts.pop_front();
        script(information);
    }
}

std::optional<int> ScriptedUi::chooseItem(const ChoiceRequest& request)
{
    choiceRequests.push_back(request);
    if (choiceAnswers.empty())
        return std::nullopt;
    const std::optional<int> answer = choiceAnswers.front();
    choiceAnswers.pop_front();
    return answer;
}

std::optional<std::vector<int>> ScriptedUi::chooseSeveral(const ChoiceRequest& request)
{
    choiceRequests.push_back(request);
    if (severalAnswers.empty())
        return std::nullopt;
    const std::optional<std::vector<int>> answer = severalAnswers.front();
    severalAnswers.pop_front();
    return answer;
}

} // namespace tolvane::test
