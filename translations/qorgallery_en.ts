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
    <name>qor::TChaUpdate</name>
    <message>
        <source>更新の確認先が設定されていません</source>
        <translation>No update server is set</translation>
    </message>
    <message>
        <source>更新を確認しています...</source>
        <translation>Checking for updates...</translation>
    </message>
</context>
</TS>
