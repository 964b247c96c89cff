// Expected screens, spelled out from the program's screen texts, and the
// typed bytes of common steps. When output does not go to a terminal, every
// screen starts with a form feed (the cleared console).
#pragma once

#include <string>

// The header of a screen: the cleared console, the title line (with the
// session name after a login) and the framed screen title.
std::string ekran(const std::string& baslik, const std::string& oturum = "nobet");
std::string ekran_girissiz(const std::string& baslik);

// The return prompt.
inline const std::string DONUS = "\n\n(Ana menuye donmek icin bir tusa basiniz)";

// The main menu screen, up to and including "Seciminiz: ".
std::string menu_ekrani(const std::string& oturum = "nobet");

// Typed bytes of a login: the name line, then the password keys and Enter.
std::string giris_girdisi(const std::string& isim = "nobet", const std::string& sifre = "nobet");

// The login screen of one attempt with the password's asterisks (one for
// every key, Enter included). `tekrar` shows the two error lines.
std::string giris_ekrani(std::size_t yildiz = 6, bool tekrar = false);

// A whole session with the built-in account: login, `govde`, then 14.
std::string oturum_girdisi(const std::string& govde);

// What that session shows: the login and the first menu, `govde`, and the
// last menu on which 14 was chosen.
std::string oturum_ekrani(const std::string& govde);
