#pragma once
// What the controls ask of the system: its version, whether visual themes draw the
// controls, the screen's colour depth, a few metrics, the beep, and the desktop's colour
// scheme. The answers are fixed, so every control draws the same everywhere: the program's
// controls draw themselves (no visual themes) on a full-colour screen.
#include <QString>

struct TOsVersion {
    bool Nt = true;  // the NT family (not the 9x one)
    int Major = 6;
    int Minor = 1;
};

// The version the controls see: NT 6.1.
TOsVersion OsVersion();
// False: visual themes never draw the controls.
bool ThemesEnabled();
// The screen's colour count as the windows report it: -1 for more than 256 colours.
int ScreenColorCount();
// The width of a vertical scroll bar (and of a combo box's drop-down button), in pixels.
int VerticalScrollBarWidth();
// Lines a list scrolls per wheel step.
int WheelScrollLines();
// The system's warning sound.
void MessageBeep();
// The name of the desktop's colour scheme (empty: the default one).
QString DesktopColorSchemeName();

// The user's folders a settings store can live in.
enum class TSpecialFolderKind { UserAppDataRoaming, UserAppDataLocal, UserDocuments, ProgramData };
// The folder's path with a trailing '/', or empty when there is none.
QString SpecialFolderPath(TSpecialFolderKind kind);
