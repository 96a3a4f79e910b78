#pragma once
// The period of the 10-ms clock that every device time-out counts, in
// milliseconds: MERVADIN_TICK_MS when set to a positive integer (so that
// tests can run long time-outs quickly), else 10.

namespace mervadin {

int TickPeriodMs();

} // namespace mervadin
