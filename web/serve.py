#!/usr/bin/python3
"""Serves the page's folder on 127.0.0.1 as a static host does: each file with its type,
compressed for browsers that accept gzip, to be checked again on each visit.

Usage: serve.py FOLDER [--port N] [--open]   (port 0, the default, takes a free one)
"""
import argparse
import functools
import gzip
import http.server
import sys
import threading
import webbrowser
from pathlib import Path

TYPES = {
    ".html": "text/html; charset=utf-8",
    ".js": "text/javascript; charset=utf-8",
    ".css": "text/css; charset=utf-8",
    ".wasm": "application/wasm",
    ".webmanifest": "application/manifest+json",
    ".svg": "image/svg+xml",
    ".png": "image/png",
    ".jpg": "image/jpeg",
    ".gif": "image/gif",
    ".ttf": "font/ttf",
    ".json": "application/json",
}
# Worth compressing; pictures are compressed already.
COMPRESSED = {".html", ".js", ".css", ".wasm", ".webmanifest", ".svg", ".ttf", ".json", ""}


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, **TYPES,
                      "": "text/plain"}

    def send_head(self):
        path = Path(self.translate_path(self.path))
        if path.is_dir():
            path = path / "index.html"
        if not path.is_file() or "gzip" not in self.headers.get("Accept-Encoding", "") \
                or path.suffix not in COMPRESSED:
            return super().send_head()
        body = _compressed(path, path.stat().st_mtime_ns)
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(str(path)))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        return _Body(body)

    def end_headers(self):
        self.send_header("Cache-Control", "no-cache")
        self.send_header("Vary", "Accept-Encoding")
        super().end_headers()

    def log_message(self, *arguments):  # quiet: the tests and the bench read the page, not logs
        pass


@functools.lru_cache(maxsize=256)
def _compressed(path, _modified):
    """Compressed once per version of the file, as a static host keeps it."""
    return gzip.compress(path.read_bytes(), 9, mtime=0)


class _Server(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        # A browser that moves on before a file has arrived closes its end: no matter.
        if not isinstance(sys.exc_info()[1], (BrokenPipeError, ConnectionResetError)):
            super().handle_error(request, client_address)


class _Body:
    def __init__(self, data):
        self.data = data

    def read(self, *_):
        data, self.data = self.data, b""
        return data

    def close(self):
        pass


class Server:
    """The folder served from a thread of its own until stop()."""

    def __init__(self, folder, port=0):
        handler = functools.partial(Handler, directory=str(folder))
        self.httpd = _Server(("127.0.0.1", port), handler)
        self.url = f"http://127.0.0.1:{self.httpd.server_address[1]}/"
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("folder", type=Path)
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--open", action="store_true", help="open the page in a browser")
    arguments = parser.parse_args()
    if not (arguments.folder / "index.html").is_file():
        sys.exit(f"serve.py: no page in {arguments.folder}; build it with: "
                 "cmake --preset web && cmake --build --preset web")
    server = Server(arguments.folder, arguments.port)
    print(f"Hourvault is served at {server.url} (Ctrl+C stops it)", flush=True)
    if arguments.open and not webbrowser.open(server.url):
        print("serve.py: no browser to open here; open the address above in one", flush=True)
    try:
        server.thread.join()
    except KeyboardInterrupt:
        server.stop()


if __name__ == "__main__":
    main()
