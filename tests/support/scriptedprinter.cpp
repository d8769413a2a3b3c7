#include "scriptedui.h"

#include <gtest/gtest.h>

namespace tolvane::test {

std::optional<QString> ScriptedUi::askTitle(const TitlePrompt& prompt)
{
    titlePrompts.push_back(prompt);
    if (titleAnswers.empty())
        return prompt.initialTitle;
    auto answer = titleAnswers.front();
    titleAnswers.pop_front();
    return answer;
}

std::unique_ptr<PrintJob> ScriptedUi::beginPrintJob(PageOrientation orientation, const QString& documentTitle)
{
    // The program asks whether a printer is there before it prints on one.
    EXPECT_TRUE(printerAvailable);
    return beginPdfJob(QString(), orientation, documentTitle);
}

std::unique_ptr<PrintJob> ScriptedUi::beginPdfJob(const QString& fileName, PageOrientation orientation,
                                                  const QString& documentTitle)
{
    if (!jobsStart)
        return nullptr;
    auto record = std::make_shared<PrintRecord>();
    record->orientation = orientation;
    record->documentTitle = documentTitle;
    record->page = printerPage;
    record->pdfFile = fileName;
    record->endSucceeds = jobsEnd;
    prints.push_back(record);
    return std::make_unique<RecordingPrintJob>(record);
}

void ScriptedUi::showPrintPreview(const PreviewRequest& request)
{
    auto record = std::make_shared<PreviewRecord>();
    record->request = request;
    previews.push_back(record);
    request.draw(record->canvas);
}

} // namespace tolvane::test
