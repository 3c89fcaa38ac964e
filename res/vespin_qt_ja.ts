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
</context>
</TS>
