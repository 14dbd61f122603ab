#!/usr/bin/env python3
"""page-seeds.py BASE DIR ISBN...: saves the catalogue service's community,
search and first detail page of each ISBN into DIR, in code page 936 as a
page fetch hands them to the scans. Pages the service does not have are
skipped."""
import re
import sys
import urllib.error
import urllib.request


def fetch(url):
    try:
        with urllib.request.urlopen(url, timeout=10) as answer:
            return answer.read().decode("utf-8")
    except urllib.error.HTTPError:
        return None


def main():
    base, out, isbns = sys.argv[1], sys.argv[2], sys.argv[3:]
    for isbn in isbns:
        search = fetch(f"{base}/BookSearch.aspx?ISBN={isbn}")
        hit = re.search(r'bookdetail\.aspx\?id=([^"]*)"', search or "")
        pages = {
            "community": fetch(f"{base}/isbn/{isbn}/"),
            "search": search,
            "detail": hit and fetch(f"{base}/bookdetail.aspx?id={hit.group(1)}"),
        }
        for kind, text in pages.items():
            if text:
                with open(f"{out}/{kind}-{isbn}.html", "wb") as seed:
                    seed.write(text.encode("gbk", errors="replace"))


main()
