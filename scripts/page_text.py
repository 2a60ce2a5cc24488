#!/usr/bin/env python3
"""Prints an HTML page the program wrote (Windows-1252) as plain text, one table row a line."""
import html.parser
import sys


class PageText(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.lines, self.line, self.skip = [], [], 0

    def handle_starttag(self, tag, attrs):
        if tag in ("style", "script", "title"):
            self.skip += 1
        elif tag in ("tr", "br", "p", "h1", "h2", "h3", "pre", "div"):
            self.flush()

    def handle_endtag(self, tag):
        if tag in ("style", "script", "title"):
            self.skip -= 1
        elif tag in ("tr", "p", "h1", "h2", "h3", "table"):
            self.flush()

    def handle_data(self, data):
        if not self.skip:
            self.line.append(data)

    def flush(self):
        text = "".join(self.line).rstrip()
        if text.strip():
            self.lines.append(text)
        self.line = []


for path in sys.argv[1:]:
    parser = PageText()
    with open(path, encoding="windows-1252", errors="replace") as page:
        parser.feed(page.read())
    parser.flush()
    print(f"-- {path}")
    print("\n".join(parser.lines))
