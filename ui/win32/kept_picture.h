// What a pane's kept picture was drawn from, and into which buffer. The timer
// repaints every pane after each message, while what a pane shows changes a
// few times a game minute at most, so most paints find the same inputs and
// leave the pane's buffer (ui/win32/pane_paint.h) as it is.
#pragma once

#include <windows.h>

#include <utility>

template <typename Inputs>
class KeptPicture {
public:
    // Whether dc must be drawn again to show `now`: unless it still holds
    // what was drawn into it (`kept`) and that was drawn from the same
    // inputs. When it must, `now` is taken as what it is drawn from (Drawn()).
    bool Redraw(HDC dc, bool kept, Inputs&& now)
    {
        if (kept && dc == dc_ && now == inputs_) return false;
        inputs_ = std::move(now);
        dc_ = dc;
        return true;
    }
    const Inputs& Drawn() const { return inputs_; }
    // What dc shows now was not drawn from Drawn().
    void Forget() { dc_ = nullptr; }

private:
    Inputs inputs_{};     ///< what the picture shows
    HDC dc_ = nullptr;    ///< where it was drawn
};
