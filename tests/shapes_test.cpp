// Shaped windows: the pixels each stored record leaves visible, and what
// happens when a record cannot be used.
#include <QTest>
#include <QWindow>
#include <initializer_list>

#include "holeview/FieldWindows.h"
#include "holeview/WindowShapes.h"
#include "tests/support/TestEnvironment.h"

using holeview::RegionRecord;
using holeview::Shape;

namespace {

// Rows of '#' (visible) and '.' (hidden) for the window's top-left corner.
QRegion Picture(std::initializer_list<const char*> rows) {
    QRegion region;
    int y = 0;
    for (const char* row : rows) {
        for (int x = 0; row[x]; ++x) {
            if (row[x] == '#') region += QRect(x, y, 1, 1);
        }
        ++y;
    }
    return region;
}

// Visible columns from..to (inclusive) for rows from..to.
QRegion Rows(std::initializer_list<std::array<int, 4>> bands) {
    QRegion region;
    for (const auto& [top, bottom, left, right] : bands) {
        region += QRect(QPoint(left, top), QPoint(right, bottom));
    }
    return region;
}

const RegionRecord& Record(Shape shape) {
    return holeview::WindowShapes()[static_cast<std::size_t>(shape)];
}

QRegion Visible(Shape shape, QRect window) {
    const RegionRecord& record = Record(shape);
    return holeview::RegionFromRecord(record, holeview::RegionByteCount(record)).value() & window;
}

}  // namespace

class ShapesTest : public QObject {
    Q_OBJECT
private slots:
    void shapesLeaveExactlyTheFigureVisible() {
        QCOMPARE(Visible(Shape::Ball, QRect(0, 0, 5, 5)),
                 Picture({".....", "..##.", ".####", ".####", "..##."}));
        QCOMPARE(Visible(Shape::Flag, QRect(0, 0, 5, 10)),
                 Picture({".....", "#####", "####.", "###..", "##...", "#....", "#....", "#....",
                          "#....", "#...."}));
        QCOMPARE(Visible(Shape::Clock, QRect(0, 0, 29, 32)), Rows({{0, 0, 12, 16},
                                                                   {1, 1, 8, 20},
                                                                   {2, 2, 7, 21},
                                                                   {3, 3, 5, 23},
                                                                   {4, 4, 4, 24},
                                                                   {5, 6, 3, 25},
                                                                   {7, 7, 2, 26},
                                                                   {8, 11, 1, 27},
                                                                   {12, 15, 0, 28},
                                                                   {16, 19, 1, 27},
                                                                   {20, 20, 2, 26},
                                                                   {21, 22, 3, 28},
                                                                   {23, 31, 0, 28}}));
        // A ball window 7 pixels across shows the covering band from column and row 6.
        const QRegion wideBall = Visible(Shape::Ball, QRect(0, 0, 7, 7));
        QVERIFY(wideBall.contains(QPoint(6, 0)) && wideBall.contains(QPoint(0, 6)));
        QVERIFY(!wideBall.contains(QPoint(5, 0)) && !wideBall.contains(QPoint(0, 5)));
    }

    // Header and rectangles only, not the whole 560-byte record.
    void regionsAreReadFromHeaderPlusRectangles() {
        QCOMPARE(holeview::RegionByteCount(Record(Shape::Ball)), 176u);
        QCOMPARE(holeview::RegionByteCount(Record(Shape::Flag)), 208u);
        QCOMPARE(holeview::RegionByteCount(Record(Shape::Clock)), 400u);
        QVERIFY(!holeview::RegionFromRecord(Record(Shape::Ball), 560));
    }

    void flagPictureIsWhiteOutsideItsShape() {
        testing::TestEnvironment env;
        holeview::FlagWindow flag;
        const QImage picture = flag.grab().toImage();
        const QRegion shape = Visible(Shape::Flag, QRect(0, 0, 5, 10));
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 5; ++x) {
                const bool white = picture.pixel(x, y) == qRgb(255, 255, 255);
                QCOMPARE(white, !shape.contains(QPoint(x, y)));
            }
        }
        QCOMPARE(picture.pixel(0, 1), qRgb(192, 192, 192));
        QCOMPARE(picture.pixel(0, 9), qRgb(192, 192, 192));
        QCOMPARE(picture.pixel(4, 1), qRgb(255, 0, 0));
    }

    void malformedRecordsGiveNoRegion() {
        const RegionRecord ball = Record(Shape::Ball);
        QVERIFY(!holeview::RegionFromRecord(RegionRecord{}, 176));
        const auto withField = [&ball](std::size_t offset, std::uint8_t value) {
            RegionRecord changed = ball;
            changed[offset] = value;
            return holeview::RegionFromRecord(changed, holeview::RegionByteCount(changed));
        };
        QVERIFY(!withField(4, 2));     // not a rectangle list
        QVERIFY(!withField(12, 160));  // rectangle size disagrees with the count
        QVERIFY(!withField(32, 95));   // first rectangle turned inside out
        QVERIFY(!withField(60, 200));  // second rectangle beyond the bound
    }

    // Only the part inside the window: a compositor may take a larger shape's
    // extent for the window's and leave what lies under the rest unpainted.
    void shapingReachesTheNativeWindow() {
        testing::TestEnvironment env;
        holeview::FlagWindow flag;
        holeview::ShapeWindow(flag, Shape::Flag);
        flag.Move(300, 300);
        holeview::ShapeWindow(flag, Shape::Flag);
        QCOMPARE(flag.windowHandle()->mask(), Visible(Shape::Flag, flag.rect()));
        QVERIFY(env.messages.isEmpty());
    }

    void unreadableRecordEndsTheProgramWithItsMessage() {
        testing::TestEnvironment env;
        holeview::FlagWindow flag;
        QVERIFY_THROWS_EXCEPTION(testing::ProgramEnded,
                                 holeview::ApplyRegionRecord(flag, RegionRecord{}));
        QCOMPARE(
            env.messages,
            QStringList{QStringLiteral("Quorvane|リージョンデータの読み込みに失敗しました。")});
        QVERIFY(flag.mask().isEmpty());
    }
};

QTEST_MAIN(ShapesTest)
#include "shapes_test.moc"
