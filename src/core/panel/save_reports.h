#pragma once
// What the panel remembers of failed saves. Every key that changes a program
// or a value saves it again, so a folder that cannot be written would
// otherwise bring up a message box on every key: a failure is reported once,
// and again only after a save of the same file has succeeded.

#include <array>

#include "core/files/program_folder.h"
#include "core/lathe/ports.h"
#include "core/programs/program_store.h"

namespace zan {

enum class SaveTarget : int {
    Program = 0,     // the program open in the editor
    Parameters = 1,  // Pset.dat
    Offsets = 2,     // Dset.dat
};

class SaveReports {
public:
    SaveReports(Alerts& alerts, const ProgramFolder& programs) : alerts_(alerts), programs_(programs) {}
    void Report(SaveTarget target, SaveOutcome outcome);

private:
    Alerts& alerts_;
    const ProgramFolder& programs_;
    std::array<bool, 3> failing_{};  // by SaveTarget: the last save failed and was reported
    bool folderReported_ = false;    // the folder was reported as not writable
};

}  // namespace zan
