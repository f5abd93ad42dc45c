<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>KeyNames</name>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>スペース</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>←</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>↑</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>→</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>↓</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Print Screen</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num Lock</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Scroll Lock</translation>
    </message>
    <message>
        <source>Num %1</source>
        <translation>テンキー%1</translation>
    </message>
    <message>
        <source>Ctrl+</source>
        <translation>Ctrl+</translation>
    </message>
    <message>
        <source>Shift+</source>
        <translation>Shift+</translation>
    </message>
    <message>
        <source>Alt+</source>
        <translation>Alt+</translation>
    </message>
</context>
<context>
    <name>LegEndMessages</name>
    <message>
        <source>Game shot %1 dart. (%2 darts)</source>
        <translation>%1本目でゲームショット。(%2ダーツ)</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>Check in %1 darts.</source>
        <translation>%1ダーツでチェックイン。</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;New Game...</source>
        <translation>新しいゲーム(&amp;N)...</translation>
    </message>
    <message>
        <source>N&amp;ew Schedule...</source>
        <translation>新しいスケジュール(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Modify Schedule...</source>
        <translation>スケジュールの変更(&amp;M)...</translation>
    </message>
    <message>
        <source>Game &amp;History...</source>
        <translation>ゲーム履歴(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;Option...</source>
        <translation>オプション(&amp;O)...</translation>
    </message>
    <message>
        <source>Auto &amp;Save</source>
        <translation>自動保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Check-Out Mode</source>
        <translation>チェックアウトモード(&amp;C)</translation>
    </message>
    <message>
        <source>dvk On&amp;line</source>
        <translation>dvk オンライン(&amp;L)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>名前(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Player Information</source>
        <translation>プレイヤー情報(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Left Score</source>
        <translation>残りスコア(&amp;L)</translation>
    </message>
    <message>
        <source>Function &amp;Key</source>
        <translation>ファンクションキー(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Larger</source>
        <translation>大(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>中(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Smaller</source>
        <translation>小(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>全画面表示(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Index of Darts</source>
        <translation>ダーツ数表示(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;1st dart</source>
        <translation>1本目(&amp;1)</translation>
    </message>
    <message>
        <source>&amp;2nd dart</source>
        <translation>2本目(&amp;2)</translation>
    </message>
    <message>
        <source>&amp;3rd dart</source>
        <translation>3本目(&amp;3)</translation>
    </message>
    <message>
        <source>&amp;Middle for Diddle...</source>
        <translation>ミドル・フォー・ディドル(&amp;M)...</translation>
    </message>
    <message>
        <source>Input &amp;Left Score</source>
        <translation>残りスコア入力(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Previous Leg</source>
        <translation>前のレッグ(&amp;P)</translation>
    </message>
    <message>
        <source>E&amp;xchange Scores</source>
        <translation>スコアの入れ替え(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Clear Scores</source>
        <translation>スコアのクリア(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Dart Out Shots...</source>
        <translation>アレンジ(&amp;D)...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>No Action</source>
        <translation>動作なし</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下へ</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>前へ</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左へ</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右へ</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Player 1</source>
        <translation>プレイヤー1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>プレイヤー2</translation>
    </message>
    <message>
        <source>Are you sure you want to exchange scores?</source>
        <translation>スコアを入れ替えてもよろしいですか？</translation>
    </message>
    <message>
        <source>Are you sure you want to clear scores?</source>
        <translation>スコアをクリアしてもよろしいですか？</translation>
    </message>
    <message>
        <source>Are you sure you return to previous Leg?</source>
        <translation>前のレッグに戻ってもよろしいですか？</translation>
    </message>
    <message>
        <source>A game is a draw.</source>
        <translation>ゲームは引き分けです。</translation>
    </message>
    <message>
        <source>%1 - %2: Winner is %3.</source>
        <translation>%1 - %2: 勝者は%3です。</translation>
    </message>
</context>
<context>
    <name>dvk::ButtonChoiceDialog</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>dvk::CheckOutDialog</name>
    <message>
        <source>Check-Out</source>
        <translation>チェックアウト</translation>
    </message>
    <message>
        <source>How many darts did you use for the check?</source>
        <translation>チェックアウトに使ったダーツは何本ですか？</translation>
    </message>
    <message>
        <source>&amp;1st dart</source>
        <translation>1本目(&amp;1)</translation>
    </message>
    <message>
        <source>&amp;2nd dart</source>
        <translation>2本目(&amp;2)</translation>
    </message>
    <message>
        <source>&amp;3rd dart</source>
        <translation>3本目(&amp;3)</translation>
    </message>
</context>
<context>
    <name>dvk::CheckOutModeDialog</name>
    <message>
        <source>Check-Out Mode</source>
        <translation>チェックアウトモード</translation>
    </message>
    <message>
        <source>How many darts did you throw to double?</source>
        <translation>ダブルを狙ったダーツは何本ですか？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>dvk::ComThrowDialog</name>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>Dart %1</source>
        <translation>%1本目</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>中止(&amp;S)</translation>
    </message>
    <message>
        <source>Do you want to stop a game?</source>
        <translation>ゲームを中止しますか？</translation>
    </message>
</context>
<context>
    <name>dvk::FileNotices</name>
    <message>
        <source>The game in progress could not be saved to &apos;%1&apos; (%2); play goes on, and you will be told when it is saved again.</source>
        <translation>進行中のゲームを「%1」に保存できませんでした（%2）。ゲームはこのまま続けられます。再び保存できたときにお知らせします。</translation>
    </message>
    <message>
        <source>The game in progress is saved to &apos;%1&apos; again.</source>
        <translation>進行中のゲームを再び「%1」に保存できるようになりました。</translation>
    </message>
    <message>
        <source>The settings could not be saved to &apos;%1&apos; (%2).</source>
        <translation>設定を「%1」に保存できませんでした（%2）。</translation>
    </message>
    <message>
        <source>The settings are saved to &apos;%1&apos; again.</source>
        <translation>設定を再び「%1」に保存できるようになりました。</translation>
    </message>
    <message>
        <source>The game could not be saved automatically to &apos;%1&apos; (%2).</source>
        <translation>ゲームを「%1」に自動保存できませんでした（%2）。</translation>
    </message>
    <message>
        <source>Games are saved automatically to &apos;%1&apos; again.</source>
        <translation>ゲームを再び「%1」に自動保存できるようになりました。</translation>
    </message>
    <message>
        <source>The saved game could not be continued and was kept as &apos;%1&apos;.</source>
        <translation>保存されたゲームは続けられないため、「%1」として残しました。</translation>
    </message>
    <message>
        <source>The saved game in &apos;%1&apos; could not be continued (%2).</source>
        <translation>「%1」に保存されたゲームは続けられません（%2）。</translation>
    </message>
</context>
<context>
    <name>dvk::GameOptionDialog</name>
    <message>
        <source>Game Option</source>
        <translation>ゲームオプション</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>プレイヤー1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>プレイヤー2</translation>
    </message>
    <message>
        <source>Start Score</source>
        <translation>開始スコア</translation>
    </message>
    <message>
        <source>&amp;301</source>
        <translation>&amp;301</translation>
    </message>
    <message>
        <source>&amp;501</source>
        <translation>&amp;501</translation>
    </message>
    <message>
        <source>&amp;1001</source>
        <translation>&amp;1001</translation>
    </message>
    <message>
        <source>&amp;Other:</source>
        <translation>その他(&amp;O):</translation>
    </message>
    <message>
        <source>Other start score</source>
        <translation>その他の開始スコア</translation>
    </message>
    <message>
        <source>&amp;Rounds:</source>
        <translation>ラウンド数(&amp;R):</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>ラウンド数</translation>
    </message>
    <message>
        <source>&amp;Legs:</source>
        <translation>レッグ数(&amp;L):</translation>
    </message>
    <message>
        <source>Legs</source>
        <translation>レッグ数</translation>
    </message>
    <message>
        <source>&amp;Best of ...</source>
        <translation>ベストオブ(&amp;B)...</translation>
    </message>
    <message>
        <source>First player is exchanged by set start</source>
        <translation>セットごとに先攻を交代する</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名前:</translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation>%1の名前</translation>
    </message>
    <message>
        <source>%1 COM level</source>
        <translation>%1のCOMレベル</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>レベル%1</translation>
    </message>
    <message>
        <source>&amp;COM</source>
        <translation>COM(&amp;C)</translation>
    </message>
    <message>
        <source>CO&amp;M</source>
        <translation>COM(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Handicap</source>
        <translation>ハンディキャップ(&amp;H)</translation>
    </message>
    <message>
        <source>H&amp;andicap</source>
        <translation>ハンディキャップ(&amp;A)</translation>
    </message>
    <message>
        <source>%1 handicap start score</source>
        <translation>%1のハンディキャップ開始スコア</translation>
    </message>
    <message>
        <source>&amp;Save Options</source>
        <translation>オプションを保存(&amp;S)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>レベル:</translation>
    </message>
    <message>
        <source>The present Option was saved.</source>
        <translation>現在のオプションを保存しました。</translation>
    </message>
</context>
<context>
    <name>dvk::MainMenu</name>
    <message>
        <source>&amp;Game</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Left Score &amp;Size</source>
        <translation>残りスコアのサイズ(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Score</source>
        <translation>スコア(&amp;S)</translation>
    </message>
    <message>
        <source>T&amp;emplate</source>
        <translation>テンプレート(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>(Nothing)</source>
        <translation>(なし)</translation>
    </message>
</context>
<context>
    <name>dvk::MainWindow</name>
    <message>
        <source>%1 - %2 Sets - (%3 Legs / Best of %4 Legs)</source>
        <translation>%1 - 第%2セット - (第%3レッグ / ベストオブ%4レッグ)</translation>
    </message>
    <message>
        <source>%1 - %2 Sets - (%3 Legs / %4 Legs)</source>
        <translation>%1 - 第%2セット - (第%3レッグ / %4レッグ)</translation>
    </message>
    <message>
        <source>%1 - %2 Legs</source>
        <translation>%1 - 第%2レッグ</translation>
    </message>
    <message>
        <source> - Schedule Mode</source>
        <translation> - スケジュールモード</translation>
    </message>
    <message>
        <source>A score is saved automatically at &apos;%1&apos;.</source>
        <translation>スコアは &apos;%1&apos; に自動保存されます。</translation>
    </message>
    <message>
        <source>The option was set as Check-Out mode.</source>
        <translation>チェックアウトモードに設定しました。</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>終了しますか？</translation>
    </message>
    <message>
        <source>Scorer for two-player count-down darts.
Built with Qt %1.</source>
        <translation>2人対戦のカウントダウン・ダーツ用スコアラー。
Qt %1 で作成。</translation>
    </message>
</context>
<context>
    <name>dvk::MiddleForDiddleDialog</name>
    <message>
        <source>Middle for Diddle</source>
        <translation>ミドル・フォー・ディドル</translation>
    </message>
    <message>
        <source>Please select winner player.</source>
        <translation>勝者を選んでください。</translation>
    </message>
    <message>
        <source>%1 (&amp;1)</source>
        <translation>%1 (&amp;1)</translation>
    </message>
    <message>
        <source>%1 (&amp;2)</source>
        <translation>%1 (&amp;2)</translation>
    </message>
</context>
<context>
    <name>dvk::ScoreEdit</name>
    <message>
        <source>Score input</source>
        <translation>スコア入力</translation>
    </message>
</context>
<context>
    <name>dvk::ScoreGuideWnd</name>
    <message>
        <source>Function keys</source>
        <translation>ファンクションキー</translation>
    </message>
</context>
<context>
    <name>dvk::ScoreLeftWnd</name>
    <message>
        <source>Left score</source>
        <translation>残りスコア</translation>
    </message>
</context>
<context>
    <name>dvk::ScoreListWnd</name>
    <message>
        <source>Score list</source>
        <translation>スコア一覧</translation>
    </message>
    <message>
        <source>Scored</source>
        <translation>得点</translation>
    </message>
    <message>
        <source>To Go</source>
        <translation>残り</translation>
    </message>
</context>
<context>
    <name>dvk::ScoreNameWnd</name>
    <message>
        <source>Player names</source>
        <translation>プレイヤー名</translation>
    </message>
    <message>
        <source>COM (Lv.%d)</source>
        <translation>COM (Lv.%d)</translation>
    </message>
</context>
<context>
    <name>dvk::ScorePlayerWnd</name>
    <message>
        <source>Player information</source>
        <translation>プレイヤー情報</translation>
    </message>
    <message>
        <source>COM (Lv.%1)</source>
        <translation>COM (Lv.%1)</translation>
    </message>
    <message>
        <source>- First -</source>
        <translation>- 先攻 -</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Averages</source>
        <translation>平均</translation>
    </message>
    <message>
        <source>Dart out shots</source>
        <translation>アレンジ</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>セット</translation>
    </message>
    <message>
        <source>Legs</source>
        <translation>レッグ</translation>
    </message>
    <message>
        <source>Tons</source>
        <translation>トン</translation>
    </message>
    <message>
        <source>100+</source>
        <translation>100+</translation>
    </message>
    <message>
        <source>140+</source>
        <translation>140+</translation>
    </message>
    <message>
        <source>180&apos;s</source>
        <translation>180</translation>
    </message>
    <message>
        <source>High Out</source>
        <translation>ハイアウト</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>ベスト</translation>
    </message>
    <message>
        <source>Worst</source>
        <translation>ワースト</translation>
    </message>
    <message>
        <source>Darts</source>
        <translation>ダーツ</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>スコア</translation>
    </message>
    <message>
        <source>First 9</source>
        <translation>ファースト9</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>チェック</translation>
    </message>
    <message>
        <source>Check-Out</source>
        <translation>チェックアウト</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>キープ</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>ブレイク</translation>
    </message>
</context>
</TS>
