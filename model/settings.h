// The player's options: one global record that the simulation and the program
// read. The program fills it from its settings file at start-up and writes it
// back; nothing here touches the file.
#pragma once

#include <string>

// Every option, named after its INI key in lowerCamel case ([Zapasy] Wlaczone is
// zapasyWlaczone). The initial values are the defaults of a missing key.
struct Settings {
    // [Zegar]
    int interval = 780;                ///< Interval: real ms that S game seconds take (below 2 counts as 1)
    bool czasRzeczywisty = false;      ///< Czas_rzeczywisty: the clock runs at real time
    // [Opcje]
    bool pauzaZaznaczanie = true;      ///< Pauza_zaznaczanie: pause while a route is laid
    bool pauzaPodglad = false;         ///< Pauza_podglad: pause while the consist preview is open
    bool pauzaNieaktywne = true;       ///< Pauza_nieaktywne: pause while the program is inactive
    int rozkladPierwszych = 0;         ///< Rozklad_pierwszych: timetable window lists the first N trains, 0 = all
    bool stalyRozmiar = true;          ///< Staly_rozmiar: fixed size of the preview window
    bool utrudnienia = true;           ///< Utrudnienia: disruptions on
    bool podpowiedzi = true;           ///< Podpowiedzi: dispatcher hints on
    int autozapisMinut = 10;           ///< Autozapis_minut: autosave interval, 0 = off (0..120)
    // [Zapasy]
    bool zapasyWlaczone = true;        ///< Wlaczone: steam supplies simulated
    int wodaSekund = 60000;            ///< Woda_sekund (at least 3600)
    int wegielSekund = 90000;          ///< Wegiel_sekund (at least 3600)
    int paliwoSekund = 400000;         ///< Paliwo_sekund (at least 3600)
    int wygaszanieSekund = 14400;      ///< Wygaszanie_sekund (at least 0)
    int rozpalanieSekund = 28800;      ///< Rozpalanie_sekund (at least 0)
    // [Kolor], colours 0x00BBGGRR
    bool tlo = false;                  ///< Tlo: draw the station background picture
    int schematStacji = 0xFFFFFF;      ///< Schemat_stacji: station schematic background
    int przyjazdy = 0xFFFFFF;          ///< Przyjazdy: arrivals board background
    int odjazdy = 0xFFFFFF;            ///< Odjazdy: departures board background
    int podgladSkladow = 0xFFFFFF;     ///< Podglad_skladow: consist preview background
    // [Dzwieki]
    bool dzwiek = true;                            ///< Dzwiek: master switch of all sounds
    bool nowyPociag = true;                        ///< Nowy_pociag: a consist came in from a line
    std::string nowyPociagPlik = "Audio\\22.wav";  ///< Nowy_pociag_plik
    bool blad = true;                              ///< Blad: a command was refused
    std::string bladPlik = "Audio\\01.wav";        ///< Blad_plik
    bool mijanka = true;                           ///< Mijanka: a train asks for a line section
    std::string mijankaPlik = "Audio\\25.wav";     ///< Mijanka_plik
    bool odjazd = true;                            ///< Odjazd: more trains are due to depart
    std::string odjazdPlik = "Audio\\18.wav";      ///< Odjazd_plik
    bool pktKarne = false;                         ///< Pkt_karne: kept only, nothing plays it
    std::string pktKarnePlik;                      ///< Pkt_karne_plik
    bool opoznienie = true;                        ///< Opoznienie: the timetable update changed a time
    std::string opoznieniePlik = "Audio\\03.wav";  ///< Opoznienie_plik
    // [Widok], the percent keys held as fractions
    double szerokoscTablic = 0.14;     ///< Szerokosc_tablic: board width share (0.06..0.30)
    double wysokoscPodgladu = 0.16;    ///< Wysokosc_podgladu: train pane height share (0.08..0.40)
    double rozmiarSchematu = 1.0;      ///< Rozmiar_schematu: schematic zoom (0.2..3.0)
    double powiekszeniePodgladu = 1.0; ///< Powiekszenie_podgladu: picture zoom (0.5..3.0)
    bool caleSklady = false;           ///< Cale_sklady: whole consists on sidings and in the preview
    bool dopasujDoStacji = true;       ///< Dopasuj_do_stacji: fit the train pane to the station
    bool opisyTorow = true;            ///< Opisy_torow: labels on occupied tracks
    int wjazdyW = 0;                   ///< Wjazdy_w: entries and exits window width, 0 = none
    int wjazdyH = 0;                   ///< Wjazdy_h
    int rozkladW = 0;                  ///< Rozklad_w: timetable window width
    int rozkladH = 0;                  ///< Rozklad_h
    int lokomW = 0;                    ///< Lokom_w: depot window width
    int lokomH = 0;                    ///< Lokom_h
    int podgladW = 0;                  ///< Podglad_w: preview window width
    int podgladH = 0;                  ///< Podglad_h
    int bocznicaX = 0;                 ///< Bocznica_x: siding window rectangle
    int bocznicaY = 0;                 ///< Bocznica_y
    int bocznicaW = 0;                 ///< Bocznica_w
    int bocznicaH = 0;                 ///< Bocznica_h
};

extern Settings gSettings;

// The sounds of [Dzwieki], in the order of the file.
enum class Sound { kNewTrain, kError, kSection, kDeparture, kPenalty, kDelay };
bool& SoundFlag(Sound sound);          // its on/off setting
std::string& SoundFile(Sound sound);   // its file setting
