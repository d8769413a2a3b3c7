#include "food/foodwords.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tolvane {

namespace {
// What people type (left) for what USDA writes (right). One line a pair; a
// phrase is a few words. Both sides go through the same folding.
const std::pair<const char16_t*, const char16_t*> Synonyms[] = {
    {u"tangerine", u"mandarin"},           {u"hot dog", u"frankfurter"},
    {u"ketchup", u"catsup"},               {u"soda", u"carbonated beverage"},
    {u"soft drink", u"carbonated beverage"}, {u"zucchini", u"summer squash"},
    {u"courgette", u"summer squash"},      {u"scallion", u"green onion"},
    {u"spring onion", u"green onion"},     {u"garbanzo", u"chickpea"},
    {u"aubergine", u"eggplant"},           {u"cilantro", u"coriander"},
    {u"fava", u"broadbean"},               {u"prawn", u"shrimp"},
    {u"jello", u"gelatin dessert"},        {u"oatmeal", u"oat"},
    {u"porridge", u"oat"},                 {u"fries", u"french fried"},
    {u"crisps", u"potato chip"},           {u"minced beef", u"ground beef"},
    {u"mince", u"ground beef"},            {u"bell pepper", u"sweet pepper"},
    {u"capsicum", u"sweet pepper"},        {u"swede", u"rutabaga"},
    {u"beetroot", u"beet"},                {u"corn on the cob", u"sweet corn"},
    {u"popsicle", u"ice pop"},             {u"soy milk", u"soymilk"},
    {u"mac and cheese", u"macaroni and cheese"}, {u"mac n cheese", u"macaroni and cheese"},
    {u"coke", u"cola"},                    {u"skim", u"nonfat"},
    {u"rocket", u"arugula"},               {u"coriander leaves", u"coriander"},
    {u"pancake syrup", u"table syrup"},    {u"maize", u"corn"},
    {u"ground meat", u"ground beef"},      {u"oreo", u"chocolate sandwich cookie"},
    {u"prunes", u"plums dried"},
};

// A word as its singular: the endings are cut the same way on both sides,
// so "berries"/"berry" and "cookies"/"cookie" meet in "berri" and "cooki".
QString singular(QString word)
{
    const auto ends = [&](const char* tail) { return word.endsWith(QLatin1String(tail)); };
    if (word.size() > 4 && (ends("oes") || ends("ches") || ends("shes") || ends("sses") || ends("xes")))
        word.chop(2);
    else if (word.size() > 3 && ends("s") && !ends("ss") && !ends("us") && !ends("is"))
        word.chop(1);
    if (word.size() > 3 && ends("ie"))
        word.chop(1);
    else if (word.size() > 2 && ends("y"))
        word[word.size() - 1] = QLatin1Char('i');
    return word;
}

struct SynonymPhrase {
    QStringList from;
    QStringList to;
};

const std::vector<SynonymPhrase>& synonymPhrases()
{
    static const std::vector<SynonymPhrase> phrases = [] {
        std::vector<SynonymPhrase> list;
        for (const auto& [typed, usda] : Synonyms) {
            SynonymPhrase phrase{foldedWords(QString::fromUtf16(typed)), foldedWords(QString::fromUtf16(usda))};
            if (phrase.from != phrase.to)
                list.push_back(std::move(phrase));
        }
        // Longer phrases first: "hot dog bun" before "hot dog".
        std::stable_sort(list.begin(), list.end(),
                         [](const SynonymPhrase& a, const SynonymPhrase& b) { return a.from.size() > b.from.size(); });
        return list;
    }();
    return phrases;
}
} // namespace

QStringList foldedWords(const QString& text)
{
    QStringList words;
    QString word;
    // Most names are plain ASCII, which has nothing to decompose.
    const bool plain = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    const QString decomposed = plain ? text : text.normalized(QString::NormalizationForm_KD);
    const auto flush = [&] {
        if (!word.isEmpty())
            words.append(singular(word));
        word.clear();
    };
    for (QChar c : decomposed) {
        if (c.isMark())
            continue;  // the accent of an "é"
        if (c.isLetterOrNumber())
            word.append(c.toCaseFolded());
        else
            flush();
    }
    flush();
    return words;
}

QStringList withUsdaSynonyms(const QStringList& words)
{
    QStringList out;
    for (qsizetype i = 0; i < words.size();) {
        bool replaced = false;
        for (const SynonymPhrase& phrase : synonymPhrases()) {
            const qsizetype n = phrase.from.size();
            if (i + n <= words.size() && words[i] == phrase.from[0] &&
                std::equal(phrase.from.begin() + 1, phrase.from.end(), words.begin() + i + 1)) {
                out.append(phrase.to);
                i += n;
                replaced = true;
                break;
            }
        }
        if (!replaced)
            out.append(words[i++]);
    }
    return out;
}

} // namespace tolvane
