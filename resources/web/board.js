// What the scoreboard, the overlay and the keypad share: texts in the reader's language, the
// figures as dvk prints them, and the announcement of a decided leg or game.
(function () {
  'use strict';

  // "?lang=ja" or "?lang=en" chooses the language where the device's own is not wanted.
  const wanted = new URLSearchParams(location.search).get('lang') || navigator.language || '';
  const japanese = wanted.toLowerCase().startsWith('ja');

  const texts = {
    en: {
      sets: 'Sets', legs: 'Legs', last: 'Last', avg: '3-dart avg', out: 'Out',
      leg: 'Leg', game: 'Game', bestOf: 'best of', firstTo: 'of',
      gameShot: 'GAME SHOT', wins: 'wins', legDrawn: 'The leg is drawn',
      matchDrawn: 'The game is drawn', darts: 'darts', checkOut: 'check-out',
      waiting: 'Connecting to dvk…', toThrow: 'to throw', left: 'left',
      wait_check_out_darts: 'How many darts did you use for the check?',
      wait_double_darts: 'How many darts did you throw to double?',
      wait_game_shot: 'Game shot — confirm', wait_diddle_winner: 'Middle for diddle: who won?',
      wait_check_in: 'Check in — confirm', wait_computer_visit: 'The computer is throwing…',
      wait_other: 'A window is open in dvk',
      answer_0: 'Cancel', answer_255: 'Cancel', answer_ok: 'OK', dart1: '1st dart',
      dart2: '2nd dart', dart3: '3rd dart',
      pairTitle: 'Pair this keypad', pairHint: 'Type the pairing code shown in dvk (View > Broadcast).',
      pairButton: 'Pair', wrong_code: 'Wrong code.',
      locked_out: 'Too many wrong codes: wait a minute.', enter: 'Enter', undo: 'Undo',
      impossible_score: 'Three darts cannot score that.',
      above_score_left: 'More than the score left.', leg_finished: 'The leg is finished.',
      computer_to_throw: 'The computer is throwing.', dialog_open: 'Answer the question first.',
      no_question: 'Nothing is asked now.', answer_not_allowed: 'That answer is not allowed.',
      not_paired: 'Pair this keypad first.', malformed: 'dvk did not understand that.',
      too_many_requests: 'Too fast: try again.', correcting: 'correcting',
    },
    ja: {
      sets: 'セット', legs: 'レッグ', last: '前回', avg: '3ダーツ平均', out: 'アレンジ',
      leg: 'レッグ', game: 'ゲーム', bestOf: 'ベストオブ', firstTo: '/',
      gameShot: 'ゲームショット', wins: 'の勝ち', legDrawn: 'レッグは引き分け',
      matchDrawn: 'ゲームは引き分け', darts: 'ダーツ', checkOut: 'チェックアウト',
      waiting: 'dvk に接続しています…', toThrow: 'の番', left: '残り',
      wait_check_out_darts: '何本目でチェックアウトしましたか？',
      wait_double_darts: 'ダブルに何本投げましたか？',
      wait_game_shot: 'ゲームショット — 確認', wait_diddle_winner: 'ミドル・フォー・ディドル：勝者は？',
      wait_check_in: 'チェックイン — 確認', wait_computer_visit: 'コンピューターが投げています…',
      wait_other: 'dvk でウィンドウが開いています',
      answer_0: 'キャンセル', answer_255: 'キャンセル', answer_ok: 'OK', dart1: '1本目',
      dart2: '2本目', dart3: '3本目',
      pairTitle: 'キーパッドのペアリング', pairHint: 'dvk に表示されたペアリングコードを入力してください（表示 > ブロードキャスト）。',
      pairButton: 'ペアリング', wrong_code: 'コードが違います。',
      locked_out: '間違いが多すぎます。1分待ってください。', enter: '入力', undo: '戻る',
      impossible_score: '3本では出せない点数です。',
      above_score_left: '残り点数を超えています。', leg_finished: 'レッグは終了しています。',
      computer_to_throw: 'コンピューターが投げています。', dialog_open: '先に質問に答えてください。',
      no_question: '今は質問がありません。', answer_not_allowed: 'その答えは選べません。',
      not_paired: '先にペアリングしてください。', malformed: 'dvk が理解できませんでした。',
      too_many_requests: '速すぎます。もう一度どうぞ。', correcting: '修正中',
    },
  };

  const t = japanese ? texts.ja : texts.en;
  document.documentElement.lang = japanese ? 'ja' : 'en';

  function average(hundredths) {
    return (hundredths / 100).toFixed(2);
  }

  // Announces a leg or game decided while the page watches; the state a page first receives
  // is only shown, never announced again.
  function Announcer(show) {
    let seen = null;
    return function (state) {
      const e = state.event;
      const seq = e ? e.seq : 0;
      if (seen !== null && seq > seen && e) show(describe(state, e));
      seen = seq;
    };
  }

  function name(state, player) {
    return player === null || player === undefined ? '' : state.players[player].name;
  }

  function describe(state, e) {
    if (e.kind === 'game_shot') {
      return { title: t.gameShot, text: name(state, e.player) + ' — ' + e.check_out + ' ' +
        t.checkOut + ', ' + e.darts + ' ' + t.darts };
    }
    if (e.kind === 'match_winner') {
      if (e.player === null) return { title: t.matchDrawn, text: e.legs[0] + ' - ' + e.legs[1] };
      return { title: name(state, e.player) + ' ' + t.wins, text: e.legs[0] + ' - ' + e.legs[1] };
    }
    return { title: t.legDrawn, text: '' };
  }

  function waitText(state) {
    if (!state.wait) return '';
    const who = name(state, state.wait.player);
    const text = t['wait_' + state.wait.kind] || '';
    if (state.wait.kind === 'game_shot') {
      return t.gameShot + ' — ' + who + ' (' + state.wait.winning_darts + ' ' + t.darts + ')';
    }
    return (who ? who + ': ' : '') + text;
  }

  function matchLine(state) {
    let line = t.leg + ' ' + state.leg;
    if (state.sets && state.max_leg > 0) {
      line = t.game + ' ' + state.game + ' · ' + t.leg + ' ' + state.leg + ' ' +
        (state.best_of ? '(' + t.bestOf + ' ' + state.max_leg + ')' : t.firstTo + ' ' + state.max_leg);
    }
    return line + ' · ' + state.start;
  }

  function setText(element, text) {
    if (element && element.textContent !== String(text)) element.textContent = text;
  }

  window.dvkBoard = { t: t, average: average, Announcer: Announcer, waitText: waitText,
    matchLine: matchLine, setText: setText };
})();
