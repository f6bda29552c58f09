#pragma once
// The main window's fields held in memory, as the window starts: the commands
// run on them without a window (command tests, fuzz targets, benchmarks).

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

#include "commands/main_commands.h"
#include "commands/window_fields.h"
#include "starting_texts.h"

namespace tarsilo::test {

class MemoryFields : public WindowFields {
public:
    using Texts = std::map<std::string, std::string, std::less<>>;

    MemoryFields() {
        for (std::size_t i = 0; i < InputFieldNames.size(); ++i)
            edits[std::string(InputFieldNames[i])] = StartingInputTexts[i];
        using namespace component;
        for (const std::string_view output : {eVV, em, ev, evv0, ev_v0, evc, eEt0, eEt})
            edits[std::string(output)] = "";
        edits[std::string(eReady)] = ReadyText;
    }

    Texts edits;
    Texts captions = {
        {"lD", "Диаметр шара D, м"},
        {"lEt0", "Начальная энергия, кт"},
        {"lEt", "Энергия в расчетной точке, кт"},
    };
    std::map<std::string, bool, std::less<>> visible = {{"eL", false}, {"lL", false}};
    BodyShape shape = BodyShape::Ball;

    std::string EditText(std::string_view edit) const override { return Find(edits, edit)->second; }
    void SetEditText(std::string_view edit, std::string_view text) override {
        Find(edits, edit)->second = text;
    }
    void SetLabelCaption(std::string_view label, std::string_view caption) override {
        Find(captions, label)->second = caption;
    }
    void SetControlVisible(std::string_view control, bool show) override {
        Find(visible, control)->second = show;
    }
    BodyShape SelectedShape() const override { return shape; }
    void Announce(std::string_view text) override {
        lastAnnouncement = text;
        ++announcements;
    }

    std::string lastAnnouncement;
    int announcements = 0;

protected:
    // Unknown names throw, so a misspelt component name cannot pass.
    template <class Map>
    static auto Find(Map& map, std::string_view name) -> decltype(map.begin()) {
        auto found = map.find(name);
        if (found == map.end())
            throw std::logic_error("no control " + std::string(name));
        return found;
    }
};

} // namespace tarsilo::test
