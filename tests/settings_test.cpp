// QVN.ini: how values are found and read, byte-exact writes in code page
// 932, and writes that never lose the old file.
#include <sys/stat.h>

#include <QDir>
#include <QTest>

#include "platform/Program.h"
#include "platform/TextFiles.h"
#include "settings/IniDocument.h"
#include "settings/Profile.h"
#include "tests/support/TestEnvironment.h"

using namespace Qt::StringLiterals;

namespace {

QString Read(const QByteArray& file, const QString& section, const QString& key) {
    return settings::LookUpValue(file, section, key).value_or(u"<missing>"_s);
}

QByteArray Written(const QByteArray& file, const QString& section, const QString& key,
                   const QString& value) {
    return settings::BytesWithValue(file, section, key, value).value_or("<refused>");
}

// "白", "黒", "赤" in code page 932.
const QByteArray kWhite = QByteArray("\x94\x92");
const QByteArray kBlack = QByteArray("\x8d\x95");
const QByteArray kRed = QByteArray("\x90\xd4");

// The entry under the name itself, not what a link leads to.
std::pair<ino_t, off_t> Identity(const QString& path) {
    struct stat entry {};
    ::lstat(QFile::encodeName(path).constData(), &entry);
    return {entry.st_ino, entry.st_size};
}

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void namesMatchWithoutCaseAndValuesAreTrimmed() {
        const QByteArray file =
            "[setting]\r\n  alwaystop \t=\t TRUE  \r\nBColor=" + kRed + "\r\nEmpty=\r\n";
        QCOMPARE(Read(file, u"Setting"_s, u"AlwaysTop"_s), u"TRUE"_s);
        QCOMPARE(Read(file, u"SETTING"_s, u"bcolor"_s), u"赤"_s);
        QCOMPARE(Read(file, u"Setting"_s, u"Empty"_s), QString());
        QCOMPARE(Read(file, u"Setting"_s, u"Missing"_s), u"<missing>"_s);
        QCOMPARE(Read(file, u"Other"_s, u"BColor"_s), u"<missing>"_s);
        // Only the first section of a name and the first key in it count.
        const QByteArray twice =
            "[Data]\nHISCORE=first\nhiscore=second\n[Setting]\nHISCORE=elsewhere\n"
            "[DATA]\nHISCORE=third\nLater=only in the second Data\n";
        QCOMPARE(Read(twice, u"Data"_s, u"HISCORE"_s), u"first"_s);
        QCOMPARE(Read(twice, u"Data"_s, u"Later"_s), u"<missing>"_s);
    }

    void commentsQuotesAndLinesWithoutEquals() {
        const QByteArray file =
            "[Setting]\r\n;Course=@\r\n  ; PlusMinus=3\r\n#Hash=kept\r\nCourse\r\n"
            "Quoted=\" spaced \"\r\nSingle='x'\r\nMixed=\"x'\r\nLone=\"\r\nInner=a\"b\"\r\n"
            "Course=*\r\nEmpty=\"\"\r\n";
        QCOMPARE(Read(file, u"Setting"_s, u";Course"_s), u"<missing>"_s);
        QCOMPARE(Read(file, u"Setting"_s, u"PlusMinus"_s), u"<missing>"_s);
        QCOMPARE(Read(file, u"Setting"_s, u"#Hash"_s), u"kept"_s);
        QCOMPARE(Read(file, u"Setting"_s, u"Course"_s), u"*"_s);
        QCOMPARE(Read(file, u"Setting"_s, u"Quoted"_s), u" spaced "_s);
        QCOMPARE(Read(file, u"Setting"_s, u"Single"_s), u"x"_s);
        QCOMPARE(Read(file, u"Setting"_s, u"Mixed"_s), u"\"x'"_s);
        QCOMPARE(Read(file, u"Setting"_s, u"Lone"_s), u"\""_s);
        QCOMPARE(Read(file, u"Setting"_s, u"Inner"_s), u"a\"b\""_s);
        QCOMPARE(Read(file, u"Setting"_s, u"Empty"_s), u""_s);
    }

    // Also after a UTF-8 byte order mark, which a write keeps.
    void everyLineEndReads() {
        for (const QByteArray& end : {QByteArray("\r\n"), QByteArray("\r"), QByteArray("\n")}) {
            const QByteArray file = "\xEF\xBB\xBF[Setting]" + end + "A=1" + end + end + "[Data]" +
                                    end + "A=2" + end + "B=" + kBlack;
            QCOMPARE(Read(file, u"Setting"_s, u"A"_s), u"1"_s);
            QCOMPARE(Read(file, u"Data"_s, u"A"_s), u"2"_s);
            QCOMPARE(Read(file, u"Data"_s, u"B"_s), u"黒"_s);
            QCOMPARE(Written(file, u"Setting"_s, u"A"_s, u"3"_s),
                     QByteArray(file).replace("A=1", "A=3"));
        }
        QCOMPARE(Written("\xEF\xBB\xBF", u"S"_s, u"k"_s, u"v"_s),
                 QByteArray("\xEF\xBB\xBF[S]\r\nk=v\r\n"));
    }

    // Trail bytes 0x5B "[", 0x5D "]", 0x5C "\" and 0x41/0x61 "A"/"a" inside
    // two-byte characters must not be taken for brackets or folded as letters.
    void trailBytesAreNotAsciiCharacters() {
        const QByteArray file =
            "[\x83\x5d]\r\n"           // [ゾ]
            "\x83\x41=katakana a\r\n"  // ア
            "\x83\x5c=so\r\n"          // ソ
            "[\x83\x5b x]\r\n"         // [ゼ x]
            "k=v\r\n";
        QCOMPARE(Read(file, u"ゾ"_s, u"ア"_s), u"katakana a"_s);
        QCOMPARE(Read(file, u"ゾ"_s, u"ヂ"_s), u"<missing>"_s);  // 83 61
        QCOMPARE(Read(file, u"ゾ"_s, u"ソ"_s), u"so"_s);
        QCOMPARE(Read(file, u"ゼ x"_s, u"K"_s), u"v"_s);
        QCOMPARE(Read("[x]y] ; a header's name ends at its last bracket\r\nk=v", u"x]y"_s, u"k"_s),
                 u"v"_s);
        // Only ASCII letters fold: full-width ones are other names.
        QCOMPARE(Read("[ａ]\r\nk=v\r\n", u"Ａ"_s, u"k"_s), u"<missing>"_s);
    }

    void valuesAreCutTo510BytesOnACharacterBoundary() {
        const QByteArray ascii(600, 'x');
        QCOMPARE(Read("[S]\r\nk=" + ascii, u"S"_s, u"k"_s), QString(510, u'x'));
        // 509 single bytes, then a two-byte character that would end at byte 511.
        const QByteArray straddling = QByteArray(509, 'y') + kWhite + kWhite;
        QCOMPARE(Read("[S]\r\nk=" + straddling, u"S"_s, u"k"_s), QString(509, u'y'));
        QCOMPARE(Read("[S]\r\nk=" + QByteArray(508, 'y') + kWhite + "z", u"S"_s, u"k"_s),
                 QString(508, u'y') + u"白"_s);
    }

    void writeChangesOnlyTheValueOfItsLine() {
        const QByteArray before =
            "; \x90\xdd\x92\xe8\r\n[Setting]\n  BColor =  " + kWhite +  // 設定
            "  \r\nCourse=#\r\r\n# not a comment, not a key\r\n"
            "[Data]\r\nHISCORE=2007/07/16 22:10:05 > +7";
        const QByteArray after = Written(before, u"setting"_s, u"bcolor"_s, u"赤"_s);
        QCOMPARE(after, QByteArray("; \x90\xdd\x92\xe8\r\n[Setting]\n  BColor =" + kRed +
                                   "\r\nCourse=#\r\r\n# not a comment, not a key\r\n"
                                   "[Data]\r\nHISCORE=2007/07/16 22:10:05 > +7"));
        QCOMPARE(Written(before, u"Data"_s, u"HISCORE"_s, u"x"_s),
                 before.left(before.lastIndexOf('=') + 1) + "x");
    }

    void newKeysFollowTheLastKeyOfTheirSection() {
        const QByteArray before = "[Setting]\r\nCourse=@\r\n; the scores\r\n\r\n[Data]\r\n\r\n";
        QCOMPARE(Written(before, u"Setting"_s, u"PlusMinus"_s, u"5"_s),
                 QByteArray("[Setting]\r\nCourse=@\r\nPlusMinus=5\r\n; the scores\r\n\r\n"
                            "[Data]\r\n\r\n"));
        QCOMPARE(Written(before, u"Data"_s, u"HISCORE@"_s, u"a"_s),
                 QByteArray("[Setting]\r\nCourse=@\r\n; the scores\r\n\r\n"
                            "[Data]\r\nHISCORE@=a\r\n\r\n"));
        QCOMPARE(Written("[Data]\nHISCORE=1", u"Data"_s, u"HISCORE*"_s, u"b"_s),
                 QByteArray("[Data]\nHISCORE=1\r\nHISCORE*=b\r\n"));
    }

    void newSectionsGoAtTheEnd() {
        QCOMPARE(Written("", u"Location"_s, u"Left"_s, u"120"_s),
                 QByteArray("[Location]\r\nLeft=120\r\n"));
        QCOMPARE(Written(";c\n[Setting]\nA=1", u"Data"_s, u"HISCORE"_s, u"x"_s),
                 QByteArray(";c\n[Setting]\nA=1\r\n[Data]\r\nHISCORE=x\r\n"));
        QCOMPARE(Written("x\r", u"S"_s, u"k"_s, u"v"_s), QByteArray("x\r[S]\r\nk=v\r\n"));
    }

    // Whatever is stored reads back as it was given.
    void writtenValuesReadBack() {
        const QByteArray file = "[S]\r\nk=old\r\n";
        for (const QString& value : {u"  padded\t"_s, u"\"quoted\""_s, u"'single'"_s, u""_s,
                                     u"白 黒 赤"_s, u"=;[x]"_s, u"\""_s}) {
            QCOMPARE(Read(Written(file, u"S"_s, u"k"_s, value), u"S"_s, u"k"_s), value);
            QCOMPARE(Read(Written(file, u"S"_s, u"new"_s, value), u"S"_s, u"new"_s), value);
        }
    }

    void writesThatCouldNotReadBackAreRefused() {
        const QByteArray file = "[S]\r\nk=old\r\n";
        const QString wave = QString(QChar(0x301C));  // no code page 932 form
        QCOMPARE(Written(file, u"S"_s, u"k"_s, u"a"_s + wave), QByteArray("<refused>"));
        QCOMPARE(Written(file, wave, u"k"_s, u"v"_s), QByteArray("<refused>"));
        QCOMPARE(Written(file, u"S"_s, u"k"_s, u"two\r\nlines"_s), QByteArray("<refused>"));
        for (const QString& key : {u""_s, u" k"_s, u"a=b"_s, u";k"_s, u"[k"_s}) {
            QCOMPARE(Written(file, u"S"_s, key, u"v"_s), QByteArray("<refused>"));
        }
        QCOMPARE(Written(file, u""_s, u"k"_s, u"v"_s), QByteArray("<refused>"));
    }

    // Bytes that are not code page 932 are kept; only their names never match.
    void linesThatAreNotCodePage932StayAsTheyAre() {
        const QByteArray file =
            "[Setting]\r\nBad\x81=1\r\nCourse=\x81\r\nOk=2\r\n[Bro\xffken]\r\nInBroken=3\r\n";
        QCOMPARE(Read(file, u"Setting"_s, u"Ok"_s), u"2"_s);
        QCOMPARE(Read(file, u"Setting"_s, u"Course"_s), QString());
        QCOMPARE(Read(file, u"Setting"_s, u"InBroken"_s), u"<missing>"_s);
        QCOMPARE(Read("[S]\nA=1\n[S\nB=2\n", u"S"_s, u"B"_s), u"<missing>"_s);
        QCOMPARE(Written(file, u"Setting"_s, u"New"_s, u"4"_s),
                 file.left(file.indexOf("[Bro")) + "New=4\r\n" + file.mid(file.indexOf("[Bro")));
        QCOMPARE(Written(file, u"Setting"_s, u"Course"_s, u"#"_s),
                 QByteArray(file).replace("Course=\x81", "Course=#"));
    }

    void profileReadsAndWritesTheFileBesideTheProgram() {
        testing::TestEnvironment env;
        QCOMPARE(settings::SettingsFilePath(), env.filePath(u"QVN.ini"_s));
        QCOMPARE(settings::ReadSetting(u"Setting"_s, u"Course"_s), QString());
        settings::WriteSetting(u"Setting"_s, u"Course"_s, u"#"_s);
        settings::WriteSetting(u"Setting"_s, u"PlusMinus"_s, 5);
        settings::WriteSetting(u"Setting"_s, u"BColor"_s, u"白"_s);
        settings::WriteSetting(u"Location"_s, u"Left"_s, -300);
        QCOMPARE(env.readFile(u"QVN.ini"_s), "[Setting]\r\nCourse=#\r\nPlusMinus=5\r\nBColor=" +
                                                 kWhite + "\r\n[Location]\r\nLeft=-300\r\n");
        QCOMPARE(settings::ReadSetting(u"setting"_s, u"PLUSMINUS"_s), u"5"_s);
        QCOMPARE(settings::ReadSetting(u"Setting"_s, u"BColor"_s), u"白"_s);
    }

    void failedOrRefusedWritesLeaveTheOldFile() {
        testing::TestEnvironment env;
        const QByteArray old = "; mine\r\n[Data]\r\nHISCORE=2007/07/16 22:10:05 > +7\r\n";
        env.writeFile(u"QVN.ini"_s, old);
        settings::WriteSetting(u"Data"_s, u"HISCORE"_s, QString(QChar(0x301C)));
        QCOMPARE(env.readFile(u"QVN.ini"_s), old);
        platform::InjectWriteFailureAfter(10);
        settings::WriteSetting(u"Data"_s, u"HISCORE"_s, u"2024/01/01 00:00:00 > -3"_s);
        QCOMPARE(env.readFile(u"QVN.ini"_s), old);
        QCOMPARE(env.messages, QStringList());
        platform::InjectWriteFailureAfter(-1);
        settings::WriteSetting(u"Data"_s, u"HISCORE"_s, u"2024/01/01 00:00:00 > -3"_s);
        QCOMPARE(settings::ReadSetting(u"Data"_s, u"HISCORE"_s), u"2024/01/01 00:00:00 > -3"_s);
    }

    // Beside a writable portable copy its file is the settings file;
    // otherwise the per-user one is, and until it exists a portable copy
    // reads the file beside it and the first write starts from those bytes.
    // An installed copy keeps to the per-user file, whoever may write its folder.
    void settingsFileFollowsTheProgramFolder_data() {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QByteArray>("perUser");  // empty: none
        QTest::addColumn<QString>("course");
        QTest::addColumn<QByteArray>("besideAfter");
        QTest::addColumn<QByteArray>("perUserAfter");
        const QByteArray beside = "; mine\r\n[Setting]\r\nCourse=@\r\n";
        const QByteArray perUser = "[Setting]\r\nCourse=*\r\n";
        const QByteArray locked = "CtlLock=TRUE\r\n";
        QTest::newRow("writable") << false << true << QByteArray() << u"@"_s << beside + locked
                                  << QByteArray();
        QTest::newRow("writable, per-user file ignored")
            << false << true << perUser << u"@"_s << beside + locked << perUser;
        QTest::newRow("read-only, first write copies")
            << false << false << QByteArray() << u"@"_s << beside << beside + locked;
        QTest::newRow("read-only, per-user file")
            << false << false << perUser << u"*"_s << beside << perUser + locked;
        QTest::newRow("installed, writable")
            << true << true << QByteArray() << QString() << beside << "[Setting]\r\n" + locked;
        QTest::newRow("installed, per-user file")
            << true << true << perUser << u"*"_s << beside << perUser + locked;
    }
    void settingsFileFollowsTheProgramFolder() {
        QFETCH(bool, writable);
        QFETCH(QByteArray, perUser);
        testing::TestEnvironment env;
        env.writeFile(u"QVN.ini"_s, "; mine\r\n[Setting]\r\nCourse=@\r\n");
        platform::SetProgramFolderWritable(writable);
        QFETCH(bool, installed);
        platform::SetInstalledLayout(installed);
        const QString perUserFile = platform::PerUserFolder() + u"/QVN.ini"_s;
        if (!perUser.isEmpty()) {
            QDir().mkpath(platform::PerUserFolder());
            QVERIFY(platform::WriteFileAtomically(perUserFile, perUser));
        }
        QTEST(settings::ReadSetting(u"Setting"_s, u"Course"_s), "course");
        QCOMPARE(QFileInfo::exists(platform::PerUserFolder()), !perUser.isEmpty());
        settings::WriteSetting(u"Setting"_s, u"CtlLock"_s, u"TRUE"_s);
        QTEST(env.readFile(u"QVN.ini"_s), "besideAfter");
        QTEST(platform::ReadFileBytes(perUserFile).value_or(QByteArray()), "perUserAfter");
    }

    // Nothing of these is opened in a way that could block, read, or replaced.
    void oddEntriesAreNeitherReadNorReplaced_data() {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"fifo", "zero", "folder", "socket", "big"}) {
            QTest::newRow(kind) << QString::fromLatin1(kind);
        }
    }
    void oddEntriesAreNeitherReadNorReplaced() {
        QFETCH(QString, kind);
        testing::TestEnvironment env;
        env.placeOddEntry(u"QVN.ini"_s, kind);
        const auto before = Identity(env.filePath(u"QVN.ini"_s));
        QCOMPARE(settings::ReadSetting(u"Setting"_s, u"Course"_s), QString());
        settings::WriteSetting(u"Setting"_s, u"Course"_s, u"@"_s);
        if (kind != u"big"_s) {
            QVERIFY(!platform::WriteFileAtomically(env.filePath(u"QVN.ini"_s), "[S]\r\n"));
        }
        QCOMPARE(Identity(env.filePath(u"QVN.ini"_s)), before);
        const auto everything = QDir::AllEntries | QDir::System | QDir::Hidden;
        QCOMPARE(QDir(env.folder()).entryList(everything | QDir::NoDotAndDotDot),
                 QStringList(u"QVN.ini"_s));
    }

    // People keep the file in a folder of their own and link it.
    void aLinkedSettingsFileIsWrittenThrough() {
        testing::TestEnvironment env;
        env.writeFile(u"mine.ini"_s, "[Setting]\r\nCourse=@\r\n");
        QVERIFY(QFile::link(env.filePath(u"mine.ini"_s), env.filePath(u"QVN.ini"_s)));
        QCOMPARE(settings::ReadSetting(u"Setting"_s, u"Course"_s), u"@"_s);
        settings::WriteSetting(u"Setting"_s, u"Course"_s, u"*"_s);
        QVERIFY(QFileInfo(env.filePath(u"QVN.ini"_s)).isSymLink());
        QCOMPARE(env.readFile(u"mine.ini"_s), QByteArray("[Setting]\r\nCourse=*\r\n"));
    }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
