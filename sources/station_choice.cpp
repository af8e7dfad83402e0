// Search, texts and choices of the station chooser.
#include "sources/station_choice.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>

namespace {

constexpr wchar_t kPolishLetters[] = L"ąćęłńóśźżĄĆĘŁŃÓŚŹŻ";
constexpr wchar_t kPlainLetters[] = L"acelnoszzacelnoszz";

}  // namespace

std::wstring FoldPolishLower(const std::wstring& text)
{
    std::wstring folded = text;
    for (wchar_t& c : folded) {
        const wchar_t* polish = std::wcschr(kPolishLetters, c);
        c = polish && c != L'\0' ? kPlainLetters[polish - kPolishLetters]
                                 : static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    }
    return folded;
}

bool StationMatchesFilter(const std::wstring& name, const std::wstring& filter)
{
    return filter.empty() || FoldPolishLower(name).find(FoldPolishLower(filter)) != std::wstring::npos;
}

std::wstring LayoutLineText(const LayoutEntry& layout)
{
    const int32_t count = layout.timetableCount;
    const wchar_t* ending = count == 1 ? L"" : count >= 2 && count <= 4 ? L"y" : L"ów";
    return layout.layoutName + L"  (" + std::to_wstring(count) + L" rozkład" + ending + L")";
}

std::wstring ChosenTimetable(const StationEntry& station, int32_t layoutIndex)
{
    if (layoutIndex >= 0 && static_cast<size_t>(layoutIndex) < station.layouts.size())
        return station.layouts[static_cast<size_t>(layoutIndex)].newestTimetable;
    return station.newestTimetable;
}

std::wstring StationInfoText(const StationEntry& station, const std::wstring& timetable)
{
    const size_t separator = timetable.rfind(kPathSeparator);
    std::wstring text = L"Układ i tabor bierzemy z: " +
                        (separator == std::wstring::npos ? timetable : timetable.substr(separator + 1));
    if (station.timetableCount >= 2) text += L"\n(to najnowszy z rozkładów na tym schemacie)";
    if (station.layouts.size() >= 2) text += L"  \u2014 ta stacja ma kilka schematów, wybierz po prawej";
    return text;
}

std::wstring LayoutStationFile(const std::wstring& timetable)
{
    const size_t separator = timetable.rfind(kPathSeparator);
    const std::wstring folder = separator == std::wstring::npos ? std::wstring() : timetable.substr(0, separator + 1);
    const std::wstring name = ReadTimetableLayoutName(timetable);
    // The name comes from the file: it may only name a file beside it.
    if (timetable.empty() || name.empty() || name.find_first_of(L"\\/:") != std::wstring::npos)
        return std::wstring();
    return folder + name + L".stc";
}

int32_t MovedSelection(int32_t current, int32_t delta, int32_t count)
{
    if (count <= 0) return -1;
    return std::clamp(current + delta, 0, count - 1);
}
