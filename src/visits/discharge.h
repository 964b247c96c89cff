// Discharge and archiving: menu choice 6, "Hasta Cikis".
#pragma once

void hcikis();
