#pragma once

// The drawing attributes a floor canvas carries for its line and box primitives.
struct Pen {
    int width = 1;       // pixels; dotted only shows at width 1
    bool dotted = false;
    bool invert = false; // each touched pixel becomes its complement; colour ignored
};
