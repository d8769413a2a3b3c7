#pragma once
// The window of the CSV commands: the progress of an import, with Cancel.

#include <QString>

namespace tolvane {

class ExchangeDialogs {
public:
    virtual ~ExchangeDialogs() = default;
    // A modal progress dialog with a Cancel button while a file is read: the
    // bar runs from 0 to `maximum`. It appears only when the reading lasts
    // more than a moment.
    virtual void beginImportProgress(const QString& caption, const QString& label, int maximum) = 0;
    // Moves the bar; false once the user has pressed Cancel.
    virtual bool advanceImportProgress(int value) = 0;
    virtual void endImportProgress() = 0;
};

} // namespace tolvane
