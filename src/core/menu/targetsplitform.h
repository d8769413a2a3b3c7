#pragma once
// The Target Split dialog without its window: the three shares as typed, what
// OK accepts and the way back to the default. The window (and the tests'
// scripted user) puts the typed texts into the form and presses its buttons.

#include "menu/targetsplit.h"

#include <QString>
#include <array>

namespace tolvane {

class UserInterface;

namespace splitmsg {
inline const QString Caption = QStringLiteral("Target Split");
inline const QString Intro = QStringLiteral("Your own split of the calories, in whole percent adding up to 100:");
inline const QString DefaultButton = QStringLiteral("&Default");
QString empty(const QString& share);
QString notANumber(const QString& share, const QString& typed);
QString negative(const QString& share);
QString aboveHundred(const QString& share);
QString notWhole(const QString& share, const QString& typed);
QString wrongSum(int total);
} // namespace splitmsg

class TargetSplitForm {
public:
    enum Field { Carbohydrate, Protein, Fat, FieldCount };

    // The caption of a field ("&Carbohydrate (%):") and the share it names
    // in messages ("carbohydrate").
    static QString label(Field field);
    static QString shareName(Field field);
    // Longer than any sensible percent ("100", " 60,0 "); the typing stops there.
    static constexpr int MaxLength = 8;

    // The fields start with the target in use.
    explicit TargetSplitForm(const TargetSplit& current);

    std::array<QString, FieldCount> texts;
    QString& text(Field field) { return texts[static_cast<std::size_t>(field)]; }

    // OK: each text in the strict reading (the user's decimal separator), a
    // whole number from 0 to 100, the three adding up to 100. Otherwise the
    // user is told what is wrong, the focus goes to that field and the dialog
    // stays open (false); nothing changes. True: `split()` is the new target.
    bool pressOk(UserInterface& ui);
    // "&Default": the fields show the recommended 60, 10 and 30 (OK keeps them).
    void pressDefault();
    void pressCancel() {}
    // "&Help": the RDA topic.
    void pressHelp(UserInterface& ui);

    const TargetSplit& split() const { return split_; }
    Field focusField() const { return focus_; }

private:
    bool refuse(UserInterface& ui, Field field, const QString& message);

    TargetSplit split_;
    Field focus_ = Carbohydrate;
};

} // namespace tolvane
