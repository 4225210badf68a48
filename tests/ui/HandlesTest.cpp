#include <gtest/gtest.h>

#include "ui/Handles.h"

namespace {
bool IsOpen(HANDLE handle)
{
    DWORD flags = 0;
    return ::GetHandleInformation(handle, &flags) != 0;
}
}  // namespace

TEST(Handles, OwnersCloseOnceAndMoveOwnership)
{
    HANDLE raw = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    {
        THandle owner(raw);
        ASSERT_TRUE(IsOpen(raw));
        THandle moved(std::move(owner));
        EXPECT_FALSE(owner);
        EXPECT_EQ(moved.get(), raw);
    }
    EXPECT_FALSE(IsOpen(raw)) << "closed at the end of the scope";

    TFileHandle file;
    EXPECT_FALSE(file) << "INVALID_HANDLE_VALUE owns nothing";

    HANDLE kept = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    {
        THandle owner(kept);
        EXPECT_EQ(owner.release(), kept);
    }
    EXPECT_TRUE(IsOpen(kept)) << "released handles are not closed";
    ::CloseHandle(kept);
}

TEST(Handles, GdiObjectsAreDeleted)
{
    HBRUSH raw = ::CreateSolidBrush(RGB(1, 2, 3));
    {
        TGdiObject<HBRUSH> brush(raw);
        EXPECT_EQ(::GetObjectType(raw), static_cast<DWORD>(OBJ_BRUSH));
    }
    EXPECT_EQ(::GetObjectType(raw), 0u);
}
