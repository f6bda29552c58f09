#pragma once
// The windows the application owns, kept alike on either platform. The first
// window adopted is the main window. At shutdown every window is hidden first,
// so that the program leaves the screen at once and destroying one window
// never hands the activation to another; then they are destroyed newest
// first, each reference to a window cleared once it is gone. When the program
// goes to the task bar, the windows on screen go with it and come back with
// it.
//
// Where the platforms differ, and why: on Windows the application's own
// hidden window carries the task-bar entry and is what minimises, so every
// window goes, the main one included; under X11 and Wayland the main window
// carries the entry and minimises itself, so only the others go (hidden: they
// have no entry of their own, and a window manager may refuse to minimise a
// window that offers no minimise button). The front end says which go.
//
// `Holder` keeps a window: a std::unique_ptr where the application owns its
// windows outright, a guarded pointer where the toolkit's objects are deleted
// by hand.

#include <functional>
#include <utility>
#include <vector>

namespace tarsilo {

template <class Window, class Holder> class OwnedWindows {
public:
    using Action = std::function<void(Window&)>;
    using Test = std::function<bool(Window&)>;

    // Keeps the window; the first one becomes the main window. `forgetReference`
    // runs once the window has been destroyed.
    void Adopt(Holder window, std::function<void()> forgetReference) {
        Window* adopted = window.get();
        windows_.push_back({std::move(window), std::move(forgetReference)});
        if (!main_)
            main_ = adopted;
    }

    Window* Main() const { return main_; }

    // Hides every window with `hide`, then destroys them newest first with
    // `destroy`, clearing each reference.
    void Shutdown(const Action& hide, const std::function<void(Holder&)>& destroy) noexcept {
        for (Owned& owned : windows_) {
            if (owned.window)
                hide(*owned.window);
        }
        goneWithMinimise_.clear();
        main_ = nullptr;
        while (!windows_.empty()) {
            Owned owned = std::move(windows_.back());
            windows_.pop_back();
            destroy(owned.window);
            owned.forgetReference();
        }
    }

    // The program went to the task bar: each window for which `goes` holds
    // is hidden with `hide` and remembered with those gone before.
    void HideWithMinimise(const Test& goes, const Action& hide) {
        for (Owned& owned : windows_) {
            if (owned.window && goes(*owned.window)) {
                goneWithMinimise_.push_back(owned.window.get());
                hide(*owned.window);
            }
        }
    }

    // The program came back: the windows that went with it are shown with
    // `show`.
    void ShowAfterRestore(const Action& show) {
        for (Window* window : std::exchange(goneWithMinimise_, {}))
            show(*window);
    }

    // The program starts minimised: `window` comes when it is restored.
    void ShowAfterRestoreOnly(Window& window) { goneWithMinimise_ = {&window}; }

private:
    struct Owned {
        Holder window;
        std::function<void()> forgetReference;
    };

    std::vector<Owned> windows_;
    Window* main_ = nullptr;
    std::vector<Window*> goneWithMinimise_;
};

} // namespace tarsilo
