// The session name: the user name exactly as typed at the successful login.
#pragma once

// The logged-in user's name, or nullptr before anybody has logged in.
const char* oturum();

// Starts the session; the name is kept unchanged until the program ends.
void oturum_ac(const char* isim);
