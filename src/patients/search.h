// Patient search: menu choice 7, "Hasta Ara".
#pragma once

void hastaara();
