// Patient registration: menu choice 1, "Hasta Ekle".
#pragma once

void ekle();
