#include "catalogue.h"


#include <cctype>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>

namespace {

const char *const kLibraryKeys[kLibraryFieldCount] = {
    "class", "title", "author", "publisher", "pages", "format", "pubdate", "edition", "price",
};

std::string trim(const std::string &s) {
    std::size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b])))
        ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1])))
        --e;
    return s.substr(b, e - b);
}

int libraryFieldIndex(const std::string &key) {
    for (std::size_t i = 0; i < kLibraryFieldCount; ++i)
        if (key == kLibraryKeys[i]) return static_cast<int>(i);
    return -1;
}

// Everything needed while one [ISBN] section is being read.
struct Section {
    Book book;
    int line = 0;
    bool sourcesSeen = false;
    bool communityKeys = false;
    bool libraryKeys = false;
    std::vector<std::string> ids;
    LibraryRecord base;
    std::map<int, std::vector<std::pair<std::size_t, std::string>>> overrides; // hit number -> fields
    std::set<std::string> seenKeys;
};

class Parser {
public:
    explicit Parser(std::string path) : path_(std::move(path)) {}

    [[noreturn]] void fail(int line, const std::string &what) const {
        std::ostringstream os;
        os << path_ << ":" << line << ": " << what;
        throw std::runtime_error(os.str());
    }

    void checkValue(int line, const std::string &key, const std::string &value) const {
        // These bytes end or delimit a value for the scraper; inside a
        // value they would silently cut it short.
        if (value.find_first_of("<>\"") != std::string::npos)
            fail(line, "value of '" + key + "' must not contain <, > or \"");
    }

    bool flag(int line, const std::string &key, const std::string &value) const {
        if (value == "yes") return true;
        if (value == "no") return false;
        fail(line, "'" + key + "' takes yes or no");
    }

    void apply(Section &s, int line, const std::string &key, const std::string &value) {
        checkValue(line, key, value);
        CommunityEntry &c = s.book.community;
        const bool repeatable = key == "community.author" || key == "community.translator" ||
                                key == "community.intro" || key == "library.id";
        if (!repeatable && !s.seenKeys.insert(key).second) fail(line, "duplicate key '" + key + "'");

        if (key == "sources") {
            s.sourcesSeen = true;
            std::string words = value;
            for (char &ch : words)
                if (ch == ',') ch = ' ';
            std::istringstream is(words);
            std::string w;
            while (is >> w) {
                if (w == "community")
                    s.book.inCommunity = true;
                else if (w == "library")
                    s.book.inLibrary = true;
                else if (w == "both")
                    s.book.inCommunity = s.book.inLibrary = true;
                else
                    fail(line, "unknown source '" + w + "'");
            }
            return;
        }
        if (key.compare(0, 10, "community.") == 0) {
            s.communityKeys = true;
            const std::string k = key.substr(10);
            if (k == "title")
                c.title = value;
            else if (k == "publisher")
                c.publisher = value;
            else if (k == "pages")
                c.pages = value;
            else if (k == "pubdate")
                c.pubdate = value;
            else if (k == "price")
                c.price = value;
            else if (k == "cover") {
                if (value.find('/') != std::string::npos) fail(line, "cover is a bare file name");
                c.cover = value;
            } else if (k == "author") {
                if (!c.authors) c.authors.emplace();
                c.authors->push_back(value);
            } else if (k == "translator") {
                c.translators.push_back(value);
            } else if (k == "intro") {
                if (!c.intro) c.intro.emplace();
                c.intro->push_back(value);
            } else if (k == "deep") {
                c.deep = flag(line, key, value);
            } else {
                fail(line, "unknown key '" + key + "'");
            }
            return;
        }
        if (key.compare(0, 8, "library.") == 0) {
            s.libraryKeys = true;
            std::string k = key.substr(8);
            if (k == "id") {
                if (value.empty() || value.find_first_of(" \t#") != std::string::npos)
                    fail(line, "library.id must be non-empty without blanks");
                s.ids.push_back(value);
                return;
            }
            if (k == "deep") {
                s.base.deep = flag(line, key, value);
                return;
            }
            int hit = 0;
            const std::size_t at = k.find('@');
            if (at != std::string::npos) {
                const std::string n = k.substr(at + 1);
                if (n.empty() || n.find_first_not_of("0123456789") != std::string::npos || std::stoi(n) < 1)
                    fail(line, "hit number after @ must be 1 or more");
                hit = std::stoi(n);
                k = k.substr(0, at);
            }
            const int f = libraryFieldIndex(k);
            if (f < 0) fail(line, "unknown key '" + key + "'");
            if (hit > 0)
                s.overrides[hit].emplace_back(static_cast<std::size_t>(f), value);
            else
                s.base.fields[static_cast<std::size_t>(f)] = value;
            return;
        }
        fail(line, "unknown key '" + key + "'");
    }

    void finish(Section &s, std::vector<Book> &books) {
        Book &b = s.book;
        if (!s.sourcesSeen) fail(s.line, "[" + b.isbn + "] has no 'sources' line");
        if (s.communityKeys && !b.inCommunity)
            fail(s.line, "[" + b.isbn + "] has community keys but is not in the community source");
        if (s.libraryKeys && !b.inLibrary)
            fail(s.line, "[" + b.isbn + "] has library keys but is not in the library source");
        if (b.inLibrary) {
            if (s.ids.empty()) fail(s.line, "[" + b.isbn + "] is in the library but has no library.id");
            for (const auto &o : s.overrides)
                if (o.first > static_cast<int>(s.ids.size()))
                    fail(s.line, "[" + b.isbn + "] overrides a hit that has no library.id");
            for (std::size_t i = 0; i < s.ids.size(); ++i) {
                LibraryRecord r = s.base;
                r.id = s.ids[i];
                auto it = s.overrides.find(static_cast<int>(i + 1));
                if (it != s.overrides.end())
                    for (const auto &f : it->second)
                        r.fields[f.first] = f.second;
                b.hits.push_back(std::move(r));
            }
        }
        books.push_back(std::move(b));
    }

    std::vector<Book> parse() {
        std::ifstream in(path_, std::ios::binary);
        if (!in) throw std::runtime_error("cannot open " + path_);
        std::vector<Book> books;
        std::optional<Section> cur;
        std::string raw;
        int line = 0;
        while (std::getline(in, raw)) {
            ++line;
            if (!raw.empty() && raw.back() == '\r') raw.pop_back();
            if (line == 1 && raw.compare(0, 3, "\xEF\xBB\xBF") == 0) raw.erase(0, 3);
            const std::string t = trim(raw);
            if (t.empty() || t[0] == '#') continue;
            if (t[0] == '[') {
                if (t.back() != ']') fail(line, "section header must end in ]");
                if (cur) finish(*cur, books);
                cur.emplace();
                cur->line = line;
                cur->book.isbn = trim(t.substr(1, t.size() - 2));
                if (cur->book.isbn.empty() || cur->book.isbn.find_first_of("/?&#\" \t") != std::string::npos)
                    fail(line, "bad ISBN in section header");
                continue;
            }
            const std::size_t eq = t.find('=');
            if (eq == std::string::npos) fail(line, "expected 'key = value'");
            if (!cur) fail(line, "key outside an [ISBN] section");
            apply(*cur, line, trim(t.substr(0, eq)), trim(t.substr(eq + 1)));
        }
        if (cur) finish(*cur, books);
        return books;
    }

private:
    std::string path_;
};

} // namespace

const char *Catalogue::libraryKey(std::size_t field) { return kLibraryKeys[field]; }

Catalogue Catalogue::load(const std::string &path) {
    Catalogue cat;
    cat.books_ = Parser(path).parse();
    for (std::size_t i = 0; i < cat.books_.size(); ++i) {
        const Book &b = cat.books_[i];
        if (!cat.byIsbn_.emplace(b.isbn, i).second)
            throw std::runtime_error(path + ": ISBN " + b.isbn + " appears twice");
        for (std::size_t h = 0; h < b.hits.size(); ++h)
            if (!cat.byId_.emplace(b.hits[h].id, std::make_pair(i, h)).second)
                throw std::runtime_error(path + ": library.id " + b.hits[h].id + " appears twice");
    }
    return cat;
}

const Book *Catalogue::communityBook(const std::string &isbn) const {
    auto it = byIsbn_.find(isbn);
    if (it == byIsbn_.end() || !books_[it->second].inCommunity) return nullptr;
    return &books_[it->second];
}

const Book *Catalogue::libraryBook(const std::string &isbn) const {
    auto it = byIsbn_.find(isbn);
    if (it == byIsbn_.end() || !books_[it->second].inLibrary) return nullptr;
    return &books_[it->second];
}

std::pair<const Book *, const LibraryRecord *> Catalogue::detail(const std::string &id) const {
    auto it = byId_.find(id);
    if (it == byId_.end()) return {nullptr, nullptr};
    const Book &b = books_[it->second.first];
    return {&b, &b.hits[it->second.second]};
}
