#!/usr/bin/env python3
"""Checks of vornak-report's HTML page as a browser rendered it.

  html_page_check.py requests NETLOG        the page's own network requests
  html_page_check.py dom PAGE DOM MACHINES  the rendered DOM against the page

`requests` prints one URL per request that the page made (not the browser's
own background traffic) and exits 1 if there was any. `dom` checks that the
browser kept the page's structure, that every section and chart is there and
that each chart shows MACHINES machines; it prints what it missed and exits 1.
"""
import json
import re
import sys
from html.parser import HTMLParser


def page_requests(netlog_path):
    with open(netlog_path, encoding="utf-8") as f:
        log = json.load(f)
    start_job = log["constants"]["logEventTypes"]["URL_REQUEST_START_JOB"]
    urls = []
    for event in log.get("events", []):
        if event.get("type") != start_job:
            continue
        p = event.get("params", {})
        # A request of a page has the page (here a file) as its initiator or
        # its top frame; the browser's own requests have neither.
        by_page = p.get("initiator") not in (None, "not an origin") or "file:" in p.get("network_isolation_key", "")
        if by_page:
            urls.append(p.get("url", "?"))
    return urls


# A report line of the test's K6 profile (a font name), which must show as
# this text: the page's escaping in the browser's own reading.
HOSTILE = "Regular : <img src=\"http://127.0.0.1:9/escape.png\" alt=x> & \"q\" 'a' <i>it</i>"


class Structure(HTMLParser):
    """Counts elements and follows the charts: per SVG its class, the bars of
    machines (g.mine) in it and its line paths."""

    VOID = {"meta", "br", "hr", "img", "input", "link", "line", "rect", "circle", "polygon", "path"}

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.counts = {}
        self.svgs = []
        self.stack = []
        self.errors = []
        self.text = []

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        self.counts[tag] = self.counts.get(tag, 0) + 1
        if tag == "svg":
            self.svgs.append({"class": a.get("class", ""), "mine": 0, "paths": 0})
        elif self.svgs and "svg" in self.stack:
            if tag == "g" and a.get("class") == "mine":
                self.svgs[-1]["mine"] += 1
            if tag == "path" and a.get("fill") == "none":
                self.svgs[-1]["paths"] += 1
        if tag not in self.VOID:
            self.stack.append(tag)

    def handle_startendtag(self, tag, attrs):
        self.handle_starttag(tag, attrs)
        if tag not in self.VOID:
            self.stack.pop()

    def handle_endtag(self, tag):
        if tag in self.VOID:
            return
        if not self.stack or self.stack[-1] != tag:
            self.errors.append("</%s> closes <%s>" % (tag, self.stack[-1] if self.stack else "nothing"))
            if tag in self.stack:
                while self.stack and self.stack.pop() != tag:
                    pass
            return
        self.stack.pop()

    def handle_data(self, data):
        self.text.append(data)


def parse(path):
    s = Structure()
    with open(path, encoding="utf-8") as f:
        s.feed(f.read())
    s.close()
    return s


def check_dom(page_path, dom_path, machines):
    page, dom = parse(page_path), parse(dom_path)
    missed = ["page: " + e for e in page.errors]
    if page.stack:
        missed.append("page: unclosed " + " ".join(page.stack))
    # A page written as valid HTML is kept as written; a misnested one the
    # parser rebuilds, and the counts move.
    for tag in ("section", "details", "summary", "svg", "figure", "table", "div", "g"):
        if page.counts.get(tag, 0) != dom.counts.get(tag, 0):
            missed.append("%s: %d in the page, %d rendered" % (tag, page.counts.get(tag, 0), dom.counts.get(tag, 0)))
    with open(dom_path, encoding="utf-8") as f:
        rendered = f.read()
    for section in ("summary", "memory", "processor", "report"):
        if not re.search(r'<section id="%s">' % section, rendered):
            missed.append("section " + section)
    ranks = [s for s in dom.svgs if s["class"] == "rank"]
    mems = [s for s in dom.svgs if s["class"] == "mem"]
    if len(ranks) < 2:
        missed.append("ranking charts: %d" % len(ranks))
    for i, s in enumerate(ranks):
        if s["mine"] != machines:
            missed.append("ranking chart %d shows %d machines" % (i, s["mine"]))
    if len(mems) != 1 or mems[0]["paths"] != machines:
        missed.append("memory chart: %s" % mems)
    if page.counts.get("details", 0) < 20:
        missed.append("the outline has %d folds" % page.counts.get("details", 0))
    text = "".join(dom.text)
    for needle in ("Pentium III (Katmai", "AMD K6", "\uff2d\uff33 \u660e\u671d", HOSTILE):
        if needle not in text:
            missed.append("text " + needle)
    # Its markup made no element: the page writes no img and no i.
    for tag in ("img", "i"):
        if dom.counts.get(tag, 0):
            missed.append("%d <%s> elements from a report line" % (dom.counts[tag], tag))
    return missed


def main():
    if sys.argv[1] == "requests":
        urls = page_requests(sys.argv[2])
        for u in urls:
            print(u)
        return 1 if urls else 0
    missed = check_dom(sys.argv[2], sys.argv[3], int(sys.argv[4]))
    for m in missed:
        print("missing or wrong: " + m)
    return 1 if missed else 0


if __name__ == "__main__":
    sys.exit(main())
