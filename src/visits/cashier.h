// Cashier: menu choice 8, "Vezne Islemleri".
#pragma once

void vezne();
