// About screen: menu choice 13, "Hakkinda".
#pragma once

void hakkinda();
