// Patient report file: menu choice 12, "Rapor Olustur".
#pragma once

void hrapor();
