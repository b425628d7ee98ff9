// Puts the program's resources into the window system's resource table: the three dialog templates,
// the bitmaps, string 101, icon 128 and cursor 140. Call once before the first window is created;
// later calls do nothing.
#pragma once

void RegisterProgramResources();
