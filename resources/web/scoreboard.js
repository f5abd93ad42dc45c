// The scoreboard for a TV: both players side by side, the scores left as large as the screen
// allows, and every decided leg announced for a few seconds.
(function () {
  'use strict';
  const b = window.dvkBoard;
  const $ = function (id) { return document.getElementById(id); };

  function label(cls, text) {
    document.querySelectorAll('.' + cls).forEach(function (e) { e.textContent = text; });
  }
  label('label-sets', b.t.sets);
  label('label-legs', b.t.legs);
  label('label-last', b.t.last);
  label('label-avg', b.t.avg);
  $('offline').textContent = b.t.waiting;

  let bannerTimer = null;
  function showBanner(what) {
    b.setText($('banner-title'), what.title);
    b.setText($('banner-text'), what.text);
    $('banner').hidden = false;
    clearTimeout(bannerTimer);
    bannerTimer = setTimeout(function () { $('banner').hidden = true; }, 6000);
  }
  const announce = b.Announcer(showBanner);

  function render(state) {
    for (let p = 0; p < 2; p++) {
      const s = state.players[p];
      const id = 'p' + p;
      b.setText($(id + '-name'), s.name);
      b.setText($(id + '-sets'), s.sets);
      b.setText($(id + '-legs'), s.legs);
      b.setText($(id + '-left'), s.left);
      b.setText($(id + '-out'), s.checkout || '\u00a0');
      b.setText($(id + '-last'), s.last === null ? '–' : s.last);
      b.setText($(id + '-avg'), b.average(s.avg));
      $(id).classList.toggle('throwing', state.throw === p);
    }
    document.querySelectorAll('.sets').forEach(function (e) { e.hidden = !state.sets; });
    b.setText($('match-line'), b.matchLine(state));
    // The room needs to know what the players are asked, not that the Option dialog is open.
    const shown = state.wait && state.wait.kind !== 'other';
    b.setText($('wait'), shown ? b.waitText(state) : '');
    if (state.wait && state.wait.kind === 'game_shot') {
      showBanner({ title: b.t.gameShot, text: state.players[state.wait.player].name });
    }
    announce(state);
    document.body.dataset.updated = String(Date.now());
  }

  window.dvkConnect({
    state: render,
    status: function (online) { document.body.classList.toggle('connected', online); },
  });
})();
