#pragma once

// This process's memory as the kernel counts it, in kB; -1 where it cannot be read.
namespace ProcessMemory {

long ResidentKb();
long PeakResidentKb();

} // namespace ProcessMemory
