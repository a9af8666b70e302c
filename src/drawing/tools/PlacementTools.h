#pragma once

class PictureLibrary;
class PointerEngine;

// Registers the tools that place something with one click: 5 text, 9 to 19
// the library symbols, 30 the imported icon.
void registerPlacementTools(PointerEngine& engine, const PictureLibrary& library);
