// The course editor: edits as plain code, the undo history, warnings, and
// the editor on the strip drawing, undoing, saving and closing.
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include "editor/CourseDraft.h"
#include "editor/CourseEditor.h"
#include "editor/HoleEdits.h"
#include "editor/HoleWarnings.h"
#include "game/Game.h"
#include "holeview/HoleView.h"
#include "platform/Messages.h"
#include "tests/support/ShortHole.h"
#include "tests/support/TestEnvironment.h"

using editor::Tool;
using editor::Warning;
using namespace Qt::StringLiterals;

namespace {

const QString kHole = u"4T"_s + QString(78, u'_') + u"P"_s + QString(20, u'_');

// 18 holes, each with a tree or two, so tree sizes run on from hole to hole.
QByteArray CourseFile() {
    QByteArray file = "; mine\r\n";
    for (int hole = 1; hole <= 18; ++hole) {
        QString row = kHole;
        row[10 + hole] = u'K';
        row[50] = u'K';
        file += "@" + row.toLatin1() + "\r\n";
    }
    return file;
}

struct Shown {
    QString title;
    QRectF geometry;
    bool operator==(const Shown&) const = default;
};

QList<Shown> ObstaclesOf(const holeview::HoleView& view) {
    QList<Shown> shown;
    for (const auto& window : view.Obstacles()) {
        shown.append({window->windowTitle(),
                      {window->Left(), window->Top(), window->Width(), window->Height()}});
    }
    return shown;
}

}  // namespace

Q_DECLARE_METATYPE(Tool)

class EditorTest : public QObject {
    Q_OBJECT
private slots:
    void paintingSetsCellsAndMovesTeeAndPin_data() {
        QTest::addColumn<QString>("row");
        QTest::addColumn<Tool>("tool");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("painted");
        QTest::newRow("a run") << u"4T_______P"_s << Tool::Bunker << 3 << 5 << u"4T_BBB___P"_s;
        QTest::newRow("dragged leftwards")
            << u"4T_______P"_s << Tool::Water << 5 << 3 << u"4T_WWW___P"_s;
        QTest::newRow("each cell a tree")
            << u"4T_______P"_s << Tool::Tree << 2 << 3 << u"4TKK_____P"_s;
        QTest::newRow("fairway over the tee")
            << u"4TBB_____P"_s << Tool::Fairway << 1 << 2 << u"4__B_____P"_s;
        QTest::newRow("the tee moves where the drag ends")
            << u"4T___T___P"_s << Tool::Tee << 2 << 7 << u"4______T_P"_s;
        QTest::newRow("the pin moves") << u"4T_______P"_s << Tool::Pin << 4 << 4 << u"4T__P_____"_s;
        QTest::newRow("past the end: longer") << u"4T_P"_s << Tool::End << 6 << 6 << u"4T_P__E"_s;
        QTest::newRow("never past the longest hole")
            << u"4T"_s << Tool::Bunker << 999 << 1200 << u"4T"_s + QString(997, u'_') + u"BB"_s;
    }
    void paintingSetsCellsAndMovesTeeAndPin() {
        QFETCH(QString, row);
        QFETCH(Tool, tool);
        QFETCH(int, from);
        QFETCH(int, to);
        QTEST(editor::Painted(row, tool, from, to), "painted");
        QCOMPARE(editor::WithPar(u"4T_P"_s, 7), u"7T_P"_s);
        QCOMPARE(editor::WithLength(u"4T_P"_s, 2), u"4T_"_s);
        QCOMPARE(editor::WithLength(u"4T_P"_s, 5), u"4T_P__"_s);
    }

    // Whatever is set at a column shows there in play: the tee's ball, the
    // flag's pole, a tree, the start of a bunker or water.
    void whatIsSetAtAColumnShowsAtThatColumn() {
        const std::int32_t cellWidth = 192;
        QCOMPARE(editor::ColumnAt(-10, cellWidth), 0);
        QCOMPARE(editor::ColumnAt(191.9, cellWidth), 0);
        QCOMPARE(editor::ColumnAt(30000, cellWidth), 99);
        for (Tool tool : {Tool::Tee, Tool::Pin, Tool::Tree, Tool::Bunker, Tool::Water}) {
            for (int column = tool == Tool::Tee ? 0 : 1; column < editor::kColumns; ++column) {
                const int cell =
                    editor::CellAt(editor::ColumnAt(column * 192 + 100, cellWidth), tool);
                const QString row = editor::Painted(u"4"_s + QString(100, u'_'), tool, cell, cell);
                courses::TreeCycle trees;
                const holeview::HolePlan plan = holeview::PlanHole(row.mid(1), cellWidth, trees);
                QCOMPARE(plan.placements.size(), std::size_t(1));
                QCOMPARE(plan.placements[0].left, column * 192.0);
            }
        }
    }

    void warningsFollowTheLayout_data() {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QList<Warning>>("warnings");
        QTest::newRow("tee and pin") << u"4T____P___"_s << QList<Warning>{};
        QTest::newRow("no pin") << u"4T______"_s << QList<Warning>{Warning::NoPin};
        QTest::newRow("pin after the end") << u"4T_E_P"_s << QList<Warning>{Warning::NoPin};
        QTest::newRow("no tee") << u"4____P"_s << QList<Warning>{Warning::NoTee};
        QTest::newRow("tee lost after a bunker") << u"4BBT__P"_s << QList<Warning>{Warning::NoTee};
        QTest::newRow("two tees") << u"4T__T__P"_s << QList<Warning>{Warning::TwoTees};
        QTest::newRow("pin just before the tee")
            << u"4__PT___"_s << QList<Warning>{Warning::PinBeforeTee};
        QTest::newRow("played from the right") << u"4_P___T"_s << QList<Warning>{};
        QTest::newRow("water to the end")
            << u"4TWWWWW"_s << QList<Warning>{Warning::NoPin, Warning::WaterToEnd};
        QTest::newRow("cup in water to the end")
            << u"2TPWWWW"_s << QList<Warning>{Warning::WaterToEnd};
        QTest::newRow("dry after the water") << u"4TWWW_P_"_s << QList<Warning>{};
        QTest::newRow("pin lost after the water") << u"4TWWWP_"_s << QList<Warning>{Warning::NoPin};
        QTest::newRow("water behind a hole played leftwards") << u"4P__TWWWW"_s << QList<Warning>{};
        QTest::newRow("water up to an end cell")
            << u"4TPWWWE__"_s << QList<Warning>{Warning::WaterToEnd};
    }
    void warningsFollowTheLayout() {
        QFETCH(QString, row);
        QTEST(editor::WarningsOf(row), "warnings");
    }

    // A drag is one step; undo and redo walk the steps and say which hole
    // changed; saving makes the history clean and every hole part of the file.
    void editsChangeTheCourseOnlyThroughTheHistory() {
        courses::HoleRows inFile;
        for (int hole = 1; hole <= 17; ++hole) inFile[std::size_t(hole - 1)] = kHole;
        editor::CourseDraft draft(inFile);
        QVERIFY(draft.IsNew(18) && !draft.IsNew(17));
        QCOMPARE(draft.Row(18), editor::NewHoleRow());
        QSignalSpy changed(&draft, &editor::CourseDraft::rowChanged);
        const QString a = editor::Painted(kHole, Tool::Bunker, 3, 3);
        const QString b = editor::Painted(kHole, Tool::Bunker, 3, 6);
        const int stroke = draft.NewStroke();
        draft.Change(2, a, u"x"_s, stroke);
        draft.Change(2, b, u"x"_s, stroke);
        draft.Change(2, b, u"y"_s);  // changes nothing: no step
        draft.Change(5, editor::WithPar(kHole, 3), u"z"_s);
        QCOMPARE(draft.History().count(), 2);
        const int back = draft.NewStroke();
        draft.Change(7, a, u"w"_s, back);
        draft.Change(7, kHole, u"w"_s, back);  // a drag that ends where it began
        QCOMPARE(draft.History().count(), 2);
        QCOMPARE(draft.Row(7), kHole);
        draft.History().undo();
        QCOMPARE(draft.Row(5), kHole);
        draft.History().undo();
        QCOMPARE(draft.Row(2), kHole);
        draft.History().redo();
        QCOMPARE(draft.Row(2), b);
        QCOMPARE(changed.last().first().toInt(), 2);
        courses::HoleRows expected;
        expected[1] = b;
        expected[17] = editor::NewHoleRow();
        QCOMPARE(draft.ChangedRows(), expected);
        draft.Saved();
        QVERIFY(draft.History().isClean() && !draft.IsNew(18));
        QCOMPARE(draft.ChangedRows(), courses::HoleRows());
    }

    // Edited cell by cell, the hole on the screen is the one a fresh layout
    // of the same string shows.
    void changedWindowsMatchAFreshLayout() {
        testing::TestEnvironment env;
        holeview::HoleView edited(true);
        holeview::HoleView fresh(true);
        edited.Clear(testing::kGroundY, 19200);
        QString row = u"4"_s + QString(100, u'_');
        QRandomGenerator random(18);
        // An end now and then: with many, little of the hole would be laid out.
        const Tool tools[] = {Tool::Fairway, Tool::Tee,  Tool::Pin, Tool::Bunker,
                              Tool::Water,   Tool::Tree, Tool::End};
        for (int edit = 0; edit < 300; ++edit) {
            const int from = random.bounded(1, 101);
            const int to = std::clamp(from + random.bounded(-4, 5), 1, 100);
            const Tool tool = tools[random.bounded(edit % 20 == 0 ? 7 : 6)];
            row = editor::Painted(row, tool, from, to);
            courses::TreeCycle trees, sameTrees;
            edited.ShowChanges(holeview::PlanHole(row.mid(1), 192, trees), testing::kGroundY);
            const holeview::HolePlan plan = holeview::PlanHole(row.mid(1), 192, sameTrees);
            fresh.Clear(testing::kGroundY, 19200);
            fresh.Show(plan, testing::kGroundY);
            QCOMPARE(ObstaclesOf(edited), ObstaclesOf(fresh));
            if (plan.cupX) QCOMPARE(edited.Flag().Left(), fresh.Flag().Left());
            // Without a pin the flag is concealed: it shows no pixel.
            QCOMPARE(edited.Flag().mask().boundingRect() == QRect(-1, -1, 1, 1), !plan.cupX);
        }
    }

    // Drawn with the pointer and the keys, undone, saved in place; closing
    // asks while changes are unsaved.
    void theEditorDrawsSavesAndAsksBeforeClosing() {
        testing::TestEnvironment env;
        env.writeFile(u"USER.TXT"_s, CourseFile());
        const editor::CourseFiles files{env.filePath(u"USER.TXT"_s), env.filePath(u"USER.TXT"_s)};
        editor::CourseEditor editor(files, {testing::kGroundY, 19200, qRgb(255, 0, 255)});
        editor.Open();
        QVERIFY(env.messages.isEmpty());
        editor::StripInput& input = editor.Field()->Input();
        emit input.pressed(20);
        emit input.dragged(22);
        emit input.dragged(25);
        emit input.released();
        const auto& obstacles = editor.Field()->View().Obstacles();
        QCOMPARE(editor.CurrentRow().mid(20, 6), u"BBBBBB"_s);
        QVERIFY(std::any_of(obstacles.begin(), obstacles.end(), [](const auto& window) {
            return window->windowTitle() == u"Quorvane bunker"_s && window->Left() == 20 * 192 &&
                   window->Width() == 6 * 192;
        }));
        QTest::keyClick(&editor.Window(), Qt::Key_Home);
        QTest::keyClick(&editor.Window(), Qt::Key_Right);
        QTest::keyClick(&editor.Window(), Qt::Key_T);  // the tee on column 1: cell 2
        QCOMPARE(editor.Field()->Tee().Left(), 192.0);
        editor.Window().ParBox()->setValue(5);
        QCOMPARE(editor.CurrentRow().left(3), u"5_T"_s);
        editor.Draft().History().undo();
        QCOMPARE(editor.CurrentRow().left(3), u"4_T"_s);

        platform::SetQuestionHook([](const QString&, const QString&) { return 2; });
        QVERIFY(!editor.MayClose());
        QVERIFY(editor.Save() && editor.MayClose());
        QByteArray saved = CourseFile();
        const int first = saved.indexOf('@');
        saved.replace(first + 1, 101, editor.CurrentRow().toLatin1());
        QCOMPARE(env.readFile(u"USER.TXT"_s), saved);

        // Hole 2's trees are sized as after hole 1, as a round lays them out.
        emit editor.Window().holeChosen(2);
        settings::Settings custom = testing::StandardSettings();
        custom.courseSet = 2;
        game::Game round(custom, QString());
        testing::StartOnHole(round, 1);
        round.Round().currentHole = 2;
        round.ResetHole();
        round.NextTurn();
        QCOMPARE(editor.Field()->Plan().trees, round.Hole().trees);
        platform::SetQuestionHook({});
    }

    // Following a new screen lays the hole out as opening the editor there would.
    void theEditorFollowsTheScreen() {
        testing::TestEnvironment env;
        env.writeFile(u"USER.TXT"_s, CourseFile());
        const editor::CourseFiles files{env.filePath(u"USER.TXT"_s), QString()};
        const editor::FieldSetup moved{testing::kGroundY - 600, 15360, qRgb(255, 0, 255)};
        editor::CourseEditor followed(files, {testing::kGroundY, 19200, qRgb(255, 0, 255)});
        followed.Open();
        emit followed.Field()->Input().pressed(20);
        followed.FollowScreen(moved);
        emit followed.Field()->Input().dragged(30);  // the drag ended with the old field
        editor::CourseEditor opened(files, moved);
        opened.Open();
        emit opened.Field()->Input().pressed(20);
        const auto geometry = [](const platform::GameWindow& w) {
            return QRectF(w.Left(), w.Top(), w.Width(), w.Height());
        };
        QCOMPARE(followed.CurrentRow(), opened.CurrentRow());
        QCOMPARE(ObstaclesOf(followed.Field()->View()), ObstaclesOf(opened.Field()->View()));
        QCOMPARE(geometry(followed.Field()->View().Strip()),
                 geometry(opened.Field()->View().Strip()));
        QCOMPARE(geometry(followed.Field()->Tee()), geometry(opened.Field()->Tee()));
        QCOMPARE(followed.Window().pos(), opened.Window().pos());
    }

    // A file not read whole opens with what was wrong and is never replaced.
    void aFileNotReadWholeIsKept() {
        testing::TestEnvironment env;
        QByteArray file = CourseFile();
        file.replace(file.indexOf("@4T__"), 5, "@4T\xFF_");
        env.writeFile(u"USER.TXT"_s, file);
        editor::CourseEditor editor({env.filePath(u"USER.TXT"_s), QString()},
                                    {testing::kGroundY, 19200, qRgb(255, 0, 255)});
        editor.Open();
        QCOMPARE(env.messages.size(), 1);
        QVERIFY(env.messages[0].contains(u"2行目（ホール1）"_s));
        QVERIFY(editor.Draft().IsNew(1) && !editor.Draft().IsNew(2));
        emit editor.Field()->Input().pressed(30);
        platform::SetQuestionHook([](const QString&, const QString&) { return 0; });
        QVERIFY(!editor.MayClose());
        platform::SetQuestionHook({});
        QVERIFY(env.messages.last().contains(u"上書きしません"_s));
        QCOMPARE(env.readFile(u"USER.TXT"_s), file);
    }
};

QTEST_MAIN(EditorTest)
#include "editor_test.moc"
