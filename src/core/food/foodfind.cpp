#include "food/foodfind.h"

#include "food/foodwords.h"

#include <QFile>
#include <QHash>
#include <algorithm>
#include <tuple>

namespace tolvane {

QString findKey(const QString& text)
{
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return text.toCaseFolded();  // most names: no accent to take off
    // Decomposed, an accented letter is its base letter and a combining mark.
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString key;
    key.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        const QChar::Category category = c.category();
        if (category != QChar::Mark_NonSpacing && category != QChar::Mark_SpacingCombining &&
            category != QChar::Mark_Enclosing)
            key.append(c);
    }
    return key.toCaseFolded();
}

namespace {

// Where `text` occurs in `name` (both keys): at a word's start, inside a
// word only, or not at all. Text that starts with no letter or digit (", ",
// "%") has no word to start: any place counts as a start.
FindMatch placeMatch(const QString& name, const QString& text)
{
    const bool startsWord = text.front().isLetterOrNumber();
    FindMatch found = FindMatch::None;
    for (qsizetype at = name.indexOf(text); at >= 0; at = name.indexOf(text, at + 1)) {
        if (!startsWord || at == 0 || !name.at(at - 1).isLetterOrNumber())
            return FindMatch::WordStart;
        found = FindMatch::InsideWord;
    }
    return found;
}

FindMatch keyMatch(const QString& name, const QString& text)
{
    if (text.isEmpty())
        return FindMatch::None;
    if (name.startsWith(text)) {
        const qsizetype end = text.size();
        const bool wholePart = end == name.size() || name.at(end) == u',';
        return wholePart ? FindMatch::FirstPart : FindMatch::NameStart;
    }
    const FindMatch place = placeMatch(name, text);
    if (place == FindMatch::WordStart)
        return place;
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    if (words.size() > 1 && std::all_of(words.begin(), words.end(), [&](const QString& word) {
            return placeMatch(name, word) == FindMatch::WordStart;
        }))
        return FindMatch::AllWords;
    return place;
}

} // namespace

namespace {

QStringList sorted(QStringList words)
{
    words.sort();
    return words;
}

// How the typed words meet the name's: the first part's words in any order,
// the name's first words, later words in a row, or each word anywhere. The
// last word typed may be the start of a word, as it is while being typed.
FindMatch wordMatch(const FoodNameKeys& name, const QStringList& typed)
{
    if (typed.size() == name.firstWords.size() && sorted(typed) == name.firstWords)
        return FindMatch::FirstPart;
    const auto fits = [&](qsizetype at, qsizetype i) {
        const QString& word = name.words[at];
        return i + 1 == typed.size() ? word.startsWith(typed[i]) : word == typed[i];
    };
    const auto runAt = [&](qsizetype at) {
        if (at + typed.size() > name.words.size())
            return false;
        for (qsizetype i = 0; i < typed.size(); ++i)
            if (!fits(at + i, i))
                return false;
        return true;
    };
    if (runAt(0))
        return FindMatch::NameStart;
    for (qsizetype at = 1; at < name.words.size(); ++at)
        if (runAt(at))
            return FindMatch::WordStart;
    const bool each = std::all_of(typed.begin(), typed.end(), [&](const QString& t) {
        return std::any_of(name.words.begin(), name.words.end(), [&](const QString& w) { return w.startsWith(t); });
    });
    return each ? FindMatch::AllWords : FindMatch::None;
}

// The better of the text's place in the name and the words' meeting.
FindMatch bestMatch(const FoodNameKeys& name, const QString& textKey, const QStringList& typed)
{
    if (typed.isEmpty())
        return FindMatch::None;
    return std::max(keyMatch(name.key, textKey), wordMatch(name, typed));
}

const QHash<QString, int>& starterRanks()
{
    static const QHash<QString, int> ranks = [] {
        QHash<QString, int> read;
        QFile file(QStringLiteral(":/food/starter_ranks.tsv"));
        if (file.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : file.readAll().split('\n')) {
                const qsizetype tab = line.indexOf('\t');
                if (tab > 0)
                    read.insert(QString::fromUtf8(line.first(tab)), line.sliced(tab + 1).toInt());
            }
        }
        return read;
    }();
    return ranks;
}

} // namespace

FoodNameKeys::FoodNameKeys(const QString& name)
    : key(findKey(name)), words(searchWords(name)), firstWords(sorted(searchWords(name.section(u',', 0, 0)))),
      rank(commonnessRank(name))
{
}

FindMatch foodNameMatch(const QString& name, const QString& text)
{
    return bestMatch(FoodNameKeys(name), findKey(text), searchWords(text));
}

int commonnessRank(const QString& name)
{
    constexpr int NotStarter = 1 << 20;
    return starterRanks().value(name, NotStarter);
}

QString noFoodItemMatches(const QString& text)
{
    return QStringLiteral("No food item matches \"") + text.simplified().left(60) + QStringLiteral("\".");
}

namespace {
std::vector<int> orderOf(const std::vector<FoodNameKeys>& names, const QString& text)
{
    const QString key = findKey(text);
    const QStringList typed = searchWords(text);
    if (typed.isEmpty())
        return {};
    struct Found {
        FindMatch match;
        int rank;
        qsizetype length;
        int row;
    };
    std::vector<Found> found;
    for (int row = 0; row < static_cast<int>(names.size()); ++row) {
        const FoodNameKeys& name = names[static_cast<std::size_t>(row)];
        const FindMatch match = bestMatch(name, key, typed);
        if (match != FindMatch::None)
            found.push_back({match, name.rank, name.key.size(), row});
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return std::tuple(b.match, a.rank, a.length, a.row) < std::tuple(a.match, b.rank, b.length, b.row);
    });
    std::vector<int> rows;
    rows.reserve(found.size());
    for (const Found& f : found)
        rows.push_back(f.row);
    return rows;
}

std::vector<FoodNameKeys> keysOfNames(const QStringList& names)
{
    std::vector<FoodNameKeys> keys;
    keys.reserve(static_cast<std::size_t>(names.size()));
    for (const QString& name : names)
        keys.emplace_back(name);
    return keys;
}
} // namespace

std::vector<int> foodFindOrder(const QStringList& names, const QString& text)
{
    return orderOf(keysOfNames(names), text);
}

const std::vector<FoodNameKeys>& FoodFind::keysOf(const QStringList& names)
{
    if (names != names_ || keys_.size() != static_cast<std::size_t>(names.size())) {
        names_ = names;
        keys_ = keysOfNames(names);
    }
    return keys_;
}

int FoodFind::setText(const QString& text, const QStringList& names, int current)
{
    text_ = text;
    const std::vector<FoodNameKeys>& keys = keysOf(names);
    const std::vector<int> order = orderOf(keys, text_);
    notFound_ = !text_.isEmpty() && order.empty();
    if (order.empty())
        return -1;
    const QString key = findKey(text_);
    const QStringList typed = searchWords(text_);
    const auto standing = [&](int row) {
        const FoodNameKeys& name = keys[static_cast<std::size_t>(row)];
        return std::pair(bestMatch(name, key, typed), name.rank);
    };
    const bool currentFits =
        current >= 0 && current < static_cast<int>(names.size()) && standing(current) == standing(order.front());
    return currentFits ? current : order.front();
}

int FoodFind::next(const QStringList& names, int current)
{
    const std::vector<int> order = orderOf(keysOf(names), text_);
    notFound_ = !text_.isEmpty() && order.empty();
    if (order.empty())
        return -1;
    const auto at = std::find(order.begin(), order.end(), current);
    if (at == order.end() || at + 1 == order.end())
        return order.front();
    return *(at + 1);
}

} // namespace tolvane
