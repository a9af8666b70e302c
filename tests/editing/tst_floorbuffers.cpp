#include "support/DrawingRig.h"

#include "editing/FloorBuffers.h"
#include "image/Primitives.h"

#include <QTest>

namespace {
QImage whiteFloor()
{
    QImage image(350, 455, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void drawRoom(PointerRig& rig, QPoint corner)
{
    rig.state.CurrentTool = 3;
    rig.state.ChosenOption = 1;
    rig.drag(corner, {corner + QPoint(60, 40)});
}
} // namespace

class TestFloorBuffers : public QObject {
    Q_OBJECT
private slots:
    void undoPutsBackTheFloorBeforeTheLastPress()
    {
        PointerRig rig;
        drawRoom(rig, QPoint(10, 10));
        const QImage withRoom = rig.image();
        rig.state.CurrentTool = 2;
        rig.drag(QPoint(100, 100), {QPoint(200, 300)});
        QVERIFY(rig.image() != withRoom);
        undoInto(rig.floors, 1);
        QCOMPARE(rig.image(), withRoom);
        // Twice is once: there is one step back.
        undoInto(rig.floors, 1);
        QCOMPARE(rig.image(), withRoom);
        QCOMPARE(inkedPixels(withRoom).size(), 2 * 61 + 2 * 39);
    }

    void undoAfterSwitchingFloors()
    {
        PointerRig rig;
        drawRoom(rig, QPoint(10, 10));
        const QImage groundBefore = rig.image(1);
        drawRoom(rig, QPoint(100, 100));
        const QImage groundAfter = rig.image(1);
        rig.state.CurrentFloor = 2;
        undoInto(rig.floors, rig.state.CurrentFloor);
        QCOMPARE(rig.image(2), groundBefore);
        QCOMPARE(rig.image(1), groundAfter);
        QCOMPARE(rig.image(3), whiteFloor());
    }

    void undoBeforeAnyPressGivesWhite()
    {
        PointerRig rig;
        fillBox(rig.image(), QPoint(0, 0), QPoint(349, 454), qRgb(0, 0, 255));
        undoInto(rig.floors, 1);
        QCOMPARE(rig.image(), whiteFloor());
    }

    void undoOfAWiderPictureIsCutOff()
    {
        PointerRig rig;
        // Saving leaves floors side by side in the undo buffer.
        QImage composite(700, 455, QImage::Format_RGB32);
        composite.fill(Qt::white);
        fillBox(composite, QPoint(340, 0), QPoint(360, 454), qRgb(255, 0, 0));
        rig.floors.PicTotaal = composite;
        undoInto(rig.floors, 1);
        QCOMPARE(rig.image(), composite.copy(0, 0, 350, 455));
    }

    void copyAndPasteAcrossFloors()
    {
        PointerRig rig;
        drawRoom(rig, QPoint(10, 10));
        const QImage ground = rig.image(1);
        copyFloor(rig.floors, 1);
        drawRoom(rig, QPoint(150, 150)); // later drawing stays out of the buffer
        const QImage groundNow = rig.image(1);
        rig.state.CurrentFloor = 2;
        pasteInto(rig.floors, 2);
        QCOMPARE(rig.image(2), ground);
        QCOMPARE(rig.image(1), groundNow);
        drawRoom(rig, QPoint(50, 200)); // drawing on the pasted floor leaves the buffer too
        pasteInto(rig.floors, 3);
        QCOMPARE(rig.image(3), ground);
        pasteInto(rig.floors, 1);
        QCOMPARE(rig.image(1), ground);
        // Paste takes no snapshot: Undo goes back to before the last press.
        undoInto(rig.floors, 2);
        QCOMPARE(rig.image(2), ground);
    }

    void pasteBeforeCopyGivesBlank()
    {
        PointerRig rig;
        drawRoom(rig, QPoint(10, 10));
        pasteInto(rig.floors, 1);
        QCOMPARE(rig.image(), whiteFloor());
    }
};

QTEST_MAIN(TestFloorBuffers)
#include "tst_floorbuffers.moc"
