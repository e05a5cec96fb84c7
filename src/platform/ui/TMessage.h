#pragma once
// A window message as the framework's controls exchange it: a number and two parameters,
// with a result the receiver may set. Controls receive them through TControl::Perform and
// handle them in WndProc; a windowed control can broadcast one to every control it holds.
#include "ui/VirtualKeys.h"

#include <cstdint>

struct TMessage {
    unsigned Msg = 0;
    std::intptr_t WParam = 0;
    std::intptr_t LParam = 0;
    std::intptr_t Result = 0;
};

// Messages a form sends to all of its controls: a dialog key (WParam the key code, LParam
// the shift state) and a dialog character (WParam the character, an accelerator typed with
// Alt). A control that acts on one sets Result to 1, which ends the round.
constexpr unsigned CM_DIALOGCHAR = 0xB005;
// Key messages a control can be sent (WParam the key code).
constexpr unsigned WM_KEYDOWN = 0x0100;
constexpr unsigned WM_KEYUP = 0x0101;
constexpr unsigned CM_DIALOGKEY = 0xB006;

// Keyboard codes the controls look at: the windows' virtual-key numbers.
