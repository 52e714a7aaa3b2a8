#include "game/HoleOutTexts.h"

namespace game {

QString ShotComment(int strokes, int par) {
    if (strokes == 1) return QStringLiteral("ホールインワン！！！！");
    if (strokes < par) return QStringLiteral("やるぅー！！");
    if (strokes == par) return QStringLiteral("いい感じ！");
    if (strokes == par + 1) return QStringLiteral("おしい！");
    if (strokes == par + 2) return QStringLiteral("残念！");
    return QStringLiteral("もっと頑張らなきゃ！");
}

namespace {

const QString kParagraph = QStringLiteral("\r\n\r\n");

QString Holed(int strokes, int par) {
    return QString::number(strokes) + QStringLiteral("打で入りました！") + kParagraph +
           ShotComment(strokes, par) + kParagraph;
}

}  // namespace

QString HoleOutMessage(int strokes, int par, int nextHole) {
    const QString text = Holed(strokes, par);
    if (nextHole >= 19) return text + QStringLiteral("全ホール終了です。お疲れ様でした！");
    if (nextHole == 18) return text + QStringLiteral("次は最終ホールです！");
    return text + QStringLiteral("次は ") + QString::number(nextHole) +
           QStringLiteral("番ホールです！");
}

QString TriedHoleOutMessage(int strokes, int par) {
    return Holed(strokes, par) + QStringLiteral("コース作成に戻ります。");
}

}  // namespace game
