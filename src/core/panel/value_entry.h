#pragma once
// Values typed on the parameter and offset screens: the entry box INPUT
// opens, ENTER storing its value, the bits of P11 and P12 set with "0" and
// "1", the list cursors, and Pset.dat and Dset.dat saved after each stored
// value. The values and the cursors are in the shared PanelState, which the
// LCD draws and the machine reads; this part alone changes them.

#include "core/files/program_folder.h"
#include "core/panel/overlay_fields.h"
#include "core/panel/panel_host.h"
#include "core/panel/panel_state.h"
#include "core/panel/save_reports.h"

namespace zan {

class ValueEntry {
public:
    ValueEntry(PanelState& panel, OverlayFields& fields, SaveReports& saves, const ProgramFolder& programs,
               PanelHost& host)
        : panel_(panel), fields_(fields), saves_(saves), programs_(programs), host_(host) {}
    ValueEntry(const ValueEntry&) = delete;
    ValueEntry& operator=(const ValueEntry&) = delete;

    // A digit, point or minus key in Parameter: true when it is to be typed
    // into the entry field (bit setting on P11 and P12 types it too).
    bool ParameterDigit(char ch);
    void ParameterEnter();
    void ParameterInput();
    void OffsetEnter();
    void OffsetInput();
    // The cursor keys on either list: one row down or up.
    void MoveListCursor(bool down);
    // Left and right on the parameter list: the digit of P11 or P12 to set.
    void MoveBitCursor(bool left);

private:
    void SaveParameters();
    void SaveOffsets();

    PanelState& panel_;
    OverlayFields& fields_;
    SaveReports& saves_;
    const ProgramFolder& programs_;
    PanelHost& host_;
};

}  // namespace zan
