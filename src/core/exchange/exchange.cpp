#include "exchange/exchange.h"

#include "exchange/foodcsv.h"
#include "exchange/tablecsv.h"
#include "menu/menuplanner.h"
#include "shell/filechoice.h"
#include "food/foodlist.h"
#include "shell/program.h"
#include "storage/safesave.h"
#include "weight/weight.h"

#include <QFile>
#include <QFileInfo>

namespace tolvane {

Exchange::Exchange(Program& program, FoodList& foods, const MenuPlanner& menu, const Weight& weight)
    : program_(program), foods_(foods), menu_(menu), weight_(weight)
{
    program_.setHandler(Command::ImportFoodItemsCsv, [this] { importFoodItems(); });
    program_.setHandler(Command::ExportFoodItemsCsv, [this] { exportFoodItems(); });
    program_.setHandler(Command::ExportMenuCsv, [this] { exportMenu(); });
    program_.setHandler(Command::ExportWeightLogCsv, [this] { exportWeightLog(); });
}

void Exchange::importFoodItems()
{
    UserInterface& ui = program_.ui();
    FoodTable& table = foods_.foodTable();
    if (table.personalListShown()) {
        ui.showMessage(Message::typed(csvmsg::PersonalListShown, Icon::Warning, only(Button::Ok), GeneralHelpContext));
        return;
    }
    const auto chosen =
        chooseUserFileToOpen(program_, FileKind::Csv, {QStringLiteral("Import Food Items"), CsvFilter, CsvSuffix, {}});
    if (!chosen)
        return;
    const QString shown = QFileInfo(*chosen).fileName();
    QFile file(*chosen);
    if (!file.open(QIODevice::ReadOnly)) {
        ui.showMessage(Message::typed(csvmsg::cannotRead(shown), Icon::Warning, only(Button::Ok), GeneralHelpContext));
        return;
    }
    // A file far larger than 2000 rows can hold is no food list.
    const QByteArray bytes = file.read(64 * 1024 * 1024);
    const bool complete = file.atEnd() && file.error() == QFileDevice::NoError;
    file.close();
    if (!complete) {
        ui.showMessage(Message::typed(csvmsg::cannotRead(shown), Icon::Warning, only(Button::Ok), GeneralHelpContext));
        return;
    }

    ui.setBusy(true);
    const FoodImport imported = importFoodCsv(bytes, shown, table);
    ui.setBusy(false);
    if (!imported.readable) {
        ui.showMessage(Message::typed(imported.problems.value(0), Icon::Warning, only(Button::Ok), GeneralHelpContext));
        return;
    }
    if (imported.added > 0) {
        foods_.saveFoodTable();
        foods_.selectFoodRow(table.rowOfSlot(imported.lastAddedSlot));
        if (program_.hooks.refreshFoodPanel)
            program_.hooks.refreshFoodPanel();
    }
    QStringList lines{csvmsg::summary(imported.added, imported.present, static_cast<int>(imported.problems.size()))};
    if (!imported.problems.isEmpty()) {
        lines.append(QString());
        lines.append(imported.problems.mid(0, MaxListedCsvProblems));
        if (imported.problems.size() > MaxListedCsvProblems)
            lines.append(csvmsg::MoreLines);
    }
    const Icon icon = imported.problems.isEmpty() ? Icon::Information : Icon::Warning;
    ui.showMessage(Message::typed(lines.join(u'\n'), icon, only(Button::Ok), GeneralHelpContext));
}

void Exchange::save(const QString& title, const QByteArray& bytes)
{
    UserInterface& ui = program_.ui();
    const auto chosen = ui.saveFile({title, CsvFilter, CsvSuffix, program_.preferences().startFolder(FileKind::Csv)});
    if (!chosen)
        return;
    program_.preferences().rememberFile(FileKind::Csv, *chosen);
    if (saveFileAtomically(*chosen, bytes) != SaveResult::Saved)
        ui.showMessage(Message::typed(csvmsg::cannotWrite(QFileInfo(*chosen).fileName()), Icon::Warning,
                                      only(Button::Ok), GeneralHelpContext));
    else
        tellFileWritten(ui, *chosen);
}

void Exchange::exportFoodItems()
{
    save(QStringLiteral("Export Food Items"), exportFoodCsv(foods_.foodTable()));
}

void Exchange::exportMenu() { save(QStringLiteral("Export Menu"), exportMenuCsv(menu_.week())); }

void Exchange::exportWeightLog() { save(QStringLiteral("Export Weight Log"), exportWeightCsv(weight_.log())); }

} // namespace tolvane
