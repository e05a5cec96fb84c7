#pragma once
// The windows' virtual-key codes for the keys the controls handle, the code of a Qt key and
// the character a key sends after it.
#include <QChar>
#include <QString>

using TKey = unsigned short;
constexpr TKey VK_BACK = 0x08, VK_TAB = 0x09, VK_RETURN = 0x0D, VK_SHIFT = 0x10, VK_CONTROL = 0x11,
               VK_MENU = 0x12, VK_ESCAPE = 0x1B, VK_SPACE = 0x20, VK_PRIOR = 0x21, VK_NEXT = 0x22,
               VK_END = 0x23, VK_HOME = 0x24, VK_LEFT = 0x25, VK_UP = 0x26, VK_RIGHT = 0x27, VK_DOWN = 0x28,
               VK_INSERT = 0x2D, VK_DELETE = 0x2E, VK_APPS = 0x5D, VK_ADD = 0x6B, VK_SUBTRACT = 0x6D, VK_F1 = 0x70, VK_F4 = 0x73, VK_F10 = 0x79,
               VK_F12 = 0x7B, VK_OEM_PLUS = 0xBB, VK_OEM_COMMA = 0xBC, VK_OEM_MINUS = 0xBD, VK_OEM_PERIOD = 0xBE;

// The virtual-key code of a Qt key (letters and digits as their upper-case character code,
// F1 to F24; "+" and "=" as the main keyboard's plus key, "+" and "-" of the keypad as its
// add and subtract keys); 0 for keys without one.
int VirtualKeyOf(int qtKey, bool keypad = false);

// The character a key press sends after the key, as the windows send it: CR for Enter, ESC
// for Esc, BS for Backspace, else the first character of the key's text when it is a
// printable one; a null character for none.
QChar KeyCharOf(int qtKey, const QString& text);
