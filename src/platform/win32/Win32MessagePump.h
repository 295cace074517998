#pragma once
// Lets the messages waiting in the thread's queue run, as a long operation on the user-interface thread must.

#include "platform/MessagePump.h"

namespace krv {

class Win32MessagePump final : public IMessagePump {
public:
    void DoEvents() override;
};

} // namespace krv
