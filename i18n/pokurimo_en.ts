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
    <message>
        <source>新しく作る</source>
        <translation>New course</translation>
    </message>
    <message>
        <source>コースエディタで新しいパックを作る</source>
        <translation>Make a new pack in the course editor</translation>
    </message>
    <message>
        <source>編集</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>えらんだパックをコースエディタで直す (ゲームのコースと配られたパックは写しを作る)</source>
        <translation>Edit the chosen pack in the course editor (the game&apos;s own course and shipped packs are copied first)</translation>
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
    <name>Navigator</name>
    <message>
        <source>このパックはエディタで開けないよ：%1</source>
        <translation>This pack cannot be opened in the editor: %1</translation>
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
    <message>
        <source>ゴール！%1秒&#x3000;Escキーでエディタにもどるよ</source>
        <translation>Goal! %1 s. Press Esc to go back to the editor</translation>
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
    <message>
        <source>✓ 正しい走り</source>
        <translation>✓ proven</translation>
    </message>
    <message>
        <source>？ 古い記録（確かめられない）</source>
        <translation>? old record (unproven)</translation>
    </message>
    <message>
        <source>✗ ルールに合わない</source>
        <translation>✗ breaks the rules</translation>
    </message>
    <message>
        <source>%1を見る</source>
        <translation>Watch %1</translation>
    </message>
    <message>
        <source>ゴースト</source>
        <translation>Ghost</translation>
    </message>
    <message>
        <source>ゴーストで追う走りと、「見る」で見る走りを選ぶよ</source>
        <translation>Pick the run the ghost races and the one Watch shows</translation>
    </message>
</context>
<context>
    <name>ReplayControls</name>
    <message>
        <source>はじめから</source>
        <translation>From the start</translation>
    </message>
    <message>
        <source>5秒もどる（←キー）</source>
        <translation>Five seconds back (← key)</translation>
    </message>
    <message>
        <source>止める・つづける（スペースキー）</source>
        <translation>Pause or go on (Space)</translation>
    </message>
    <message>
        <source>5秒すすむ（→キー）</source>
        <translation>Five seconds on (→ key)</translation>
    </message>
    <message>
        <source>走りの好きなところへ</source>
        <translation>To any moment of the run</translation>
    </message>
    <message>
        <source>見る速さ</source>
        <translation>Watching speed</translation>
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
    <name>WatchRun</name>
    <message>
        <source>ゴール！Escキーでランキングにもどるよ</source>
        <translation>Goal! Press Esc to go back to the rankings</translation>
    </message>
    <message>
        <source>%1位・%2の走り（%3秒）
Escキーでランキングにもどるよ</source>
        <translation>Place %1: %2&apos;s run, %3 s
Press Esc to go back to the rankings</translation>
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
    <name>editor::EditorScreen</name>
    <message>
        <source>道具</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>選ぶ</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>マークを選んで、動かす・大きさを変える (Delete で消す、矢印キーで 1 ピクセル)</source>
        <translation>Select a mark to move or resize it (Delete removes it, the arrow keys move it a pixel)</translation>
    </message>
    <message>
        <source>道・細</source>
        <translation>Road: thin</translation>
    </message>
    <message>
        <source>細い筆で道をぬる (Shift: 前の点から直線)</source>
        <translation>Paint road with a thin brush (Shift: a straight line from the last point)</translation>
    </message>
    <message>
        <source>道・中</source>
        <translation>Road: medium</translation>
    </message>
    <message>
        <source>中くらいの筆で道をぬる (Shift: 前の点から直線)</source>
        <translation>Paint road with a medium brush (Shift: a straight line from the last point)</translation>
    </message>
    <message>
        <source>道・太</source>
        <translation>Road: wide</translation>
    </message>
    <message>
        <source>太い筆で道をぬる (Shift: 前の点から直線)</source>
        <translation>Paint road with a wide brush (Shift: a straight line from the last point)</translation>
    </message>
    <message>
        <source>道の外</source>
        <translation>Off-road</translation>
    </message>
    <message>
        <source>道の外の色でぬる：消しゴム (Shift: 前の点から直線)</source>
        <translation>Paint with the off-road colour: the eraser (Shift: a straight line from the last point)</translation>
    </message>
    <message>
        <source>塗りつぶし</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>つながった同じ色を道の色で塗りつぶす (右クリック: 道の外の色)</source>
        <translation>Fill the connected area of one colour with road (right click: with the off-road colour)</translation>
    </message>
    <message>
        <source>絵</source>
        <translation>Stamp</translation>
    </message>
    <message>
        <source>ゲームの絵を地図におす (さわる絵は道になる)</source>
        <translation>Stamp one of the game&apos;s pictures on the map (a picture touching the road becomes road)</translation>
    </message>
    <message>
        <source>おす絵</source>
        <translation>The picture to stamp</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>スタートを置く (ドラッグで大きさ)</source>
        <translation>Place a start zone (drag for its size)</translation>
    </message>
    <message>
        <source>ゴール</source>
        <translation>Goal</translation>
    </message>
    <message>
        <source>ゴールを置く (ドラッグで大きさ)</source>
        <translation>Place a goal (drag for its size)</translation>
    </message>
    <message>
        <source>チェック</source>
        <translation>Checkpoint</translation>
    </message>
    <message>
        <source>チェックポイントを置く：せりふ、音、時計</source>
        <translation>Place a checkpoint: a line, a sound, the clock</translation>
    </message>
    <message>
        <source>カバー</source>
        <translation>Cover</translation>
    </message>
    <message>
        <source>カバーを置く：ハザードといっしょに出る絵</source>
        <translation>Place a cover: a picture that appears with the hazards</translation>
    </message>
    <message>
        <source>車</source>
        <translation>Car</translation>
    </message>
    <message>
        <source>上下に走る車を置く</source>
        <translation>Place a car that drives up and down</translation>
    </message>
    <message>
        <source>雨</source>
        <translation>Rain</translation>
    </message>
    <message>
        <source>上下にゆれる雨を置く</source>
        <translation>Place rain that sways up and down</translation>
    </message>
    <message>
        <source>川</source>
        <translation>River</translation>
    </message>
    <message>
        <source>動かない川を置く</source>
        <translation>Place a river that stays still</translation>
    </message>
    <message>
        <source>橋</source>
        <translation>Bridge</translation>
    </message>
    <message>
        <source>板が開いたり閉じたりする橋を置く</source>
        <translation>Place a bridge whose planks open and close</translation>
    </message>
    <message>
        <source>表示と記録</source>
        <translation>View and history</translation>
    </message>
    <message>
        <source>道を見る</source>
        <translation>Road view</translation>
    </message>
    <message>
        <source>ゲームが道とみなす所 (道の外の色でない所) に色をつける</source>
        <translation>Tint what the game counts as road (every colour but the off-road colour)</translation>
    </message>
    <message>
        <source>ハザードを動かす</source>
        <translation>Move hazards</translation>
    </message>
    <message>
        <source>ハザードをゲームと同じように動かす・止める</source>
        <translation>Move the hazards as they move in play, or stop them</translation>
    </message>
    <message>
        <source>拡大</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>地図を大きく (4 倍から格子)</source>
        <translation>Enlarge the map (a pixel grid from 4×)</translation>
    </message>
    <message>
        <source>縮小</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>地図を小さく</source>
        <translation>Shrink the map</translation>
    </message>
    <message>
        <source>もどす</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>やりなおす</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>ひとつもどす (Ctrl+Z)</source>
        <translation>Undo the last change (Ctrl+Z)</translation>
    </message>
    <message>
        <source>もどしたのをやりなおす (Ctrl+Shift+Z)</source>
        <translation>Redo what was undone (Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>パックを保存する</source>
        <translation>Save the pack</translation>
    </message>
    <message>
        <source>消す</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>選んだマークを消す</source>
        <translation>Remove the selected mark</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>エディタを閉じる</source>
        <translation>Close the editor</translation>
    </message>
    <message>
        <source>ステージ：上から順に遊ぶ</source>
        <translation>Stages, played from the top</translation>
    </message>
    <message>
        <source>足す</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>新しいステージを次に足す</source>
        <translation>Add a new stage after this one</translation>
    </message>
    <message>
        <source>複製</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>このステージを写して次に足す</source>
        <translation>Duplicate this stage after it</translation>
    </message>
    <message>
        <source>このステージを消す</source>
        <translation>Remove this stage</translation>
    </message>
    <message>
        <source>上へ</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>このステージを前に</source>
        <translation>Move this stage earlier</translation>
    </message>
    <message>
        <source>下へ</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>このステージを後に</source>
        <translation>Move this stage later</translation>
    </message>
    <message>
        <source>重なりの順：上のマークがポインタを受ける。ドラッグで並べかえる</source>
        <translation>The stacking: the mark on top takes the pointer. Drag to reorder</translation>
    </message>
    <message>
        <source>重なり (上が手前)</source>
        <translation>Stacking (top first)</translation>
    </message>
    <message>
        <source>マーク</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>ステージ</source>
        <translation>Stage</translation>
    </message>
    <message>
        <source>パック</source>
        <translation>Pack</translation>
    </message>
    <message>
        <source>重なりを変える</source>
        <translation>Change the stacking</translation>
    </message>
    <message>
        <source>マークを選ぶと、ここで変えられる</source>
        <translation>Select a mark to change it here</translation>
    </message>
    <message>
        <source>コースエディタ — %1</source>
        <translation>Course editor — %1</translation>
    </message>
    <message>
        <source>保存できなかった：%1</source>
        <translation>Not saved: %1</translation>
    </message>
    <message>
        <source>パックを保存できなかったよ（何も書いていない）：
%1</source>
        <translation>The pack could not be saved (nothing was written):
%1</translation>
    </message>
    <message>
        <source>保存した：%1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>作りかけとして保存した：%1</source>
        <translation>Saved as work in progress: %1</translation>
    </message>
    <message>
        <source>コースエディタ</source>
        <translation>Course editor</translation>
    </message>
    <message>
        <source>保存していない変更がある。保存する？</source>
        <translation>There are changes not saved. Save them?</translation>
    </message>
    <message>
        <source>テストするレベル</source>
        <translation>The level to test at</translation>
    </message>
    <message>
        <source>たこ</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>さる</source>
        <translation>Hard</translation>
    </message>
    <message>
        <source>テスト</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>このステージを保存しないで遊ぶ：選んだチェックポイントから、なければスタートから (Esc でもどる)</source>
        <translation>Play this stage as it stands, unsaved: from the selected checkpoint, or else from the START (Esc comes back)</translation>
    </message>
    <message>
        <source>チェック中…</source>
        <translation>Checking…</translation>
    </message>
    <message>
        <source>このステージが遊べるか：変えるたびに、たこ・さるとハザードでたしかめる</source>
        <translation>Whether this stage can be played: proven after every change, on both levels and through the hazards</translation>
    </message>
    <message>
        <source>見つかった問題：クリックすると、そのマークか場所を地図で示す</source>
        <translation>The problems found: click one to see its mark or place on the map</translation>
    </message>
    <message>
        <source>遊べる：ルートは青 (たこ) とオレンジ (さる)</source>
        <translation>Playable: the routes in blue (easy) and orange (hard)</translation>
    </message>
    <message>
        <source>テストには、ステージのスタートと本物のゴールがいる</source>
        <translation>A test needs the stage&apos;s own start and its live goal</translation>
    </message>
    <message>
        <source>このチェックポイントからは始められない (一度だけ話すもので、道の上に安全な点があること)</source>
        <translation>A test cannot begin at this checkpoint (it must speak once and hold a safe place on the road)</translation>
    </message>
    <message>
        <source>テストの地図を書けない：%1</source>
        <translation>The test&apos;s map cannot be written: %1</translation>
    </message>
    <message>
        <source>遊べない：問題 %1 件</source>
        <translation>Not playable: %1 problem(s)</translation>
    </message>
</context>
<context>
    <name>editor::Findings</name>
    <message>
        <source>スタート %1</source>
        <translation>start %1</translation>
    </message>
    <message>
        <source>ゴール %1</source>
        <translation>goal %1</translation>
    </message>
    <message>
        <source>チェックポイント %1</source>
        <translation>checkpoint %1</translation>
    </message>
    <message>
        <source>カバー %1</source>
        <translation>cover %1</translation>
    </message>
    <message>
        <source>ハザード %1</source>
        <translation>hazard %1</translation>
    </message>
    <message>
        <source>スタートの点 (%1, %2) が安全な道の上にない</source>
        <translation>The start point (%1, %2) is not on safe road</translation>
    </message>
    <message>
        <source>スタートからゴールまで道がつながっていない</source>
        <translation>No road leads from the start to the goal</translation>
    </message>
    <message>
        <source>いちばん短い道が %1 ピクセルで、%2 より長い</source>
        <translation>The shortest route is %1 px, longer than %2</translation>
    </message>
    <message>
        <source>%1 を通らずにゴールに行ける</source>
        <translation>The goal can be reached without passing %1</translation>
    </message>
    <message>
        <source>どの道も %1 を通る (分かれ道のはず)</source>
        <translation>Every route passes %1 (it should be a branch)</translation>
    </message>
    <message>
        <source>%1 が (%2, %3) で、地図では離れた道を %4 つつないでいる</source>
        <translation>%1 at (%2, %3) joins %4 pieces of road the map keeps apart</translation>
    </message>
    <message>
        <source>むずかしすぎて、時間内にたしかめられない</source>
        <translation>Too complex to prove in the time allowed</translation>
    </message>
    <message>
        <source>%1 秒にスタートの点がハザードの下になる</source>
        <translation>At %1 s the start point lies under a hazard</translation>
    </message>
    <message>
        <source>%1 秒にスタートすると、%2 秒以内にゴールできない</source>
        <translation>A start at %1 s cannot reach the goal within %2 s</translation>
    </message>
    <message>
        <source>たこ：</source>
        <translation>Easy: </translation>
    </message>
    <message>
        <source>さる：</source>
        <translation>Hard: </translation>
    </message>
    <message>
        <source>%1：文が枠に入らない</source>
        <translation>%1: the text does not fit its box</translation>
    </message>
    <message>
        <source>このステージのスタート (「ステージのスタート」) がない</source>
        <translation>The stage has no start of its own (&quot;The stage&apos;s own start&quot;)</translation>
    </message>
    <message>
        <source>本物のゴールがひとつではない (%1 個)</source>
        <translation>The stage needs exactly one live goal (it has %1)</translation>
    </message>
    <message>
        <source>金の時間が速すぎる：いちばん短い道 %1 ピクセルは、1 秒 300 ピクセルでも歩けない</source>
        <translation>The gold time is too fast: the shortest route of %1 px cannot be walked even at 300 px a second</translation>
    </message>
    <message>
        <source>さる・ハザードあり：</source>
        <translation>Hard, with the hazards: </translation>
    </message>
    <message>
        <source>さる・ハザードあり：ほかに %1 回のスタートも間に合わない</source>
        <translation>Hard, with the hazards: %1 more starts are too late as well</translation>
    </message>
</context>
<context>
    <name>editor::Forms</name>
    <message>
        <source> (日本語)</source>
        <translation> (Japanese)</translation>
    </message>
    <message>
        <source> (English)</source>
        <translation> (English)</translation>
    </message>
    <message>
        <source>左</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>幅</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>高さ</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>ステージのスタート</source>
        <translation>The stage&apos;s own start</translation>
    </message>
    <message>
        <source>ポインタの位置 x</source>
        <translation>Pointer put at x</translation>
    </message>
    <message>
        <source>ポインタの位置 y</source>
        <translation>Pointer put at y</translation>
    </message>
    <message>
        <source>せりふ</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>顔</source>
        <translation>Face</translation>
    </message>
    <message>
        <source>(なし)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>音</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>一度だけ話す</source>
        <translation>Speaks once</translation>
    </message>
    <message>
        <source>このマップで話す</source>
        <translation>Speaks on this map</translation>
    </message>
    <message>
        <source>時計</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>そのまま</source>
        <translation>Keep</translation>
    </message>
    <message>
        <source>止める</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>また動かす</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>必ず通る組 (0: なし)</source>
        <translation>Must-pass set (0: none)</translation>
    </message>
    <message>
        <source>分かれ道 (とじてもゴールできる)</source>
        <translation>Branch (the goal stays in reach without it)</translation>
    </message>
    <message>
        <source>種類</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>絵</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>あたり</source>
        <translation>Harm</translation>
    </message>
    <message>
        <source>さわるとミス</source>
        <translation>Miss when touched</translation>
    </message>
    <message>
        <source>クリックするとミス</source>
        <translation>Miss when clicked</translation>
    </message>
    <message>
        <source>周期 (ミリ秒)</source>
        <translation>Period (ms)</translation>
    </message>
    <message>
        <source>一歩 (下へ、ピクセル)</source>
        <translation>Step (down, pixels)</translation>
    </message>
    <message>
        <source>いちばん上</source>
        <translation>Highest top</translation>
    </message>
    <message>
        <source>いちばん下</source>
        <translation>Lowest top</translation>
    </message>
    <message>
        <source>行ったり来たり</source>
        <translation>Sway back and forth</translation>
    </message>
    <message>
        <source>水の絵</source>
        <translation>Open water picture</translation>
    </message>
    <message>
        <source>板の数</source>
        <translation>Planks</translation>
    </message>
    <message>
        <source>並び (1: 水、行ごとに空白)</source>
        <translation>Pattern (1: water; rows apart by spaces)</translation>
    </message>
    <message>
        <source>マーク</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>本物のゴール</source>
        <translation>The live goal</translation>
    </message>
    <message>
        <source>ステージ名</source>
        <translation>Stage name</translation>
    </message>
    <message>
        <source>制限時間 (さる、秒)</source>
        <translation>Time limit (hard level, s)</translation>
    </message>
    <message>
        <source>地図にスタートとゴールの絵がある</source>
        <translation>The map shows its START and goal</translation>
    </message>
    <message>
        <source>はじまりのせりふ</source>
        <translation>Opening lines</translation>
    </message>
    <message>
        <source>ゴールのせりふ</source>
        <translation>Lines at the goal</translation>
    </message>
    <message>
        <source>クリアのせりふ</source>
        <translation>Clear line</translation>
    </message>
    <message>
        <source>パックの名前</source>
        <translation>Pack name</translation>
    </message>
    <message>
        <source>作者</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>エンディング</source>
        <translation>Ending</translation>
    </message>
    <message>
        <source>さいごのひとこと</source>
        <translation>Farewell</translation>
    </message>
</context>
<context>
    <name>editor::MapCanvas</name>
    <message>
        <source>マークを動かす</source>
        <translation>move a mark</translation>
    </message>
    <message>
        <source>マークの大きさを変える</source>
        <translation>resize a mark</translation>
    </message>
    <message>
        <source>道をぬる</source>
        <translation>paint road</translation>
    </message>
    <message>
        <source>道の外をぬる</source>
        <translation>paint off-road</translation>
    </message>
    <message>
        <source>マークを置く</source>
        <translation>place a mark</translation>
    </message>
    <message>
        <source>塗りつぶす</source>
        <translation>fill</translation>
    </message>
    <message>
        <source>絵をおす</source>
        <translation>stamp a picture</translation>
    </message>
    <message>
        <source>マークを消す</source>
        <translation>remove a mark</translation>
    </message>
</context>
<context>
    <name>editor::PropertyForm</name>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>顔もせりふもなし</source>
        <translation>Neither face nor line</translation>
    </message>
    <message>
        <source>顔 %1</source>
        <translation>Face %1</translation>
    </message>
    <message>
        <source>顔</source>
        <translation>Face</translation>
    </message>
    <message>
        <source>日本語</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>行を足す</source>
        <translation>Add line</translation>
    </message>
    <message>
        <source>行を消す</source>
        <translation>Remove line</translation>
    </message>
    <message>
        <source>選んだ行の下にせりふを足す</source>
        <translation>Add a line below the selected one</translation>
    </message>
    <message>
        <source>選んだ行を消す</source>
        <translation>Remove the selected line</translation>
    </message>
    <message>
        <source>せりふ</source>
        <translation>A line</translation>
    </message>
    <message>
        <source>せりふを足す</source>
        <translation>add a line</translation>
    </message>
    <message>
        <source>せりふを消す</source>
        <translation>remove a line</translation>
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
