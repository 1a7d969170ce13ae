#include "util/UnitMsg.h"

#include "util/UiLanguage.h"

#include <map>

namespace qor {

namespace {

const std::map<int, std::string>& Messages()
{
    static const std::map<int, std::string> table = {
        {0, "QorikaHTML5ギャラリー"},
        {2, "出力フォルダを指定"},
        {3, "画像を含むフォルダを指定してください."},
        {4, "%s には画像がありません"},
        {5, "画像数=%d"},
        {6, "画像数=%d 選択数=%d"},
        {7, "画像数:%d枚 番号:%d %s"},
        {8, "現在のプロジェクトを保存しますか?"},
        {9, "%sは更新されています。\r保存しますか？"},
        {10, "プロジェクトに画像が登録されていません。\r%sを削除してよろしいですか？"},
        {11, "指定されたプロジェクト \r%s\rは現在編集中です。\r保存して開き直しますか?"},
        {12, "プロジェクト \r%s\rの編集内容を破棄し、開き直します。\rよろしいですか?"},
        {13, "新しいプロジェクト"},
        {14, "プロジェクト名に \\/:;*?\"<>|. を含むことは出来ません."},
        {15, "プロジェクト \r%s\rは、既に存在します."},
        {16, "%d個の画像が見つかりました。\r\r追加しますか？"},
        {19, "作成日"},
        {20, "更新日"},
        {21, "ファイル名:%s\rサイズ:%s\r作成日:%s\r更新日:%s"},
        {22, "画像が登録されていません。\r画像一覧でまず画像を登録してください。"},
        {24, "出力先フォルダ:\r%s\rが作成できません。出力先フォルダを指定し直してください。"},
        {25, "新しいバージョンのQorikaHTML5ギャラリーをダウンロードできます\r%s\r"
             "ダウンロードページを表示しますか？"},
        {26, "更新はありません。最新版をご利用いただいています。"},
        {30, "環境設定-動作環境-□デモ出力モード が設定されています\r\r"
             "現在のギャラリー設定で、全ての遷移効果のデモページが出力されます."},
        {31, "プロジェクト内の画像にアクセスできません。\r"
             "画像ファイルが削除されたかドライブが取り外された可能性があります。\r"
             "このまま編集を続けると、画像情報が失われます。\r"
             "変更しない場合は、ファイルメニューからプロジェクトを閉じてください。"},
        {32, "画像数=%d 選択数=%d  (注意)黄フィールドには異なる文字列が格納されています"},
        {33, "システムファイルの一部が損傷しています。\r"
             "QorikaHTML5ギャラリーを再インストールしてください"},
        {34, "プロジェクト内にアクセスできない画像ファイルが%d個 あります。\r"
             "画像の場所を確認してください。"},
        {35, "置き換える画像フォルダを指定してください。"},
        {36, "プロジェクトファイル(*.qor)を \r%s\rに関連付けました。"},
    };
    return table;
}

// The same messages in English, shown when the user's language is not Japanese.
const std::map<int, std::string>& EnglishMessages()
{
    static const std::map<int, std::string> table = {
        {0, "Qorika HTML5 Gallery"},
        {2, "Choose the output folder"},
        {3, "Choose a folder that holds pictures."},
        {4, "%s holds no pictures"},
        {5, "Pictures=%d"},
        {6, "Pictures=%d Selected=%d"},
        {7, "Pictures: %d  No.: %d %s"},
        {8, "Save the current project?"},
        {9, "%s has been changed.\rSave it?"},
        {10, "The project holds no pictures.\rDelete %s?"},
        {11, "The project \r%s\ris being edited.\rSave it and open it again?"},
        {12, "The changes to the project \r%s\rwill be discarded and it will be opened again.\rContinue?"},
        {13, "New project"},
        {14, "A project name cannot contain \\/:;*?\"<>|."},
        {15, "The project \r%s\ralready exists."},
        {16, "%d pictures were found.\r\rAdd them?"},
        {19, "Created"},
        {20, "Modified"},
        {21, "File name:%s\rSize:%s\rCreated:%s\rModified:%s"},
        {22, "The project holds no pictures.\rAdd pictures in the picture list first."},
        {24, "The output folder:\r%s\rcannot be created. Choose another output folder."},
        {25, "A new version of Qorika HTML5 Gallery can be downloaded\r%s\r"
             "Show the download page?"},
        {26, "No update is available. You are using the latest version."},
        {30, "Settings - Environment - Demo output mode is on.\r\r"
             "A demo page of every transition is written with the current gallery settings."},
        {31, "The pictures of the project cannot be reached.\r"
             "The picture files may have been deleted or their drive removed.\r"
             "Editing on will lose the picture information.\r"
             "To keep the project as it is, close it from the File menu."},
        {32, "Pictures=%d Selected=%d  (Note) The yellow fields hold differing texts"},
        {33, "Some system files are damaged.\r"
             "Please reinstall Qorika HTML5 Gallery."},
        {34, "%d picture files of the project cannot be reached.\r"
             "Check where the pictures are."},
        {35, "Choose the folder of the replacing pictures."},
        {36, "Project files (*.qor) now open with \r%s\rwhen opened from the file manager."},
    };
    return table;
}

} // namespace

std::string GetMsgText(int key)
{
    const std::map<int, std::string>& table =
        UiLanguage() == TUiLanguage::English ? EnglishMessages() : Messages();
    auto it = table.find(key);
    return it == table.end() ? std::string() : it->second;
}

std::vector<int> MsgKeys()
{
    std::vector<int> keys;
    for (const auto& [key, text] : Messages()) keys.push_back(key);
    return keys;
}

std::string FormatMsg(int key, std::initializer_list<TFormatArg> args)
{
    return Format(GetMsgText(key), args);
}

} // namespace qor
