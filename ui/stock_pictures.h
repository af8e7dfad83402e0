// Rolling-stock pictures without windows: the reversed partner's picture name
// and the test that two pictures are mirror images, on plain pixel buffers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A picture as 24-bit pixels: rows top to bottom, blue-green-red bytes, each
// row padded to a multiple of 4 bytes (the layout GetDIBits gives).
struct Pixels24 {
    int32_t width = 0;            ///< pixels per row
    int32_t height = 0;           ///< rows
    std::vector<uint8_t> bytes;   ///< height * Stride24(width) bytes
};

// Bytes per row of a 24-bit picture of this width.
int32_t Stride24(int32_t width);

// The partner picture name of a name ending in "_" and a number: an odd number
// n pairs with n + 1, an even one with n - 1, zero-padded to as many digits as
// the name had ("EU07_1" <-> "EU07_2", "x_09" <-> "x_10"). Empty when the name
// has no such ending, the number is below 1 or too large to pair.
std::string PartnerBitmapName(const char* name);

// Whether b is a mirror image of a: same size, and fewer than 8 % of the pixels
// of a differ from b's pixel at (width - 1 - x, y) by more than 90 in the sum of
// their channel differences. False for an empty or short buffer.
bool IsMirrorImage(const Pixels24& a, const Pixels24& b);
