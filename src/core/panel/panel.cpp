// Placeholder bodies: the panel's behaviour is being built.

#include "core/panel/panel.h"

namespace zan {

Panel::Panel(PanelPorts ports, Lathe& lathe, MachineBridge& bridge, ProgramFolder programs)
    : ports_(ports), lathe_(lathe), bridge_(bridge), programs_(std::move(programs))
{
}

void Panel::Click(KeyId key)
{
    KeyDown(key);
    KeyUp(key);
}
void Panel::KeyDown(KeyId) {}
void Panel::KeyUp(KeyId) {}
int Panel::KeyCode(char) { return 100; }
void Panel::Paint() {}
void Panel::RefreshLcd(ScreenCode) {}
void Panel::FieldChanged(FieldId) {}
bool Panel::LampOn(KeyId key) const { return lamps_[static_cast<int>(key) - kFirstKeyId]; }
Rect Panel::FieldPlace(FieldId) const { return kHiddenField; }
PanelOverrides Panel::Overrides() { return {}; }
OffsetPair Panel::ToolOffset(int) { return {}; }
void Panel::ShowOffset(float, float) {}
void Panel::ShowPanel() {}
void Panel::ShowSecondKeyPad() {}
void Panel::ShowSpindle(int) {}
void Panel::ShowRunLines() {}
void Panel::ShowRunComplete() {}
void Panel::ResetKeys() {}
void Panel::CycleStartLampOff() {}
void Panel::ShowCoolant(bool) {}
void Panel::RefreshPosition() {}
void Panel::PressEnter() {}
void Panel::PressCycleStart() {}
void Panel::PressFeedHold() {}
void Panel::PressSpindleToggle(bool) {}
void Panel::PressRapidFeed() {}

}  // namespace zan
