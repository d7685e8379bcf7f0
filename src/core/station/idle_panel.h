#pragma once
// Stands in for the operator panel until it exists. It has no lamps and no
// screen; it holds the start-up values the machine reads from the panel, and
// the few key actions that the toolbar reaches through the panel event bridge:
// cycle start, feed hold, spindle on/off, rapid/feed. It also keeps the
// program loaded at start-up and puts it back into the machine after every
// run, as the panel does, so the next cycle start runs it again.

#include <string>
#include <utility>

#include "core/station/station.h"
#include "core/lathe/quiet_ports.h"
#include "core/files/program_file.h"

namespace zan {

class IdlePanel : public QuietPanel {
public:
    // The machine whose keys this panel presses; none until the view exists.
    void Attach(Station* station) { station_ = station; }

    // The program run by cycle start: loaded now and after every run. False
    // when lines beyond the machine's 999 rows had to be left out.
    bool SetProgram(std::string text)
    {
        program_ = std::move(text);
        return Reload();
    }
    const std::string& program() const { return program_; }

    PanelOverrides Overrides() override { return overrides_; }
    // The run ended and the machine's program text was wiped: load it again.
    void ShowRunComplete() override { Reload(); }

    // Starts (or resumes after a feed hold) the loaded program.
    void PressCycleStart() override
    {
        if (station_ == nullptr || station_->lathe.state.runFlag || !ProgramLoaded()) return;
        station_->lathe.state.runFlag = true;
    }
    // Holds the run where it is; cycle start resumes it.
    void PressFeedHold() override
    {
        if (station_ != nullptr) station_->lathe.state.runFlag = false;
    }
    void PressSpindleToggle(bool spindleRunning) override
    {
        if (station_ != nullptr) station_->MachineCommand(spindleRunning ? MachineLetter::SpindleStop : MachineLetter::SpindleL);
    }
    void PressRapidFeed() override { overrides_.rapidSelected = !overrides_.rapidSelected; }

private:
    // A first row shorter than two characters would end the program at once.
    bool ProgramLoaded() const { return station_->lathe.state.lineTable.rows[0][1] != 0; }

    bool Reload()
    {
        if (station_ == nullptr || program_.empty()) return true;
        return LoadIntoLineTable(program_, station_->lathe.state.lineTable);
    }

    Station* station_ = nullptr;
    std::string program_;
    PanelOverrides overrides_;
};

}  // namespace zan
