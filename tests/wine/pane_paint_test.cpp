#include <gtest/gtest.h>

#include <windows.h>

#include "support/fresh_ui_state.h"
#include "ui/layout.h"
#include "ui/win32/double_buffer.h"
#include "ui/win32/pane_paint.h"

namespace {

int gPaintedWidth, gPaintedHeight;
bool gStretched;  // the test pane paints at its logical size

// Red on the left half, blue on the right, whatever the size it is given.
void HalvesPainter(HDC dc, int width, int height)
{
    gPaintedWidth = width;
    gPaintedHeight = height;
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    RECT left = {0, 0, width / 2, height}, right = {width / 2, 0, width, height};
    FillRect(dc, &left, red);
    FillRect(dc, &right, blue);
    DeleteObject(red);
    DeleteObject(blue);
}

LRESULT CALLBACK TestPaneProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT && gStretched) {
        PaintDoubleBuffered(window, HalvesPainter);
        return 0;
    }
    return PaneProcWithPainter(window, message, wParam, lParam, HalvesPainter);
}

class PanePaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        FreshUiState();
        gStretched = false;
        gPaintedWidth = gPaintedHeight = -1;
        WNDCLASSEXA wc = {};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = TestPaneProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "SemarionPaintTestPane";
        RegisterClassExA(&wc);
        window_ = CreateWindowExA(WS_EX_TOOLWINDOW, "SemarionPaintTestPane", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100,
                                  nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override
    {
        DestroyWindow(window_);
        gUiScale = kInitialUiScale;
    }
    void Repaint()
    {
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    COLORREF Pixel(int x, int y)
    {
        HDC dc = GetDC(window_);
        COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(window_, dc);
        return colour;
    }

    HWND window_ = nullptr;
};

TEST_F(PanePaint, ThePainterCoversTheClientThroughOneBufferAndNothingIsErased)
{
    EXPECT_EQ(SendMessageA(window_, WM_ERASEBKGND, 0, 0), 1);
    Repaint();
    EXPECT_EQ(gPaintedWidth, 200);
    EXPECT_EQ(gPaintedHeight, 100);
    EXPECT_EQ(Pixel(10, 50), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(190, 50), RGB(0, 0, 255));
    EXPECT_EQ(SendMessageA(window_, WM_USER + 7, 0, 0), 0);  // other messages: the default
}

TEST_F(PanePaint, ALogicalPaneIsPaintedSmallerAndStretched)
{
    gStretched = true;
    gUiScale = 2.0;
    Repaint();
    EXPECT_EQ(gPaintedWidth, 100);
    EXPECT_EQ(gPaintedHeight, 50);
    EXPECT_EQ(Pixel(95, 50), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(105, 50), RGB(0, 0, 255));

    gUiScale = 0.7;  // larger than the pane, reduced onto it
    Repaint();
    EXPECT_EQ(gPaintedWidth, 285);
    EXPECT_EQ(gPaintedHeight, 142);
    EXPECT_EQ(Pixel(20, 50), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(180, 50), RGB(0, 0, 255));

    gUiScale = 1000.0;  // never less than one logical pixel
    Repaint();
    EXPECT_EQ(gPaintedWidth, 1);
    EXPECT_EQ(gPaintedHeight, 1);
}

TEST(DoubleBuffer, AnEmptySizeStillGivesAPixelToDrawOn)
{
    HDC screen = GetDC(nullptr);
    {
        DoubleBuffer buffer(screen, 0, -5);
        EXPECT_EQ(buffer.Width(), 1);
        EXPECT_EQ(buffer.Height(), 1);
        EXPECT_NE(buffer.Dc(), nullptr);
        SetPixel(buffer.Dc(), 0, 0, RGB(1, 2, 3));
        EXPECT_EQ(GetPixel(buffer.Dc(), 0, 0), RGB(1, 2, 3));  // a colour bitmap, not monochrome
    }
    ReleaseDC(nullptr, screen);
}

}  // namespace
