// Cards on their way to the screen or to the report file, gathered in one
// fixed block and handed on whole, so that a long list leaves in a few large
// writes instead of one small write a card.
#pragma once

#include <cstddef>
#include <cstdio>

#include "patients/card.h"
#include "store/records.h"

// Size of the block; it lives in static storage, never on the stack. It is
// larger than the screen's output buffer, so that a full block goes to the
// console in one write without being copied into that buffer first.
inline constexpr std::size_t KART_BLOGU = 128 * 1024;

class KartBlogu {
 public:
  // Where the gathered bytes go. Answers false when they could not be written.
  using Hedef = bool (*)(void* baglam, const char* veri, std::size_t boy);

  KartBlogu(Hedef hedef, void* baglam);
  // Hands on what is left; call bosalt() first to learn whether that worked.
  ~KartBlogu();
  KartBlogu(const KartBlogu&) = delete;
  KartBlogu& operator=(const KartBlogu&) = delete;

  // Adds the card of `k`. False once a write has failed; nothing more is
  // written then.
  bool ekle(const hasta& k);

  // Hands on everything gathered so far. False once a write has failed.
  bool bosalt();

 private:
  Hedef hedef_;
  void* baglam_;
  char* blok_;  // the static block, or the small one below when taken
  std::size_t boyut_;
  std::size_t dolu_ = 0;
  bool tamam_ = true;
  bool sahip_;             // whether this one holds the static block
  char kucuk_[KART_BOYU];  // one card at a time, for a second block alive at once
};

// A block whose cards go to the screen.
bool ekrana(void* baglam, const char* veri, std::size_t boy);

// A block whose cards go to the text stream given as its `baglam`.
bool akisa(void* baglam, const char* veri, std::size_t boy);
