// The book catalogue behind all three stand-in services, read from a
// hand-edited text file (format described at the top of catalogue.txt).
#pragma once

#include <array>
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Absent (no key in the file) and present-but-empty are different on the
// pages: an absent field drops its marker, an empty one keeps it.
using OptText = std::optional<std::string>;
using OptList = std::optional<std::vector<std::string>>;

struct CommunityEntry {
    OptText title;
    OptList authors;
    std::vector<std::string> translators;
    OptText publisher;
    OptText pages;
    OptText pubdate;
    OptText price;
    OptText cover;
    OptList intro;
    bool deep = false;
};

// Rows of the library detail page, in page order.
enum LibraryField : std::size_t {
    kClassNumber,
    kTitle,
    kAuthor,
    kPublisher,
    kPages,
    kFormat,
    kPubdate,
    kEdition,
    kPrice,
    kLibraryFieldCount
};

struct LibraryRecord {
    std::string id;
    std::array<OptText, kLibraryFieldCount> fields;
    bool deep = false;
};

struct Book {
    std::string isbn;
    bool inCommunity = false;
    bool inLibrary = false;
    CommunityEntry community;
    std::vector<LibraryRecord> hits; // search-page order
};

class Catalogue {
public:
    // Throws std::runtime_error naming file and line on any mistake, so a
    // typo in the data never turns into a silently missing marker.
    static Catalogue load(const std::string &path);

    const std::vector<Book> &books() const { return books_; }
    const Book *communityBook(const std::string &isbn) const;
    const Book *libraryBook(const std::string &isbn) const;
    // The book and hit behind a detail-page id, or {nullptr, nullptr}.
    std::pair<const Book *, const LibraryRecord *> detail(const std::string &id) const;

    static const char *libraryKey(std::size_t field);

private:
    std::vector<Book> books_;
    std::map<std::string, std::size_t> byIsbn_;
    std::map<std::string, std::pair<std::size_t, std::size_t>> byId_;
};
