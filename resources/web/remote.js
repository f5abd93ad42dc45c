// The keypad for a phone by the board: pairs once with the code shown in dvk, then sends
// visits, undo (Shift+Enter) and the answers the open dialog of dvk takes. dvk checks every
// request as it checks the keyboard; this page only shows what it answers.
(function () {
  'use strict';
  const b = window.dvkBoard;
  const t = b.t;
  const $ = function (id) { return document.getElementById(id); };
  const storedCode = 'dvk-pairing-code';

  let typed = '';
  let state = null;
  let paired = false;

  $('pair-title').textContent = t.pairTitle;
  $('pair-hint').textContent = t.pairHint;
  $('pair-button').textContent = t.pairButton;
  $('undo').textContent = t.undo;
  $('left-label').textContent = t.left;
  $('offline').textContent = t.waiting;

  function showPairing(show) {
    $('pairing').hidden = !show;
    $('pad').hidden = show;
  }

  function say(text) {
    b.setText($('message'), text);
  }

  function answerLabel(kind, value) {
    if (value === 0 || value === 255) return t.answer_0;
    if (kind === 'check_out_darts') return t['dart' + value];
    if (kind === 'diddle_winner') return state.players[value - 1].name;
    if (kind === 'double_darts') return String(value);
    return t.answer_ok;
  }

  function renderQuestion() {
    const wait = state && state.wait;
    $('question').hidden = !wait;
    $('keys').hidden = !!wait;
    if (!wait) return;
    b.setText($('question-text'), b.waitText(state));
    const answers = $('answers');
    const key = wait.kind + ':' + wait.answers.join(',');
    if (answers.dataset.key === key) return;
    answers.dataset.key = key;
    answers.textContent = '';
    wait.answers.forEach(function (value) {
      const button = document.createElement('button');
      button.textContent = answerLabel(wait.kind, value);
      button.dataset.answer = String(value);
      button.className = value === 0 || value === 255 ? 'soft' : 'go';
      button.addEventListener('click', function () {
        connection.send({ type: 'answer', value: value });
      });
      answers.appendChild(button);
    });
  }

  function render() {
    if (!state) return;
    const p = state.input.player;
    const s = state.players[p];
    b.setText($('who'), s.name + (state.input.correcting ? ' (' + t.correcting + ')' : ''));
    b.setText($('left'), state.input.left);
    b.setText($('entry'), typed);
    renderQuestion();
    document.body.dataset.updated = String(Date.now());
  }

  const connection = window.dvkConnect({
    open: function () {
      paired = false;
      const code = localStorage.getItem(storedCode);
      if (code) connection.send({ type: 'pair', code: code });
      else showPairing(true);
    },
    state: function (s) {
      state = s;
      render();
    },
    message: function (m) {
      if (m.type === 'paired') {
        paired = true;
        showPairing(false);
        b.setText($('pair-message'), '');
        render();
      } else if (m.type === 'pairing') {
        localStorage.removeItem(storedCode);
        showPairing(true);
        b.setText($('pair-message'), t[m.reason] || m.reason);
      } else if (m.type === 'result') {
        if (m.ok) say('');
        else if (m.reason === 'not_paired') showPairing(true);
        else say(t[m.reason] || m.reason);
      }
    },
    status: function (online) { document.body.classList.toggle('connected', online); },
  });

  $('pair-form').addEventListener('submit', function (event) {
    event.preventDefault();
    const code = $('pair-code').value.trim();
    if (!code) return;
    localStorage.setItem(storedCode, code);
    connection.send({ type: 'pair', code: code });
  });

  function press(key) {
    if (!paired) return;
    if (key === 'back') {
      typed = typed.slice(0, -1);
    } else if (key === 'enter') {
      if (typed === '') return;
      connection.send({ type: 'visit', score: parseInt(typed, 10) });
      typed = '';
    } else if (key === 'undo') {
      connection.send({ type: 'undo' });
      typed = '';
    } else if (typed.length < 3) {
      typed = (typed === '0' ? '' : typed) + key;
    }
    say('');
    render();
  }

  document.querySelectorAll('#keys button').forEach(function (button) {
    button.addEventListener('click', function () { press(button.dataset.key); });
  });
})();
