// Admission: menu choice 5, "Hasta Kabul".
#pragma once

void hkabul();
