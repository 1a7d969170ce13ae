// TMyListBox: the model of a list box whose items are small text records, fields separated
// by PuncCode. It serves as the history of recent projects (items path|count, newest
// first, kept in "history.cfg"), as a log list (ShowLog) and as the sample list of the
// settings dialog. The view draws the items and reports clicks through SetItemIndex.
#pragma once

#include "util/DelphiFormat.h"
#include "util/PictureExtensions.h"
#include "util/TextFile.h"

#include <functional>
#include <initializer_list>
#include <string>

namespace qor {

class TMyListBox {
public:
    using TNotifyEvent = std::function<void(TMyListBox& sender)>;

    const TStringList& Items() const { return FItems; }
    int Count() const { return static_cast<int>(FItems.size()); }
    void SetItems(TStringList items);
    void Clear() { SetItems({}); }
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int index); // -1, or an index out of range, selects nothing
    void ClearSelection() { SetItemIndex(-1); }

    std::string PuncCode = "|";
    // The fields of the item split last.
    const TStringList& Splitter() const { return FSplitter; }
    // Splits item index into Splitter(); the number of fields (0 for no such item).
    int ParseItem(int index);
    // Splits the selected item; 0 and no field when nothing is selected.
    int ParseSelectItem();

    // Puts fileName with the extra fields at the top, replacing the project's older item.
    void AddHistory(const std::string& fileName, const TStringList& fields);
    // Removes the first item whose path equals fileName with ASCII letters folded.
    void DelHistory(const std::string& fileName);
    // Removes the items whose project file no longer exists.
    void ClearNonExists();
    // Moves the selected item's project file to newName, never replacing an existing file;
    // true when a file of that name exists afterwards, and the item then names it.
    bool RenameSelectItem(const std::string& newName);

    std::string SelectItem() const; // empty when nothing is selected
    void SetSelectItem(const std::string& text);

    // False, and no items, when the file does not exist.
    bool LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const; // written atomically

    const std::string& Folder() const { return FFolder; }
    // The items become the picture files directly in folder whose extension is in FileExt.
    void SetFolder(const std::string& folder);
    const TStringList& FileExt() const { return FFileExt; }
    void SetFileExt(const TStringList& exts) { FFileExt = exts; }

    // Appends the formatted line and selects it, so the list shows it.
    void ShowLog(std::string_view format, std::initializer_list<TFormatArg> args);

    TNotifyEvent OnChange; // the view repaints

private:
    TStringList Fields(const std::string& item) const;
    void DeleteItem(int index);
    void InsertItem(int index, std::string item);
    void Changed();

    TStringList FItems;
    int FItemIndex = -1;
    TStringList FSplitter;
    std::string FFolder;
    TStringList FFileExt = PictureExtensions();
};

} // namespace qor
