// The API key dialog ("Klucz do API PLK"): the player pastes the key to the
// open-data API, which is saved in "klucz-api.txt" in the game folder.
#pragma once

#include <windows.h>

#include <string>

// True only when a key was entered, became key and was written to the key
// file; a file that cannot be created is reported.
bool AskApiKey(HWND owner, std::string& key);
INT_PTR CALLBACK ApiKeyDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The key dialog's message boxes (MessageBoxCp1250); tests record them.
extern int (*gApiKeyMessageBox)(HWND owner, const char* text, const char* caption, UINT type);
