<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="ja">
<context>
    <name>Battle</name>
    <message>
        <source>ことぶは闘った。</source>
        <extracomment>The fight&apos;s result follows on the same line with nothing between: a translation ends with the space its language wants there.</extracomment>
        <translation>琴舞奋勇作战。</translation>
    </message>
    <message>
        <source>ことぶは勝った！経験値%1を得た。</source>
        <translation>琴舞赢了！获得经验值%1。</translation>
    </message>
    <message>
        <source>ことぶは負けた！ことぶは傷を負った。</source>
        <translation>琴舞输了！琴舞受伤了。</translation>
    </message>
    <message>
        <source>敵はパイとコーヒーを置いていった。体力が１アップした！</source>
        <translation>敌人留下了馅饼和咖啡。体力增加了１！</translation>
    </message>
    <message>
        <source>ハルーネンは闘った。</source>
        <extracomment>The fight&apos;s result follows on the same line with nothing between: a translation ends with the space its language wants there.</extracomment>
        <translation>哈露宁奋勇作战。</translation>
    </message>
    <message>
        <source>ハルーネンは勝った！経験値%1を得た。</source>
        <translation>哈露宁赢了！获得经验值%1。</translation>
    </message>
    <message>
        <source>ハルーネンは負けた！ハルーネンは傷を負った。</source>
        <translation>哈露宁输了！哈露宁受伤了。</translation>
    </message>
    <message>
        <source>敵はランチを置いていった。体力が１アップした！</source>
        <translation>敌人留下了一份便当。体力增加了１！</translation>
    </message>
    <message>
        <source>魅力が１アップした！</source>
        <translation>魅力增加了１！</translation>
    </message>
    <message>
        <source>知識が１アップした！</source>
        <translation>知识增加了１！</translation>
    </message>
    <message>
        <source>情報力が１アップした！</source>
        <translation>情报增加了１！</translation>
    </message>
    <message>
        <source>愛情が１アップした！</source>
        <translation>爱心增加了１！</translation>
    </message>
    <message>
        <source>魅力が１減った！</source>
        <translation>魅力减少了１！</translation>
    </message>
    <message>
        <source>知識が１減った！</source>
        <translation>知识减少了１！</translation>
    </message>
    <message>
        <source>情報力が１減った！</source>
        <translation>情报减少了１！</translation>
    </message>
    <message>
        <source>愛情が１減った！</source>
        <translation>爱心减少了１！</translation>
    </message>
    <message>
        <source>%1が現れた！</source>
        <translation>%1出现了！</translation>
    </message>
</context>
<context>
    <name>Care</name>
    <message>
        <source>ことぶは花に水をやった。愛情が１増えた。</source>
        <translation>琴舞给花浇了水。爱心增加了１。</translation>
    </message>
    <message>
        <source>ハルーネンは飼犬に餌をやった。愛情が１増えた。</source>
        <translation>哈露宁给爱犬喂了食。爱心增加了１。</translation>
    </message>
    <message>
        <source>ことぶは体力をつけた。魅力が１減った。</source>
        <translation>琴舞锻炼了体力。魅力减少了１。</translation>
    </message>
    <message>
        <source>ハルーネンは体力をつけた。魅力が１減った。</source>
        <translation>哈露宁锻炼了体力。魅力减少了１。</translation>
    </message>
    <message>
        <source>ことぶは化粧をした。魅力が１増えた。</source>
        <translation>琴舞化了妆。魅力增加了１。</translation>
    </message>
    <message>
        <source>ハルーネンは化粧をした。魅力が１増えた。</source>
        <translation>哈露宁化了妆。魅力增加了１。</translation>
    </message>
    <message>
        <source>ことぶは武術の勉強をした。知識が１増えた。</source>
        <translation>琴舞学习了武术。知识增加了１。</translation>
    </message>
    <message>
        <source>ハルーネンは武術の勉強をした。知識が１増えた。</source>
        <translation>哈露宁学习了武术。知识增加了１。</translation>
    </message>
    <message>
        <source>ことぶは新聞を見た。情報力が１増えた。</source>
        <translation>琴舞看了报纸。情报增加了１。</translation>
    </message>
    <message>
        <source>ハルーネンは新聞を見た。情報力が１増えた。</source>
        <translation>哈露宁看了报纸。情报增加了１。</translation>
    </message>
    <message>
        <source>愛情はもう上がらない。</source>
        <translation>爱心已经到顶了。</translation>
    </message>
    <message>
        <source>体力はもう上がらない。</source>
        <translation>体力已经到顶了。</translation>
    </message>
    <message>
        <source>魅力が足りないので、体力をつけられない。</source>
        <translation>魅力不足，无法锻炼体力。</translation>
    </message>
    <message>
        <source>魅力はもう上がらない。</source>
        <translation>魅力已经到顶了。</translation>
    </message>
    <message>
        <source>知識はもう上がらない。</source>
        <translation>知识已经到顶了。</translation>
    </message>
    <message>
        <source>情報力はもう上がらない。</source>
        <translation>情报已经到顶了。</translation>
    </message>
    <message>
        <source>道具は夜にしか使えない。</source>
        <translation>道具只能在夜里使用。</translation>
    </message>
    <message>
        <source>ハート：愛情を上げる</source>
        <translation>红心：提升爱心</translation>
    </message>
    <message>
        <source>力こぶ：体力を上げる（魅力は下がる）</source>
        <translatorcomment>力こぶ is a flexed, bulging arm; 肌肉 (muscle) is the usual name for that icon.</translatorcomment>
        <translation>肌肉：提升体力（魅力会下降）</translation>
    </message>
    <message>
        <source>リボン：魅力を上げる</source>
        <translation>蝴蝶结：提升魅力</translation>
    </message>
    <message>
        <source>本：知識を上げる</source>
        <translation>书：提升知识</translation>
    </message>
    <message>
        <source>テレビ：情報力を上げる</source>
        <translation>电视：提升情报</translation>
    </message>
</context>
<context>
    <name>DayEvents</name>
    <message>
        <source>ことぶは素敵な彼氏をみつけ、結婚した。夫は名をパラレルといい、東方の戦士であった。よき伴侶となるであろう。</source>
        <translation>琴舞找到了一位出色的恋人，与他结了婚。丈夫名叫帕拉雷尔，是一位来自东方的战士。他定会成为琴舞的好伴侣。</translation>
    </message>
    <message>
        <source>ことぶは、かわいい女の子をもうけた。「ハルーネン」と名付けられたその女の子は２人に守られすくすくと育った。</source>
        <translation>琴舞生下了一个可爱的女孩。这个取名为“哈露宁”的女孩，在两人的守护下茁壮成长。</translation>
    </message>
    <message>
        <source>朝になった。ことぶは冒険に出かけた。</source>
        <translation>天亮了。琴舞出门冒险去了。</translation>
    </message>
    <message>
        <source>ことぶは病気で動けない。かわいそうに…</source>
        <translation>琴舞生病了，动弹不得。真可怜……</translation>
    </message>
    <message>
        <source>しかし、優しい夫に見守られ、奇跡的に回復力を増している。</source>
        <translation>不过，在温柔丈夫的守护下，她正奇迹般地康复。</translation>
    </message>
    <message>
        <source>夜になった。ことぶは、ぐーぐー寝ている。</source>
        <translation>天黑了。琴舞正呼呼大睡。</translation>
    </message>
    <message>
        <source>ことぶの大きな愛情が娘のハルーネンにそそがれ、ことぶの魅力が増えた。</source>
        <translation>琴舞把满满的爱心倾注给女儿哈露宁，琴舞的魅力增加了。</translation>
    </message>
    <message>
        <source>ことぶ&#x3000;%1才&#x3000;／&#x3000;経験値 %2</source>
        <translation>琴舞&#x3000;%1岁&#x3000;／&#x3000;经验值 %2</translation>
    </message>
    <message>
        <source>ことぶは%1才になった。</source>
        <translation>琴舞%1岁了。</translation>
    </message>
    <message>
        <source>ハルーネンは、傷ついたときに通った隣村の医者、ボルテンと恋に落ち、ついに２人は結婚をした。幸せな家庭を築くであろう。</source>
        <translation>哈露宁爱上了她受伤时常去看病的邻村医生博尔滕，两人终于结为夫妻。他们定会组建一个幸福的家庭。</translation>
    </message>
    <message>
        <source>ハルーネンは、かわいい娘をもうけた。ハルーネンとボルテンはその子にリックルと名付けた。元気な可愛い子に育つであろう。</source>
        <translation>哈露宁生下了一个可爱的女儿。哈露宁和博尔滕给她取名为莉可露。她定会长成一个活泼可爱的孩子。</translation>
    </message>
    <message>
        <source>朝になった。ハルーネンは修行のために森へ出かけた。</source>
        <translation>天亮了。哈露宁去森林里修行了。</translation>
    </message>
    <message>
        <source>ハルーネンは病気にかかり、動けない。かわいそうに…</source>
        <translation>哈露宁生病了，动弹不得。真可怜……</translation>
    </message>
    <message>
        <source>しかし、医師である夫の優しい看病によって、奇跡的に回復をしている。</source>
        <translation>不过，在身为医生的丈夫悉心照料下，她正奇迹般地康复。</translation>
    </message>
    <message>
        <source>夜になった。ハルーネンは静かに、眠りについている。</source>
        <translation>天黑了。哈露宁正静静地睡着。</translation>
    </message>
    <message>
        <source>ハルーネンの大きな愛情が娘のリックルにそそがれ、ハルーネンの魅力が増えた。</source>
        <translation>哈露宁把满满的爱心倾注给女儿莉可露，哈露宁的魅力增加了。</translation>
    </message>
    <message>
        <source>ハルーネン&#x3000;%1才&#x3000;／&#x3000;経験値 %2</source>
        <translation>哈露宁&#x3000;%1岁&#x3000;／&#x3000;经验值 %2</translation>
    </message>
    <message>
        <source>ハルーネンは%1才になった。</source>
        <translation>哈露宁%1岁了。</translation>
    </message>
    <message>
        <source> 体力：%1    愛情：%2    情報力：%3</source>
        <translatorcomment>Keep the leading space and the four-space gaps: this row lines up with the Knowledge/Charm row below it.</translatorcomment>
        <translation> 体力：%1    爱心：%2    情报：%3</translation>
    </message>
    <message>
        <source>  知識：%1    魅力：%2</source>
        <translatorcomment>Keep the two leading spaces and the four-space gap: this row lines up with the row above.</translatorcomment>
        <translation>  知识：%1    魅力：%2</translation>
    </message>
    <message>
        <source>    既婚</source>
        <translation>    已婚</translation>
    </message>
    <message>
        <source>／一児の母</source>
        <translatorcomment>一孩之母 = &apos;mother of one child&apos;, the compact written form (cf. 两孩之母); it follows 已婚 on the same line.</translatorcomment>
        <translation>／一孩之母</translation>
    </message>
</context>
<context>
    <name>Demoform</name>
    <message>
        <source>Team Harukaze presents</source>
        <translatorcomment>Team Harukaze: harukaze means &apos;spring wind&apos;, hence 春风团队; the logo bird Haru (&apos;spring&apos;) is 小春.</translatorcomment>
        <translation>春风团队 出品</translation>
    </message>
    <message>
        <source>ハル（コマA）</source>
        <translation>小春（第1帧）</translation>
    </message>
    <message>
        <source>ハル（コマB）</source>
        <translation>小春（第2帧）</translation>
    </message>
    <message>
        <source>ハル（コマC）</source>
        <translation>小春（第3帧）</translation>
    </message>
    <message>
        <source>ハル（コマD）</source>
        <translation>小春（第4帧）</translation>
    </message>
    <message>
        <source>ハル：春風の小鳥</source>
        <translatorcomment>Haru means &apos;spring&apos; in Japanese: the bird is called 小春 (&apos;little spring&apos;), the bird of the spring wind of 春风团队.</translatorcomment>
        <translation>小春：春风小鸟</translation>
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
        <translation>琴舞终于打败了宿敌模仿噗噗，让真实重回世界。从此再也不会有人被那些古怪的模仿耍得团团转了。</translation>
    </message>
    <message>
        <source>ことぶは、まねっこぷぅを倒すことができなかった。やがて村から真実は消え去り、右を見ても左を見ても物まねばかりの、まねっこぷぅの世界になってしまうだろう…</source>
        <translation>琴舞没能打倒模仿噗噗。真实很快就会从村子里消失，放眼望去全是模仿，世界将沦为模仿噗噗的天下……</translation>
    </message>
    <message>
        <source>ついにハルーネンは宿敵ハガ・サターンを打ち倒し、村と国を救った。おめでとう、ハルーネン！</source>
        <translation>哈露宁终于打倒了宿敌哈加土星，拯救了村子和王国。恭喜你，哈露宁！</translation>
    </message>
    <message>
        <source>ハルーネンは、ハガ・サターンを倒すことができなかった。村はいずれハガ・サターンの手で、家も畑も村人も、みんなカクカクのポリゴンにされてしまうだろう…</source>
        <translation>哈露宁没能打倒哈加土星。迟早有一天，哈加土星会把村里的房屋、田地和村民，统统变成棱角分明的多边形……</translation>
    </message>
    <message>
        <source>KoTeBu2 ハルーネン物語 おわり</source>
        <translatorcomment>The half-width titles &apos;KoTeBu2 …物語&apos; are written &apos;KoTeBu2哈露宁物语&apos; (no space) in every window title, so that the tightest ones fit their Japanese width.</translatorcomment>
        <translation>KoTeBu2哈露宁物语 完</translation>
    </message>
    <message>
        <source>ＫｏＴｅＢｕ&#x3000;おわり</source>
        <translation>ＫｏＴｅＢｕ&#x3000;完</translation>
    </message>
    <message>
        <source>得点は%1点でした。</source>
        <translation>你的得分是%1分。</translation>
    </message>
    <message>
        <source>残念でした。もう一度挑戦してください！</source>
        <translation>真遗憾。请再挑战一次吧！</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>%1 を保存できないフォルダです。</source>
        <translation>此文件夹无法保存 %1。</translation>
    </message>
    <message>
        <source>このまま遊んでも、今日の冒険は保存されません。遊びますか？</source>
        <translation>可以继续玩，但今天的冒险不会被保存。要继续玩吗？</translation>
    </message>
    <message>
        <source>このフォルダのゲームはもう始まっています。</source>
        <translation>此文件夹中的游戏已经在运行了。</translation>
    </message>
    <message>
        <source>先に始めたほうで遊んでください。</source>
        <translation>请在先启动的那个游戏里玩。</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>ＫｏＴｅＢｕ ～ことぶ～</source>
        <translation>ＫｏＴｅＢｕ ～琴舞～</translation>
    </message>
    <message>
        <source>Enterで敵データ（戦いのあと、情報力が５のとき）、アプリケーションキーかShift+F10でメニュー</source>
        <translation>按Enter查看敌人资料（战斗后，情报为５时），按菜单键或Shift+F10打开菜单</translation>
    </message>
    <message>
        <source>道具箱</source>
        <translation>道具箱</translation>
    </message>
    <message>
        <source>一時停止：押している間は時間が止まる</source>
        <translation>暂停：按住期间时间停止</translation>
    </message>
    <message>
        <source>スペースかEnterを押している間、時間が止まる</source>
        <translation>按住空格键或Enter时，时间会停止</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>PopM</source>
        <translatorcomment>Hidden from the menu bar; it is the title of the right-click (menu key) pop-up menu, which a screen reader may announce, so it is given a real word: 菜单 &apos;menu&apos;.</translatorcomment>
        <translation>菜单</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>设置(&amp;C)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>Character &amp;Status</source>
        <translation>角色状态(&amp;S)</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>設定</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>１日の時間設定</source>
        <translation>１天的时长设置</translation>
    </message>
    <message>
        <source>１日の時間（秒）</source>
        <translation>１天的时长（秒）</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>各種設定</source>
        <translation>各项设置</translation>
    </message>
    <message>
        <source>アイコン状態で起動</source>
        <translation>启动时最小化</translation>
    </message>
    <message>
        <source>最初のデモをスキップする</source>
        <translation>跳过开场演示</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>ＯＫ</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>KoTeBu2 ハルーネン物語 敵データ</source>
        <translation>KoTeBu2哈露宁物语 敌人资料</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>返回</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>KoTeBu2 ハルーネン物語 おわり</source>
        <translation>KoTeBu2哈露宁物语 完</translation>
    </message>
    <message>
        <source>完</source>
        <translation>完</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>KoTeBu2 ﾊﾙｰﾈﾝ物語 ﾃﾞﾓﾝｽﾄﾚｰｼｮﾝ</source>
        <translation>KoTeBu2哈露宁物语 演示</translation>
    </message>
    <message>
        <source>伝説の女戦士ことぶ</source>
        <translation>传说中的女战士琴舞</translation>
    </message>
    <message>
        <source>ことぶと東方の戦士</source>
        <translation>琴舞与东方的战士</translation>
    </message>
    <message>
        <source>Next Scene</source>
        <translation>下一幕</translation>
    </message>
    <message>
        <source>Demo Skip</source>
        <translation>跳过</translation>
    </message>
    <message>
        <source>流れ星</source>
        <translation>流星</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>KoTeBu2 ﾊﾙｰﾈﾝ物語 ｽﾀｰﾄ</source>
        <translation>KoTeBu2哈露宁物语 开始</translation>
    </message>
    <message>
        <source>手を振るハルーネン</source>
        <translation>挥手的哈露宁</translation>
    </message>
    <message>
        <source>KoTeBu 2</source>
        <translation>KoTeBu 2</translation>
    </message>
    <message>
        <source>ハルーネン 物語</source>
        <translation>哈露宁 物语</translation>
    </message>
    <message>
        <source>(C) 2024 チーム・ハルカゼ</source>
        <translation>(C) 2024 春风团队</translation>
    </message>
    <message>
        <source>飾り線</source>
        <translation>装饰线</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>ＫｏＴｅＢｕ&#x3000;Ｓｐｅｃｉａｌ&#x3000;Ｐａｃｋ&#x3000;Ｓｅｌｅｃｔｅｒ</source>
        <translation>ＫｏＴｅＢｕ&#x3000;特别版&#x3000;游戏选择</translation>
    </message>
    <message>
        <source>ＫｏＴｅＢｕ ～ことぶ～</source>
        <translation>ＫｏＴｅＢｕ ～琴舞～</translation>
    </message>
    <message>
        <source>Enterかスペースでこのゲームを選ぶ</source>
        <translation>按Enter或空格键选择此游戏</translation>
    </message>
    <message>
        <source>ＫｏＴｅＢｕ２ ～ﾊﾙｰﾈﾝ物語～</source>
        <translatorcomment>Written without the half-width space of the source: with it, the Chinese title would be wider than the Japanese one.</translatorcomment>
        <translation>ＫｏＴｅＢｕ２～哈露宁物语～</translation>
    </message>
    <message>
        <source>KoTeBu Special Pack</source>
        <translation>KoTeBu 特别版</translation>
    </message>
    <message>
        <source>点滅する枠</source>
        <translation>闪烁的边框</translation>
    </message>
</context>
<context>
    <name>Form8</name>
    <message>
        <source>KoTeBu ｽﾀｰﾄ</source>
        <translation>KoTeBu 开始</translation>
    </message>
    <message>
        <source>タイトル：ことぶ&#x3000;KoTeBu</source>
        <translation>标题：琴舞&#x3000;KoTeBu</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
</context>
<context>
    <name>Form9</name>
    <message>
        <source>KoTeBu Special Pack ﾌｫﾙﾀﾞ設定</source>
        <translation>KoTeBu 特别版 文件夹设置</translation>
    </message>
    <message>
        <source>KoTeBuの画像ﾃﾞｰﾀがあるﾌｫﾙﾀﾞ名は？</source>
        <translation>KoTeBu 的图片数据在哪个文件夹？</translation>
    </message>
    <message>
        <source>KoTeBu2の画像ﾃﾞｰﾀがあるﾌｫﾙﾀﾞ名は？</source>
        <translation>KoTeBu2 的图片数据在哪个文件夹？</translation>
    </message>
    <message>
        <source>ゲームを終わる</source>
        <translation>结束游戏</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>両方のフォルダにボスの画像があると押せる</source>
        <translation>两个文件夹里都有头目的图片时才能按下</translation>
    </message>
    <message>
        <source>Start!</source>
        <translation>开始！</translation>
    </message>
</context>
<context>
    <name>GameState</name>
    <message>
        <source>ハルーネン</source>
        <translatorcomment>Harunen: 哈露宁 (Ha-lu-ning), a sound rendering with soft, girlish characters (露 dew).</translatorcomment>
        <translation>哈露宁</translation>
    </message>
    <message>
        <source>ことぶ</source>
        <translatorcomment>Kotobu: written 琴舞, the kanji koto 琴 + bu 舞, which read her name the Japanese way and mean &apos;zither dance&apos;. Used for her everywhere.</translatorcomment>
        <translation>琴舞</translation>
    </message>
</context>
<context>
    <name>GameStore</name>
    <message>
        <source>%1 がみつかりません。新しいゲームを準備できません。</source>
        <translation>找不到 %1。无法准备新游戏。</translation>
    </message>
    <message>
        <source>KoTeBu2 ﾊﾙｰﾈﾝ物語</source>
        <translatorcomment>No space after &apos;KoTeBu2&apos;: with one, the title would be wider than the Japanese.</translatorcomment>
        <translation>KoTeBu2哈露宁物语</translation>
    </message>
    <message>
        <source>ＫｏＴｅＢｕ～ことぶ～</source>
        <translation>ＫｏＴｅＢｕ～琴舞～</translation>
    </message>
    <message>
        <source>新しくゲームを始める為の準備をします。</source>
        <translation>正在为开始新游戏做准备。</translation>
    </message>
</context>
<context>
    <name>Ini</name>
    <message>
        <source>%1 がみつかりません</source>
        <translation>找不到 %1</translation>
    </message>
    <message>
        <source>セクション名%1エラー</source>
        <translation>区段名%1错误</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source>もう一度保存(&amp;R)</source>
        <translation>重新保存(&amp;R)</translation>
    </message>
    <message>
        <source>ゲームに戻る(&amp;B)</source>
        <translation>返回游戏(&amp;B)</translation>
    </message>
    <message>
        <source>保存せずに終了(&amp;E)</source>
        <translation>不保存并退出(&amp;E)</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>朝の野原を行くことぶ</source>
        <translation>清晨走在原野上的琴舞</translation>
    </message>
    <message>
        <source>朝の野原で手を振るハルーネン</source>
        <translation>清晨在原野上挥手的哈露宁</translation>
    </message>
    <message>
        <source>よろこぶことぶ</source>
        <translation>欢喜的琴舞</translation>
    </message>
    <message>
        <source>よろこぶハルーネン</source>
        <translation>欢喜的哈露宁</translation>
    </message>
    <message>
        <source>傷ついて泣くことぶ</source>
        <translation>受伤哭泣的琴舞</translation>
    </message>
    <message>
        <source>傷ついて泣くハルーネン</source>
        <translation>受伤哭泣的哈露宁</translation>
    </message>
    <message>
        <source>病気で寝ていることぶ</source>
        <translation>生病卧床的琴舞</translation>
    </message>
    <message>
        <source>病気で寝ているハルーネン</source>
        <translation>生病卧床的哈露宁</translation>
    </message>
    <message>
        <source>朝：笑う太陽</source>
        <translation>晨：笑脸太阳</translation>
    </message>
    <message>
        <source>夜：眠る三日月と星</source>
        <translation>夜：沉睡月牙和星星</translation>
    </message>
    <message>
        <source>病気：氷のうと体温計</source>
        <translation>生病：冰袋和体温计</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>KoTeBu Special Pack</source>
        <translation>KoTeBu 特别版</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>頭に大きな花を咲かせたネコ。日なたで光合成をしているので、ごはんはほとんど食べない。水をかけるとよろこぶが、かけすぎるとひっかく。</source>
        <translation>头上开着一朵大花的猫。它在阳光下进行光合作用，所以几乎不吃饭。给它浇水它会很开心，但浇多了就会挠人。</translation>
    </message>
    <message>
        <source>蚊なのかトンボなのか、本人にもよくわかっていない羽虫。血を吸いに来るが、すぐに疲れて休んでしまう。ときどき妙に根性のある個体がいるので油断は禁物。</source>
        <translation>连自己都搞不清是蚊子还是蜻蜓的飞虫。它会飞来吸血，但很快就累得停下来休息。偶尔也有特别顽强的家伙，千万不可大意。</translation>
    </message>
    <message>
        <source>かわいい顔をして、長い耳の先から毒を出すウサギ。毒といっても、くしゃみが止まらなくなる程度である。ニンジンを見せるとすぐに油断する。</source>
        <translation>长着一张可爱的脸，会从长耳朵尖上放毒的兔子。说是毒，其实也就是让人喷嚏打个不停而已。给它看胡萝卜，它马上就放松警惕。</translation>
    </message>
    <message>
        <source>沼の底に住む、立派なヒゲのぬし。ヒゲで水の揺れを読み、近づく者を待ち伏せる。ヒゲの手入れには毎朝三時間かけるという。</source>
        <translation>住在沼泽底部、胡子十分气派的沼泽之主。它用胡子感知水波，埋伏等待靠近的人。据说它每天早上要花三个小时打理胡子。</translation>
    </message>
    <message>
        <source>夢を食べるという噂の虫。実は夢よりも昼寝の時間を食べてしまうので、出会った者はなぜか寝不足になる。</source>
        <translation>传说会吃梦的虫子。其实它吃的不是梦，而是午睡的时间，所以遇见它的人不知为何总会睡眠不足。</translation>
    </message>
    <message>
        <source>花ネコ</source>
        <translation>花猫</translation>
    </message>
    <message>
        <source>花ネコＳＰ</source>
        <translation>花猫ＳＰ</translation>
    </message>
    <message>
        <source>蚊トンボ</source>
        <translation>蚊蜻蜓</translation>
    </message>
    <message>
        <source>蚊トンボＳＰ</source>
        <translation>蚊蜻蜓ＳＰ</translation>
    </message>
    <message>
        <source>ニュルハチ</source>
        <translatorcomment>ニュル = slimy, squirmy; ハチ = both &apos;eight&apos; and &apos;bee&apos;. 滑溜 (slippery) + 八爪 (eight claws) + 蜂 (bee); its description explains that the &apos;bee&apos; comes only from the eight claws.</translatorcomment>
        <translation>滑溜八爪蜂</translation>
    </message>
    <message>
        <source>ニュルニュルした体に八本の足を持つ生き物。つかまえようとしても、ニュルッと逃げてしまう。ハチと呼ばれるのは足が八本だからで、刺したりはしない。</source>
        <translatorcomment>The Japanese joke: it is called hachi (bee) only because it has eight (hachi) legs. Kept as: it has 蜂 (bee) in its name only because of its eight claws (八爪).</translatorcomment>
        <translation>身体滑溜溜、长着八只脚的生物。想抓住它，它就哧溜一下逃走了。名字里带个“蜂”字，只是因为它有八只爪，它可不会蜇人。</translation>
    </message>
    <message>
        <source>毒ウサギ</source>
        <translation>毒兔</translation>
    </message>
    <message>
        <source>毒ウサギＳＰ</source>
        <translation>毒兔ＳＰ</translation>
    </message>
    <message>
        <source>兵隊ペンギン</source>
        <translation>企鹅大兵</translation>
    </message>
    <message>
        <source>隊列を組んで行進するペンギンの兵隊。号令がないと一歩も動けない。先頭を歩く隊長は、よく氷で滑って全員を巻き込む。</source>
        <translation>排成队列行进的企鹅士兵。没有口令就一步也迈不动。走在最前面的队长常在冰上滑倒，连带全队一起摔倒。</translation>
    </message>
    <message>
        <source>沼ヒゲ</source>
        <translation>沼胡子</translation>
    </message>
    <message>
        <source>沼ヒゲＳＰ</source>
        <translation>沼胡子ＳＰ</translation>
    </message>
    <message>
        <source>バクムシ</source>
        <translatorcomment>バク = the baku (貘), the dream-eating beast of legend; ムシ = bug.</translatorcomment>
        <translation>貘虫</translation>
    </message>
    <message>
        <source>バクムシＳＰ</source>
        <translation>貘虫ＳＰ</translation>
    </message>
    <message>
        <source>ｱﾒﾘｶﾂﾉｶﾞｴﾙ</source>
        <translatorcomment>Short form of the frog&apos;s name for the narrow battle caption; the full form is 阿根廷角蛙.</translatorcomment>
        <translation>角蛙</translation>
    </message>
    <message>
        <source>アメリカツノガエル</source>
        <translatorcomment>Japanese calls it the &apos;American horned frog&apos;; its real species is the Argentine horned frog (阿根廷角蛙), as in the English.</translatorcomment>
        <translation>阿根廷角蛙</translation>
    </message>
    <message>
        <source>大きな口と角のようなまぶたを持つカエル。口に入りそうなものは何でも飲み込もうとする。相手が自分より大きくても、まったくおかまいなし。</source>
        <translation>长着大嘴和犄角般眼睑的青蛙。只要是看起来能塞进嘴里的东西，它都想吞下去。就算对方比自己还大，它也毫不在乎。</translation>
    </message>
    <message>
        <source>まねっこぷぅ</source>
        <translatorcomment>manekko = copycat, puu = the &apos;puu&apos; it cannot help saying after each copy (see its description): 模仿 (imitate) + 噗噗.</translatorcomment>
        <translation>模仿噗噗</translation>
    </message>
    <message>
        <source>この世界を物まねで埋め尽くそうとたくらむ、最後の大ボス。相手の姿も技も何でもまねしてしまう。ただし、まねをしたあとに必ず「ぷぅ」と言ってしまうのが弱点。</source>
        <translation>企图用模仿填满这个世界的最终大头目。无论对手的模样还是招式，它什么都能模仿。不过它有个弱点：每次模仿完，都一定会说一声“噗～”。</translation>
    </message>
    <message>
        <source>ポポタルト</source>
        <translatorcomment>Popotart: popo + tarte (tart); 挞 as in 蛋挞 (egg tart), fitting a girl who brings sweets.</translatorcomment>
        <translation>波波挞</translation>
    </message>
    <message>
        <source>弱ったことぶを見ると放っておけない、心やさしい女の子モンスター。戦ったあとには、そっとパイとコーヒーを置いていってくれる。甘いものには目がない。</source>
        <translation>一看到虚弱的琴舞就没法置之不理，心地善良的怪物女孩。战斗结束后，她会悄悄留下馅饼和咖啡。她特别爱吃甜食。</translation>
    </message>
    <message>
        <source>バニードッグ</source>
        <translation>兔耳狗</translation>
    </message>
    <message>
        <source>ウサギの耳を持つ子犬。ぴょんぴょん跳ねながら、しっぽを振って寄ってくる。かみつくよりも、なめてくる方がずっと多い。</source>
        <translation>长着兔子耳朵的小狗。会一蹦一跳地摇着尾巴凑过来。比起咬人，它舔人的时候要多得多。</translation>
    </message>
    <message>
        <source>スシヤ</source>
        <translatorcomment>スシヤ = &apos;sushi shop&apos;, kept literally: 寿司屋.</translatorcomment>
        <translation>寿司屋</translation>
    </message>
    <message>
        <source>握りずしの姿をしたモンスター。わさびを飛ばして攻撃してくる。ネタは日によって変わるが、本人は自分が何のネタなのか知らない。</source>
        <translation>外形像握寿司的怪物。它会喷射芥末来攻击。它身上的寿司料每天都不一样，但它自己也不知道自己是什么料。</translation>
    </message>
    <message>
        <source>スッポン７</source>
        <translatorcomment>スッポン = soft-shelled turtle (甲鱼); the ７ is its claim to be the Seventh (七世).</translatorcomment>
        <translation>甲鱼七世</translation>
    </message>
    <message>
        <source>七代目を名乗るスッポン。一度かみついたら、カミナリが鳴るまで離さないという。初代から六代目までの行方は誰も知らない。</source>
        <translatorcomment>&apos;Won&apos;t let go until it thunders&apos; is a folk saying about snapping turtles in Chinese too.</translatorcomment>
        <translation>自称第七代的甲鱼。据说它一旦咬住，不打雷就绝不松口。第一代到第六代去了哪里，谁也不知道。</translation>
    </message>
    <message>
        <source>隠子</source>
        <translatorcomment>隠子 (&apos;hidden child&apos;): 隐子, the same for the full and the short form.</translatorcomment>
        <translation>隐子</translation>
    </message>
    <message>
        <source>隠コ</source>
        <translatorcomment>Short form of 隠子: the Chinese name is already short, so both forms are 隐子.</translatorcomment>
        <translation>隐子</translation>
    </message>
    <message>
        <source>物陰にひっそりと隠れている、はずかしがり屋の子。見つかると真っ赤になって体当たりしてくる。かくれんぼでは一度も負けたことがない。</source>
        <translation>悄悄躲在暗处的害羞孩子。一被发现就满脸通红地撞过来。玩捉迷藏从来没有输过。</translation>
    </message>
    <message>
        <source>クスリマス</source>
        <translatorcomment>kusuri (medicine) + masu (trout): 药 + 鳟鱼.</translatorcomment>
        <translation>药鳟鱼</translation>
    </message>
    <message>
        <source>薬の小瓶を背負ったマス。怪しい薬をふりまきながら川をさかのぼる。ときどき自分で飲んでしまい、元気になったり眠りこけたりしている。</source>
        <translation>背着小药瓶的鳟鱼。它一边撒着可疑的药水，一边逆流而上。有时自己也会喝下去，不是精神百倍就是呼呼大睡。</translation>
    </message>
    <message>
        <source>バウンドドッグ</source>
        <translatorcomment>Bound dog = a bouncing dog: 弹弹 (bouncy) + 狗.</translatorcomment>
        <translation>弹弹狗</translation>
    </message>
    <message>
        <source>ゴムまりのように弾む犬。一度弾みだすと自分でも止まれない。壁にぶつかると、さらに勢いを増して戻ってくる。</source>
        <translation>像橡皮球一样弹来弹去的狗。一旦弹起来，连它自己都停不下来。撞到墙上后，还会以更猛的势头弹回来。</translation>
    </message>
    <message>
        <source>アイチャン</source>
        <translatorcomment>Ai-chan: ai = love; 小爱 (little love) is the natural Chinese pet name.</translatorcomment>
        <translation>小爱</translation>
    </message>
    <message>
        <source>にっこり笑って近づいてくる、愛らしいモンスター。かわいさに油断していると、強烈な平手打ちが飛んでくる。好きなものは甘い言葉。</source>
        <translation>笑眯眯地靠过来的可爱怪物。要是被她的可爱迷惑而放松警惕，一记狠狠的耳光就会飞过来。最喜欢甜言蜜语。</translation>
    </message>
    <message>
        <source>チータ</source>
        <translation>猎豹</translation>
    </message>
    <message>
        <source>森いちばんの俊足を自慢するモンスター。速すぎて、ときどき自分のしっぽを追い越してしまう。ただし、息切れするのも森いちばん早い。</source>
        <translation>自夸是森林里跑得最快的怪物。因为跑得太快，有时会超过自己的尾巴。不过，它也是森林里最快喘不上气的。</translation>
    </message>
    <message>
        <source>魔法使いサリン</source>
        <translation>魔法师莎琳</translation>
    </message>
    <message>
        <source>怪しい呪文を唱える自称天才魔法使い。呪文をよく噛むので、出てくる魔法は毎回ちがう。本人はすべて計算どおりだと言い張っている。</source>
        <translation>念着可疑咒语的自称天才魔法师。她念咒时老是咬到舌头，所以每次放出的魔法都不一样。她本人却坚称一切都在计算之中。</translation>
    </message>
    <message>
        <source>ヤンパパ</source>
        <translatorcomment>ヤンパパ = yankii (ex-delinquent) papa: 不良老爸.</translatorcomment>
        <translation>不良老爸</translation>
    </message>
    <message>
        <source>昔はかなりやんちゃだったお父さん。子どもの前ではやさしいが、森ではいまだに肩で風を切って歩く。説教が長い。</source>
        <translation>年轻时相当叛逆的老爸。在孩子面前很温柔，但在森林里至今仍走路大摇大摆。说起教来没完没了。</translation>
    </message>
    <message>
        <source>ロボトミー</source>
        <translatorcomment>Robot + lobotomy, read as &apos;Robo Tommy&apos;: 机器托米 keeps Tommy; the lobotomy pun is left to its loose screw in the description.</translatorcomment>
        <translation>机器托米</translation>
    </message>
    <message>
        <source>どこかの研究所から逃げ出したブリキのロボット。頭のネジが一本足りず、言われたことの逆ばかりしてしまう。油を差すとおとなしくなる。</source>
        <translation>从某个研究所逃出来的铁皮机器人。它脑袋里少了一颗螺丝，总是跟别人说的反着干。给它上点油就会老实下来。</translation>
    </message>
    <message>
        <source>家泣き子</source>
        <translatorcomment>家泣き子 = house + crying + child: 哭家娃, the crying kid of the house.</translatorcomment>
        <translation>哭家娃</translation>
    </message>
    <message>
        <source>夜な夜な家の中で泣き声を上げる子どものモンスター。泣き声がだんだん大きくなり、最後には家ごと爆発するといわれている。あやすのは命がけ。</source>
        <translation>每到夜里就在家中大哭的孩子怪物。据说哭声会越来越大，最后整栋房子都会爆炸。哄它可是要拼上性命的。</translation>
    </message>
    <message>
        <source>王サンショウ魚</source>
        <translatorcomment>Short form; 大鲵 is the giant salamander. Both forms are 大鲵王.</translatorcomment>
        <translation>大鲵王</translation>
    </message>
    <message>
        <source>王サンショウウオ</source>
        <translation>大鲵王</translation>
    </message>
    <message>
        <source>沼の王を名乗る巨大なサンショウウオ。百年は生きているというが、本人も数えるのをやめてしまった。ぬるぬるの体には剣もなかなか通らない。</source>
        <translation>自称沼泽之王的巨大鲵鱼。据说至少活了一百年，但连它自己也懒得数了。它的身体滑溜溜的，连剑都很难砍进去。</translation>
    </message>
    <message>
        <source>ハガ・サターン</source>
        <translatorcomment>A wink at the Sega Saturn console (世嘉土星) and its polygons: 哈加 renders &apos;Haga&apos;, 土星 is Saturn.</translatorcomment>
        <translation>哈加土星</translation>
    </message>
    <message>
        <source>村も国もポリゴンに変えてしまおうとたくらむ、この物語の最後の大ボス。世界をカクカクにすることに命をかけており、丸いものが大嫌い。</source>
        <translation>企图把村子和王国都变成多边形，这个故事的最终大头目。它把一生都押在让世界变得棱角分明上，最讨厌圆的东西。</translation>
    </message>
    <message>
        <source>ポチ＆タマー</source>
        <translatorcomment>Pochi and Tama(a) are the stock Japanese dog and cat names; 旺财 and 咪咪 are the stock Chinese ones.</translatorcomment>
        <translation>旺财＆咪咪</translation>
    </message>
    <message>
        <source>いつも二人一緒の、犬と猫の女の子モンスター。弱ったハルーネンを見かけると、そっとランチを置いていってくれる。元気なハルーネンには、ちょっぴり稽古をつけてくれる。</source>
        <translation>总是形影不离的狗狗和猫咪怪物女孩。看到虚弱的哈露宁，她们会悄悄留下便当。遇到精神饱满的哈露宁，还会陪她稍微练练。</translation>
    </message>
</context>
<context>
    <name>SafeSave</name>
    <message>
        <source>%1 を保存できませんでした</source>
        <translation>无法保存 %1</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>音楽と効果音</source>
        <translation>音乐和音效</translation>
    </message>
</context>
<context>
    <name>Story</name>
    <message>
        <source>むかし、この地は恐ろしい魔物に苦しめられていた。村は焼かれ、人々は夜ごと震えて眠った。そのとき一人の女戦士が剣を取った。名はことぶ。幾度倒れても立ち上がった彼女は、ついに魔物を討ち、大地に平和を取り戻した。</source>
        <translation>很久以前，这片土地饱受可怕魔物的折磨。村庄被焚，人们夜夜在颤抖中入睡。就在那时，一位女战士拿起了剑，她名叫琴舞。无论倒下多少次都重新站起的她，终于讨伐了魔物，为大地带回了和平。</translation>
    </message>
    <message>
        <source>戦いを終えたことぶは、東の国から旅してきた一人の戦士と出会った。寡黙だが心優しいその男と、ことぶはやがて結ばれた。二人は小さな村に家を構え、ほどなく一人の娘を授かった。春の風の吹く、穏やかな朝のことであった。</source>
        <translation>战斗结束后，琴舞遇见了一位从东方之国远道而来的战士。那人沉默寡言却心地善良，不久便与琴舞结为夫妻。两人在一个小村庄安了家，没过多久便有了一个女儿。那是一个春风吹拂、宁静祥和的早晨。</translation>
    </message>
    <message>
        <source>娘の身には、代々魔物と戦ってきた戦士たちの血が流れている。母の家も父の家も、剣とともに生きた一族だった。幼い娘は母の昔話を聞くたびに、いつか自分も剣を取る日が来るのだと、胸の奥で静かに感じていた。</source>
        <translation>女孩身上流淌着世世代代与魔物战斗的战士之血。无论母亲家还是父亲家，都是与剑为伴的家族。年幼的女孩每次听母亲讲起往事，都会在心底静静地感到：总有一天，自己也会拿起剑。</translation>
    </message>
    <message>
        <source>娘が八つになった朝、大地が低くうなり、家が激しく揺れた。その夜、娘は夢を見た。暗い谷の底で黒い卵が割れ、新たな魔物が目を開く夢を。目覚めた娘の手は、冷たい汗に濡れていた。</source>
        <translation>女孩八岁那天早晨，大地发出低沉的轰鸣，房屋剧烈摇晃。那天夜里，女孩做了一个梦：幽暗的山谷深处，一颗黑色的蛋裂开了，新的魔物睁开了眼睛。醒来时，女孩的手心满是冷汗。</translation>
    </message>
    <message>
        <source>娘は決意した。魔物が育ちきる前に、強くなろうと。父はその覚悟を見て、東の国から携えてきた剣を娘に託した。母は自らを守ってきたお守りを、そっと娘の首にかけた。娘の名はハルーネン。彼女の物語が、今はじまる。</source>
        <translation>女孩下定决心，要在魔物长大之前变强。父亲看到她的决心，把从东方带来的剑交给了她。母亲把守护自己多年的护身符，轻轻挂在女儿的脖子上。女孩的名字叫哈露宁。她的故事，现在开始。</translation>
    </message>
</context>
<context>
    <name>ThemeWords</name>
    <message>
        <source>＜＜いっしょに歌おう！KoTeBuﾃｰﾏ曲「闘いの女神」！＞＞</source>
        <translatorcomment>The song title is framed in 《》, as Chinese writes the titles of songs.</translatorcomment>
        <translation>＜＜一起来唱吧！KoTeBu主题曲《战斗女神》！＞＞</translation>
    </message>
    <message>
        <source>＜＜&#x3000;おわり&#x3000;＞＞</source>
        <translation>＜＜&#x3000;完&#x3000;＞＞</translation>
    </message>
    <message>
        <source>朝焼けの&#x3000;丘を越え</source>
        <translatorcomment>Sung lyrics: one character per note, each half with exactly the Japanese number of notes (here 5/5), halves split by one full-width space. Most lines rhyme in -ang, as Chinese songs like to.</translatorcomment>
        <translation>迎着红朝霞&#x3000;越过小山冈</translation>
    </message>
    <message>
        <source>銀の剣&#x3000;胸に抱き</source>
        <translatorcomment>6/5 notes.</translatorcomment>
        <translation>一把银色长剑&#x3000;紧抱在胸膛</translation>
    </message>
    <message>
        <source>怖くない&#x3000;ひとりじゃない</source>
        <translatorcomment>5/6 notes.</translatorcomment>
        <translation>一点也不怕&#x3000;我从来不孤单</translation>
    </message>
    <message>
        <source>笑顔で&#x3000;明日へ行こう</source>
        <translatorcomment>4/7 notes.</translatorcomment>
        <translation>带着笑容&#x3000;让我们走向明天</translation>
    </message>
    <message>
        <source>光る風が&#x3000;背中押す</source>
        <translatorcomment>6/5 notes.</translatorcomment>
        <translation>闪闪发光的风&#x3000;推我向前方</translation>
    </message>
    <message>
        <source>夢の地図&#x3000;広げたら</source>
        <translatorcomment>5/5 notes.</translatorcomment>
        <translation>把梦的地图&#x3000;轻轻地展开</translation>
    </message>
    <message>
        <source>さあ行こう&#x3000;どこまでも</source>
        <translatorcomment>5/5 notes.</translatorcomment>
        <translation>来吧一起走&#x3000;走到天尽头</translation>
    </message>
    <message>
        <source>闘いの女神&#x3000;きらめいて</source>
        <translatorcomment>8/5 notes; the chorus hook carries the song&apos;s title 战斗女神.</translatorcomment>
        <translation>你就是那战斗女神&#x3000;闪耀着光芒</translation>
    </message>
    <message>
        <source>嵐の夜も&#x3000;負けないで</source>
        <translatorcomment>7/5 notes.</translatorcomment>
        <translation>哪怕是暴风雨夜&#x3000;也不要认输</translation>
    </message>
    <message>
        <source>星を数え&#x3000;強くなる</source>
        <translatorcomment>6/5 notes.</translatorcomment>
        <translation>数着天上星星&#x3000;变得更坚强</translation>
    </message>
    <message>
        <source>涙のあとに&#x3000;虹が出る</source>
        <translatorcomment>7/5 notes.</translatorcomment>
        <translation>当泪水擦干以后&#x3000;彩虹挂天上</translation>
    </message>
    <message>
        <source>燃えあがれ&#x3000;勇気の炎</source>
        <translatorcomment>5/7 notes.</translatorcomment>
        <translation>熊熊燃烧吧&#x3000;心中勇气的火焰</translation>
    </message>
    <message>
        <source>ヴィクトリー！</source>
        <translatorcomment>Four notes for the four of ヴィクトリー: &apos;Victory, hurrah!&apos;.</translatorcomment>
        <translation>胜利万岁！</translation>
    </message>
    <message>
        <source>＜＜作詞・作曲：チーム・ハルカゼ＞＞</source>
        <translatorcomment>词曲 is the usual Chinese credit for &apos;words and music&apos;.</translatorcomment>
        <translation>＜＜词曲：春风团队＞＞</translation>
    </message>
    <message>
        <source>＜＜(C)1996-2024 チーム・ハルカゼ＞＞</source>
        <translation>＜＜(C)1996-2024 春风团队＞＞</translation>
    </message>
</context>
<context>
    <name>kotebu::Form1</name>
    <message>
        <source>ＫｏＴｅＢｕ２ ～ハルーネン物語～</source>
        <translation>ＫｏＴｅＢｕ２ ～哈露宁物语～</translation>
    </message>
    <message>
        <source>ＫｏＴｅＢｕ ～ことぶ～</source>
        <translation>ＫｏＴｅＢｕ ～琴舞～</translation>
    </message>
    <message>
        <source>%1。%2</source>
        <translation>%1。%2</translation>
    </message>
    <message>
        <source>ＫｏＴｅＢｕ&#x3000;Ｓｐｅｃｉａｌ&#x3000;Ｐａｃｋ</source>
        <translation>ＫｏＴｅＢｕ&#x3000;特别版</translation>
    </message>
    <message>
        <source>・ＫｏＴｅＢｕ～ことぶ～</source>
        <translatorcomment>The Japanese bullet ・ is a kana sign; the Chinese middle dot · replaces it.</translatorcomment>
        <translation>·ＫｏＴｅＢｕ～琴舞～</translation>
    </message>
    <message>
        <source>・ＫｏＴｅＢｕ２～ﾊﾙｰﾈﾝ物語～</source>
        <translation>·ＫｏＴｅＢｕ２～哈露宁物语～</translation>
    </message>
    <message>
        <source>制作：チーム・ハルカゼ</source>
        <translation>制作：春风团队</translation>
    </message>
    <message>
        <source>About KoTeBu Special Pack</source>
        <translation>关于 KoTeBu 特别版</translation>
    </message>
    <message>
        <source>終了確認</source>
        <translation>确认退出</translation>
    </message>
    <message>
        <source>%1の今日の冒険を終わります。</source>
        <translation>即将结束%1今天的冒险。</translation>
    </message>
    <message>
        <source>%1 を保存できませんでした</source>
        <translation>无法保存 %1</translation>
    </message>
    <message>
        <source>もう一度保存しますか？</source>
        <translation>要重新保存吗？</translation>
    </message>
    <message>
        <source>時間が止まった。</source>
        <translation>时间停止了。</translation>
    </message>
    <message>
        <source>時間が動き出した。</source>
        <translation>时间又开始流动了。</translation>
    </message>
    <message>
        <source>Enterかスペースで与える</source>
        <translation>按Enter或空格键交给她</translation>
    </message>
</context>
<context>
    <name>kotebu::Form2</name>
    <message>
        <source>設定</source>
        <translation>设置</translation>
    </message>
</context>
<context>
    <name>kotebu::Form3</name>
    <message>
        <source>%1。%2</source>
        <translation>%1。%2</translation>
    </message>
</context>
</TS>
