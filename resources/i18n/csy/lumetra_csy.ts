<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>Jemný detail tohoto návrhu nelze přečíst; otevře se ve standardním detailu.</translation>
    </message>
    <message>
        <source>The frame text's separator could not be read; the usual gap is used.</source>
        <translation>Oddělovač textu rámečku nelze přečíst; použije se obvyklá mezera.</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerBorderSetting</name>
    <message>
        <source>Drawn at size %1: the most a thin strip holds.</source>
        <translation>Kresleno ve velikosti %1: víc se na tenký pásek nevejde.</translation>
    </message>
    <message>
        <source>Drawn at size %1: the most a thick strip holds.</source>
        <translation>Kresleno ve velikosti %1: víc se na silný pásek nevejde.</translation>
    </message>
    <message>
        <source>Between repeats:</source>
        <translation>Mezi opakováními:</translation>
    </message>
    <message>
        <source>two spaces</source>
        <translation>dvě mezery</translation>
    </message>
    <message>
        <source>What stands between repeats of the text, along the frame and on the strips, for example " · ". Empty: a gap of two spaces.</source>
        <translation>Co stojí mezi opakováními textu podél rámečku a na páscích, například „ · “. Prázdné: mezera o šířce dvou mezer.</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Žádná strana tohoto rámečku nepojme celý text v této velikosti: zvolte menší velikost nebo kratší text.</translation>
    </message>
</context>
<context>
    <name>LMMainWidget</name>
    <message>
        <source>Detail</source>
        <translation>Detail</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standardní</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Jemný</translation>
    </message>
    <message>
        <source>Fine draws the page at about 300 dpi, sharp in print; Standard at 76 dpi, as older designs are.</source>
        <translation>Jemný kreslí stránku v přibližně 300 dpi, ostře při tisku; Standardní v 76 dpi jako starší návrhy.</translation>
    </message>
</context>
</TS>
