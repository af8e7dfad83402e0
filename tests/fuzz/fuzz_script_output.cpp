// What a timetable script prints (its result line) and a typed API key.
#include "fuzz_files.h"
#include "sources/script_runner.h"
#include "ui/api_key.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    ScriptResultPath(text);
    if (ApiKeyFromTyped(text).size() > kApiKeyMaxBytes) std::abort();
    return 0;
}
