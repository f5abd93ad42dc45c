<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>KeyNames</name>
    <message>
        <source>Backspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Num %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LegEndMessages</name>
    <message>
        <source>Game shot %1 dart. (%2 darts)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check in %1 darts.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;New Game...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N&amp;ew Schedule...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Modify Schedule...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game &amp;History...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Option...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto &amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check-Out Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dvk On&amp;line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Player Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Left Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function &amp;Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Larger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Smaller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Index of Darts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;1st dart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;2nd dart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;3rd dart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Middle for Diddle...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input &amp;Left Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous Leg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xchange Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dart Out Shots...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Player 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to exchange scores?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to clear scores?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you return to previous Leg?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A game is a draw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2: Winner is %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dvk::ButtonChoiceDialog</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dvk::CheckOutDialog</name>
    <message>
        <source>Check-Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many darts did you use for the check?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;1st dart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;2nd dart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;3rd dart</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dvk::CheckOutModeDialog</name>
    <message>
        <source>Check-Out Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many darts did you throw to double?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dvk::ComThrowDialog</name>
    <message>
        <source>COM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dart %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to stop a game?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dvk::GameOptionDialog</name>
    <message>
        <source>Game Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;301</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;501</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;1001</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Other:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other start score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rounds:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Legs:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Best of ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First player is exchanged by set start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 COM level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;COM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CO&amp;M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Handicap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H&amp;andicap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 handicap start score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The present Option was saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dvk::MainMenu</name>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Score &amp;Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;emplate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Nothing)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dvk::MainWindow</name>
    <message>
        <source>%1 - %2 Sets - (%3 Legs / Best of %4 Legs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2 Sets - (%3 Legs / %4 Legs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2 Legs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - Schedule Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A score is saved automatically at &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The option was set as Check-Out mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A scorer for two-player count-down darts.
Questions and reports: dvk@dvk-darts.org</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dvk::MiddleForDiddleDialog</name>
    <message>
        <source>Middle for Diddle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select winner player.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (&amp;1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (&amp;2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dvk::ScoreEdit</name>
    <message>
        <source>Score input</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dvk::ScoreGuideWnd</name>
    <message>
        <source>Function keys</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dvk::ScoreLeftWnd</name>
    <message>
        <source>Left score</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dvk::ScoreListWnd</name>
    <message>
        <source>Score list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Go</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dvk::ScoreNameWnd</name>
    <message>
        <source>Player names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM (Lv.%d)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dvk::ScorePlayerWnd</name>
    <message>
        <source>Player information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM (Lv.%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- First -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Averages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dart out shots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>140+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>180&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Darts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check-Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
