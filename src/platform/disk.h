// The few file services that differ between POSIX and Windows: opening a
// record file, forcing a write to disk, cutting a file back and 64-bit seeks.
#pragma once

#include <cstdint>
#include <cstdio>

enum class AcmaKipi {
  guncelle,   // "r+": an existing file, read and write; fails when missing
  ekle,       // "a+": created when missing; every write goes to the end
  yeni_metin  // "w": the report, created when missing, written as text; not
              // emptied here, so that it is emptied under its lock
};

// Opens `ad` in the given mode, binary for the record files. Only a regular
// file opens: a directory, a pipe or a device at the path counts as a file
// that cannot be opened, so that no scan can block or run forever. Record
// files come back unbuffered: every write reaches the system at once.
FILE* disk_ac(const char* ad, AcmaKipi kip);

// Whether the path `ad` names the very file open as `f` (through a hard or a
// symbolic link, say).
bool disk_ayni(const char* ad, FILE* f);

// Whether the streams `a` and `b` are open on the very same file.
bool disk_ayni_dosya(FILE* a, FILE* b);

// Flushes the stream and waits until its data is on the disk.
bool disk_esitle(FILE* f);

// Waits until the directory entry of the file `ad` is on the disk, so that a
// file just created keeps its name through a power cut. A file system that
// cannot sync a directory counts as done. (Windows keeps names in its
// journal; there this only answers true.)
bool disk_adi_esitle(const char* ad);

// Cuts the file back to `boy` bytes.
bool disk_kes(FILE* f, int64_t boy);

// The file's length in bytes, or -1.
int64_t disk_boy(FILE* f);

bool disk_git(FILE* f, int64_t konum);
