// Patient deletion: menu choice 3, "Hasta Sil".
#pragma once

void sil();
