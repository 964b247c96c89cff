// The main menu and its operation table.
#pragma once

using Islem = void (*)();

// One choice of the main menu: the label it shows and the operation it runs.
struct Secenek {
  const char* etiket;
  Islem calistir;
};

// The choice that ends the program; it runs no operation.
inline constexpr int CIKIS = 14;
inline constexpr int SECENEK_SAYISI = CIKIS + 1;

// The choices by menu number 0 to 14. Entry 0 is the menu itself, not shown:
// running it simply lets the menu be drawn again.
extern const Secenek islem[SECENEK_SAYISI];

// Draws the menu, reads one choice and runs its operation. Answers false when
// the choice was 14, which ends the program.
bool menu();
