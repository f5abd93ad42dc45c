"""Clients of dvk's Broadcast room for the end-to-end tests: a WebSocket client made of the
standard library only, a headless Chromium driven over the DevTools protocol (through the same
client), and dvk started with its server on a free loopback port.

Every wait has a deadline; nothing here sleeps a fixed time for the program to catch up.
"""

import base64
import glob
import json
import os
import shutil
import socket
import struct
import subprocess
import tempfile
import time
import urllib.request

from dvk_e2e import E2EError, WAIT_SECONDS, ini_text, wait_until

CHROMIUM = os.environ.get("DVK_CHROMIUM", "/usr/bin/chromium")


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def broadcast_ini(port, extra=None):
    sections = {"broadcast": {"port": port, "lan": 0, "autostart": 1}}
    sections.update(extra or {})
    return ini_text(sections)


class Closed(Exception):
    """The other side closed the connection; `code` is its close code, if it sent one."""

    def __init__(self, code=None):
        super().__init__(f"closed ({code})")
        self.code = code


class WebSocket:
    """A client WebSocket on a loopback port: text messages in and out, close frames seen."""

    def __init__(self, port, path="/ws", origin="default", host=None, timeout=WAIT_SECONDS):
        self.sock = socket.create_connection(("127.0.0.1", port), timeout=timeout)
        try:
            self._handshake(port, path, origin, host)
        except BaseException:
            self.sock.close()
            raise

    def _handshake(self, port, path, origin, host):
        host = host or f"127.0.0.1:{port}"
        key = base64.b64encode(os.urandom(16)).decode()
        lines = [f"GET {path} HTTP/1.1", f"Host: {host}", "Upgrade: websocket",
                 "Connection: Upgrade", f"Sec-WebSocket-Key: {key}", "Sec-WebSocket-Version: 13"]
        if origin == "default":
            origin = f"http://{host}"
        if origin:
            lines.append(f"Origin: {origin}")
        self.sock.sendall(("\r\n".join(lines) + "\r\n\r\n").encode())
        self.buffer = b""
        while b"\r\n\r\n" not in self.buffer:
            chunk = self.sock.recv(4096)
            if not chunk:
                raise Closed()
            self.buffer += chunk
        head, self.buffer = self.buffer.split(b"\r\n\r\n", 1)
        self.status = int(head.split(b" ")[1])
        if self.status != 101:
            raise Closed(self.status)

    def close(self):
        try:
            self.sock.close()
        except OSError:
            pass

    def send_frame(self, opcode, payload):
        header = bytes([0x80 | opcode])
        n = len(payload)
        if n < 126:
            header += bytes([0x80 | n])
        elif n < 65536:
            header += bytes([0x80 | 126]) + struct.pack(">H", n)
        else:
            header += bytes([0x80 | 127]) + struct.pack(">Q", n)
        mask = os.urandom(4)
        masked = bytes(b ^ mask[i % 4] for i, b in enumerate(payload))
        self.sock.sendall(header + mask + masked)

    def send(self, message):
        text = message if isinstance(message, str) else json.dumps(message)
        self.send_frame(1, text.encode())

    def _read(self, n, deadline):
        while len(self.buffer) < n:
            self.sock.settimeout(max(0.01, deadline - time.monotonic()))
            try:
                chunk = self.sock.recv(65536)
            except socket.timeout:
                return None
            except ConnectionResetError:
                raise Closed() from None
            if not chunk:
                raise Closed()
            self.buffer += chunk
        data, self.buffer = self.buffer[:n], self.buffer[n:]
        return data

    def receive(self, seconds=WAIT_SECONDS):
        """The next text message, or None when none came in time; Closed on a close frame."""
        deadline = time.monotonic() + seconds
        message = b""
        while True:
            head = self._read(2, deadline)
            if head is None:
                return None
            fin, opcode, length = head[0] & 0x80, head[0] & 0x0F, head[1] & 0x7F
            if length == 126:
                length = struct.unpack(">H", self._read(2, deadline + 5))[0]
            elif length == 127:
                length = struct.unpack(">Q", self._read(8, deadline + 5))[0]
            payload = self._read(length, deadline + 5) if length else b""
            if opcode == 8:
                code = struct.unpack(">H", payload[:2])[0] if len(payload) >= 2 else None
                raise Closed(code)
            if opcode == 9:
                self.send_frame(10, payload)
                continue
            if opcode in (0, 1):
                message += payload
                if fin:
                    return message.decode("utf-8")

    def receive_json(self, seconds=WAIT_SECONDS):
        text = self.receive(seconds)
        return None if text is None else json.loads(text)

    def wait_for(self, predicate, what, seconds=WAIT_SECONDS):
        """Reads messages until one satisfies `predicate`; returns it."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            message = self.receive_json(max(0.01, deadline - time.monotonic()))
            if message is not None and predicate(message):
                return message
        raise E2EError("timed out waiting for " + what)

    def wait_state(self, predicate, what, seconds=WAIT_SECONDS):
        return self.wait_for(lambda m: m.get("type") == "state" and predicate(m), what, seconds)

    def request(self, message, seconds=WAIT_SECONDS):
        """Sends a request and returns its answer (a result, pairing or paired message)."""
        self.send(message)
        return self.wait_for(lambda m: m.get("type") in ("result", "pairing", "paired"),
                             f"the answer to {message}", seconds)


def http_get(port, path, host=None, method="GET"):
    """Status and body of a request to the server."""
    request = urllib.request.Request(f"http://127.0.0.1:{port}{path}", method=method)
    if host:
        request.add_header("Host", host)
    try:
        with urllib.request.urlopen(request, timeout=WAIT_SECONDS) as response:
            return response.status, response.read()
    except urllib.error.HTTPError as error:
        return error.code, error.read()


def wait_server(port):
    def up():
        try:
            with socket.create_connection(("127.0.0.1", port), timeout=1):
                return True
        except OSError:
            return False
    wait_until(up, f"the server on port {port}")


class Browser:
    """Headless Chromium with one page, read and driven over the DevTools protocol."""

    def __init__(self, url, width=1280, height=720, language="en-US"):
        self.profile = tempfile.mkdtemp(prefix="dvk-chromium-")
        self.log = open(os.path.join(self.profile, "chromium.log"), "w+b")
        self.process = subprocess.Popen(
            [CHROMIUM, "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
             "--no-first-run", "--disable-background-networking", "--disable-component-update",
             "--disable-sync", "--disable-extensions", "--remote-debugging-port=0",
             f"--user-data-dir={self.profile}", f"--window-size={width},{height}",
             f"--lang={language}", "about:blank"],
            stdout=self.log, stderr=subprocess.STDOUT)
        port_file = os.path.join(self.profile, "DevToolsActivePort")

        def written():
            if not os.path.exists(port_file):
                return None
            with open(port_file, encoding="utf-8") as f:
                lines = f.read().splitlines()
            return lines if len(lines) >= 2 else None
        port = int(wait_until(written, "Chromium's DevTools port", seconds=30)[0])
        pages = json.loads(urllib.request.urlopen(f"http://127.0.0.1:{port}/json/list",
                                                  timeout=WAIT_SECONDS).read())
        target = next(p for p in pages if p["type"] == "page")
        path = target["webSocketDebuggerUrl"].split(f":{port}", 1)[1]
        self.devtools = WebSocket(port, path=path, origin=None)
        self.next_id = 0
        self.call("Page.enable")
        self.navigate(url)

    def call(self, method, **params):
        self.next_id += 1
        call_id = self.next_id
        self.devtools.send({"id": call_id, "method": method, "params": params})
        answer = self.devtools.wait_for(lambda m: m.get("id") == call_id, method, seconds=30)
        if "error" in answer:
            raise E2EError(f"{method}: {answer['error']}")
        return answer.get("result", {})

    def navigate(self, url):
        self.call("Page.navigate", url=url)
        wait_until(lambda: self.evaluate("document.readyState") == "complete", "the page to load")

    def evaluate(self, expression):
        result = self.call("Runtime.evaluate", expression=expression, returnByValue=True)
        return result.get("result", {}).get("value")

    def text(self, element_id):
        return self.evaluate(
            f"(function(){{const e=document.getElementById({json.dumps(element_id)});"
            f"return e ? e.textContent : null;}})()")

    def wait_text(self, element_id, expected, seconds=WAIT_SECONDS):
        last = None

        def matches():
            nonlocal last
            last = self.text(element_id)
            return last == str(expected)
        try:
            wait_until(matches, f"#{element_id} to read {expected!r}", seconds=seconds)
        except E2EError as error:
            raise E2EError(f"{error} (it reads {last!r})") from None

    def click(self, selector):
        ok = self.evaluate(
            f"(function(){{const e=document.querySelector({json.dumps(selector)});"
            f"if(!e) return false; e.click(); return true;}})()")
        if not ok:
            raise E2EError(f"nothing to click at {selector}")

    def emulate_phone(self):
        self.call("Emulation.setDeviceMetricsOverride", width=390, height=844,
                  deviceScaleFactor=2, mobile=True)

    def screenshot(self, path):
        data = self.call("Page.captureScreenshot", format="png")["data"]
        with open(path, "wb") as f:
            f.write(base64.b64decode(data))

    def close(self):
        self.devtools.close()
        self.process.kill()
        self.process.wait()
        self.log.close()
        shutil.rmtree(self.profile, ignore_errors=True)
