#include "floors/OverlayArea.h"

#include "plan/Overlays.h"

#include <QFontMetrics>

QRegion outlineRegion(const QRect& rect)
{
    if (rect.isEmpty())
        return {};
    QRegion outline(rect);
    if (rect.width() > 2 && rect.height() > 2)
        outline -= rect.adjusted(1, 1, -1, -1);
    return outline;
}

OverlayArea OverlayArea::of(const Overlays& o, QSize canvas)
{
    OverlayArea area;
    if (o.crossVisible)
        area.cross = QRegion(0, o.cross.y(), canvas.width(), 1) + QRegion(o.cross.x(), 0, 1, canvas.height());
    if (o.layerVisible)
        area.layer = outlineRegion(o.layer);
    if (o.gumVisible)
        area.gum = outlineRegion(o.gum);
    if (o.cursorImageVisible && !o.cursorImage.isNull())
        area.cursorImage = QRect(o.cursorImageAt, o.cursorImage.size());
    if (o.textVisible) {
        // Generous on every side: italic and underlined glyphs reach past
        // the advance and the line height.
        const QFontMetrics metrics(o.textFont);
        const int margin = metrics.height();
        area.text = QRect(o.textAt, QSize(metrics.horizontalAdvance(o.text), metrics.height()))
                        .adjusted(-margin, -margin, margin, margin);
    }
    return area;
}

QRegion OverlayArea::changedSince(const OverlayArea& before) const
{
    QRegion changed;
    auto add = [&changed](const QRegion& now, const QRegion& then) {
        if (now != then)
            changed += now + then;
    };
    add(cross, before.cross);
    add(layer, before.layer);
    add(gum, before.gum);
    add(cursorImage, before.cursorImage);
    add(text, before.text);
    return changed;
}
