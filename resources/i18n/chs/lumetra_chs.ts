<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>无法读取此设计的精细内容；将以标准精细度打开。</translation>
    </message>
    <message>
        <source>The frame text's separator could not be read; the usual gap is used.</source>
        <translation>无法读取边框文字的分隔符；将使用通常的间隔。</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerBorderSetting</name>
    <message>
        <source>Drawn at size %1: the most a thin strip holds.</source>
        <translation>按字号 %1 绘制：细条最多容纳这么大。</translation>
    </message>
    <message>
        <source>Drawn at size %1: the most a thick strip holds.</source>
        <translation>按字号 %1 绘制：粗条最多容纳这么大。</translation>
    </message>
    <message>
        <source>Between repeats:</source>
        <translation>重复之间：</translation>
    </message>
    <message>
        <source>two spaces</source>
        <translation>两个空格</translation>
    </message>
    <message>
        <source>What stands between repeats of the text, along the frame and on the strips, for example " · ". Empty: a gap of two spaces.</source>
        <translation>沿边框和在泡棉条上，文字每次重复之间的内容，例如“ · ”。留空：两个空格的间隔。</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>此边框的任何一边都放不下这个字号的完整文字：请选择较小的字号或较短的文字。</translation>
    </message>
</context>
<context>
    <name>LMMainWidget</name>
    <message>
        <source>Detail</source>
        <translation>精细度</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>精细</translation>
    </message>
    <message>
        <source>Fine draws the page at about 300 dpi, sharp in print; Standard at 76 dpi, as older designs are.</source>
        <translation>精细以约 300 dpi 绘制页面，打印清晰；标准为 76 dpi，与旧设计相同。</translation>
    </message>
</context>
</TS>
