<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="ja">
<context>
    <name>Battle</name>
    <message>
        <source>ことぶは闘った。</source>
        <extracomment>The fight&apos;s result follows on the same line with nothing between: a translation ends with the space its language wants there.</extracomment>
        <translation>코토부는 싸웠다. </translation>
    </message>
    <message>
        <source>ことぶは勝った！経験値%1を得た。</source>
        <translatorcomment>“경험치 … 획득” (gained … EXP) avoids the Korean object particle, whose form would depend on how the number is read.</translatorcomment>
        <translation>코토부는 이겼다! 경험치 %1 획득.</translation>
    </message>
    <message>
        <source>ことぶは負けた！ことぶは傷を負った。</source>
        <translation>코토부는 졌다! 코토부는 다쳤다.</translation>
    </message>
    <message>
        <source>敵はパイとコーヒーを置いていった。体力が１アップした！</source>
        <translation>적은 파이와 커피를 두고 갔다. 체력이 1 올랐다!</translation>
    </message>
    <message>
        <source>ハルーネンは闘った。</source>
        <extracomment>The fight&apos;s result follows on the same line with nothing between: a translation ends with the space its language wants there.</extracomment>
        <translation>하루넨은 싸웠다. </translation>
    </message>
    <message>
        <source>ハルーネンは勝った！経験値%1を得た。</source>
        <translatorcomment>“경험치 … 획득” (gained … EXP) avoids the Korean object particle, whose form would depend on how the number is read.</translatorcomment>
        <translation>하루넨은 이겼다! 경험치 %1 획득.</translation>
    </message>
    <message>
        <source>ハルーネンは負けた！ハルーネンは傷を負った。</source>
        <translation>하루넨은 졌다! 하루넨은 다쳤다.</translation>
    </message>
    <message>
        <source>敵はランチを置いていった。体力が１アップした！</source>
        <translation>적은 도시락을 두고 갔다. 체력이 1 올랐다!</translation>
    </message>
    <message>
        <source>魅力が１アップした！</source>
        <translation>매력이 1 올랐다!</translation>
    </message>
    <message>
        <source>知識が１アップした！</source>
        <translation>지식이 1 올랐다!</translation>
    </message>
    <message>
        <source>情報力が１アップした！</source>
        <translation>정보력이 1 올랐다!</translation>
    </message>
    <message>
        <source>愛情が１アップした！</source>
        <translation>애정이 1 올랐다!</translation>
    </message>
    <message>
        <source>魅力が１減った！</source>
        <translation>매력이 1 줄었다!</translation>
    </message>
    <message>
        <source>知識が１減った！</source>
        <translation>지식이 1 줄었다!</translation>
    </message>
    <message>
        <source>情報力が１減った！</source>
        <translation>정보력이 1 줄었다!</translation>
    </message>
    <message>
        <source>愛情が１減った！</source>
        <translation>애정이 1 줄었다!</translation>
    </message>
    <message>
        <source>%1が現れた！</source>
        <translatorcomment>“… 등장!” (… appears!), the usual RPG wording, needs no subject particle, whose form (이/가) would depend on the monster&apos;s name.</translatorcomment>
        <translation>%1 등장!</translation>
    </message>
</context>
<context>
    <name>Care</name>
    <message>
        <source>ことぶは花に水をやった。愛情が１増えた。</source>
        <translatorcomment>“Kotobu tended the flowers” rather than “watered”: the longer verb would not fit.</translatorcomment>
        <translation>코토부는 꽃에 물을 줬다. 애정이 1 늘었다.</translation>
    </message>
    <message>
        <source>ハルーネンは飼犬に餌をやった。愛情が１増えた。</source>
        <translation>하루넨은 개에게 먹이를 줬다. 애정이 1 늘었다.</translation>
    </message>
    <message>
        <source>ことぶは体力をつけた。魅力が１減った。</source>
        <translatorcomment>“Kotobu trained (her body)”: “built up her stamina” is too long here.</translatorcomment>
        <translation>코토부는 체력을 길렀다. 매력이 1 줄었다.</translation>
    </message>
    <message>
        <source>ハルーネンは体力をつけた。魅力が１減った。</source>
        <translatorcomment>Worded as for Kotobu: “Harunen trained (her body)”.</translatorcomment>
        <translation>하루넨은 체력을 길렀다. 매력이 1 줄었다.</translation>
    </message>
    <message>
        <source>ことぶは化粧をした。魅力が１増えた。</source>
        <translation>코토부는 화장했다. 매력이 1 늘었다.</translation>
    </message>
    <message>
        <source>ハルーネンは化粧をした。魅力が１増えた。</source>
        <translation>하루넨은 화장했다. 매력이 1 늘었다.</translation>
    </message>
    <message>
        <source>ことぶは武術の勉強をした。知識が１増えた。</source>
        <translation>코토부는 무술을 공부했다. 지식이 1 늘었다.</translation>
    </message>
    <message>
        <source>ハルーネンは武術の勉強をした。知識が１増えた。</source>
        <translation>하루넨은 무술을 공부했다. 지식이 1 늘었다.</translation>
    </message>
    <message>
        <source>ことぶは新聞を見た。情報力が１増えた。</source>
        <translatorcomment>One sentence (“Kotobu read the paper and her Information rose by 1”): two sentences, with Korean word spacing, do not fit.</translatorcomment>
        <translation>코토부는 신문을 봤다. 정보력이 1 늘었다.</translation>
    </message>
    <message>
        <source>ハルーネンは新聞を見た。情報力が１増えた。</source>
        <translation>하루넨은 신문을 봤다. 정보력이 1 늘었다.</translation>
    </message>
    <message>
        <source>愛情はもう上がらない。</source>
        <translatorcomment>“… is already at its highest.”</translatorcomment>
        <translation>애정은 이미 최고다.</translation>
    </message>
    <message>
        <source>体力はもう上がらない。</source>
        <translation>체력은 이미 최고다.</translation>
    </message>
    <message>
        <source>魅力が足りないので、体力をつけられない。</source>
        <translation>매력이 모자라서 체력을 기를 수 없다.</translation>
    </message>
    <message>
        <source>魅力はもう上がらない。</source>
        <translation>매력은 이미 최고다.</translation>
    </message>
    <message>
        <source>知識はもう上がらない。</source>
        <translation>지식은 이미 최고다.</translation>
    </message>
    <message>
        <source>情報力はもう上がらない。</source>
        <translation>정보력은 이미 최고다.</translation>
    </message>
    <message>
        <source>道具は夜にしか使えない。</source>
        <translation>도구는 밤에만 사용 가능.</translation>
    </message>
    <message>
        <source>ハート：愛情を上げる</source>
        <translatorcomment>The item descriptions use the short noun style “X 상승” (X rises) so that all five fit.</translatorcomment>
        <translation>하트: 애정 상승</translation>
    </message>
    <message>
        <source>力こぶ：体力を上げる（魅力は下がる）</source>
        <translatorcomment>알통 is the bulging biceps of a flexed arm (the Japanese chikara-kobu).</translatorcomment>
        <translation>알통: 체력 상승(매력 하락)</translation>
    </message>
    <message>
        <source>リボン：魅力を上げる</source>
        <translation>리본: 매력 상승</translation>
    </message>
    <message>
        <source>本：知識を上げる</source>
        <translation>책: 지식 상승</translation>
    </message>
    <message>
        <source>テレビ：情報力を上げる</source>
        <translation>텔레비전: 정보력 상승</translation>
    </message>
</context>
<context>
    <name>DayEvents</name>
    <message>
        <source>ことぶは素敵な彼氏をみつけ、結婚した。夫は名をパラレルといい、東方の戦士であった。よき伴侶となるであろう。</source>
        <translation>코토부는 멋진 남자를 만나 결혼했다. 남편의 이름은 패러렐, 동방의 전사였다. 좋은 반려자가 되어 줄 것이다.</translation>
    </message>
    <message>
        <source>ことぶは、かわいい女の子をもうけた。「ハルーネン」と名付けられたその女の子は２人に守られすくすくと育った。</source>
        <translation>코토부는 귀여운 딸을 낳았다. ‘하루넨’이라 이름 지은 그 아이는 두 사람의 품에서 무럭무럭 자랐다.</translation>
    </message>
    <message>
        <source>朝になった。ことぶは冒険に出かけた。</source>
        <translation>날이 밝았다. 코토부는 모험을 떠났다.</translation>
    </message>
    <message>
        <source>ことぶは病気で動けない。かわいそうに…</source>
        <translation>코토부는 병으로 누워 있다. 가엾어라…</translation>
    </message>
    <message>
        <source>しかし、優しい夫に見守られ、奇跡的に回復力を増している。</source>
        <translation>하지만 다정한 남편의 보살핌 속에 기적처럼 회복하고 있다.</translation>
    </message>
    <message>
        <source>夜になった。ことぶは、ぐーぐー寝ている。</source>
        <translation>밤이 되었다. 코토부는 쿨쿨 자고 있다.</translation>
    </message>
    <message>
        <source>ことぶの大きな愛情が娘のハルーネンにそそがれ、ことぶの魅力が増えた。</source>
        <translation>코토부의 큰 애정이 딸 하루넨에게 쏟아져 코토부의 매력이 늘었다.</translation>
    </message>
    <message>
        <source>ことぶ&#x3000;%1才&#x3000;／&#x3000;経験値 %2</source>
        <translation>코토부 %1세 / 경험치 %2</translation>
    </message>
    <message>
        <source>ことぶは%1才になった。</source>
        <translation>코토부는 %1세가 됐다.</translation>
    </message>
    <message>
        <source>ハルーネンは、傷ついたときに通った隣村の医者、ボルテンと恋に落ち、ついに２人は結婚をした。幸せな家庭を築くであろう。</source>
        <translation>하루넨은 다쳤을 때 다니던 이웃 마을의 의사 볼텐과 사랑에 빠져, 마침내 두 사람은 결혼했다. 행복한 가정을 꾸릴 것이다.</translation>
    </message>
    <message>
        <source>ハルーネンは、かわいい娘をもうけた。ハルーネンとボルテンはその子にリックルと名付けた。元気な可愛い子に育つであろう。</source>
        <translation>하루넨은 귀여운 딸을 낳았다. 하루넨과 볼텐은 아이에게 리클이라는 이름을 지었다. 건강하고 사랑스럽게 자랄 것이다.</translation>
    </message>
    <message>
        <source>朝になった。ハルーネンは修行のために森へ出かけた。</source>
        <translation>날이 밝았다. 하루넨은 수련하러 숲으로 떠났다.</translation>
    </message>
    <message>
        <source>ハルーネンは病気にかかり、動けない。かわいそうに…</source>
        <translation>하루넨은 병에 걸려 누워 있다. 가엾어라…</translation>
    </message>
    <message>
        <source>しかし、医師である夫の優しい看病によって、奇跡的に回復をしている。</source>
        <translation>하지만 의사인 남편의 다정한 간호 덕분에 기적처럼 회복하고 있다.</translation>
    </message>
    <message>
        <source>夜になった。ハルーネンは静かに、眠りについている。</source>
        <translation>밤이 되었다. 하루넨은 조용히 잠들어 있다.</translation>
    </message>
    <message>
        <source>ハルーネンの大きな愛情が娘のリックルにそそがれ、ハルーネンの魅力が増えた。</source>
        <translation>하루넨의 큰 애정이 딸 리클에게 쏟아져 하루넨의 매력이 늘었다.</translation>
    </message>
    <message>
        <source>ハルーネン&#x3000;%1才&#x3000;／&#x3000;経験値 %2</source>
        <translation>하루넨 %1세 / 경험치 %2</translation>
    </message>
    <message>
        <source>ハルーネンは%1才になった。</source>
        <translation>하루넨은 %1세가 됐다.</translation>
    </message>
    <message>
        <source> 体力：%1    愛情：%2    情報力：%3</source>
        <translatorcomment>Keeps the leading space and the four-space gaps: the two status rows line up (“체력: ” and “지식: ” are as wide as each other).</translatorcomment>
        <translation> 체력: %1    애정: %2    정보력: %3</translation>
    </message>
    <message>
        <source>  知識：%1    魅力：%2</source>
        <translation>  지식: %1    매력: %2</translation>
    </message>
    <message>
        <source>    既婚</source>
        <translation>    기혼</translation>
    </message>
    <message>
        <source>／一児の母</source>
        <translatorcomment>Follows “기혼” (married) on the status row: “married/mother” (a mother of one child), condensed to fit.</translatorcomment>
        <translation>/어머니</translation>
    </message>
</context>
<context>
    <name>Demoform</name>
    <message>
        <source>Team Harukaze presents</source>
        <translatorcomment>“A Team Harukaze work”, the usual Korean way of putting “presents”.</translatorcomment>
        <translation>팀 하루카제 작품</translation>
    </message>
    <message>
        <source>ハル（コマA）</source>
        <translatorcomment>Screen-reader names of the logo bird&apos;s animation frames: 그림 (picture), shorter than 프레임, numbered 1 to 4 instead of the Latin letters A to D. 하루 also means “a day” in Korean; it is still read as the bird&apos;s name here.</translatorcomment>
        <translation>하루(그림 1)</translation>
    </message>
    <message>
        <source>ハル（コマB）</source>
        <translation>하루(그림 2)</translation>
    </message>
    <message>
        <source>ハル（コマC）</source>
        <translation>하루(그림 3)</translation>
    </message>
    <message>
        <source>ハル（コマD）</source>
        <translation>하루(그림 4)</translation>
    </message>
    <message>
        <source>ハル：春風の小鳥</source>
        <translatorcomment>Haru is Japanese for “spring”: “Haru, the bird of the spring wind” (condensed; 작은 새 “little bird” does not fit).</translatorcomment>
        <translation>하루: 봄바람 새</translation>
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
        <translation>마침내 코토부는 숙적 따라쟁이뿌를 물리치고 세상에 진실을 되찾아 주었다. 이제 아무도 그 엉터리 흉내에 휘둘리지 않을 것이다.</translation>
    </message>
    <message>
        <source>ことぶは、まねっこぷぅを倒すことができなかった。やがて村から真実は消え去り、右を見ても左を見ても物まねばかりの、まねっこぷぅの世界になってしまうだろう…</source>
        <translation>코토부는 따라쟁이뿌를 쓰러뜨리지 못했다. 머지않아 마을에서 진실은 사라지고, 어디를 봐도 흉내뿐인 따라쟁이뿌의 세상이 되리라…</translation>
    </message>
    <message>
        <source>ついにハルーネンは宿敵ハガ・サターンを打ち倒し、村と国を救った。おめでとう、ハルーネン！</source>
        <translation>마침내 하루넨은 숙적 하가 새턴을 쓰러뜨리고 마을과 나라를 구했다. 축하해요, 하루넨!</translation>
    </message>
    <message>
        <source>ハルーネンは、ハガ・サターンを倒すことができなかった。村はいずれハガ・サターンの手で、家も畑も村人も、みんなカクカクのポリゴンにされてしまうだろう…</source>
        <translation>하루넨은 하가 새턴을 쓰러뜨리지 못했다. 머지않아 하가 새턴이 집도 밭도 마을 사람도 모두 각진 폴리곤으로 바꿔 버릴 것이다…</translation>
    </message>
    <message>
        <source>KoTeBu2 ハルーネン物語 おわり</source>
        <translation>KoTeBu2 하루넨 이야기 끝</translation>
    </message>
    <message>
        <source>ＫｏＴｅＢｕ&#x3000;おわり</source>
        <translation>ＫｏＴｅＢｕ 끝</translation>
    </message>
    <message>
        <source>得点は%1点でした。</source>
        <translation>점수는 %1점입니다.</translation>
    </message>
    <message>
        <source>残念でした。もう一度挑戦してください！</source>
        <translation>아쉽습니다. 다시 한번 도전해 주세요!</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>%1 を保存できないフォルダです。</source>
        <translatorcomment>The placeholder is a file name; “name: a folder it cannot be saved in” avoids a particle after it.</translatorcomment>
        <translation>%1: 저장할 수 없는 폴더입니다.</translation>
    </message>
    <message>
        <source>このまま遊んでも、今日の冒険は保存されません。遊びますか？</source>
        <translation>오늘의 모험은 저장되지 않습니다. 그래도 진행하시겠습니까?</translation>
    </message>
    <message>
        <source>このフォルダのゲームはもう始まっています。</source>
        <translation>이 폴더의 게임은 이미 실행 중입니다.</translation>
    </message>
    <message>
        <source>先に始めたほうで遊んでください。</source>
        <translation>먼저 시작한 쪽에서 해 주세요.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>ＫｏＴｅＢｕ ～ことぶ～</source>
        <translation>ＫｏＴｅＢｕ ～코토부～</translation>
    </message>
    <message>
        <source>Enterで敵データ（戦いのあと、情報力が５のとき）、アプリケーションキーかShift+F10でメニュー</source>
        <translatorcomment>Spoken hint: the particles follow the keys as read aloud (엔터로, 에프텐으로).</translatorcomment>
        <translation>Enter로 적 데이터(전투 후, 정보력이 5일 때), 메뉴 키나 Shift+F10으로 메뉴</translation>
    </message>
    <message>
        <source>道具箱</source>
        <translation>도구함</translation>
    </message>
    <message>
        <source>一時停止：押している間は時間が止まる</source>
        <translation>일시정지: 누르는 동안 시간이 멈춤</translation>
    </message>
    <message>
        <source>スペースかEnterを押している間、時間が止まる</source>
        <translation>스페이스나 Enter를 누르는 동안 시간이 멈춤</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>게임(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>PopM</source>
        <translatorcomment>Title of the game window&apos;s pop-up menu, never shown as text; a screen reader may announce it, hence a plain word.</translatorcomment>
        <translation>메뉴</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>설정(&amp;C)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>정보(&amp;A)</translation>
    </message>
    <message>
        <source>Character &amp;Status</source>
        <translation>캐릭터 상태(&amp;S)</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>設定</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>１日の時間設定</source>
        <translatorcomment>하루 here is the ordinary Korean word “a day”, not the bird Haru.</translatorcomment>
        <translation>하루 길이 설정</translation>
    </message>
    <message>
        <source>１日の時間（秒）</source>
        <translation>하루 길이(초)</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>초</translation>
    </message>
    <message>
        <source>各種設定</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>アイコン状態で起動</source>
        <translation>최소화 상태로 시작</translation>
    </message>
    <message>
        <source>最初のデモをスキップする</source>
        <translation>오프닝 데모 건너뛰기</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>ＯＫ</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>KoTeBu2 ハルーネン物語 敵データ</source>
        <translation>KoTeBu2 하루넨 이야기 적 데이터</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>돌아가기</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>KoTeBu2 ハルーネン物語 おわり</source>
        <translation>KoTeBu2 하루넨 이야기 끝</translation>
    </message>
    <message>
        <source>完</source>
        <translation>끝</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>KoTeBu2 ﾊﾙｰﾈﾝ物語 ﾃﾞﾓﾝｽﾄﾚｰｼｮﾝ</source>
        <translation>KoTeBu2 하루넨 이야기 데모</translation>
    </message>
    <message>
        <source>伝説の女戦士ことぶ</source>
        <translatorcomment>“Kotobu, the legendary warrior”: 여전사 (woman warrior) does not fit.</translatorcomment>
        <translation>전설의 전사 코토부</translation>
    </message>
    <message>
        <source>ことぶと東方の戦士</source>
        <translation>코토부와 동방 전사</translation>
    </message>
    <message>
        <source>Next Scene</source>
        <translation>다음 장면</translation>
    </message>
    <message>
        <source>Demo Skip</source>
        <translation>건너뛰기</translation>
    </message>
    <message>
        <source>流れ星</source>
        <translation>별똥별</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>KoTeBu2 ﾊﾙｰﾈﾝ物語 ｽﾀｰﾄ</source>
        <translation>KoTeBu2 하루넨 이야기 시작</translation>
    </message>
    <message>
        <source>手を振るハルーネン</source>
        <translation>손 흔드는 하루넨</translation>
    </message>
    <message>
        <source>KoTeBu 2</source>
        <translation>KoTeBu 2</translation>
    </message>
    <message>
        <source>ハルーネン 物語</source>
        <translation>하루넨 이야기</translation>
    </message>
    <message>
        <source>(C) 2024 チーム・ハルカゼ</source>
        <translation>(C) 2024 팀 하루카제</translation>
    </message>
    <message>
        <source>飾り線</source>
        <translation>장식선</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>ＫｏＴｅＢｕ&#x3000;Ｓｐｅｃｉａｌ&#x3000;Ｐａｃｋ&#x3000;Ｓｅｌｅｃｔｅｒ</source>
        <translatorcomment>“Selector” rendered as 게임 선택 (game choice).</translatorcomment>
        <translation>ＫｏＴｅＢｕ 스페셜 팩 게임 선택</translation>
    </message>
    <message>
        <source>ＫｏＴｅＢｕ ～ことぶ～</source>
        <translation>ＫｏＴｅＢｕ ～코토부～</translation>
    </message>
    <message>
        <source>Enterかスペースでこのゲームを選ぶ</source>
        <translation>Enter나 스페이스로 이 게임 선택</translation>
    </message>
    <message>
        <source>ＫｏＴｅＢｕ２ ～ﾊﾙｰﾈﾝ物語～</source>
        <translation>ＫｏＴｅＢｕ２ ～하루넨 이야기～</translation>
    </message>
    <message>
        <source>KoTeBu Special Pack</source>
        <translation>KoTeBu 스페셜 팩</translation>
    </message>
    <message>
        <source>点滅する枠</source>
        <translation>점멸 틀</translation>
    </message>
</context>
<context>
    <name>Form8</name>
    <message>
        <source>KoTeBu ｽﾀｰﾄ</source>
        <translation>KoTeBu 시작</translation>
    </message>
    <message>
        <source>タイトル：ことぶ&#x3000;KoTeBu</source>
        <translation>타이틀: 코토부 KoTeBu</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
</context>
<context>
    <name>Form9</name>
    <message>
        <source>KoTeBu Special Pack ﾌｫﾙﾀﾞ設定</source>
        <translation>KoTeBu 스페셜 팩 폴더 설정</translation>
    </message>
    <message>
        <source>KoTeBuの画像ﾃﾞｰﾀがあるﾌｫﾙﾀﾞ名は？</source>
        <translation>KoTeBu 그림이 있는 폴더는?</translation>
    </message>
    <message>
        <source>KoTeBu2の画像ﾃﾞｰﾀがあるﾌｫﾙﾀﾞ名は？</source>
        <translation>KoTeBu2 그림이 있는 폴더는?</translation>
    </message>
    <message>
        <source>ゲームを終わる</source>
        <translation>게임 종료</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>両方のフォルダにボスの画像があると押せる</source>
        <translation>두 폴더에 보스 그림이 있으면 사용 가능</translation>
    </message>
    <message>
        <source>Start!</source>
        <translation>시작!</translation>
    </message>
</context>
<context>
    <name>GameState</name>
    <message>
        <source>ハルーネン</source>
        <translatorcomment>The heroines&apos; names are Korean spellings of the Japanese sounds (Harunen, Kotobu). 하루 also means “a day” in Korean; no pun is meant.</translatorcomment>
        <translation>하루넨</translation>
    </message>
    <message>
        <source>ことぶ</source>
        <translation>코토부</translation>
    </message>
</context>
<context>
    <name>GameStore</name>
    <message>
        <source>%1 がみつかりません。新しいゲームを準備できません。</source>
        <translatorcomment>The placeholder is a file name: “파일” (file) after it keeps the particle fixed.</translatorcomment>
        <translation>%1 파일이 없습니다. 새 게임을 준비할 수 없습니다.</translation>
    </message>
    <message>
        <source>KoTeBu2 ﾊﾙｰﾈﾝ物語</source>
        <translation>KoTeBu2 하루넨 이야기</translation>
    </message>
    <message>
        <source>ＫｏＴｅＢｕ～ことぶ～</source>
        <translation>ＫｏＴｅＢｕ～코토부～</translation>
    </message>
    <message>
        <source>新しくゲームを始める為の準備をします。</source>
        <translation>새 게임을 시작할 준비를 합니다.</translation>
    </message>
</context>
<context>
    <name>Ini</name>
    <message>
        <source>%1 がみつかりません</source>
        <translation>%1 파일이 없습니다</translation>
    </message>
    <message>
        <source>セクション名%1エラー</source>
        <translation>섹션 %1 오류</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Yes</source>
        <translation>예(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>아니요(&amp;N)</translation>
    </message>
    <message>
        <source>もう一度保存(&amp;R)</source>
        <translation>다시 저장(&amp;R)</translation>
    </message>
    <message>
        <source>ゲームに戻る(&amp;B)</source>
        <translatorcomment>“Continue the game” (back to the game); 게임으로 돌아가기 is too long for the button.</translatorcomment>
        <translation>게임 계속(&amp;B)</translation>
    </message>
    <message>
        <source>保存せずに終了(&amp;E)</source>
        <translation>저장 없이 종료(&amp;E)</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>朝の野原を行くことぶ</source>
        <translatorcomment>“Kotobu in the morning meadow”: the walking does not fit.</translatorcomment>
        <translation>아침 들판의 코토부</translation>
    </message>
    <message>
        <source>朝の野原で手を振るハルーネン</source>
        <translation>아침 들에서 손 흔드는 하루넨</translation>
    </message>
    <message>
        <source>よろこぶことぶ</source>
        <translation>신이 난 코토부</translation>
    </message>
    <message>
        <source>よろこぶハルーネン</source>
        <translation>신이 난 하루넨</translation>
    </message>
    <message>
        <source>傷ついて泣くことぶ</source>
        <translation>다쳐서 우는 코토부</translation>
    </message>
    <message>
        <source>傷ついて泣くハルーネン</source>
        <translation>다쳐서 우는 하루넨</translation>
    </message>
    <message>
        <source>病気で寝ていることぶ</source>
        <translation>앓아누운 코토부</translation>
    </message>
    <message>
        <source>病気で寝ているハルーネン</source>
        <translation>앓아누운 하루넨</translation>
    </message>
    <message>
        <source>朝：笑う太陽</source>
        <translatorcomment>“The smiling morning sun”: “아침: 웃는 해” is one unit too wide.</translatorcomment>
        <translation>웃는 아침 해</translation>
    </message>
    <message>
        <source>夜：眠る三日月と星</source>
        <translatorcomment>“Night: a sleeping moon and stars”; 초승달 (crescent) does not fit.</translatorcomment>
        <translation>밤: 잠든 달과 별</translation>
    </message>
    <message>
        <source>病気：氷のうと体温計</source>
        <translation>병: 얼음팩과 체온계</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>KoTeBu Special Pack</source>
        <translation>KoTeBu 스페셜 팩</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>頭に大きな花を咲かせたネコ。日なたで光合成をしているので、ごはんはほとんど食べない。水をかけるとよろこぶが、かけすぎるとひっかく。</source>
        <translation>머리에 큰 꽃을 피운 고양이. 햇볕 아래서 광합성을 하기 때문에 밥은 거의 먹지 않는다. 물을 주면 좋아하지만, 너무 많이 주면 할퀸다.</translation>
    </message>
    <message>
        <source>蚊なのかトンボなのか、本人にもよくわかっていない羽虫。血を吸いに来るが、すぐに疲れて休んでしまう。ときどき妙に根性のある個体がいるので油断は禁物。</source>
        <translation>모기인지 잠자리인지 자기도 잘 모르는 날벌레. 피를 빨러 오지만 금방 지쳐서 쉬어 버린다. 가끔 묘하게 근성 있는 녀석도 있으니 방심은 금물.</translation>
    </message>
    <message>
        <source>かわいい顔をして、長い耳の先から毒を出すウサギ。毒といっても、くしゃみが止まらなくなる程度である。ニンジンを見せるとすぐに油断する。</source>
        <translation>귀여운 얼굴로 긴 귀 끝에서 독을 내뿜는 토끼. 독이라 해도 재채기가 멈추지 않는 정도다. 당근을 보여 주면 금세 방심한다.</translation>
    </message>
    <message>
        <source>沼の底に住む、立派なヒゲのぬし。ヒゲで水の揺れを読み、近づく者を待ち伏せる。ヒゲの手入れには毎朝三時間かけるという。</source>
        <translation>늪 바닥에 사는 멋진 수염의 주인. 수염으로 물결을 읽고 다가오는 자를 노린다. 수염 손질에 아침마다 세 시간을 쓴단다.</translation>
    </message>
    <message>
        <source>夢を食べるという噂の虫。実は夢よりも昼寝の時間を食べてしまうので、出会った者はなぜか寝不足になる。</source>
        <translation>꿈을 먹는다는 소문의 벌레. 실은 꿈보다 낮잠 시간을 먹어서, 만난 사람은 왠지 잠이 모자라게 된다.</translation>
    </message>
    <message>
        <source>花ネコ</source>
        <translation>꽃고양이</translation>
    </message>
    <message>
        <source>花ネコＳＰ</source>
        <translation>꽃고양이ＳＰ</translation>
    </message>
    <message>
        <source>蚊トンボ</source>
        <translation>모기잠자리</translation>
    </message>
    <message>
        <source>蚊トンボＳＰ</source>
        <translation>모기잠자리ＳＰ</translation>
    </message>
    <message>
        <source>ニュルハチ</source>
        <translatorcomment>Pun: in Japanese, hachi is both “eight” and “bee”. Here 미끌 (slippery) + 문어 (octopus, eight arms) + 벌 (bee); the description says it has “bee” in its name but only an octopus&apos;s eight legs, and never stings.</translatorcomment>
        <translation>미끌문어벌</translation>
    </message>
    <message>
        <source>ニュルニュルした体に八本の足を持つ生き物。つかまえようとしても、ニュルッと逃げてしまう。ハチと呼ばれるのは足が八本だからで、刺したりはしない。</source>
        <translatorcomment>The joke of the name 미끌문어벌: called a bee, yet it only has an octopus&apos;s eight legs and never stings.</translatorcomment>
        <translation>미끌미끌한 몸에 다리가 여덟 개 달린 생물. 잡으려 해도 미끌 하고 빠져나간다. 이름에 벌이 붙었지만 문어처럼 다리가 여덟 개일 뿐, 쏘지는 않는다.</translation>
    </message>
    <message>
        <source>毒ウサギ</source>
        <translation>독토끼</translation>
    </message>
    <message>
        <source>毒ウサギＳＰ</source>
        <translation>독토끼ＳＰ</translation>
    </message>
    <message>
        <source>兵隊ペンギン</source>
        <translation>펭귄 병정</translation>
    </message>
    <message>
        <source>隊列を組んで行進するペンギンの兵隊。号令がないと一歩も動けない。先頭を歩く隊長は、よく氷で滑って全員を巻き込む。</source>
        <translation>줄지어 행진하는 펭귄 병정. 구령 없이는 한 발도 못 움직인다. 앞장선 대장이 자주 얼음에 미끄러져 다 같이 넘어진다.</translation>
    </message>
    <message>
        <source>沼ヒゲ</source>
        <translation>늪수염</translation>
    </message>
    <message>
        <source>沼ヒゲＳＰ</source>
        <translation>늪수염ＳＰ</translation>
    </message>
    <message>
        <source>バクムシ</source>
        <translatorcomment>맥 is the baku, the tapir-like creature of East Asian lore that eats dreams.</translatorcomment>
        <translation>맥벌레</translation>
    </message>
    <message>
        <source>バクムシＳＰ</source>
        <translation>맥벌레ＳＰ</translation>
    </message>
    <message>
        <source>ｱﾒﾘｶﾂﾉｶﾞｴﾙ</source>
        <translation>뿔개구리</translation>
    </message>
    <message>
        <source>アメリカツノガエル</source>
        <translation>아르헨티나뿔개구리</translation>
    </message>
    <message>
        <source>大きな口と角のようなまぶたを持つカエル。口に入りそうなものは何でも飲み込もうとする。相手が自分より大きくても、まったくおかまいなし。</source>
        <translation>큰 입과 뿔 같은 눈꺼풀을 가진 개구리. 입에 들어갈 것 같으면 무엇이든 삼키려 한다. 상대가 자기보다 커도 전혀 개의치 않는다.</translation>
    </message>
    <message>
        <source>まねっこぷぅ</source>
        <translatorcomment>따라쟁이 (copycat) + 뿌, the sound it makes after every copy (Japanese “puu”).</translatorcomment>
        <translation>따라쟁이뿌</translation>
    </message>
    <message>
        <source>この世界を物まねで埋め尽くそうとたくらむ、最後の大ボス。相手の姿も技も何でもまねしてしまう。ただし、まねをしたあとに必ず「ぷぅ」と言ってしまうのが弱点。</source>
        <translatorcomment>‘뿌’ is the Japanese “puu”, the same sound as in its name 따라쟁이뿌.</translatorcomment>
        <translation>이 세상을 흉내로 가득 채우려는 최후의 대보스. 상대의 모습도 기술도 무엇이든 흉내 낸다. 단, 흉내를 낸 뒤에 꼭 ‘뿌’ 하고 말해 버리는 게 약점.</translation>
    </message>
    <message>
        <source>ポポタルト</source>
        <translation>포포타르트</translation>
    </message>
    <message>
        <source>弱ったことぶを見ると放っておけない、心やさしい女の子モンスター。戦ったあとには、そっとパイとコーヒーを置いていってくれる。甘いものには目がない。</source>
        <translation>지친 코토부를 보면 그냥 두지 못하는 마음씨 고운 여자아이 몬스터. 싸운 뒤에는 살며시 파이와 커피를 두고 간다. 단것이라면 사족을 못 쓴다.</translation>
    </message>
    <message>
        <source>バニードッグ</source>
        <translation>토끼강아지</translation>
    </message>
    <message>
        <source>ウサギの耳を持つ子犬。ぴょんぴょん跳ねながら、しっぽを振って寄ってくる。かみつくよりも、なめてくる方がずっと多い。</source>
        <translation>토끼 귀를 가진 강아지. 깡충깡충 뛰며 꼬리를 흔들고 다가온다. 무는 것보다 핥는 일이 훨씬 많다.</translation>
    </message>
    <message>
        <source>スシヤ</source>
        <translatorcomment>스시야 is Japanese for a sushi shop, kept as a name.</translatorcomment>
        <translation>스시야</translation>
    </message>
    <message>
        <source>握りずしの姿をしたモンスター。わさびを飛ばして攻撃してくる。ネタは日によって変わるが、本人は自分が何のネタなのか知らない。</source>
        <translation>초밥 모양의 몬스터. 와사비를 날려서 공격한다. 초밥 위의 재료는 날마다 바뀌지만, 자기가 무슨 재료인지는 모른다.</translation>
    </message>
    <message>
        <source>スッポン７</source>
        <translatorcomment>“Snapper the Seventh”: 자라 is the Korean snapping (soft-shelled) turtle; the full-width ７ follows the name&apos;s Japanese form.</translatorcomment>
        <translation>자라７세</translation>
    </message>
    <message>
        <source>七代目を名乗るスッポン。一度かみついたら、カミナリが鳴るまで離さないという。初代から六代目までの行方は誰も知らない。</source>
        <translatorcomment>Korean has the same saying: a turtle that bites lets go only when it thunders.</translatorcomment>
        <translation>7대째라고 자칭하는 자라. 한번 물면 천둥이 칠 때까지 놓지 않는다고 한다. 초대부터 6대까지의 행방은 아무도 모른다.</translation>
    </message>
    <message>
        <source>隠子</source>
        <translatorcomment>From 숨다 (to hide): one name for both the full and the short Japanese form (Hideko, Hide-ko).</translatorcomment>
        <translation>숨숨이</translation>
    </message>
    <message>
        <source>隠コ</source>
        <translation>숨숨이</translation>
    </message>
    <message>
        <source>物陰にひっそりと隠れている、はずかしがり屋の子。見つかると真っ赤になって体当たりしてくる。かくれんぼでは一度も負けたことがない。</source>
        <translation>그늘에 조용히 숨어 있는 부끄럼쟁이 아이. 들키면 얼굴이 새빨개져서 몸통 박치기를 해 온다. 숨바꼭질에서는 한 번도 진 적이 없다.</translation>
    </message>
    <message>
        <source>クスリマス</source>
        <translatorcomment>약 (medicine) + 송어 (trout), as in the Japanese kusuri + masu.</translatorcomment>
        <translation>약송어</translation>
    </message>
    <message>
        <source>薬の小瓶を背負ったマス。怪しい薬をふりまきながら川をさかのぼる。ときどき自分で飲んでしまい、元気になったり眠りこけたりしている。</source>
        <translation>작은 약병을 등에 진 송어. 수상한 약을 뿌리며 강을 거슬러 오른다. 가끔 스스로 마셔 버려서 기운이 넘치거나 곯아떨어지기도 한다.</translation>
    </message>
    <message>
        <source>バウンドドッグ</source>
        <translation>통통개</translation>
    </message>
    <message>
        <source>ゴムまりのように弾む犬。一度弾みだすと自分でも止まれない。壁にぶつかると、さらに勢いを増して戻ってくる。</source>
        <translation>고무공처럼 튀는 개. 한번 튀기 시작하면 자기도 멈추지 못한다. 벽에 부딪히면 더 세게 튀어 돌아온다.</translation>
    </message>
    <message>
        <source>アイチャン</source>
        <translatorcomment>Japanese ai (love) + the diminutive -chan, kept as a name.</translatorcomment>
        <translation>아이짱</translation>
    </message>
    <message>
        <source>にっこり笑って近づいてくる、愛らしいモンスター。かわいさに油断していると、強烈な平手打ちが飛んでくる。好きなものは甘い言葉。</source>
        <translation>방긋 웃으며 다가오는 사랑스러운 몬스터. 귀여움에 방심하면 매서운 따귀가 날아온다. 좋아하는 것은 달콤한 말.</translation>
    </message>
    <message>
        <source>チータ</source>
        <translation>치타</translation>
    </message>
    <message>
        <source>森いちばんの俊足を自慢するモンスター。速すぎて、ときどき自分のしっぽを追い越してしまう。ただし、息切れするのも森いちばん早い。</source>
        <translation>숲에서 가장 빠른 발을 자랑하는 몬스터. 너무 빨라서 가끔 자기 꼬리를 앞질러 버린다. 다만 숨이 차는 것도 숲에서 가장 빠르다.</translation>
    </message>
    <message>
        <source>魔法使いサリン</source>
        <translation>마법사 사린</translation>
    </message>
    <message>
        <source>怪しい呪文を唱える自称天才魔法使い。呪文をよく噛むので、出てくる魔法は毎回ちがう。本人はすべて計算どおりだと言い張っている。</source>
        <translation>수상한 주문을 외는 자칭 천재 마법사. 혀가 자주 꼬여서 나오는 마법이 매번 다르다. 본인은 모두 계산대로라고 우긴다.</translation>
    </message>
    <message>
        <source>ヤンパパ</source>
        <translatorcomment>날라리: a former delinquent, a bit of a rebel (the Japanese yankii papa).</translatorcomment>
        <translation>날라리 아빠</translation>
    </message>
    <message>
        <source>昔はかなりやんちゃだったお父さん。子どもの前ではやさしいが、森ではいまだに肩で風を切って歩く。説教が長い。</source>
        <translation>옛날엔 꽤 말썽꾸러기였던 아빠. 아이 앞에선 다정하지만 숲에선 아직도 어깨에 힘주고 다닌다. 잔소리가 길다.</translation>
    </message>
    <message>
        <source>ロボトミー</source>
        <translatorcomment>Robot + lobotomy, also read as “Robo Tommy”.</translatorcomment>
        <translation>로보토미</translation>
    </message>
    <message>
        <source>どこかの研究所から逃げ出したブリキのロボット。頭のネジが一本足りず、言われたことの逆ばかりしてしまう。油を差すとおとなしくなる。</source>
        <translatorcomment>“A screw loose” is a Korean idiom too (나사가 빠지다).</translatorcomment>
        <translation>어느 연구소에서 도망쳐 나온 양철 로봇. 머리 나사가 하나 빠져서 시키는 것과 반대로만 한다. 기름을 쳐 주면 얌전해진다.</translation>
    </message>
    <message>
        <source>家泣き子</source>
        <translatorcomment>집 (house) + 울보 (crybaby).</translatorcomment>
        <translation>집울보</translation>
    </message>
    <message>
        <source>夜な夜な家の中で泣き声を上げる子どものモンスター。泣き声がだんだん大きくなり、最後には家ごと爆発するといわれている。あやすのは命がけ。</source>
        <translation>밤마다 집 안에서 울음을 터뜨리는 아이 몬스터. 울음소리가 점점 커져서 끝내 집째로 폭발한다고 한다. 달래는 것은 목숨을 건 일.</translation>
    </message>
    <message>
        <source>王サンショウ魚</source>
        <translation>도롱뇽왕</translation>
    </message>
    <message>
        <source>王サンショウウオ</source>
        <translation>도롱뇽왕</translation>
    </message>
    <message>
        <source>沼の王を名乗る巨大なサンショウウオ。百年は生きているというが、本人も数えるのをやめてしまった。ぬるぬるの体には剣もなかなか通らない。</source>
        <translation>늪의 왕을 자칭하는 거대한 도롱뇽. 백 년은 살았다지만 본인도 세기를 그만두었다. 미끈미끈한 몸에는 칼도 좀처럼 들지 않는다.</translation>
    </message>
    <message>
        <source>ハガ・サターン</source>
        <translatorcomment>A wink at the Sega Saturn (세가 새턴), a polygon-era game console.</translatorcomment>
        <translation>하가 새턴</translation>
    </message>
    <message>
        <source>村も国もポリゴンに変えてしまおうとたくらむ、この物語の最後の大ボス。世界をカクカクにすることに命をかけており、丸いものが大嫌い。</source>
        <translation>마을도 나라도 폴리곤으로 바꾸려는 이 이야기의 최후의 대보스. 세상을 각지게 만드는 데 목숨을 걸었고, 둥근 것을 몹시 싫어한다.</translation>
    </message>
    <message>
        <source>ポチ＆タマー</source>
        <translatorcomment>Pochi and Tama are the typical Japanese dog and cat names; 바둑이 and 나비 are the typical Korean ones.</translatorcomment>
        <translation>바둑이＆나비</translation>
    </message>
    <message>
        <source>いつも二人一緒の、犬と猫の女の子モンスター。弱ったハルーネンを見かけると、そっとランチを置いていってくれる。元気なハルーネンには、ちょっぴり稽古をつけてくれる。</source>
        <translation>늘 둘이 함께 다니는 개와 고양이 여자아이 몬스터. 지친 하루넨을 보면 살며시 도시락을 두고 간다. 기운찬 하루넨에게는 살짝 훈련을 시켜 준다.</translation>
    </message>
</context>
<context>
    <name>SafeSave</name>
    <message>
        <source>%1 を保存できませんでした</source>
        <translatorcomment>The placeholder is a file name: “saving … failed” needs no particle after it.</translatorcomment>
        <translation>%1 저장에 실패했습니다</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>音楽と効果音</source>
        <translation>음악과 효과음</translation>
    </message>
</context>
<context>
    <name>Story</name>
    <message>
        <source>むかし、この地は恐ろしい魔物に苦しめられていた。村は焼かれ、人々は夜ごと震えて眠った。そのとき一人の女戦士が剣を取った。名はことぶ。幾度倒れても立ち上がった彼女は、ついに魔物を討ち、大地に平和を取り戻した。</source>
        <translation>옛날 이 땅은 무서운 마물에 시달렸다. 마을은 불타고 사람들은 밤마다 떨었다. 그때 여전사 코토부가 검을 들었다. 거듭 쓰러져도 일어선 그녀는 마침내 마물을 물리치고 평화를 되찾았다.</translation>
    </message>
    <message>
        <source>戦いを終えたことぶは、東の国から旅してきた一人の戦士と出会った。寡黙だが心優しいその男と、ことぶはやがて結ばれた。二人は小さな村に家を構え、ほどなく一人の娘を授かった。春の風の吹く、穏やかな朝のことであった。</source>
        <translation>싸움을 마친 코토부는 동쪽 나라에서 온 전사를 만났다. 말수는 적지만 다정한 그와 코토부는 이윽고 맺어졌다. 둘은 작은 마을에 집을 짓고 곧 딸을 얻었다. 봄바람 부는 평온한 아침이었다.</translation>
    </message>
    <message>
        <source>娘の身には、代々魔物と戦ってきた戦士たちの血が流れている。母の家も父の家も、剣とともに生きた一族だった。幼い娘は母の昔話を聞くたびに、いつか自分も剣を取る日が来るのだと、胸の奥で静かに感じていた。</source>
        <translation>딸에게는 대대로 마물과 싸워 온 전사의 피가 흘렀다. 외가도 친가도 검과 함께 살아온 일족이었다. 딸은 어머니의 옛이야기를 들을 때마다 언젠가 자신도 검을 들 날이 오리라 느꼈다.</translation>
    </message>
    <message>
        <source>娘が八つになった朝、大地が低くうなり、家が激しく揺れた。その夜、娘は夢を見た。暗い谷の底で黒い卵が割れ、新たな魔物が目を開く夢を。目覚めた娘の手は、冷たい汗に濡れていた。</source>
        <translation>딸이 여덟 살 된 아침, 땅이 낮게 울고 집이 크게 흔들렸다. 그날 밤 꿈을 꾸었다. 어두운 골짜기에서 검은 알이 깨지고 새 마물이 눈을 뜨는 꿈을. 깨어나니 손이 식은땀에 젖었다.</translation>
    </message>
    <message>
        <source>娘は決意した。魔物が育ちきる前に、強くなろうと。父はその覚悟を見て、東の国から携えてきた剣を娘に託した。母は自らを守ってきたお守りを、そっと娘の首にかけた。娘の名はハルーネン。彼女の物語が、今はじまる。</source>
        <translation>딸은 마물이 자라기 전에 강해지기로 결심했다. 아버지는 동방에서 가져온 검을 딸에게 맡겼고, 어머니는 자기 부적을 딸의 목에 걸어 주었다. 딸의 이름은 하루넨. 그녀의 이야기가 지금 시작된다.</translation>
    </message>
</context>
<context>
    <name>ThemeWords</name>
    <message>
        <source>＜＜いっしょに歌おう！KoTeBuﾃｰﾏ曲「闘いの女神」！＞＞</source>
        <translation>＜＜다 함께 불러요! KoTeBu 주제가 ‘싸움의 여신’!＞＞</translation>
    </message>
    <message>
        <source>＜＜&#x3000;おわり&#x3000;＞＞</source>
        <translation>＜＜&#x3000;끝&#x3000;＞＞</translation>
    </message>
    <message>
        <source>朝焼けの&#x3000;丘を越え</source>
        <translatorcomment>Sung one Hangul block to a note: 5 + 5 syllables. Every lyric line keeps the Japanese count of each half.</translatorcomment>
        <translation>붉은 아침놀&#x3000;언덕을 넘어</translation>
    </message>
    <message>
        <source>銀の剣&#x3000;胸に抱き</source>
        <translatorcomment>6 + 5 syllables.</translatorcomment>
        <translation>은으로 벼린 검&#x3000;가슴에 품고</translation>
    </message>
    <message>
        <source>怖くない&#x3000;ひとりじゃない</source>
        <translatorcomment>5 + 6 syllables.</translatorcomment>
        <translation>두렵지 않아&#x3000;혼자가 아니야</translation>
    </message>
    <message>
        <source>笑顔で&#x3000;明日へ行こう</source>
        <translatorcomment>4 + 7 syllables.</translatorcomment>
        <translation>웃으면서&#x3000;내일을 향해 가자</translation>
    </message>
    <message>
        <source>光る風が&#x3000;背中押す</source>
        <translatorcomment>6 + 5 syllables.</translatorcomment>
        <translation>반짝이는 바람&#x3000;등을 떠밀어</translation>
    </message>
    <message>
        <source>夢の地図&#x3000;広げたら</source>
        <translatorcomment>5 + 5 syllables.</translatorcomment>
        <translation>꿈의 지도를&#x3000;펼쳐 본다면</translation>
    </message>
    <message>
        <source>さあ行こう&#x3000;どこまでも</source>
        <translatorcomment>5 + 5 syllables.</translatorcomment>
        <translation>자, 함께 가자&#x3000;세상 끝까지</translation>
    </message>
    <message>
        <source>闘いの女神&#x3000;きらめいて</source>
        <translatorcomment>8 + 5 syllables; holds the song&apos;s title 싸움의 여신.</translatorcomment>
        <translation>그대는 싸움의 여신&#x3000;찬란히 빛나</translation>
    </message>
    <message>
        <source>嵐の夜も&#x3000;負けないで</source>
        <translatorcomment>7 + 5 syllables.</translatorcomment>
        <translation>폭풍 치는 밤에도&#x3000;지지 말아 줘</translation>
    </message>
    <message>
        <source>星を数え&#x3000;強くなる</source>
        <translatorcomment>6 + 5 syllables.</translatorcomment>
        <translation>별들을 세면서&#x3000;강해져 가네</translation>
    </message>
    <message>
        <source>涙のあとに&#x3000;虹が出る</source>
        <translatorcomment>7 + 5 syllables.</translatorcomment>
        <translation>눈물 흘린 뒤에는&#x3000;무지개 뜨네</translation>
    </message>
    <message>
        <source>燃えあがれ&#x3000;勇気の炎</source>
        <translatorcomment>5 + 7 syllables.</translatorcomment>
        <translation>불타올라라&#x3000;용기의 불꽃이여</translation>
    </message>
    <message>
        <source>ヴィクトリー！</source>
        <translatorcomment>Four notes, one word: 빅토리 has only three syllables, so 승리하라 (“Be victorious!”).</translatorcomment>
        <translation>승리하라!</translation>
    </message>
    <message>
        <source>＜＜作詞・作曲：チーム・ハルカゼ＞＞</source>
        <translation>＜＜작사·작곡: 팀 하루카제＞＞</translation>
    </message>
    <message>
        <source>＜＜(C)1996-2024 チーム・ハルカゼ＞＞</source>
        <translation>＜＜(C)1996-2024 팀 하루카제＞＞</translation>
    </message>
</context>
<context>
    <name>kotebu::Form1</name>
    <message>
        <source>ＫｏＴｅＢｕ２ ～ハルーネン物語～</source>
        <translation>ＫｏＴｅＢｕ２ ～하루넨 이야기～</translation>
    </message>
    <message>
        <source>ＫｏＴｅＢｕ ～ことぶ～</source>
        <translation>ＫｏＴｅＢｕ ～코토부～</translation>
    </message>
    <message>
        <source>%1。%2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>ＫｏＴｅＢｕ&#x3000;Ｓｐｅｃｉａｌ&#x3000;Ｐａｃｋ</source>
        <translation>ＫｏＴｅＢｕ 스페셜 팩</translation>
    </message>
    <message>
        <source>・ＫｏＴｅＢｕ～ことぶ～</source>
        <translatorcomment>The Japanese list dot (U+30FB) is a katakana character; Korean uses a hyphen here.</translatorcomment>
        <translation>- ＫｏＴｅＢｕ～코토부～</translation>
    </message>
    <message>
        <source>・ＫｏＴｅＢｕ２～ﾊﾙｰﾈﾝ物語～</source>
        <translation>- ＫｏＴｅＢｕ２～하루넨 이야기～</translation>
    </message>
    <message>
        <source>制作：チーム・ハルカゼ</source>
        <translation>제작: 팀 하루카제</translation>
    </message>
    <message>
        <source>About KoTeBu Special Pack</source>
        <translation>KoTeBu 스페셜 팩 정보</translation>
    </message>
    <message>
        <source>終了確認</source>
        <translatorcomment>Title of the question asked by the menu entry 끝내기 (Exit); 종료 확인 is too wide.</translatorcomment>
        <translation>끝내기</translation>
    </message>
    <message>
        <source>%1の今日の冒険を終わります。</source>
        <translation>%1의 오늘 모험을 끝냅니다.</translation>
    </message>
    <message>
        <source>%1 を保存できませんでした</source>
        <translation>%1 저장에 실패했습니다</translation>
    </message>
    <message>
        <source>もう一度保存しますか？</source>
        <translation>다시 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>時間が止まった。</source>
        <translation>시간이 멈췄다.</translation>
    </message>
    <message>
        <source>時間が動き出した。</source>
        <translation>시간이 흐른다.</translation>
    </message>
    <message>
        <source>Enterかスペースで与える</source>
        <translation>Enter나 스페이스로 주기</translation>
    </message>
</context>
<context>
    <name>kotebu::Form2</name>
    <message>
        <source>設定</source>
        <translation>설정</translation>
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
