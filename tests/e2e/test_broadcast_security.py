"""The Broadcast room's server under hostile or careless clients, from a script on loopback:
nothing a client sends changes the game unless it is paired, wrong codes lock an address out,
foreign origins and hosts get nothing, and no client can stall or grow the program."""

import json
import socket
import time

from broadcast_support import (Closed, WebSocket, broadcast_ini, free_port, http_get,
                               wait_server)
from dvk_e2e import E2ETestCase, main


class BroadcastSecurity(E2ETestCase):

    def setUp(self):
        super().setUp()
        self.port = free_port()
        self.dvk = self.start_game(broadcast_ini(self.port))
        wait_server(self.port)
        self.clients = []

    def tearDown(self):
        for client in self.clients:
            client.close()
        super().tearDown()

    def connect(self, **options):
        client = WebSocket(self.port, **options)
        self.clients.append(client)
        return client

    def assert_game_unchanged(self, before):
        self.assertEqual(self.dvk.recovery(), before)
        state = self.dvk.wait_idle_main()
        return state

    def test_viewing_is_read_only_and_pairing_locks_out_after_five_wrong_codes(self):
        before = self.dvk.recovery()
        viewer = self.connect()
        state = viewer.wait_state(lambda s: True, "the first state")
        self.assertEqual(state["v"], 1)
        self.assertEqual(state["players"][0]["left"], 501)
        for request in ({"type": "visit", "score": 60}, {"type": "undo"},
                        {"type": "answer", "value": 1}):
            self.assertEqual(viewer.request(request),
                             {"v": 1, "type": "result", "ok": False, "reason": "not_paired"})
        for attempt in range(4):
            answer = viewer.request({"type": "pair", "code": f"x{attempt}"})
            self.assertEqual(answer["reason"], "wrong_code")
        self.assertEqual(viewer.request({"type": "pair", "code": "x5"})["reason"], "locked_out")
        # Locked out: even the right code is refused, from another connection of the address.
        code = self.pairing_code()
        again = self.connect()
        self.assertEqual(again.request({"type": "pair", "code": code})["reason"], "locked_out")
        self.assertEqual(again.request({"type": "visit", "score": 60})["reason"], "not_paired")
        self.assert_game_unchanged(before)

    def pairing_code(self):
        self.dvk.key("ctrl+b")
        state = self.dvk.wait_state(lambda s: s.get("modal") == "broadcast_dialog",
                                    "the Broadcast dialog")
        self.dvk.key("Escape")
        self.dvk.wait_idle_main()
        return state["broadcast.code"].rsplit(" ", 1)[-1]

    def test_a_paired_client_gets_the_input_cells_rules(self):
        code = self.pairing_code()
        client = self.connect()
        self.assertEqual(client.request({"type": "pair", "code": code})["type"], "paired")
        before = self.dvk.recovery()
        for score, reason in ((179, "impossible_score"), (181, "impossible_score"),
                              (502, "impossible_score"), (-1, "impossible_score")):
            self.assertEqual(client.request({"type": "visit", "score": score})["reason"], reason)
        self.assertEqual(client.request({"type": "answer", "value": 1})["reason"], "no_question")
        self.assert_game_unchanged(before)
        self.assertTrue(client.request({"type": "visit", "score": 100})["ok"])
        self.dvk.wait_state(lambda s: s["player0.remaining"] == "401", "the visit in dvk")
        client.wait_state(lambda s: s["players"][0]["left"] == 401, "the state after the visit")

    def test_foreign_origins_hosts_paths_and_methods_get_nothing(self):
        for origin in ("http://evil.example", f"http://127.0.0.1:{self.port + 1}",
                       f"https://127.0.0.1:{self.port}", f"http://127.0.0.1:{self.port}/x",
                       "null", None):
            with self.assertRaises(Closed, msg=str(origin)) as refused:
                self.connect(origin=origin)
            self.assertEqual(refused.exception.code, 403, origin)
        with self.assertRaises(Closed) as refused:
            self.connect(host="evil.example", origin="http://evil.example")
        self.assertEqual(refused.exception.code, 421)
        with self.assertRaises(Closed) as refused:
            self.connect(path="/other")
        self.assertEqual(refused.exception.code, 404)
        self.connect().wait_state(lambda s: True, "a state for the server's own origin")

        self.assertEqual(http_get(self.port, "/")[0], 200)
        self.assertEqual(http_get(self.port, "/remote")[0], 200)
        for path in ("/../../etc/passwd", "/%2e%2e/dvk.ini", "/dvk.ini", "/web/remote.html",
                     "/:/web/remote.html", "/remote/", "/index.html"):
            self.assertEqual(http_get(self.port, path)[0], 404, path)
        self.assertEqual(http_get(self.port, "/", host="evil.example")[0], 421)
        self.assertEqual(http_get(self.port, "/", method="POST")[0], 405)

    def test_oversized_malformed_and_flooding_clients(self):
        before = self.dvk.recovery()
        code = self.pairing_code()
        client = self.connect()
        client.request({"type": "pair", "code": code})
        for text in ("", "{", "[1,2]", '{"type":"visit","score":"60"}', "\u00e9" * 50,
                     '{"type":"visit","score":1e3}', json.dumps({"type": "erase"})):
            self.assertEqual(client.request(text)["reason"], "malformed", text)
        client.send_frame(1, b"\xff\xfe")  # not UTF-8
        big = self.connect()
        big.send('{"type":"undo","pad":"' + "x" * 8000 + '"}')
        with self.assertRaises(Closed):
            while True:
                if big.receive(5) is None:
                    break
        binary = self.connect()
        binary.send_frame(2, b"\x00" * 10)
        with self.assertRaises(Closed):
            while binary.receive(5) is not None:
                pass

        # Requests beyond the budget are refused unread, and a client that goes on sending
        # is dropped.
        flooder = self.connect()
        for _ in range(40):
            flooder.send({"type": "visit", "score": 60})
        answers = [flooder.wait_for(lambda m: m["type"] == "result", "an answer")["reason"]
                   for _ in range(40)]
        self.assertLessEqual(answers.count("not_paired"), 25, "the burst, and what refills")
        self.assertGreaterEqual(answers.count("too_many_requests"), 15)
        dropped = False
        try:
            for _ in range(500):
                flooder.send({"type": "visit", "score": 60})
            while flooder.receive_json(2) is not None:
                pass
        except (Closed, BrokenPipeError, ConnectionResetError):
            dropped = True
        self.assertTrue(dropped, "a client that keeps flooding is dropped")
        self.assert_game_unchanged(before)
        self.dvk.assert_clean_output()

    def test_many_clients_and_one_that_never_reads(self):
        slow = socket.socket()
        slow.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, 1024)
        slow.connect(("127.0.0.1", self.port))
        slow.sendall(("GET /ws HTTP/1.1\r\nHost: 127.0.0.1:%d\r\nUpgrade: websocket\r\n"
                      "Connection: Upgrade\r\nSec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n"
                      "Sec-WebSocket-Version: 13\r\nOrigin: http://127.0.0.1:%d\r\n\r\n"
                      % (self.port, self.port)).encode())
        try:
            for round_ in range(100):
                client = WebSocket(self.port)
                client.wait_state(lambda s: True, f"the state for client {round_}")
                client.close()
            kept = [self.connect() for _ in range(31)]
            for client in kept:
                client.wait_state(lambda s: True, "the state")
            # With 32 clients (the slow one included) the next is turned away.
            with self.assertRaises(Closed) as refused:
                WebSocket(self.port)
            self.assertEqual(refused.exception.code, 503)

            watcher = kept[0]
            started = time.monotonic()
            for points in (100, 60, 45, 26, 81, 41):
                self.enter_visit(self.dvk, points)
            watcher.wait_state(lambda s: s["players"][1]["left"] == 501 - 60 - 26 - 41,
                               "every visit on a page that reads")
            self.assertLess(time.monotonic() - started, 60)
            state = self.dvk.wait_idle_main()
            self.assertEqual((state["player0.remaining"], state["player1.remaining"]),
                             (str(501 - 100 - 45 - 81), str(501 - 60 - 26 - 41)))
            self.dvk.assert_alive()
        finally:
            slow.close()


if __name__ == "__main__":
    main()
