// The head of a rolling-stock picture (".bmp"), checked before Windows is let
// read the file: as a file of its own size, and as the head of a larger one.
#include "fuzz_files.h"
#include "ui/stock_pictures.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const size_t head = std::min(size, kBitmapHeadBytes);
    IsUsableBitmapHead(data, head, size);
    IsUsableBitmapHead(data, head, uint64_t{1} << 40);
    IsUsableBitmapFile(fuzz::WriteInput("obraz.bmp", data, size));
    return 0;
}
