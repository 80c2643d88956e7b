#pragma once
// Window properties: a pointer a layer of the program keeps on a window
// (SetPropW) under a global atom registered once per name and held while the
// property object lives. Each kind of object that marks windows owns one
// WindowProperty; framework controls mark theirs with ControlProperty().
//
// Properties can be read on every window of the desktop, also on windows of
// another program that uses the same name, where the value points into that
// program's memory: get() answers only for windows of this process, so it is
// safe for a window that came from outside (a message, a point, an
// enumeration).

#include <windows.h>

namespace korvane {

class WindowProperty {
public:
    explicit WindowProperty(const wchar_t* name);
    WindowProperty(const WindowProperty&) = delete;
    WindowProperty& operator=(const WindowProperty&) = delete;
    ~WindowProperty();

    ATOM atom() const { return atom_; }
    bool set(HWND window, void* value) const;
    void remove(HWND window) const;
    // The value on a window of this process; null when unset or for a window
    // of another process.
    void* get(HWND window) const;

private:
    ATOM atom_;
};

// The property that names the framework control of a window ("Korvane.Control").
const WindowProperty& ControlProperty();

}  // namespace korvane
