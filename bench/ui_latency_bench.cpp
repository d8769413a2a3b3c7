// The latency of each user action at the largest data the program takes: 2000
// food items, 28 meals of ten entries, a recipe of 20 ingredients with 2000
// characters of instructions, 100 activities, 20 activities on each day of
// the week and a weight file of 100000 records. The real main window runs on the offscreen platform; each action is
// timed from the event to the end of the repaint it causes (see Timings).
// Prints p50 and p99 of the repetitions of each action as a Markdown table.
//   ui_latency_bench [repetitions [part...]]   (50 by default; parts: menu, pages,
//                    recipe, activity, backup, import, usda, files, weight, undo, calculators,
//                    split, printouts; all by default)
//   ui_latency_bench --data <dir>    writes the food table, current menu, activity
//                                    table, days' activities and the largest weight
//                                    file there (for start-up runs)

#include "bench_util.h"

#include "activity/activityplannerpage.h"
#include "activity/activitytexts.h"
#include "activity/activityweekfile.h"
#include "food/foodlistview.h"
#include "food/foodtable.h"
#include "exchange/foodcsv.h"
#include "reference/usdawindow.h"
#include "backup/backups.h"
#include "guide/tutor.h"
#include "menu/daynotebook.h"
#include "food/dragpayload.h"
#include "menu/menuplannerpage.h"
#include "menu/targetsplitform.h"
#include "menu/tablistbox.h"
#include "menu/trashcan.h"
#include "printing/previewwindow.h"
#include "printing/printerjob.h"
#include "recipes/recipespage.h"
#include "app/app.h"
#include "app/mainwindow.h"
#include "shell/undohistory.h"
#include "app/qtuserinterface.h"
#include "menu/menufile.h"
#include "shell/filechoice.h"
#include "weight/weightfile.h"
#include "weight/weightlog.h"
#include "weight/calculatorspage.h"
#include "weight/weightpage.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QPageLayout>
#include <QPageSize>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTreeWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <utility>

#include <time.h>

using namespace tolvane;

namespace {

// Answers every question at once: files from the benchmark's folder, a fixed
// title, printouts into a PDF file, previews shown and closed again. The tutor
// and the information window of a first start are closed at once (their modal
// loops would wait forever).
class BenchUi : public QtUserInterface {
public:
    QString openAnswer;
    QString saveAnswer;
    QString pdfPath;
    int messages = 0;
    std::map<QString, int> texts;
    Button showMessage(const Message& message) override
    {
        ++messages;
        ++texts[message.text];
        // A save into a new file asks first; the loop around the save dialog
        // asks again until the answer is Yes or No.
        if (message.text == createFileQuestion(QFileInfo(saveAnswer).fileName()))
            return Button::Yes;
        if (message.text.startsWith(QLatin1String("Replace the meals of")))  // a pasted day
            return Button::Yes;
        if (message.text.startsWith(QLatin1String("The backup \"")))  // a restore
            return Button::Yes;
        return Button::Ok;
    }
    std::optional<QString> openFile(const FileDialogRequest&) override { return openAnswer; }
    std::optional<QString> saveFile(const FileDialogRequest&) override { return saveAnswer; }
    std::optional<QString> askTitle(const TitlePrompt&) override { return QStringLiteral("Benchmark"); }
    std::optional<std::vector<int>> chooseSeveral(const ChoiceRequest&) override
    {
        return std::vector<int>{0, 1, 2, 3, 4, 5, 6};
    }
    // The Target Split dialog: this split typed and OK, or "&Default" and OK.
    std::optional<TargetSplit> split;
    bool editTargetSplit(TargetSplitForm& form) override
    {
        if (split)
            form.texts = {QString::number(split->carbohydrate), QString::number(split->protein),
                          QString::number(split->fat)};
        else
            form.pressDefault();
        return form.pressOk(*this);
    }
    bool printerInstalled() override { return true; }
    std::unique_ptr<PrintJob> beginPrintJob(PageOrientation orientation, const QString& title) override
    {
        return beginPdfJob(pdfPath, orientation, title);
    }
    std::unique_ptr<PrintJob> beginPdfJob(const QString& file, PageOrientation orientation,
                                          const QString& title) override
    {
        const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF());
        return PainterPrintJob::startPdf(file, letter, orientation, title);
    }
    void showTutor(Tutor& tutor) override
    {
        if (tutor.isOpen())
            tutor.pressCancel();
    }
    void showInformation(Information&) override {}
    // One preview window for the run, as the program keeps it; shown without
    // its modal loop.
    PreviewWindow preview;
    void showPrintPreview(const PreviewRequest& request) override
    {
        preview.setRequest(request);
        preview.show();
        QCoreApplication::processEvents();
        (void)preview.grab();
    }
};

std::vector<FoodItem> foodItems()
{
    std::vector<FoodItem> items(static_cast<std::size_t>(MaxFoodItems));
    for (int i = 0; i < MaxFoodItems; ++i) {
        FoodItem& item = items[static_cast<std::size_t>(i)];
        item.setName(QStringLiteral("Food item %1").arg(i, 4, 10, QLatin1Char('0')));
        item.setNutrient(Nutrient::Calories, 50 + i % 400);
        item.setNutrient(Nutrient::Carbohydrate, (i % 50) / 2.0L);
        item.setNutrient(Nutrient::Protein, (i % 20) / 4.0L);
        item.setNutrient(Nutrient::Fat, (i % 30) / 3.0L);
    }
    return items;
}

QByteArray fullWeek(const std::vector<FoodItem>& items)
{
    MenuImage image;
    for (int k = 0; k < MealsPerWeek; ++k)
        for (int e = 0; e < Meal::Capacity; ++e)
            image.week[static_cast<std::size_t>(k)].append(items[static_cast<std::size_t>(k * 10 + e)],
                                                           0.5L * (1 + (k + e) % 10));
    return writeMenuImage(image);
}

QByteArray fullActivityTable()
{
    std::vector<ActivityRecord> records;
    for (int i = 0; i < MaxActivities; ++i) {
        ActivityRecord record;
        record.setName(QStringLiteral("Activity number %1").arg(i, 3, 10, QLatin1Char('0')));
        record.setCaloriesPerHour(100 + 7 * i);
        records.push_back(record);
    }
    return activityImage(records);
}

// Every day of the week with a full list of activities.
QByteArray fullActivityWeek()
{
    ActivityWeek week;
    for (int day = 0; day < 7; ++day)
        for (int i = 0; i < MaxDayActivities; ++i) {
            DayActivity activity;
            activity.activity.setName(QStringLiteral("Activity number %1").arg(i, 3, 10, QLatin1Char('0')));
            activity.activity.setCaloriesPerHour(100 + 7 * i);
            storeReal6(5 + i, activity.minutes.data());
            week[static_cast<std::size_t>(day)].push_back(activity);
        }
    return activityWeekImage(week);
}

QByteArray largestWeightFile()
{
    std::vector<WeightRecord> records(static_cast<std::size_t>(MaxWeightRecords));
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].date = 46363.0 + static_cast<double>(i);
        storeReal6(200.0L - static_cast<long double>(i % 500) / 10.0L, records[i].plan.data());
        if (i % 3 == 0)
            storeReal6(199.0L, records[i].actual.data());
    }
    return writeWeightImage(records);
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The drag events a drop onto `target` delivers.
void dropOn(QWidget* target, const DragItem& item)
{
    std::unique_ptr<QMimeData> data(makeDragMimeData(item));
    const QPoint at(target->width() / 2, target->height() / 2);
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
}

void click(QWidget* target, QPoint at)
{
    const QPointF local(at);
    const QPointF global(target->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &release);
}

void key(QWidget* target, int code, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &release);
}

// The processor time of the whole process (all its threads): on a machine
// shared with other work, the wall time also holds the time spent waiting for
// a processor, the processor time does not (nor waits for the disk).
double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Each action is timed twice over: to the end of its repaint (the events it
// causes are processed, which paints what changed into the window, as a real
// frame does), and on to the end of a grab of the whole window, which paints
// every widget of the window once more (the earlier measure; kept to compare).
class Timings {
public:
    Timings(QWidget& window) : window_(window) {}

    void time(const QString& action, const std::function<void()>& run)
    {
        const double start = bench::nowMs();
        const double cpuStart = cpuMs();
        run();
        // Item views lay out on a zero timer and ask for their repaint then.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        const double painted = bench::nowMs();
        const double cpuPainted = cpuMs();
        (void)window_.grab();
        const double grabbed = bench::nowMs();
        if (!samples_.contains(action))
            order_.push_back(action);
        Samples& samples = samples_[action];
        samples.wall.push_back(painted - start);
        samples.cpu.push_back(cpuPainted - cpuStart);
        samples.withGrab.push_back(grabbed - start);
    }

    void print() const
    {
        std::printf("| Action | p50 ms | p99 ms | CPU p50 ms | CPU p99 ms | with a full grab: p50 ms | p99 ms |\n"
                    "|---|---:|---:|---:|---:|---:|---:|\n");
        for (const QString& action : order_) {
            const Samples& samples = samples_.at(action);
            const auto [p50, p99] = percentiles(samples.wall);
            const auto [cpu50, cpu99] = percentiles(samples.cpu);
            const auto [grab50, grab99] = percentiles(samples.withGrab);
            std::printf("| %s | %.1f | %.1f | %.1f | %.1f | %.1f | %.1f |\n", qUtf8Printable(action), p50, p99, cpu50,
                        cpu99, grab50, grab99);
        }
    }

private:
    struct Samples {
        std::vector<double> wall;
        std::vector<double> cpu;
        std::vector<double> withGrab;
    };

    static std::pair<double, double> percentiles(std::vector<double> v)
    {
        std::sort(v.begin(), v.end());
        const std::size_t p99 = static_cast<std::size_t>(std::ceil(0.99 * static_cast<double>(v.size()))) - 1;
        return {v[v.size() / 2], v[p99]};
    }

    QWidget& window_;
    std::map<QString, Samples> samples_;
    std::vector<QString> order_;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The USDA reference of the build, beside the benchmarks' folder.
    const QString reference = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../usda_reference.tsv"));
    if (qEnvironmentVariableIsEmpty("TOLVANE_USDA_REFERENCE") && QFileInfo::exists(reference))
        qputenv("TOLVANE_USDA_REFERENCE", QFile::encodeName(reference));
    // A modal window that nobody answers would stop the run without a word:
    // name it and stop instead.
    QTimer modalWatch;
    QObject::connect(&modalWatch, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            std::fprintf(stderr, "a modal window is waiting: %s \"%s\"\n", modal->metaObject()->className(),
                         qUtf8Printable(modal->windowTitle()));
            std::exit(3);
        }
    });
    modalWatch.start(2000);
    const bool dataOnly = argc > 2 && std::strcmp(argv[1], "--data") == 0;
    const int reps = argc > 1 && !dataOnly ? std::atoi(argv[1]) : 50;
    QTemporaryDir scratch;
    const QDir dir(dataOnly ? QString::fromLocal8Bit(argv[2]) : scratch.path());
    const auto file = [&](const char* name) { return dir.filePath(QString::fromLatin1(name)); };

    const std::vector<FoodItem> items = foodItems();
    FoodTable table;
    table.assign(std::vector<FoodItem>(items));
    if (!writeFile(file("fooditem.dbt"), table.toBytes()) || !writeFile(file("currmenu.db"), fullWeek(items)) ||
        !writeFile(file("activity.db"), fullActivityTable()) || !writeFile(file("activityweek.db"), fullActivityWeek()))
        return 1;
    if (!writeFile(file("large.wgt"), largestWeightFile()))
        return 1;
    if (dataOnly)
        return 0;
    if (!writeFile(file("week.mnu"), fullWeek(items)))
        return 1;
    QStringList parts;
    for (int i = 2; i < argc; ++i)
        parts.append(QString::fromLocal8Bit(argv[i]));
    const auto wants = [&](const char* part) { return parts.isEmpty() || parts.contains(QLatin1String(part)); };

    BenchUi ui;
    ui.pdfPath = file("printout.pdf");
    SettingsStore settings(file("Tolvane.conf"));
    App app(ui, settings, dir.path());
    MainWindow window(app);
    ui.setParent(&window);
    if (!app.program.formCreate().ok)
        return 1;
    window.applyStartPosition();
    window.show();
    // The first start's tutor and information window come once the window is
    // on the screen, a few turns of the loop later: done before any timing.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 300)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QTabWidget* pages = window.pageControl();
    auto* planner = static_cast<MenuPlannerPage*>(window.page(MenuPlannerPageIndex));
    auto* recipes = static_cast<RecipesPage*>(window.page(RecipesPageIndex));
    auto* weight = static_cast<WeightPage*>(window.page(WeightPageIndex));
    auto* calculators = static_cast<CalculatorsPage*>(window.page(CalculatorsPageIndex));
    const auto command = [&](Command c) { window.action(c)->trigger(); };

    // The full recipe, saved once to be loaded again.
    pages->setCurrentIndex(RecipesPageIndex);
    for (int i = 0; i < RecipeCapacity; ++i)
        dropOn(recipes->ingredientList()->viewport(), {DragSource::RecipeFoodList, i});
    recipes->instructions()->setPlainText(QString(2000, QLatin1Char('x')));
    ui.saveAnswer = file("full.rcp");
    command(Command::SaveRecipe);

    Timings timings(window);
    const double loadAtStart = bench::loadAverage();
    // Menu Planner: food rows, meals, days and the totals view.
    pages->setCurrentIndex(MenuPlannerPageIndex);
    FoodListView* foods = planner->foodList();
    foods->setFocus();
    for (int r = 0; r < reps && wants("menu"); ++r) {
        const QRect row = foods->visualRect(foods->model()->index(2 + r % 2, 0));
        timings.time(QStringLiteral("Select a food row, mouse"), [&] { click(foods->viewport(), row.center()); });
        timings.time(QStringLiteral("Select a food row, keys"), [&] { key(foods, r % 2 ? Qt::Key_Up : Qt::Key_Down); });
        timings.time(QStringLiteral("Remove a meal entry (drop on the trash can)"),
                     [&] { dropOn(planner->trashCan(), {DragSource::MealList, 0}); });
        timings.time(QStringLiteral("Drop a food row on a meal"),
                     [&] { dropOn(planner->mealList()->viewport(), {DragSource::FoodList, r % 5}); });
        timings.time(QStringLiteral("Switch day"), [&] { planner->dayNotebook()->tab((r + 1) % 7)->click(); });
        timings.time(QStringLiteral("Switch meal tab"), [&] { planner->mealTabs()->setCurrentIndex((r + 1) % 4); });
        timings.time(QStringLiteral("Switch totals tab"),
                     [&] { planner->totalsTabs()->setCurrentIndex((r + 1) % planner->totalsTabs()->count()); });
        timings.time(QStringLiteral("Copy Day"), [&] { command(Command::CopyDay); });
        timings.time(QStringLiteral("Paste Day over a full day (asked)"), [&] { command(Command::PasteDay); });
        timings.time(QStringLiteral("Paste Day Into all seven full days (asked)"),
                     [&] { command(Command::PasteDayInto); });
    }
    // Every page from the one before it.
    for (int r = 0; r < reps && wants("pages"); ++r)
        for (int p = 1; p <= PageCount; ++p)
            timings.time(QStringLiteral("Switch to page \"%1\"").arg(pages->tabText(p % PageCount)),
                         [&] { pages->setCurrentIndex(p % PageCount); });

    // Recipes: an ingredient out and another in.
    pages->setCurrentIndex(RecipesPageIndex);
    for (int r = 0; r < reps && wants("recipe"); ++r) {
        timings.time(QStringLiteral("Recipe: remove an ingredient (drop on the trash can)"),
                     [&] { dropOn(recipes->trashCan(), {DragSource::IngredientList, 0}); });
        timings.time(QStringLiteral("Recipe: drop a food row"),
                     [&] { dropOn(recipes->ingredientList()->viewport(), {DragSource::RecipeFoodList, r % 5}); });
    }

    // Activity Planner: the last line of the shown day's full list out by the
    // Delete key, then an activity in again by the Enter key, which saves the week.
    pages->setCurrentIndex(ActivityPlannerPageIndex);
    auto* activity = static_cast<ActivityPlannerPage*>(window.page(ActivityPlannerPageIndex));
    activity->activityList()->setCurrentRow(50);
    for (int r = 0; r < reps && wants("activity"); ++r) {
        QTreeWidget* day = activity->dayList();
        day->setCurrentItem(day->topLevelItem(day->topLevelItemCount() - 1));
        timings.time(QStringLiteral("Activity: remove from a full day (Delete)"), [&] { key(day, Qt::Key_Delete); });
        timings.time(QStringLiteral("Activity: add to the day, making it full (Enter)"),
                     [&] { key(activity->activityList(), Qt::Key_Return); });
    }

    // Back Up Data of every file and Restore from Backup of it (its question
    // answered Yes), which backs up the files it replaces first and reloads all.
    app.backups.documentsFolder = dir.path();
    app.backups.homeFolder = dir.path();
    pages->setCurrentIndex(MenuPlannerPageIndex);
    for (int r = 0; r < reps && wants("backup"); ++r) {
        ui.saveAnswer = file("bench backup.zip");
        timings.time(QStringLiteral("Back Up Data (every data file and the user's files)"),
                     [&] { command(Command::BackUpData); });
        ui.openAnswer = file("bench backup.zip");
        timings.time(QStringLiteral("Restore from Backup (asked; the replaced files backed up first)"),
                     [&] { command(Command::RestoreFromBackup); });
    }

    // A CSV file of 100000 rows, each naming a food of the full table with
    // values of its own (the update question answered No), with its progress
    // window: a few runs tell its time.
    if (wants("import")) {
        const QByteArray exported = exportFoodCsv(app.foods.foodTable());
        QByteArray rows = exported;
        for (int copy = 1; copy < 50; ++copy)
            rows += exported.mid(exported.indexOf('\n') + 1);
        if (!writeFile(file("named.csv"), rows))
            return 1;
    }
    for (int r = 0; r < std::min(reps, 5) && wants("import"); ++r) {
        ui.openAnswer = file("named.csv");
        timings.time(QStringLiteral("Import CSV of 100000 rows naming foods of the table"),
                     [&] { command(Command::ImportFoodItemsCsv); });
    }

    // "Add from USDA": a word typed into its search letter by letter and taken
    // back, over the whole reference (its first opening is not timed here).
    if (wants("usda")) {
        command(Command::AddFromUsda);
        UsdaWindow* usda = ui.usdaWindow();
        if (!usda) {
            std::fprintf(stderr, "no Add from USDA window\n");
            return 1;
        }
        QLineEdit* search = usda->searchField();
        for (int r = 0; r < reps; ++r) {
            for (const QChar c : QStringLiteral("cheese"))
                timings.time(QStringLiteral("Add from USDA: a letter typed into the search"),
                             [&] { key(search, Qt::Key_A + (c.unicode() - 'a'), QString(c)); });
            for (int i = 0; i < 6; ++i)
                timings.time(QStringLiteral("Add from USDA: backspace in the search"),
                             [&] { key(search, Qt::Key_Backspace); });
        }
        usda->close();
    }

    // Files: menu, recipe and weight, each loaded and saved.
    for (int r = 0; r < reps && wants("files"); ++r) {
        pages->setCurrentIndex(MenuPlannerPageIndex);
        ui.openAnswer = file("week.mnu");
        timings.time(QStringLiteral("Load a menu file"), [&] { command(Command::LoadMenu); });
        ui.saveAnswer = file("saved.mnu");
        timings.time(QStringLiteral("Save a menu file"), [&] { command(Command::SaveMenuAs); });
        pages->setCurrentIndex(RecipesPageIndex);
        ui.openAnswer = file("full.rcp");
        timings.time(QStringLiteral("Load a recipe file"), [&] { command(Command::LoadRecipe); });
        ui.saveAnswer = file("saved.rcp");
        timings.time(QStringLiteral("Save a recipe file"), [&] { command(Command::SaveRecipe); });
    }
    pages->setCurrentIndex(WeightPageIndex);
    for (int r = 0; r < reps && wants("files"); ++r) {
        ui.openAnswer = file("large.wgt");
        timings.time(QStringLiteral("Load the largest weight file"), [&] { command(Command::LoadWeightFile); });
        ui.saveAnswer = file("saved.wgt");
        timings.time(QStringLiteral("Save the largest weight file"), [&] { command(Command::SaveWeightFile); });
    }

    // A weight cell typed into with 100000 rows in the grid, the graph repainted on each key.
    if (!wants("files")) {
        ui.openAnswer = file("large.wgt");
        command(Command::LoadWeightFile);
    }
    QTableView* grid = weight->grid();
    const QModelIndex cell = grid->model()->index(1, ActualColumn);
    grid->setFocus();
    grid->setCurrentIndex(cell);
    auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(cell));
    if (!editor) {
        std::fprintf(stderr, "no editor in the weight cell\n");
        return 1;
    }
    editor->end(false);
    for (int r = 0; r < reps && wants("weight"); ++r) {
        timings.time(QStringLiteral("Weight cell: type a digit"), [&] { key(editor, Qt::Key_5, QStringLiteral("5")); });
        timings.time(QStringLiteral("Weight cell: backspace"), [&] { key(editor, Qt::Key_Backspace); });
    }
    // After the typing: the page's refresh may give the cell a new editor.
    for (int r = 0; r < reps && wants("weight"); ++r)
        timings.time(QStringLiteral("Show Trend on or off (100000 rows)"), [&] { command(Command::ShowTrend); });
    // The same keys with the trend shown: the moving average follows the edited row.
    if (wants("weight")) {
        if (!app.program.isChecked(Command::ShowTrend))
            command(Command::ShowTrend);
        grid->setFocus();
        grid->setCurrentIndex(cell);
        grid->edit(cell);
        editor = qobject_cast<QLineEdit*>(grid->indexWidget(cell));
        if (!editor) {
            std::fprintf(stderr, "no editor in the weight cell with the trend shown\n");
            return 1;
        }
        editor->end(false);
    }
    for (int r = 0; r < reps && wants("weight"); ++r) {
        timings.time(QStringLiteral("Weight cell, trend shown: type a digit"),
                     [&] { key(editor, Qt::Key_5, QStringLiteral("5")); });
        timings.time(QStringLiteral("Weight cell, trend shown: backspace"), [&] { key(editor, Qt::Key_Backspace); });
    }

    // Undo and redo of the largest changes: Paste Day Into seven full days, a
    // full week loaded, a food item deleted from 2000, a recipe of 20
    // ingredients cleared; on the grid of 100000 rows a typed cell, Clear
    // Grid, the file loaded into the empty grid and a plan made over it.
    const auto typeCell = [&] {
        grid->setFocus();
        grid->setCurrentIndex(cell);
        app.weight.log().editCell(ActualColumn, 1, QStringLiteral("150"));
    };
    const auto createPlan = [&] {
        using F = Calculators::Field;
        for (const auto& [field, text] : {std::pair{F::CurrentWeight, "150"}, {F::Age, "40"}, {F::Height, "65"},
                                          {F::PlanCalories, "1500"}, {F::GoalWeight, "140"}})
            app.weight.calculators().setText(field, QString::fromLatin1(text));
        command(Command::CreatePlan);
    };
    const auto commandRun = [&](Command c) { return [&command, c] { command(c); }; };
    const std::vector<std::tuple<int, std::function<void()>, const char*>> undone{
        {MenuPlannerPageIndex, commandRun(Command::PasteDayInto), "Paste Day Into all seven full days"},
        {MenuPlannerPageIndex, commandRun(Command::LoadMenu), "a loaded menu file"},
        {MenuPlannerPageIndex, commandRun(Command::DeleteFoodItem), "a food item deleted"},
        {RecipesPageIndex, commandRun(Command::ClearRecipe), "Clear Recipe of 20 ingredients"},
        {WeightPageIndex, typeCell, "a typed weight cell (100000 rows)"},
        {WeightPageIndex, commandRun(Command::ClearWeightGrid), "Clear Grid of 100000 rows"},
        {WeightPageIndex, commandRun(Command::LoadWeightFile), "the largest weight file loaded"},
        {WeightPageIndex, createPlan, "Create Plan over 100000 rows"}};
    // What each undo and redo must bring back, read outside the timings: the
    // files a change saves (of the current menu its meals: an undo shows the
    // day it changed) and what the recipe and the grid hold.
    const auto state = [&] {
        QStringList seen{QString::number(qHash(readAll(file("currmenu.db")).right(MealsPerWeek * Meal::Size))),
                         QString::number(qHash(readAll(file("fooditem.dbt"))))};
        seen << app.recipes.ingredientLines() << app.recipes.instructions();
        const WeightLog& log = app.weight.log();
        seen << QString::number(log.rowCount()) << log.fileName();
        for (const int row : {1, log.rowCount() - 1})
            for (int c = 0; c < WeightColumnCount; ++c)
                seen << log.cell(c, row);
        return seen;
    };
    // Times `reps` undos and redos of the change just made, each checked.
    const auto undoAndRedo = [&](const QString& name, const QStringList& before) {
        const QStringList after = state();
        if (after == before) {
            std::fprintf(stderr, "%s changed nothing\n", qUtf8Printable(name));
            std::exit(2);
        }
        for (int r = 0; r < reps; ++r) {
            timings.time(QStringLiteral("Undo %1").arg(name), [&] { command(Command::Undo); });
            const bool back = state() == before;
            timings.time(QStringLiteral("Redo %1").arg(name), [&] { command(Command::Redo); });
            if (!back || state() != after) {
                std::fprintf(stderr, "%s %s\n", qUtf8Printable(name), back ? "not redone" : "not undone");
                std::exit(2);
            }
        }
    };
    for (const auto& [page, change, name] : undone) {
        if (!wants("undo"))
            break;
        pages->setCurrentIndex(page);
        ui.openAnswer = page == MenuPlannerPageIndex ? file("week.mnu") : file("large.wgt");
        // The full week has the same meals every day: the copied day differs.
        if (name == std::get<2>(undone.front())) {
            dropOn(planner->trashCan(), {DragSource::MealList, 0});
            command(Command::CopyDay);
        }
        const QStringList before = state();
        change();
        undoAndRedo(QLatin1String(name), before);
    }
    // The history of a session of 1000 typical changes: entries in and out of a
    // full week, a typed weight cell each tenth change.
    if (wants("undo")) {
        command(Command::Undo);  // the plan: the 100000 rows back
        window.undoHistory().stack().clear();
        pages->setCurrentIndex(MenuPlannerPageIndex);
        for (int c = 0; c < 1000; ++c) {
            if (c % 10 == 9)
                app.weight.log().editCell(ActualColumn, 1 + c % 100, QString::number(150 + c % 7));
            else if (c % 2 == 0)
                dropOn(planner->trashCan(), {DragSource::MealList, 0});
            else
                dropOn(planner->mealList()->viewport(), {DragSource::FoodList, c % 5});
        }
        std::printf("Undo history of 1000 typical changes: %d kept, %lld KiB held.\n",
                    window.undoHistory().stack().count(),
                    static_cast<long long>(window.undoHistory().heldBytes() / 1024));
    }

    // A key in each calculator field.
    pages->setCurrentIndex(CalculatorsPageIndex);
    const std::vector<std::pair<Calculators::Field, const char*>> fields{
        {Calculators::CurrentWeight, "150"}, {Calculators::Age, "40"}, {Calculators::Height, "65"},
        {Calculators::GoalWeight, "140"}, {Calculators::PlanCalories, "1500"}};
    for (const auto& [field, text] : fields) {
        QLineEdit* edit = calculators->field(field);
        edit->setFocus();
        for (const QChar c : QString::fromLatin1(text))
            key(edit, Qt::Key_0 + c.digitValue(), QString(c));
    }
    for (int r = 0; r < reps && wants("calculators"); ++r)
        for (const auto& [field, text] : fields) {
            QLineEdit* edit = calculators->field(field);
            edit->setFocus();
            const QString name = edit->accessibleName();
            timings.time(QStringLiteral("Calculators: a digit in %1").arg(name),
                         [&] { key(edit, Qt::Key_0, QStringLiteral("0")); });
            timings.time(QStringLiteral("Calculators: backspace in %1").arg(name),
                         [&] { key(edit, Qt::Key_Backspace); });
        }

    // A target split and back to the default, with the RDA page shown and with
    // the Menu Planner's fat marks shown.
    for (const int page : {RdaPageIndex, MenuPlannerPageIndex}) {
        pages->setCurrentIndex(page);
        const QString on = pages->tabText(page);
        for (int r = 0; r < reps && wants("split"); ++r) {
            ui.split = TargetSplit{20, 5, 75};
            timings.time(QStringLiteral("Target split: set one (%1 shown)").arg(on),
                         [&] { command(Command::TargetSplit); });
            ui.split.reset();
            timings.time(QStringLiteral("Target split: back to the default (%1 shown)").arg(on),
                         [&] { command(Command::TargetSplit); });
        }
    }

    // Previews and printouts.
    pages->setCurrentIndex(MenuPlannerPageIndex);
    const std::vector<std::pair<Command, const char*>> printouts{
        {Command::MenuPrintPreview, "Preview: weekly menu"},     {Command::ShoppingListPreview, "Preview: shopping list"},
        {Command::PrintMenu, "Print to PDF: weekly menu"},       {Command::PrintDay, "Print to PDF: daily menu"},
        {Command::PrintShoppingList, "Print to PDF: shopping list"}, {Command::PrintRecipe, "Print to PDF: recipe"},
        {Command::PrintWeightGraph, "Print to PDF: weight graph"}};
    // The weight graph of 100000 rows prints 200000 lines and markers: a few runs tell its time.
    for (int r = 0; r < reps && wants("printouts"); ++r)
        for (const auto& [c, name] : printouts) {
            const Command run = c;
            if (run == Command::PrintWeightGraph && r >= 5)
                continue;
            timings.time(QString::fromLatin1(name), [&] {
                app.program.execute(run);
                window.refresh();
            });
        }

    // The preview's other pages and zoom: each first shown page or scale is
    // drawn then; a page or scale shown before is kept.
    QScrollBar* previewBar = ui.preview.scrollArea()->verticalScrollBar();
    const PreviewZoom& zoom = ui.preview.zoom();
    const QList<QAction*> zoomTools = ui.preview.zoomBar()->actions();
    for (int r = 0; r < reps && wants("printouts"); ++r) {
        for (const auto& [c, name] : printouts) {
            if (c != Command::MenuPrintPreview && c != Command::ShoppingListPreview)
                continue;
            app.program.execute(c);
            const QString shown = QString::fromLatin1(name);
            const auto turn = [&](bool down) {
                const int top = previewBar->value();
                previewBar->setValue(down ? zoom.nextPageTop(top, ui.preview.pageCount())
                                          : zoom.previousPageTop(top, ui.preview.pageCount()));
                (void)ui.preview.grab();
            };
            const auto tool = [&](int index) {
                zoomTools[index]->trigger();
                (void)ui.preview.grab();
            };
            timings.time(shown + QStringLiteral(", Page Down to a page not shown before"), [&] { turn(true); });
            timings.time(shown + QStringLiteral(", Page Up to a kept page"), [&] { turn(false); });
            timings.time(shown + QStringLiteral(", Zoom In to a scale not shown before"), [&] { tool(2); });
            timings.time(shown + QStringLiteral(", Zoom Out to a kept scale"), [&] { tool(3); });
        }
    }
    ui.preview.close();

    timings.print();
    std::printf("\nUndo history at the end: %d changes, %lld KiB held.\n", window.undoHistory().stack().count(),
                static_cast<long long>(window.undoHistory().heldBytes() / 1024));
    for (const auto& [text, count] : ui.texts)
        std::fprintf(stderr, "message x%d: %s\n", count, qUtf8Printable(text));
    std::printf("\n%d repetitions per action (p99 is the value below which 99%% of them lie, the slowest one "
                "for 50); %d messages answered; peak memory %ld KiB; load average %.2f at the start, %.2f at "
                "the end.\n",
                reps, ui.messages, bench::peakKiB(), loadAtStart, bench::loadAverage());
    return 0;
}
