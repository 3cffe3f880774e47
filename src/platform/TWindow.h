// A window object: wraps a window of the window system, owns its child
// window objects, and can be found again from its window's handle.
//
// Window objects here never own their window. An alias wraps a window that
// someone else made (the host's); a dialog's window exists only inside its
// modal run. So deleting a window object deletes its child objects, in
// creation order, but never destroys a window.
#pragma once

#include <cstddef>

#include "platform/PlatformHandles.h"

class TModule;

// Which way a dialog's data transfer runs.
enum class TransferDirection {
    SetData,  // transfer record → controls
    GetData,  // controls → transfer record
};

class TWindow {
public:
    // An alias for the existing window `handle`: wraps it, creates nothing.
    explicit TWindow(WindowHandle handle, TModule* module = nullptr);
    virtual ~TWindow();
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;

    // The window object that wraps `handle` now, or null. Only objects that
    // exist now answer.
    static TWindow* FindWindowObject(WindowHandle handle);

    WindowHandle GetHandle() const { return handle_; }
    TWindow* GetParent() const { return parent_; }
    TModule* GetModule() const { return module_; }

    // Exchanges this object's part of a transfer record, starting at
    // `field`, and returns its size in bytes; 0 for objects that take no
    // part in the transfer.
    virtual std::size_t Transfer(void* field, TransferDirection direction);
    // Called for each child when its dialog's window is set up (with the
    // dialog's handle) and when it goes (with null).
    virtual void BindInDialog(WindowHandle dialog);

    // Child objects in creation order.
    TWindow* FirstChild() const { return firstChild_; }
    TWindow* NextSibling() const { return nextSibling_; }

protected:
    // A child object of `parent` (none when null), bound to no window yet.
    TWindow(TWindow* parent, TModule* module);

    // Binds the object to the window `handle`, or to none when null.
    void Bind(WindowHandle handle);

private:
    void AddChild(TWindow* child);
    void RemoveChild(TWindow* child);

    WindowHandle handle_ = nullptr;
    TWindow* parent_ = nullptr;
    TModule* module_ = nullptr;
    TWindow* firstChild_ = nullptr;
    TWindow* lastChild_ = nullptr;
    TWindow* nextSibling_ = nullptr;
    TWindow* nextBound_ = nullptr;  // the registry of bound objects
};
