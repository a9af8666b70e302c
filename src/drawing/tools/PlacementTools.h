#pragma once

class PictureLibrary;
class PointerEngine;

// Registers the tools that place something with one click: text, the
// library symbols and the imported icon.
void registerPlacementTools(PointerEngine& engine, const PictureLibrary& library);
