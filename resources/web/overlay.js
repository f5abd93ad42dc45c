// The compact bar for stream software: a transparent page with one row per player.
(function () {
  'use strict';
  const b = window.dvkBoard;
  const $ = function (id) { return document.getElementById(id); };

  let bannerTimer = null;
  const announce = b.Announcer(function (what) {
    b.setText($('banner-title'), what.title);
    b.setText($('banner-text'), what.text);
    $('banner').hidden = false;
    clearTimeout(bannerTimer);
    bannerTimer = setTimeout(function () { $('banner').hidden = true; }, 6000);
  });

  function render(state) {
    for (let p = 0; p < 2; p++) {
      const s = state.players[p];
      const id = 'p' + p;
      b.setText($(id + '-name'), s.name);
      b.setText($(id + '-sets'), s.sets);
      b.setText($(id + '-legs'), s.legs);
      b.setText($(id + '-last'), s.last === null ? '' : s.last);
      b.setText($(id + '-left'), s.left);
      $(id).classList.toggle('throwing', state.throw === p);
    }
    document.querySelectorAll('.sets').forEach(function (e) { e.hidden = !state.sets; });
    b.setText($('match-line'), b.matchLine(state));
    announce(state);
    document.body.dataset.updated = String(Date.now());
  }

  window.dvkConnect({ state: render });
})();
