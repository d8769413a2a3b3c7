#include "food/foodfind.h"

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

FindMatch foodNameMatch(const QString& name, const QString& text) { return keyMatch(findKey(name), findKey(text)); }

std::vector<int> foodFindOrder(const QStringList& names, const QString& text)
{
    const QString key = findKey(text);
    if (key.isEmpty())
        return {};
    struct Found {
        FindMatch match;
        qsizetype length;
        int row;
    };
    std::vector<Found> found;
    for (int row = 0; row < static_cast<int>(names.size()); ++row) {
        const FindMatch match = keyMatch(findKey(names.at(row)), key);
        if (match != FindMatch::None)
            found.push_back({match, names.at(row).size(), row});
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return std::tuple(b.match, a.length, a.row) < std::tuple(a.match, b.length, b.row);
    });
    std::vector<int> rows;
    rows.reserve(found.size());
    for (const Found& f : found)
        rows.push_back(f.row);
    return rows;
}

int FoodFind::setText(const QString& text, const QStringList& names, int current)
{
    text_ = text;
    const std::vector<int> order = foodFindOrder(names, text_);
    notFound_ = !text_.isEmpty() && order.empty();
    if (order.empty())
        return -1;
    const bool currentFits = current >= 0 && current < static_cast<int>(names.size()) &&
                             foodNameMatch(names.at(current), text_) == foodNameMatch(names.at(order.front()), text_);
    return currentFits ? current : order.front();
}

int FoodFind::next(const QStringList& names, int current)
{
    const std::vector<int> order = foodFindOrder(names, text_);
    notFound_ = !text_.isEmpty() && order.empty();
    if (order.empty())
        return -1;
    const auto at = std::find(order.begin(), order.end(), current);
    if (at == order.end() || at + 1 == order.end())
        return order.front();
    return *(at + 1);
}

} // namespace tolvane
