#pragma once
// Everything the whole program asks of the windows: the shell's port and the
// dialogs and windows of the subsystems that have their own.

#include "activity/activitydialogs.h"
#include "exchange/exchangedialogs.h"
#include "food/fooddialogs.h"
#include "guide/guidewindows.h"
#include "menu/nutrientview.h"
#include "menu/targetsplitdialogs.h"
#include "reference/usdawindows.h"
#include "shell/userinterface.h"

namespace tolvane {

class AppUserInterface : public UserInterface, public FoodDialogs, public ActivityDialogs, public GuideWindows,
                         public ExchangeDialogs, public TargetSplitDialogs, public UsdaWindows,
                         public NutrientWindows {};

} // namespace tolvane
