#pragma once
// How the program's top-level windows appear to screen readers.

class QMetaObject;

namespace tarsilo {

// Makes every window of this class a window, announced by its title, on the
// accessibility bus. A plain top-level widget would be a "filler" there.
void ExposeAsWindow(const QMetaObject& windowClass);

} // namespace tarsilo
