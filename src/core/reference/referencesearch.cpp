#include "reference/referencesearch.h"

#include "food/foodwords.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace tolvane {

namespace {
QString firstPart(const QString& text) { return text.section(QLatin1Char(','), 0, 0); }

QStringList sortedCopy(QStringList words)
{
    words.removeDuplicates();
    words.sort();
    return words;
}

// How a word of the search meets a food, worst first.
enum Meeting : std::uint8_t { Unmet = 0, WordStart, Whole, WholeInFirstPart };
} // namespace

ReferenceSearch::ReferenceSearch(const std::vector<ReferenceFood>& foods)
{
    std::map<QString, std::vector<Posting>> index;
    for (int f = 0; f < static_cast<int>(foods.size()); ++f) {
        const ReferenceFood& food = foods[static_cast<std::size_t>(f)];
        const QStringList nameFirst = searchWords(firstPart(food.name));
        const QStringList descriptionFirst = searchWords(firstPart(food.description));
        firstParts_.push_back({nameFirst, descriptionFirst});
        const QStringList first = nameFirst + descriptionFirst;
        QStringList all = searchWords(food.name) + searchWords(food.description);
        all.removeDuplicates();
        for (const QString& word : all) {
            std::vector<Posting>& list = index[word];
            list.push_back(Posting{f, first.contains(word)});
        }
        rank_.push_back(food.rank);
        length_.push_back(static_cast<int>(food.description.size()));
    }
    for (auto& [word, list] : index) {
        vocabulary_.append(word);
        postings_.push_back(std::move(list));
    }
}

std::vector<int> ReferenceSearch::find(const QString& text, std::size_t limit, std::size_t* total) const
{
    QStringList words = searchWords(text.left(MaxWords * 40));
    words.removeDuplicates();
    if (words.size() > MaxWords)
        words = words.mid(0, MaxWords);
    const std::size_t count = rank_.size();
    std::vector<std::uint8_t> worst(count, WholeInFirstPart);
    std::vector<std::uint8_t> inFirst(count, 0);
    for (const QString& word : words) {
        std::vector<std::uint8_t> met(count, Unmet);
        const auto from = std::lower_bound(vocabulary_.begin(), vocabulary_.end(), word);
        for (auto it = from; it != vocabulary_.end() && it->startsWith(word); ++it) {
            const bool whole = *it == word;
            for (const Posting& p : postings_[static_cast<std::size_t>(it - vocabulary_.begin())]) {
                const std::uint8_t m = !whole ? WordStart : p.inFirstPart ? WholeInFirstPart : Whole;
                met[static_cast<std::size_t>(p.food)] = std::max(met[static_cast<std::size_t>(p.food)], m);
            }
        }
        for (std::size_t f = 0; f < count; ++f) {
            worst[f] = std::min(worst[f], met[f]);
            inFirst[f] = static_cast<std::uint8_t>(inFirst[f] + (met[f] == WholeInFirstPart ? 1 : 0));
        }
    }
    std::vector<int> found;
    if (!words.isEmpty()) {
        for (std::size_t f = 0; f < count; ++f)
            if (worst[f] != Unmet)
                found.push_back(static_cast<int>(f));
    }
    // The food whose first part is just what was typed ("Apples, raw" for
    // "apple", not "Apple juice").
    std::vector<std::uint8_t> exact(count, 0);
    const QStringList typed = sortedCopy(words);
    for (int f : found) {
        const auto i = static_cast<std::size_t>(f);
        exact[i] = worst[i] == WholeInFirstPart &&
                   (sortedCopy(firstParts_[i].first) == typed || sortedCopy(firstParts_[i].second) == typed);
    }
    const auto key = [&](int f) {
        const auto i = static_cast<std::size_t>(f);
        return std::make_tuple(worst[i] == WordStart, !exact[i], rank_[i], -int{inFirst[i]}, length_[i], f);
    };
    if (total)
        *total = found.size();
    const std::size_t shown = std::min(limit, found.size());
    std::partial_sort(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(shown), found.end(),
                      [&](int a, int b) { return key(a) < key(b); });
    found.resize(shown);
    return found;
}

} // namespace tolvane
