// The program as the desktop knows it: the name of its desktop entry, icon
// and metadata, and the window icon.
#pragma once

namespace ws {

// Tells the application its desktop entry and gives every window the icon of
// the desktop's theme, or the one built into the program where the theme has
// none. Call once after the application object exists.
void applyDesktopIdentity();

}  // namespace ws
