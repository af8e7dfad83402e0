// A rolling-stock kinds file (".rodz") beside a timetable, read as a new game
// reads it, then every row's kind name asked for as the boards ask.
#include "fuzz_files.h"
#include "simulation/rolling_stock_kinds.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::WriteInput("rodzaje.rodz", data, size);
    LoadRollingStockKinds(fuzz::Folder() + "rodzaje.roz");
    for (int32_t row = -1; row <= kMaxKindRow + 1; row += 97) GetTrainKindName(row, "OS");
    GetTrainKindName(kMaxKindRow, "OS");
    ResetRollingStockKinds();
    return 0;
}
