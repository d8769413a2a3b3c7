// The recipe's changes for undo and redo. The recipe is written to no file
// until "&Save Recipe", so a change keeps the recipe's whole state as the page
// shows it: ingredients, totals, lines, texts and the values panel.

#include "recipes/recipes.h"

#include "shell/program.h"

#include <QDataStream>
#include <QIODevice>
#include <algorithm>
#include <limits>

namespace tolvane {

namespace {
constexpr std::size_t at(int i) { return static_cast<std::size_t>(i); }

// The x87 extended value's ten bytes (the rest of its storage is padding).
static_assert(std::numeric_limits<long double>::digits == 64);
constexpr int ExtendedBytes = 10;

void writeExtended(QDataStream& out, long double value)
{
    out.writeRawData(reinterpret_cast<const char*>(&value), ExtendedBytes);
}

long double readExtended(QDataStream& in)
{
    long double value = 0;
    in.readRawData(reinterpret_cast<char*>(&value), ExtendedBytes);
    return value;
}
} // namespace

QByteArray Recipes::undoBytes() const
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << qint32(count_);
    for (int i = 0; i < RecipeCapacity; ++i) {
        out.writeRawData(reinterpret_cast<const char*>(ingredients_[at(i)].bytes.data()), FoodItem::Size);
        out.writeRawData(reinterpret_cast<const char*>(servings_[at(i)].data()), 6);
    }
    for (const long double total : totals_)
        writeExtended(out, total);
    out << lines_ << instructions_ << recipeServings_;
    out << QStringList(panel_.values.begin(), panel_.values.end()) << panel_.carbohydratePercent
        << panel_.proteinPercent << panel_.fatPercent << panel_.fatRed;
    writeExtended(out, panel_.shares.carbohydrate);
    writeExtended(out, panel_.shares.protein);
    writeExtended(out, panel_.shares.fat);
    return bytes;
}

void Recipes::restoreBytes(const QByteArray& bytes)
{
    QDataStream in(bytes);
    qint32 count = 0;
    in >> count;
    for (int i = 0; i < RecipeCapacity; ++i) {
        in.readRawData(reinterpret_cast<char*>(ingredients_[at(i)].bytes.data()), FoodItem::Size);
        in.readRawData(reinterpret_cast<char*>(servings_[at(i)].data()), 6);
    }
    count_ = std::clamp<int>(count, 0, RecipeCapacity);
    for (long double& total : totals_)
        total = readExtended(in);
    QStringList values;
    in >> lines_ >> instructions_ >> recipeServings_ >> values >> panel_.carbohydratePercent >>
        panel_.proteinPercent >> panel_.fatPercent >> panel_.fatRed;
    for (std::size_t n = 0; n < panel_.values.size(); ++n)
        panel_.values[n] = values.value(static_cast<qsizetype>(n));
    panel_.shares.carbohydrate = readExtended(in);
    panel_.shares.protein = readExtended(in);
    panel_.shares.fat = readExtended(in);
    selection_ = -1;
    kept_ = bytes;
    requestFocus(RecipeFocus::FoodList);
}

void Recipes::beginChange()
{
    // Typed instructions and servings are kept as a change of their own, so
    // that undo takes back exactly the next change.
    const QByteArray now = undoBytes();
    if (kept_.isEmpty() || kept_ == now) {
        kept_ = now;
        return;
    }
    recordChange(recipechange::Edit);
}

void Recipes::recordChange(const QString& text)
{
    // The history settles typed texts before it keeps a change: this one's
    // difference from `kept_` is no typing.
    recordingOwn_ = true;
    program_.changes.record(text, kept_,
                            {[this] { return undoBytes(); }, [this](const QByteArray& bytes) { restoreBytes(bytes); }});
    recordingOwn_ = false;
    kept_ = undoBytes();
}

} // namespace tolvane
