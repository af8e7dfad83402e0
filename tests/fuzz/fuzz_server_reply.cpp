// A timetable server's reply: the container's parts and the names they would
// be written under beside the template, the delays reply and its text, and
// the station file a received timetable names.
#include "fuzz_files.h"
#include "sources/delays_text.h"
#include "sources/server_container.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string reply(reinterpret_cast<const char*>(data), size);
    if (HasContainerMagic(reply))
        for (const ContainerPart& part : ReadContainerParts(reply, static_cast<size_t>(-1)).parts) {
            if (IsPlainFileName(part.name) && EndsWithRoz(part.name)) StationFileNameFromTemplate(part.data);
        }
    std::string text, error;
    if (FirstDelaysPart(reply, text, error)) ParseDelaysLines(text, 50);
    StationFileNameFromTemplate(reply);
    return 0;
}
