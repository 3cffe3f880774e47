#include "platform/TWindow.h"

namespace {
// Every window object bound to a window now, most recent first. Intrusive,
// so that binding never allocates.
TWindow* boundWindows = nullptr;
}  // namespace

TWindow::TWindow(WindowHandle handle, TModule* module) : module_(module) { Bind(handle); }

TWindow::TWindow(TWindow* parent, TModule* module) : parent_(parent), module_(module) {
    if (parent_ != nullptr) parent_->AddChild(this);
}

TWindow::~TWindow() {
    while (firstChild_ != nullptr) delete firstChild_;  // each unlinks itself
    if (parent_ != nullptr) parent_->RemoveChild(this);
    Bind(nullptr);
}

TWindow* TWindow::FindWindowObject(WindowHandle handle) {
    if (handle == nullptr) return nullptr;
    for (TWindow* window = boundWindows; window != nullptr; window = window->nextBound_)
        if (window->handle_ == handle) return window;
    return nullptr;
}

std::size_t TWindow::Transfer(void*, TransferDirection) { return 0; }

void TWindow::BindInDialog(WindowHandle) {}

void TWindow::Bind(WindowHandle handle) {
    if (handle_ != nullptr) {
        TWindow** link = &boundWindows;
        while (*link != this) link = &(*link)->nextBound_;
        *link = nextBound_;
        nextBound_ = nullptr;
    }
    handle_ = handle;
    if (handle_ != nullptr) {
        nextBound_ = boundWindows;
        boundWindows = this;
    }
}

void TWindow::AddChild(TWindow* child) {
    if (lastChild_ != nullptr) lastChild_->nextSibling_ = child;
    else firstChild_ = child;
    lastChild_ = child;
}

void TWindow::RemoveChild(TWindow* child) {
    TWindow* previous = nullptr;
    for (TWindow* c = firstChild_; c != child; c = c->nextSibling_) previous = c;
    (previous != nullptr ? previous->nextSibling_ : firstChild_) = child->nextSibling_;
    if (lastChild_ == child) lastChild_ = previous;
    child->nextSibling_ = nullptr;
}
