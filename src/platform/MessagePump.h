#pragma once
// Lets pending window messages run during a long operation on the user-interface thread.

namespace krv {

class IMessagePump {
public:
    virtual ~IMessagePump() = default;
    // Runs the messages that are waiting now and returns; never waits for new ones.
    virtual void DoEvents() = 0;
};

} // namespace krv
