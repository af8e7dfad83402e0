// Sound playing through PlaySoundA.
#include "ui/win32/sound_player.h"

#include <windows.h>

#include <mmsystem.h>

#include "sources/win32/text_cp1250.h"
#include "ui/win32/main_window.h"
#include "ui/win32/settings_file.h"

const char kSoundErrorText[] = "Błąd podczas odtwarzania dźwięku. Dzwiek zostaje wylaczony.";

void PlaySoundIfEnabled(bool& flag, const std::string& file, const char* errorText)
{
    if (!gSettings.dzwiek || !flag || file.empty()) return;
    // An asynchronous PlaySound reports success before it has looked for the
    // file: a file that is not there would otherwise fail in silence, each time.
    const std::string path = ResolveDataPath(file);
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES &&
        PlaySoundA(path.c_str(), nullptr, SND_ASYNC | SND_FILENAME))
        return;
    flag = false;
    MessageBoxCp1250(gMainWindow, errorText, "Błąd odtwarzania dźwięku", MB_OK);
}

void PlayGameSound(Sound sound) { PlaySoundIfEnabled(SoundFlag(sound), SoundFile(sound), kSoundErrorText); }
