#pragma once

#include <windows.h>

#include <utility>

namespace hourvault::win32 {

// Owners of GDI objects and device contexts: each gives back what it holds when it goes, so no
// path out of a drawing leaks one or leaves one selected.

// A handle owned alone: given back by `release` at the end, or when another takes its place.
template <typename Handle, auto release> class Owned {
public:
    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) {}
    ~Owned() { reset(); }
    Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) {
            reset(std::exchange(other.handle_, nullptr));
        }
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;

    [[nodiscard]] Handle get() const { return handle_; }
    void reset(Handle handle = nullptr) {
        if (handle_ != nullptr) {
            release(handle_);
        }
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

inline void deleteObject(HGDIOBJ object) {
    DeleteObject(object);
}
inline void destroyIcon(HICON icon) {
    DestroyIcon(icon);
}
using Font = Owned<HFONT, deleteObject>;
using Brush = Owned<HBRUSH, deleteObject>;
using Pen = Owned<HPEN, deleteObject>;
using Bitmap = Owned<HBITMAP, deleteObject>;
using Icon = Owned<HICON, destroyIcon>;

// A window's device context (GetDC, GetWindowDC), released at the end.
class WindowDc {
public:
    explicit WindowDc(HWND window, bool whole = false)
        : window_(window), dc_(whole ? GetWindowDC(window) : GetDC(window)) {}
    ~WindowDc() {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    [[nodiscard]] HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A memory device context (CreateCompatibleDC), deleted at the end.
class MemoryDc {
public:
    explicit MemoryDc(HDC like) : dc_(CreateCompatibleDC(like)) {}
    ~MemoryDc() {
        if (dc_ != nullptr) {
            DeleteDC(dc_);
        }
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;

    [[nodiscard]] HDC get() const { return dc_; }

private:
    HDC dc_;
};

// An object selected into a device context while it lasts; what was selected before comes
// back at the end.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(object != nullptr ? SelectObject(dc, object) : nullptr) {}
    ~Selection() {
        if (previous_ != nullptr) {
            SelectObject(dc_, previous_);
        }
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A GDI+ image or graphics object, given back when it goes by GDI+'s function for it, which
// the program looks up when it first needs GDI+.
template <typename Object, typename Release> class GdiplusObject {
public:
    GdiplusObject(Object* object, Release release) : object_(object), release_(release) {}
    ~GdiplusObject() {
        if (object_ != nullptr) {
            release_(object_);
        }
    }
    GdiplusObject(const GdiplusObject&) = delete;
    GdiplusObject& operator=(const GdiplusObject&) = delete;

    [[nodiscard]] Object* get() const { return object_; }

private:
    Object* object_;
    Release release_;
};

} // namespace hourvault::win32
