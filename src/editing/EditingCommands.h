#pragma once

class MainWindow;

// Connects the raster-mode entries, the floor mirrors and the imported-icon
// panel of `window` to the objects that carry them out; they live as long as it.
void wireEditingCommands(MainWindow& window);
