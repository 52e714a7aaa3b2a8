// Shaped windows: the stored rectangle records, the pixels they leave visible,
// and what happens when a record cannot be used.
#include <QTest>
#include <QWindow>
#include <initializer_list>

#include "game/Form1.h"
#include "holeview/Form8.h"
#include "holeview/WindowShapes.h"
#include "tests/support/TestEnvironment.h"

using holeview::RegionRecord;
using holeview::windowShapes;

namespace {

QByteArray LittleEndian(std::initializer_list<std::int32_t> values) {
    QByteArray bytes(560, '\0');
    int offset = 0;
    for (std::int32_t v : values) {
        for (int b = 0; b < 4; ++b) bytes[offset++] = static_cast<char>((v >> (8 * b)) & 0xFF);
    }
    return bytes;
}

QByteArray Bytes(const RegionRecord& record) {
    return QByteArray(reinterpret_cast<const char*>(record.data()), int(record.size()));
}

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

QRegion Shape(int index, QRect window) {
    const RegionRecord& record = windowShapes[index];
    return holeview::RegionFromRecord(record, holeview::RegionByteCount(record)).value() & window;
}

}  // namespace

class ShapesTest : public QObject {
    Q_OBJECT
private slots:
    // The flag outlives a test case otherwise.
    void cleanup() { holeview::UnloadFlag(); }

    void recordsAreStoredByteForByte() {
        holeview::BuildWindowShapes();
        QCOMPARE(Bytes(windowShapes[0]),
                 LittleEndian({32, 1, 9, 144, 0,  0, 91, 90, 6,  0, 91, 1,  2,  1, 4,
                               2,  6, 1, 91,  2,  1, 2,  5,  4,  6, 2,  91, 4,  2, 4,
                               4,  5, 6, 4,   91, 5, 6,  5,  91, 6, 0,  6,  91, 90}));
        QCOMPARE(Bytes(windowShapes[1]),
                 LittleEndian({32, 1, 11, 176, 0,  0, 76, 150, 5, 0, 76, 1,  0,  1,  76, 2,  0, 2,
                               4,  3, 5,  2,   76, 3, 0,  3,   3, 4, 5,  3,  76, 4,  0,  4,  2, 5,
                               5,  4, 76, 5,   0,  5, 1,  10,  5, 5, 76, 10, 0,  10, 76, 150}));
        QCOMPARE(Bytes(windowShapes[2]),
                 LittleEndian({32, 1,  23,  368, 0,  0,  436, 480, 12, 0,  17,  1,  29, 0,  436, 1,
                               8,  1,  21,  2,   29, 1,  436, 2,   7,  2,  22,  3,  29, 2,  436, 3,
                               5,  3,  24,  4,   29, 3,  436, 4,   4,  4,  25,  5,  29, 4,  436, 5,
                               3,  5,  26,  7,   29, 5,  436, 7,   2,  7,  27,  8,  29, 7,  436, 8,
                               1,  8,  28,  12,  29, 8,  436, 12,  0,  12, 436, 16, 1,  16, 28,  20,
                               29, 16, 436, 20,  2,  20, 27,  21,  29, 20, 436, 21, 3,  21, 436, 23,
                               0,  23, 436, 480}));
        QCOMPARE(holeview::RegionByteCount(windowShapes[0]), 176u);
        QCOMPARE(holeview::RegionByteCount(windowShapes[1]), 208u);
        QCOMPARE(holeview::RegionByteCount(windowShapes[2]), 400u);
    }

    void shapesLeaveExactlyTheFigureVisible() {
        holeview::BuildWindowShapes();
        QCOMPARE(Shape(0, QRect(0, 0, 5, 5)),
                 Picture({".....", "..##.", ".####", ".####", "..##."}));
        QCOMPARE(Shape(1, QRect(0, 0, 5, 10)),
                 Picture({".....", "#####", "####.", "###..", "##...", "#....", "#....", "#....",
                          "#....", "#...."}));
        // A ball window 7 pixels across shows the covering band from column and row 6.
        const QRegion wideBall = Shape(0, QRect(0, 0, 7, 7));
        QVERIFY(wideBall.contains(QPoint(6, 0)) && wideBall.contains(QPoint(0, 6)));
        QVERIFY(!wideBall.contains(QPoint(5, 0)) && !wideBall.contains(QPoint(0, 5)));
    }

    void flagPictureIsWhiteOutsideItsShape() {
        testing::TestEnvironment env;
        holeview::BuildWindowShapes();
        const QImage picture = holeview::Flag().grab().toImage();
        const QRegion shape = Shape(1, QRect(0, 0, 5, 10));
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
        holeview::BuildWindowShapes();
        const RegionRecord ball = windowShapes[0];
        QVERIFY(!holeview::RegionFromRecord(RegionRecord{}, 176));
        QVERIFY(!holeview::RegionFromRecord(ball, 560));
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

    void shapingAppliesTheMaskToTheNativeWindow() {
        testing::TestEnvironment env;
        holeview::BuildWindowShapes();
        holeview::ShapeWindow(holeview::kBallShape);
        const QRegion ballShape = Shape(0, QRect(0, 0, 91, 90));
        QCOMPARE(game::Ball().mask(), ballShape);
        QCOMPARE(game::Ball().windowHandle()->mask(), ballShape);

        holeview::ShapeWindow(holeview::kFlagShape);
        holeview::Flag().Move(300, 300);
        holeview::ShapeWindow(holeview::kFlagShape);
        QCOMPARE(holeview::Flag().windowHandle()->mask(), Shape(1, QRect(0, 0, 76, 150)));
        QVERIFY(env.messages.isEmpty());
    }

    void unreadableRecordEndsTheProgramWithItsMessage() {
        testing::TestEnvironment env;
        windowShapes = {};
        QVERIFY_THROWS_EXCEPTION(testing::ProgramEnded, holeview::ShapeWindow(0));
        QCOMPARE(
            env.messages,
            QStringList{QStringLiteral("Quorvane|リージョンデータの読み込みに失敗しました。")});
        QVERIFY(game::Ball().mask().isEmpty());
    }
};

QTEST_MAIN(ShapesTest)
#include "shapes_test.moc"
