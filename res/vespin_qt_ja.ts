<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Texts of Qt's own dialogs that Qt's Japanese catalogue (qtbase_ja) leaves in English,
     written as the framework writes its texts: katakana half-width. -->
<TS version="2.1" language="ja_JP">
<context>
    <name>QAbstractFileIconProvider</name>
    <message><source>Folder</source><translation>ﾌｫﾙﾀﾞ</translation></message>
    <message><source>File Folder</source><translation>ﾌｫﾙﾀﾞ</translation></message>
    <message><source>File</source><translation>ﾌｧｲﾙ</translation></message>
    <message><source>%1 File</source><translation>%1 ﾌｧｲﾙ</translation></message>
    <message><source>Drive</source><translation>ﾄﾞﾗｲﾌﾞ</translation></message>
    <message><source>Alias</source><translation>ｴｲﾘｱｽ</translation></message>
    <message><source>Shortcut</source><translation>ｼｮｰﾄｶｯﾄ</translation></message>
    <message><source>Unknown</source><translation>不明</translation></message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message><source>Pages</source><translation>ﾍﾟｰｼﾞ指定</translation></message>
    <message><source>Double Sided Printing</source><translation>両面印刷</translation></message>
    <message><source>Off</source><translation>しない</translation></message>
    <message><source>Long side binding</source><translation>長辺とじ</translation></message>
    <message><source>Short side binding</source><translation>短辺とじ</translation></message>
    <message><source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source><translation>ﾍﾟｰｼﾞまたは範囲をｶﾝﾏで区切って指定します。範囲は2つの数字をﾊｲﾌﾝでつないで指定します。例: 3,5-7,9 は 3、5、6、7、9 ﾍﾟｰｼﾞを印刷します。</translation></message>
</context>
<context>
    <name>QPrintDialog</name>
    <message><source>Invalid Pages Definition</source><translation>ﾍﾟｰｼﾞの指定が正しくありません</translation></message>
    <message><source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source><translation>%1 は正しい書き方ではありません。ﾍﾟｰｼﾞや範囲は &apos;,&apos; で区切り、範囲は &apos;-&apos; で指定して、範囲が重ならないようにして下さい。</translation></message>
    <message><source>Duplex Settings Conflicts</source><translation>両面印刷の設定の競合</translation></message>
    <message><source>There are conflicts in duplex settings. Do you want to fix them?</source><translation>両面印刷の設定が競合しています。修正しますか?</translation></message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message><source>Advanced</source><translation>詳細設定</translation></message>
    <message><source>There are conflicts in some options. Please fix them.</source><translation>競合している設定があります。修正して下さい。</translation></message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message><source>Page Setup Conflicts</source><translation>ﾍﾟｰｼﾞ設定の競合</translation></message>
    <message><source>There are conflicts in page setup options. Do you want to fix them?</source><translation>ﾍﾟｰｼﾞ設定が競合しています。修正しますか?</translation></message>
    <message><source>Advanced Option Conflicts</source><translation>詳細設定の競合</translation></message>
    <message><source>There are conflicts in some advanced options. Do you want to fix them?</source><translation>詳細設定が競合しています。修正しますか?</translation></message>
</context>
<context>
    <name>QPageSize</name>
    <message><source>A3 Extra</source><translation>A3 ｴｸｽﾄﾗ</translation></message>
    <message><source>A4 Extra</source><translation>A4 ｴｸｽﾄﾗ</translation></message>
    <message><source>A4 Plus</source><translation>A4 ﾌﾟﾗｽ</translation></message>
    <message><source>A4 Small</source><translation>A4 ｽﾓｰﾙ</translation></message>
    <message><source>A5 Extra</source><translation>A5 ｴｸｽﾄﾗ</translation></message>
    <message><source>B5 Extra</source><translation>B5 ｴｸｽﾄﾗ</translation></message>
    <message><source>Legal Extra</source><translation>ﾘｰｶﾞﾙ ｴｸｽﾄﾗ</translation></message>
    <message><source>Letter Extra</source><translation>ﾚﾀｰ ｴｸｽﾄﾗ</translation></message>
    <message><source>Letter Plus</source><translation>ﾚﾀｰ ﾌﾟﾗｽ</translation></message>
    <message><source>Letter Small</source><translation>ﾚﾀｰ ｽﾓｰﾙ</translation></message>
    <message><source>Super A</source><translation>ｽｰﾊﾟｰ A</translation></message>
    <message><source>Super B</source><translation>ｽｰﾊﾟｰ B</translation></message>
</context>
</TS>
