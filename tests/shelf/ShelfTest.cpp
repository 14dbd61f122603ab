#include <gtest/gtest.h>

#include "marc/Iso2709.h"
#include "marc/MarcXml.h"
#include "shelf/Shelf.h"
#include "shelf/ShelfBook.h"
#include "shelf/ShelfExport.h"
#include "shelf/ShelfScan.h"

namespace {

const MarcTimestamp kMade{2026, 12, 9, 10, 0, 0};

// The shelf's file in memory, with the faults a disk can have.
struct Disk {
    std::string file, torn, backup;
    bool locked = false;
    bool readOnly = false;
    std::size_t room = std::string::npos;  // bytes an append may still write before the disk is full
    bool truncateFails = false;
};

class MemoryStorage : public ShelfStorage {
public:
    explicit MemoryStorage(Disk& disk) : disk(disk) {}
    ShelfFault Open(std::string& contents) override
    {
        if (disk.locked)
            return ShelfFault::Locked;
        contents = disk.file;
        return ShelfFault::None;
    }
    void Close() override {}
    ShelfFault ReadAll(std::string& contents) override { return Open(contents); }
    ShelfFault Append(std::size_t size, const std::string& bytes) override
    {
        if (disk.readOnly)
            return ShelfFault::ReadOnly;
        disk.file.resize(size);
        disk.file += bytes.substr(0, disk.room);
        return bytes.size() > disk.room ? ShelfFault::DiskFull : ShelfFault::None;
    }
    ShelfFault Truncate(std::size_t size) override
    {
        if (disk.truncateFails || disk.readOnly)
            return ShelfFault::Other;
        disk.file.resize(size);
        return ShelfFault::None;
    }
    ShelfFault KeepTorn(const std::string& bytes) override
    {
        disk.torn = bytes;
        return ShelfFault::None;
    }
    ShelfFault MoveAside() override
    {
        disk.backup = std::exchange(disk.file, std::string());
        return ShelfFault::None;
    }

private:
    Disk& disk;
};

Shelf OpenShelf(Disk& disk, Shelf::Opened expected = Shelf::Opened::Clean)
{
    Shelf shelf(std::make_unique<MemoryStorage>(disk));
    EXPECT_EQ(expected, shelf.Open());
    return shelf;
}

std::string Record(const std::string& isbn, const std::string& title, MarcFlavour flavour = MarcFlavour::Marc21)
{
    ResultFields values;
    values[kTitle] = title;
    values[kAuthor] = "Alice Zhang";
    values[kIntro] = "简介 " + title;
    return WriteIso2709(ComposeBookRecord(isbn, {values}, nullptr, flavour, flavour, kMade));
}

const std::string kIsbns[] = {"9787111111111", "9787222222222", "9787536692930"};

std::string ThreeBooks()
{
    return Record(kIsbns[0], "One") + Record(kIsbns[1], "Two") + Record(kIsbns[2], "Three");
}

TEST(Shelf, AddedRecordsAreThereAfterReopeningAndNoBookTwice)
{
    Disk disk;
    {
        Shelf shelf = OpenShelf(disk);
        for (const std::string& isbn : kIsbns)
            EXPECT_EQ(Shelf::Added::Added, shelf.Add(isbn, Record(isbn, "Book " + isbn)));
        EXPECT_EQ(3u, shelf.Count());
        EXPECT_EQ(Shelf::Added::Duplicate, shelf.Add("978-7-111-11111-1", Record(kIsbns[0], "Again")));
    }
    const std::string bytes = disk.file;
    Shelf again = OpenShelf(disk);
    EXPECT_EQ(3u, again.Count());
    EXPECT_EQ(Shelf::Added::Duplicate, again.Add(kIsbns[1], Record(kIsbns[1], "Again")));
    EXPECT_EQ(bytes, disk.file);

    // A catalogue's record names the book in 020 only: that ISBN is on the shelf too.
    MarcRecord catalogue;
    ASSERT_TRUE(ReadIso2709(Record("9787000000000", "Catalogue"), catalogue));
    catalogue.fields.erase(catalogue.fields.begin());  // its 001
    ASSERT_EQ(Shelf::Added::Added, again.Add("7000000000", WriteIso2709(catalogue)));
    EXPECT_EQ(Shelf::Added::Duplicate, again.Add("9787000000000", Record("9787000000000", "Again")));
}

TEST(Shelf, ATornTailOfAnyLengthIsCutOffKeptAsideAndTheShelfGoesOn)
{
    const std::string whole = Record(kIsbns[0], "One") + Record(kIsbns[1], "Two");
    const std::string last = Record(kIsbns[2], "Three");
    for (std::size_t cut = 1; cut < last.size(); ++cut) {
        Disk disk;
        disk.file = whole + last.substr(0, cut);
        Shelf shelf = OpenShelf(disk, Shelf::Opened::Recovered);
        ASSERT_EQ(whole, disk.file) << cut;
        EXPECT_EQ(last.substr(0, cut), disk.torn);
        EXPECT_EQ(cut, shelf.TornBytes());
        EXPECT_EQ(2u, shelf.Count());
        ASSERT_EQ(Shelf::Added::Added, shelf.Add(kIsbns[2], last));
        EXPECT_EQ(whole + last, disk.file);
    }
}

TEST(Shelf, BytesThatAreNoTornRecordAreNeverCut)
{
    Disk disk;
    disk.file = Record(kIsbns[0], "One") + "not a record\x1D" + Record(kIsbns[1], "Two");
    const std::string before = disk.file;
    Shelf shelf = OpenShelf(disk, Shelf::Opened::Damaged);
    EXPECT_FALSE(shelf.IsOpen());
    EXPECT_EQ(Shelf::Added::Refused, shelf.Add(kIsbns[2], Record(kIsbns[2], "Three")));
    EXPECT_EQ(before, disk.file);
    EXPECT_TRUE(disk.torn.empty());
}

TEST(Shelf, AFileThatCannotBeWrittenKeepsItsRecordsAndSaysWhy)
{
    struct Case {
        const char* name;
        void (*fault)(Disk&);
        ShelfFault why;
        bool tornAfter;  // the part written stays for the next Open to recover
    };
    const Case cases[] = {
        {"read-only", [](Disk& d) { d.readOnly = true; }, ShelfFault::ReadOnly, false},
        {"full disk", [](Disk& d) { d.room = 100; }, ShelfFault::DiskFull, false},
        {"full disk, no cut", [](Disk& d) { d.room = 100, d.truncateFails = true; }, ShelfFault::DiskFull, true},
    };
    for (const Case& c : cases) {
        Disk disk;
        disk.file = Record(kIsbns[0], "One");
        const std::string before = disk.file;
        Shelf shelf = OpenShelf(disk);
        c.fault(disk);
        EXPECT_EQ(Shelf::Added::Refused, shelf.Add(kIsbns[1], Record(kIsbns[1], "Two"))) << c.name;
        EXPECT_EQ(c.why, shelf.Fault()) << c.name;
        EXPECT_EQ(1u, shelf.Count()) << c.name;
        EXPECT_EQ(c.tornAfter, disk.file != before) << c.name;
        const std::string left = disk.file;
        disk = Disk();
        disk.file = left;
        Shelf later = OpenShelf(disk, c.tornAfter ? Shelf::Opened::Recovered : Shelf::Opened::Clean);
        EXPECT_EQ(before, disk.file) << c.name;
        // Another try once the disk is writable again.
        EXPECT_EQ(Shelf::Added::Added, later.Add(kIsbns[1], Record(kIsbns[1], "Two"))) << c.name;
    }
    Disk locked;
    locked.locked = true;
    Shelf shelf = OpenShelf(locked, Shelf::Opened::Refused);
    EXPECT_EQ(ShelfFault::Locked, shelf.Fault());
    EXPECT_EQ(Shelf::Added::Refused, shelf.Add(kIsbns[0], Record(kIsbns[0], "One")));
}

TEST(Shelf, ClearingMovesTheShelfAsideWhole)
{
    Disk disk;
    disk.file = ThreeBooks();
    Shelf shelf = OpenShelf(disk);
    ASSERT_TRUE(shelf.Clear());
    EXPECT_EQ(ThreeBooks(), disk.backup);
    EXPECT_EQ(0u, shelf.Count());
    EXPECT_EQ(Shelf::Added::Added, shelf.Add(kIsbns[0], Record(kIsbns[0], "One")));
}

TEST(ShelfBook, TheSelectedSourceComesFirstAndTheOthersFillItsGaps)
{
    SourceOutcome library, community, catalogue;
    library.values[kTitle] = "Library title";
    library.values[kPrice] = "45.00";
    community.values[kTitle] = "Community title";
    community.values[kIntro] = "An introduction";
    community.values[kCoverUrl] = "http://covers/lpic/a.jpg";
    MarcRecord own;
    ASSERT_TRUE(ReadIso2709(Record(kIsbns[0], "Catalogue title"), own));
    catalogue.record = std::make_shared<MarcRecord>(own);
    catalogue.values[kTitle] = "Catalogue title";
    const std::vector<SourceOutcome> found = {library, community, catalogue};
    std::vector<ResultFields> values;
    for (const SourceOutcome& outcome : found)
        values.push_back(outcome.values);
    // A catalogue's record stays as it came: the others add only the price and the cover it lacks.
    struct Case {
        std::size_t selected;
        const char* title;
        const char* intro;
    };
    for (Case c : {Case{0, "Library title", "An introduction"}, Case{1, "Community title", "An introduction"},
                   Case{2, "Catalogue title", "简介 Catalogue title"}}) {
        const std::string xml =
            MarcXmlRecord(ComposeShelfBook(kIsbns[0], found, values, c.selected, MarcFlavour::Marc21, kMade));
        EXPECT_NE(std::string::npos, xml.find(c.title)) << c.selected;
        EXPECT_NE(std::string::npos, xml.find("45.00")) << c.selected;
        EXPECT_NE(std::string::npos, xml.find(c.intro)) << c.selected;
        EXPECT_NE(std::string::npos, xml.find("lpic/a.jpg")) << c.selected;
    }
}

TEST(ShelfExport, EachFormatHoldsEveryRecord)
{
    const std::string shelf = ThreeBooks();
    EXPECT_EQ(shelf, ExportShelf(shelf, MarcFlavour::Marc21, ShelfExportFormat::Marc21, kMade));

    const std::string unimarc = ExportShelf(shelf, MarcFlavour::Marc21, ShelfExportFormat::Unimarc, kMade);
    const ShelfScan scan = ScanShelf(unimarc);
    EXPECT_EQ(3u, scan.records);
    EXPECT_EQ(unimarc.size(), scan.wholeBytes);
    MarcRecord first;
    ASSERT_TRUE(ReadIso2709(unimarc.substr(0, ShelfRecordLength(unimarc, 0)), first));
    ASSERT_EQ(1u, first.FieldsTagged("200").size());
    EXPECT_EQ("One", first.FieldsTagged("200")[0]->Subfield('a')->value.substr(0, 3));

    const std::string xml = ExportShelf(shelf, MarcFlavour::Marc21, ShelfExportFormat::MarcXml, kMade);
    EXPECT_EQ(0u, xml.find(MarcXmlHeader()));
    EXPECT_EQ(xml.size() - MarcXmlFooter().size(), xml.rfind(MarcXmlFooter()));

    const std::string csv = ExportShelf(shelf, MarcFlavour::Marc21, ShelfExportFormat::Csv, kMade);
    for (const std::string& isbn : kIsbns) {
        EXPECT_NE(std::string::npos, xml.find(isbn));
        EXPECT_NE(std::string::npos, csv.find("shelf," + isbn + ",")) << csv;
    }
    EXPECT_NE(std::string::npos, csv.find("简介 Two"));
}

}  // namespace
