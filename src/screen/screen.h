// The frame every screen shares: the header that starts it and the return
// prompt that ends an operation. Screens print through the output stream.
#pragma once

#include "platform/output.h"
#include "store/record_file.h"

// Clears the console and draws the title line (with the session name once
// somebody has logged in) and the screen title between two runs of "=".
void basla(const char* baslik);

// What an operation says when a file cannot be opened or read, and when a
// record could not be written (the file is then exactly as it was). After a
// write, "Dosya Acilamadi!" says that the write failed and so did its undo:
// the record may be in the file, so it is looked up before trying again.
inline constexpr const char* DOSYA_ACILAMADI = "Dosya Acilamadi!";
inline constexpr const char* KAYIT_YAZILAMADI = "Kayit Yazilamadi!";

// The return prompt: waits for one key press. The calling operation returns
// at once after it ("return bitir();"), which closes its files.
void bitir();

// Shows `mesaj`, then the return prompt: the operation ends with a message
// ("return bitir(DOSYA_ACILAMADI);").
void bitir(const char* mesaj);

// After a record write, whose locks are gone by now: true when it landed;
// otherwise the operation ends with the message of what stopped it, `engel`
// when the check under the lock ruled it out.
bool yazildi(Yazim y, const char* engel);
