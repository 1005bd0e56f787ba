<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>このデザインの高精細データを読み込めませんでした。標準の精細度で開きます。</translation>
    </message>
    <message>
        <source>The frame text's separator could not be read; the usual gap is used.</source>
        <translation>フレーム文字の区切りを読み込めませんでした。通常の間隔を使います。</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerBorderSetting</name>
    <message>
        <source>Drawn at size %1: the most a thin strip holds.</source>
        <translation>サイズ %1 で描画: 細いストリップに収まる最大です。</translation>
    </message>
    <message>
        <source>Drawn at size %1: the most a thick strip holds.</source>
        <translation>サイズ %1 で描画: 太いストリップに収まる最大です。</translation>
    </message>
    <message>
        <source>Between repeats:</source>
        <translation>繰り返しの間:</translation>
    </message>
    <message>
        <source>two spaces</source>
        <translation>空白2つ</translation>
    </message>
    <message>
        <source>What stands between repeats of the text, along the frame and on the strips, for example " · ". Empty: a gap of two spaces.</source>
        <translation>フレームに沿って、またフォーム材の上で、文字の繰り返しの間に入れるもの。例:「 · 」。空欄なら空白2つ分の間隔。</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>このサイズでは、フレームのどの辺にも文字全体が収まりません。小さいサイズか短い文字を選んでください。</translation>
    </message>
</context>
<context>
    <name>LMMainWidget</name>
    <message>
        <source>Detail</source>
        <translation>精細度</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>高精細</translation>
    </message>
    <message>
        <source>Fine draws the page at about 300 dpi, sharp in print; Standard at 76 dpi, as older designs are.</source>
        <translation>高精細はページを約 300 dpi で描き、印刷がくっきりします。標準は以前のデザインと同じ 76 dpi です。</translation>
    </message>
</context>
</TS>
