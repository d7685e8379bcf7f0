#include "gui/app/core_gate.h"

#include <utility>

namespace zan::gui {

void CoreGate::Run(Command command)
{
    if (busy_) {
        queue_.push_back(std::move(command));
        return;
    }
    busy_ = true;
    command();
    // Commands given during the call's waits, and those given while these run.
    while (!queue_.empty()) {
        Command next = std::move(queue_.front());
        queue_.pop_front();
        next();
    }
    busy_ = false;
}

}  // namespace zan::gui
