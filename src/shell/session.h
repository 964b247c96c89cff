// One session of the program: the login, then the main menu.
#pragma once

// Runs one session: the login, then the main menu until choice 14 or the end
// of the keyboard input.
void oturum_calistir();
