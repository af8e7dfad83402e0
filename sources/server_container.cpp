// The container of the timetable server and the rules of its requests.
#include "sources/server_container.h"

#include <cctype>
#include <cstdio>

const char kContainerMagic[] = "SEMARION1\n";
const char kCutDelaysReply[] = "Odpowiedz serwera urwana.";

namespace {

constexpr char kUnreservedMarks[] = "-_.~";
constexpr char kForbiddenInNames[] = "<>:\"/\\|?*";
const char* const kDeviceNames[] = {"CON", "PRN", "AUX", "NUL", "COM1", "COM2", "COM3", "COM4", "COM5",
                                    "COM6", "COM7", "COM8", "COM9", "LPT1", "LPT2", "LPT3", "LPT4",
                                    "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};

// The size of a header: digits up to the first other character, none = 0;
// a number too large for memory reads as the largest size, which never fits.
size_t ParseSize(const std::string& digits)
{
    size_t size = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') break;
        const size_t digit = static_cast<size_t>(c - '0');
        if (size > (static_cast<size_t>(-1) - digit) / 10) return static_cast<size_t>(-1);
        size = size * 10 + digit;
    }
    return size;
}

std::string Upper(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool IsDeviceName(const std::string& name)
{
    const std::string stem = Upper(name.substr(0, name.find('.')));
    for (const char* device : kDeviceNames)
        if (stem == device) return true;
    return false;
}

}  // namespace

std::string NewContainer() { return std::string(kContainerMagic, kContainerMagicSize); }

void AppendPart(std::string& body, const std::string& name, const std::string& bytes)
{
    body += name;
    body += '\t';
    body += std::to_string(bytes.size());
    body += '\n';
    body += bytes;
}

bool HasContainerMagic(const std::string& reply) { return reply.compare(0, kContainerMagicSize, NewContainer()) == 0; }

ContainerParts ReadContainerParts(const std::string& reply, size_t maxParts)
{
    ContainerParts result;
    size_t pos = kContainerMagicSize;
    while (pos < reply.size() && result.parts.size() < maxParts) {
        const size_t lineFeed = reply.find('\n', pos);
        if (lineFeed == std::string::npos) {
            result.end = PartsEnd::kNoLineFeed;
            break;
        }
        const std::string header = reply.substr(pos, lineFeed - pos);
        const size_t tab = header.find('\t');
        if (tab == std::string::npos) {
            result.end = PartsEnd::kNoTab;
            break;
        }
        const size_t size = ParseSize(header.substr(tab + 1));
        const size_t dataStart = lineFeed + 1;
        if (size > reply.size() - dataStart) {
            result.end = PartsEnd::kCutShort;
            break;
        }
        result.parts.push_back({header.substr(0, tab), reply.substr(dataStart, size)});
        pos = dataStart + size;
    }
    return result;
}

bool FirstDelaysPart(const std::string& reply, std::string& text, std::string& error)
{
    if (!HasContainerMagic(reply)) {
        error = "Serwer odpowiedzial czyms, czego nie rozumiem.";
        return false;
    }
    const ContainerParts read = ReadContainerParts(reply, 1);
    if (read.end == PartsEnd::kCutShort) {
        error = kCutDelaysReply;
        return false;
    }
    if (read.parts.empty()) {
        error = "Pusta odpowiedz serwera.";
        return false;
    }
    text = read.parts.front().data;
    return true;
}

std::wstring RequestPath(const std::wstring& addressPath, const std::wstring& endpoint)
{
    std::wstring path = addressPath.empty() ? L"/" : addressPath;
    if (path.back() == L'/') return path + endpoint;
    if (path.find(L"/" + endpoint) == std::wstring::npos) return path + L"/" + endpoint;
    return path;
}

std::string PercentEncodeBytes(const std::string& utf8)
{
    std::string encoded;
    for (char c : utf8) {
        const unsigned char byte = static_cast<unsigned char>(c);
        const bool unreserved = byte < 0x80 && (std::isalnum(byte) || std::string(kUnreservedMarks).find(c) != std::string::npos);
        if (unreserved) {
            encoded += c;
            continue;
        }
        char escape[4];
        std::snprintf(escape, sizeof escape, "%%%02X", byte);
        encoded += escape;
    }
    return encoded;
}

std::string StationFileNameFromTemplate(const std::string& timetable)
{
    const size_t first = timetable.find('\n');
    if (first == std::string::npos) return std::string();
    const size_t next = timetable.find('\n', first + 1);
    std::string line = timetable.substr(first + 1, next == std::string::npos ? std::string::npos : next - first - 1);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == ',')) line.pop_back();
    const size_t start = line.find_first_not_of(' ');
    if (start == std::string::npos) return std::string();
    const std::string name = line.substr(start) + ".stc";
    return IsPlainFileName(name) ? name : std::string();
}

bool IsPlainFileName(const std::string& name)
{
    if (name.empty() || name == "." || name == "..") return false;
    for (char c : name)
        if (static_cast<unsigned char>(c) < 0x20 || std::string(kForbiddenInNames).find(c) != std::string::npos)
            return false;
    // Windows drops a trailing dot or blank, which would name another file.
    if (name.back() == '.' || name.back() == ' ') return false;
    return !IsDeviceName(name);
}

TemplatePlace SplitTemplatePath(const std::wstring& path)
{
    TemplatePlace place;
    const size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) {
        place.folder = L".";
        place.fileName = path;
    } else {
        place.folder = path.substr(0, slash);
        place.fileName = path.substr(slash + 1);
    }
    const size_t folderSlash = place.folder.find_last_of(L"\\/");
    place.station = folderSlash == std::wstring::npos ? place.folder : place.folder.substr(folderSlash + 1);
    return place;
}

bool EndsWithRoz(const std::string& name)
{
    return name.size() > 4 && Upper(name.substr(name.size() - 4)) == ".ROZ";
}
