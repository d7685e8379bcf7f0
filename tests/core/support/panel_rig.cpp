#include "support/panel_rig.h"

#include <random>

#include "core/panel/key_table.h"

namespace zan::test {

void RecordingPanelWindow::ScreenChanged(const LcdScreen&, bool repaintArea)
{
    ++screens;
    calls.emplace_back(repaintArea ? "screen repaint" : "screen");
}

void RecordingPanelWindow::LampChanged(KeyId key, bool on)
{
    calls.push_back("lamp " + std::to_string(static_cast<int>(key)) + (on ? " on" : " off"));
}

TempFolder::TempFolder()
    : dir(std::filesystem::temp_directory_path() / ("zan-panel-" + std::to_string(std::random_device{}())))
{
    std::filesystem::create_directories(dir);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

PanelRig::PanelRig(const std::filesystem::path& folder)
    : station(ControllerPorts{alerts, clock, window, fields, &display}, StationOptions{false, ProgramFolder(folder), {}}),
      panel(*station.panel())
{
}

void PanelRig::Click(KeyId key, int times)
{
    for (int i = 0; i < times; ++i) panel.Click(key);
}

std::vector<KeyId> PanelRig::LitLamps() const
{
    std::vector<KeyId> lit;
    for (const KeyInfo& key : PanelKeys())
        if (panel.LampOn(key.id)) lit.push_back(key.id);
    return lit;
}

}  // namespace zan::test
