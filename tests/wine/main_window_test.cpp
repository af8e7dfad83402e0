#include <gtest/gtest.h>

#include <cstring>

#include "ui/win32/main_window.h"

namespace {

TEST(MainWindow, CreatedWithItsClassTitleAndSize)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    ASSERT_TRUE(RegisterMainWindowClass(instance));
    ASSERT_TRUE(RegisterMainWindowClass(instance));  // a second registration is harmless
    HWND hwnd = CreateMainWindow(instance);
    ASSERT_NE(hwnd, nullptr);

    char text[128] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    EXPECT_STREQ(text, "Semarion Win32 port - Phase 1");
    GetClassNameA(hwnd, text, sizeof text);
    EXPECT_STREQ(text, "SemarionMainWindow");
    RECT rect;
    GetWindowRect(hwnd, &rect);
    EXPECT_EQ(rect.right - rect.left, 900);
    EXPECT_EQ(rect.bottom - rect.top, 600);

    DestroyWindow(hwnd);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 0u);
}

TEST(CodePage, PolishLiteralsAreCp1250AndWidenRight)
{
    EXPECT_EQ(GetACP(), 1250u);
    const char text[] = "Dyżurny ruchu: łódź";
    EXPECT_EQ(static_cast<unsigned char>(text[2]), 0xBF);  // ż in CP1250
    wchar_t wide[32] = {};
    MultiByteToWideChar(1250, 0, text, -1, wide, 32);
    EXPECT_EQ(wide[2], L'\u017C');
    EXPECT_EQ(wide[15], L'\u0142');
    EXPECT_EQ(wide[16], L'\u00F3');
}

}  // namespace
