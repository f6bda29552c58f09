#pragma once
// The desktop's font configuration, read on a second thread at start.

#include <thread>

namespace tarsilo {

// Reading the font configuration (its files and caches) takes milliseconds
// that the main thread spends connecting to the display; the first text
// measured then finds it read. Wait() returns once it is; the destructor waits
// too.
class FontConfigurationPreload {
public:
    FontConfigurationPreload();
    ~FontConfigurationPreload();
    FontConfigurationPreload(const FontConfigurationPreload&) = delete;
    FontConfigurationPreload& operator=(const FontConfigurationPreload&) = delete;

    void Wait();

private:
    std::thread reader_;
};

} // namespace tarsilo
