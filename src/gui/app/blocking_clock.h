#pragma once
// Waits of the machine. For now a plain sleep on the interface thread.

#include <QThread>

#include "lathe/ports.h"

namespace zan::gui {

class BlockingClock : public Clock {
public:
    void Wait(int milliseconds) override
    {
        if (milliseconds > 0) QThread::msleep(static_cast<unsigned long>(milliseconds));
    }
};

}  // namespace zan::gui
