// Flicker-free painting: a memory bitmap to draw a pane into, copied to the
// window in one blit. The pane's WM_ERASEBKGND returns 1, since the painter
// covers the whole client area.
#pragma once

#include <windows.h>

class DoubleBuffer {
public:
    // A screen-compatible bitmap of width x height (each at least 1) selected
    // into a memory context compatible with target.
    DoubleBuffer(HDC target, int width, int height);
    ~DoubleBuffer();
    DoubleBuffer(const DoubleBuffer&) = delete;
    DoubleBuffer& operator=(const DoubleBuffer&) = delete;

    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void Blit() const;                          // one copy to the target's (0, 0)
    void StretchBlit(int width, int height) const;  // the whole image onto width x height of the target

private:
    HDC target_;       ///< where the image goes
    HDC dc_;           ///< memory context drawn into
    HBITMAP bitmap_;   ///< the image
    HGDIOBJ previous_; ///< the memory context's own bitmap, put back before deleting
    int width_;        ///< image width
    int height_;       ///< image height
};
