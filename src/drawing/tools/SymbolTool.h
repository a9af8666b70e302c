#pragma once

#include "drawing/tools/ClickTool.h"

class PictureLibrary;

// Places a plan symbol with its top-left corner 36 pixels up and left of the
// click: the chosen library picture for the library's tools, or the imported
// icon. Windows and doors first clear the wall under their opening.
class SymbolTool : public ClickTool {
public:
    explicit SymbolTool(const PictureLibrary& library);

protected:
    QRect click(ToolCanvas& canvas, QPointF at) override;

private:
    const PictureLibrary& m_library;
};
