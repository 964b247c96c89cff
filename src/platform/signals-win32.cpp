#include "platform/signals.h"

// The Windows console delivers Ctrl+C to a handler thread, which waits for
// the main thread; there is nothing to install and nothing to hold off.
void sinyalleri_kur(void (*)()) {}

YazmaKorumasi::YazmaKorumasi() : eski_(0) {}
YazmaKorumasi::~YazmaKorumasi() {}
