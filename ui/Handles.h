// Owning wrappers for system handles: one template, one line per kind of handle.
#pragma once

#include <windows.h>

#include <utility>

namespace handles {
template <typename T>
constexpr T NullOf() { return T{}; }
}  // namespace handles

// Owns a value of T; Close releases it, Invalid() is the value that owns nothing.
template <typename T, auto Close, auto Invalid = &handles::NullOf<T>>
class TUniqueHandle {
public:
    TUniqueHandle() = default;
    explicit TUniqueHandle(T value) : value_(value) {}
    TUniqueHandle(const TUniqueHandle&) = delete;
    TUniqueHandle& operator=(const TUniqueHandle&) = delete;
    TUniqueHandle(TUniqueHandle&& other) noexcept : value_(other.release()) {}
    TUniqueHandle& operator=(TUniqueHandle&& other) noexcept
    {
        reset(other.release());
        return *this;
    }
    ~TUniqueHandle() { reset(); }

    T get() const { return value_; }
    explicit operator bool() const { return value_ != Invalid(); }
    T release() { return std::exchange(value_, Invalid()); }
    void reset(T value = Invalid())
    {
        if (value_ != Invalid())
            Close(value_);
        value_ = value;
    }

private:
    T value_ = Invalid();
};

namespace handles {
inline void CloseKernelHandle(HANDLE h) { ::CloseHandle(h); }
inline void CloseGdiObject(HGDIOBJ h) { ::DeleteObject(h); }
inline void CloseModule(HMODULE h) { ::FreeLibrary(h); }
inline void CloseWindow(HWND h) { ::DestroyWindow(h); }
inline void CloseMemoryDC(HDC h) { ::DeleteDC(h); }
inline void CloseRegistryKey(HKEY h) { ::RegCloseKey(h); }
inline void CloseGlobal(HGLOBAL h) { ::GlobalFree(h); }
inline void CloseFindFile(HANDLE h) { ::FindClose(h); }
inline HANDLE InvalidFileHandle() { return INVALID_HANDLE_VALUE; }
}  // namespace handles

using THandle = TUniqueHandle<HANDLE, handles::CloseKernelHandle>;
using TFileHandle = TUniqueHandle<HANDLE, handles::CloseKernelHandle, handles::InvalidFileHandle>;
using TModule = TUniqueHandle<HMODULE, handles::CloseModule>;
using TWindowHandle = TUniqueHandle<HWND, handles::CloseWindow>;
using TMemoryDC = TUniqueHandle<HDC, handles::CloseMemoryDC>;
using TRegistryKey = TUniqueHandle<HKEY, handles::CloseRegistryKey>;
using TGlobalMemory = TUniqueHandle<HGLOBAL, handles::CloseGlobal>;
template <typename T>
using TGdiObject = TUniqueHandle<T, handles::CloseGdiObject>;

// A window's device context for the length of a scope.
class TScopedGetDC {
public:
    explicit TScopedGetDC(HWND window) : window_(window), dc_(::GetDC(window)) {}
    TScopedGetDC(const TScopedGetDC&) = delete;
    TScopedGetDC& operator=(const TScopedGetDC&) = delete;
    ~TScopedGetDC()
    {
        if (dc_)
            ::ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }

private:
    HWND window_;  // we don't own it
    HDC dc_;
};

// An object selected into a device context for the length of a scope.
class TScopedSelectObject {
public:
    TScopedSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    TScopedSelectObject(const TScopedSelectObject&) = delete;
    TScopedSelectObject& operator=(const TScopedSelectObject&) = delete;
    ~TScopedSelectObject()
    {
        if (previous_ && previous_ != HGDI_ERROR)
            ::SelectObject(dc_, previous_);
    }

private:
    HDC dc_;             // we don't own it
    HGDIOBJ previous_;   // nor this
};
