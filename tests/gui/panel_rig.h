#pragma once
// The operator panel's windows with a recording input, for tests of what
// they paint and what they pass on.

#include <QImage>
#include <QWidget>
#include <string>
#include <vector>

#include "gui/panel/panel_input.h"
#include "gui/panel/panel_windows.h"

namespace zan::gui::test {

// Everything the windows pass on, in order, as short words: "down 1069",
// "up 1062", "code F", "changed 1001", "return", "paint".
struct RecordingInput : PanelInput {
    std::vector<std::string> seen;
    void KeyDown(KeyId key) override { seen.push_back("down " + std::to_string(static_cast<int>(key))); }
    void KeyUp(KeyId key) override { seen.push_back("up " + std::to_string(static_cast<int>(key))); }
    void KeyCode(char code) override { seen.push_back(std::string("code ") + code); }
    void FieldChanged(FieldId id) override { seen.push_back("changed " + std::to_string(static_cast<int>(id))); }
    void ReturnTyped() override { seen.push_back("return"); }
    void FirstPaint() override { seen.push_back("paint"); }
};

struct PanelRig {
    PanelRig() { windows.Attach(&input); }
    ~PanelRig() { windows.Attach(nullptr); }
    RecordingInput input;
    QWidget owner;
    PanelWindows windows{&owner};
};

inline QImage Grab(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

}  // namespace zan::gui::test
