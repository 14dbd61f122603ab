#include "shelf/Shelf.h"

#include "shelf/ShelfScan.h"

Shelf::Shelf(std::unique_ptr<ShelfStorage> storage) : storage(std::move(storage))
{
}

void Shelf::Forget()
{
    open = false;
    count = size = tornBytes = 0;
    keys.clear();
}

bool Shelf::Failed(ShelfFault why)
{
    fault = why;
    return why != ShelfFault::None;
}

Shelf::Opened Shelf::Open()
{
    if (open)
        storage->Close();
    Forget();
    std::string contents;
    if (Failed(storage->Open(contents)))
        return Opened::Refused;
    const ShelfScan scan = ScanShelf(contents);
    if (scan.damaged) {
        storage->Close();
        return Opened::Damaged;
    }
    if (scan.Torn(contents.size())) {
        // Kept before it is cut: a failure on the way leaves the torn bytes in one of the two places.
        if (Failed(storage->KeepTorn(contents.substr(scan.wholeBytes))) || Failed(storage->Truncate(scan.wholeBytes))) {
            storage->Close();
            return Opened::Refused;
        }
        tornBytes = contents.size() - scan.wholeBytes;
    }
    open = true;
    count = scan.records;
    size = scan.wholeBytes;
    keys.insert(scan.keys.begin(), scan.keys.end());
    return tornBytes ? Opened::Recovered : Opened::Clean;
}

Shelf::Added Shelf::Add(const std::string& isbn, const std::string& record)
{
    if (!open)
        return Added::Refused;  // the fault is that of Open
    if (record.empty()) {
        fault = ShelfFault::Other;
        return Added::Refused;
    }
    if (keys.count(ShelfKey(isbn)))
        return Added::Duplicate;
    if (Failed(storage->Append(size, record))) {
        // The part written must not stay in front of the next record.
        storage->Truncate(size);
        return Added::Refused;
    }
    size += record.size();
    ++count;
    for (const std::string& key : RecordIsbns(record.data(), record.size()))
        keys.insert(ShelfKey(key));
    keys.insert(ShelfKey(isbn));
    return Added::Added;
}

bool Shelf::Clear()
{
    if (open)
        storage->Close();
    Forget();
    const ShelfFault moved = storage->MoveAside();
    const bool reopened = Open() == Opened::Clean;
    if (moved != ShelfFault::None)
        fault = moved;
    return moved == ShelfFault::None && reopened;
}

bool Shelf::Contents(std::string& records)
{
    if (!open)
        return false;
    if (Failed(storage->ReadAll(records)))
        return false;
    records.resize(size);
    return true;
}
