<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>checkpoint</name>
    <message>
        <source>山道と近道と、どっちに行こうかなぁ</source>
        <translation>Mountain road or shortcut... which way should I go?</translation>
    </message>
    <message>
        <source>おっ、ソイとモッコだ！おーっす・・・って、今はそれどころじゃなかったぜ</source>
        <translation>Hey, it&apos;s Soi and Mokko! Yo... wait, no time for that now!</translation>
    </message>
    <message>
        <source>お菓子屋だ！ちょっと一休みしてこーっと</source>
        <translation>A sweet shop! Time for a little snack break!</translation>
    </message>
    <message>
        <source>あともう一息だな</source>
        <translation>Almost there!</translation>
    </message>
    <message>
        <source>うげっ、工事中ー？！</source>
        <translation>Ugh, roadworks?!</translation>
    </message>
    <message>
        <source>わぁ、タクシーだらけだ！</source>
        <translation>Whoa, taxis everywhere!</translation>
    </message>
    <message>
        <source>雨まで降ってきやがったぜ</source>
        <translation>Great, now it&apos;s raining too!</translation>
    </message>
    <message>
        <source>何だよこのむちゃくちゃ高い山はー！</source>
        <translation>What&apos;s with this ridiculously huge mountain?!</translation>
    </message>
    <message>
        <source>ひーひー・・・あとは下りだ</source>
        <translation>Huff, puff... it&apos;s all downhill from here!</translation>
    </message>
    <message>
        <source>うわーでっかい橋だなぁ！</source>
        <translation>Whoa, what a giant bridge!</translation>
    </message>
</context>
<context>
    <name>PlayScreen</name>
    <message>
        <source>Stage1 Clear!!</source>
        <translation>Stage 1 Clear!!</translation>
    </message>
    <message>
        <source>Stage2 Clear!!</source>
        <translation>Stage 2 Clear!!</translation>
    </message>
    <message>
        <source>Thank you for your playing!</source>
        <translation>Thanks for playing!</translation>
    </message>
    <message>
        <source>コースの地図「%1」が読めなかったよ・・・タイトルにもどるぜ！</source>
        <translation>Couldn&apos;t read the course map “%1”... back to the title!</translation>
    </message>
    <message>
        <source>うわーん！まにあわなかったー！！</source>
        <translation>Waaah! Didn&apos;t make it in time!!</translation>
    </message>
    <message>
        <source>Pokurimo Ver.%1.%2%3</source>
        <translation>Pokurimo Ver.%1.%2%3</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>Version Info</translation>
    </message>
    <message>
        <source>STAGE</source>
        <translation>STAGE</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation>LEVEL</translation>
    </message>
    <message>
        <source>TIME</source>
        <translation>TIME</translation>
    </message>
    <message>
        <source>LIFE</source>
        <translation>LIFE</translation>
    </message>
    <message>
        <source>バージョン</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>タイトルへ</source>
        <translation>Back to Title</translation>
    </message>
    <message>
        <source>Click or SpaceKey to Next</source>
        <translation>Click here or press Space</translation>
    </message>
</context>
<context>
    <name>GhostRace</name>
    <message>
        <source>ゴースト</source>
        <translation>Ghost</translation>
    </message>
    <message>
        <source>自己ベストの走りをいっしょに走るよ</source>
        <translation>Race alongside your best run</translation>
    </message>
</context>
<context>
    <name>WatchRun</name>
    <message>
        <source>1位・%1の走り（%2秒）
Escキーでランキングにもどるよ</source>
        <translation>The winning run: %1, %2 s
Press Esc to go back to the rankings</translation>
    </message>
    <message>
        <source>ゴール！Escキーでランキングにもどるよ</source>
        <translation>Goal! Press Esc to go back to the rankings</translation>
    </message>
</context>
<context>
    <name>RankingScreen</name>
    <message>
        <source>ランキングを保存できなかったよ…ごめんな！</source>
        <translation>Couldn&apos;t save the rankings... sorry, pal!</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1st</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2nd</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3rd</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4th</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5th</translation>
    </message>
    <message>
        <source>ランキング</source>
        <translation>Rankings</translation>
    </message>
    <message>
        <source>STAGE1</source>
        <translation>STAGE 1</translation>
    </message>
    <message>
        <source>STAGE2</source>
        <translation>STAGE 2</translation>
    </message>
    <message>
        <source>とじる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>たこ</source>
        <comment>the easy level, in a narrow box</comment>
        <translation>Easy</translation>
    </message>
    <message>
        <source>さる</source>
        <comment>the hard level, in a narrow box</comment>
        <translation>Hard</translation>
    </message>
    <message>
        <source>1位を見る</source>
        <translation>Watch 1st</translation>
    </message>
    <message>
        <source>1位の走りをゴーストで見るよ</source>
        <translation>Watch the first place&apos;s run as a ghost</translation>
    </message>
</context>
<context>
    <name>TitleScreen</name>
    <message>
        <source>オレはピポだよ、よろしくなっ！</source>
        <translation>I&apos;m Pipo. Nice to meet ya!</translation>
    </message>
    <message>
        <source>たこレベル</source>
        <translation>Octopus
(easy)</translation>
    </message>
    <message>
        <source>ちょーカンタンってこと</source>
        <translation>That means super easy!</translation>
    </message>
    <message>
        <source>さるレベル</source>
        <translation>Monkey
(hard)</translation>
    </message>
    <message>
        <source>時間制限がつくし、当たり判定も厳しくなるぜ</source>
        <translation>There&apos;s a time limit, and the road gets way less forgiving!</translation>
    </message>
    <message>
        <source>おしまい</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>おわんのか？</source>
        <translation>Leaving already?</translation>
    </message>
    <message>
        <source>ランキング</source>
        <translation>Rankings</translation>
    </message>
    <message>
        <source>はやくゴールするほどいいんだぜ！</source>
        <translation>The faster you reach the goal, the better!</translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>ぴぽ</source>
        <comment>the hero&apos;s name in the ranking of a fresh installation</comment>
        <translation>Pipo</translation>
    </message>
</context>
<context>
    <name>stage</name>
    <message>
        <source>「スタート」を押してくれよな！</source>
        <translation>Click “START”, will ya!</translation>
    </message>
    <message>
        <source>うわーん！</source>
        <translation>Waaah!</translation>
    </message>
    <message>
        <source>STAGE１・日本</source>
        <translation>STAGE 1: Japan</translation>
    </message>
    <message>
        <source>STAGE２・アメリカ</source>
        <translation>STAGE 2: America</translation>
    </message>
    <message>
        <source>たこ</source>
        <comment>the easy level</comment>
        <translation>Octopus (easy)</translation>
    </message>
    <message>
        <source>さる</source>
        <comment>the hard level</comment>
        <translation>Monkey (hard)</translation>
    </message>
</context>
<context>
    <name>story</name>
    <message>
        <source>やったぜ！おーいヌッピー、忘れもんだぞー！</source>
        <translation>Made it! Hey, Nuppi! You forgot something!</translation>
    </message>
    <message>
        <source>ピポ！わざわざ届けてくれたのか・・・Thanks！</source>
        <translation>Pipo! You came all this way to bring it... Thanks!</translation>
    </message>
    <message>
        <source>やったぜ！えーっと・・・ヌッピはどこかな</source>
        <translation>Made it! Umm... where&apos;s Nuppi?</translation>
    </message>
    <message>
        <source>俺ならここにいるが？</source>
        <translation>I&apos;m right here, you know.</translation>
    </message>
    <message>
        <source>どわっ！いきなり後ろから声かけんなよ！・・・あ、忘れもん届に来たんだった</source>
        <translation>Gah! Don&apos;t sneak up on me like that! ...Oh right, I brought the thing you forgot.</translation>
    </message>
    <message>
        <source>ああ、助かったぜ！Thank you,Pipo!</source>
        <translation>Oh, you&apos;re a lifesaver! Thank you, Pipo!</translation>
    </message>
    <message>
        <source>あ、あのさぁヌッピ・・・お前、もしかしてワザと忘れもんしてねぇ？</source>
        <translation>Uh, say, Nuppi... are you forgetting stuff on purpose?</translation>
    </message>
    <message>
        <source>・・・・バレたか</source>
        <translation>...Busted.</translation>
    </message>
    <message>
        <source>えっ？！お、おい！今、なんて言った？！</source>
        <translation>Huh?! H-hey! What did you just say?!</translation>
    </message>
    <message>
        <source>じょーだんだよ！・・・俺も忘れ物が多いのさ、誰かさんと一緒でな</source>
        <translation>Just kidding! ...I forget lots of stuff. Just like somebody I know.</translation>
    </message>
    <message>
        <source>それより、お腹すいてるだろ？俺も昼休みだし、何か食べに行くか？</source>
        <translation>Anyway, you must be hungry. It&apos;s my lunch break, so wanna grab a bite?</translation>
    </message>
    <message>
        <source>やったー！えーっと、オレね、ハンバーグとスパゲッティとオムライスとラーメンと・・・</source>
        <translation>Yay! Umm, I want a burger, and spaghetti, and an omelette, and ramen, and...</translation>
    </message>
    <message>
        <source>おいおい・・・</source>
        <translation>Whoa, whoa...</translation>
    </message>
    <message>
        <source>ある日、ヌッピがカモナ家に遊びに来ていた</source>
        <translation>One day, Nuppi came over to play at Pipo&apos;s house.</translation>
    </message>
    <message>
        <source>おっと、そろそろ帰る時間だ・・・バーイ、ピポ！</source>
        <translation>Oh, look at the time. Gotta head home... Bye, Pipo!</translation>
    </message>
    <message>
        <source>あーあ、もっと勝負したかったのにな・・・あれ？これ、ヌッピの忘れもんかなぁ？</source>
        <translation>Aww, I wanted another round... Huh? Did Nuppi leave this behind?</translation>
    </message>
    <message>
        <source>しょーがねぇなぁ・・・届けてやるか！</source>
        <translation>Sheesh, what a guy... Guess I&apos;ll take it to him!</translation>
    </message>
    <message>
        <source>休日にピポは、ヌッピのところに遊びに来ていた</source>
        <translation>On his day off, Pipo had gone over to hang out at Nuppi&apos;s place.</translation>
    </message>
    <message>
        <source>じゃあ、俺はこれからカリキュラムがあるから・・・おとなしく留守番してろよ！</source>
        <translation>Well, I&apos;ve got class now... so be good and mind the place!</translation>
    </message>
    <message>
        <source>ちえっ！・・・あれー？これって今日のカリキュラムで使うとか言ってた本じゃねーか</source>
        <translation>Tch! ...Huh? Isn&apos;t this the book he said he needs for class today?</translation>
    </message>
    <message>
        <source>あいつ、忘れ物多いなぁ・・・ま、いっか、届けるついでに遊びに行こーっと</source>
        <translation>He sure forgets a lot... Oh well, I&apos;ll drop it off and hang out there!</translation>
    </message>
</context>
</TS>
