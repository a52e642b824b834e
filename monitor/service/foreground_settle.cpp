#include "monitor/service/foreground_settle.h"

unsigned CForegroundSettle::OnChange(uint32_t now) {
  if (!pending_) {
    pending_ = true;
    first_ = now;
    return kForegroundSettle;
  }
  const uint32_t elapsed = now - first_;
  if (elapsed >= kForegroundSettleLimit) return 0;
  const uint32_t left = kForegroundSettleLimit - elapsed;
  return left < kForegroundSettle ? left : kForegroundSettle;
}
