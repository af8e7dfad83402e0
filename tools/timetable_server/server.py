#!/usr/bin/env python3
"""A stand-in timetable server for testing the game's client by hand and in tests.

It speaks the game's container over HTTP POST ("SEMARION1" and a line feed,
then parts "name<TAB>size<LF>" followed by that many bytes) on two endpoints:

  .../rozklad     the client sends a timetable (the template) and its station
                  file; the answer is "today's" timetable: the files of the
                  folder under --data that the X-Stacja header names (a
                  ".opoz" stamped with the present time), and what they lack
                  of the template under "<base>-dzis.roz" and a delays file
                  "<base>-dzis.opoz" made up for its trains;
  .../opoznienia  the client sends "rozklad.opoz"; the answer is the same
                  delays a minute later each, under a fresh stamp.

Every answer also tells what the request looked like: a timetable answer has
a part "zapytanie.txt", a delays answer "#" comment lines (the game skips
them). A path whose segment before the endpoint names a test case answers
that case instead: blad500, dlugie-slowo, pusta, urwana, dwa-rozklady,
zle-nazwy, bez-rozkladu, zly-naglowek, urwana-tresc (a whole timetable
container, but shorter than its Content-Length, then the connection closes),
krzaki (a refusal with bytes code page 1250 leaves undefined), utf8 (a
refusal in UTF-8); and on either endpoint, cisza takes the request and never
answers, cisza-w-srodku sends the headers and the start of the body and then
nothing more, po-bajcie-MS sends the status line and then its headers one
byte every MS milliseconds (1000 without the number), pozne-naglowki-MS is
silent for MS milliseconds, then sends whole headers and its body one byte a
second. A POST to /koniec stops the server.

  python3 tools/timetable_server/server.py --port 8080
  python3 tools/timetable_server/server.py --port 0 --port-file /tmp/port --lifetime 300

Standard library only.
"""
import argparse
import datetime
import http.server
import os
import re
import sys
import threading
import time
import urllib.parse

MAGIC = b"SEMARION1\n"
HERE = os.path.dirname(os.path.abspath(__file__))
# The delays the game's own stand-in script writes are the ones answered here.
sys.path.insert(0, os.path.join(HERE, "..", "..", "game", "narzedzia"))
sys.dont_write_bytecode = True
from wzorzec import count_trains, made_up_delays, stamp_line  # noqa: E402
CASES = ("blad500", "dlugie-slowo", "pusta", "urwana", "dwa-rozklady", "zle-nazwy", "bez-rozkladu", "zly-naglowek",
         "urwana-tresc", "krzaki", "utf8", "cisza", "cisza-w-srodku", "po-bajcie", "pozne-naglowki")
SLOW_CASES = ("cisza", "cisza-w-srodku", "po-bajcie", "pozne-naglowki")
TRICKLE_LIMIT = 600  # seconds: a trickle ends at the latest then


def split_case(segment):
    """The test case a path segment names and its milliseconds ("name-MS"), or ("", None)."""
    match = re.fullmatch(r"(.*?)(?:-(\d+))?", segment)
    if match.group(1) not in CASES:
        return "", None
    return match.group(1), int(match.group(2)) if match.group(2) else None


def build_container(parts):
    """The container of (name, bytes) parts; names are CP1250 text."""
    body = bytearray(MAGIC)
    for name, data in parts:
        body += name.encode("cp1250", "replace") + b"\t" + str(len(data)).encode() + b"\n" + data
    return bytes(body)


def read_container(body):
    """The (name, bytes) parts of a container, or None when it is not one."""
    if not body.startswith(MAGIC):
        return None
    parts, pos = [], len(MAGIC)
    while pos < len(body):
        end = body.find(b"\n", pos)
        if end < 0:
            break
        name, tab, size = body[pos:end].partition(b"\t")
        if not tab or not size.isdigit():
            break
        start, stop = end + 1, end + 1 + int(size)
        if stop > len(body):
            break
        parts.append((name.decode("cp1250", "replace"), body[start:stop]))
        pos = stop
    return parts


def later_delays(text):
    """The delays a minute later: each entry one minute more, a new stamp."""
    out = []
    for line in text.splitlines():
        if line.startswith("POBRANE"):
            out.append(stamp_line())
            continue
        fields = line.split()
        if len(fields) == 3 and all(re.fullmatch(r"-?\d+", f) for f in fields):
            train, arrival, departure = (int(f) for f in fields)
            out.append("%d %d %d" % (train, arrival + 1, departure + 1))
        elif not line.startswith("# zapytanie"):
            out.append(line)
    return "\n".join(out) + "\n"


def stamped(data):
    """A delays file with its stamp line set to the present time."""
    text = data.decode("cp1250", "replace")
    text = re.sub(r"(?m)^POBRANE.*$", stamp_line(), text)
    return text.encode("cp1250", "replace")


class Handler(http.server.BaseHTTPRequestHandler):
    server_version = "SemarionStandIn/1.0"

    def log_message(self, fmt, *args):
        if self.server.verbose:
            sys.stderr.write("%s\n" % (fmt % args))

    def reply(self, status, body):
        self.send_response(status)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def request_lines(self, parts):
        station = urllib.parse.unquote(self.headers.get("X-Stacja", ""), encoding="utf-8")
        lines = ["sciezka: " + self.path,
                 "X-Stacja: " + self.headers.get("X-Stacja", "(brak)"),
                 "stacja: " + station,
                 "X-Token: " + self.headers.get("X-Token", "(brak)"),
                 "Content-Type: " + self.headers.get("Content-Type", "(brak)")]
        lines += ["czesc: %s %d" % (name, len(data)) for name, data in parts]
        return station, lines

    def do_POST(self):
        length = int(self.headers.get("Content-Length", "0") or "0")
        body = self.rfile.read(length) if length > 0 else b""
        path = urllib.parse.urlsplit(self.path).path
        segments = [s for s in path.split("/") if s]
        if segments == ["koniec"]:
            self.reply(200, b"")
            threading.Thread(target=self.server.shutdown, daemon=True).start()
            return
        if self.server.token and self.headers.get("X-Token") != self.server.token:
            self.reply(403, b"Zly token.")
            return
        parts = read_container(body)
        if parts is None:
            self.reply(400, b"To nie jest kontener SEMARION1.")
            return
        endpoint = segments[-1] if segments else ""
        case, ms = split_case(segments[-2]) if len(segments) > 1 else ("", None)
        if case in SLOW_CASES:
            try:
                self.answer_slowly(case, ms)
            except OSError:
                pass  # the client gave up, as it should
            return
        if endpoint == "rozklad":
            self.timetable(parts, case)
        elif endpoint == "opoznienia":
            self.delays(parts, case)
        else:
            self.reply(404, b"Nie ma takiego punktu: " + path.encode("utf-8", "replace"))

    def answer_slowly(self, case, ms):
        """Falls silent, or sends a byte at a time, until the client gives up or the server ends."""
        if case == "po-bajcie":
            self.wfile.write(b"HTTP/1.1 200 OK\r\n")
            self.trickle(b"X-Powoli: " + b"a" * 100000, (ms or 1000) / 1000.0)
        elif case == "pozne-naglowki":
            time.sleep((ms or 0) / 1000.0)
            self.send_response(200)
            self.send_header("Content-Length", "1000")
            self.end_headers()
            self.trickle(MAGIC + b"x" * 990, 1.0)
        elif case == "cisza-w-srodku":
            self.send_response(200)
            self.send_header("Content-Length", "1000")
            self.end_headers()
            self.wfile.write(MAGIC)
            self.wfile.flush()
        time.sleep(TRICKLE_LIMIT)

    def trickle(self, data, interval):
        """Sends data one byte per interval over the socket, for TRICKLE_LIMIT seconds at most."""
        end = time.monotonic() + TRICKLE_LIMIT
        for byte in data:
            if time.monotonic() > end:
                return
            self.wfile.write(bytes([byte]))
            self.wfile.flush()
            time.sleep(interval)

    def timetable(self, parts, case):
        station, lines = self.request_lines(parts)
        question = ("zapytanie.txt", ("\n".join(lines) + "\n").encode("utf-8"))
        if self.answered_as_case(case, question):
            return
        template = next(((n, d) for n, d in parts if n.lower().endswith(".roz")), None)
        if template is None:
            self.reply(400, b"Brak rozkladu-wzorca.")
            return
        base = template[0][:-4] + "-dzis"
        answer = self.station_files(station)
        if not any(name.lower().endswith(".opoz") for name, _ in answer):
            answer.append((base + ".opoz", made_up_delays(count_trains(template[1])).encode("cp1250")))
        if not any(name.lower().endswith(".roz") for name, _ in answer):
            answer.append((base + ".roz", template[1]))
        self.reply(200, build_container([question] + answer))

    def station_files(self, station):
        """The files of the station's folder under --data, delays stamped now."""
        folder = os.path.join(self.server.data, station)
        if not station or station in (".", "..") or "/" in station or "\\" in station or not os.path.isdir(folder):
            return []
        answer = []
        for name in sorted(os.listdir(folder), key=lambda n: (n.lower().endswith(".roz"), n)):
            with open(os.path.join(folder, name), "rb") as f:
                data = f.read()
            answer.append((name, stamped(data) if name.lower().endswith(".opoz") else data))
        return answer

    def answered_as_case(self, case, question):
        roz = ("dzis.roz", b"3,\nTestowo\n0,\n0,\n")
        if case == "blad500":
            self.reply(500, b"Awaria serwera. " + b"x" * 600)
        elif case == "dlugie-slowo":
            self.reply(500, b"W" * 600)
        elif case == "pusta":
            self.reply(200, MAGIC)
        elif case == "urwana":
            self.reply(200, build_container([question, roz]) + b"ucieta.roz\t100\nkrotko")
        elif case == "dwa-rozklady":
            self.reply(200, build_container([("pierwszy.roz", b"1"), question, ("drugi.ROZ", b"2")]))
        elif case == "zle-nazwy":
            bad = [("..\\wyzej.roz", b"x"), ("../wyzej2.roz", b"x"), ("C:poza.roz", b"x"), ("", b"x"),
                   ("podkatalog\\plik.roz", b"x")]
            self.reply(200, build_container(bad + [question, roz]))
        elif case == "bez-rozkladu":
            self.reply(200, build_container([question]))
        elif case == "zly-naglowek":
            self.reply(200, b"SEMARION2\nplik.roz\t1\nx")
        elif case == "urwana-tresc":
            self.cut_reply(build_container([question, roz, ("dzis.opoz", b"0 1 1\n")]))
        elif case in ("krzaki", "utf8"):
            self.refusal_in_odd_bytes(case)
        else:
            return False
        return True

    def cut_reply(self, body):
        """A reply that announces more than it sends, then closes the connection."""
        self.send_response(200)
        self.send_header("Content-Length", str(len(body) + 100))
        self.end_headers()
        self.wfile.write(body)
        self.wfile.flush()
        self.close_connection = True

    def refusal_in_odd_bytes(self, case):
        if case == "krzaki":
            self.reply(500, b"Blad \x81\x83\x88\x90\x98 serwera \xb3\xb9cza")
        else:
            self.reply(500, "BŁĄD SERWERA ☃".encode("utf-8"))

    def delays(self, parts, case):
        _, lines = self.request_lines(parts)
        if case in ("krzaki", "utf8"):
            self.refusal_in_odd_bytes(case)
        elif case == "urwana-tresc":
            self.cut_reply(build_container([("rozklad.opoz", b"0 1 1\n")]))
        elif case == "pusta":
            self.reply(200, MAGIC)
        elif case == "urwana":
            self.reply(200, MAGIC + b"rozklad.opoz\t500\nkrotko")
        elif case == "blad500":
            self.reply(500, b"Awaria serwera.")
        elif case == "zly-naglowek":
            self.reply(200, b"<html>nie ten serwer</html>")
        elif case == "bez-rozkladu":
            self.reply(200, build_container([("rozklad.opoz", b"")]))
        elif not parts:
            self.reply(400, b"Brak czesci rozklad.opoz.")
        else:
            text = later_delays(parts[0][1].decode("cp1250", "replace"))
            comments = "".join("# zapytanie %s\n" % line for line in lines)
            self.reply(200, build_container([("rozklad.opoz", (comments + text).encode("cp1250", "replace"))]))


class Server(http.server.ThreadingHTTPServer):
    daemon_threads = True


def main(argv=None):
    parser = argparse.ArgumentParser(description="Zastepczy serwer rozkladow gry Semarion.")
    parser.add_argument("--host", default="127.0.0.1")
    parser.add_argument("--port", type=int, default=8080, help="0: any free port")
    parser.add_argument("--port-file", help="write the port here once listening")
    parser.add_argument("--data", default=os.path.join(HERE, "dane"), help="one folder per station")
    parser.add_argument("--token", default="", help="refuse requests without this X-Token")
    parser.add_argument("--lifetime", type=float, default=0, help="stop after this many seconds, 0: never")
    parser.add_argument("--verbose", action="store_true")
    args = parser.parse_args(argv)

    server = Server((args.host, args.port), Handler)
    server.data, server.token, server.verbose = args.data, args.token, args.verbose
    port = server.server_address[1]
    if args.port_file:
        with open(args.port_file + ".tmp", "w") as f:
            f.write("%d\n" % port)
        os.replace(args.port_file + ".tmp", args.port_file)
    if args.lifetime > 0:
        timer = threading.Timer(args.lifetime, server.shutdown)
        timer.daemon = True
        timer.start()
    print("Serwer rozkladow na http://%s:%d" % (args.host, port), flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    server.server_close()


if __name__ == "__main__":
    main()
