#include "util/UnitMsg.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

using qor::FormatMsg;
using qor::GetMsgText;

// Every numbered message the program shows, as the user sees it.
const std::map<int, std::string>& ShownMessages()
{
    static const std::map<int, std::string> texts = {
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
    return texts;
}

TEST(UnitMsg, EveryShownMessageHasItsExactText)
{
    for (const auto& [key, text] : ShownMessages())
        EXPECT_EQ(GetMsgText(key), text) << key;
}

TEST(UnitMsg, KeysOutsideTheTableGiveAnEmptyText)
{
    for (int key = -3; key <= 60; ++key) {
        if (ShownMessages().contains(key)) continue;
        EXPECT_EQ(GetMsgText(key), "") << key;
    }
    EXPECT_EQ(GetMsgText(1039), "");
}

TEST(UnitMsg, FormatMsgFillsTheArguments)
{
    EXPECT_EQ(FormatMsg(4, {"/home/u/写真"}), "/home/u/写真 には画像がありません");
    EXPECT_EQ(FormatMsg(7, {12, 3, "a.jpg"}), "画像数:12枚 番号:3 a.jpg");
    EXPECT_EQ(FormatMsg(34, {2}), "プロジェクト内にアクセスできない画像ファイルが2個 "
                                  "あります。\r画像の場所を確認してください。");
    EXPECT_EQ(FormatMsg(0, {}), "QorikaHTML5ギャラリー");
}

} // namespace
