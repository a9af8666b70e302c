#include "editing/FloorBuffers.h"

#include "floors/Floors.h"

// Deep copies on purpose: the snapshot's cost belongs to the press, not to the
// first stroke of the drag that follows it.

void takeUndoSnapshot(Floors& floors, int index)
{
    floors.PicTotaal = floors.floor(index).image.copy();
}

void undoInto(Floors& floors, int index)
{
    floors.floor(index).setPicture(floors.PicTotaal);
}

void copyFloor(Floors& floors, int index)
{
    floors.CopyPic = floors.floor(index).image.copy();
}

void pasteInto(Floors& floors, int index)
{
    floors.floor(index).setPicture(floors.CopyPic);
}
