#include "Named.h"
#include "support/DrawingRig.h"
#include "support/TestProgram.h"

#include "app/MainWindow.h"
#include "drawing/tools/PlacementTools.h"
#include "editing/IconPanel.h"
#include "floors/CanvasWidget.h"
#include "image/PictureLibrary.h"
#include "image/Primitives.h"
#include "image/TextStamp.h"

#include <QAction>
#include <QtTest>

namespace {
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;
constexpr QRgb Colour = 0xFFF0A050;

// A pointer engine with every tool, on floors without a window.
struct PlacementRig : PointerRig {
    PictureLibrary library;
    PlacementRig() { registerPlacementTools(engine, library); }

    void chooseSymbol(ToolKind tool, int optionBase, int option)
    {
        plan.toolChoice.current = tool;
        plan.toolChoice.optionBase = optionBase;
        plan.toolChoice.chosenOption = option;
    }
    void chooseIcon(const QImage& icon)
    {
        plan.importedIcon = icon;
        plan.toolChoice.current = ToolKind::ImportedIcon;
    }
    void click(QPoint at)
    {
        press(at.x(), at.y());
        release(at.x(), at.y());
    }
};

QImage solidIcon(QRgb colour)
{
    QImage icon = filled(35, colour, 35);
    return icon;
}

// A black wall three pixels thick across the whole floor.
void drawWall(QImage& image, int top)
{
    fillBox(image, QPoint(0, top), QPoint(image.width() - 1, top + 2), Black);
}
} // namespace

class TestPlacement : public QObject {
    Q_OBJECT
private slots:
    void rasterModes_data()
    {
        QTest::addColumn<int>("entry"); // 0: as the program starts
        // The new plan pixel under a white, a black and a coloured symbol pixel:
        // first on a black wall, then on white paper.
        QTest::addColumn<QList<QRgb>>("onWall");
        QTest::addColumn<QList<QRgb>>("onPaper");
        const QList<QRgb> asAnd{White, Black, Colour};
        QTest::newRow("And from the start") << 0 << QList<QRgb>{Black, Black, Black} << asAnd;
        QTest::newRow("And") << 1 << QList<QRgb>{Black, Black, Black} << asAnd;
        QTest::newRow("Copy") << 2 << QList<QRgb>{White, Black, Colour} << QList<QRgb>{White, Black, Colour};
        QTest::newRow("Merge paint") << 3 << QList<QRgb>{Black, White, 0xFF0F5FAF} << QList<QRgb>{White, White, White};
        QTest::newRow("Not copy") << 4 << QList<QRgb>{Black, White, 0xFF0F5FAF} << QList<QRgb>{Black, White, 0xFF0F5FAF};
        QTest::newRow("Invert") << 5 << QList<QRgb>{White, Black, Colour} << QList<QRgb>{Black, White, 0xFF0F5FAF};
        QTest::newRow("Paint") << 6 << QList<QRgb>{White, Black, Colour} << QList<QRgb>{White, White, White};
    }

    void rasterModes()
    {
        QFETCH(int, entry);
        QFETCH(QList<QRgb>, onWall);
        QFETCH(QList<QRgb>, onPaper);
        TestProgram program;
        MainWindow& window = program.start();
        const auto mode = [&window](int k) { return named<QAction>(window, QStringLiteral("rasterModeAction"), k); };
        if (entry > 0) {
            // From another mode, so the row really chooses.
            mode(entry % 6 + 1)->trigger();
            mode(entry)->trigger();
        }
        for (int k = 1; k <= 6; ++k)
            QCOMPARE(mode(k)->isChecked(), k == std::max(entry, 1));

        PlacementRig rig;
        rig.plan.toolChoice.rasterOpText = window.plan().toolChoice.rasterOpText;
        QImage icon = solidIcon(White);
        const QList<QRgb> kinds{White, Black, Colour};
        for (int i = 0; i < 3; ++i) {
            icon.setPixel(10 + i, 0, kinds[i]); // over the wall
            icon.setPixel(10 + i, 20, kinds[i]); // over the paper
        }
        rig.chooseIcon(icon);
        drawWall(rig.image(), 164);
        rig.click(QPoint(100, 200)); // the icon's top row lies on y = 164
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(rig.image().pixel(74 + i, 164), onWall[i]);
            QCOMPARE(rig.image().pixel(74 + i, 184), onPaper[i]);
        }
    }

    void iconCovers_data()
    {
        QTest::addColumn<QPoint>("click");
        QTest::addColumn<QRect>("covered");
        QTest::newRow("inside") << QPoint(100, 100) << QRect(QPoint(64, 64), QPoint(98, 98));
        QTest::newRow("near the top-left corner") << QPoint(10, 20) << QRect(QPoint(0, 0), QPoint(8, 18));
        QTest::newRow("near the bottom-right corner") << QPoint(360, 460) << QRect(QPoint(324, 424), QPoint(349, 454));
        QTest::newRow("wholly clipped") << QPoint(1, 1) << QRect();
    }

    void iconCovers()
    {
        QFETCH(QPoint, click);
        QFETCH(QRect, covered);
        PlacementRig rig;
        rig.chooseIcon(solidIcon(Black));
        rig.click(click);
        QCOMPARE(inkedArea(rig.image()), covered);
        QCOMPARE(inkedPixels(rig.image()).size(), covered.width() * covered.height());
        QCOMPARE(rig.plan.toolChoice.current, ToolKind::ImportedIcon);
    }

    void doorOpensWall_data()
    {
        QTest::addColumn<ToolKind>("tool");
        QTest::addColumn<int>("optionBase");
        QTest::addColumn<bool>("opens");
        QTest::newRow("door") << ToolKind::Doors << 39 << true;
        QTest::newRow("window") << ToolKind::Windows << 49 << true;
        QTest::newRow("bath") << ToolKind::Sanitary << 14 << false;
    }

    void doorOpensWall()
    {
        QFETCH(ToolKind, tool);
        QFETCH(int, optionBase);
        QFETCH(bool, opens);
        PlacementRig rig;
        const QImage symbol = rig.library.picture(optionBase + 1);
        QVERIFY2(!symbol.isNull(), "library picture missing");
        drawWall(rig.image(), 180);
        const QImage wall = rig.image();
        rig.chooseSymbol(tool, optionBase, 1);
        const QPoint p(150, 200);
        rig.click(p);

        const QRect picture(p - QPoint(36, 36), QSize(32, 32));
        const QRect opening(p - QPoint(34, 34), p - QPoint(7, 7));
        int gaps = 0;
        for (int y = 0; y < 455; ++y) {
            for (int x = 0; x < 350; ++x) {
                QRgb under = wall.pixel(x, y);
                if (opens && opening.contains(x, y))
                    under = White;
                QRgb expected = under;
                if (picture.contains(x, y)) {
                    const QRgb s = symbol.pixel(x - picture.left(), y - picture.top());
                    if (qAlpha(s) >= 128)
                        expected = (s & under) | 0xFF000000;
                }
                QCOMPARE(rig.image().pixel(x, y), expected);
                gaps += wall.pixel(x, y) == Black && rig.image().pixel(x, y) == White ? 1 : 0;
            }
        }
        // A door or window leaves a gap in the wall; other symbols let it show through.
        QCOMPARE(gaps > 0, opens);
    }

    void clickSound_data()
    {
        QTest::addColumn<ToolKind>("tool");
        QTest::addColumn<bool>("soundOn");
        QTest::addColumn<int>("clicks");
        QTest::newRow("symbol") << ToolKind::Kitchen << true << 1;
        QTest::newRow("icon") << ToolKind::ImportedIcon << true << 1;
        QTest::newRow("text") << ToolKind::Text << true << 1;
        QTest::newRow("fill") << ToolKind::Fill << true << 0;
    }

    void clickSound()
    {
        QFETCH(ToolKind, tool);
        QFETCH(bool, soundOn);
        QFETCH(int, clicks);
        PlacementRig rig;
        rig.settings.soundOn = soundOn;
        rig.plan.importedIcon = solidIcon(Black);
        rig.chooseSymbol(tool, 24, 2);
        rig.click(QPoint(120, 120));
        QCOMPARE(rig.sound.played.size(), clicks);
        if (clicks)
            QVERIFY(rig.sound.played.first().endsWith(QLatin1String("sounds/klik.wav")));
    }

    void importWhileIconChosen()
    {
        TestProgram program;
        QImage first = solidIcon(Black);
        QImage second = solidIcon(White);
        second.setPixel(0, 0, Black);
        first.save(program.path(QStringLiteral("a.rbn")), "BMP");
        second.save(program.path(QStringLiteral("b.rbn")), "BMP");
        MainWindow& window = program.start();
        program.prompts.openAnswers << program.path(QStringLiteral("a.rbn")) << program.path(QStringLiteral("b.rbn"));
        named<QAction>(window, QStringLiteral("importIconAction"))->trigger();
        emit named<IconPanel>(window, QStringLiteral("importedIconPanel"))->iconClicked();
        QCOMPARE(window.plan().toolChoice.current, ToolKind::ImportedIcon);
        named<QAction>(window, QStringLiteral("importIconAction"))->trigger();
        QCOMPARE(window.plan().toolChoice.current, ToolKind::ImportedIcon);
        QCOMPARE(window.plan().floor(1).overlays.cursorImage, first);

        emit named<CanvasWidget>(window, QStringLiteral("floorCanvas"), 1)->pressed(1, Qt::LeftButton, {}, QPointF(100, 100));
        emit named<CanvasWidget>(window, QStringLiteral("floorCanvas"), 1)->released(1, Qt::LeftButton, {}, QPointF(100, 100));
        QCOMPARE(inkedPixels(window.plan().floor(1).image), QList<QPoint>{QPoint(64, 64)});
    }

    void textStamp_data()
    {
        // Without a transferred text the preview's first caption is printed in the floor's font.
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPoint>("click");
        QTest::newRow("transferred, red bold 14") << "Hallo " << QPoint(80, 60);
        QTest::newRow("before any transfer") << "" << QPoint(30, 40);
    }

    void textStamp()
    {
        QFETCH(QString, text);
        QFETCH(QPoint, click);
        PlacementRig rig;
        Floor& floor = rig.plan.floor(1);
        if (!text.isEmpty()) {
            floor.font.setPointSize(14);
            floor.font.setBold(true);
            floor.foreColour = qRgb(255, 0, 0);
            floor.overlays.text = text;
        }
        rig.plan.toolChoice.current = ToolKind::Text;
        rig.click(click);

        QImage expected = filled(350);
        drawText(expected, click + QPoint(14, 0), text.isEmpty() ? QStringLiteral("Tekst") : text, floor.font, floor.foreColour);
        QCOMPARE(rig.image(), expected);
        QVERIFY(inkedArea(rig.image()).left() >= click.x() + 13);
        QVERIFY(inkedArea(rig.image()).top() >= click.y());
        QCOMPARE(rig.plan.toolChoice.current, ToolKind::Text);
    }
};

QTEST_MAIN(TestPlacement)
#include "tst_placement.moc"
