#pragma once
// Food items in from a CSV file: a header row naming the columns Name,
// Calories, Carbo, Protein, Fat, Sodium and Chol (in any order, other columns
// ignored), then one food item a row. The file is read row by row and nothing
// is changed until the whole file has been read, so memory stays small
// whatever the file holds and a cancelled or refused import changes nothing.

#include "exchange/csvmessages.h"
#include "food/foodtable.h"

#include <QByteArray>
#include <QStringList>
#include <functional>
#include <vector>

class QIODevice;

namespace tolvane {

constexpr qint64 MaxCsvFileSize = 64 * 1024 * 1024;
constexpr int MaxListedCsvProblems = 20;
constexpr qsizetype MaxCsvColumns = 1000;     // columns of the first line that are looked at
constexpr qsizetype MaxCsvValueLength = 1000; // characters of one value

// A food item of the file that is in the table already with other values.
struct FoodUpdate {
    int slot = 0;
    FoodItem record;  // the file's name and values
    bool doubtful = false;  // its calories disagree (see caloriesDisagree)
};

// Calories that the 4/4/9 calories a gram of carbohydrate, protein and fat
// cannot explain: what fibre takes (up to 42% of the sum, and 2 calories of
// rounding) or alcohol adds (up to 130 calories) in the starter food table
// (corn bran 41%, a canned daiquiri 129). Such values are likely one column
// off (a decimal comma taken for a separator).
bool caloriesDisagree(const FoodItem& item);

struct FoodImport {
    bool readable = true;     // false: nothing can be imported; `problems` holds why
    bool cancelled = false;   // the user stopped the reading
    std::vector<FoodItem> additions;  // new names in file order, each once
    std::vector<FoodUpdate> updates;  // names in the table with other values, each once
    std::vector<bool> doubtfulAdditions;  // for each addition: its calories disagree
    QList<int> doubtfulLines;             // the lines of the doubtful additions and updates
    int skipped = 0;          // names in the table with the same values, or named again
    int refused = 0;          // lines refused
    QStringList problems;     // why, for the first MaxListedCsvProblems of them
};

// Reads a food CSV file from `device`, each row checked as the Add/Modify Food
// Item dialog checks it, against the names of `table`. `file` names the file
// in messages. `progress` hears how many bytes have been read after each
// chunk; when it returns false the reading stops as cancelled.
FoodImport readFoodCsv(QIODevice& device, const QString& file, const FoodTable& table,
                       const std::function<bool(qint64)>& progress = {});

// Puts a read import into the table it was read against: the additions, and
// the updates when `update` is set (values only: names and personal-list marks
// stay); those whose calories disagree only when `doubtful` is set. Returns
// the slot of the last item added, or -1.
int applyFoodImport(const FoodImport& import, FoodTable& table, bool update, bool doubtful = true);
// How many additions and updates (with `update`) applyFoodImport() makes.
int foodImportCount(const FoodImport& import, bool update, bool doubtful);

// Reads a whole file image and adds its new items (no updates).
FoodImport importFoodCsv(const QByteArray& bytes, const QString& file, FoodTable& table);

} // namespace tolvane
