// The settings dialog: what it shows of the stored settings, what OK writes
// and applies, what cancelling leaves alone, and the speed preview.
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "platform/Fonts.h"
#include "platform/TextFit.h"
#include "settings/SettingsDialog.h"
#include "tests/support/TestEnvironment.h"

using settings::SettingsDialog;
using namespace Qt::StringLiterals;

namespace {

// A file of the player's own, with comments and Japanese text around the
// settings: "赤" is 0x90 0xD4.
const QByteArray kStored =
    "; \x90\xdd\x92\xe8\r\n[Setting]\r\nCourse=@\r\nAlwaysTop=TRUE\r\nBColor=\x90\xd4\r\n"
    "PlusMinus=9\r\n; end\r\n[Data]\r\nHISCORE=2007/07/16 22:10:05 > +7\r\n";

// Opens the dialog modally, hands it to the action once it shows, and
// returns what it closed with.
int RunDialog(settings::Settings& settings, const std::function<void(SettingsDialog&)>& action) {
    SettingsDialog dialog(settings);
    QTimer::singleShot(0, [&] { action(dialog); });
    return dialog.exec();
}

}  // namespace

class SettingsDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::InstallFontSubstitutes(); }

    void showsWhatIsStored() {
        testing::TestEnvironment env;
        settings::Settings settings;
        SettingsDialog empty(settings);
        QCOMPARE(empty.SpeedList()->currentText(), u"0"_s);
        QCOMPARE(empty.ColorList()->currentText(), u"白"_s);
        QVERIFY(!empty.AlwaysTopBox()->isChecked() && !empty.BarLockBox()->isChecked() &&
                !empty.FixedWidthBox()->isChecked());
        QCOMPARE(empty.SpeedList()->count(), 11);
        QCOMPARE(empty.SpeedList()->itemText(0), u"-5"_s);
        for (QWidget* control : empty.findChildren<QWidget*>()) {
            QVERIFY2(platform::TextFits(control), qPrintable(control->objectName()));
        }

        env.writeFile(u"QVN.ini"_s, kStored + "[Setting]\r\n");
        SettingsDialog stored(settings);
        QCOMPARE(stored.SpeedList()->currentText(), u"4"_s);
        QCOMPARE(stored.ColorList()->currentText(), u"赤"_s);
        QVERIFY(stored.AlwaysTopBox()->isChecked());
        QVERIFY(!stored.BarLockBox()->isChecked());
    }

    // All five keys, changed or not, each on its own line; the rest of the
    // file byte for byte.
    void okWritesAllFiveAndAppliesThem() {
        testing::TestEnvironment env;
        env.writeFile(u"QVN.ini"_s, kStored);
        settings::Settings settings;
        const int result = RunDialog(settings, [](SettingsDialog& dialog) {
            dialog.SpeedList()->setCurrentIndex(0);
            dialog.ColorList()->setCurrentIndex(1);
            dialog.FixedWidthBox()->setChecked(true);
            dialog.OkButton()->click();
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(env.readFile(u"QVN.ini"_s),
                 QByteArray("; \x90\xdd\x92\xe8\r\n[Setting]\r\nCourse=@\r\nAlwaysTop=TRUE\r\n"
                            "BColor=\x8d\x95\r\nPlusMinus=0\r\nCtlLock=FALSE\r\nScrnWidth=TRUE\r\n"
                            "; end\r\n[Data]\r\nHISCORE=2007/07/16 22:10:05 > +7\r\n"));
        QVERIFY(settings.alwaysTop);
        QVERIFY(!settings.ctlLock);
        QCOMPARE(settings.ballColor, qRgb(0, 0, 0));
        QCOMPARE(settings.speedFactor, 1.0f / 6);
        QCOMPARE(settings.screenWidth, 1024 * 15);
    }

    void cancelAndCloseChangeNothing() {
        testing::TestEnvironment env;
        env.writeFile(u"QVN.ini"_s, kStored);
        settings::Settings settings;
        settings.speedFactor = 2;
        const auto changeAll = [](SettingsDialog& dialog) {
            dialog.SpeedList()->setCurrentIndex(10);
            dialog.ColorList()->setCurrentIndex(0);
            dialog.AlwaysTopBox()->setChecked(false);
            dialog.BarLockBox()->setChecked(true);
            dialog.FixedWidthBox()->setChecked(true);
        };
        RunDialog(settings, [&](SettingsDialog& dialog) {
            changeAll(dialog);
            dialog.CancelButton()->click();
        });
        RunDialog(settings, [&](SettingsDialog& dialog) {
            changeAll(dialog);
            dialog.close();
        });
        QCOMPARE(env.readFile(u"QVN.ini"_s), kStored);
        QCOMPARE(settings.speedFactor, 2.0f);
        QVERIFY(!settings.ctlLock);
    }

    // The bars swing at the speed chosen: at "5" six units a step, 60 ms apart.
    void previewSwingsAtTheChosenSpeed() {
        testing::TestEnvironment env;
        settings::Settings settings;
        QList<int> widths;
        struct Watch : QObject {
            QList<int>* widths;
            bool eventFilter(QObject* watched, QEvent* event) override {
                if (event->type() == QEvent::Resize && watched->objectName() == u"powerPreview") {
                    widths->append(static_cast<QWidget*>(watched)->width());
                }
                return false;
            }
        } watch;
        watch.widths = &widths;
        RunDialog(settings, [&](SettingsDialog& dialog) {
            dialog.SpeedList()->setCurrentIndex(10);
            dialog.findChild<QWidget*>(u"powerPreview"_s)->installEventFilter(&watch);
            QTimer* closer = new QTimer(&dialog);
            QObject::connect(closer, &QTimer::timeout, [&] {
                if (widths.size() >= 6) dialog.CancelButton()->click();
            });
            closer->start(0);
        });
        // Levels 7, 13, 19, 25, 19, 13 at 30 twips (2 pixels) each.
        QCOMPARE(widths.mid(0, 6), (QList<int>{14, 26, 38, 50, 38, 26}));
        const QList<int> waits = {2, 2, 2, 3, 5, 10, 20, 30, 40, 50, 60};
        for (int index = 0; index <= 10; ++index)
            QCOMPARE(settings::PreviewWaitMs(index), waits[index]);
    }
};

QTEST_MAIN(SettingsDialogTest)
#include "settingsdialog_test.moc"
