// A main window as start-up makes it, with fresh settings and no game; it is
// destroyed at the end (its WM_DESTROY writes the settings nowhere: the
// private-profile calls are not plugged in here).
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "support/fresh_ui_state.h"
#include "ui/win32/main_window.h"
#include "ui/win32/panes.h"

class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        FreshUiState();
        savedServices_ = gWindowServices;
        HINSTANCE instance = GetModuleHandleA(nullptr);
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
        ASSERT_TRUE(RegisterPaneClasses(instance));
        ASSERT_TRUE(RegisterMainWindowClass(instance));
        window_ = CreateMainWindow(instance);
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override
    {
        if (IsWindow(window_)) DestroyWindow(window_);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {}
        gWindowServices = savedServices_;
        gGameHooks = kNoGameHooks;
        gUi = UiFlags();
        gDraggedSplitter = 0;
    }
    void Command(int id) { SendMessageA(window_, WM_COMMAND, static_cast<WPARAM>(id), 0); }

    HWND window_ = nullptr;

private:
    WindowServices savedServices_{};
};
