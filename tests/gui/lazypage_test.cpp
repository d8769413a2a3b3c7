// A page slot of the main window: builds its page once, when asked for or
// first shown, with the program's state of that moment and the slot's size.

#include "shell/lazypage.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <vector>

using namespace tolvane;

namespace {

// A page that shows a number of the "program" on every refresh.
class NumberPage : public PageWidget {
public:
    NumberPage(const int& state, QWidget* parent) : PageWidget(parent), state_(state) {}
    void refresh() override { shown = state_; }
    int shown = -1;

private:
    const int& state_;
};

class LazyPageTest : public ::testing::Test {
protected:
    int state = 1;
    int builds = 0;
    std::vector<PageWidget*> heard;
    LazyPage slot{[this](QWidget* parent) {
                      ++builds;
                      return new NumberPage(state, parent);
                  },
                  [this](PageWidget* page) { heard.push_back(page); }};

    NumberPage* built() { return static_cast<NumberPage*>(slot.page()); }
};

TEST_F(LazyPageTest, APageAskedForWhileHiddenShowsTheStateThenAndTheSlotsSize)
{
    slot.resize(300, 200);
    slot.refresh();
    EXPECT_EQ(builds, 0);
    EXPECT_FALSE(slot.isBuilt());

    state = 2;
    NumberPage* page = built();
    EXPECT_EQ(builds, 1);
    EXPECT_EQ(page->shown, 2);
    EXPECT_EQ(page->parentWidget(), &slot);
    EXPECT_EQ(page->geometry(), QRect(0, 0, 300, 200));
    EXPECT_EQ(heard, std::vector<PageWidget*>{page});
    EXPECT_EQ(built(), page);
    EXPECT_EQ(builds, 1);

    state = 3;
    slot.refresh();
    EXPECT_EQ(page->shown, 3);

    // Resized while hidden, shown later: the page fills the slot then.
    slot.resize(400, 250);
    slot.show();
    EXPECT_TRUE(page->isVisible());
    EXPECT_EQ(page->geometry(), QRect(0, 0, 400, 250));
    slot.resize(420, 260);
    EXPECT_EQ(page->geometry(), QRect(0, 0, 420, 260));

    int changes = 0;
    QObject::connect(&slot, &PageWidget::stateChanged, [&changes] { ++changes; });
    emit page->stateChanged();
    EXPECT_EQ(changes, 1);
}

TEST_F(LazyPageTest, APageFirstShownIsVisibleAndFillsTheSlot)
{
    slot.resize(300, 200);
    state = 5;
    slot.show();
    ASSERT_TRUE(slot.isBuilt());
    EXPECT_EQ(builds, 1);
    EXPECT_EQ(built()->shown, 5);
    EXPECT_TRUE(built()->isVisible());
    EXPECT_EQ(built()->geometry(), QRect(0, 0, 300, 200));
}

} // namespace
