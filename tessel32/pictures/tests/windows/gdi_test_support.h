#pragma once
// Pixels and GDI object counts for the picture tests.
#include <windows.h>
#include <winternl.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "tessel32/pictures/picture.h"
#include "win32/unique_handle.h"

namespace tessel32::testing {

// A bitmap's pixels read back with GetDIBits as 0x00BBGGRR colours (COLORREF), top row first.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> colors;
    COLORREF At(int x, int y) const { return colors[static_cast<std::size_t>(y) * width + x]; }
};

inline Pixels ReadPixels(HBITMAP bitmap) {
    Pixels out;
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info)) return out;
    out.width = info.bmWidth;
    out.height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    BITMAPINFO request{};
    request.bmiHeader.biSize = sizeof(request.bmiHeader);
    request.bmiHeader.biWidth = out.width;
    request.bmiHeader.biHeight = -out.height;  // top-down
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 32;
    request.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> bgrx(static_cast<std::size_t>(out.width) * out.height);
    win32::WindowDC screen(nullptr);
    if (GetDIBits(screen.Get(), bitmap, 0, out.height, bgrx.data(), &request, DIB_RGB_COLORS) != out.height) {
        return Pixels{};
    }
    out.colors.reserve(bgrx.size());
    for (std::uint32_t p : bgrx) out.colors.push_back(RGB((p >> 16) & 255, (p >> 8) & 255, p & 255));
    return out;
}

inline Pixels ReadPixels(const Picture& picture) { return ReadPixels(picture.Handle()); }

// A 32-bit top-down DIB section of width x height, each pixel coloured by paint(x, y).
inline win32::UniqueBitmap MakeBitmap(int width, int height, const std::function<COLORREF(int, int)>& paint) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    win32::UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) return bitmap;
    auto* p = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = paint(x, y);
            *p++ = GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
        }
    }
    GdiFlush();
    return bitmap;
}

// The number of GDI objects this process holds. GetGuiResources(GR_GDIOBJECTS) where the system
// implements it. Wine's is a stub (0 with ERROR_CALL_NOT_IMPLEMENTED); there the live entries of
// the process's GDI handle table are counted instead. Wine keeps that table, one per process,
// where Windows does (PEB GdiSharedHandleTable), with entries of 24 bytes whose Type is 0 when
// free (Wine's include/ntgdi.h, GDI_HANDLE_ENTRY).
inline long GdiObjectCount() {
    SetLastError(0);
    const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (counted != 0 || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return static_cast<long>(counted);
    struct WineGdiHandleEntry {
        std::uint64_t object;
        std::uint32_t owner;
        std::uint16_t unique;
        std::uint8_t type;
        std::uint8_t flags;
        std::uint64_t user_pointer;
    };
    static_assert(sizeof(WineGdiHandleEntry) == 24);
    constexpr std::size_t kGdiSharedHandleTable = sizeof(void*) == 8 ? 0xF8 : 0x94;  // offset in the PEB
    PROCESS_BASIC_INFORMATION basic{};
    if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0) {
        return -1;
    }
    const auto* peb = reinterpret_cast<const std::uint8_t*>(basic.PebBaseAddress);
    const auto* table = *reinterpret_cast<const WineGdiHandleEntry* const*>(peb + kGdiSharedHandleTable);
    if (!table) return -1;
    long live = 0;
    for (std::size_t i = 0; i < 0x10000; ++i) {
        if (table[i].type != 0) ++live;
    }
    return live;
}

}  // namespace tessel32::testing
