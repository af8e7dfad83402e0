// The memory bitmap of a pane's paint.
#include "ui/win32/double_buffer.h"

#include <algorithm>

DoubleBuffer::DoubleBuffer(HDC target, int width, int height)
    : target_(target), dc_(CreateCompatibleDC(target)), width_(std::max(width, 1)), height_(std::max(height, 1))
{
    // compatible with the window's context, not the memory one, which is monochrome
    bitmap_ = CreateCompatibleBitmap(target, width_, height_);
    previous_ = SelectObject(dc_, bitmap_);
}

DoubleBuffer::~DoubleBuffer()
{
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void DoubleBuffer::Blit() const { BitBlt(target_, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY); }

void DoubleBuffer::StretchBlit(int width, int height) const
{
    // colour-on-colour keeps enlarged pixels sharp; halftone keeps thin lines
    // of a reduced image; the scale is the horizontal one
    SetStretchBltMode(target_, width < width_ ? HALFTONE : COLORONCOLOR);
    SetBrushOrgEx(target_, 0, 0, nullptr);
    StretchBlt(target_, 0, 0, width, height, dc_, 0, 0, width_, height_, SRCCOPY);
}
