// The station chooser's window-free decisions: the search that ignores case
// and Polish diacritics, the lines and texts it shows, the timetable a choice
// yields and the station file its thumbnail comes from.
#pragma once

#include <cstdint>
#include <string>

#include "sources/station_catalogue.h"

// Lowered text with the Polish letters folded to their plain partners.
std::wstring FoldPolishLower(const std::wstring& text);

// Whether the folded filter occurs in the folded name; an empty one always does.
bool StationMatchesFilter(const std::wstring& name, const std::wstring& filter);

// "<layout>  (<count> rozkład<ending>)" for the layouts list.
std::wstring LayoutLineText(const LayoutEntry& layout);

// The timetable a choice yields: the layout's newest when layoutIndex names
// one of the station's layouts, else the station's newest.
std::wstring ChosenTimetable(const StationEntry& station, int32_t layoutIndex);

// The information under the thumbnail for the chosen timetable of a station.
std::wstring StationInfoText(const StationEntry& station, const std::wstring& timetable);

// The station file beside a timetable that its second line names; empty when
// there is none, or when the name would lead out of the timetable's folder.
std::wstring LayoutStationFile(const std::wstring& timetable);

// A list selection moved by delta from current (-1: none), kept within the
// count items; -1 when the list is empty.
int32_t MovedSelection(int32_t current, int32_t delta, int32_t count);
