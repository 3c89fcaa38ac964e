<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Texts of Qt's own dialogs that Qt's Japanese catalogue (qtbase_ja) leaves in English. -->
<TS version="2.1" language="ja_JP">
<context>
    <name>QAbstractFileIconProvider</name>
    <message><source>Folder</source><translation>フォルダ</translation></message>
    <message><source>File Folder</source><translation>フォルダ</translation></message>
    <message><source>File</source><translation>ファイル</translation></message>
    <message><source>%1 File</source><translation>%1 ファイル</translation></message>
    <message><source>Drive</source><translation>ドライブ</translation></message>
    <message><source>Alias</source><translation>エイリアス</translation></message>
    <message><source>Shortcut</source><translation>ショートカット</translation></message>
</context>
</TS>
