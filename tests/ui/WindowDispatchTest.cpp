#include <gtest/gtest.h>

#include "base/Exception.h"
#include "tests/support/WinTestSupport.h"
#include "ui/Application.h"
#include "ui/MessageBoxes.h"
#include "ui/Window.h"

namespace {

constexpr UINT kFail = WM_APP + 1;
constexpr UINT kCount = WM_APP + 2;

class TFailingWindow : public TWindow {
public:
    explicit TFailingWindow(bool failOnCreate) : failOnCreate_(failOnCreate)
    {
        CreateHandle({.className = "TavorinTestFailingWindow"}, {.text = "failing", .style = WS_POPUP});
    }
    std::string failure;
    int counted = 0;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CREATE && failOnCreate_)
            throw Exception("Creation failed");
        if (message == kFail)
            throw Exception(failure);
        if (message == kCount)
            return ++counted;
        return TWindow::HandleMessage(message, wParam, lParam);
    }

private:
    bool failOnCreate_;
};

class WindowDispatch : public ::testing::Test {
protected:
    void SetUp() override { Application.Title = "Tavorin"; }
};

}  // namespace

TEST_F(WindowDispatch, EscapingErrorsReachTheErrorBoxAndTheWindowGoesOn)
{
    TMessageBoxWatcher boxes;
    TFailingWindow window(false);
    ASSERT_NE(window.Handle(), nullptr);

    for (const char* message : {"Bad thing", "Stopped!"}) {
        window.failure = message;
        EXPECT_EQ(::SendMessageA(window.Handle(), kFail, 0, 0), 0);
    }
    EXPECT_EQ(::SendMessageA(window.Handle(), kCount, 0, 0), 1) << "the window still handles messages";
    ASSERT_TRUE(WaitUntil([&] { return boxes.Texts().size() == 2; }));
    EXPECT_EQ(boxes.Texts()[0], "Bad thing.");
    EXPECT_EQ(boxes.Texts()[1], "Stopped!");
}

TEST_F(WindowDispatch, ErrorInTheCreationHandlerLeavesTheWindowCreated)
{
    TMessageBoxWatcher boxes;
    TFailingWindow window(true);
    EXPECT_TRUE(::IsWindow(window.Handle()));
    ASSERT_TRUE(WaitUntil([&] { return !boxes.Texts().empty(); }));
    EXPECT_EQ(boxes.Texts()[0], "Creation failed.");
}

TEST_F(WindowDispatch, NoticesAreCaptionedWithTheTitle)
{
    TMessageBoxWatcher boxes("Tavorin");
    ShowNotice("Bad Password");
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0], "Bad Password");
}

TEST_F(WindowDispatch, GuardedCallbacksReportAndReturnFalse)
{
    TMessageBoxWatcher boxes;
    EXPECT_TRUE(Guarded([] {}));
    EXPECT_FALSE(Guarded([] { throw std::runtime_error("Hook callback failed"); }));
    ASSERT_TRUE(WaitUntil([&] { return !boxes.Texts().empty(); }));
    EXPECT_EQ(boxes.Texts()[0], "Hook callback failed.");
}
