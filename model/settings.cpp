// The option record and the sounds' view of it.
#include "model/settings.h"

Settings gSettings;

namespace {

struct Sounds {
    bool Settings::*flag;         ///< on/off key
    std::string Settings::*file;  ///< file key
};
const Sounds kSounds[] = {
    {&Settings::nowyPociag, &Settings::nowyPociagPlik}, {&Settings::blad, &Settings::bladPlik},
    {&Settings::mijanka, &Settings::mijankaPlik},       {&Settings::odjazd, &Settings::odjazdPlik},
    {&Settings::pktKarne, &Settings::pktKarnePlik},     {&Settings::opoznienie, &Settings::opoznieniePlik},
};

}  // namespace

bool& SoundFlag(Sound sound) { return gSettings.*kSounds[static_cast<int>(sound)].flag; }

std::string& SoundFile(Sound sound) { return gSettings.*kSounds[static_cast<int>(sound)].file; }
