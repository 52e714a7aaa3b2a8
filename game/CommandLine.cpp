#include "game/CommandLine.h"

#include <cstdio>

#include "courses/HoleString.h"
#include "platform/Display.h"

namespace game {
namespace {

const char kUsage[] =
    "使い方: quorvane [ホール]\n"
    "デスクトップの上でゴルフをします。ホールを指定しないときは、最初の画面でコースを選びます。\n"
    "ホールはホールの文字列で、18ホールすべてをそれで回ります。先頭はパーの数字、\n"
    "続けて1マスに1文字（T ティー、P ピン、B バンカー、W 池、K 木、E 終わり、_ フェアウェイ）。\n"
    "100マスで帯の幅いっぱい、最大1000マスです。\n"
    "  --demo     ひとりでに回ります（展示用）\n"
    "  --stats    コースごとの成績を表示します\n"
    "  --edit [ファイル]  コースを作ります（ファイルを指定しないときは USER.TXT）\n"
    "  --help     この説明を表示します\n"
    "  --version  バージョンを表示します\n";

// An argument can be a megabyte long: the message box and the terminal quote
// enough of it to recognise.
constexpr qsizetype kMostQuotedChars = 80;

QString Quoted(const QString& argument) {
    if (argument.size() <= kMostQuotedChars) return argument;
    qsizetype kept = kMostQuotedChars;
    if (argument[kept - 1].isHighSurrogate()) --kept;
    return argument.left(kept) + u'\u2026';
}

CommandLine Asking(CommandLine::Request request) {
    CommandLine commandLine;
    commandLine.request = request;
    return commandLine;
}

CommandLine Refused(const QString& problem) {
    CommandLine commandLine = Asking(CommandLine::Request::Refused);
    commandLine.problem = problem;
    return commandLine;
}

CommandLine HoleCommandLine(const QString& hole) {
    if (hole.isEmpty()) return {};
    if (!courses::StartsWithParDigit(hole)) {
        return Refused(
            QStringLiteral("コマンドラインにはホールの文字列を指定してください。\r\n"
                           "先頭の1文字はパーの数字です（例: 4T____P___）。"));
    }
    if (courses::HasTooManyCells(hole)) {
        return Refused(
            QStringLiteral("コマンドラインのホールが長すぎます。1ホールは%1マスまでです。")
                .arg(courses::kMostCells));
    }
    CommandLine commandLine;
    commandLine.hole = hole;
    return commandLine;
}

void PrintLine(std::FILE* stream, QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    std::fputs(("quorvane: " + text + u'\n').toLocal8Bit().constData(), stream);
}

CommandLine EditCommandLine(const QStringList& words) {
    if (words.size() > 1) {
        return Refused(QStringLiteral("--edit に指定できるファイルは1つだけです。"));
    }
    CommandLine commandLine = Asking(CommandLine::Request::Edit);
    commandLine.courseFile = words.value(0);
    return commandLine;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QStringList words;
    bool edit = false;
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--edit")) {
            edit = true;
            continue;
        }
        if (argument == QLatin1String("--help")) return Asking(CommandLine::Request::Help);
        if (argument == QLatin1String("--version")) return Asking(CommandLine::Request::Version);
        if (argument == QLatin1String("--demo")) return Asking(CommandLine::Request::Demo);
        if (argument == QLatin1String("--stats")) return Asking(CommandLine::Request::Stats);
        if (argument.startsWith(u'-')) {
            return Refused(QStringLiteral("「%1」というオプションはありません。\r\n"
                                          "使い方は quorvane --help で表示されます。")
                               .arg(Quoted(argument)));
        }
        words << argument;
    }
    if (edit) return EditCommandLine(words);
    return HoleCommandLine(words.join(u' '));
}

QStringList ArgumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

std::optional<int> AnswerOnTerminal(const CommandLine& commandLine, const char* version) {
    switch (commandLine.request) {
        case CommandLine::Request::Help:
            std::fputs(kUsage, stdout);
            return 0;
        case CommandLine::Request::Version:
            std::printf("Quorvane %s\n", version);
            return 0;
        case CommandLine::Request::Refused:
            PrintLine(stderr, commandLine.problem);
            std::fputs(kUsage, stderr);
            if (!platform::DisplayAvailable()) return 2;
            return std::nullopt;
        case CommandLine::Request::Stats:
            return std::nullopt;
        case CommandLine::Request::Play:
        case CommandLine::Request::Demo:
        case CommandLine::Request::Edit:
            break;
    }
    if (platform::DisplayAvailable()) return std::nullopt;
    const QString display = qEnvironmentVariable("DISPLAY");
    PrintLine(stderr, display.isEmpty()
                          ? QStringLiteral("ディスプレイがありません（DISPLAY が空です）。"
                                           "X11 のデスクトップで起動してください。")
                          : QStringLiteral("ディスプレイ「%1」に接続できません。").arg(display));
    return 1;
}

bool WarnOfDesktop(const QString& windowManagerName) {
    if (!windowManagerName.contains(QLatin1String("weston"), Qt::CaseInsensitive)) return false;
    PrintLine(stderr, QStringLiteral("weston ではゲームのウィンドウがキーボードを受け取れないため、"
                                     "遊べません。Xfce、MATE、Plasma、GNOME、openbox などの "
                                     "X11 のデスクトップで起動してください。"));
    return true;
}

}  // namespace game
