#pragma once
// Searching the USDA reference by the words people type: each word of the
// search must be a word of the food's name or description, or the start of
// one, in any order (foodwords.h says how words compare).

#include "reference/usdareference.h"

#include <QStringList>
#include <vector>

namespace tolvane {

class ReferenceSearch {
public:
    explicit ReferenceSearch(const std::vector<ReferenceFood>& foods);

    // The indexes of the matching foods, best first, at most `limit`; `total`
    // gets how many match. Best: every word whole (not only the start of a
    // word), then the more words in the food's first part ("Milk, whole" for
    // "milk" before "Cereal with milk"), then the more everyday food (its
    // rank), then the shorter description.
    std::vector<int> find(const QString& text, std::size_t limit, std::size_t* total = nullptr) const;

    // At most this many words of a search count (a pasted page is no search).
    static constexpr int MaxWords = 12;

private:
    struct Posting {
        int food;
        bool inFirstPart;
    };
    QStringList vocabulary_;                     // sorted, each word once
    std::vector<std::vector<Posting>> postings_; // by word of the vocabulary
    std::vector<std::pair<QStringList, QStringList>> firstParts_;  // of the name and the description
    std::vector<int> rank_;
    std::vector<int> length_;
};

} // namespace tolvane
