// Examination archive viewer: menu choice 11, "Muayene Arsivi".
#pragma once

void muayene();
