// Sizes of the buffers that typed lines are read into. A line that does not
// fit its buffer is refused whole, never cut.
#pragma once

#include <cstddef>

// The login's name and password entries, and the session name kept from the
// login: 39 characters at most.
inline constexpr std::size_t GIRIS_BOYU = 40;

// A free line: the lookup's identity number or name, an answer of the patient
// editing, the passwords of the password change and the search word. 49
// characters at most.
inline constexpr std::size_t SATIR_BOYU = 50;
