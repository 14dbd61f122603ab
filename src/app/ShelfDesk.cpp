#include "app/ShelfDesk.h"

#include <commdlg.h>
#include <shellapi.h>

#include "framework/AfxMessageBox.h"
#include "framework/CodePage.h"
#include "marc/Iso2709.h"
#include "marc/MarcPrice.h"
#include "shelf/ShelfBook.h"
#include "shelf/ShelfFile.h"

namespace {

std::string Utf8(const std::string& cp936)
{
    return WideToMultiByte(MultiByteToWide(cp936), CP_UTF8);
}

std::string Utf8(const std::wstring& text)
{
    return WideToMultiByte(text, CP_UTF8);
}

// The one place where a source's values become what a record holds: their
// UTF-8 forms, the price with its currency, as the console writes them.
std::vector<ResultFields> RecordValues(const std::vector<SourceOutcome>& found)
{
    std::vector<ResultFields> values;
    for (const SourceOutcome& outcome : found) {
        values.push_back(outcome.text);
        values.back()[kPrice] = PriceWithCurrency(outcome.priceText);
    }
    return values;
}

MarcTimestamp Now()
{
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

// The save dialog's file types, in ShelfExportFormat's order.
const wchar_t kSaveFilter[] = L"MARC 21 (*.mrc)\0*.mrc\0UNIMARC (*.mrc)\0*.mrc\0MARCXML (*.xml)\0*.xml\0"
                              L"CSV (*.csv)\0*.csv\0";
const wchar_t* const kExtensions[] = {L"mrc", L"mrc", L"xml", L"csv"};

}

ShelfDesk::ShelfDesk(ShelfSettings settings)
    : settings(std::move(settings)), shelf(std::make_unique<ShelfFile>(this->settings.file))
{
}

std::string ShelfDesk::Open()
{
    if (settings.file.empty())
        return settings.problem.empty() ? std::string() : Cp936FromUtf8("书架设置有误：") + settings.problem;
    switch (shelf.Open()) {
    case Shelf::Opened::Clean:
        return std::string();
    case Shelf::Opened::Recovered:
        return Cp936FromUtf8("书架末尾有一条残缺的记录（" + std::to_string(shelf.TornBytes()) +
                             " 字节），已截去，另存为 " + Utf8(settings.file) + ".torn");
    case Shelf::Opened::Damaged:
        return Cp936FromUtf8("书架 " + Utf8(settings.file) + " 中有不是记录的内容，为免损坏，书架未打开");
    case Shelf::Opened::Refused:
        break;
    }
    return Cp936FromUtf8("书架未能打开：") + Reason(shelf.Fault());
}

std::string ShelfDesk::CountText() const
{
    return Cp936FromUtf8(shelf.IsOpen() ? "书架：" + std::to_string(shelf.Count()) : std::string("书架：未打开"));
}

std::string ShelfDesk::Reason(ShelfFault fault) const
{
    const char* why = "无法读写书架文件";
    switch (fault) {
    case ShelfFault::Locked:
        why = "另一个 Quillfind 正在使用这个书架";
        break;
    case ShelfFault::ReadOnly:
        why = "书架文件或其文件夹是只读的";
        break;
    case ShelfFault::NoFolder:
        why = "书架所在的文件夹不存在";
        break;
    case ShelfFault::DiskFull:
        why = "磁盘已满";
        break;
    default:
        break;
    }
    return Cp936FromUtf8(std::string(why) + "（" + Utf8(settings.file) + "）");
}

void ShelfDesk::Tell(HWND owner, const std::string& utf8, UINT type) const
{
    AfxShowMessageBox(owner, MultiByteToWide(utf8, CP_UTF8), std::wstring(), type);
}

bool ShelfDesk::Reopen(HWND owner)
{
    if (shelf.IsOpen())
        return true;
    const std::string why = Open();
    if (shelf.IsOpen())
        return true;
    Tell(owner, Utf8(why) + "\n这本书没有加入书架，仍在列表中，可稍后再试。");
    return false;
}

bool ShelfDesk::Add(HWND owner, const std::string& isbn, const std::vector<SourceOutcome>& found, std::size_t selected)
{
    if (!Reopen(owner))
        return false;
    const MarcRecord record =
        ComposeShelfBook(Utf8(isbn), found, RecordValues(found), selected, settings.format, Now());
    switch (shelf.Add(isbn, WriteIso2709(record))) {
    case Shelf::Added::Added:
        return true;
    case Shelf::Added::Duplicate:
        Tell(owner, "书架上已有这本书：" + Utf8(isbn) + "，没有再加。", MB_OK | MB_ICONINFORMATION);
        return false;
    case Shelf::Added::Refused:
        break;
    }
    Tell(owner, "未能加入书架：" + Utf8(Reason(shelf.Fault())) + "\n这本书没有加入书架，仍在列表中，可稍后再试。");
    return false;
}

void ShelfDesk::SaveAs(HWND owner)
{
    wchar_t path[MAX_PATH] = L"Quillfind-shelf";
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kSaveFilter;
    dialog.nFilterIndex = settings.format == MarcFlavour::Unimarc ? 2 : 1;
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrDefExt = L"mrc";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (!::GetSaveFileNameW(&dialog) || dialog.nFilterIndex < 1 || dialog.nFilterIndex > 4)
        return;
    std::wstring file = path;
    // The type chosen decides the format; a name without an extension gets the type's.
    if (file.find(L'.', file.find_last_of(L"\\/") + 1) == std::wstring::npos)
        file += std::wstring(L".") + kExtensions[dialog.nFilterIndex - 1];
    SaveTo(owner, file, static_cast<ShelfExportFormat>(dialog.nFilterIndex - 1));
}

bool ShelfDesk::SaveTo(HWND owner, const std::wstring& path, ShelfExportFormat format)
{
    std::string records;
    ShelfFault fault = shelf.Contents(records)
                           ? WriteWholeFile(path, ExportShelf(records, settings.format, format, Now()))
                           : shelf.Fault();
    if (!shelf.IsOpen())
        fault = ShelfFault::Other;
    if (fault != ShelfFault::None) {
        Tell(owner, "书架未能另存为 " + Utf8(path) + "：" + Utf8(Reason(fault)));
        return false;
    }
    Tell(owner, "书架已另存为 " + Utf8(path), MB_OK | MB_ICONINFORMATION);
    return true;
}

void ShelfDesk::Clear(HWND owner)
{
    const std::string question =
        "把书架（" + std::to_string(shelf.Count()) + " 条记录）移到 " + Utf8(settings.file) + ".bak，另起一个空书架？";
    if (AfxShowMessageBox(owner, MultiByteToWide(question, CP_UTF8), std::wstring(), MB_YESNO | MB_ICONQUESTION) !=
        IDYES)
        return;
    if (!shelf.Clear())
        Tell(owner, "书架未能清空：" + Utf8(Reason(shelf.Fault())));
}

void ShelfDesk::OpenFolder()
{
    const std::wstring& file = settings.file;
    const std::size_t slash = file.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? L"." : file.substr(0, slash + 1);
    ::ShellExecuteW(nullptr, L"open", folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
