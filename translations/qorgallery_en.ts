<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>MessageBox</name>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TransitNames</name>
    <message>
        <source>ランダム</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>横スクロール</source>
        <translation>Horizontal Scroll</translation>
    </message>
    <message>
        <source>フェード</source>
        <translation>Fade</translation>
    </message>
    <message>
        <source>シフト</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>ドア</source>
        <translation>Door</translation>
    </message>
    <message>
        <source>ストライプ</source>
        <translation>Stripe</translation>
    </message>
    <message>
        <source>キューブ</source>
        <translation>Cube</translation>
    </message>
    <message>
        <source>ブロック(ドロップ)</source>
        <translation>Block (Drop)</translation>
    </message>
    <message>
        <source>ブロック(ポップ)</source>
        <translation>Block (Pop)</translation>
    </message>
    <message>
        <source>スクリーン(縦)</source>
        <translation>Screen (Vertical)</translation>
    </message>
    <message>
        <source>スクリーン(横)</source>
        <translation>Screen (Horizontal)</translation>
    </message>
    <message>
        <source>スクリーンシフト</source>
        <translation>Screen Shift</translation>
    </message>
    <message>
        <source>縦三分割</source>
        <translation>Vertical Thirds</translation>
    </message>
    <message>
        <source>横三分割</source>
        <translation>Horizontal Thirds</translation>
    </message>
    <message>
        <source>分割四隅</source>
        <translation>Split Corners</translation>
    </message>
    <message>
        <source>効果無し</source>
        <translation>None</translation>
    </message>
</context>
<context>
    <name>qor::Association</name>
    <message>
        <source>%1 を起動できません。</source>
        <translation>%1 cannot be started.</translation>
    </message>
    <message>
        <source>%1 が応答しません。</source>
        <translation>%1 does not answer.</translation>
    </message>
    <message>
        <source>%1 が失敗しました。</source>
        <translation>%1 failed.</translation>
    </message>
    <message>
        <source>プロジェクトファイルを関連付けできませんでした。
%1</source>
        <translation>Project files could not be associated.
%1</translation>
    </message>
</context>
<context>
    <name>qor::TChaUpdate</name>
    <message>
        <source>更新を確認しています...</source>
        <translation>Checking for updates...</translation>
    </message>
    <message>
        <source>更新はパッケージマネージャーから提供されます。このプログラムは更新を確認しません。</source>
        <translation>Updates come with the package manager. This program does not check for updates.</translation>
    </message>
</context>
<context>
    <name>qor::TFrmBtnId</name>
    <message>
        <source>ボタン番号</source>
        <translation>Button Number</translation>
    </message>
</context>
<context>
    <name>qor::TFrmCrop</name>
    <message>
        <source>画像範囲の指定</source>
        <translation>Crop Picture</translation>
    </message>
    <message>
        <source>ギャラリーに表示する画像の範囲をマウスで指定してください</source>
        <translation>Drag with the mouse to choose the part of the picture the gallery shows</translation>
    </message>
    <message>
        <source>前の画像(←)</source>
        <translation>Previous (←)</translation>
    </message>
    <message>
        <source>次の画像(→)</source>
        <translation>Next (→)</translation>
    </message>
    <message>
        <source>範囲を初期化</source>
        <translation>Reset Area</translation>
    </message>
    <message>
        <source>標準の範囲を設定します</source>
        <translation>Sets the default area</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>qor::TFrmRename</name>
    <message>
        <source>名前を変更</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>プロジェクト名を編集してください(&amp;E)</source>
        <translation>&amp;Edit the project name:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>qor::TFrmSetting</name>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>基本デザイン</source>
        <translation>Basic Design</translation>
    </message>
    <message>
        <source>詳細デザイン</source>
        <translation>Detailed Design</translation>
    </message>
    <message>
        <source>動作環境</source>
        <translation>Environment</translation>
    </message>
    <message>
        <source>設定をひな形として保存します(メインフォーム側も含む)</source>
        <translation>Saves the settings as a template (including those of the main window)</translation>
    </message>
    <message>
        <source>QorikaHTML5プロジェクト (*.qor)</source>
        <translation>Qorika HTML5 project (*.qor)</translation>
    </message>
    <message>
        <source>320x240のように 横x縦pixelの書式で入力できます</source>
        <translation>Enter as width x height in pixels, such as 320x240</translation>
    </message>
    <message>
        <source>画像サイズ</source>
        <translation>Picture size</translation>
    </message>
    <message>
        <source>サムネイルサイズ</source>
        <translation>Thumbnail size</translation>
    </message>
    <message>
        <source>サムネイル</source>
        <translation>Thumbnails</translation>
    </message>
    <message>
        <source>番号表示</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <source>ドット表示</source>
        <translation>Dots</translation>
    </message>
    <message>
        <source>コントローラなし</source>
        <translation>No controller</translation>
    </message>
    <message>
        <source>コントローラタイプ</source>
        <translation>Controller type</translation>
    </message>
    <message>
        <source>上右寄</source>
        <translation>Top right</translation>
    </message>
    <message>
        <source>上中央</source>
        <translation>Top center</translation>
    </message>
    <message>
        <source>上左寄</source>
        <translation>Top left</translation>
    </message>
    <message>
        <source>下右寄</source>
        <translation>Bottom right</translation>
    </message>
    <message>
        <source>下中央</source>
        <translation>Bottom center</translation>
    </message>
    <message>
        <source>下左寄</source>
        <translation>Bottom left</translation>
    </message>
    <message>
        <source>番号/ドット位置</source>
        <translation>Number/dot position</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>影</source>
        <translation>Shadow</translation>
    </message>
    <message>
        <source>フレーム</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>ギャラリーの枠飾り</source>
        <translation>Gallery border</translation>
    </message>
    <message>
        <source>縁飾りにフレームを指定した時のみ有効</source>
        <translation>Only used when the border is a frame</translation>
    </message>
    <message>
        <source>フレーム色</source>
        <translation>Frame color</translation>
    </message>
    <message>
        <source>画面推移</source>
        <translation>Transition</translation>
    </message>
    <message>
        <source>画面推移の速さ</source>
        <translation>Transition speed</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>スライドショー実行</source>
        <translation>Slide show</translation>
    </message>
    <message>
        <source>ページの背景色</source>
        <translation>Page background color</translation>
    </message>
    <message>
        <source>ページが宣言する言語(ja、en など)。読み上げソフトやギャラリーのボタン名が従います</source>
        <translation>The language the page declares (ja, en, ...). Screen readers and the names of the gallery&apos;s buttons follow it</translation>
    </message>
    <message>
        <source>テンプレートのまま(ja)</source>
        <translation>As the template (ja)</translation>
    </message>
    <message>
        <source>ページの言語</source>
        <translation>Page language</translation>
    </message>
    <message>
        <source>ひな形選択時、サイズを変更しない</source>
        <translation>Keep size when choosing a template</translation>
    </message>
    <message>
        <source>ひな形選択時、現在の画像サイズを変更しません。</source>
        <translation>Choosing a template keeps the current picture size.</translation>
    </message>
    <message>
        <source>ひな形</source>
        <translation>Template</translation>
    </message>
    <message>
        <source>画像の説明文</source>
        <translation>Picture description</translation>
    </message>
    <message>
        <source>文字色</source>
        <translation>Text color</translation>
    </message>
    <message>
        <source>文字影</source>
        <translation>Text shadow</translation>
    </message>
    <message>
        <source>背景色</source>
        <translation>Background color</translation>
    </message>
    <message>
        <source>説明文を表示しない</source>
        <translation>No description</translation>
    </message>
    <message>
        <source>画像下部に表示</source>
        <translation>Below the picture</translation>
    </message>
    <message>
        <source>画像上部に表示</source>
        <translation>Above the picture</translation>
    </message>
    <message>
        <source>60%幅で左右に表示</source>
        <translation>60% wide, left and right</translation>
    </message>
    <message>
        <source>60%幅で左に表示</source>
        <translation>60% wide, on the left</translation>
    </message>
    <message>
        <source>60%幅で右に表示</source>
        <translation>60% wide, on the right</translation>
    </message>
    <message>
        <source>画像のタイトルや説明文の表示位置を指定します</source>
        <translation>Where the picture&apos;s title and description are shown</translation>
    </message>
    <message>
        <source>表示位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>バナー</source>
        <translation>Banner</translation>
    </message>
    <message>
        <source>バナーを表示する</source>
        <translation>Show banner</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>プログレスバーを表示</source>
        <translation>Show progress bar</translation>
    </message>
    <message>
        <source>読込み時にプログレスバーを表示</source>
        <translation>Shows a progress bar while loading</translation>
    </message>
    <message>
        <source>バー色</source>
        <translation>Bar color</translation>
    </message>
    <message>
        <source>レスポンシブデザイン</source>
        <translation>Responsive design</translation>
    </message>
    <message>
        <source>ブラウザの画面サイズにギャラリーサイズを自動調整</source>
        <translation>Fits the gallery to the size of the browser window</translation>
    </message>
    <message>
        <source>最小スケール</source>
        <translation>Minimum scale</translation>
    </message>
    <message>
        <source>マウスでフリックする</source>
        <translation>Flick with the mouse</translation>
    </message>
    <message>
        <source>マウスでタッチパネルのフリックをエミュレートします</source>
        <translation>Emulates touch screen flicks with the mouse</translation>
    </message>
    <message>
        <source>ページ送りボタンを表示する</source>
        <translation>Show previous/next buttons</translation>
    </message>
    <message>
        <source>ページ送りボタン</source>
        <translation>Previous/next buttons</translation>
    </message>
    <message>
        <source>画質</source>
        <translation>Quality</translation>
    </message>
    <message>
        <source>ギャラリーの上下の余白。他のHTMLに組込む時は0等に調整</source>
        <translation>Space above and below the gallery; set it to 0 or so when embedding it in other HTML</translation>
    </message>
    <message>
        <source>ギャラリーの上下マージン</source>
        <translation>Gallery top/bottom margin</translation>
    </message>
    <message>
        <source>サムネイル部の文字</source>
        <translation>Thumbnail text</translation>
    </message>
    <message>
        <source>画像のタイトルを表示</source>
        <translation>Show picture title</translation>
    </message>
    <message>
        <source>ポラロイド風に表示</source>
        <translation>Polaroid style</translation>
    </message>
    <message>
        <source>サムネイルの画像フレームを下に伸ばし説明文を囲みます</source>
        <translation>Extends the thumbnail frame downwards around the description</translation>
    </message>
    <message>
        <source>説明文の表示域の高さをpixel単位で指定します</source>
        <translation>Height of the description area in pixels</translation>
    </message>
    <message>
        <source>文字の高さ</source>
        <translation>Text height</translation>
    </message>
    <message>
        <source>縦方向の表示位置のオフセットをpixel単位で指定</source>
        <translation>Vertical offset of the text in pixels</translation>
    </message>
    <message>
        <source>文字の表示オフセット(縦)</source>
        <translation>Text offset (vertical)</translation>
    </message>
    <message>
        <source>サムネイル画像フレーム</source>
        <translation>Thumbnail frame</translation>
    </message>
    <message>
        <source>フレーム幅</source>
        <translation>Frame width</translation>
    </message>
    <message>
        <source>サムネイル部の背景色</source>
        <translation>Thumbnail background color</translation>
    </message>
    <message>
        <source>単色にするには開始と終了の色をあわせる</source>
        <translation>For a plain color, make the start and end colors the same</translation>
    </message>
    <message>
        <source>開始色</source>
        <translation>Start color</translation>
    </message>
    <message>
        <source>終了色</source>
        <translation>End color</translation>
    </message>
    <message>
        <source>コントローラ : 番号/ドットタイプの設定</source>
        <translation>Controller: numbers/dots</translation>
    </message>
    <message>
        <source>マウスが画像から離れたら番号/ドットを隠す</source>
        <translation>Hide numbers/dots when the mouse leaves the picture</translation>
    </message>
    <message>
        <source>ページヘッダー</source>
        <translation>Page header</translation>
    </message>
    <message>
        <source>ヘッダー(h1)を付ける</source>
        <translation>Add a header (h1)</translation>
    </message>
    <message>
        <source>サイト(1段)</source>
        <translation>Site (1 row)</translation>
    </message>
    <message>
        <source>サイト(2段)</source>
        <translation>Site (2 rows)</translation>
    </message>
    <message>
        <source>サイト(3段)</source>
        <translation>Site (3 rows)</translation>
    </message>
    <message>
        <source>コントローラ : サムネイル</source>
        <translation>Controller: thumbnails</translation>
    </message>
    <message>
        <source>更新を自動的に確認する</source>
        <translation>Check for updates automatically</translation>
    </message>
    <message>
        <source>今すぐ確認</source>
        <translation>Check Now</translation>
    </message>
    <message>
        <source>起動時に直前のプロジェクトを開く</source>
        <translation>Open the last project at startup</translation>
    </message>
    <message>
        <source>画像にウォータマークを付ける</source>
        <translation>Add a watermark to pictures</translation>
    </message>
    <message>
        <source>終了時に全ての設定を初期状態に戻す</source>
        <translation>Reset all settings on exit</translation>
    </message>
    <message>
        <source>プログラムの全ての設定を初期状態に戻す</source>
        <translation>Resets all of the program&apos;s settings to their defaults</translation>
    </message>
    <message>
        <source>CSSの各Classをdiv識別子で区別する</source>
        <translation>Qualify each CSS class with the div identifier</translation>
    </message>
    <message>
        <source>1ページに複数のギャラリーを配置する時チェックします</source>
        <translation>Check this when one page holds several galleries</translation>
    </message>
    <message>
        <source>デモ出力モードを有効にする</source>
        <translation>Enable demo output mode</translation>
    </message>
    <message>
        <source>全ての遷移効果を適用したギャラリーを自動作成する</source>
        <translation>Builds a gallery for every transition automatically</translation>
    </message>
    <message>
        <source>サイズが同じJPEG画像は再圧縮しない</source>
        <translation>Don&apos;t recompress JPEG pictures of the same size</translation>
    </message>
    <message>
        <source>コピーするJPEG画像の撮影情報(Exif・GPS位置等)を残す</source>
        <translation>Keep the photo data (EXIF, GPS position...) of copied JPEG pictures</translation>
    </message>
    <message>
        <source>オフの時、公開するギャラリーにはカメラやGPS位置の情報を含めません</source>
        <translation>When off, the published gallery holds no camera or GPS position data</translation>
    </message>
    <message>
        <source>追加した画像のタイトルと説明を画像のメタデータ(XMP・IPTC・Exif)から取る</source>
        <translation>Take the titles and descriptions of added pictures from their metadata (XMP, IPTC, Exif)</translation>
    </message>
    <message>
        <source>写真管理ソフトで付けたタイトルと説明を空の欄に入れます。入力済みの欄は変えません</source>
        <translation>Fills empty fields with the titles and descriptions given in a photo manager; fields already filled stay as they are</translation>
    </message>
    <message>
        <source>デバッグモードを有効にする</source>
        <translation>Enable debug mode</translation>
    </message>
    <message>
        <source>プロジェクトファイル(.qor)の関連付け</source>
        <translation>Associate project files (.qor)</translation>
    </message>
    <message>
        <source>.qorをこのプログラムに関連付けてプロジェクトファイルのダブルクリックで開くようにします</source>
        <translation>Associates .qor with this program so a double click opens a project file</translation>
    </message>
    <message>
        <source>ひな形として保存</source>
        <translation>Save as Template</translation>
    </message>
    <message>
        <source>画像一覧以外の設定をひな形.qorとして保存します</source>
        <translation>Saves the settings, except the picture list, as a template .qor</translation>
    </message>
    <message>
        <source>現在のひな形を更新</source>
        <translation>Update Current Template</translation>
    </message>
    <message>
        <source>全ひな形を更新</source>
        <translation>Update All Templates</translation>
    </message>
    <message>
        <source>標準に戻す</source>
        <translation>Restore Defaults</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>qor::TFrmSlider1</name>
    <message>
        <source>ここに画像ファイルをドロップ</source>
        <translation>Drop pictures here</translation>
    </message>
    <message>
        <source>JPEG・HEIC・WebP・AVIF・PNG など / フォルダも追加できます</source>
        <translation>JPEG, HEIC, WebP, AVIF, PNG and more, or a whole folder</translation>
    </message>
    <message>
        <source>%1 をごみ箱に移せませんでした。</source>
        <translation>%1 could not be moved to the trash.</translation>
    </message>
    <message>
        <source>プロジェクト %1 が見つかりません。</source>
        <translation>The project %1 cannot be found.</translation>
    </message>
    <message>
        <source>ギャラリーの作成が終わると %1 を開きます</source>
        <translation>%1 opens when the gallery has been built</translation>
    </message>
    <message>
        <source>ギャラリーを作成中です。中断して終了しますか?</source>
        <translation>The gallery is being built. Stop and quit?</translation>
    </message>
    <message>
        <source>画像一覧</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>作成</source>
        <translation>Build</translation>
    </message>
    <message>
        <source>ﾌﾟﾛｼﾞｪｸﾄ</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>左回転</source>
        <translation>↺ Left</translation>
    </message>
    <message>
        <source>右回転</source>
        <translation>↻ Right</translation>
    </message>
    <message>
        <source>画像</source>
        <translation>+ Pictures</translation>
    </message>
    <message>
        <source>フォルダ</source>
        <translation>+ Folder</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>新規</source>
        <translation>New</translation>
    </message>
    <message>
        <source>画像切抜き(&amp;C)</source>
        <translation>&amp;Crop Picture...</translation>
    </message>
    <message>
        <source>画像のタイトルを指定します</source>
        <translation>The picture&apos;s title</translation>
    </message>
    <message>
        <source>タイトル(&amp;T)</source>
        <translation>&amp;Title</translation>
    </message>
    <message>
        <source>画像の説明文を指定します</source>
        <translation>The picture&apos;s description</translation>
    </message>
    <message>
        <source>画像説明文</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>画像にリンクするURLを指定します</source>
        <translation>The URL the picture links to</translation>
    </message>
    <message>
        <source>URL(&amp;U)</source>
        <translation>&amp;URL</translation>
    </message>
    <message>
        <source>リンクされたURLの表示方法を指定します</source>
        <translation>How the linked URL opens</translation>
    </message>
    <message>
        <source>画像にバナーを付ける</source>
        <translation>Puts a banner on the picture</translation>
    </message>
    <message>
        <source>バナー(&amp;B)</source>
        <translation>&amp;Banner</translation>
    </message>
    <message>
        <source>PC上のギャラリーの保存フォルダ</source>
        <translation>The folder on this computer the gallery is written to</translation>
    </message>
    <message>
        <source>Explorerで表示します</source>
        <translation>Shows the folder in the file manager</translation>
    </message>
    <message>
        <source>参照...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>保存フォルダを指定します</source>
        <translation>Chooses the output folder</translation>
    </message>
    <message>
        <source>保存フォルダ(&amp;F)</source>
        <translation>Output &amp;folder</translation>
    </message>
    <message>
        <source>HTML(&amp;H):</source>
        <translation>&amp;HTML:</translation>
    </message>
    <message>
        <source>HTMLファイルの名前</source>
        <translation>Name of the HTML file</translation>
    </message>
    <message>
        <source>スタイルシート(&amp;S):</source>
        <translation>&amp;Style sheet:</translation>
    </message>
    <message>
        <source>作成するCSSファイル名</source>
        <translation>Name of the CSS file to write</translation>
    </message>
    <message>
        <source>タイトル(&amp;T):</source>
        <translation>&amp;Title:</translation>
    </message>
    <message>
        <source>HTMLのタイトル名</source>
        <translation>Title of the HTML page</translation>
    </message>
    <message>
        <source>リサイズを省略</source>
        <translation>Skip resizing</translation>
    </message>
    <message>
        <source>保存フォルダに画像が存在する時、上書きしません</source>
        <translation>Pictures already in the output folder are not overwritten</translation>
    </message>
    <message>
        <source>高速作成(JPEGを縮小してデコード)</source>
        <translation>Fast build (JPEGs decoded at a reduced scale)</translation>
    </message>
    <message>
        <source>約2倍速く作成します。スライドは少し柔らかくなります</source>
        <translation>About twice as fast; the slides are a little softer</translation>
    </message>
    <message>
        <source>複数のギャラリーを同時に利用する場合に指定します</source>
        <translation>Set this when several galleries are used together</translation>
    </message>
    <message>
        <source>識別番号</source>
        <translation>Identifier</translation>
    </message>
    <message>
        <source>スレッド数</source>
        <translation>Threads</translation>
    </message>
    <message>
        <source>ギャラリー作成(&amp;M)</source>
        <translation>&amp;Make Gallery</translation>
    </message>
    <message>
        <source>中断</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>作成処理を中断します</source>
        <translation>Stops building</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>View</translation>
    </message>
    <message>
        <source>HTMLをブラウザで開く</source>
        <translation>Opens the HTML in the browser</translation>
    </message>
    <message>
        <source>標準値設定</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>出力フォルダ、ファイル名、タイトルを標準に戻します</source>
        <translation>Resets the output folder, file names and title to their defaults</translation>
    </message>
    <message>
        <source>編集中のプロジェクト</source>
        <translation>Current project</translation>
    </message>
    <message>
        <source>プロジェクトの説明</source>
        <translation>Project description</translation>
    </message>
    <message>
        <source>新規(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>開く(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>名前を変更(&amp;R)</source>
        <translation>&amp;Rename</translation>
    </message>
    <message>
        <source>リストから削除(&amp;D)</source>
        <translation>Remove from &amp;List</translation>
    </message>
    <message>
        <source>存在しないプロジェクトを履歴から削除</source>
        <translation>Remove Missing Projects from History</translation>
    </message>
    <message>
        <source>最近開いたプロジェクト(&amp;R)</source>
        <translation>&amp;Recent Projects</translation>
    </message>
    <message>
        <source>終了時に IniとTempフォルダを削除します</source>
        <translation>Delete the Ini and Temp folders on exit?</translation>
    </message>
    <message>
        <source>QorikaHTML5プロジェクト (*.qor)</source>
        <translation>Qorika HTML5 project (*.qor)</translation>
    </message>
    <message>
        <source>保存するプロジェクト名(.qor)を指定してください。</source>
        <translation>Choose the name of the project (.qor) to save.</translation>
    </message>
    <message>
        <source>QorikaHTML5のプロジェクト(.qor)を指定してください</source>
        <translation>Choose a Qorika HTML5 project (.qor)</translation>
    </message>
    <message>
        <source>ファイルダイヤログから既存プロジェクトを開きます</source>
        <translation>Opens an existing project from a file dialog</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>画像追加(&amp;P)...</source>
        <translation>Add &amp;Pictures...</translation>
    </message>
    <message>
        <source>フォルダ追加(&amp;F)...</source>
        <translation>Add &amp;Folder...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>全て選択(&amp;A)</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Undo(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>左回転(&amp;L)</source>
        <translation>Rotate &amp;Left</translation>
    </message>
    <message>
        <source>右回転(&amp;R)</source>
        <translation>Rotate &amp;Right</translation>
    </message>
    <message>
        <source>画像をエクスプローラに表示(&amp;E)</source>
        <translation>Show Picture in Fil&amp;e Manager</translation>
    </message>
    <message>
        <source>設定(&amp;P)</source>
        <translation>&amp;Settings...</translation>
    </message>
    <message>
        <source>画像一覧(&amp;L)</source>
        <translation>&amp;Pictures</translation>
    </message>
    <message>
        <source>作成画面(&amp;G)</source>
        <translation>&amp;Build</translation>
    </message>
    <message>
        <source>プロジェクト一覧(&amp;P)</source>
        <translation>P&amp;rojects</translation>
    </message>
    <message>
        <source>メニューバー表示(&amp;M)</source>
        <translation>Show &amp;Menu Bar</translation>
    </message>
    <message>
        <source>サムネイルキャプション(&amp;T)</source>
        <translation>&amp;Thumbnail Captions</translation>
    </message>
    <message>
        <source>Carbon テーマ(F7)</source>
        <translation>Carbon Theme (F7)</translation>
    </message>
    <message>
        <source>Classic テーマ(F7)</source>
        <translation>Classic Theme (F7)</translation>
    </message>
    <message>
        <source>ソートしない(&amp;N)</source>
        <translation>&amp;No Sorting</translation>
    </message>
    <message>
        <source>ファイル名(&amp;Z)</source>
        <translation>File Na&amp;me</translation>
    </message>
    <message>
        <source>ファイルサイズ(&amp;S)</source>
        <translation>File &amp;Size</translation>
    </message>
    <message>
        <source>作成日付(&amp;C)</source>
        <translation>Date &amp;Created</translation>
    </message>
    <message>
        <source>更新日付(&amp;U)</source>
        <translation>Date M&amp;odified</translation>
    </message>
    <message>
        <source>昇順(&amp;A)</source>
        <translation>&amp;Ascending</translation>
    </message>
    <message>
        <source>降順(&amp;D)</source>
        <translation>&amp;Descending</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>製品ホームページ(&amp;Z)</source>
        <translation>Product &amp;Website</translation>
    </message>
    <message>
        <source>Version情報(&amp;V)...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>終了時に作業ファイルを初期化(&amp;W)</source>
        <translation>Reset &amp;Working Files on Exit</translation>
    </message>
    <message>
        <source>画像フォルダを変更</source>
        <translation>Change Picture Folder</translation>
    </message>
    <message>
        <source>Caption編集(&amp;C)</source>
        <translation>Edit &amp;Caption</translation>
    </message>
    <message>
        <source>ログ表示(&amp;Z)</source>
        <translation>Show &amp;Log</translation>
    </message>
    <message>
        <source>プロジェクトファイルの名前を変更します</source>
        <translation>Renames the project file</translation>
    </message>
    <message>
        <source>履歴から削除します</source>
        <translation>Removes the project from the history</translation>
    </message>
    <message>
        <source>存在しないプロジェクトをリストから削除します</source>
        <translation>Removes projects that no longer exist from the list</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>ソート(&amp;O)</source>
        <translation>S&amp;ort</translation>
    </message>
    <message>
        <source>すべて (%1)</source>
        <translation>All pictures (%1)</translation>
    </message>
    <message>
        <source>GIF 画像 (*.gif *.GIF);;Portable Network Graphics (*.png *.PNG);;JPEG イメージファイル (*.jpg *.JPG);;JPEG イメージファイル (*.jpe *.JPE);;ビットマップ (*.bmp *.BMP);;HEIF 画像 (*.heic *.HEIC *.heif *.HEIF);;AVIF 画像 (*.avif *.AVIF);;WebP 画像 (*.webp *.WEBP)</source>
        <translation>GIF image (*.gif *.GIF);;Portable Network Graphics (*.png *.PNG);;JPEG image (*.jpg *.JPG);;JPEG image (*.jpe *.JPE);;Bitmap (*.bmp *.BMP);;HEIF image (*.heic *.HEIC *.heif *.HEIF);;AVIF image (*.avif *.AVIF);;WebP image (*.webp *.WEBP)</translation>
    </message>
    <message>
        <source>Lap :%f秒</source>
        <translation>Lap: %f s</translation>
    </message>
    <message>
        <source>ギャラリーは作成されましたが、次の点を確かめてください。</source>
        <translation>The gallery was written, but please check the following:</translation>
    </message>
    <message>
        <source>出力先フォルダ %s には、このプログラムが作成していないファイルがあります:</source>
        <translation>The output folder %s holds files that this program did not write:</translation>
    </message>
    <message>
        <source>置き換えてもよろしいですか？</source>
        <translation>Replace them?</translation>
    </message>
</context>
<context>
    <name>qor::THistoryRowDelegate</name>
    <message>
        <source>画像数:%3s   フォルダ:%s</source>
        <translation>Pictures:%3s   Folder: %s</translation>
    </message>
</context>
</TS>
