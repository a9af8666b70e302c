#pragma once

// Each group registers its measurements; the program runs them in the order
// registered, start-up and memory first, while the process is still fresh.

void registerStartupBenchmarks();
void registerRepeatedStartupBenchmarks();
void registerMemoryBenchmarks();
void registerMouseBenchmarks();
void registerPixelBenchmarks();
void registerFileBenchmarks();
void registerMagnifierBenchmarks();
void registerRecoveryBenchmarks();
void registerHistoryBenchmarks();
void registerUnderlayBenchmarks();
