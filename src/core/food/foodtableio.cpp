#include "food/foodtableio.h"

#include "food/foodtable.h"
#include "food/foodtablefile.h"
#include "storage/safesave.h"
#include "storage/regularfile.h"

#include <QDir>
#include <QFile>

namespace tolvane {

FoodTableLoadResult loadFoodTable(FoodTable& table, const QString& workDir, UserInterface& ui)
{
    QFile file(QDir(workDir).filePath(FoodTableFileName));
    if (openRegularFile(file) != OpenResult::Opened) {
        table.assign({});
        // The save refuses to replace a file that is there but unreadable.
        const QString& text = file.exists() ? foodmsg::CannotRead : foodmsg::NotPresent;
        ui.showMessage(Message::typed(text, Icon::Warning, only(Button::Ok), GeneralHelpContext));
        return {};
    }
    // Never more than the 2000 records the table holds, plus one byte to tell
    // whether the file goes on.
    const QByteArray bytes = file.read(qint64{MaxFoodItems} * FoodItem::Size + 1);
    file.close();

    FoodTableImage image = readFoodTableImage(bytes);
    if (image.truncated) {
        ui.showMessage(Message::typed(foodmsg::Corrupt, Icon::Error, only(Button::Ok), 11));
        return {false, CorruptTableExitStatus};
    }
    const bool full = image.records.size() > 1998;
    if (full)
        ui.showMessage(Message::typed(foodmsg::Full, Icon::Information, only(Button::Ok), GeneralHelpContext));
    ui.setBusy(true);
    table.assign(std::move(image.records));
    ui.setBusy(false);
    return {};
}

bool saveFoodTable(FoodTable& table, const QString& workDir, UserInterface& ui)
{
    ui.setBusy(true);
    table.setBusy(true);
    const SaveResult result = saveFileAtomically(QDir(workDir).filePath(FoodTableFileName), table.toBytes());
    table.setBusy(false);
    ui.setBusy(false);
    switch (result) {
    case SaveResult::Saved:
        return true;
    case SaveResult::CannotCreate:
        ui.showMessage(Message::typed(foodmsg::CannotCreate, Icon::Error, only(Button::Ok), GeneralHelpContext));
        return false;
    case SaveResult::WriteFailed:
        ui.showMessage(Message::typed(foodmsg::CannotWrite, Icon::Warning, only(Button::Ok), GeneralHelpContext));
        return false;
    }
    return false;
}

} // namespace tolvane
