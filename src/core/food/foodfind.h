#pragma once
// Finding a food item by any part of its name: the rule of the find field
// over the food lists. It only says which row to select; selecting it is an
// ordinary selection of the list.

#include <QString>
#include <QStringList>

#include <vector>

namespace tolvane {

// How well a name holds the typed text, case and accents ignored ("creme"
// finds "Crème brûlée"), worst first. A word of the name that starts with the
// text beats the text inside a word: "oats" is a word of "Oats, rolled" and
// only the end of one in "Buckwheat groats". Better still is the name that
// starts with the text, and best the name whose first part is the text
// ("Apple, 1 medium" for "apple"). Words typed in another order than the
// name's ("brown rice" for "Rice, brown") find it when each starts a word.
// Words also meet as foodwords.h compares them: plurals as singulars and
// common synonyms ("ketchup" finds "Catsup"). A text of no letter or digit
// finds nothing.
enum class FindMatch { None, InsideWord, AllWords, WordStart, NameStart, FirstPart };
FindMatch foodNameMatch(const QString& name, const QString& text);

// A text as the find field compares it: case folded, accents taken off.
QString findKey(const QString& text);

// How everyday the food of a name is, 1 the most: the rank of a starter row's
// USDA food (data/starter_ranks.tsv); other names rank after every starter row.
int commonnessRank(const QString& name);

// The rows whose names hold `text`, in the order the find field visits them:
// the better match first; among equal matches the more everyday food, then
// the shorter name, which says least beside the text; then list order.
// Empty when `text` is empty.
std::vector<int> foodFindOrder(const QStringList& names, const QString& text);

// What the find field says when nothing matches.
QString noFoodItemMatches(const QString& text);

// A name as the find compares it: its key, its words and those of its first
// part, and its commonness rank.
struct FoodNameKeys {
    QString key;
    QStringList words;
    QStringList firstWords;
    int rank = 0;
    explicit FoodNameKeys(const QString& name);
};

// The find field's state: the text typed so far.
class FoodFind {
public:
    const QString& text() const { return text_; }
    // The text changed: the row that now matches best. The current row stays
    // when it still holds the text as well as the best match does and is as
    // everyday, so typing on does not jump away from a fitting choice. -1 when
    // nothing matches.
    int setText(const QString& text, const QStringList& names, int current);
    // F3 or Enter: the match after the current row in find order, round to
    // the first after the last.
    int next(const QStringList& names, int current);
    // True when the last search found nothing.
    bool notFound() const { return notFound_; }

private:
    // The names' keys, made again only when the names change.
    const std::vector<FoodNameKeys>& keysOf(const QStringList& names);

    QString text_;
    bool notFound_ = false;
    QStringList names_;
    std::vector<FoodNameKeys> keys_;
};

} // namespace tolvane
