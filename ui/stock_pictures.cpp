// Rolling-stock pictures: partner names and the mirror-image test.
#include "ui/stock_pictures.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr int32_t kMaxPartnerNumber = 999999999;  // keeps n + 1 and its text in range
constexpr int32_t kChannelTolerance = 90;         // summed |db| + |dg| + |dr| that still counts as equal
constexpr int32_t kDifferingPercent = 8;          // this share of differing pixels or more: no mirror
constexpr int32_t kMaxSide = 1 << 16;              // larger pictures are refused, strides stay in range

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool HasPixels(const Pixels24& p)
{
    if (p.width < 1 || p.height < 1 || p.width > kMaxSide || p.height > kMaxSide)
        return false;
    return p.bytes.size() >= static_cast<size_t>(p.height) * static_cast<size_t>(Stride24(p.width));
}

}  // namespace

int32_t Stride24(int32_t width)
{
    return (3 * width + 3) / 4 * 4;
}

std::string PartnerBitmapName(const char* name)
{
    if (name == nullptr)
        return {};
    const size_t length = std::strlen(name);
    size_t digitsAt = length;
    while (digitsAt > 0 && IsDigit(name[digitsAt - 1]))
        --digitsAt;
    // digitsAt - 1 is the last character that is not a digit
    if (digitsAt == 0 || digitsAt == length || name[digitsAt - 1] != '_')
        return {};
    int64_t n = 0;
    for (size_t i = digitsAt; i < length; ++i) {
        n = n * 10 + (name[i] - '0');
        if (n > kMaxPartnerNumber)
            return {};
    }
    if (n < 1)
        return {};
    const int64_t m = n % 2 == 1 ? n + 1 : n - 1;
    std::string digits = std::to_string(m);
    const size_t width = length - digitsAt;
    if (digits.size() < width)
        digits.insert(0, width - digits.size(), '0');
    return std::string(name, digitsAt) + digits;
}

bool IsMirrorImage(const Pixels24& a, const Pixels24& b)
{
    if (!HasPixels(a) || !HasPixels(b) || a.width != b.width || a.height != b.height)
        return false;
    const int32_t stride = Stride24(a.width);
    int64_t differing = 0;
    for (int32_t y = 0; y < a.height; ++y) {
        const uint8_t* rowA = a.bytes.data() + static_cast<size_t>(y) * stride;
        const uint8_t* rowB = b.bytes.data() + static_cast<size_t>(y) * stride;
        for (int32_t x = 0; x < a.width; ++x) {
            const uint8_t* pa = rowA + 3 * x;
            const uint8_t* pb = rowB + 3 * (a.width - 1 - x);
            int32_t d = 0;
            for (int c = 0; c < 3; ++c)
                d += std::abs(pa[c] - pb[c]);
            if (d > kChannelTolerance)
                ++differing;
        }
    }
    return differing * 100 < static_cast<int64_t>(a.width) * a.height * kDifferingPercent;
}
