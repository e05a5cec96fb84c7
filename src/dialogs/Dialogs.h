#pragma once
// Creates the dialogs once, in the order the program starts them (after the main window,
// which registers itself as their host first), each into its global pointer; they live to
// the end of the program. DestroyDialogs deletes them and clears the pointers.
void CreateDialogs();
void DestroyDialogs();
