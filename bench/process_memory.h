#pragma once

namespace tolvane::bench {

// A figure of /proc/self/status in KiB, such as "VmHWM:" (peak resident
// memory) or "VmRSS:"; -1 when it cannot be read.
long long statusKiB(const char* key);

}  // namespace tolvane::bench
