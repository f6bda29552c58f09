#pragma once
// The main window as the commands see it: texts of edits, captions of labels,
// visibility and the selected shape, with controls named by their component
// names. The commands run against this interface, so they need no window.

#include <string>
#include <string_view>

#include "calc/descent_model.h"

namespace tarsilo {

// Texts are UTF-8.
class WindowFields {
public:
    virtual ~WindowFields() = default;

    virtual std::string EditText(std::string_view edit) const = 0;
    virtual void SetEditText(std::string_view edit, std::string_view text) = 0;
    // The label resizes itself to the new caption.
    virtual void SetLabelCaption(std::string_view label, std::string_view caption) = 0;
    virtual void SetControlVisible(std::string_view control, bool visible) = 0;
    virtual BodyShape SelectedShape() const = 0;
    // Has a screen reader say `text` once, after what it is saying now.
    virtual void Announce(std::string_view text) = 0;
};

// Component names of the controls that the commands read or write.
namespace component {
inline constexpr std::string_view ev0 = "ev0";
inline constexpr std::string_view eD = "eD";
inline constexpr std::string_view eL = "eL";
inline constexpr std::string_view eCb = "eCb";
inline constexpr std::string_view eRoB = "eRoB";
inline constexpr std::string_view eg = "eg";
inline constexpr std::string_view eRo0 = "eRo0";
inline constexpr std::string_view emu = "emu";
inline constexpr std::string_view eTemp = "eTemp";
inline constexpr std::string_view eHx = "eHx";

inline constexpr std::string_view eVV = "eVV";
inline constexpr std::string_view em = "em";
inline constexpr std::string_view ev = "ev";
inline constexpr std::string_view evv0 = "evv0";
inline constexpr std::string_view ev_v0 = "ev_v0";
inline constexpr std::string_view evc = "evc";
inline constexpr std::string_view eEt0 = "eEt0";
inline constexpr std::string_view eEt = "eEt";

inline constexpr std::string_view eReady = "eReady";
inline constexpr std::string_view lD = "lD";
inline constexpr std::string_view lL = "lL";
inline constexpr std::string_view lEt0 = "lEt0";
inline constexpr std::string_view lEt = "lEt";
} // namespace component

} // namespace tarsilo
