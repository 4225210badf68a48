// Starts the real program and looks at what it shows.
#include <gtest/gtest.h>

#include "tests/support/WinTestSupport.h"

namespace {

std::string ProgramCommandLine()
{
    return "\"" + TestProgramFolder() + "Tavorin.exe\"";
}

HWND WaitForMenuWindow(const TChildProcess& program)
{
    HWND found = nullptr;
    WaitUntil([&] {
        const auto windows = TopLevelWindowsOf(program.Id(), "TavorinForm");
        found = windows.empty() ? nullptr : windows.front();
        return found && ::IsWindowVisible(found);
    });
    return found;
}

bool MutexExists()
{
    THandle mutex(::OpenMutexA(SYNCHRONIZE, FALSE, "TavorinMutex"));
    return static_cast<bool>(mutex);
}

}  // namespace

TEST(Startup, MenuCoversTheScreenAndTwoCopiesRunSideBySide)
{
    ASSERT_FALSE(MutexExists()) << "another copy is running";

    TChildProcess first(ProgramCommandLine());
    HWND firstMenu = WaitForMenuWindow(first);
    ASSERT_NE(firstMenu, nullptr) << "no visible window \"TavorinForm\"";

    RECT rect;
    ::GetWindowRect(firstMenu, &rect);
    const RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    EXPECT_EQ(rect.left, screen.left);
    EXPECT_EQ(rect.top, screen.top);
    EXPECT_EQ(rect.right, screen.right);
    EXPECT_EQ(rect.bottom, screen.bottom);
    const LONG style = ::GetWindowLongA(firstMenu, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER), 0) << "borderless";
    char className[64] = {};
    ::GetClassNameA(firstMenu, className, sizeof className);
    EXPECT_STREQ(className, "TTavorinForm");
    EXPECT_TRUE(MutexExists());

    // Without a configuration the menu shows the button-face colour, edge to edge.
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const auto screenPixel = [](int x, int y) {
        TScopedGetDC dc(nullptr);
        return ::GetPixel(dc.get(), x, y);
    };
    EXPECT_TRUE(WaitUntil([&] { return screenPixel(screen.right / 2, screen.bottom / 2) == face; }));
    EXPECT_EQ(screenPixel(0, 0), face);
    EXPECT_EQ(screenPixel(screen.right - 1, screen.bottom - 1), face);

    TChildProcess second(ProgramCommandLine());
    HWND secondMenu = WaitForMenuWindow(second);
    ASSERT_NE(secondMenu, nullptr) << "the second copy shows no menu";
    EXPECT_NE(secondMenu, firstMenu);
    EXPECT_TRUE(::IsWindow(firstMenu)) << "the first copy is still there";

    ::PostMessageA(firstMenu, WM_CLOSE, 0, 0);
    ::PostMessageA(secondMenu, WM_CLOSE, 0, 0);
    EXPECT_EQ(first.WaitForExit(), 0u);
    EXPECT_EQ(second.WaitForExit(), 0u);
    EXPECT_FALSE(MutexExists()) << "the mutex lives only as long as the program";
}
