#include "exchange/exchange.h"

#include "exchange/exchangedialogs.h"
#include "exchange/foodcsv.h"
#include "exchange/foodimport.h"
#include "exchange/tablecsv.h"
#include "menu/menuplanner.h"
#include "shell/filechoice.h"
#include "food/foodlist.h"
#include "shell/program.h"
#include "storage/regularfile.h"
#include "storage/safesave.h"
#include "weight/weight.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace tolvane {

Exchange::Exchange(Program& program, ExchangeDialogs& dialogs, FoodList& foods, const MenuPlanner& menu,
                   const Weight& weight)
    : program_(program), dialogs_(dialogs), foods_(foods), menu_(menu), weight_(weight)
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
    const auto warn = [&](const QString& text) {
        ui.showMessage(Message::typed(text, Icon::Warning, only(Button::Ok), GeneralHelpContext));
    };
    QFile file(*chosen);
    switch (openRegularFile(file)) {
    case OpenResult::Opened: break;
    case OpenResult::NotRegular: warn(notRegularFileText(shown)); return;
    case OpenResult::CannotOpen: warn(csvmsg::cannotRead(shown)); return;
    }
    if (file.size() > MaxCsvFileSize) {
        warn(csvmsg::fileTooLarge(shown));
        return;
    }

    // The progress dialog, not the busy cursor, so that Cancel can be pressed.
    dialogs_.beginImportProgress(csvmsg::ImportCaption, csvmsg::importProgressLabel(shown),
                                 static_cast<int>(file.size()));
    const FoodImport imported = readFoodCsv(file, shown, table, [this](qint64 done) {
        return dialogs_.advanceImportProgress(static_cast<int>(std::min(done, MaxCsvFileSize)));
    });
    dialogs_.endImportProgress();
    file.close();
    if (imported.cancelled)
        return;
    if (!imported.readable) {
        warn(imported.problems.value(0));
        return;
    }

    // Rows whose calories disagree with their split are likely one column
    // off: taken only when the user says so.
    bool doubtful = false;
    if (!imported.doubtfulLines.isEmpty()) {
        Message question = Message::typed(csvmsg::disagreeQuestion(imported.doubtfulLines, shown),
                                          Icon::Confirmation, Button::Yes | Button::No, GeneralHelpContext);
        question.defaultButton = Button::No;
        doubtful = ui.showMessage(question) == Button::Yes;
    }
    const int everything = foodImportCount(imported, true, true);
    const int added = foodImportCount(imported, false, doubtful);
    const int offered = foodImportCount(imported, true, doubtful) - added;
    bool update = false;
    if (offered > 0) {
        Message question = Message::typed(csvmsg::updateQuestion(offered, shown), Icon::Confirmation,
                                          Button::Yes | Button::No, GeneralHelpContext);
        question.defaultButton = Button::No;
        update = ui.showMessage(question) == Button::Yes;
    }
    const int updated = update ? offered : 0;
    // Declined doubtful rows and updates let go count as skipped.
    const int declined = everything - added - updated;
    const int lastAdded = applyFoodImport(imported, table, update, doubtful);
    if (added + updated > 0) {
        foods_.saveFoodTable(foodchange::Import);
        if (lastAdded >= 0)
            foods_.selectFoodRow(table.rowOfSlot(lastAdded));
        if (program_.hooks.refreshFoodPanel)
            program_.hooks.refreshFoodPanel();
    }
    QStringList lines{csvmsg::summary(added, updated, imported.skipped + declined, imported.refused)};
    if (!imported.problems.isEmpty()) {
        lines.append(QString());
        lines.append(imported.problems);
        if (imported.refused > MaxListedCsvProblems)
            lines.append(csvmsg::MoreLines);
    }
    const Icon icon = imported.refused == 0 ? Icon::Information : Icon::Warning;
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

void Exchange::exportNutrientReport(const NutrientReport& report)
{
    save(QStringLiteral("Export Nutrient Report"), nutrientReportCsv(report));
}

void Exchange::exportWeightLog() { save(QStringLiteral("Export Weight Log"), exportWeightCsv(weight_.log())); }

} // namespace tolvane
