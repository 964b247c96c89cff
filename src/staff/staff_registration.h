// Staff registration: menu choice 9, "Personel Ekle".
#pragma once

void personel();
