// Flicker-free painting: a memory bitmap to draw a pane into, copied to the
// window in one blit. A pane keeps its buffer from paint to paint while it
// keeps its size, so that a painter that finds nothing new leaves the
// picture as it is. The pane's WM_ERASEBKGND returns 1, since the painter
// covers the whole client area.
#pragma once

#include <windows.h>

class DoubleBuffer {
public:
    DoubleBuffer() = default;
    // Fitted at once (Fit).
    DoubleBuffer(HDC target, int width, int height);
    ~DoubleBuffer();
    DoubleBuffer(const DoubleBuffer&) = delete;
    DoubleBuffer& operator=(const DoubleBuffer&) = delete;

    // A bitmap of width x height (each at least 1) compatible with target,
    // selected into a memory context: the one held when it has that size
    // (true: its picture is kept), else a new one (false). Dc() is null when
    // none could be made.
    bool Fit(HDC target, int width, int height);

    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void Blit(HDC target, const RECT& part) const;  // the part of the image to the same place of the target
    void StretchBlit(HDC target, int width, int height) const;  // the whole image onto width x height of the target

private:
    void Free();

    HDC dc_ = nullptr;            ///< memory context drawn into
    HBITMAP bitmap_ = nullptr;    ///< the image
    HGDIOBJ previous_ = nullptr;  ///< the memory context's own bitmap, put back before deleting
    int width_ = 0;               ///< image width
    int height_ = 0;              ///< image height
};
