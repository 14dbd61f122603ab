#!/usr/bin/env python3
"""make-marcxml.py CATALOGUE_DIR OUT_DIR: writes OUT_DIR/marc21.xml and
OUT_DIR/unimarc.xml, one MARCXML record per book of CATALOGUE_DIR/catalogue.txt
that is in the library source, for the Zebra SRU server to index.

Records are made from the library values of the first hit and the community
introduction, with ISBD punctuation at subfield ends as catalogues record it.
A few test ISBNs get deliberate variations (VARIANTS below) so that every
fallback of a MARC reader meets a real record. server/README.md lists what
each value becomes.
"""
import os
import sys
from xml.sax.saxutils import escape

SLIM = "http://www.loc.gov/MARC21/slim"
STAMP = "20240601120000.0"  # fixed, so that the files do not change between runs
ENTERED = STAMP[:8]

# Deliberate variations, by ISBN of the test catalogue.
NON_GBK_TITLE = "Smile \U0001F600 and Thai \u0E01 微笑"
VARIANTS = {
    "marc21": {
        "9787999999999": {"imprint260"},           # 260 instead of 264
        "9787000000002": {"names"},                 # 100/700, no 245 $c
        "9787888888888": {"lcclass"},               # 050, no 084
        "9787333333333": {"two084"},                # 084 rvk, then 084 clc
        "9787000000001": {"subtitle"},              # 245 $b
        "9787666666666": {"nongbk"},                # title outside GBK
    },
    "unimarc": {
        "9787000000002": {"names"},                 # 701/702, no 200 $f
        "9787000000001": {"subtitle"},              # 200 $e
        "9787666666666": {"nongbk"},
    },
}
SUBTITLE = "Too Short to Keep"
NAMES = {"9787000000002": ["曹雪芹", "高鹗"]}
LC_CLASS = ("QA76.76.T48", ".C44 2016")
RVK_CLASS = "ST 230"

FIELDS = ("class", "title", "author", "publisher", "pages", "format", "pubdate", "edition", "price")


def read_catalogue(path):
    """The library books: each a dict of its isbn, the library values of its
    first hit (with the id up to any "&") and its intro paragraphs."""
    books, cur = [], None
    with open(path, encoding="utf-8-sig") as f:
        for raw in f:
            line = raw.strip()
            if not line or line.startswith("#"):
                continue
            if line.startswith("["):
                cur = {"isbn": line[1:-1].strip(), "library": False, "values": {}, "intro": []}
                books.append(cur)
                continue
            key, _, value = (part.strip() for part in line.partition("="))
            if key == "sources":
                cur["library"] = "library" in value.replace(",", " ").split() or "both" in value.split()
            elif key == "community.intro":
                cur["intro"].append(value)
            elif key.startswith("library."):
                name, _, hit = key[8:].partition("@")
                if name in FIELDS and hit in ("", "1"):
                    if hit or name not in cur["values"]:
                        cur["values"][name] = value
                elif name == "id" and "id" not in cur["values"]:
                    cur["values"]["id"] = value.split("&")[0]
    return [b for b in books if b["library"]]


def is_cjk(text):
    return any("\u3000" <= ch <= "\u9fff" or "\uff00" <= ch <= "\uffef" for ch in text)


def closed(text):
    """A field's last subfield ends in a full stop unless it ends in a mark already."""
    return text if text[-1:] in ".?!)]-。" else text + "."


def punctuated(pairs):
    """Subfields (code, text, mark): the mark goes at the end of a subfield that
    another follows; empty texts are dropped."""
    kept = [(c, t, m) for c, t, m in pairs if t]
    return [(c, t + (m if i + 1 < len(kept) else "")) for i, (c, t, m) in enumerate(kept)]


class Record:
    def __init__(self, leader):
        self.leader = leader
        self.controls = []
        self.fields = []

    def control(self, tag, text):
        self.controls.append((tag, text))

    def field(self, tag, ind, subfields):
        if subfields:
            self.fields.append((tag, ind, subfields))

    def xml(self):
        lines = ["  <record>", "    <leader>%s</leader>" % self.full_leader()]
        lines += ['    <controlfield tag="%s">%s</controlfield>' % (t, escape(v)) for t, v in self.controls]
        for tag, ind, subfields in self.fields:
            subs = "".join('<subfield code="%s">%s</subfield>' % (c, escape(v)) for c, v in subfields)
            lines.append('    <datafield tag="%s" ind1="%s" ind2="%s">%s</datafield>' % (tag, ind[0], ind[1], subs))
        lines.append("  </record>")
        return "\n".join(lines)

    def full_leader(self):
        # Lengths as the record would have in ISO 2709, so that a conversion
        # by a MARC tool gives a consistent record.
        sizes = [len(v.encode()) + 1 for _, v in self.controls]
        sizes += [2 + sum(2 + len(v.encode()) for _, v in s) + 1 for _, _, s in self.fields]
        base = 24 + 12 * len(sizes) + 1
        return "%05d%s%05d%s" % (base + sum(sizes) + 1, self.leader[5:12], base, self.leader[17:])


def isbn_code(isbn):
    """$a for an ISBN whose check digit holds, $z (invalid) as catalogues
    record the others."""
    digits = isbn.replace("-", "")
    if len(digits) == 13 and digits.isdigit():
        ok = sum(int(c) * (3 if i % 2 else 1) for i, c in enumerate(digits)) % 10 == 0
    elif len(digits) == 10 and digits[:9].isdigit() and (digits[9].isdigit() or digits[9] in "Xx"):
        ok = sum((10 - i) * (10 if c in "Xx" else int(c)) for i, c in enumerate(digits)) % 11 == 0
    else:
        ok = False
    return "a" if ok else "z"


def year(pubdate):
    return pubdate[:4] if pubdate[:4].isdigit() else "uuuu"


def amount(price):
    """The amount without its currency; nothing when there is no amount."""
    rest = price[3:] if price.startswith("CNY") else price
    return rest if any(ch.isdigit() for ch in rest) else ""


def language(book):
    v = book["values"]
    return "chi" if is_cjk(v.get("title") or v.get("author", "")) else "eng"


def title_of(book, variants):
    return NON_GBK_TITLE if "nongbk" in variants else book["values"].get("title", "")


def nonfiling(title, lang):
    for article in ("The ", "An ", "A "):
        if lang == "eng" and title.startswith(article):
            return str(len(article))
    return "0"


def marc21(book, variants):
    v, isbn, lang = book["values"], book["isbn"], language(book)
    title = title_of(book, variants)
    author, price = v.get("author", ""), amount(v.get("price", ""))
    date, publisher = v.get("pubdate", ""), v.get("publisher", "")
    r = Record("00000nam a2200000 %s 4500" % ("a" if "imprint260" in variants else "i"))
    r.control("001", v.get("id", isbn))
    r.control("005", STAMP)
    # Books: no illustrations, audience or form codes; not a conference, festschrift, index or fiction.
    r.control("008", ENTERED[2:] + "s" + year(date) + "    " + ("cc " if lang == "chi" else "xx ") +
              "           000 0 " + lang + " d")
    r.field("020", "  ", punctuated([(isbn_code(isbn), isbn, " :"), ("c", price, "")]))
    if "lcclass" in variants:
        r.field("050", " 4", [("a", LC_CLASS[0]), ("b", LC_CLASS[1])])
    elif v.get("class"):
        if "two084" in variants:
            r.field("084", "  ", [("a", RVK_CLASS), ("2", "rvk")])
        r.field("084", "  ", [("a", v["class"]), ("2", "clc")])
    names = NAMES.get(isbn) if "names" in variants else None
    if names:
        r.field("100", "0 ", [("a", names[0] + ","), ("e", "author.")])
    elif not title and author:
        r.field("100", "0 ", [("a", closed(author))])
    if title:
        subtitle = SUBTITLE if "subtitle" in variants else ""
        statement = "" if names else author
        subs = punctuated([("a", title, " :" if subtitle else " /"), ("b", subtitle, " /"), ("c", statement, "")])
        subs[-1] = (subs[-1][0], closed(subs[-1][1]))
        r.field("245", ("1" if names else "0") + nonfiling(title, lang), subs)
    if v.get("edition"):
        r.field("250", "  ", [("a", closed(v["edition"]))])
    imprint = punctuated([("a", "[S.l.]", " :"), ("b", publisher, ","), ("c", date, "")])
    if publisher or date:
        imprint[-1] = (imprint[-1][0], closed(imprint[-1][1]))
        if "imprint260" in variants:
            r.field("260", "  ", imprint)
        else:
            r.field("264", " 1", imprint)
    pages = v.get("pages", "") and v["pages"] + " p."
    r.field("300", "  ", punctuated([("a", pages, " ;"), ("c", v.get("format", ""), "")]))
    if book["intro"]:
        r.field("520", "  ", [("a", " ".join(book["intro"]))])
    for name in (names or [])[1:]:
        r.field("700", "0 ", [("a", name + ","), ("e", "author.")])
    return r


def unimarc(book, variants):
    v, isbn, lang = book["values"], book["isbn"], language(book)
    title = title_of(book, variants)
    author, price = v.get("author", ""), amount(v.get("price", ""))
    date, publisher = v.get("pubdate", ""), v.get("publisher", "")
    r = Record("00000nam  2200000   450 ")
    r.control("001", v.get("id", isbn))
    r.field("010", "  ", punctuated([(isbn_code(isbn), isbn, " :"), ("d", price, "")]))
    r.field("100", "  ", [("a", "%sd%s    m  y0%sy50      %s" % (ENTERED, year(date), lang,
                                                                  "ea" if lang == "chi" else "ba"))])
    r.field("101", "0 ", [("a", lang)])
    names = NAMES.get(isbn) if "names" in variants else None
    if title:
        subtitle = SUBTITLE if "subtitle" in variants else ""
        statement = "" if names else author
        r.field("200", "1 ", punctuated([("a", title, " :" if subtitle else " /"), ("e", subtitle, " /"),
                                         ("f", statement, "")]))
    if v.get("edition"):
        r.field("205", "  ", [("a", v["edition"])])
    r.field("210", "  ", punctuated([("c", publisher, ","), ("d", date, "")]))
    pages = v.get("pages", "") and v["pages"] + ("页" if lang == "chi" else " p.")
    r.field("215", "  ", punctuated([("a", pages, " ;"), ("d", v.get("format", ""), "")]))
    if book["intro"]:
        r.field("330", "  ", [("a", " ".join(book["intro"]))])
    if v.get("class"):
        r.field("690", "  ", [("a", v["class"]), ("v", "5")])
    if names:
        r.field("701", " 0", [("a", names[0]), ("4", "070")])
        for name in names[1:]:
            r.field("702", " 0", [("a", name)])
    elif not title and author:
        r.field("700", " 0", [("a", author)])
    return r


def write(path, records):
    with open(path, "w", encoding="utf-8") as out:
        out.write('<?xml version="1.0" encoding="UTF-8"?>\n<collection xmlns="%s">\n' % SLIM)
        for record in records:
            out.write(record.xml() + "\n")
        out.write("</collection>\n")


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: make-marcxml.py CATALOGUE_DIR OUT_DIR")
    books = read_catalogue(os.path.join(sys.argv[1], "catalogue.txt"))
    for flavour, make in (("marc21", marc21), ("unimarc", unimarc)):
        write(os.path.join(sys.argv[2], flavour + ".xml"),
              [make(b, VARIANTS[flavour].get(b["isbn"], set())) for b in books])


main()
