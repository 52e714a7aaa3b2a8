// Where the field's windows go among the desktop's windows.
#include <QTest>

#include "platform/FieldStacking.h"

namespace {

using platform::FieldMove;
using platform::StackedWindow;
using Owner = StackedWindow::Owner;

// A stack from bottom to top, one letter a window, numbered from 1: F the
// field, g another window of the game, O another program's window, o its menu
// or tooltip, h one it hid, i an input-only one; * marks the active window.
struct Desktop {
    std::vector<StackedWindow> stack;
    std::optional<std::uint32_t> active;
};

Desktop Parse(const QString& text) {
    Desktop desktop;
    for (const QString& token : text.split(u' ', Qt::SkipEmptyParts)) {
        const auto id = static_cast<std::uint32_t>(desktop.stack.size() + 1);
        const QChar kind = token[0];
        const Owner owner = kind == u'F' ? Owner::Field : kind == u'g' ? Owner::Game : Owner::Other;
        desktop.stack.push_back({id, owner, kind != u'o', kind != u'h' && kind != u'i'});
        if (token.endsWith(u'*')) desktop.active = id;
    }
    return desktop;
}

}  // namespace

class StackingTest : public QObject {
    Q_OBJECT
private slots:
    void fieldFindsItsPlace_data() {
        QTest::addColumn<QString>("stack");
        QTest::addColumn<bool>("keepInFront");
        QTest::addColumn<int>("above");  // -1 stays, 0 to the bottom
        QTest::newRow("in front, on top") << "O O F F" << true << -1;
        QTest::newRow("in front, another program raised") << "O F F O" << true << 4;
        QTest::newRow("in front, two raised") << "F F O O" << true << 4;
        QTest::newRow("in front, another program's menu") << "O F F o" << true << -1;
        QTest::newRow("in front, a hidden window") << "O F F h" << true << -1;
        QTest::newRow("in front, the game's own bar") << "O F F g" << true << -1;
        QTest::newRow("behind, another program active on top") << "O F F O*" << false << -1;
        QTest::newRow("behind, the field over it") << "O O* F F" << false << 1;
        QTest::newRow("behind, nothing under it") << "O* F F" << false << 0;
        QTest::newRow("behind, input-only windows skipped") << "O i O* F" << false << 1;
        QTest::newRow("behind, already covered") << "F O O*" << false << -1;
        QTest::newRow("the game active, field right under") << "O F F g*" << false << -1;
        QTest::newRow("the game active, field covered") << "F O g*" << false << 2;
        QTest::newRow("the game active, field over it") << "O g* F" << false << 1;
        QTest::newRow("nothing active") << "O F F O" << false << -1;
    }

    void fieldFindsItsPlace() {
        QFETCH(QString, stack);
        QFETCH(bool, keepInFront);
        QFETCH(int, above);
        const Desktop desktop = Parse(stack);
        const std::optional<FieldMove> move =
            platform::PlaceField(desktop.stack, keepInFront, desktop.active);
        if (above < 0) {
            QVERIFY(!move);
        } else {
            QVERIFY(move);
            QCOMPARE(move->above, static_cast<std::uint32_t>(above));
        }
    }
};

QTEST_MAIN(StackingTest)
#include "stacking_test.moc"
