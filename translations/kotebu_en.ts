<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Battle</name>
    <message>
        <source>ことぶは闘った。</source>
        <extracomment>The fight&apos;s result follows on the same line with nothing between: a translation ends with the space its language wants there.</extracomment>
        <translation>Kotobu fought. </translation>
    </message>
    <message>
        <source>ことぶは勝った！経験値%1を得た。</source>
        <translation>Kotobu won! She gained %1 experience points.</translation>
    </message>
    <message>
        <source>ことぶは負けた！ことぶは傷を負った。</source>
        <translation>Kotobu lost! She was wounded.</translation>
    </message>
    <message>
        <source>敵はパイとコーヒーを置いていった。体力が１アップした！</source>
        <translation>The enemy left behind a pie and a coffee. Stamina went up by 1!</translation>
    </message>
    <message>
        <source>ハルーネンは闘った。</source>
        <extracomment>The fight&apos;s result follows on the same line with nothing between: a translation ends with the space its language wants there.</extracomment>
        <translation>Harunen fought. </translation>
    </message>
    <message>
        <source>ハルーネンは勝った！経験値%1を得た。</source>
        <translation>Harunen won! She gained %1 experience points.</translation>
    </message>
    <message>
        <source>ハルーネンは負けた！ハルーネンは傷を負った。</source>
        <translation>Harunen lost! She was wounded.</translation>
    </message>
    <message>
        <source>敵はランチを置いていった。体力が１アップした！</source>
        <translation>The enemy left behind a packed lunch. Stamina went up by 1!</translation>
    </message>
    <message>
        <source>魅力が１アップした！</source>
        <translation>Charm went up by 1!</translation>
    </message>
    <message>
        <source>知識が１アップした！</source>
        <translation>Knowledge went up by 1!</translation>
    </message>
    <message>
        <source>情報力が１アップした！</source>
        <translation>Information went up by 1!</translation>
    </message>
    <message>
        <source>愛情が１アップした！</source>
        <translation>Love went up by 1!</translation>
    </message>
    <message>
        <source>魅力が１減った！</source>
        <translation>Charm went down by 1!</translation>
    </message>
    <message>
        <source>知識が１減った！</source>
        <translation>Knowledge went down by 1!</translation>
    </message>
    <message>
        <source>情報力が１減った！</source>
        <translation>Information went down by 1!</translation>
    </message>
    <message>
        <source>愛情が１減った！</source>
        <translation>Love went down by 1!</translation>
    </message>
    <message>
        <source>%1が現れた！</source>
        <translation>%1 appears!</translation>
    </message>
</context>
<context>
    <name>Care</name>
    <message>
        <source>ことぶは花に水をやった。愛情が１増えた。</source>
        <translation>Kotobu watered the flowers. Love increased by 1.</translation>
    </message>
    <message>
        <source>ハルーネンは飼犬に餌をやった。愛情が１増えた。</source>
        <translation>Harunen fed her dog. Love increased by 1.</translation>
    </message>
    <message>
        <source>ことぶは体力をつけた。魅力が１減った。</source>
        <translation>Kotobu built up her stamina. Charm decreased by 1.</translation>
    </message>
    <message>
        <source>ハルーネンは体力をつけた。魅力が１減った。</source>
        <translation>Harunen built up her stamina. Charm decreased by 1.</translation>
    </message>
    <message>
        <source>ことぶは化粧をした。魅力が１増えた。</source>
        <translation>Kotobu put on some makeup. Charm increased by 1.</translation>
    </message>
    <message>
        <source>ハルーネンは化粧をした。魅力が１増えた。</source>
        <translation>Harunen put on some makeup. Charm increased by 1.</translation>
    </message>
    <message>
        <source>ことぶは武術の勉強をした。知識が１増えた。</source>
        <translation>Kotobu studied the martial arts. Knowledge increased by 1.</translation>
    </message>
    <message>
        <source>ハルーネンは武術の勉強をした。知識が１増えた。</source>
        <translation>Harunen studied the martial arts. Knowledge increased by 1.</translation>
    </message>
    <message>
        <source>ことぶは新聞を見た。情報力が１増えた。</source>
        <translation>Kotobu read the newspaper. Information increased by 1.</translation>
    </message>
    <message>
        <source>ハルーネンは新聞を見た。情報力が１増えた。</source>
        <translation>Harunen read the newspaper. Information increased by 1.</translation>
    </message>
    <message>
        <source>愛情はもう上がらない。</source>
        <translation>Love is already as high as it goes.</translation>
    </message>
    <message>
        <source>体力はもう上がらない。</source>
        <translation>Stamina is already as high as it goes.</translation>
    </message>
    <message>
        <source>魅力が足りないので、体力をつけられない。</source>
        <translation>No charm left to trade for stamina.</translation>
    </message>
    <message>
        <source>魅力はもう上がらない。</source>
        <translation>Charm is already as high as it goes.</translation>
    </message>
    <message>
        <source>知識はもう上がらない。</source>
        <translation>Knowledge is already as high as it goes.</translation>
    </message>
    <message>
        <source>情報力はもう上がらない。</source>
        <translation>Information is already as high as it goes.</translation>
    </message>
    <message>
        <source>道具は夜にしか使えない。</source>
        <translation>Items can only be given at night.</translation>
    </message>
    <message>
        <source>ハート：愛情を上げる</source>
        <translation>Heart: raises Love</translation>
    </message>
    <message>
        <source>力こぶ：体力を上げる（魅力は下がる）</source>
        <translation>Flexed arm: raises Stamina (lowers Charm)</translation>
    </message>
    <message>
        <source>リボン：魅力を上げる</source>
        <translation>Ribbon: raises Charm</translation>
    </message>
    <message>
        <source>本：知識を上げる</source>
        <translation>Book: raises Knowledge</translation>
    </message>
    <message>
        <source>テレビ：情報力を上げる</source>
        <translation>Television: raises Information</translation>
    </message>
</context>
<context>
    <name>DayEvents</name>
    <message>
        <source>ことぶは素敵な彼氏をみつけ、結婚した。夫は名をパラレルといい、東方の戦士であった。よき伴侶となるであろう。</source>
        <translation>Kotobu found a wonderful sweetheart and married him. Her husband was named Parallel, a warrior from the East. He will surely make her a fine companion.</translation>
    </message>
    <message>
        <source>ことぶは、かわいい女の子をもうけた。「ハルーネン」と名付けられたその女の子は２人に守られすくすくと育った。</source>
        <translation>Kotobu had a sweet baby girl. Named “Harunen”, the little girl grew up happy and healthy in her parents’ loving care.</translation>
    </message>
    <message>
        <source>朝になった。ことぶは冒険に出かけた。</source>
        <translation>Morning came. Kotobu set out on an adventure.</translation>
    </message>
    <message>
        <source>ことぶは病気で動けない。かわいそうに…</source>
        <translation>Kotobu is sick and can’t get up. Poor thing…</translation>
    </message>
    <message>
        <source>しかし、優しい夫に見守られ、奇跡的に回復力を増している。</source>
        <translation>But with her kind husband watching over her, she is recovering at a miraculous pace.</translation>
    </message>
    <message>
        <source>夜になった。ことぶは、ぐーぐー寝ている。</source>
        <translation>Night fell. Kotobu is fast asleep, snoring away. Zzz…</translation>
    </message>
    <message>
        <source>ことぶの大きな愛情が娘のハルーネンにそそがれ、ことぶの魅力が増えた。</source>
        <translation>Kotobu poured her great love into her daughter Harunen, and her Charm increased.</translation>
    </message>
    <message>
        <source>ことぶ&#x3000;%1才&#x3000;／&#x3000;経験値 %2</source>
        <translation>Kotobu, age %1 / EXP %2</translation>
    </message>
    <message>
        <source>ことぶは%1才になった。</source>
        <translation>Kotobu turned %1.</translation>
    </message>
    <message>
        <source>ハルーネンは、傷ついたときに通った隣村の医者、ボルテンと恋に落ち、ついに２人は結婚をした。幸せな家庭を築くであろう。</source>
        <translation>Harunen fell in love with Bolten, the doctor in the next village who had tended her wounds, and at last the two were married. They will surely build a happy home.</translation>
    </message>
    <message>
        <source>ハルーネンは、かわいい娘をもうけた。ハルーネンとボルテンはその子にリックルと名付けた。元気な可愛い子に育つであろう。</source>
        <translation>Harunen had a sweet baby daughter. Harunen and Bolten named her Rickle. She will surely grow up to be a lively, lovely girl.</translation>
    </message>
    <message>
        <source>朝になった。ハルーネンは修行のために森へ出かけた。</source>
        <translation>Morning came. Harunen went off to the forest to train.</translation>
    </message>
    <message>
        <source>ハルーネンは病気にかかり、動けない。かわいそうに…</source>
        <translation>Harunen has fallen ill and can’t get up. Poor thing…</translation>
    </message>
    <message>
        <source>しかし、医師である夫の優しい看病によって、奇跡的に回復をしている。</source>
        <translation>But thanks to the tender care of her husband, the doctor, she is making a miraculous recovery.</translation>
    </message>
    <message>
        <source>夜になった。ハルーネンは静かに、眠りについている。</source>
        <translation>Night fell. Harunen is sleeping peacefully.</translation>
    </message>
    <message>
        <source>ハルーネンの大きな愛情が娘のリックルにそそがれ、ハルーネンの魅力が増えた。</source>
        <translation>Harunen poured her great love into her daughter Rickle, and her Charm increased.</translation>
    </message>
    <message>
        <source>ハルーネン&#x3000;%1才&#x3000;／&#x3000;経験値 %2</source>
        <translation>Harunen, age %1 / EXP %2</translation>
    </message>
    <message>
        <source>ハルーネンは%1才になった。</source>
        <translation>Harunen turned %1.</translation>
    </message>
    <message>
        <source> 体力：%1    愛情：%2    情報力：%3</source>
        <translation> Stamina: %1    Love: %2    Information: %3</translation>
    </message>
    <message>
        <source>  知識：%1    魅力：%2</source>
        <translation>  Knowledge: %1    Charm: %2</translation>
    </message>
    <message>
        <source>    既婚</source>
        <translation>    Married</translation>
    </message>
    <message>
        <source>／一児の母</source>
        <translation>, mother</translation>
    </message>
</context>
<context>
    <name>Demoform</name>
    <message>
        <source>Team Harukaze presents</source>
        <translation>Team Harukaze presents</translation>
    </message>
    <message>
        <source>ハル（コマA）</source>
        <translation>Haru (frame A)</translation>
    </message>
    <message>
        <source>ハル（コマB）</source>
        <translation>Haru (frame B)</translation>
    </message>
    <message>
        <source>ハル（コマC）</source>
        <translation>Haru (frame C)</translation>
    </message>
    <message>
        <source>ハル（コマD）</source>
        <translation>Haru (frame D)</translation>
    </message>
    <message>
        <source>ハル：春風の小鳥</source>
        <translation>Haru, the little bird of the spring wind</translation>
    </message>
    <message>
        <source>1996</source>
        <translation>1996</translation>
    </message>
</context>
<context>
    <name>Ending</name>
    <message>
        <source>ついに、ことぶは宿敵まねっこぷぅを打ち負かし、世界に本当のことを取り戻した。もう誰も、あのへんてこな物まねに振り回されることはない。</source>
        <translation>At last Kotobu beat her archenemy Manekko Puu and restored the truth to the world. No one will ever again be fooled by those silly imitations.</translation>
    </message>
    <message>
        <source>ことぶは、まねっこぷぅを倒すことができなかった。やがて村から真実は消え去り、右を見ても左を見ても物まねばかりの、まねっこぷぅの世界になってしまうだろう…</source>
        <translation>Kotobu could not defeat Manekko Puu. Soon the truth will vanish from the village, and it will be Manekko Puu’s world: copycats everywhere you look…</translation>
    </message>
    <message>
        <source>ついにハルーネンは宿敵ハガ・サターンを打ち倒し、村と国を救った。おめでとう、ハルーネン！</source>
        <translation>At last Harunen struck down her archenemy Haga Saturn and saved the village and the kingdom. Congratulations, Harunen!</translation>
    </message>
    <message>
        <source>ハルーネンは、ハガ・サターンを倒すことができなかった。村はいずれハガ・サターンの手で、家も畑も村人も、みんなカクカクのポリゴンにされてしまうだろう…</source>
        <translation>Harunen could not defeat Haga Saturn. Sooner or later, Haga Saturn will turn the whole village, houses, fields and villagers alike, into blocky polygons…</translation>
    </message>
    <message>
        <source>KoTeBu2 ハルーネン物語 おわり</source>
        <translation>KoTeBu 2 ~The Tale of Harunen~ - The End</translation>
    </message>
    <message>
        <source>ＫｏＴｅＢｕ&#x3000;おわり</source>
        <translation>KoTeBu - The End</translation>
    </message>
    <message>
        <source>得点は%1点でした。</source>
        <translation>Your score: %1 points.</translation>
    </message>
    <message>
        <source>残念でした。もう一度挑戦してください！</source>
        <translation>Too bad! Please try again!</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>%1 を保存できないフォルダです。</source>
        <translation>%1 cannot be saved in this folder.</translation>
    </message>
    <message>
        <source>このまま遊んでも、今日の冒険は保存されません。遊びますか？</source>
        <translation>You can play on, but today’s adventure will not be saved. Play anyway?</translation>
    </message>
    <message>
        <source>このフォルダのゲームはもう始まっています。</source>
        <translation>The game in this folder is already running.</translation>
    </message>
    <message>
        <source>先に始めたほうで遊んでください。</source>
        <translation>Please play in the copy you started first.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>ＫｏＴｅＢｕ ～ことぶ～</source>
        <translation>KoTeBu ~Kotobu~</translation>
    </message>
    <message>
        <source>Enterで敵データ（戦いのあと、情報力が５のとき）、アプリケーションキーかShift+F10でメニュー</source>
        <translation>Enter: enemy data (after a fight, when Information is 5). Menu key or Shift+F10: menu</translation>
    </message>
    <message>
        <source>道具箱</source>
        <translation>Item tray</translation>
    </message>
    <message>
        <source>一時停止：押している間は時間が止まる</source>
        <translation>Pause: time stops while you hold it down</translation>
    </message>
    <message>
        <source>スペースかEnterを押している間、時間が止まる</source>
        <translation>Time stops while you hold down Space or Enter</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>PopM</source>
        <translation>PopM</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;Config</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Character &amp;Status</source>
        <translation>Character &amp;Status</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>１日の時間設定</source>
        <translation>Length of a day</translation>
    </message>
    <message>
        <source>１日の時間（秒）</source>
        <translation>Length of a day (seconds)</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>各種設定</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>アイコン状態で起動</source>
        <translation>Start minimised</translation>
    </message>
    <message>
        <source>最初のデモをスキップする</source>
        <translation>Skip the opening demo</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ＯＫ</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>KoTeBu2 ハルーネン物語 敵データ</source>
        <translation>KoTeBu 2 ~The Tale of Harunen~ - Enemy Data</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>KoTeBu2 ハルーネン物語 おわり</source>
        <translation>KoTeBu 2 ~The Tale of Harunen~ - The End</translation>
    </message>
    <message>
        <source>完</source>
        <translation>The End</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>KoTeBu2 ﾊﾙｰﾈﾝ物語 ﾃﾞﾓﾝｽﾄﾚｰｼｮﾝ</source>
        <translation>KoTeBu 2 ~The Tale of Harunen~ - Demonstration</translation>
    </message>
    <message>
        <source>伝説の女戦士ことぶ</source>
        <translation>Kotobu, the legendary woman warrior</translation>
    </message>
    <message>
        <source>ことぶと東方の戦士</source>
        <translation>Kotobu and the warrior from the East</translation>
    </message>
    <message>
        <source>Next Scene</source>
        <translation>Next Scene</translation>
    </message>
    <message>
        <source>Demo Skip</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>流れ星</source>
        <translation>Shooting star</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>KoTeBu2 ﾊﾙｰﾈﾝ物語 ｽﾀｰﾄ</source>
        <translation>KoTeBu 2 ~The Tale of Harunen~ - Start</translation>
    </message>
    <message>
        <source>手を振るハルーネン</source>
        <translation>Harunen waving</translation>
    </message>
    <message>
        <source>KoTeBu 2</source>
        <translation>KoTeBu 2</translation>
    </message>
    <message>
        <source>ハルーネン 物語</source>
        <translation>Harunen&apos;s Tale</translation>
    </message>
    <message>
        <source>(C) 2024 チーム・ハルカゼ</source>
        <translation>(C) 2024 Team Harukaze</translation>
    </message>
    <message>
        <source>飾り線</source>
        <translation>Decorative line</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>ＫｏＴｅＢｕ&#x3000;Ｓｐｅｃｉａｌ&#x3000;Ｐａｃｋ&#x3000;Ｓｅｌｅｃｔｅｒ</source>
        <translation>KoTeBu Special Pack Selector</translation>
    </message>
    <message>
        <source>ＫｏＴｅＢｕ ～ことぶ～</source>
        <translation>KoTeBu ~Kotobu~</translation>
    </message>
    <message>
        <source>Enterかスペースでこのゲームを選ぶ</source>
        <translation>Enter or Space chooses this game</translation>
    </message>
    <message>
        <source>ＫｏＴｅＢｕ２ ～ﾊﾙｰﾈﾝ物語～</source>
        <translation>KoTeBu 2 ~Tale of Harunen~</translation>
    </message>
    <message>
        <source>KoTeBu Special Pack</source>
        <translation>KoTeBu Special Pack</translation>
    </message>
    <message>
        <source>点滅する枠</source>
        <translation>Blinking frame</translation>
    </message>
</context>
<context>
    <name>Form8</name>
    <message>
        <source>KoTeBu ｽﾀｰﾄ</source>
        <translation>KoTeBu - Start</translation>
    </message>
    <message>
        <source>タイトル：ことぶ&#x3000;KoTeBu</source>
        <translation>Title: Kotobu, KoTeBu</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
</context>
<context>
    <name>Form9</name>
    <message>
        <source>KoTeBu Special Pack ﾌｫﾙﾀﾞ設定</source>
        <translation>KoTeBu Special Pack - Folder Setup</translation>
    </message>
    <message>
        <source>KoTeBuの画像ﾃﾞｰﾀがあるﾌｫﾙﾀﾞ名は？</source>
        <translation>Folder with the KoTeBu pictures?</translation>
    </message>
    <message>
        <source>KoTeBu2の画像ﾃﾞｰﾀがあるﾌｫﾙﾀﾞ名は？</source>
        <translation>Folder with the KoTeBu 2 pictures?</translation>
    </message>
    <message>
        <source>ゲームを終わる</source>
        <translation>Ends the game</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>両方のフォルダにボスの画像があると押せる</source>
        <translation>Can be pressed once both folders hold their boss picture</translation>
    </message>
    <message>
        <source>Start!</source>
        <translation>Start!</translation>
    </message>
</context>
<context>
    <name>GameState</name>
    <message>
        <source>ハルーネン</source>
        <translation>Harunen</translation>
    </message>
    <message>
        <source>ことぶ</source>
        <translation>Kotobu</translation>
    </message>
</context>
<context>
    <name>GameStore</name>
    <message>
        <source>%1 がみつかりません。新しいゲームを準備できません。</source>
        <translation>%1 was not found. A new game cannot be prepared.</translation>
    </message>
    <message>
        <source>KoTeBu2 ﾊﾙｰﾈﾝ物語</source>
        <translation>KoTeBu 2 ~The Tale of Harunen~</translation>
    </message>
    <message>
        <source>ＫｏＴｅＢｕ～ことぶ～</source>
        <translation>KoTeBu ~Kotobu~</translation>
    </message>
    <message>
        <source>新しくゲームを始める為の準備をします。</source>
        <translation>Getting ready to start a new game.</translation>
    </message>
</context>
<context>
    <name>Ini</name>
    <message>
        <source>%1 がみつかりません</source>
        <translation>%1 was not found.</translation>
    </message>
    <message>
        <source>セクション名%1エラー</source>
        <translation>Error in section %1</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>もう一度保存(&amp;R)</source>
        <translation>&amp;Retry</translation>
    </message>
    <message>
        <source>ゲームに戻る(&amp;B)</source>
        <translation>&amp;Back to the Game</translation>
    </message>
    <message>
        <source>保存せずに終了(&amp;E)</source>
        <translation>&amp;End Without Saving</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>朝の野原を行くことぶ</source>
        <translation>Kotobu walking across a meadow in the morning</translation>
    </message>
    <message>
        <source>朝の野原で手を振るハルーネン</source>
        <translation>Harunen waving in a meadow in the morning</translation>
    </message>
    <message>
        <source>よろこぶことぶ</source>
        <translation>Kotobu, overjoyed</translation>
    </message>
    <message>
        <source>よろこぶハルーネン</source>
        <translation>Harunen, overjoyed</translation>
    </message>
    <message>
        <source>傷ついて泣くことぶ</source>
        <translation>Kotobu, wounded and crying</translation>
    </message>
    <message>
        <source>傷ついて泣くハルーネン</source>
        <translation>Harunen, wounded and crying</translation>
    </message>
    <message>
        <source>病気で寝ていることぶ</source>
        <translation>Kotobu, sick in bed</translation>
    </message>
    <message>
        <source>病気で寝ているハルーネン</source>
        <translation>Harunen, sick in bed</translation>
    </message>
    <message>
        <source>朝：笑う太陽</source>
        <translation>Morning: a smiling sun</translation>
    </message>
    <message>
        <source>夜：眠る三日月と星</source>
        <translation>Night: a sleeping crescent moon and stars</translation>
    </message>
    <message>
        <source>病気：氷のうと体温計</source>
        <translation>Illness: an ice pack and a thermometer</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>KoTeBu Special Pack</source>
        <translation>KoTeBu Special Pack</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>頭に大きな花を咲かせたネコ。日なたで光合成をしているので、ごはんはほとんど食べない。水をかけるとよろこぶが、かけすぎるとひっかく。</source>
        <translation>A cat with a big flower blooming on its head. It photosynthesises in the sun, so it hardly eats at all. It loves being watered, but water it too much and it scratches.</translation>
    </message>
    <message>
        <source>蚊なのかトンボなのか、本人にもよくわかっていない羽虫。血を吸いに来るが、すぐに疲れて休んでしまう。ときどき妙に根性のある個体がいるので油断は禁物。</source>
        <translation>A winged bug that can’t tell for itself whether it is a mosquito or a dragonfly. It comes to suck your blood, but soon gets tired and takes a rest. Now and then one turns out to be oddly gutsy, so don’t let your guard down.</translation>
    </message>
    <message>
        <source>かわいい顔をして、長い耳の先から毒を出すウサギ。毒といっても、くしゃみが止まらなくなる程度である。ニンジンを見せるとすぐに油断する。</source>
        <translation>A rabbit with a cute face that oozes poison from the tips of its long ears. The poison only gives you a sneezing fit you can’t stop. Show it a carrot and it drops its guard at once.</translation>
    </message>
    <message>
        <source>沼の底に住む、立派なヒゲのぬし。ヒゲで水の揺れを読み、近づく者を待ち伏せる。ヒゲの手入れには毎朝三時間かけるという。</source>
        <translation>The grand old master of the swamp, with a magnificent beard, living at its very bottom. It reads the ripples in the water with its beard and lies in wait for anyone who comes near. They say it spends three hours every morning grooming that beard.</translation>
    </message>
    <message>
        <source>夢を食べるという噂の虫。実は夢よりも昼寝の時間を食べてしまうので、出会った者はなぜか寝不足になる。</source>
        <translation>A bug rumoured to eat dreams. In truth it eats nap time rather than dreams, so anyone who meets it somehow ends up short of sleep.</translation>
    </message>
    <message>
        <source>花ネコ</source>
        <translation>Flower Cat</translation>
    </message>
    <message>
        <source>花ネコＳＰ</source>
        <translation>Flower Cat SP</translation>
    </message>
    <message>
        <source>蚊トンボ</source>
        <translation>Skeeterfly</translation>
    </message>
    <message>
        <source>蚊トンボＳＰ</source>
        <translation>Skeeterfly SP</translation>
    </message>
    <message>
        <source>ニュルハチ</source>
        <translation>Squirmy Octobee</translation>
    </message>
    <message>
        <source>ニュルニュルした体に八本の足を持つ生き物。つかまえようとしても、ニュルッと逃げてしまう。ハチと呼ばれるのは足が八本だからで、刺したりはしない。</source>
        <translation>A squirmy, slithery creature with eight legs. Try to catch it, and it slips away with a squelch. It is called an Octobee only because it has eight legs; it is no bee and never stings.</translation>
    </message>
    <message>
        <source>毒ウサギ</source>
        <translation>Poison Bunny</translation>
    </message>
    <message>
        <source>毒ウサギＳＰ</source>
        <translation>Poison Bunny SP</translation>
    </message>
    <message>
        <source>兵隊ペンギン</source>
        <translation>Penguin Platoon</translation>
    </message>
    <message>
        <source>隊列を組んで行進するペンギンの兵隊。号令がないと一歩も動けない。先頭を歩く隊長は、よく氷で滑って全員を巻き込む。</source>
        <translation>Penguin soldiers marching in formation. Without an order they can’t take a single step. Their captain, at the head of the line, often slips on the ice and takes the whole platoon down with him.</translation>
    </message>
    <message>
        <source>沼ヒゲ</source>
        <translation>Bogbeard</translation>
    </message>
    <message>
        <source>沼ヒゲＳＰ</source>
        <translation>Bogbeard SP</translation>
    </message>
    <message>
        <source>バクムシ</source>
        <translation>Baku Bug</translation>
    </message>
    <message>
        <source>バクムシＳＰ</source>
        <translation>Baku Bug SP</translation>
    </message>
    <message>
        <source>ｱﾒﾘｶﾂﾉｶﾞｴﾙ</source>
        <translation>Argentine Horned Frog</translation>
    </message>
    <message>
        <source>アメリカツノガエル</source>
        <translation>Argentine Horned Frog</translation>
    </message>
    <message>
        <source>大きな口と角のようなまぶたを持つカエル。口に入りそうなものは何でも飲み込もうとする。相手が自分より大きくても、まったくおかまいなし。</source>
        <translation>A frog with a huge mouth and eyelids like horns. It tries to swallow anything that looks as if it might fit in its mouth, and it doesn’t care one bit if the thing is bigger than it is.</translation>
    </message>
    <message>
        <source>まねっこぷぅ</source>
        <translation>Manekko Puu</translation>
    </message>
    <message>
        <source>この世界を物まねで埋め尽くそうとたくらむ、最後の大ボス。相手の姿も技も何でもまねしてしまう。ただし、まねをしたあとに必ず「ぷぅ」と言ってしまうのが弱点。</source>
        <translation>The final big boss, scheming to fill this world with imitations. It copies anything, from its foe’s looks to its foe’s moves. Its weak point: after every copy it can’t help saying “Puu!”</translation>
    </message>
    <message>
        <source>ポポタルト</source>
        <translation>Popotart</translation>
    </message>
    <message>
        <source>弱ったことぶを見ると放っておけない、心やさしい女の子モンスター。戦ったあとには、そっとパイとコーヒーを置いていってくれる。甘いものには目がない。</source>
        <translation>A kind-hearted monster girl who can’t bear to see Kotobu worn out and do nothing. After a fight she quietly leaves her a pie and a coffee. She has a real sweet tooth.</translation>
    </message>
    <message>
        <source>バニードッグ</source>
        <translation>Bunnydog</translation>
    </message>
    <message>
        <source>ウサギの耳を持つ子犬。ぴょんぴょん跳ねながら、しっぽを振って寄ってくる。かみつくよりも、なめてくる方がずっと多い。</source>
        <translation>A puppy with bunny ears. It comes hippity-hopping up to you, wagging its tail. It licks far more often than it bites.</translation>
    </message>
    <message>
        <source>スシヤ</source>
        <translation>Sushiya</translation>
    </message>
    <message>
        <source>握りずしの姿をしたモンスター。わさびを飛ばして攻撃してくる。ネタは日によって変わるが、本人は自分が何のネタなのか知らない。</source>
        <translation>A monster shaped like a piece of nigiri sushi. It attacks by flinging wasabi. Its topping changes from day to day, but it has no idea itself what topping it is.</translation>
    </message>
    <message>
        <source>スッポン７</source>
        <translation>Snapper 7</translation>
    </message>
    <message>
        <source>七代目を名乗るスッポン。一度かみついたら、カミナリが鳴るまで離さないという。初代から六代目までの行方は誰も知らない。</source>
        <translation>A snapping turtle calling itself the Seventh. They say that once it bites, it won’t let go until it thunders. Nobody knows what became of the First through the Sixth.</translation>
    </message>
    <message>
        <source>隠子</source>
        <translation>Hideko</translation>
    </message>
    <message>
        <source>隠コ</source>
        <translation>Hide-ko</translation>
    </message>
    <message>
        <source>物陰にひっそりと隠れている、はずかしがり屋の子。見つかると真っ赤になって体当たりしてくる。かくれんぼでは一度も負けたことがない。</source>
        <translation>A shy little girl who hides quietly in the shadows. When found, she turns bright red and comes charging right into you. She has never once lost at hide-and-seek.</translation>
    </message>
    <message>
        <source>クスリマス</source>
        <translation>Tonic Trout</translation>
    </message>
    <message>
        <source>薬の小瓶を背負ったマス。怪しい薬をふりまきながら川をさかのぼる。ときどき自分で飲んでしまい、元気になったり眠りこけたりしている。</source>
        <translation>A trout with a little medicine bottle on its back. It swims upstream, sprinkling dubious tonics as it goes. Now and then it drinks some itself, and either perks right up or nods off.</translation>
    </message>
    <message>
        <source>バウンドドッグ</source>
        <translation>Bounce Hound</translation>
    </message>
    <message>
        <source>ゴムまりのように弾む犬。一度弾みだすと自分でも止まれない。壁にぶつかると、さらに勢いを増して戻ってくる。</source>
        <translation>A dog that bounces like a rubber ball. Once it starts bouncing, even it can’t stop. When it hits a wall, it comes bouncing back even faster.</translation>
    </message>
    <message>
        <source>アイチャン</source>
        <translation>Ai-chan</translation>
    </message>
    <message>
        <source>にっこり笑って近づいてくる、愛らしいモンスター。かわいさに油断していると、強烈な平手打ちが飛んでくる。好きなものは甘い言葉。</source>
        <translation>A lovable monster who comes up to you with a sweet smile. Let her cuteness put you off your guard and a mighty slap comes flying. What she likes best: sweet talk.</translation>
    </message>
    <message>
        <source>チータ</source>
        <translation>Cheetah</translation>
    </message>
    <message>
        <source>森いちばんの俊足を自慢するモンスター。速すぎて、ときどき自分のしっぽを追い越してしまう。ただし、息切れするのも森いちばん早い。</source>
        <translation>A monster who boasts of being the fastest runner in the forest. It is so fast it sometimes overtakes its own tail. Then again, it is also the fastest in the forest to run out of breath.</translation>
    </message>
    <message>
        <source>魔法使いサリン</source>
        <translation>Sarin the Sorceress</translation>
    </message>
    <message>
        <source>怪しい呪文を唱える自称天才魔法使い。呪文をよく噛むので、出てくる魔法は毎回ちがう。本人はすべて計算どおりだと言い張っている。</source>
        <translation>A self-styled genius sorceress who chants dubious spells. She keeps tripping over her words, so a different spell comes out every time. She insists it all goes exactly to plan.</translation>
    </message>
    <message>
        <source>ヤンパパ</source>
        <translation>Punk Papa</translation>
    </message>
    <message>
        <source>昔はかなりやんちゃだったお父さん。子どもの前ではやさしいが、森ではいまだに肩で風を切って歩く。説教が長い。</source>
        <translation>A dad who was quite the wild one back in the day. He is gentle in front of the kids, but in the forest he still swaggers about as if he owns the place. His lectures go on forever.</translation>
    </message>
    <message>
        <source>ロボトミー</source>
        <translation>Robotomy</translation>
    </message>
    <message>
        <source>どこかの研究所から逃げ出したブリキのロボット。頭のネジが一本足りず、言われたことの逆ばかりしてしまう。油を差すとおとなしくなる。</source>
        <translation>A tin robot that ran away from some laboratory. It has a screw loose (one is missing, in fact), so it always does the opposite of what it is told. A drop of oil calms it down.</translation>
    </message>
    <message>
        <source>家泣き子</source>
        <translation>Crybaby House</translation>
    </message>
    <message>
        <source>夜な夜な家の中で泣き声を上げる子どものモンスター。泣き声がだんだん大きくなり、最後には家ごと爆発するといわれている。あやすのは命がけ。</source>
        <translation>A child monster that wails inside the house night after night. The crying grows louder and louder, and in the end, they say, the whole house explodes. Hushing it means risking your life.</translation>
    </message>
    <message>
        <source>王サンショウ魚</source>
        <translation>King Salamander</translation>
    </message>
    <message>
        <source>王サンショウウオ</source>
        <translation>King Salamander</translation>
    </message>
    <message>
        <source>沼の王を名乗る巨大なサンショウウオ。百年は生きているというが、本人も数えるのをやめてしまった。ぬるぬるの体には剣もなかなか通らない。</source>
        <translation>A giant salamander calling itself King of the Swamp. It is said to be at least a hundred years old, but even it has stopped counting. Swords can hardly get through its slimy skin.</translation>
    </message>
    <message>
        <source>ハガ・サターン</source>
        <translation>Haga Saturn</translation>
    </message>
    <message>
        <source>村も国もポリゴンに変えてしまおうとたくらむ、この物語の最後の大ボス。世界をカクカクにすることに命をかけており、丸いものが大嫌い。</source>
        <translation>The final big boss of this tale, scheming to turn the village and the whole kingdom into polygons. It has staked its life on making the whole world blocky, and it can’t stand anything round.</translation>
    </message>
    <message>
        <source>ポチ＆タマー</source>
        <translation>Pochi &amp; Tamaa</translation>
    </message>
    <message>
        <source>いつも二人一緒の、犬と猫の女の子モンスター。弱ったハルーネンを見かけると、そっとランチを置いていってくれる。元気なハルーネンには、ちょっぴり稽古をつけてくれる。</source>
        <translation>A dog girl and a cat girl, monsters who are always together. When they find Harunen worn out, they quietly leave her a packed lunch. When Harunen is in good shape, they give her a little training.</translation>
    </message>
</context>
<context>
    <name>SafeSave</name>
    <message>
        <source>%1 を保存できませんでした</source>
        <translation>Could not save %1.</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>音楽と効果音</source>
        <translation>Music and sound effects</translation>
    </message>
</context>
<context>
    <name>Story</name>
    <message>
        <source>むかし、この地は恐ろしい魔物に苦しめられていた。村は焼かれ、人々は夜ごと震えて眠った。そのとき一人の女戦士が剣を取った。名はことぶ。幾度倒れても立ち上がった彼女は、ついに魔物を討ち、大地に平和を取り戻した。</source>
        <translation>Long ago, a fearsome monster plagued this land. Villages burned; people trembled by night. Then a woman warrior, Kotobu, took up the sword. Falling and rising time and again, she slew it at last and brought back peace.</translation>
    </message>
    <message>
        <source>戦いを終えたことぶは、東の国から旅してきた一人の戦士と出会った。寡黙だが心優しいその男と、ことぶはやがて結ばれた。二人は小さな村に家を構え、ほどなく一人の娘を授かった。春の風の吹く、穏やかな朝のことであった。</source>
        <translation>Her battles won, Kotobu met a warrior from the East, a quiet, kind-hearted man. They married and made a home in a small village, and soon a daughter was born, one calm morning as the spring wind blew.</translation>
    </message>
    <message>
        <source>娘の身には、代々魔物と戦ってきた戦士たちの血が流れている。母の家も父の家も、剣とともに生きた一族だった。幼い娘は母の昔話を聞くたびに、いつか自分も剣を取る日が来るのだと、胸の奥で静かに感じていた。</source>
        <translation>The girl had warrior blood: both her parents’ families had fought monsters with the sword for generations. Listening to her mother’s old tales, she quietly felt that one day she too would take up the sword.</translation>
    </message>
    <message>
        <source>娘が八つになった朝、大地が低くうなり、家が激しく揺れた。その夜、娘は夢を見た。暗い谷の底で黒い卵が割れ、新たな魔物が目を開く夢を。目覚めた娘の手は、冷たい汗に濡れていた。</source>
        <translation>The morning she turned eight, the earth growled and the house shook. That night she dreamed of a black egg cracking open deep in a dark valley, and a new monster opening its eyes. She woke in a cold sweat.</translation>
    </message>
    <message>
        <source>娘は決意した。魔物が育ちきる前に、強くなろうと。父はその覚悟を見て、東の国から携えてきた剣を娘に託した。母は自らを守ってきたお守りを、そっと娘の首にかけた。娘の名はハルーネン。彼女の物語が、今はじまる。</source>
        <translation>She vowed to grow strong before the monster grew up. Her father gave her the sword he had brought from the East; her mother hung her own lucky charm round the girl’s neck. Her name was Harunen. Her story begins now.</translation>
    </message>
</context>
<context>
    <name>ThemeWords</name>
    <message>
        <source>＜＜いっしょに歌おう！KoTeBuﾃｰﾏ曲「闘いの女神」！＞＞</source>
        <translation>&lt;&lt; Sing along! The KoTeBu theme song “Goddess of Battle”! &gt;&gt;</translation>
    </message>
    <message>
        <source>＜＜&#x3000;おわり&#x3000;＞＞</source>
        <translation>&lt;&lt;  The End  &gt;&gt;</translation>
    </message>
    <message>
        <source>朝焼けの&#x3000;丘を越え</source>
        <translation>Through the red sunrise  over the hilltop</translation>
    </message>
    <message>
        <source>銀の剣&#x3000;胸に抱き</source>
        <translation>With my sword of silver  held close to my heart</translation>
    </message>
    <message>
        <source>怖くない&#x3000;ひとりじゃない</source>
        <translation>I am not afraid  and I&apos;m never alone</translation>
    </message>
    <message>
        <source>笑顔で&#x3000;明日へ行こう</source>
        <translation>Smiling brightly  let&apos;s march on to tomorrow</translation>
    </message>
    <message>
        <source>光る風が&#x3000;背中押す</source>
        <translation>A bright and shining wind  pushes me onward</translation>
    </message>
    <message>
        <source>夢の地図&#x3000;広げたら</source>
        <translation>The map of my dreams  once I unfold it</translation>
    </message>
    <message>
        <source>さあ行こう&#x3000;どこまでも</source>
        <translation>Come along, let&apos;s go  as far as we can</translation>
    </message>
    <message>
        <source>闘いの女神&#x3000;きらめいて</source>
        <translation>You are the Goddess of Battle  shining so brightly</translation>
    </message>
    <message>
        <source>嵐の夜も&#x3000;負けないで</source>
        <translation>Even through the stormy nights  don&apos;t ever give in</translation>
    </message>
    <message>
        <source>星を数え&#x3000;強くなる</source>
        <translation>Counting all of the stars  I grow stronger still</translation>
    </message>
    <message>
        <source>涙のあとに&#x3000;虹が出る</source>
        <translation>After the tears have fallen  a rainbow appears</translation>
    </message>
    <message>
        <source>燃えあがれ&#x3000;勇気の炎</source>
        <translation>Blaze up, rise higher  you burning flame of courage</translation>
    </message>
    <message>
        <source>ヴィクトリー！</source>
        <translation>Victory!</translation>
    </message>
    <message>
        <source>＜＜作詞・作曲：チーム・ハルカゼ＞＞</source>
        <translation>&lt;&lt; Words and music: Team Harukaze &gt;&gt;</translation>
    </message>
    <message>
        <source>＜＜(C)1996-2024 チーム・ハルカゼ＞＞</source>
        <translation>&lt;&lt; (C)1996-2024 Team Harukaze &gt;&gt;</translation>
    </message>
</context>
<context>
    <name>kotebu::Form1</name>
    <message>
        <source>ＫｏＴｅＢｕ２ ～ハルーネン物語～</source>
        <translation>KoTeBu 2 ~The Tale of Harunen~</translation>
    </message>
    <message>
        <source>ＫｏＴｅＢｕ ～ことぶ～</source>
        <translation>KoTeBu ~Kotobu~</translation>
    </message>
    <message>
        <source>%1。%2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>ＫｏＴｅＢｕ&#x3000;Ｓｐｅｃｉａｌ&#x3000;Ｐａｃｋ</source>
        <translation>KoTeBu Special Pack</translation>
    </message>
    <message>
        <source>・ＫｏＴｅＢｕ～ことぶ～</source>
        <translation>- KoTeBu ~Kotobu~</translation>
    </message>
    <message>
        <source>・ＫｏＴｅＢｕ２～ﾊﾙｰﾈﾝ物語～</source>
        <translation>- KoTeBu 2 ~The Tale of Harunen~</translation>
    </message>
    <message>
        <source>制作：チーム・ハルカゼ</source>
        <translation>Made by Team Harukaze</translation>
    </message>
    <message>
        <source>About KoTeBu Special Pack</source>
        <translation>About KoTeBu Special Pack</translation>
    </message>
    <message>
        <source>終了確認</source>
        <translation>Confirm Exit</translation>
    </message>
    <message>
        <source>%1の今日の冒険を終わります。</source>
        <translation>End %1’s adventure for today?</translation>
    </message>
    <message>
        <source>%1 を保存できませんでした</source>
        <translation>Could not save %1.</translation>
    </message>
    <message>
        <source>もう一度保存しますか？</source>
        <translation>Try saving again?</translation>
    </message>
    <message>
        <source>時間が止まった。</source>
        <translation>Time stands still.</translation>
    </message>
    <message>
        <source>時間が動き出した。</source>
        <translation>Time moves on.</translation>
    </message>
    <message>
        <source>Enterかスペースで与える</source>
        <translation>Enter or Space gives it to her</translation>
    </message>
</context>
<context>
    <name>kotebu::Form2</name>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
</context>
<context>
    <name>kotebu::Form3</name>
    <message>
        <source>%1。%2</source>
        <translation>%1. %2</translation>
    </message>
</context>
</TS>
