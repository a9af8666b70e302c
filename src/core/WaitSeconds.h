#pragma once

// Returns after at least `seconds` have passed, letting pending window events
// run meanwhile. Zero or less returns at once without handling any event.
void waitSeconds(float seconds);
