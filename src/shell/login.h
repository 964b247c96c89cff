// The login screen "UYE GIRISI", the program's first screen.
#pragma once

// Repeats the login, with the two error lines after every failed attempt
// (`tekrar` non-zero shows them on the first screen too), until a staff
// account or the built-in account is accepted; then starts the session.
void giris(int tekrar);
