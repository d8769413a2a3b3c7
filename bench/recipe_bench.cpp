// A full recipe (20 ingredients, 2000 characters of instructions): "&Save
// Recipe" through the atomic save against a raw write + fsync of the same 4187
// bytes, "&Load Recipe" (read, check, rebuild list and totals) against a raw
// read, and building the recipe by 20 drops and emptying it on the trash can.
//   recipe_bench [rounds]   run in a scratch directory

#include "menu_bench_support.h"

#include "recipes/recipes.h"
#include "food/foodlist.h"
#include "shell/filechoice.h"
#include "shell/program.h"
#include "shell/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {
// Answers every file dialog with one file name, and Yes when a save into it
// asks whether to create it (the save dialog comes back until Yes or No).
class FileUi : public menubench::SilentUi {
public:
    QString file;
    std::optional<QString> openFile(const tolvane::FileDialogRequest&) override { return file; }
    std::optional<QString> saveFile(const tolvane::FileDialogRequest&) override { return file; }
    tolvane::Button showMessage(const tolvane::Message& message) override
    {
        if (message.text == tolvane::createFileQuestion(QFileInfo(file).fileName()))
            return tolvane::Button::Yes;
        return SilentUi::showMessage(message);
    }
};

void fill(tolvane::Recipes& recipes)
{
    for (int i = 0; i < tolvane::RecipeCapacity; ++i) {
        recipes.setFoodServingsText(QString::number(1 + i % 5));
        recipes.dropOnIngredientList({tolvane::DragSource::RecipeFoodList, i % 3});
    }
}
} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 30;
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/bench-XXXXXX"));
    FileUi ui;
    ui.file = dir.filePath(QStringLiteral("full.rcp"));
    tolvane::SettingsStore settings(dir.filePath(QStringLiteral("Tolvane.conf")));
    tolvane::Program program(ui, settings, dir.path());
    tolvane::FoodList foods(program, ui);
    tolvane::Recipes recipes(program, foods);
    foods.foodTable().assign({menubench::item(1), menubench::item(2), menubench::item(3)});

    std::vector<double> edit;
    std::vector<double> save;
    std::vector<double> rawWrite;
    std::vector<double> load;
    std::vector<double> rawRead;
    const QByteArray rawPath = dir.filePath(QStringLiteral("raw.rcp")).toLocal8Bit();
    QString text;
    for (int i = 0; i < tolvane::InstructionsCapacity; ++i)
        text.append(i % 60 == 59 ? QLatin1Char('\n') : QLatin1Char('a' + static_cast<char>(i % 26)));
    for (int r = 0; r < rounds; ++r) {
        double t = menubench::nowMs();
        fill(recipes);
        while (recipes.count() > 0)
            recipes.dropOnTrash({tolvane::DragSource::IngredientList, 0});
        edit.push_back(menubench::nowMs() - t);
        fill(recipes);
        recipes.setInstructions(text);

        t = menubench::nowMs();
        if (recipes.save() != tolvane::Recipes::SaveOutcome::Saved)
            return 1;
        save.push_back(menubench::nowMs() - t);

        const QByteArray bytes = tolvane::writeRecipeImage(*recipes.image());
        t = menubench::nowMs();
        const int fd = ::open(rawPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0 || ::write(fd, bytes.constData(), static_cast<size_t>(bytes.size())) != bytes.size() ||
            ::fsync(fd) != 0)
            return 1;
        ::close(fd);
        rawWrite.push_back(menubench::nowMs() - t);

        // The recipe has ingredients: the question is answered (OK, not Yes) and it is cleared.
        t = menubench::nowMs();
        recipes.load();
        load.push_back(menubench::nowMs() - t);
        if (recipes.count() != tolvane::RecipeCapacity)
            return 1;

        t = menubench::nowMs();
        QFile raw(QString::fromLocal8Bit(rawPath));
        if (!raw.open(QIODevice::ReadOnly) || raw.readAll().size() != tolvane::RecipeFileSize)
            return 1;
        rawRead.push_back(menubench::nowMs() - t);
        recipes.clear();
    }
    const double s = menubench::median(save);
    const double w = menubench::median(rawWrite);
    const double l = menubench::median(load);
    const double rr = menubench::median(rawRead);
    std::printf("recipe file (%d bytes), median of %d:\n"
                "  20 drops + 20 trash-can drops %.3f ms\n"
                "  save %.3f ms, raw write+fsync %.3f ms, ratio %.2f\n"
                "  load %.3f ms, raw read %.3f ms, ratio %.2f\n",
                tolvane::RecipeFileSize, rounds, menubench::median(edit), s, w, w > 0 ? s / w : 0.0, l, rr,
                rr > 0 ? l / rr : 0.0);
    return 0;
}
