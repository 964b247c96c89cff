// The session name: the user name exactly as typed at the successful login.
#pragma once

// The logged-in user's name, or nullptr before anybody has logged in.
const char* oturum();

// Starts the session; the name is kept unchanged until the program ends.
void oturum_ac(const char* isim);

// Forgets the session, for one more in the same process.
void oturum_kapat();

// Runs one session: the login, then the main menu until choice 14 or the end
// of the keyboard input.
void oturum_calistir();
