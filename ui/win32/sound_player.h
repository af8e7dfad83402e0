// The game's sounds, played asynchronously from their files.
#pragma once

#include <string>

#include "ui/settings.h"

extern const char kSoundErrorText[];  // shown once when a sound cannot play

// Plays the file when sounds are on and the flag is set; when playing fails
// (the file cannot be found, or PlaySound refuses it) the flag is cleared
// (that sound is off from then on) and errorText shown.
void PlaySoundIfEnabled(bool& flag, const std::string& file, const char* errorText);
void PlayGameSound(Sound sound);
