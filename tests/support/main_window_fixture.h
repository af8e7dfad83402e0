// A main window as start-up makes it, with fresh settings, no game and its
// hooks plugged in for the layers below; it is destroyed at the end (its
// WM_DESTROY writes the settings nowhere: the private-profile calls are not
// plugged in here). The game files' message boxes answer No at once, so the
// save question at the end never waits.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "support/fresh_ui_state.h"
#include "ui/autosave.h"
#include "ui/win32/game_files.h"
#include "ui/win32/main_window.h"
#include "ui/win32/panes.h"
#include "ui/win32/status_bar.h"

// What a part of the status bar shows, in code page 1250.
inline std::string StatusText(int part)
{
    LRESULT length = LOWORD(SendMessageW(gStatusBar, SB_GETTEXTLENGTHW, static_cast<WPARAM>(part), 0));
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(gStatusBar, SB_GETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(&wide[0]));
    char text[512] = {};
    WideCharToMultiByte(1250, 0, wide.c_str(), -1, text, sizeof text, nullptr, nullptr);
    return text;
}

class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        FreshUiState();
        savedHooks_ = SetNotifyHooks(kMainWindowHooks);
        ResetAutosaveBase();  // no autosave falls due within a test
        savedServices_ = gWindowServices;
        savedMessageBox_ = gGameFilesMessageBox;
        gGameFilesMessageBox = [](HWND, const char*, const char*, UINT) { return IDNO; };
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
        gGameFilesMessageBox = savedMessageBox_;
        SetNotifyHooks(savedHooks_);
        gUi = UiFlags();
        gDraggedSplitter = 0;
    }
    void Command(int id) { SendMessageA(window_, WM_COMMAND, static_cast<WPARAM>(id), 0); }

    HWND window_ = nullptr;

private:
    WindowServices savedServices_{};
    NotifyHooks savedHooks_{};
    int (*savedMessageBox_)(HWND, const char*, const char*, UINT) = nullptr;
};
