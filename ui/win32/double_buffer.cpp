// The memory bitmap of a pane's paint.
#include "ui/win32/double_buffer.h"

#include <algorithm>

DoubleBuffer::DoubleBuffer(HDC target, int width, int height) { Fit(target, width, height); }

DoubleBuffer::~DoubleBuffer() { Free(); }

void DoubleBuffer::Free()
{
    if (dc_) {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    if (bitmap_) DeleteObject(bitmap_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    previous_ = nullptr;
    width_ = height_ = 0;
}

bool DoubleBuffer::Fit(HDC target, int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (dc_ && width_ == width && height_ == height) return true;
    Free();
    // compatible with the window's context, not the memory one, which is monochrome
    HBITMAP bitmap = CreateCompatibleBitmap(target, width, height);
    HDC dc = bitmap ? CreateCompatibleDC(target) : nullptr;
    if (!dc) {
        if (bitmap) DeleteObject(bitmap);
        return false;
    }
    dc_ = dc;
    bitmap_ = bitmap;
    previous_ = SelectObject(dc_, bitmap_);
    width_ = width;
    height_ = height;
    return false;
}

void DoubleBuffer::Blit(HDC target, const RECT& part) const
{
    BitBlt(target, part.left, part.top, part.right - part.left, part.bottom - part.top, dc_, part.left, part.top,
           SRCCOPY);
}

void DoubleBuffer::StretchBlit(HDC target, int width, int height) const
{
    // colour-on-colour keeps enlarged pixels sharp; halftone keeps thin lines
    // of a reduced image; the scale is the horizontal one
    SetStretchBltMode(target, width < width_ ? HALFTONE : COLORONCOLOR);
    SetBrushOrgEx(target, 0, 0, nullptr);
    StretchBlt(target, 0, 0, width, height, dc_, 0, 0, width_, height_, SRCCOPY);
}
