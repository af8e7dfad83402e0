// The game folder, set by start-up.
#include "sources/game_folder.h"

std::string gGameFolder;
