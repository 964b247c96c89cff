// The patient list screen: the column heading, the card of every patient in
// use in file order, and the count line. Also the closing screen of editing,
// deletion, admission, discharge and the cashier.
#pragma once

// The column heading of the list, without its leading line break.
inline constexpr const char* LISTE_BASLIGI_BICIMI = "%-11s %-20s %s %-10s %-10s %-6s %-10s";
#define LISTE_BASLIGI_ETIKETLERI \
  "TC KIMLIK", "ISIM", "C", "D. TARIHI", "D. YERI", "M. HAL", "KAN G."

void listele();
