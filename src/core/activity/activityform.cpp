#include "activity/activityform.h"

#include "activity/activitytexts.h"
#include "shell/userinterface.h"
#include "storage/numbertext.h"

#include <cmath>

namespace tolvane {

bool ActivityForm::refuse(UserInterface& ui, Field field, const QString& message)
{
    ui.showMessage(Message::typed(message, Icon::Error, only(Button::Ok), 0));
    focus_ = field;
    return false;
}

bool ActivityForm::pressAdd(UserInterface& ui)
{
    const std::optional<long double> calories = parseStrict(caloriesText);  // strict reading
    if (!calories || !std::isfinite(*calories))
        return refuse(ui, Calories, activitymsg::NotNumeric);

    ActivityRecord record;
    // A stored real holds about 8.5e37 at most; a larger entry would come back
    // as something else, so it is refused rather than changed.
    if (!record.setCaloriesPerHour(*calories))
        return refuse(ui, Calories, activitymsg::OutOfRange);
    if (record.setName(nameText.left(NameMaxLength)) != EncodeResult::Ok)
        return refuse(ui, Name, activitymsg::NameNotStorable);
    record_ = record;
    focus_ = Name;
    return true;
}

} // namespace tolvane
