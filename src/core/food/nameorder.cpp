#include "food/nameorder.h"

namespace tolvane {

NameOrder::NameOrder() : NameOrder(QLocale::system()) {}

NameOrder::NameOrder(const QLocale& locale) : collator_(locale)
{
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
    collator_.setNumericMode(false);
    collator_.setIgnorePunctuation(false);
}

int NameOrder::compare(const QString& a, const QString& b) const
{
    const int c = collator_.compare(a, b);
    if (c != 0)
        return c;
    // Names the collation holds equal but that differ (case, accents) still get
    // a fixed order, so sorting never depends on where an item came from.
    return QString::compare(a, b, Qt::CaseInsensitive);
}

bool NameOrder::sameName(const QString& a, const QString& b) { return sameNameKey(a) == sameNameKey(b); }

QString NameOrder::sameNameKey(const QString& name)
{
    QString key = name;
    for (QChar& c : key)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    return key;
}

} // namespace tolvane
