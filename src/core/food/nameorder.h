#pragma once
// The order of food item names: case-insensitive and locale-aware, the same for
// the food list and the table, so that row i of the list always names slot i.

#include <QCollator>
#include <QString>

namespace tolvane {

class NameOrder {
public:
    NameOrder();
    explicit NameOrder(const QLocale& locale);

    // < 0, 0 or > 0 as `a` sorts before, with or after `b`.
    int compare(const QString& a, const QString& b) const;
    bool less(const QString& a, const QString& b) const { return compare(a, b) < 0; }

    // Two names that adding treats as the same item: equal once the ASCII
    // letters are folded to capitals; every other character must match.
    static bool sameName(const QString& a, const QString& b);
    // The name with a to z as capitals, the key under which sameName holds.
    static QString sameNameKey(const QString& name);

private:
    QCollator collator_;
};

} // namespace tolvane
