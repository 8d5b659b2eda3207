#pragma once

#include <windows.h>

namespace hourvault::win32 {

// Keeps a single-line edit box's line midway up the box, as Windows centres the text of its
// other controls. An edit draws its line at the top of its client area, so all the room a box
// gains with the resolution would lie below the text. Its client area is kept one line high in
// the middle instead; the room above and below is the box's frame, painted in the background
// the edit asks its parent for and taking clicks as the line does. Once per box, before any
// other procedure of the program's is put over the box's.
void centreLine(HWND edit);

} // namespace hourvault::win32
