#pragma once

// Tells the C library to keep freed memory for the next picture instead of
// handing it back to the system after each one. A save or load needs a few
// blocks of 2 to 4 MB at a time (the three floors side by side, the bitmap's
// bytes, the JPG coder's coefficients); given back and taken anew, every page
// of them is cleared by the system again, which cost more than the JPG coding
// itself. Call once, first thing in main.
void keepFreedPictureMemory();
