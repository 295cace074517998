#pragma once
// FakeMenuWindow and FakeMessagePump: the main window's pointer and menu handler, and the message loop,
// recording what the menu code asked of them.

#include <string>
#include <vector>

#include "platform/MenuHost.h"
#include "platform/MessagePump.h"

namespace krv {

class FakeMenuWindow final : public IMenuWindow {
public:
    void ShowBusyPointer() override { calls.push_back("busy"); }
    void ShowNormalPointer() override { calls.push_back("normal"); }
    void InstallMenuHandler() override { calls.push_back("install"); }
    void RemoveMenuHandler() override { calls.push_back("remove"); }

    std::vector<std::string> calls;
};

class FakeMessagePump final : public IMessagePump {
public:
    void DoEvents() override { ++calls; }
    int calls = 0;
};

} // namespace krv
