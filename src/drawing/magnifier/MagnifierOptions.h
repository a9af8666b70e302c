#pragma once

// How the magnifier is set: switched on in the Show menu, its enlargement and
// cross hairs in the configuration. They last as long as the main window.
struct MagnifierOptions {
    bool on = false;
    // 1..6 times.
    int zoom = 2;
    // "Loepcoördinaten": the cross hairs over the magnifier's view.
    bool coordinatesOn = false;
};
