#include "frame.h"

namespace wexlin {
namespace {

constexpr wchar_t kFrameClass[] = L"WexlinFrame";

void PaintFrame(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));

    HFONT font = reinterpret_cast<HFONT>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    HGDIOBJ old_font = font ? SelectObject(dc, font) : nullptr;
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    wchar_t caption[256];
    int length = GetWindowTextW(hwnd, caption, 256);

    RECT edge = client;
    edge.top += metrics.tmHeight / 2;
    DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
    if (length > 0) {
        SIZE extent{};
        GetTextExtentPoint32W(dc, caption, length, &extent);
        const int indent = metrics.tmAveCharWidth;
        RECT text{indent, 0, indent + extent.cx + 4, metrics.tmHeight};
        FillRect(dc, &text, GetSysColorBrush(COLOR_BTNFACE));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(IsWindowEnabled(hwnd) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        TextOutW(dc, indent + 2, 0, caption, length);
    }
    if (old_font) SelectObject(dc, old_font);
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_DRAWITEM:
        return SendMessageW(GetParent(hwnd), message, wparam, lparam);
    case WM_SETFONT:
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, static_cast<LONG_PTR>(wparam));
        if (LOWORD(lparam)) InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return GetWindowLongPtrW(hwnd, GWLP_USERDATA);
    case WM_SETTEXT: {
        LRESULT result = DefWindowProcW(hwnd, message, wparam, lparam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return result;
    }
    case WM_ERASEBKGND:
        return 1;  // WM_PAINT fills the whole frame
    case WM_PAINT:
        PaintFrame(hwnd);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wparam, lparam);
    }
}

void RegisterFrameClass(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    if (GetClassInfoExW(instance, kFrameClass, &wc)) return;
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = FrameProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kFrameClass;
    RegisterClassExW(&wc);
}

}  // namespace

HWND CreateFrame(HWND parent, int id, const wchar_t* caption) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    RegisterFrameClass(instance);
    return CreateWindowExW(WS_EX_CONTROLPARENT, kFrameClass, caption,
                           WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

}  // namespace wexlin
