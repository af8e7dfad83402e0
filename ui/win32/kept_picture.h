// A pane's picture as last drawn, kept with what it was drawn from. The timer
// repaints every pane after each message, while what a pane shows changes a
// few times a game minute at most, so most paints find the same inputs and
// copy the picture. Its bitmap is kept while the pane keeps its size.
#pragma once

#include <windows.h>

#include <utility>

#include "ui/win32/gdi_scoped.h"

template <typename Inputs>
class KeptPicture {
public:
    // Into dc at (0, 0): the picture, drawn again by draw(memory context)
    // first when `now` differs from the inputs it was drawn from. Without
    // memory for a picture, draw paints dc itself.
    template <typename Draw>
    void Paint(HDC dc, Inputs&& now, int width, int height, Draw draw)
    {
        const bool sameSize = bitmap_ && width_ == width && height_ == height;
        if (!sameSize) bitmap_.Reset(CreateCompatibleBitmap(dc, width, height));
        ScopedMemoryDC memory(dc);
        if (!memory.Get() || !bitmap_) {
            bitmap_.Reset();
            draw(dc);
            return;
        }
        ScopedSelect select(memory.Get(), bitmap_.Get());
        if (!sameSize || !(now == inputs_)) {
            draw(memory.Get());
            inputs_ = std::move(now);
            width_ = width;
            height_ = height;
        }
        BitBlt(dc, 0, 0, width, height, memory.Get(), 0, 0, SRCCOPY);
    }

private:
    Inputs inputs_{};      ///< what the picture shows
    int width_ = 0;        ///< its size
    int height_ = 0;
    ScopedBitmap bitmap_;  ///< the picture; null before the first paint
};
