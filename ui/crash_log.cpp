// Formats of the crash log lines.
#include "ui/crash_log.h"

#include <cinttypes>
#include <cstdio>

namespace {

std::string Pointer(uint64_t address)
{
    char text[24];
    std::snprintf(text, sizeof text, "%016" PRIX64, address);
    return text;
}

}  // namespace

std::string CrashHeaderLine(uint32_t code, uint64_t address)
{
    char text[64];
    std::snprintf(text, sizeof text, "Exception code: 0x%08" PRIX32 " at address ", code);
    return text + Pointer(address) + "\n";
}

std::string CrashFrameLine(int index, uint64_t address, const char* symbol, uint64_t displacement,
                           const char* file, unsigned long line)
{
    std::string text = "  #" + std::to_string(index) + " " + Pointer(address) + " ";
    if (!symbol) return text + "<no symbol>\n";
    char offset[24];
    std::snprintf(offset, sizeof offset, "+0x%" PRIx64, displacement);
    text += symbol;
    text += offset;
    if (file) text += "  [" + std::string(file) + ":" + std::to_string(line) + "]";
    return text + "\n";
}
