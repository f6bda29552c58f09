#pragma once
// How the program's windows and controls appear to screen readers: windows
// announced by their title, push buttons with their default state and the key
// that clicks them, pictures as graphics, and every control named and
// described by the rules both front ends share.

#include <string_view>

class QMetaObject;
class QWidget;

namespace tarsilo {

namespace forms {
struct WindowDefinition;
}

// Makes every window of this class a window, announced by its title, on the
// accessibility bus (a plain top-level widget would be a "filler" there), and
// gives the controls in it the program's own accessible interfaces. Call it
// before the window's controls exist.
void ExposeAsWindow(const QMetaObject& windowClass);

// Names every control of the window, and describes its pictures, as the
// window definition says.
void NameControls(QWidget* window, const forms::WindowDefinition& definition);

// Names again a label, and the controls that it names, after its caption
// changed.
void RenameAfterCaption(QWidget* window, const forms::WindowDefinition& definition,
                        std::string_view label);

} // namespace tarsilo
