#include "imagelist/MyListBox.h"

#include "util/TextCodec.h"
#include "util/XEComFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace qor {

namespace {

// Fields as the history splits them: text after the last separator is a field only when it
// is not empty, so "a|b|" gives two fields and "" none.
TStringList SplitFields(std::string_view text, std::string_view sep)
{
    TStringList fields;
    while (!text.empty()) {
        size_t at = sep.empty() ? std::string_view::npos : text.find(sep);
        fields.emplace_back(text.substr(0, at));
        text = at == std::string_view::npos ? std::string_view() : text.substr(at + sep.size());
    }
    return fields;
}

// Renames a file without ever replacing one that appeared meanwhile under the new name.
bool MoveFileNoReplace(const std::string& from, const std::string& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // File systems without the flag: a hard link also refuses an existing name.
    if (::link(from.c_str(), to.c_str()) != 0) return false;
    ::unlink(from.c_str());
    return true;
}

} // namespace

void TMyListBox::Changed()
{
    if (OnChange) OnChange(*this);
}

void TMyListBox::SetItems(TStringList items)
{
    FItems = std::move(items);
    FItemIndex = -1;
    Changed();
}

void TMyListBox::SetItemIndex(int index)
{
    FItemIndex = (index >= 0 && index < Count()) ? index : -1;
    Changed();
}

void TMyListBox::DeleteItem(int index)
{
    FItems.erase(FItems.begin() + index);
    if (FItemIndex == index)
        FItemIndex = -1;
    else if (FItemIndex > index)
        --FItemIndex; // the selection stays on its item
}

void TMyListBox::InsertItem(int index, std::string item)
{
    FItems.insert(FItems.begin() + index, std::move(item));
    if (FItemIndex >= index) ++FItemIndex;
}

TStringList TMyListBox::Fields(const std::string& item) const
{
    return SplitFields(item, PuncCode);
}

int TMyListBox::ParseItem(int index)
{
    FSplitter = (index >= 0 && index < Count()) ? Fields(FItems[index]) : TStringList();
    return static_cast<int>(FSplitter.size());
}

int TMyListBox::ParseSelectItem()
{
    return ParseItem(FItemIndex);
}

void TMyListBox::AddHistory(const std::string& fileName, const TStringList& fields)
{
    DelHistory(fileName);
    std::string item = fileName;
    for (const std::string& field : fields)
        item += "|" + field;
    InsertItem(0, std::move(item));
    Changed();
}

void TMyListBox::DelHistory(const std::string& fileName)
{
    std::string wanted = AsciiLower(fileName);
    for (int i = 0; i < Count(); ++i) {
        TStringList fields = Fields(FItems[i]);
        if (!fields.empty() && AsciiLower(fields[0]) == wanted) {
            DeleteItem(i);
            Changed();
            return;
        }
    }
}

void TMyListBox::ClearNonExists()
{
    for (int i = Count() - 1; i >= 0; --i) {
        TStringList fields = Fields(FItems[i]);
        if (fields.empty() || !FileExists(fields[0])) DeleteItem(i);
    }
    Changed();
}

bool TMyListBox::RenameSelectItem(const std::string& newName)
{
    std::error_code ec;
    if (FItemIndex < 0 || fs::exists(newName, ec)) return false;
    TStringList fields = Fields(FItems[FItemIndex]);
    if (fields.size() < 2) return false;
    if (FileExists(fields[0])) MoveFileNoReplace(fields[0], newName);
    if (!FileExists(newName)) return false;
    FItems[FItemIndex] = newName + "|" + fields[1];
    Changed();
    return true;
}

std::string TMyListBox::SelectItem() const
{
    return FItemIndex >= 0 ? FItems[FItemIndex] : std::string();
}

void TMyListBox::SetSelectItem(const std::string& text)
{
    auto it = std::find(FItems.begin(), FItems.end(), text);
    SetItemIndex(it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin()));
}

bool TMyListBox::LoadFromFile(const std::string& fileName)
{
    if (!FileExists(fileName)) {
        Clear();
        return false;
    }
    SetItems(LoadTextLines(fileName));
    return true;
}

void TMyListBox::SaveToFile(const std::string& fileName) const
{
    SaveTextLinesAtomic(fileName, FItems);
}

void TMyListBox::SetFolder(const std::string& folder)
{
    FFolder = folder;
    TStringList files;
    std::error_code ec;
    if (!folder.empty() && fs::is_directory(folder, ec)) FindFiles(folder, files, FFileExt, 1);
    SetItems(std::move(files));
}

void TMyListBox::ShowLog(std::string_view format, std::initializer_list<TFormatArg> args)
{
    FItems.push_back(Format(format, args));
    SetItemIndex(Count() - 1);
}

} // namespace qor
