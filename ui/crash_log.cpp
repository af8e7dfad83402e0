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

std::string Offset(uint64_t offset)
{
    char text[24];
    std::snprintf(text, sizeof text, "+0x%" PRIx64, offset);
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
                           const char* file, unsigned long line, const char* module, uint64_t moduleOffset)
{
    std::string text = "  #" + std::to_string(index) + " " + Pointer(address) + " ";
    if (symbol) {
        text += symbol + Offset(displacement);
        if (file) return text + "  [" + std::string(file) + ":" + std::to_string(line) + "]\n";
    } else {
        text += "<no symbol>";
    }
    if (module) text += " in " + std::string(module) + Offset(moduleOffset);
    return text + "\n";
}
