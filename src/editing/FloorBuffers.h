#pragma once

class Floors;

// The one undo level and the one copy buffer, shared by all floors. Each keeps
// a full, independent copy of a floor's picture.

// Keeps floor `index` as it is now for the next Undo; every press on a canvas
// does this first.
void takeUndoSnapshot(Floors& floors, int index);

// Puts the last snapshot into floor `index`, whichever floor it came from.
void undoInto(Floors& floors, int index);

void copyFloor(Floors& floors, int index);

// Puts the copy buffer into floor `index`; before any Copy that is a blank floor.
void pasteInto(Floors& floors, int index);
