// The session name: the user name exactly as typed at the successful login,
// shown in the title line of every screen after it.
#pragma once

// The logged-in user's name, or nullptr before anybody has logged in.
const char* oturum();

// Starts the session; the name is kept unchanged until the program ends.
void oturum_ac(const char* isim);

// Forgets the session, for one more in the same process.
void oturum_kapat();
