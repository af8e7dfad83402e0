// Rolling-stock kinds read from the ".rodz" file beside the timetable.
#include "simulation/rolling_stock_kinds.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace {

std::map<int32_t, std::string> gKinds;  // kind name by timetable row

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// Reads the next line, keeping at most kMaxKindLine characters of it; false
// at the end of the file.
bool ReadLine(std::FILE* file, std::string& line)
{
    line.clear();
    int c = std::fgetc(file);
    if (c == EOF) return false;
    for (; c != EOF && c != '\n'; c = std::fgetc(file))
        if (line.size() < static_cast<size_t>(kMaxKindLine)) line += static_cast<char>(c);
    return true;
}

// "row name": the row (optional sign, decimal) and the first word after it.
bool ParseKindLine(std::string line, int32_t& row, std::string& name)
{
    line.erase(std::min(line.find('\0'), line.size()));  // the line ends at a zero byte
    size_t i = 0;
    while (i < line.size() && IsBlank(line[i])) ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-')) negative = line[i++] == '-';
    const size_t digits = i;
    int64_t value = 0;
    for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i)
        if (value <= kMaxKindRow) value = value * 10 + (line[i] - '0');  // stops growing once out of range
    if (i == digits || negative || value > kMaxKindRow) return false;
    while (i < line.size() && IsBlank(line[i])) ++i;
    const size_t start = i;
    while (i < line.size() && !IsBlank(line[i]) && i - start < static_cast<size_t>(kMaxKindName)) ++i;
    if (i == start) return false;
    row = static_cast<int32_t>(value);
    name = line.substr(start, i - start);
    return true;
}

}  // namespace

std::string RollingStockKindsPath(const std::string& timetablePath)
{
    const size_t slash = timetablePath.find_last_of("\\/");
    const size_t dot = timetablePath.find_last_of('.');
    // A point in a folder's name is no extension.
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? timetablePath.substr(0, dot) : timetablePath) + ".rodz";
}

int32_t LoadRollingStockKinds(const std::string& timetablePath)
{
    std::map<int32_t, std::string> kinds;
    if (std::FILE* file = std::fopen(RollingStockKindsPath(timetablePath).c_str(), "rb")) {
        std::string line, name;
        int32_t row = 0;
        while (ReadLine(file, line))
            if ((line.empty() || line[0] != '#') && ParseKindLine(line, row, name)) kinds[row] = name;
        std::fclose(file);
    }
    gKinds.swap(kinds);
    return static_cast<int32_t>(gKinds.size());
}

void ResetRollingStockKinds() { gKinds.clear(); }

std::string GetTrainKindName(int32_t row, const char* fallback)
{
    const auto found = gKinds.find(row);
    if (found != gKinds.end()) return found->second;
    return fallback ? fallback : "";
}
