#include "menu/menustore.h"

#include "shell/program.h"
#include "storage/regularfile.h"

#include <QFile>
#include <QFileInfo>

namespace tolvane {

namespace menumsg {

QString problemText(const MenuFileRead& read)
{
    switch (read.problem) {
    case MenuFileProblem::TooShort: return QStringLiteral("it is too short for a menu");
    case MenuFileProblem::CurrentValuesOutOfRange:
        return QStringLiteral("its current day, meal or totals view is out of range");
    case MenuFileProblem::CountOutOfRange: {
        const int day = read.badMeal / MealsPerDay;
        const int meal = read.badMeal % MealsPerDay;
        return QStringLiteral("%1 %2 has more than 10 items or a negative count")
            .arg(DayNames.value(day), MealNames.value(meal));
    }
    case MenuFileProblem::None: break;
    }
    return {};
}

QString replaceDayQuestion(const QString& shownDay, const QString& copiedDay)
{
    return QStringLiteral("Replace the meals of %1 with the meals copied from %2?").arg(shownDay, copiedDay);
}

QString pasteDayIntoLabel(const QString& copiedDay)
{
    return QStringLiteral("Paste the meals copied from %1 into these days:").arg(copiedDay);
}

QString refusedFile(const QString& fileName, const QString& problem)
{
    return QStringLiteral("The file \"%1\" is not a menu file or is damaged: %2. The current menu is unchanged.")
        .arg(fileName, problem);
}

QString damagedCurrentMenu(const QString& problem, const QString& keptAs)
{
    if (keptAs.isEmpty())
        return QStringLiteral("The current menu file \"%1\" is damaged: %2. It could not be kept aside; the "
                              "program starts with an empty menu.")
            .arg(CurrentMenuFileName, problem);
    return QStringLiteral("The current menu file \"%1\" is damaged: %2. It was kept as \"%3\" and the program "
                          "starts with an empty menu.")
        .arg(CurrentMenuFileName, problem, keptAs);
}

} // namespace menumsg

MenuFileLoad loadMenuFile(const QString& path)
{
    MenuFileLoad load;
    QFile file(path);
    if (openRegularFile(file) != OpenResult::Opened) {
        if (file.exists())
            load.state = MenuFileState::CannotRead;
        return load;
    }
    const QByteArray bytes = file.read(MenuFileSize);
    load.read = readMenuImage(bytes);
    load.state = load.read.problem == MenuFileProblem::None ? MenuFileState::Read : MenuFileState::Damaged;
    return load;
}

SaveResult writeMenuFile(const QString& path, const MenuImage& image)
{
    return saveFileAtomically(path, writeMenuImage(image));
}

bool saveMenuFile(const QString& path, const MenuImage& image, UserInterface& ui)
{
    const SaveResult result = writeMenuFile(path, image);
    if (result == SaveResult::Saved)
        return true;
    ui.showMessage(menuSaveFailed(result, false));
    return false;
}

Message menuSaveFailed(SaveResult result, bool current)
{
    // The creation message names the current menu file whatever the file was.
    const QString& text = result == SaveResult::CannotCreate ? menumsg::CannotCreate
                          : current                          ? menumsg::CannotWriteCurrent
                                                             : menumsg::CannotWriteFile;
    return Message::typed(text, Icon::Warning, only(Button::Ok), GeneralHelpContext);
}

} // namespace tolvane
