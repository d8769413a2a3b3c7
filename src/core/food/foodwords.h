#pragma once
// The words of a food name or a search as the search compares them: case and
// accents ignored, a plural said as its singular ("berries" and "berry",
// "tomatoes" and "tomato"), and the words USDA uses for what people call
// otherwise ("catsup" for "ketchup") said in one way.

#include <QString>
#include <QStringList>

namespace tolvane {

// "Crème Brûlée, 2 Cookies" -> {"creme", "brulee", "2", "cooki"}: letters and
// digits only; every other character separates words.
QStringList foldedWords(const QString& text);

// The words with every synonym phrase of the committed table replaced by the
// phrase USDA uses ({"hot", "dog"} -> {"frankfurter"}).
QStringList withUsdaSynonyms(const QStringList& words);

// Both: the words a search and a food are compared by.
inline QStringList searchWords(const QString& text) { return withUsdaSynonyms(foldedWords(text)); }

} // namespace tolvane
