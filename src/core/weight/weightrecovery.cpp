// The weight grid's rows kept when a session ends before they were saved: a
// UTF-8 text, the name of the weight file the grid belongs to on the first
// line (empty for none), then one line per data row with its date, plan and
// actual cells separated by tabs, as they stood.

#include "shell/program.h"
#include "storage/safesave.h"
#include "weight/weightlog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tolvane {

namespace weightmsg {
QString recoveryQuestion(const QString& path)
{
    return QStringLiteral("Tolvane ended before the weight data was saved; its rows were kept in %1. Do you want to "
                          "load them into the weight grid?")
        .arg(QDir::toNativeSeparators(path));
}
} // namespace weightmsg

namespace {
constexpr QChar Separator = u'\t';
// A row of three cells that no one typed this long; a larger file is not read.
constexpr qint64 MaxRecoveryBytes = (MaxWeightRecords + 1) * 256;

QString oneLine(QString text)
{
    text.replace(Separator, u' ').replace(u'\n', u' ').replace(u'\r', u' ');
    return text;
}
} // namespace

bool WeightLog::keepRecovery(const QString& path) const
{
    if (!unsaved_) {
        QFile::remove(path);  // kept at an earlier request, saved since
        return false;
    }
    QString text = oneLine(fileName_) + u'\n';
    for (int r = 1; r < rowCount(); ++r)
        text += oneLine(cell(DateColumn, r)) + Separator + oneLine(cell(PlanColumn, r)) + Separator +
                oneLine(cell(ActualColumn, r)) + u'\n';
    return saveFileAtomically(path, text.toUtf8()) == SaveResult::Saved;
}

void WeightLog::offerRecovery(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > MaxRecoveryBytes)
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    file.close();
    if (lines.size() < 2)
        return;
    const Button answer = program_.ui().showMessage(Message::typed(
        weightmsg::recoveryQuestion(path), Icon::Information, Button::Yes | Button::No, WeightHelpContext));
    if (answer == Button::Yes) {
        const QString belongsTo = lines.takeFirst();
        if (lines.last().isEmpty())
            lines.removeLast();
        if (lines.size() > MaxWeightRecords)
            lines.resize(MaxWeightRecords);
        setRowCount(static_cast<int>(lines.size()) + 1);
        for (int r = 1; r < rowCount(); ++r) {
            const QStringList cells = lines.at(r - 1).split(Separator);
            for (int column = 0; column < WeightColumnCount; ++column)
                setCell(column, r, cells.value(column));
        }
        fileName_ = belongsTo;
        changed();
        graph();
    }
    QFile::remove(path);
}

} // namespace tolvane
