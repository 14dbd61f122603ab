#!/usr/bin/env python3
"""Checks a running quillfind-server the way the Windows client reads it.

usage: smoke_check.py BASE_URL DATA_DIR [--test-catalogue]

Every page is read like the client does: UTF-8 lines converted to GBK, joined
with CRLF, only the first 850 lines, then the fixed markers are searched as
bytes. The values found must match what catalogue.txt says.
"""
import subprocess
import sys
import time
import urllib.error
import urllib.request

MAX_LINES = 850
INTRO_TAIL = 69

failures = []


def check(cond, what):
    if not cond:
        failures.append(what)
        print("FAIL:", what)


def get(url, timeout=10):
    """(status, headers, body bytes) without raising on HTTP errors."""
    try:
        with urllib.request.urlopen(url, timeout=timeout) as r:
            return r.status, r.headers, r.read()
    except urllib.error.HTTPError as e:
        return e.code, e.headers, e.read()


def client_text(url):
    """The page as the client's fetcher hands it on (GBK bytes)."""
    status, _, body = get(url)
    if status != 200:
        return b""
    lines = body.split(b"\n")
    if lines and lines[-1] == b"":
        lines.pop()
    out = b""
    for line in lines[:MAX_LINES]:
        out += line.decode("utf-8").encode("gbk", errors="replace") + b"\r\n"
    return out.rstrip(b" \t\r\n\v\f")


def after_tags(page, marker, n):
    p = page.find(marker)
    if p < 0:
        return b""
    for _ in range(max(n, 1)):
        q = page.find(b">", p)
        if q < 0:
            return b""
        p = q + 1
    e = page.find(b"<", p)
    return b"" if e < 0 else page[p:e]


def ws_trim(b):
    return b.strip(b" \t\r\n\v\f")


def community_lookup(base, cover_base, isbn):
    page = client_text(base + "/isbn/" + isbn + "/")
    r = {}
    if not page:
        return r
    r["title"] = after_tags(page, '<span property="v:itemreviewed">'.encode(), 1)
    r["author"] = after_tags(page, '<span class="pl"> 作者</span>:'.encode("gbk"), 3)
    if not r["title"] and not r["author"]:
        return {}
    r["publisher"] = after_tags(page, '<span class="pl">出版社:'.encode("gbk"), 2)
    r["pages"] = after_tags(page, '<span class="pl">页数:'.encode("gbk"), 2)
    r["pubdate"] = after_tags(page, '<span class="pl">出版年:'.encode("gbk"), 2)
    price = after_tags(page, '<span class="pl">定价:'.encode("gbk"), 2)
    marker = ('href="' + cover_base).encode()
    p = page.find(marker)
    cover = b""
    if p >= 0:
        s = p + len(marker)
        e = page.find(b'"', s)
        cover = page[s:e] if e >= 0 else b""
    intro = b""
    p = page.find(b'<div class="intro">')
    if p >= 0:
        s = p + 19
        e = page.find(b"</div>", s)
        if e >= 0 and e - s - INTRO_TAIL > 0:
            intro = page[s:e - INTRO_TAIL]
        intro = intro.replace(b"<p>", b"").replace(b"</p>", b"\r\n")
    r["price"] = price[:-2] if len(price) >= 2 else b""
    r["cover"] = cover_base.encode() + cover
    r["intro"] = intro
    return {k: ws_trim(v).decode("gbk") for k, v in r.items()}


LIB_LABELS = ["分类号：", "题名：", "责任者：", "出版社：", "页数：", "开本", "出版日期：", "版次", "定价："]
LIB_KEYS = ["class", "title", "author", "publisher", "pages", "format", "pubdate", "edition", "price"]


def library_lookup(base, isbn):
    page = client_text(base + "/BookSearch.aspx?ISBN=" + isbn)
    if not page:
        return {}
    p = page.find(b"bookdetail.aspx?id=")
    if p < 0:
        return {}
    e = page.find(b'"', p + 19)
    ident = page[p + 19:e].decode("gbk")
    page = client_text(base + "/bookdetail.aspx?id=" + ident)
    if not page:
        return {}
    r = {k: b"" for k in LIB_KEYS}
    for key, label in zip(LIB_KEYS, LIB_LABELS):
        lb = label.encode("gbk")
        q = page.find(lb)
        if q <= 0:
            continue
        r[key] = after_tags(page[q:], lb, 3)
        if key == "title" and not r[key]:
            return {"class": ws_trim(r["class"]).decode("gbk")}
    r["price"] = r["price"][3:] if len(r["price"]) > 3 else b""
    out = {k: ws_trim(v).decode("gbk") for k, v in r.items()}
    out["id"] = ident
    return out


def parse_catalogue(path):
    books, cur = {}, None
    for raw in open(path, encoding="utf-8"):
        t = raw.strip()
        if not t or t.startswith("#"):
            continue
        if t.startswith("["):
            cur = {"isbn": t[1:-1], "community": {}, "library": {}, "ids": [], "over": {}}
            books[cur["isbn"]] = cur
            continue
        k, v = [x.strip() for x in t.split("=", 1)]
        if k == "sources":
            cur["sources"] = v.replace(",", " ").split()
        elif k.startswith("community."):
            c = k[10:]
            if c in ("author", "intro", "translator"):
                cur["community"].setdefault(c, []).append(v)
            else:
                cur["community"][c] = v
        elif k == "library.id":
            cur["ids"].append(v)
        elif k.startswith("library."):
            c = k[8:]
            if "@" in c:
                f, n = c.split("@")
                cur["over"].setdefault(int(n), {})[f] = v
            else:
                cur["library"][c] = v
    return books


def as_client(values):
    """Values as the client's code page 936 text holds them: a character
    outside GBK is one "?"."""
    return {k: v.encode("gbk", errors="replace").decode("gbk") for k, v in values.items()}


def expected_community(book, cover_base):
    c = book["community"]
    if "community" not in book["sources"] and "both" not in book["sources"]:
        return {}
    if c.get("deep") == "yes":
        return {}
    title = c.get("title", "")
    author = (c.get("author") or [""])[0]
    if not title and not author:
        return {}
    price = (" " + c["price"]).encode("gbk", errors="replace")[:-2] if "price" in c else b""
    intro = "\r\n".join(p for p in c.get("intro", []) if p)
    return {
        "title": title,
        "author": author,
        "publisher": c.get("publisher", ""),
        "pages": c.get("pages", ""),
        "pubdate": c.get("pubdate", ""),
        "price": ws_trim(price).decode("gbk"),
        "cover": cover_base + c.get("cover", ""),
        "intro": intro,
    }


def expected_library(book):
    if "library" not in book["sources"] and "both" not in book["sources"]:
        return {}
    lib = dict(book["library"])
    lib.update(book["over"].get(1, {}))
    if lib.get("deep") == "yes":  # the hit is found, but no row is readable
        return dict({k: "" for k in LIB_KEYS}, id=book["ids"][0])
    if "title" in lib and lib["title"] == "":
        return {"class": lib.get("class", "")}
    r = {k: lib.get(k, "") for k in LIB_KEYS}
    price = lib.get("price", "").encode("gbk", errors="replace")
    r["price"] = price[3:].decode("gbk") if len(price) > 3 else ""
    r["id"] = book["ids"][0]
    return r


def main():
    base, data = sys.argv[1], sys.argv[2]
    test_catalogue = "--test-catalogue" in sys.argv
    cover_base = base + "/lpic/"
    books = parse_catalogue(data + "/catalogue.txt")

    for isbn, book in books.items():
        got, want = community_lookup(base, cover_base, isbn), as_client(expected_community(book, cover_base))
        check(got == want, "community %s: got %r want %r" % (isbn, got, want))
        got, want = library_lookup(base, isbn), as_client(expected_library(book))
        check(got == want, "library %s: got %r want %r" % (isbn, got, want))

        # Every page keeps the 69-byte intro tail and has its markers where
        # the client can (or, for deep pages, cannot) see them.
        for path in ("/isbn/%s/" % isbn, "/BookSearch.aspx?ISBN=%s" % isbn) + tuple(
                "/bookdetail.aspx?id=%s" % i for i in book["ids"]):
            status, _, body = get(base + path)
            text = body.decode("utf-8")
            lines = text.split("\n")
            for n, line in enumerate(lines, 1):
                if '<div class="intro">' in line:
                    check(line.endswith("</div>"), "%s: intro line must end in </div>" % path)
                    tail = line[-6 - INTRO_TAIL:-6]
                    check(len(tail.encode("gbk")) == INTRO_TAIL and tail.isascii(),
                          "%s: intro tail is not 69 ASCII bytes" % path)
                if 'v:itemreviewed' in line or '<td class="lbl">' in line:
                    deep = book["community" if path.startswith("/isbn") else "library"].get("deep") == "yes"
                    check((n > 900) if deep else (n <= MAX_LINES), "%s: marker on line %d" % (path, n))
            if status == 200:
                check(len(lines) > 180, "%s: only %d lines" % (path, len(lines)))

    status, _, body = get(base + "/isbn/9780000000000/")
    check(status == 404 and body, "unknown ISBN: community page must be 404 with a body")
    check(not library_lookup(base, "9780000000000"), "unknown ISBN: no library hit")
    status, _, body = get(base + "/nothing/here")
    check(status == 404 and body, "unknown path must be 404 with a body")
    status, _, body = get(base + "/bookdetail.aspx?id=424242")
    check(status == 404, "unknown detail id must be 404")

    if test_catalogue:
        explicit_checks(base, cover_base)
    scenario_checks(base, data)
    sru_checks(base)

    print("%d passed, %d failed" % (1 if not failures else 0, 1 if failures else 0))
    return 1 if failures else 0


def explicit_checks(base, cover_base):
    """The test ISBNs, spelled out independently of the catalogue parser."""
    c = community_lookup(base, cover_base, "9787111111111")
    check(c == {"title": "Practical Test Engineering 实用测试工程", "author": "Alice Zhang",
                "publisher": "Quill Press 羽笔出版社", "pages": "321", "pubdate": "2008-6", "price": "45.00",
                "cover": cover_base + "solid.jpg",
                "intro": "A hands-on guide to testing desktop programs.\r\n第二段：介绍自动化测试的方法。"},
          "explicit 9787111111111 community: %r" % c)
    lib = library_lookup(base, "9787111111111")
    check(lib.get("price") == "45.00" and lib.get("format") == "16开", "explicit 9787111111111 library: %r" % lib)
    check(community_lookup(base, cover_base, "9787222222222")["cover"] == cover_base + "red.jpg", "9787222222222 cover")
    check(not library_lookup(base, "9787222222222"), "9787222222222 is community only")
    check(not community_lookup(base, cover_base, "9787333333333"), "9787333333333 is library only")
    check(not community_lookup(base, cover_base, "9787444444444"), "9787444444444 stops early")
    c = community_lookup(base, cover_base, "9787555555555")
    check(c["title"] == "" and c["author"] == "Carol Wu" and c["price"] == "8" and c["intro"] == ""
          and c["cover"] == cover_base, "9787555555555: %r" % c)
    c = community_lookup(base, cover_base, "9787666666666")
    check(c["author"] == "" and c["price"] == "", "9787666666666 community: %r" % c)
    lib = library_lookup(base, "9787666666666")
    check(lib["title"] == "" and lib["author"] == "匿名著" and lib["price"] == "", "9787666666666 library: %r" % lib)
    check(library_lookup(base, "9787777777777") == {"class": "I712.45"}, "9787777777777 stops at the title")
    lib = library_lookup(base, "9787888888888")
    check(lib["id"] == "8801&from=search&page=1" and lib["title"] == "First Hit Title", "9787888888888: %r" % lib)
    for ident, title in (("8802", "Second Hit Title"), ("8803", "Third Hit Title")):
        _, _, body = get(base + "/bookdetail.aspx?id=" + ident)
        check(("<span>%s</span>" % title) in body.decode(), "hit %s title" % ident)
    _, _, body = get(base + "/BookSearch.aspx?ISBN=9787888888888")
    check(body.decode().count("bookdetail.aspx?id=") == 3, "9787888888888 has three hits")
    check(not community_lookup(base, cover_base, "9787999999999"), "9787999999999 community is deep")
    lib = library_lookup(base, "9787999999999")
    check(not lib["title"] and not lib["author"] and not lib["class"], "9787999999999 library is deep")
    check(community_lookup(base, cover_base, "9787000000001")["price"] == "", "9787000000001 community price")
    check(library_lookup(base, "9787000000001")["price"] == "", "9787000000001 library price")
    c = community_lookup(base, cover_base, "9787000000002")
    check(c["title"] == "红楼梦" and c["author"] == "曹雪芹" and c["publisher"] == "人民文学出版社",
          "9787000000002: %r" % c)


def scenario_checks(base, data):
    def lines_of(url):
        return client_text(url).split(b"\r\n")

    check(len(lines_of(base + "/test/lines?n=850")) == 850, "850 lines kept")
    got = lines_of(base + "/test/lines?n=851")
    check(len(got) == 850 and got[-1] == b"line 850", "851st line dropped")
    _, _, body = get(base + "/test/lines?n=3")
    check(body == b"line 1\nline 2\nline 3\n", "lines body")
    for code in (404, 500):
        status, _, body = get(base + "/test/status?code=%d" % code)
        check(status == code and body, "status %d with a body" % code)

    status, headers, _ = get(base + "/test/chinese")
    check(client_text(base + "/test/chinese").count("红楼梦".encode("gbk")) == 1, "chinese converts")
    _, _, body = get(base + "/test/nongbk")
    try:
        body.decode().encode("gbk")
        check(False, "nongbk must not convert cleanly")
    except UnicodeEncodeError:
        pass

    _, headers, body = get(base + "/test/noline?mb=3")
    check(len(body) == 3 << 20 and b"\n" not in body and set(body) == {ord("a")}, "noline 3 MiB")
    _, headers, body = get(base + "/test/notpicture")
    check(headers["Content-Type"] == "image/jpeg" and body.startswith(b"<!DOCTYPE html>"), "notpicture")

    # An early close: curl reports a transfer cut short (18) after 5 lines.
    r = subprocess.run(["curl", "-s", base + "/test/drop?lines=5"], capture_output=True)
    check(r.returncode == 18 and r.stdout == b"".join(b"line %d\n" % i for i in range(1, 6)),
          "drop: rc %d, %r" % (r.returncode, r.stdout[:80]))

    t = time.time()
    _, _, body = get(base + "/test/stall?seconds=2")
    check(body == b"stall begin\nstall end\n" and 1.9 < time.time() - t < 4, "stall 2 s")
    for path in ("/isbn/stall/", "/BookSearch.aspx?ISBN=stall", "/bookdetail.aspx?id=stall", "/lpic/stall.jpg"):
        t = time.time()
        r = subprocess.run(["curl", "-s", "-o", "/dev/null", "-w", "%{http_code}", "--max-time", "1.5", base + path],
                           capture_output=True)
        check(r.returncode == 28 and r.stdout == b"200", "%s stalls after its headers (rc %d, %r)" %
              (path, r.returncode, r.stdout))

    import glob
    import os
    for f in glob.glob(data + "/lpic/*.jpg"):
        status, headers, body = get(base + "/lpic/" + os.path.basename(f))
        check(status == 200 and headers["Content-Type"] == "image/jpeg" and body == open(f, "rb").read(),
              "cover " + f)
    status, _, _ = get(base + "/lpic/missing.jpg")
    check(status == 404, "missing cover is 404")

    get(base + "/__reset")
    check(get(base + "/__stats?path=/isbn/")[2] == b"0", "reset zeroes the counters")
    get(base + "/isbn/9787000000002/")
    get(base + "/isbn/9787000000002/")
    get(base + "/BookSearch.aspx?ISBN=9787000000002")
    check(get(base + "/__stats?path=%2Fisbn%2F9787000000002%2F")[2] == b"2", "stats count per path")
    check(get(base + "/__stats?path=/BookSearch.aspx%3FISBN%3D9787000000002")[2] == b"1", "stats with query")
    check(get(base + "/__stats?path=/")[2] == b"3", "stats do not count themselves")



def sru_checks(base):
    """The canned SRU answers as server/README.md describes them."""
    import xml.etree.ElementTree as ET
    sru1, sru2 = "{http://www.loc.gov/zing/srw/}", "{http://docs.oasis-open.org/ns/search-ws/sruResponse}"
    slim = "{http://www.loc.gov/MARC21/slim}"
    query = "?version=1.1&operation=searchRetrieve&query=bath.isbn%3D9787111111111&maximumRecords=1"

    def answer(name):
        status, headers, body = get(base + "/sru/" + name + query)
        check(status == 200, "sru %s: status %d" % (name, status))
        return headers, body

    def titles(root, ns):
        records = [ET.fromstring(d.text) if len(d) == 0 else d[0] for d in root.iter(ns + "recordData")]
        return [sf.text for r in records for f in r.iter(slim + "datafield") if f.get("tag") == "245"
                for sf in f if sf.get("code") == "a"]

    for name, ns, count, want in (("v11", sru1, "1", ["Version 1.1 记录 /"]), ("v12", sru1, "1", ["Version 1.2 记录 /"]),
                                  ("v20", sru2, "1", ["Version 2.0 记录 /"]), ("string", sru1, "1", ["Escaped 记录 /"]),
                                  ("zero", sru1, "0", []), ("notitle", sru1, "1", []),
                                  ("two", sru1, "2", ["First of two 记录 /", "Second of two 记录 /"]),
                                  ("diagnostic", sru1, "0", []),
                                  ("wrongns", "{http://example.org/not-sru/}", "1", ["Wrong namespace 记录 /"])):
        root = ET.fromstring(answer(name)[1])
        check(root.tag == ns + "searchRetrieveResponse" and root.find(ns + "numberOfRecords").text == count and
              titles(root, ns) == want, "sru %s: %r" % (name, titles(root, ns)))
    _, body = answer("diagnostic")
    check(b"<diag:uri>info:srw/diagnostic/1/16</diag:uri>" in body and b"Unsupported index" in body, "sru diagnostic")
    _, body = answer("bomb")
    check(b"<!ENTITY lol9 " in body and b"&lol9;" in body, "sru bomb")
    get(base + "/__reset")
    _, body = answer("external")
    check((b'SYSTEM "%s/sru/secret">' % base.encode()) in body and b"file:///etc/passwd" in body and
          get(base + "/__stats?path=/sru/secret")[2] == b"0", "sru external")
    _, body = answer("truncated")
    check(body.endswith(b'<subfield code="a">Trunc'), "sru truncated")
    _, body = answer("huge")
    check(len(body) == 10487314 and ET.fromstring(body).tag == sru1 + "searchRetrieveResponse", "sru huge")
    headers, body = answer("notxml")
    check(headers["Content-Type"].startswith("text/html") and body.startswith(b"<!DOCTYPE html>"), "sru notxml")
    check(get(base + "/sru/nothing" + query)[0] == 404, "sru unknown name")


if __name__ == "__main__":
    sys.exit(main())
