#pragma once
// Small helpers shared by the benchmarks: timing, medians, peak memory, and a
// user who answers every question at once and shows nothing.

#include "printing/printsurface.h"
#include "app/appuserinterface.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <sys/resource.h>

namespace bench {

class SilentUi : public tolvane::AppUserInterface {
public:
    explicit SilentUi(tolvane::Button answer = tolvane::Button::Ok) : answer_(answer) {}
    int messages = 0;
    tolvane::Button showMessage(const tolvane::Message&) override
    {
        ++messages;
        return answer_;
    }
    std::optional<QString> openFile(const tolvane::FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> saveFile(const tolvane::FileDialogRequest&) override { return std::nullopt; }
    void setBusy(bool) override {}
    void showAbout() override {}
    void closeMainWindow() override {}
    void endProgram(int) override {}
    bool editFoodItem(tolvane::FoodItemForm&) override { return false; }
    void showHelpTopic(int) override {}
    void beginProgress(const QString&, int) override {}
    void setProgress(int) override {}
    void endProgress() override {}
    void beginImportProgress(const QString&, const QString&, int) override {}
    bool advanceImportProgress(int) override { return true; }
    void endImportProgress() override {}
    bool addActivity(tolvane::ActivityForm&) override { return false; }
    bool editTargetSplit(tolvane::TargetSplitForm&) override { return false; }
    std::optional<QString> askTitle(const tolvane::TitlePrompt&) override { return std::nullopt; }
    bool printerInstalled() override { return false; }
    std::unique_ptr<tolvane::PrintJob> beginPrintJob(tolvane::PageOrientation, const QString&) override
    {
        return nullptr;
    }
    std::unique_ptr<tolvane::PrintJob> beginPdfJob(const QString&, tolvane::PageOrientation, const QString&) override
    {
        return nullptr;
    }
    void showPrintPreview(const tolvane::PreviewRequest&) override {}
    void printSetup() override {}
    void closePrintPreview() override {}
    void showTutor(tolvane::Tutor&) override {}
    void showInformation(tolvane::Information&) override {}
    void focusServings() override {}
    void showAddFromUsda(tolvane::AddFromUsda&) override {}
    void showNutrients(tolvane::NutrientView&) override {}
    std::optional<int> chooseItem(const tolvane::ChoiceRequest&) override { return std::nullopt; }
    std::optional<std::vector<int>> chooseSeveral(const tolvane::ChoiceRequest&) override { return std::nullopt; }

private:
    tolvane::Button answer_;
};

inline double nowMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

// Peak resident memory of this process so far, in KiB.
// The one-minute load average, which says how quiet the machine was.
inline double loadAverage()
{
    double load = -1;
    return getloadavg(&load, 1) == 1 ? load : -1;
}

inline long peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace bench
