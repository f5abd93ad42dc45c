// One WebSocket to dvk, opened again whenever it closes (the program was closed, restarted or
// stopped its server), so a page left open picks the match up again by itself.
(function () {
  'use strict';

  function connect(handlers) {
    let socket = null;
    let delay = 250;

    function open() {
      socket = new WebSocket('ws://' + location.host + '/ws');
      socket.onopen = function () {
        delay = 250;
        if (handlers.status) handlers.status(true);
        if (handlers.open) handlers.open();
      };
      socket.onmessage = function (event) {
        let message;
        try {
          message = JSON.parse(event.data);
        } catch (e) {
          return;
        }
        if (!message || message.v !== 1) return;
        if (message.type === 'state') handlers.state(message);
        else if (handlers.message) handlers.message(message);
      };
      socket.onclose = function () {
        if (handlers.status) handlers.status(false);
        setTimeout(open, delay);
        delay = Math.min(delay * 2, 2000);
      };
      socket.onerror = function () {
        socket.close();
      };
    }

    open();
    return {
      send: function (request) {
        if (!socket || socket.readyState !== WebSocket.OPEN) return false;
        socket.send(JSON.stringify(request));
        return true;
      },
    };
  }

  window.dvkConnect = connect;
})();
