#include "Roster.h"

#include <QCoreApplication>

namespace kotebu {

namespace {

// The book gives a monster and its stronger kin one page.
constexpr const char *HananekoPage = QT_TRANSLATE_NOOP("Roster",
    "頭に大きな花を咲かせたネコ。日なたで光合成をしているので、ごはんはほとんど食べない。"
    "水をかけるとよろこぶが、かけすぎるとひっかく。");
constexpr const char *KatonboPage = QT_TRANSLATE_NOOP("Roster",
    "蚊なのかトンボなのか、本人にもよくわかっていない羽虫。血を吸いに来るが、すぐに疲れて休んでしまう。"
    "ときどき妙に根性のある個体がいるので油断は禁物。");
constexpr const char *DokusaPage = QT_TRANSLATE_NOOP("Roster",
    "かわいい顔をして、長い耳の先から毒を出すウサギ。毒といっても、くしゃみが止まらなくなる程度である。"
    "ニンジンを見せるとすぐに油断する。");
constexpr const char *NumahigePage = QT_TRANSLATE_NOOP("Roster",
    "沼の底に住む、立派なヒゲのぬし。ヒゲで水の揺れを読み、近づく者を待ち伏せる。"
    "ヒゲの手入れには毎朝三時間かけるという。");
constexpr const char *BakmusiPage = QT_TRANSLATE_NOOP("Roster",
    "夢を食べるという噂の虫。実は夢よりも昼寝の時間を食べてしまうので、出会った者はなぜか寝不足になる。");

// Rows 0 to 12 by rising level, then the boss, then the special row that
// never comes from experience.
const std::array<RosterRow, RosterSize> FirstGameRoster{{
    {QT_TRANSLATE_NOOP("Roster", "花ネコ"), "Hananeko", 10, QT_TRANSLATE_NOOP("Roster", "花ネコ"), HananekoPage},
    {QT_TRANSLATE_NOOP("Roster", "花ネコＳＰ"), "Hananeko", 20, QT_TRANSLATE_NOOP("Roster", "花ネコ"), HananekoPage},
    {QT_TRANSLATE_NOOP("Roster", "蚊トンボ"), "Katonbo", 32, QT_TRANSLATE_NOOP("Roster", "蚊トンボ"), KatonboPage},
    {QT_TRANSLATE_NOOP("Roster", "蚊トンボＳＰ"), "Katonbo", 46, QT_TRANSLATE_NOOP("Roster", "蚊トンボ"), KatonboPage},
    {QT_TRANSLATE_NOOP("Roster", "ニュルハチ"), "Nyuru8", 62, QT_TRANSLATE_NOOP("Roster", "ニュルハチ"), QT_TRANSLATE_NOOP("Roster",
     "ニュルニュルした体に八本の足を持つ生き物。つかまえようとしても、ニュルッと逃げてしまう。"
     "ハチと呼ばれるのは足が八本だからで、刺したりはしない。")},
    {QT_TRANSLATE_NOOP("Roster", "毒ウサギ"), "Dokusa", 80, QT_TRANSLATE_NOOP("Roster", "毒ウサギ"), DokusaPage},
    {QT_TRANSLATE_NOOP("Roster", "毒ウサギＳＰ"), "Dokusa", 100, QT_TRANSLATE_NOOP("Roster", "毒ウサギ"), DokusaPage},
    {QT_TRANSLATE_NOOP("Roster", "兵隊ペンギン"), "HeitaiP", 122, QT_TRANSLATE_NOOP("Roster", "兵隊ペンギン"), QT_TRANSLATE_NOOP("Roster",
     "隊列を組んで行進するペンギンの兵隊。号令がないと一歩も動けない。"
     "先頭を歩く隊長は、よく氷で滑って全員を巻き込む。")},
    {QT_TRANSLATE_NOOP("Roster", "沼ヒゲ"), "Numahige", 144, QT_TRANSLATE_NOOP("Roster", "沼ヒゲ"), NumahigePage},
    {QT_TRANSLATE_NOOP("Roster", "沼ヒゲＳＰ"), "Numahige", 170, QT_TRANSLATE_NOOP("Roster", "沼ヒゲ"), NumahigePage},
    {QT_TRANSLATE_NOOP("Roster", "バクムシ"), "Bakmusi", 198, QT_TRANSLATE_NOOP("Roster", "バクムシ"), BakmusiPage},
    {QT_TRANSLATE_NOOP("Roster", "バクムシＳＰ"), "Bakmusi", 228, QT_TRANSLATE_NOOP("Roster", "バクムシ"), BakmusiPage},
    {QT_TRANSLATE_NOOP("Roster", "ｱﾒﾘｶﾂﾉｶﾞｴﾙ"), "Tunoflog", 260, QT_TRANSLATE_NOOP("Roster", "アメリカツノガエル"), QT_TRANSLATE_NOOP("Roster",
     "大きな口と角のようなまぶたを持つカエル。口に入りそうなものは何でも飲み込もうとする。"
     "相手が自分より大きくても、まったくおかまいなし。")},
    {QT_TRANSLATE_NOOP("Roster", "まねっこぷぅ"), "Manepu", 300, QT_TRANSLATE_NOOP("Roster", "まねっこぷぅ"), QT_TRANSLATE_NOOP("Roster",
     "この世界を物まねで埋め尽くそうとたくらむ、最後の大ボス。相手の姿も技も何でもまねしてしまう。"
     "ただし、まねをしたあとに必ず「ぷぅ」と言ってしまうのが弱点。")},
    {QT_TRANSLATE_NOOP("Roster", "ポポタルト"), "Popota", 20, QT_TRANSLATE_NOOP("Roster", "ポポタルト"), QT_TRANSLATE_NOOP("Roster",
     "弱ったことぶを見ると放っておけない、心やさしい女の子モンスター。"
     "戦ったあとには、そっとパイとコーヒーを置いていってくれる。甘いものには目がない。")},
}};

const std::array<RosterRow, RosterSize> SecondGameRoster{{
    {QT_TRANSLATE_NOOP("Roster", "バニードッグ"), "BUNNYDOG", 10, QT_TRANSLATE_NOOP("Roster", "バニードッグ"), QT_TRANSLATE_NOOP("Roster",
     "ウサギの耳を持つ子犬。ぴょんぴょん跳ねながら、しっぽを振って寄ってくる。"
     "かみつくよりも、なめてくる方がずっと多い。")},
    {QT_TRANSLATE_NOOP("Roster", "スシヤ"), "SUSIYA", 20, QT_TRANSLATE_NOOP("Roster", "スシヤ"), QT_TRANSLATE_NOOP("Roster",
     "握りずしの姿をしたモンスター。わさびを飛ばして攻撃してくる。"
     "ネタは日によって変わるが、本人は自分が何のネタなのか知らない。")},
    {QT_TRANSLATE_NOOP("Roster", "スッポン７"), "SUPPON7", 32, QT_TRANSLATE_NOOP("Roster", "スッポン７"), QT_TRANSLATE_NOOP("Roster",
     "七代目を名乗るスッポン。一度かみついたら、カミナリが鳴るまで離さないという。"
     "初代から六代目までの行方は誰も知らない。")},
    {QT_TRANSLATE_NOOP("Roster", "隠子"), "INKO", 46, QT_TRANSLATE_NOOP("Roster", "隠コ"), QT_TRANSLATE_NOOP("Roster",
     "物陰にひっそりと隠れている、はずかしがり屋の子。見つかると真っ赤になって体当たりしてくる。"
     "かくれんぼでは一度も負けたことがない。")},
    {QT_TRANSLATE_NOOP("Roster", "クスリマス"), "KUSURIMS", 62, QT_TRANSLATE_NOOP("Roster", "クスリマス"), QT_TRANSLATE_NOOP("Roster",
     "薬の小瓶を背負ったマス。怪しい薬をふりまきながら川をさかのぼる。"
     "ときどき自分で飲んでしまい、元気になったり眠りこけたりしている。")},
    {QT_TRANSLATE_NOOP("Roster", "バウンドドッグ"), "BOUND-D", 80, QT_TRANSLATE_NOOP("Roster", "バウンドドッグ"), QT_TRANSLATE_NOOP("Roster",
     "ゴムまりのように弾む犬。一度弾みだすと自分でも止まれない。"
     "壁にぶつかると、さらに勢いを増して戻ってくる。")},
    {QT_TRANSLATE_NOOP("Roster", "アイチャン"), "AICHAN", 100, QT_TRANSLATE_NOOP("Roster", "アイチャン"), QT_TRANSLATE_NOOP("Roster",
     "にっこり笑って近づいてくる、愛らしいモンスター。かわいさに油断していると、強烈な平手打ちが飛んでくる。"
     "好きなものは甘い言葉。")},
    {QT_TRANSLATE_NOOP("Roster", "チータ"), "CHITA", 122, QT_TRANSLATE_NOOP("Roster", "チータ"), QT_TRANSLATE_NOOP("Roster",
     "森いちばんの俊足を自慢するモンスター。速すぎて、ときどき自分のしっぽを追い越してしまう。"
     "ただし、息切れするのも森いちばん早い。")},
    {QT_TRANSLATE_NOOP("Roster", "魔法使いサリン"), "SARIN", 144, QT_TRANSLATE_NOOP("Roster", "魔法使いサリン"), QT_TRANSLATE_NOOP("Roster",
     "怪しい呪文を唱える自称天才魔法使い。呪文をよく噛むので、出てくる魔法は毎回ちがう。"
     "本人はすべて計算どおりだと言い張っている。")},
    {QT_TRANSLATE_NOOP("Roster", "ヤンパパ"), "YANPAPA", 170, QT_TRANSLATE_NOOP("Roster", "ヤンパパ"), QT_TRANSLATE_NOOP("Roster",
     "昔はかなりやんちゃだったお父さん。子どもの前ではやさしいが、森ではいまだに肩で風を切って歩く。"
     "説教が長い。")},
    {QT_TRANSLATE_NOOP("Roster", "ロボトミー"), "ROBOTOMI", 198, QT_TRANSLATE_NOOP("Roster", "ロボトミー"), QT_TRANSLATE_NOOP("Roster",
     "どこかの研究所から逃げ出したブリキのロボット。頭のネジが一本足りず、言われたことの逆ばかりしてしまう。"
     "油を差すとおとなしくなる。")},
    {QT_TRANSLATE_NOOP("Roster", "家泣き子"), "BAKUDAN", 228, QT_TRANSLATE_NOOP("Roster", "家泣き子"), QT_TRANSLATE_NOOP("Roster",
     "夜な夜な家の中で泣き声を上げる子どものモンスター。泣き声がだんだん大きくなり、"
     "最後には家ごと爆発するといわれている。あやすのは命がけ。")},
    {QT_TRANSLATE_NOOP("Roster", "王サンショウ魚"), "OSANSYO", 260, QT_TRANSLATE_NOOP("Roster", "王サンショウウオ"), QT_TRANSLATE_NOOP("Roster",
     "沼の王を名乗る巨大なサンショウウオ。百年は生きているというが、本人も数えるのをやめてしまった。"
     "ぬるぬるの体には剣もなかなか通らない。")},
    {QT_TRANSLATE_NOOP("Roster", "ハガ・サターン"), "HAGA", 300, QT_TRANSLATE_NOOP("Roster", "ハガ・サターン"), QT_TRANSLATE_NOOP("Roster",
     "村も国もポリゴンに変えてしまおうとたくらむ、この物語の最後の大ボス。"
     "世界をカクカクにすることに命をかけており、丸いものが大嫌い。")},
    {QT_TRANSLATE_NOOP("Roster", "ポチ＆タマー"), "POCTAMA", 20, QT_TRANSLATE_NOOP("Roster", "ポチ＆タマー"), QT_TRANSLATE_NOOP("Roster",
     "いつも二人一緒の、犬と猫の女の子モンスター。弱ったハルーネンを見かけると、そっとランチを置いていってくれる。"
     "元気なハルーネンには、ちょっぴり稽古をつけてくれる。")},
}};

} // namespace

const std::array<RosterRow, RosterSize> &roster(bool secondGame)
{
    return secondGame ? SecondGameRoster : FirstGameRoster;
}

QString rosterName(const RosterRow &row)
{
    return QCoreApplication::translate("Roster", row.name);
}

QString pictureFile(const RosterRow &row)
{
    return QLatin1String(row.image) + QStringLiteral(".KB2");
}

QString bossPicture(bool secondGame)
{
    return pictureFile(roster(secondGame)[BossRow]);
}

} // namespace kotebu
