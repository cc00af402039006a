#include "dpi.h"

namespace shortex {

UINT WindowDpi(HWND hwnd) {
    const UINT dpi = hwnd ? ::GetDpiForWindow(hwnd) : 0;
    return dpi ? dpi : ::GetDpiForSystem();
}

UniqueFont MessageFont(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!::SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0, dpi)) {
        // Older systems: the metrics at the system DPI, scaled to this one.
        if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
            return UniqueFont(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
        metrics.lfMessageFont.lfHeight = ::MulDiv(metrics.lfMessageFont.lfHeight, dpi, ::GetDpiForSystem());
    }
    return UniqueFont(::CreateFontIndirectW(&metrics.lfMessageFont));
}

UniqueFont PointFont(const wchar_t* face, double points, int weight, UINT dpi) {
    LOGFONTW font{};
    font.lfHeight = -static_cast<LONG>(points * dpi / 72.0 + 0.5);
    font.lfWeight = weight;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
    return UniqueFont(::CreateFontIndirectW(&font));
}

SIZE OuterSizeForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, UINT dpi) {
    RECT rect{0, 0, clientWidth, clientHeight};
    ::AdjustWindowRectExForDpi(&rect, style, FALSE, exStyle, dpi);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

void PlaceInTwips(HWND child, const RectTwips& rect, UINT dpi) {
    // Edges are rounded, not sizes, so neighbours that touch in twips touch in pixels.
    const int dpiValue = static_cast<int>(dpi);
    const int left = TwipsToPixels(rect.left, dpiValue), top = TwipsToPixels(rect.top, dpiValue);
    const int right = TwipsToPixels(rect.left + rect.width, dpiValue);
    const int bottom = TwipsToPixels(rect.top + rect.height, dpiValue);
    RECT current{};
    ::GetWindowRect(child, &current);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&current), 2);
    if (current.left == left && current.top == top && current.right == right && current.bottom == bottom) return;
    ::SetWindowPos(child, nullptr, left, top, right - left, bottom - top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace shortex
