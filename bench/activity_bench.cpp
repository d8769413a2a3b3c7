// The activity table at its largest (100 activities):
//   - start-up (App built, formCreate run) with a full "activity.db" against
//     the same start-up without one;
//   - the table's load against a raw read of the same bytes;
//   - the write at close against a raw write of the same bytes.
//   activity_bench [rounds]   run in a scratch directory (a temporary one is made)
// Prints medians in milliseconds.

#include "bench_util.h"

#include "activity/activityplanner.h"
#include "activity/activitytexts.h"
#include "app/app.h"
#include "app/qtuserinterface.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
// Start-up warns about the missing food table and menu: answered at once.
class NoWaitUi : public tolvane::QtUserInterface {
public:
    tolvane::Button showMessage(const tolvane::Message&) override { return tolvane::Button::Ok; }
};

QByteArray fullTable()
{
    std::vector<tolvane::ActivityRecord> records;
    for (int i = 0; i < tolvane::MaxActivities; ++i) {
        tolvane::ActivityRecord record;
        record.setName(QStringLiteral("Activity number %1").arg(i, 3, 10, QLatin1Char('0')));
        record.setCaloriesPerHour(100 + 7 * i);
        records.push_back(record);
    }
    return tolvane::activityImage(records);
}

double startUp(const QString& workDir)
{
    NoWaitUi ui;
    tolvane::SettingsStore settings(QDir(workDir).filePath(QStringLiteral("bench-settings.conf")));
    const double t0 = bench::nowMs();
    tolvane::App app(ui, settings, workDir);
    app.program.formCreate();
    return bench::nowMs() - t0;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    QTemporaryDir fullDir;
    QTemporaryDir emptyDir;
    const QByteArray bytes = fullTable();
    const QString path = QDir(fullDir.path()).filePath(tolvane::ActivityFileName);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return 1;
    }

    std::vector<double> withTable, withoutTable, load, rawRead, save, rawWrite;
    NoWaitUi ui;
    tolvane::SettingsStore settings(QDir(fullDir.path()).filePath(QStringLiteral("bench-settings.conf")));
    tolvane::App app(ui, settings, fullDir.path());
    for (int r = 0; r < rounds; ++r) {
        withTable.push_back(startUp(fullDir.path()));
        withoutTable.push_back(startUp(emptyDir.path()));

        double t0 = bench::nowMs();
        app.activity.loadActivityTable();
        load.push_back(bench::nowMs() - t0);
        if (app.activity.count() != tolvane::MaxActivities)
            return 1;

        t0 = bench::nowMs();
        QFile in(path);
        if (!in.open(QIODevice::ReadOnly) || in.read(tolvane::ActivityFileReadLimit).size() != bytes.size())
            return 1;
        in.close();
        rawRead.push_back(bench::nowMs() - t0);

        t0 = bench::nowMs();
        if (!app.activity.saveActivityTable())
            return 1;
        save.push_back(bench::nowMs() - t0);

        t0 = bench::nowMs();
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            return 1;
        out.close();
        rawWrite.push_back(bench::nowMs() - t0);
    }
    std::printf("rounds %d, %d activities, %lld bytes\n", rounds, tolvane::MaxActivities,
                static_cast<long long>(bytes.size()));
    std::printf("start-up with full activity.db  %.3f ms\n", bench::median(withTable));
    std::printf("start-up without activity.db    %.3f ms\n", bench::median(withoutTable));
    std::printf("load full table                 %.3f ms (raw read %.3f ms)\n", bench::median(load),
                bench::median(rawRead));
    std::printf("save full table at close        %.3f ms (raw write %.3f ms)\n", bench::median(save),
                bench::median(rawWrite));
    std::printf("peak memory                     %ld KiB\n", bench::peakKiB());
    return 0;
}
