#include "food/merge.h"

#include "food/foodediting.h"
#include "food/fooditemform.h"
#include "shell/filechoice.h"
#include "food/fooddialogs.h"
#include "food/foodlist.h"
#include "shell/program.h"
#include "storage/regularfile.h"

#include <QFile>
#include <QSet>
#include <limits>

namespace tolvane {

namespace {
Message typed(const QString& text, Icon icon, Buttons buttons = only(Button::Ok))
{
    return Message::typed(text, icon, buttons, GeneralHelpContext);
}

// The key under which a name counts as present: the names adding takes for
// the same item (NameOrder::sameName) are equal here.
QString presenceKey(const QString& name) { return NameOrder::sameNameKey(name); }

// The row before which `name` would be listed, less one: the last row whose
// name sorts before it (row 0 when none does, -1 for an empty list).
int rowBefore(const FoodTable& table, const QString& name)
{
    int lo = 0;
    int hi = table.rowCount();
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (table.order().less(table.rowItem(mid).name(), name))
            lo = mid + 1;
        else
            hi = mid;
    }
    if (table.rowCount() == 0)
        return -1;
    return lo > 0 ? lo - 1 : 0;
}

// An empty name is a name like any other, as adding takes it; a length past
// the field is no food item record.
bool hasValidName(const FoodItem& record) { return record.bytes[0] <= FoodItem::NameCapacity; }
} // namespace

FoodMerge::FoodMerge(Program& program, FoodList& foods) : program_(program), foods_(foods)
{
    program_.setHandler(Command::MergeOtherTable, [this] { mergeOtherTable(); });
}

void FoodMerge::mergeOtherTable()
{
    UserInterface& ui = program_.ui();
    // The presence test and the added rows must see the whole table.
    if (foods_.foodTable().personalListShown()) {
        ui.showMessage(typed(editmsg::AddInPersonalView, Icon::Warning));
        return;
    }
    const std::optional<QString> path = chooseFileToOpen(ui, FileDialogRequest{
        QStringLiteral("Open"), QStringLiteral("Food Item File (*.dbt)"), QStringLiteral("dbt"), QStringLiteral(".")});
    if (!path)
        return;
    mergeFile(*path);
}

void FoodMerge::mergeFile(const QString& path)
{
    UserInterface& ui = program_.ui();
    FoodTable& table = foods_.foodTable();
    QFile file(path);
    if (openRegularFile(file) != OpenResult::Opened) {
        ui.showMessage(typed(mergemsg::CannotOpen, Icon::Warning));
        return;
    }
    const qint64 recordCount = file.size() / FoodItem::Size;
    ui.beginProgress(MergeProgressCaption,
                     static_cast<int>(std::min<qint64>(recordCount, std::numeric_limits<int>::max())));

    QSet<QString> present;
    present.reserve(table.count());
    for (int slot = 0; slot < table.count(); ++slot)
        present.insert(presenceKey(table.item(slot).name()));

    int read = 0;
    int damaged = 0;
    FoodItem record;
    // A tail shorter than a record is not read.
    while (file.read(reinterpret_cast<char*>(record.bytes.data()), FoodItem::Size) == FoodItem::Size) {
        ++read;
        ui.setProgress(read);
        if (!hasValidName(record)) {
            ++damaged;
            continue;
        }
        const QString name = record.name();
        if (present.contains(presenceKey(name)))
            continue;

        foods_.selectFoodRow(rowBefore(table, name));
        if (program_.hooks.refreshFoodPanel)
            program_.hooks.refreshFoodPanel();
        const Buttons yesNoCancel = (Button::Yes | Button::No) | only(Button::Cancel);
        const Button answer =
            ui.showMessage(typed(mergemsg::notFoundQuestion(name), Icon::Information, yesNoCancel));
        if (answer == Button::Cancel)
            break;
        if (answer != Button::Yes)
            continue;
        if (table.isFull()) {
            ui.showMessage(typed(mergemsg::TableFull, Icon::Warning));
            continue;
        }
        FoodItemForm form(editItemOf(record));
        if (!foods_.dialogs().editFoodItem(form))
            continue;
        // The file's record keeps its reserved bytes; it joins off the personal
        // list. A name changed in the dialog is not tested against the table.
        const int slot = table.insert(recordFromEditItem(form.item(), record));
        present.insert(presenceKey(form.item().name));
        foods_.selectFoodRow(table.rowOfSlot(slot));
        if (program_.hooks.refreshFoodPanel)
            program_.hooks.refreshFoodPanel();
    }
    file.close();
    // One write for the whole merge.
    foods_.saveFoodTable(foodchange::Merge);
    ui.endProgress();
    if (damaged > 0)
        ui.showMessage(typed(mergemsg::damagedNames(damaged), Icon::Warning));
}

} // namespace tolvane
