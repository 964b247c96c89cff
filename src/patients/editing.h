// Patient editing: menu choice 2, "Hasta Duzenle".
#pragma once

void duzenle();
