#!/usr/bin/python3
"""Reads the compiled help file with CHMLIB (python3-chm), a reader independent of the compiler that wrote it,
and checks what a user of the help viewer depends on:

  - the file opens, and names its title and its default topic, which exists;
  - every entry of the table of contents and of the index points at a page inside the file (and at an
    anchor of that page when it names one);
  - every link and picture of every page inside the file resolves, anchors included; links that leave the
    file (http:, mailto:) are not followed;
  - every page of the help sources is inside the file, and every page is reachable from the contents.

usage: check-chm.py FILE.chm SOURCE_DIR
Prints one line per failed check and ends with "N passed, N failed"; the exit code is 1 on any failure.
"""
import html.parser
import os
import posixpath
import sys
import urllib.parse

from chm import chm, chmlib


class PageParser(html.parser.HTMLParser):
    """Collects a page's link targets, its anchors and the sitemap parameters of a contents or index file."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.links = []
        self.anchors = set()
        self.locals = []
        self.names = []

    def handle_starttag(self, tag, attrs):
        values = dict(attrs)
        if values.get("id"):
            self.anchors.add(values["id"])
        if tag == "a":
            if values.get("name"):
                self.anchors.add(values["name"])
            if values.get("href"):
                self.links.append(values["href"])
        elif tag in ("img", "script") and values.get("src"):
            self.links.append(values["src"])
        elif tag == "link" and values.get("href"):
            self.links.append(values["href"])
        elif tag == "param":
            name = (values.get("name") or "").lower()
            if name == "local":
                self.locals.append(values.get("value") or "")
            elif name == "name":
                self.names.append(values.get("value") or "")


class HelpFile:
    def __init__(self, path):
        self.file = chm.CHMFile()
        if not self.file.LoadCHM(path):
            raise SystemExit(f"FAIL {path} cannot be opened as a compiled help file\n0 passed, 1 failed")
        self.objects = {}

        def collect(_, unit, __):
            self.objects[unit.path.decode("utf-8", "replace").lower()] = unit.path
            return chmlib.CHM_ENUMERATOR_CONTINUE

        chmlib.chm_enumerate(self.file.file, chmlib.CHM_ENUMERATE_ALL, collect, None)
        self.parsed = {}

    def read(self, path):
        status, unit = self.file.ResolveObject(path.encode("utf-8"))
        if status != chmlib.CHM_RESOLVE_SUCCESS:
            return None
        size, data = self.file.RetrieveObject(unit)
        return data if size == unit.length else None

    def parse(self, path):
        if path not in self.parsed:
            data = self.read(path)
            parser = PageParser()
            if data is not None:
                parser.feed(data.decode("cp1252", "replace"))
            self.parsed[path] = parser
        return self.parsed[path]

    def pages(self):
        return sorted(self.objects[p].decode() for p in self.objects if p.endswith((".htm", ".html")))


def internal_target(base, link):
    """The object path and anchor a link from page base names, or None for a link that leaves the file."""
    parts = urllib.parse.urlsplit(link)
    if parts.scheme or parts.netloc:
        return None
    target = base if not parts.path else posixpath.normpath(posixpath.join(posixpath.dirname(base), parts.path))
    return target, parts.fragment


def main():
    if len(sys.argv) != 3:
        print(__doc__.strip().splitlines()[-2])
        return 2
    help_file = HelpFile(sys.argv[1])
    source_dir = sys.argv[2]
    failures = []
    passed = 0

    def check(condition, message):
        nonlocal passed
        if condition:
            passed += 1
        else:
            failures.append(message)

    def resolves(where, base, link):
        target = internal_target(base, link)
        if target is None:
            return
        path, anchor = target
        if help_file.read(path) is None:
            check(False, f"{where}: '{link}' points at {path}, which is not in the help file")
            return
        check(not anchor or anchor in help_file.parse(path).anchors,
              f"{where}: '{link}' names the anchor #{anchor}, which {path} does not have")

    home = help_file.file.home.decode() if help_file.file.home else ""
    check(bool(help_file.file.title), "the help file names no title")
    check(bool(home) and help_file.read(home) is not None, f"the default topic '{home}' is not in the help file")

    reachable = set()
    for kind, sitemap in (("contents", help_file.file.topics), ("index", help_file.file.index)):
        sitemap = sitemap.decode() if sitemap else ""
        parser = help_file.parse(sitemap) if sitemap else PageParser()
        check(len(parser.locals) > 0, f"the help file has no {kind}")
        check(len(parser.names) == len(parser.locals), f"an entry of the {kind} has no name or no page")
        for local in parser.locals:
            resolves(f"{kind} entry", "/", local)
            if kind == "contents":
                reachable.add(internal_target("/", local)[0])

    pages = help_file.pages()
    for page in pages:
        for link in help_file.parse(page).links:
            resolves(f"page {page}", page, link)
        check(page in reachable, f"page {page} is not in the contents")

    for name in sorted(os.listdir(source_dir)):
        if name.endswith((".htm", ".html", ".css")):
            check(help_file.read("/" + name) is not None, f"source {name} is not in the help file")

    for message in failures:
        print("FAIL " + message)
    print(f"help: {len(pages)} pages, title '{help_file.file.title.decode()}', default topic {home}")
    print(f"{passed} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
