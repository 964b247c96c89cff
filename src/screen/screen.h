// The frame every screen shares: the header that starts it and the return
// prompt that ends an operation. Screens print through the output stream.
#pragma once

#include "platform/output.h"

// Clears the console and draws the title line (with the session name once
// somebody has logged in) and the screen title between two runs of "=".
void basla(const char* baslik);

// The return prompt: waits for one key press. The calling operation returns
// at once after it ("return bitir();"), which closes its files.
void bitir();
