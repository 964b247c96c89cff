// Password change: menu choice 10, "Sifre Degistir".
#pragma once

void psifre();
