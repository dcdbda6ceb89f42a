<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>CourseChooser</name>
    <message>
        <source>メダル %1</source>
        <translation>medals %1</translation>
    </message>
    <message>
        <source>ベスト %1秒</source>
        <translation>best %1 s</translation>
    </message>
    <message>
        <source>ベスト なし</source>
        <translation>no best time yet</translation>
    </message>
    <message>
        <source>コース</source>
        <translation>Courses</translation>
    </message>
    <message>
        <source>えらぶ</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>やめる</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ステージ数 %1</source>
        <translation>stages: %1</translation>
    </message>
    <message>
        <source>読みこみ中…</source>
        <translation>Reading…</translation>
    </message>
</context>
<context>
    <name>PlayScreen</name>
    <message>
        <source>ゴール！%1秒（ベスト %2秒）</source>
        <translation>Goal! %1 s (best %2 s)</translation>
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
        <source>めやす 金 %1秒・銀 %2秒・銅 %3秒</source>
        <translation>Gold %1 · Silver %2 · Bronze %3 s</translation>
    </message>
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
        <source>STAGE%1</source>
        <translation>STAGE%1</translation>
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
    <message>
        <source>コース</source>
        <translation>Courses</translation>
    </message>
    <message>
        <source>ほかのコースでも走れるぜ</source>
        <translation>Race on other courses too!</translation>
    </message>
    <message>
        <source>れんしゅう</source>
        <translation>Practice</translation>
    </message>
    <message>
        <source>すきなところから、なんどでも走れるぜ</source>
        <translation>Run any stretch, as often as you like!</translation>
    </message>
</context>
<context>
    <name>Medals</name>
    <message>
        <source>金</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>銀</source>
        <translation>Silver</translation>
    </message>
    <message>
        <source>銅</source>
        <translation>Bronze</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>none</translation>
    </message>
    <message>
        <source>金メダル！</source>
        <translation>Gold medal!</translation>
    </message>
    <message>
        <source>メダルなし…%1まであと%2秒</source>
        <translation>No medal yet: %2 s to go for %1.</translation>
    </message>
    <message>
        <source>%1メダル！%2まであと%3秒</source>
        <translation>%1 medal! %3 s to go for %2.</translation>
    </message>
</context>
<context>
    <name>PracticeChooser</name>
    <message>
        <source>れんしゅう</source>
        <translation>Practice</translation>
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
        <source>はじめる</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>やめる</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>The START</translation>
    </message>
    <message>
        <source>チェックポイント %1・%2</source>
        <translation>Checkpoint %1: %2</translation>
    </message>
    <message>
        <source>（ひとことなし）</source>
        <translation>(no line)</translation>
    </message>
    <message>
        <source>ベスト %1秒</source>
        <translation>best %1 s</translation>
    </message>
    <message>
        <source>ベスト なし</source>
        <translation>No best yet</translation>
    </message>
</context>
<context>
    <name>course</name>
    <message>
        <source>ja</source>
        <translation>en</translation>
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
</TS>
