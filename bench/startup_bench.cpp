// Start-up to the shown main window with a full 2000-item food table, against a
// bare Qt window of the same size. One start per process:
//   startup_bench tolvane <workdir>   the program's own start
//   startup_bench bare                an empty QWidget of the same client size
//   startup_bench plain               plain Qt widgets of the same kinds: a menu bar,
//                                     six tabs and a list of 2000 names (Qt's own floor)
//   startup_bench remember <workdir> <weight file>
//                                     keeps the weight file as the last one used, so
//                                     that the next starts load it (not timed)
// Prints "<mode> <ms to exposed> <peak KiB> <processor ms>"; tools/bench.sh runs
// them interleaved and compares. The program's start also tells on stderr how
// long the work it leaves until after the window (the last weight file, the
// automatic backup) took, and the peak memory after it.

#include "bench_util.h"

#include "food/foodtable.h"
#include "app/app.h"
#include "app/mainwindow.h"
#include "app/qtuserinterface.h"
#include "guide/tutor.h"
#include "shell/preferences.h"
#include "shell/settingsstore.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QTabWidget>
#include <QWidget>
#include <QWindow>
#include <cstring>

#include <time.h>

namespace {
// A full table is announced with a message box and a first start opens the
// tutor and the information window; the benchmark answers them at once so
// that only the program's own work is timed (a modal loop would never end).
class NoWaitUi : public tolvane::QtUserInterface {
public:
    tolvane::Button showMessage(const tolvane::Message&) override { return tolvane::Button::Ok; }
    void showTutor(tolvane::Tutor& tutor) override
    {
        if (tutor.isOpen())
            tutor.pressCancel();
    }
    void showInformation(tolvane::Information&) override {}
};

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

void waitUntilExposed(QWidget& w)
{
    while (!w.windowHandle() || !w.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    QCoreApplication::processEvents();
}
} // namespace

int main(int argc, char** argv)
{
    const double start = bench::nowMs();
    if (argc < 2)
        return 2;
    if (std::strcmp(argv[1], "remember") == 0 && argc > 3) {
        QCoreApplication application(argc, argv);
        tolvane::SettingsStore settings(QDir(QString::fromLocal8Bit(argv[2])).filePath(QStringLiteral("bench-settings.conf")));
        tolvane::Preferences(settings, QString()).setLastWeightFile(QString::fromLocal8Bit(argv[3]));
        return 0;
    }
    const bool bare = std::strcmp(argv[1], "bare") == 0;
    const bool plain = std::strcmp(argv[1], "plain") == 0;
    QApplication application(argc, argv);
    double shown = 0;
    double shownCpu = 0;
    if (plain) {
        QMainWindow window;
        auto* client = new QWidget;
        client->setFixedSize(632, 426);
        window.setCentralWidget(client);
        for (const char* m : {"&Main", "&Food Item", "&Menu", "&Recipe", "&Weight", "&Activity", "&Print", "&Help"})
            window.menuBar()->addMenu(QString::fromLatin1(m))->addAction(QStringLiteral("Item"));
        auto* tabs = new QTabWidget(client);
        tabs->setGeometry(4, 32, 626, 390);
        for (int i = 0; i < 6; ++i)
            tabs->addTab(new QWidget, QStringLiteral("Page %1").arg(i));
        auto* list = new QListWidget(tabs->widget(0));
        list->setGeometry(4, 4, 221, 221);
        for (int i = 0; i < 2000; ++i)
            list->addItem(QStringLiteral("Food item %1").arg(i, 4, 10, QLatin1Char('0')));
        window.show();
        waitUntilExposed(window);
        shown = bench::nowMs();
        shownCpu = cpuMs();
    } else if (bare) {
        QWidget window;
        window.setFixedSize(632, 426);
        window.show();
        waitUntilExposed(window);
        shown = bench::nowMs();
        shownCpu = cpuMs();
    } else {
        const QString workDir = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QDir::currentPath();
        NoWaitUi ui;
        tolvane::SettingsStore settings(QDir(workDir).filePath(QStringLiteral("bench-settings.conf")));
        const double t0 = bench::nowMs();
        tolvane::App app(ui, settings, workDir);
        tolvane::MainWindow window(app);
        ui.setParent(&window);
        const double t1 = bench::nowMs();
        if (!app.program.formCreate().ok)
            return 1;
        const double t2 = bench::nowMs();
        window.applyStartPosition();
        window.show();
        waitUntilExposed(window);
        shown = bench::nowMs();
        shownCpu = cpuMs();
        std::fprintf(stderr, "  application %.2f ms, windows %.2f ms, data files %.2f ms, first show %.2f ms\n",
                     t0 - start, t1 - t0, t2 - t1, shown - t2);
        // What waits for the window: done once the backup's thread has ended.
        const long shownKiB = bench::peakKiB();
        QCoreApplication::processEvents();
        while (app.backups.automaticBackupRunning())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        std::fprintf(stderr, "  after the window: %.2f ms more (%d weight rows), peak %ld KiB\n", bench::nowMs() - shown,
                     app.weight.log().rowCount() - 1, bench::peakKiB());
        std::printf("%s %.2f %ld %.2f\n", argv[1], shown - start, shownKiB, shownCpu);
        return 0;
        if (app.foods.foodTable().count() != 2000)
            std::fprintf(stderr, "warning: %d food items loaded\n", app.foods.foodTable().count());
    }
    std::printf("%s %.2f %ld %.2f\n", argv[1], shown - start, bench::peakKiB(), shownCpu);
    return 0;
}
