#pragma once
#include <memory>
#include <string>
#include <vector>

#include "lookup/BookRecord.h"
#include "marc/MarcRecord.h"

enum class SourceKind { Library, Community, Catalogue };

enum class SourceStatus {
    Found,     // a title or an author
    NotFound,  // the source answered without the book
    Failed,    // the source could not answer; see failure
};

// What one source said about one ISBN.
struct SourceOutcome {
    SourceKind source = SourceKind::Library;
    // As the console writes it: "library", "community", or the catalogue's name.
    std::string name = "library";
    SourceStatus status = SourceStatus::NotFound;
    // When Failed: "unreachable", "timed out", "refused", "HTTP <code>", a catalogue's diagnostic, "bad answer".
    std::string failure;
    ResultFields values;    // slots in slot order, each trimmed; code page 936
    ResultFields text;      // the values' UTF-8 forms
    std::string priceText;  // UTF-8: the price as the source writes it, currency and all
    // The catalogue's own record (UTF-8) and its flavour, when the source is
    // a catalogue that found the book.
    std::shared_ptr<const MarcRecord> record;
    MarcFlavour recordFlavour = MarcFlavour::Marc21;

    bool Found() const { return status == SourceStatus::Found; }
};

// The outcome of a finished scan: its values exported, found when the title
// or the author is not empty. A failure (the first page that could not be
// had) makes it failed whatever the record holds.
SourceOutcome OutcomeOf(SourceKind source, const BookRecord& record, const std::string& failure);

// What a source that could not be asked, for the reason given, stands for.
SourceOutcome FailedOutcome(SourceKind source, const std::string& failure);

// The source's name as the window shows it: "图书馆", "社区", or the
// catalogue's name; code page 936.
std::string SourceCaption(const SourceOutcome& outcome);

// A result row's texts: the ISBN, every slot that is a column, then the
// source's caption.
std::vector<std::string> RowTexts(const std::string& isbn, const SourceOutcome& outcome);
// The same in UTF-8, from the values' UTF-8 forms, without the caption;
// isbn in UTF-8 too.
std::vector<std::string> RowUtf8Texts(const std::string& isbn, const SourceOutcome& outcome);
