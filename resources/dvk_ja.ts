<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CsvFile</name>
    <message>
        <source>COM (Lv.%d)</source>
        <translation>COM (Lv.%d)</translation>
    </message>
    <message>
        <source>COM (Avg %d)</source>
        <translation>COM (平均%d)</translation>
    </message>
    <message>
        <source>COM like %s</source>
        <translation>COM (%s風)</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>合計</translation>
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
        <source>Averages</source>
        <translation>平均</translation>
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
    <message>
        <source>Finish Stats</source>
        <translation>フィニッシュ統計</translation>
    </message>
    <message>
        <source>2-80 Success</source>
        <translation>2-80 成功</translation>
    </message>
    <message>
        <source>2-80 Failure</source>
        <translation>2-80 失敗</translation>
    </message>
    <message>
        <source>81-130 Success</source>
        <translation>81-130 成功</translation>
    </message>
    <message>
        <source>81-130 Failure</source>
        <translation>81-130 失敗</translation>
    </message>
    <message>
        <source>131+ Success</source>
        <translation>131+ 成功</translation>
    </message>
    <message>
        <source>131+ Failure</source>
        <translation>131+ 失敗</translation>
    </message>
    <message>
        <source>Counts</source>
        <translation>回数</translation>
    </message>
    <message>
        <source>Darts Won</source>
        <translation>勝ちダーツ数</translation>
    </message>
    <message>
        <source>First 9 Score</source>
        <translation>ファースト9 スコア</translation>
    </message>
    <message>
        <source>First 9 Darts</source>
        <translation>ファースト9 ダーツ数</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>ダブル</translation>
    </message>
    <message>
        <source>Keep Won</source>
        <translation>キープ成功</translation>
    </message>
    <message>
        <source>Keep All</source>
        <translation>キープ全体</translation>
    </message>
    <message>
        <source>Break Won</source>
        <translation>ブレイク成功</translation>
    </message>
    <message>
        <source>Break All</source>
        <translation>ブレイク全体</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>ラウンド</translation>
    </message>
    <message>
        <source>Scored</source>
        <translation>得点</translation>
    </message>
    <message>
        <source>To Go</source>
        <translation>残り</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be saved.
%2</source>
        <translation>&apos;%1&apos; を保存できませんでした。
%2</translation>
    </message>
</context>
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
        <source>Ca&amp;reer Statistics...</source>
        <translation>通算成績(&amp;R)...</translation>
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
        <source>&amp;Broadcast...</source>
        <translation>ブロードキャスト(&amp;B)...</translation>
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
    <message>
        <source>&amp;User&apos;s Guide</source>
        <translation>ユーザーズガイド(&amp;U)</translation>
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
    <name>OnlinePage</name>
    <message>
        <source>The user&apos;s guide is not installed.</source>
        <translation>ユーザーズガイドがインストールされていません。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither a web address nor a file.</source>
        <translation>&apos;%1&apos; はWebアドレスでもファイルでもありません。</translation>
    </message>
    <message>
        <source>The page &apos;%1&apos; does not exist.</source>
        <translation>ページ &apos;%1&apos; がありません。</translation>
    </message>
    <message>
        <source>No program was found to open &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; を開くプログラムが見つかりません。</translation>
    </message>
    <message>
        <source>No program could open &apos;%1&apos;: the desktop&apos;s opener ended with code %2. Install a web browser.</source>
        <translation>&apos;%1&apos; を開けるプログラムがありません (デスクトップの開くコマンドがコード %2 で終了しました)。Web ブラウザーをインストールしてください。</translation>
    </message>
</context>
<context>
    <name>PluginHost</name>
    <message>
        <source>The path is not an absolute path.</source>
        <translation>パスが絶対パスではありません。</translation>
    </message>
    <message>
        <source>The library has no function &quot;%1&quot;.</source>
        <translation>ライブラリに関数「%1」がありません。</translation>
    </message>
</context>
<context>
    <name>RecordsCommands</name>
    <message>
        <source>The score is saved automatically again, at &apos;%1&apos;.</source>
        <translation>スコアは再び &apos;%1&apos; に自動保存されています。</translation>
    </message>
    <message>
        <source>The score could not be saved automatically at &apos;%1&apos;.
%2</source>
        <translation>スコアを &apos;%1&apos; に自動保存できませんでした。
%2</translation>
    </message>
</context>
<context>
    <name>dvk::BroadcastDialog</name>
    <message>
        <source>Broadcast</source>
        <translation>ブロードキャスト</translation>
    </message>
    <message>
        <source>Listen on</source>
        <translation>待ち受け先</translation>
    </message>
    <message>
        <source>&amp;This computer only</source>
        <translation>このコンピューターのみ(&amp;T)</translation>
    </message>
    <message>
        <source>The &amp;local network (TV, phone)</source>
        <translation>ローカルネットワーク（テレビ、スマートフォン）(&amp;L)</translation>
    </message>
    <message>
        <source>Po&amp;rt:</source>
        <translation>ポート(&amp;R):</translation>
    </message>
    <message>
        <source>Start with the &amp;program</source>
        <translation>dvk の起動時に開始(&amp;P)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>設定を保存できませんでした。</translation>
    </message>
    <message>
        <source>The server could not start: %1</source>
        <translation>サーバーを開始できませんでした: %1</translation>
    </message>
    <message>
        <source>&amp;Stop the server</source>
        <translation>サーバーを停止(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Start the server</source>
        <translation>サーバーを開始(&amp;S)</translation>
    </message>
    <message>
        <source>The server is off. Nothing of this computer is served.</source>
        <translation>サーバーは停止しています。このコンピューターからは何も公開されていません。</translation>
    </message>
    <message>
        <source>The server is on for the local network.</source>
        <translation>サーバーはローカルネットワークに公開中です。</translation>
    </message>
    <message>
        <source>The server is on for this computer only.</source>
        <translation>サーバーはこのコンピューターにのみ公開中です。</translation>
    </message>
    <message>
        <source>Scoreboard: %1</source>
        <translation>スコアボード: %1</translation>
    </message>
    <message>
        <source>Stream overlay: %1overlay</source>
        <translation>配信用オーバーレイ: %1overlay</translation>
    </message>
    <message>
        <source>Keypad: %1remote</source>
        <translation>キーパッド: %1remote</translation>
    </message>
    <message>
        <source>Pairing code: %1</source>
        <translation>ペアリングコード: %1</translation>
    </message>
    <message>
        <source>Scan with the phone to open the keypad.</source>
        <translation>スマートフォンで読み取るとキーパッドが開きます。</translation>
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
    <name>dvk::CareerCharts</name>
    <message>
        <source>Average</source>
        <translation>平均</translation>
    </message>
    <message>
        <source>First 9</source>
        <translation>ファースト9</translation>
    </message>
    <message>
        <source>Average, 10 games</source>
        <translation>平均 (10ゲーム)</translation>
    </message>
    <message>
        <source>First 9, 10 games</source>
        <translation>ファースト9 (10ゲーム)</translation>
    </message>
    <message>
        <source>Visits</source>
        <translation>ビジット</translation>
    </message>
    <message>
        <source>2–80</source>
        <translation>2–80</translation>
    </message>
    <message>
        <source>81–130</source>
        <translation>81–130</translation>
    </message>
    <message>
        <source>131+</source>
        <translation>131+</translation>
    </message>
    <message>
        <source>Legs won</source>
        <translation>勝ったレッグ</translation>
    </message>
    <message>
        <source>Average per game</source>
        <translation>ゲームごとの平均</translation>
    </message>
    <message>
        <source>Visits by score, in steps of 20</source>
        <translation>スコア別のビジット (20点ごと)</translation>
    </message>
    <message>
        <source>Finish success by range per month</source>
        <translation>月ごとの範囲別フィニッシュ成功率</translation>
    </message>
    <message>
        <source>Legs won by darts</source>
        <translation>ダーツ数別の勝ったレッグ</translation>
    </message>
</context>
<context>
    <name>dvk::CareerCommand</name>
    <message>
        <source>dvk keeps no match archive in this run.</source>
        <translation>dvk はこの実行では対戦のアーカイブを保存していません。</translation>
    </message>
</context>
<context>
    <name>dvk::CareerFigureRows</name>
    <message>
        <source>%1 (%2 per leg)</source>
        <translation>%1 (1レッグあたり %2)</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>勝ったゲーム</translation>
    </message>
    <message>
        <source>Legs</source>
        <translation>レッグ</translation>
    </message>
    <message>
        <source>Legs won</source>
        <translation>勝ったレッグ</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>平均</translation>
    </message>
    <message>
        <source>First 9</source>
        <translation>ファースト9</translation>
    </message>
    <message>
        <source>Check-Out</source>
        <translation>チェックアウト</translation>
    </message>
    <message>
        <source>Darts at double</source>
        <translation>ダブルへのダーツ</translation>
    </message>
    <message>
        <source>High Out</source>
        <translation>ハイアウト</translation>
    </message>
    <message>
        <source>Best leg</source>
        <translation>ベストレッグ</translation>
    </message>
    <message>
        <source>Worst leg</source>
        <translation>ワーストレッグ</translation>
    </message>
    <message>
        <source>Darts per leg won</source>
        <translation>勝ったレッグの平均ダーツ</translation>
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
        <source>Finish 2-80</source>
        <translation>フィニッシュ 2-80</translation>
    </message>
    <message>
        <source>Finish 81-130</source>
        <translation>フィニッシュ 81-130</translation>
    </message>
    <message>
        <source>Finish 131+</source>
        <translation>フィニッシュ 131+</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>キープ</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>ブレイク</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>対戦相手</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>勝ち</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>負け</translation>
    </message>
    <message>
        <source>Opponent&apos;s average</source>
        <translation>相手の平均</translation>
    </message>
</context>
<context>
    <name>dvk::CareerFileChoices</name>
    <message>
        <source>Import a Folder of CSV Files</source>
        <translation>CSVファイルのフォルダーを取り込む</translation>
    </message>
    <message>
        <source>Import CSV Files</source>
        <translation>CSVファイルを取り込む</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>書き出し</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
</context>
<context>
    <name>dvk::CareerNameQuestions</name>
    <message>
        <source>Rename Player</source>
        <translation>プレイヤー名の変更</translation>
    </message>
    <message>
        <source>&amp;New name of %1:</source>
        <translation>%1 の新しい名前(&amp;N):</translation>
    </message>
    <message>
        <source>Merge Players</source>
        <translation>プレイヤーの統合</translation>
    </message>
    <message>
        <source>The games of %1 will count for the player chosen here, and the name %1 will be one of his names.</source>
        <translation>%1 のゲームはここで選んだプレイヤーのゲームとして数えられ、%1 はそのプレイヤーの名前の一つになります。</translation>
    </message>
    <message>
        <source>&amp;Merge into:</source>
        <translation>統合先(&amp;M):</translation>
    </message>
    <message>
        <source>The name is empty.</source>
        <translation>名前が空です。</translation>
    </message>
    <message>
        <source>The name is longer than 63 bytes.</source>
        <translation>名前が63バイトを超えています。</translation>
    </message>
    <message>
        <source>There is no player of that name.</source>
        <translation>その名前のプレイヤーはいません。</translation>
    </message>
    <message>
        <source>The player has that name already.</source>
        <translation>プレイヤーはすでにその名前です。</translation>
    </message>
    <message>
        <source>A computer player keeps the name of his level.</source>
        <translation>コンピューターのプレイヤーはレベルの名前のままです。</translation>
    </message>
    <message>
        <source>That name belongs to a computer level.</source>
        <translation>その名前はコンピューターのレベルの名前です。</translation>
    </message>
</context>
<context>
    <name>dvk::CareerStatisticsDialog</name>
    <message>
        <source>Career Statistics</source>
        <translation>通算成績</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
    <message>
        <source>&amp;Figures</source>
        <translation>成績(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Head to Head</source>
        <translation>対戦成績(&amp;H)</translation>
    </message>
    <message>
        <source>Ch&amp;arts</source>
        <translation>グラフ(&amp;A)</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>すべてのゲーム</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>過去30日</translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <translation>過去12か月</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>今年</translation>
    </message>
    <message>
        <source>Between dates</source>
        <translation>期間を指定</translation>
    </message>
    <message>
        <source>Humans and computers</source>
        <translation>人とコンピューター</translation>
    </message>
    <message>
        <source>Humans</source>
        <translation>人</translation>
    </message>
    <message>
        <source>Computers</source>
        <translation>コンピューター</translation>
    </message>
    <message>
        <source>Re&amp;name...</source>
        <translation>名前の変更(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Merge...</source>
        <translation>統合(&amp;M)...</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>プレイヤー(&amp;P):</translation>
    </message>
    <message>
        <source>P&amp;eriod:</source>
        <translation>期間(&amp;E):</translation>
    </message>
    <message>
        <source>&amp;Opponent:</source>
        <translation>対戦相手(&amp;O):</translation>
    </message>
    <message>
        <source>Opponent &amp;type:</source>
        <translation>相手の種類(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Start score:</source>
        <translation>開始スコア(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>取り込み(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;A Folder of CSV Files...</source>
        <translation>CSVファイルのフォルダー(&amp;A)...</translation>
    </message>
    <message>
        <source>CSV &amp;Files...</source>
        <translation>CSVファイル(&amp;F)...</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>書き出し(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;All Games as CSV...</source>
        <translation>すべてのゲームをCSVで(&amp;A)...</translation>
    </message>
    <message>
        <source>All Games as &amp;JSON...</source>
        <translation>すべてのゲームをJSONで(&amp;J)...</translation>
    </message>
    <message>
        <source>This &amp;Player&apos;s Games as CSV...</source>
        <translation>このプレイヤーのゲームをCSVで(&amp;P)...</translation>
    </message>
    <message>
        <source>This Player&apos;s Games as J&amp;SON...</source>
        <translation>このプレイヤーのゲームをJSONで(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>The archive at %1 cannot be opened.
%2</source>
        <translation>%1 のアーカイブを開けません。
%2</translation>
    </message>
    <message>
        <source>All opponents</source>
        <translation>すべての対戦相手</translation>
    </message>
    <message>
        <source>All start scores</source>
        <translation>すべての開始スコア</translation>
    </message>
    <message>
        <source>The archive at %1 could not be read.
%2</source>
        <translation>%1 のアーカイブを読めませんでした。
%2</translation>
    </message>
    <message>
        <source>Archive: %1</source>
        <translation>アーカイブ: %1</translation>
    </message>
    <message>
        <source>%1 is already a player. Count the games of %2 for %1?</source>
        <translation>%1 はすでにプレイヤーです。%2 のゲームを %1 のゲームとして数えますか?</translation>
    </message>
    <message>
        <source>The player could not be renamed.
%1</source>
        <translation>プレイヤーの名前を変更できませんでした。
%1</translation>
    </message>
    <message>
        <source>The players could not be merged.
%1</source>
        <translation>プレイヤーを統合できませんでした。
%1</translation>
    </message>
    <message>
        <source>Importing CSV files...</source>
        <translation>CSVファイルを取り込んでいます...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>取り込み</translation>
    </message>
    <message>
        <source>Games imported: %1</source>
        <translation>取り込んだゲーム: %1</translation>
    </message>
    <message>
        <source>Games already in the archive: %1</source>
        <translation>すでにアーカイブにあったゲーム: %1</translation>
    </message>
    <message>
        <source>Files refused: %1</source>
        <translation>取り込めなかったファイル: %1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... ほか %1 件</translation>
    </message>
    <message>
        <source>The games could not be exported to %1.
%2</source>
        <translation>ゲームを %1 に書き出せませんでした。
%2</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>%1 に書き出しました。</translation>
    </message>
    <message>
        <source>COM &amp;Like This Player...</source>
        <translation>このプレイヤー風の COM(&amp;L)...</translation>
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
    <name>dvk::ColorPreview</name>
    <message>
        <source>Player 1</source>
        <translation>プレイヤー1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>プレイヤー2</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Click to choose the item of a colour; Shift+click gives the chosen item the colour under the pointer.</source>
        <translation>クリックでその色の項目を選びます。Shift+クリックで、選んだ項目にポインターの下の色を設定します。</translation>
    </message>
</context>
<context>
    <name>dvk::CareerComLike</name>
    <message>
        <source>A computer player cannot be copied: choose a player who throws for real.</source>
        <translation>コンピューターはまねできません。実際に投げるプレイヤーを選んでください。</translation>
    </message>
    <message>
        <source>%1 has %2 archived visits thrown with more than 170 left. A computer player is copied from at least %3 of them.</source>
        <translation>%1 の記録には、残り 170 より多いときのスローが %2 回あります。コンピューターにまねさせるには、少なくとも %3 回必要です。</translation>
    </message>
    <message>
        <source>COM like %1 throws with a spread of %2 mm, fitted on %3 visits thrown with more than 170 left (%4 points a visit).

Make it player 2 of the next game?</source>
        <translation>%1風 COM は、残り 170 より多いときの %3 回のスロー (1 スロー平均 %4 点) から求めた %2 mm のばらつきで投げます。

次のゲームのプレイヤー 2 にしますか?</translation>
    </message>
    <message>
        <source>COM like %1 plays player 2 from the next new game (Game &gt; New Game).</source>
        <translation>%1風 COM は、次の新しいゲーム (ゲーム &gt; 新しいゲーム) からプレイヤー 2 になります。</translation>
    </message>
</context>
<context>
    <name>dvk::ComNameTexts</name>
    <message>
        <source>COM (Lv.%d)</source>
        <translation>COM (Lv.%d)</translation>
    </message>
    <message>
        <source>COM (Avg %d)</source>
        <translation>COM (平均%d)</translation>
    </message>
    <message>
        <source>COM like %s</source>
        <translation>COM (%s風)</translation>
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
    <name>dvk::DartOutShotsDialog</name>
    <message>
        <source>Dart Out Shots</source>
        <translation>アレンジ</translation>
    </message>
    <message>
        <source>Courier New</source>
        <translation>IPAGothic</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>スコア</translation>
    </message>
    <message>
        <source>Ways to finish</source>
        <translation>上がり方</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
</context>
<context>
    <name>dvk::DialogButtons</name>
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
    <name>ArchiveNotices</name>
    <message>
        <source>The match archive &apos;%1&apos; cannot be written (%2). Play goes on: finished legs are kept in &apos;%3&apos; and written to the archive as soon as it can be written again.</source>
        <translation>試合アーカイブ「%1」に書き込めません（%2）。ゲームはこのまま続けられます。終わったレッグは「%3」に保管し、アーカイブに書き込めるようになりしだい書き込みます。</translation>
    </message>
    <message>
        <source>The match archive &apos;%1&apos; can be written again; the legs kept meanwhile are in it.</source>
        <translation>試合アーカイブ「%1」に再び書き込めるようになりました。その間に保管したレッグも書き込みました。</translation>
    </message>
    <message>
        <source>The match archive &apos;%1&apos; is damaged (%2). It was kept as &apos;%3&apos; and a new archive was begun.</source>
        <translation>試合アーカイブ「%1」は壊れています（%2）。「%3」として残し、新しいアーカイブを始めました。</translation>
    </message>
    <message>
        <source>%1 The match archive is kept in a file instead.</source>
        <translation>%1 試合アーカイブは代わりにファイルに保存します。</translation>
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
    <message>
        <source>The settings in &apos;%1&apos; could not be read (%2). The program starts with the default settings and does not save over that file.</source>
        <translation>設定ファイル「%1」を読み込めませんでした（%2）。既定の設定で起動し、このファイルには上書き保存しません。</translation>
    </message>
    <message>
        <source>The table &apos;%1&apos; could not be read (%2); the built-in table is used instead.</source>
        <translation>テーブル「%1」を読み込めませんでした（%2）。代わりに内蔵のテーブルを使います。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names a computer level that this version of dvk does not know; Level 12 plays instead.</source>
        <translation>「%1」には、このバージョンの dvk が知らないコンピューターのレベルがあります。代わりにレベル12で投げます。</translation>
    </message>
</context>
<context>
    <name>dvk::GameHistoryDialog</name>
    <message>
        <source>Game History</source>
        <translation>ゲーム履歴</translation>
    </message>
    <message>
        <source>Games and legs</source>
        <translation>ゲームとレッグ</translation>
    </message>
    <message>
        <source>&amp;View...</source>
        <translation>表示(&amp;V)...</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>名前を付けて保存(&amp;S)...</translation>
    </message>
    <message>
        <source>Cl&amp;ear</source>
        <translation>クリア(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Are you sure you want to clear history?</source>
        <translation>履歴をクリアしてもよろしいですか？</translation>
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
        <source>Average %1</source>
        <translation>平均%1</translation>
    </message>
    <message>
        <source>Like %1 (%2 mm)</source>
        <translation>%1風 (%2 mm)</translation>
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
    <name>dvk::HistoryLineDelegate</name>
    <message>
        <source>%1 Sets</source>
        <translation>第%1セット</translation>
    </message>
    <message>
        <source>%1 Legs</source>
        <translation>第%1レッグ</translation>
    </message>
</context>
<context>
    <name>dvk::HotKeyEdit</name>
    <message>
        <source>Nothing</source>
        <translation>なし</translation>
    </message>
</context>
<context>
    <name>dvk::KeyPage</name>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>テンプレート</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Short cut &amp;settings:</source>
        <translation>ショートカットの設定(&amp;S):</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>機能</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>No key can be added: the key table holds %1 keys, as many as it can.</source>
        <translation>キーを追加できません。キーの表には上限の%1個のキーがあります。</translation>
    </message>
</context>
<context>
    <name>dvk::ListEditor</name>
    <message>
        <source>&amp;up</source>
        <translation>上へ(&amp;U)</translation>
    </message>
    <message>
        <source>do&amp;wn</source>
        <translation>下へ(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>追加(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>編集(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this item?</source>
        <translation>この項目を削除してもよろしいですか？</translation>
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
    <name>dvk::PlayerPage</name>
    <message>
        <source>Large Fo&amp;nt</source>
        <translation>大きいフォント(&amp;N)</translation>
    </message>
    <message>
        <source>3 Darts A&amp;verage</source>
        <translation>3ダーツ平均(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Player Name</source>
        <translation>プレイヤー名(&amp;P)</translation>
    </message>
    <message>
        <source>- &amp;First - </source>
        <translation>- 先攻(&amp;F) - </translation>
    </message>
    <message>
        <source>&amp;Sets</source>
        <translation>セット(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Legs</source>
        <translation>レッグ(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Tons</source>
        <translation>トン(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;100+</source>
        <translation>&amp;100+</translation>
    </message>
    <message>
        <source>1&amp;40+</source>
        <translation>1&amp;40+</translation>
    </message>
    <message>
        <source>1&amp;80&apos;s</source>
        <translation>1&amp;80</translation>
    </message>
    <message>
        <source>&amp;High Out</source>
        <translation>ハイアウト(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Best Leg</source>
        <translation>ベストレッグ(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Worst Leg</source>
        <translation>ワーストレッグ(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Darts</source>
        <translation>ダーツ(&amp;D)</translation>
    </message>
    <message>
        <source>S&amp;core</source>
        <translation>スコア(&amp;C)</translation>
    </message>
    <message>
        <source>First &amp;9 Darts</source>
        <translation>ファースト9ダーツ(&amp;9)</translation>
    </message>
    <message>
        <source>Check-&amp;Out</source>
        <translation>チェックアウト(&amp;O)</translation>
    </message>
    <message>
        <source>Check-&amp;Out Counts</source>
        <translation>チェックアウト回数(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>キープ(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Keep Counts</source>
        <translation>キープ回数(&amp;K)</translation>
    </message>
    <message>
        <source>B&amp;reak</source>
        <translation>ブレイク(&amp;R)</translation>
    </message>
    <message>
        <source>B&amp;reak Counts</source>
        <translation>ブレイク回数(&amp;R)</translation>
    </message>
    <message>
        <source>D&amp;art Out Shots</source>
        <translation>アレンジ(&amp;A)</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>プレイヤー</translation>
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
        <source>Dart Out Shots</source>
        <translation>アレンジ</translation>
    </message>
</context>
<context>
    <name>dvk::PluginCommands</name>
    <message>
        <source>&amp;Tools</source>
        <translation>ツール(&amp;T)</translation>
    </message>
    <message>
        <source>The plug-in function %1 ended the program the last time it ran:
%2

The plug-in has been turned off. You can turn it on again on the Plug-in page of the Option dialog.</source>
        <translation>前回、プラグイン関数 %1 の実行中にプログラムが終了しました:
%2

このプラグインはオフにしました。オプション ダイアログのプラグイン ページで再びオンにできます。</translation>
    </message>
</context>
<context>
    <name>dvk::PluginHost</name>
    <message>
        <source>The plug-in function &quot;%1&quot; failed and is not called again.</source>
        <translation>プラグイン関数「%1」でエラーが発生しました。この関数は今後呼び出されません。</translation>
    </message>
    <message>
        <source>This Item has no options that you can set.</source>
        <translation>この項目には設定できるオプションがありません。</translation>
    </message>
</context>
<context>
    <name>dvk::PluginKeyDialog</name>
    <message>
        <source>Select key</source>
        <translation>キーの選択</translation>
    </message>
    <message>
        <source>Shortcut key</source>
        <translation>ショートカットキー</translation>
    </message>
    <message>
        <source>Shortcut &amp;Key:</source>
        <translation>ショートカットキー(&amp;K):</translation>
    </message>
</context>
<context>
    <name>dvk::PluginPage</name>
    <message>
        <source>Plug-in</source>
        <translation>プラグイン</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>DLL</source>
        <translation>DLL</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>機能</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Plug-ins</source>
        <translation>プラグイン一覧</translation>
    </message>
    <message>
        <source>&amp;Property...</source>
        <translation>プロパティ(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Key...</source>
        <translation>キー(&amp;K)...</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Select Plug-in File</source>
        <translation>プラグインファイルの選択</translation>
    </message>
    <message>
        <source>Plug-in (%1)</source>
        <translation>プラグイン (%1)</translation>
    </message>
    <message>
        <source>The list holds at most %1 plug-in functions; %2 of them were not added.</source>
        <translation>一覧に登録できるプラグインの機能は %1 個までです。%2 個は追加されませんでした。</translation>
    </message>
</context>
<context>
    <name>dvk::ScheduleDialog</name>
    <message>
        <source>Modify Schedule</source>
        <translation>スケジュールの変更</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>スケジュール</translation>
    </message>
    <message>
        <source>Schedule se&amp;ttings:</source>
        <translation>スケジュールの設定(&amp;T):</translation>
    </message>
    <message>
        <source>Start Score</source>
        <translation>開始スコア</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>ラウンド数</translation>
    </message>
    <message>
        <source>Legs</source>
        <translation>レッグ数</translation>
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
        <source>&amp;Save Options</source>
        <translation>オプションを保存(&amp;S)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Game On</source>
        <translation>ゲーム開始</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Best of %1</source>
        <translation>ベストオブ%1</translation>
    </message>
    <message>
        <source>No game can be added: the schedule holds %1 games, as many as it can.</source>
        <translation>ゲームを追加できません。スケジュールには上限の%1ゲームがあります。</translation>
    </message>
    <message>
        <source>The present Option was saved.</source>
        <translation>現在のオプションを保存しました。</translation>
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
    <name>dvk::ScoreListDialog</name>
    <message>
        <source>Score List</source>
        <translation>スコアリスト</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>表示内容</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Player Information</source>
        <translation>プレイヤー情報</translation>
    </message>
    <message>
        <source>%1 Legs</source>
        <translation>第%1レッグ</translation>
    </message>
    <message>
        <source>%1 Darts</source>
        <translation>%1ダーツ</translation>
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
</context>
<context>
    <name>dvk::ScorePlayerWnd</name>
    <message>
        <source>Player information</source>
        <translation>プレイヤー情報</translation>
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
<context>
    <name>dvk::SelectKeyDialog</name>
    <message>
        <source>Select key</source>
        <translation>キーの選択</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>機能</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>数値</translation>
    </message>
    <message>
        <source>Shortcut key</source>
        <translation>ショートカットキー</translation>
    </message>
    <message>
        <source>&amp;Function:</source>
        <translation>機能(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Number:</source>
        <translation>数値(&amp;N):</translation>
    </message>
    <message>
        <source>Shortcut &amp;Key:</source>
        <translation>ショートカットキー(&amp;K):</translation>
    </message>
    <message>
        <source>The range of a template is 0 to 180.</source>
        <translation>テンプレートの範囲は0から180です。</translation>
    </message>
    <message>
        <source>%1 is a key for entering scores. Bound to &quot;%2&quot;, it no longer does that.
Do you want to bind it all the same?</source>
        <translation>%1はスコアを入力するキーです。「%2」に割り当てると、スコアの入力に使えなくなります。
それでも割り当てますか？</translation>
    </message>
</context>
<context>
    <name>dvk::SelectPluginDialog</name>
    <message>
        <source>Select Plug-in</source>
        <translation>プラグインの選択</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>関数</translation>
    </message>
    <message>
        <source>The path is longer than %1 bytes, too long to be kept in the settings.</source>
        <translation>パスが %1 バイトを超えているため、設定に保存できません。</translation>
    </message>
</context>
<context>
    <name>dvk::ViewPage</name>
    <message>
        <source>Background (Even Lines)</source>
        <translation>背景 (偶数行)</translation>
    </message>
    <message>
        <source>Background (Odd Lines)</source>
        <translation>背景 (奇数行)</translation>
    </message>
    <message>
        <source>Text (Scored)</source>
        <translation>文字 (得点)</translation>
    </message>
    <message>
        <source>Text (To Go)</source>
        <translation>文字 (残り)</translation>
    </message>
    <message>
        <source>Header Background</source>
        <translation>見出しの背景</translation>
    </message>
    <message>
        <source>Header Text</source>
        <translation>見出しの文字</translation>
    </message>
    <message>
        <source>Last Three Numbers</source>
        <translation>最後の3ラウンド</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>罫線</translation>
    </message>
    <message>
        <source>Separate</source>
        <translation>区切り線</translation>
    </message>
    <message>
        <source>Ton Circle</source>
        <translation>トンの円</translation>
    </message>
    <message>
        <source>Input Background</source>
        <translation>入力欄の背景</translation>
    </message>
    <message>
        <source>Input Text</source>
        <translation>入力欄の文字</translation>
    </message>
    <message>
        <source>Input Select</source>
        <translation>入力欄の選択</translation>
    </message>
    <message>
        <source>Input Select Text</source>
        <translation>入力欄の選択文字</translation>
    </message>
    <message>
        <source>Left Score Background</source>
        <translation>残りスコアの背景</translation>
    </message>
    <message>
        <source>Left Score Text</source>
        <translation>残りスコアの文字</translation>
    </message>
    <message>
        <source>Left Score Active Border</source>
        <translation>残りスコアの手番の枠</translation>
    </message>
    <message>
        <source>Player Name Background</source>
        <translation>プレイヤー名の背景</translation>
    </message>
    <message>
        <source>Player Name Text</source>
        <translation>プレイヤー名の文字</translation>
    </message>
    <message>
        <source>Player Information Background</source>
        <translation>プレイヤー情報の背景</translation>
    </message>
    <message>
        <source>Player Information Text</source>
        <translation>プレイヤー情報の文字</translation>
    </message>
    <message>
        <source>Player Information Header Text</source>
        <translation>プレイヤー情報の見出し</translation>
    </message>
    <message>
        <source>Function Key Background</source>
        <translation>ファンクションキーの背景</translation>
    </message>
    <message>
        <source>Function Key Text</source>
        <translation>ファンクションキーの文字</translation>
    </message>
    <message>
        <source>Function Key Select</source>
        <translation>ファンクションキーの選択</translation>
    </message>
    <message>
        <source>Function Key Select Text</source>
        <translation>ファンクションキーの選択文字</translation>
    </message>
    <message>
        <source>Function Key Box Background</source>
        <translation>ファンクションキーの枠の背景</translation>
    </message>
    <message>
        <source>Function Key Box Text</source>
        <translation>ファンクションキーの枠の文字</translation>
    </message>
    <message>
        <source>Function Key Frame</source>
        <translation>ファンクションキーの枠線</translation>
    </message>
    <message>
        <source>Function Key Disable</source>
        <translation>ファンクションキーの無効</translation>
    </message>
    <message>
        <source>View Separate</source>
        <translation>ウィンドウの間隔</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <source>&amp;Item:</source>
        <translation>項目(&amp;I):</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>色(&amp;C):</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>リセット(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>フォント(&amp;F)</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>Do you want to reset colors?</source>
        <translation>色を元に戻しますか？</translation>
    </message>
    <message>
        <source>%1 (not installed)</source>
        <translation>%1 (インストールされていません)</translation>
    </message>
</context>
<context>
    <name>dvk::caller::CallerSettingsDialog</name>
    <message>
        <source>&amp;Call the game</source>
        <translation>ゲームをコールする(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Every visit</source>
        <translation>毎回の得点(&amp;E)</translation>
    </message>
    <message>
        <source>The score left on a &amp;finish</source>
        <translation>上がり目前の残り点数(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Game shot</source>
        <translation>ゲームショット(&amp;G)</translation>
    </message>
    <message>
        <source>The &amp;result of a set</source>
        <translation>セットの結果(&amp;R)</translation>
    </message>
    <message>
        <source>Caller</source>
        <translation>コーラー</translation>
    </message>
    <message>
        <source>Announcements</source>
        <translation>アナウンス</translation>
    </message>
    <message>
        <source>(Default)</source>
        <translation>(既定)</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>音声(&amp;V):</translation>
    </message>
    <message>
        <source>&amp;Speed:</source>
        <translation>速さ(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Try</source>
        <translation>試す(&amp;T)</translation>
    </message>
    <message>
        <source>No voice is installed: install %1.</source>
        <translation>音声がインストールされていません: %1 をインストールしてください。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: dvk [--portable]
       dvk /shortcut
       dvk --help | --version

Scorer for two-player count-down darts.

  --portable  keep the settings, the game in progress and the CSV files
              beside the program
  /shortcut   put a launcher for dvk on the desktop and end
  --help      show this help and end
  --version   show the version and end
</source>
        <translation>使い方: dvk [--portable]
        dvk /shortcut
        dvk --help | --version

二人対戦のカウントダウン ダーツのスコアラーです。

  --portable  設定、進行中のゲーム、CSV ファイルをプログラムと同じフォルダーに
              置きます
  /shortcut   デスクトップに dvk のランチャーを作って終了します
  --help      このヘルプを表示して終了します
  --version   バージョンを表示して終了します
</translation>
    </message>
    <message>
        <source>The user&apos;s guide is not installed.</source>
        <translation>ユーザーズガイドがインストールされていません。</translation>
    </message>
    <message>
        <source>The user&apos;s guide: %1</source>
        <translation>ユーザーズガイド: %1</translation>
    </message>
    <message>
        <source>dvk %1
Scorer for two-player count-down darts.
</source>
        <translation>dvk %1
二人対戦のカウントダウン ダーツのスコアラーです。
</translation>
    </message>
</context>
<context>
    <name>dvk::caller::CallerSettings</name>
    <message>
        <source>The folder &apos;%1&apos; cannot be made.</source>
        <translation>フォルダー &apos;%1&apos; を作れません。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder.</source>
        <translation>&apos;%1&apos; はフォルダーです。</translation>
    </message>
    <message>
        <source>You may not write to &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; に書き込む権限がありません。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be written.</source>
        <translation>&apos;%1&apos; に書き込めませんでした。</translation>
    </message>
    <message>
        <source>The caller&apos;s settings could not be saved. %1</source>
        <translation>コーラーの設定を保存できませんでした。%1</translation>
    </message>
</context>
</TS>
