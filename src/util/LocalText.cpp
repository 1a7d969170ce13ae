#include "util/LocalText.h"

#include "util/UiLanguage.h"

namespace qor {

const std::map<std::string_view, std::string_view>& JapaneseTexts()
{
    static const std::map<std::string_view, std::string_view> table = {
        // qorgallery's help
        {"Usage: qorgallery COMMAND [ARGS]", "使い方: qorgallery COMMAND [ARGS]"},
        {"Commands:", "コマンド:"},
        {"Exit status: 0 success, 1 failure, 2 usage.", "終了状態: 0 成功、1 失敗、2 使い方の誤り。"},
        {"The resource folder is $QORGALLERY_RSC, else rsc/ beside the program.",
         "リソースフォルダは $QORGALLERY_RSC、設定がなければプログラムと同じ場所の rsc/ です。"},
        {"Usage: qorgallery %s %s", "使い方: qorgallery %s %s"},
        {"unknown command %s", "%s というコマンドはありません"},
        {"write the gallery of a project, or of the standard settings and the pictures named (files\n"
         "      or folders, plainly or with --pictures, added after the project's pictures); prints\n"
         "      the page's path last. Files in the folder that no build wrote are replaced only with\n"
         "      --force. A copied JPEG loses its EXIF, XMP and IPTC unless --keep-metadata. Pictures\n"
         "      named take their empty titles and descriptions from their XMP, IPTC or EXIF unless\n"
         "      --no-captions. --fast decodes JPEGs at a reduced scale: about twice as fast, the\n"
         "      slides a little softer. Exit 3: the page was written but some pictures could not be\n"
         "      made, or it names a setting or link in a warning; 130: interrupted",
         "プロジェクトのギャラリー、または標準設定と指定した画像(ファイルかフォルダ。そのまま、\n"
         "      または --pictures で指定し、プロジェクトの画像の後に追加)のギャラリーを出力し、\n"
         "      最後にページのパスを表示します。出力フォルダにある、ギャラリー作成が書いていない\n"
         "      ファイルは --force を指定した時だけ置き換えます。コピーするJPEG画像の Exif・XMP・IPTC は\n"
         "      --keep-metadata を指定しない限り除きます。指定した画像の空のタイトルと説明は\n"
         "      --no-captions を指定しない限り画像の XMP・IPTC・Exif から取ります。--fast は JPEG を\n"
         "      縮小してデコードします: 約2倍速く、スライドは少し柔らかくなります。終了状態 3:\n"
         "      ページは書けたが一部の画像を作れなかったか、設定やリンクについて警告した。\n"
         "      130: 中断された"},
        {"make a project from pictures and folders (folders one level deep); their titles and\n"
         "      descriptions come from their XMP, IPTC or EXIF unless --no-captions",
         "画像とフォルダ(フォルダは1階層まで)からプロジェクトを作ります。画像のタイトルと\n"
         "      説明は --no-captions を指定しない限り画像の XMP・IPTC・Exif から取ります"},
        {"print every stored property as Name=Value, then the pictures",
         "保存されている全てのプロパティを Name=Value の形で表示し、続けて画像を表示します"},
        {"change properties and save (List+=line appends, List= clears, List[i]=line)",
         "プロパティを変更して保存します(List+=行 で追加、List= で消去、List[i]=行 で置換)"},
        {"list the templates of the resource folder", "リソースフォルダのテンプレートを一覧表示します"},
        {"print each picture's EXIF orientation, turn angle, maker, model and dates",
         "各画像の EXIF の向き、回転角度、メーカー、機種、日付を表示します"},
        {"turn, crop and resample one picture as a build does (PNG when OUT ends in .png, else JPEG)",
         "1枚の画像をギャラリー作成と同じように回転、切り抜き、リサンプルします(OUT が .png で"
         "終わればPNG、それ以外はJPEG)"},
        // usage errors
        {"%s needs a value", "%s には値が必要です"},
        {"unknown option %s", "%s というオプションはありません"},
        {"%s takes a number from %d to %d: %s", "%s には %d から %d までの数を指定します: %s"},
        {"--copy-same-size and --no-copy-same-size exclude each other",
         "--copy-same-size と --no-copy-same-size は同時に指定できません"},
        {"build takes at most one project file", "build に指定できるプロジェクトファイルは1つまでです"},
        {"build needs a project file or pictures", "build にはプロジェクトファイルか画像を指定してください"},
        {"new takes one project file", "new にはプロジェクトファイルを1つ指定してください"},
        {"show takes one project file", "show にはプロジェクトファイルを1つ指定してください"},
        {"set takes a project file and Name=Value", "set にはプロジェクトファイルと Name=Value を指定してください"},
        {"templates takes no arguments", "templates に引数は指定できません"},
        {"exif takes at least one picture file", "exif には画像ファイルを1つ以上指定してください"},
        {"resize takes an input and an output file", "resize には入力ファイルと出力ファイルを指定してください"},
        {"--size WxH is required", "--size WxH を指定してください"},
        {"bad %s: %s", "%s の指定が正しくありません: %s"},
        {"the size must be positive and within the picture limit",
         "サイズは正の数で、画像の上限以内にしてください"},
        {"the quality must lie between 1 and 100", "画質は1から100までの数にしてください"},
        // what the commands report
        {"%s: no such file", "%s: ファイルがありません"},
        {"no such file or folder: %s", "ファイルまたはフォルダがありません: %s"},
        {"%s already exists; use set to change it", "%s は既にあります。変更するには set を使ってください"},
        {"%s: %d pictures", "%s: 画像 %d 枚"},
        {"no such project: %s", "プロジェクトがありません: %s"},
        {"template file missing: %s", "テンプレートのファイルがありません: %s"},
        {"no template named %s (the resource folder has none)",
         "%s という名前のテンプレートはありません(リソースフォルダにテンプレートがありません)"},
        {"no template named %s (templates: %s)", "%s という名前のテンプレートはありません(テンプレート: %s)"},
        {"the crop does not lie inside the picture; using the centred crop",
         "切り抜き範囲が画像からはみ出しています。中央で切り抜きます"},
        {"%s: no picture (empty, or too thin for the aspect %dx%d)",
         "%s: 画像がありません(空か、縦横比 %dx%d に対して細すぎます)"},
        // property values of show and set
        {"a backslash ends the value; write \\\\ for one",
         "値が \\ で終わっています。\\ そのものは \\\\ と書いてください"},
        {"unknown escape \\%s", "\\%s というエスケープはありません"},
        {"not a number: %s", "数ではありません: %s"},
        {"not an integer: %s", "整数ではありません: %s"},
        {"not true or false: %s", "true でも false でもありません: %s"},
        {"unmatched ] in %s", "%s の ] に対応する [ がありません"},
        {"not a list index: %s", "リストの番号ではありません: %s"},
        {"no such property: %s", "%s というプロパティはありません"},
        {"%s has no line %d", "%s に %d 行目はありません"},
        // the build
        {"%s holds files that no gallery build wrote:", "%s にはギャラリー作成が書いていないファイルがあります:"},
        {"Give --force to replace them.", "置き換えるには --force を指定してください。"},
        {"warning: %s", "警告: %s"},
        {"%s (no picture written)", "%s (画像は出力されません)"},
        {"no picture made", "画像を作れませんでした"},
        {"file not found", "ファイルがありません"},
        {"Lap: %f s", "Lap :%f秒"},
        {"%s left", "残り %s"},
        // pictures that cannot be read or written, also shown by the window
        {"%s: cannot open the file", "%s: ファイルを開けません"},
        {"%s: cannot read the file", "%s: ファイルを読み込めません"},
        {"%s: the file is too large", "%s: ファイルが大きすぎます"},
        {"%s: unsupported picture format", "%s: 対応していない画像形式です"},
        {"%s: damaged JPEG file (%s)", "%s: JPEGファイルが壊れています (%s)"},
        {"%s: damaged PNG file (%s)", "%s: PNGファイルが壊れています (%s)"},
        {"%s: damaged GIF file (%s)", "%s: GIFファイルが壊れています (%s)"},
        {"%s: damaged HEIF file (%s)", "%s: HEIFファイルが壊れています (%s)"},
        {"%s: damaged WebP file (%s)", "%s: WebPファイルが壊れています (%s)"},
        {"%s: damaged or unsupported BMP file (%s)", "%s: BMPファイルが壊れているか対応していない形式です (%s)"},
        {"%s: the GIF file holds no picture", "%s: GIFファイルに画像がありません"},
        {"%s: picture size is beyond the limit", "%s: 画像サイズが上限を超えています"},
        {"picture size %d x %d is beyond the limit", "画像サイズ %d x %d は上限を超えています"},
        {"%s: logical screen far larger than its picture", "%s: 論理画面が画像よりはるかに大きすぎます"},
        {"%s: out of memory while reading PNG file", "%s: PNGファイルの読み込み中にメモリが不足しました"},
        {"the picture needs more memory than all pictures together may use",
         "この画像には、全ての画像に使えるメモリより多くのメモリが必要です"},
        {"%s: cannot create the file", "%s: ファイルを作成できません"},
        {"%s: cannot write the file", "%s: ファイルを書き込めません"},
        // a project file that cannot be read, also shown by the window
        {"Invalid stream format", "ストリーム形式が無効です"},
        {"Stream read error", "ストリームからの読み取りエラー"},
        {"Invalid property value", "プロパティ値が無効です"},
        {"Error reading %s%s%s: %s", "%s%s%s の読み取り中のエラー : %s"},
        {"Property %s does not exist", "プロパティ %s が存在しません"},
        // warnings of the build, also shown by the window
        {"not a file name of the ctrl folder; %s is used instead",
         "ctrl フォルダのファイル名ではありません。代わりに %s を使います"},
        {"cannot be copied into the gallery", "ギャラリーにコピーできません"},
        {"%s is not a hexadecimal colour; %s is written instead",
         "%s は16進数の色ではありません。代わりに %s を書き出します"},
        {"no colour", "色なし"},
        {"not a plain file name; %s is written instead",
         "単純なファイル名ではありません。代わりに %s を書き出します"},
        {"not a language tag; the page keeps the template's language",
         "言語タグではありません。ページはテンプレートの言語のままです"},
        {"the link of picture %d runs a script when followed",
         "画像 %d のリンクは、たどるとスクリプトを実行します"},
    };
    return table;
}

std::string LocalText(std::string_view english)
{
    if (UiLanguage() == TUiLanguage::Japanese) {
        auto it = JapaneseTexts().find(english);
        if (it != JapaneseTexts().end()) return std::string(it->second);
    }
    return std::string(english);
}

std::string LocalFormat(std::string_view english, std::initializer_list<TFormatArg> args)
{
    return Format(LocalText(english), args);
}

} // namespace qor
