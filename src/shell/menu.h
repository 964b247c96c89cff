// The main menu and its operation table.
#pragma once

using Islem = void (*)();

// The operations by menu number 0 to 13. Entry 0 is the menu itself: running
// it simply lets the menu be drawn again.
extern const Islem islem[14];

// Draws the menu, reads one choice and runs its operation. Answers false when
// the choice was 14, which ends the program.
bool menu();
