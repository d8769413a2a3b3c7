// The paper a printout uses when no printer queue names one: the paper of the
// user's locale.

#include "printing/localepaper.h"
#include "printing/runprinter.h"

#include <QPageLayout>
#include <QPrinter>
#include <gtest/gtest.h>
#include <utility>

using namespace tolvane;

TEST(LocalePaper, LetterInTheUnitedStatesAndCanadaA4Elsewhere)
{
    const struct {
        const char* locale;
        Paper paper;
    } cases[] = {{"en_US", Paper::Letter}, {"es_US", Paper::Letter}, {"en_CA", Paper::Letter},
                 {"fr_CA", Paper::Letter}, {"en_GB", Paper::A4},     {"de_DE", Paper::A4},
                 {"ja_JP", Paper::A4},     {"fr_FR", Paper::A4},     {"C", Paper::A4}};
    for (const auto& c : cases)
        EXPECT_EQ(localePaper(QLocale(QString::fromLatin1(c.locale))), c.paper) << c.locale;
}

TEST(LocalePaper, APrinterWithoutAQueueStartsOnTheLocalesPaper)
{
    // The tests point CUPS at a socket that does not exist: no queue.
    for (const auto& [locale, size] : {std::pair{"en_US", QPageSize::Letter}, std::pair{"de_DE", QPageSize::A4},
                                        std::pair{"en_CA", QPageSize::Letter}, std::pair{"ja_JP", QPageSize::A4}}) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::Legal));  // neither
        useDefaultPaper(printer, QLocale(QString::fromLatin1(locale)));
        EXPECT_EQ(printer.pageLayout().pageSize().id(), size) << locale;
    }
}

TEST(LocalePaper, TheRunsPrinterStartsOnTheSystemLocalesPaper)
{
    const QPageSize::PageSizeId expected =
        localePaper(QLocale::system()) == Paper::Letter ? QPageSize::Letter : QPageSize::A4;
    // ctest runs each test in a process of its own: the run's printer is new here.
    EXPECT_EQ(RunPrinter::instance().printer().pageLayout().pageSize().id(), expected)
        << QLocale::system().name().toStdString();
}
