<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>A terv finom részletei nem olvashatók; normál részletességgel nyílik meg.</translation>
    </message>
    <message>
        <source>The frame text's separator could not be read; the usual gap is used.</source>
        <translation>A keretszöveg elválasztója nem olvasható; a szokásos térköz lesz használva.</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerBorderSetting</name>
    <message>
        <source>Drawn at size %1: the most a thin strip holds.</source>
        <translation>%1-es méretben rajzolva: ennyi fér el egy vékony csíkon.</translation>
    </message>
    <message>
        <source>Drawn at size %1: the most a thick strip holds.</source>
        <translation>%1-es méretben rajzolva: ennyi fér el egy vastag csíkon.</translation>
    </message>
    <message>
        <source>Between repeats:</source>
        <translation>Ismétlések között:</translation>
    </message>
    <message>
        <source>two spaces</source>
        <translation>két szóköz</translation>
    </message>
    <message>
        <source>What stands between repeats of the text, along the frame and on the strips, for example " · ". Empty: a gap of two spaces.</source>
        <translation>Ami a szöveg ismétlései között áll a keret mentén és a csíkokon, például „ · ”. Üres: két szóköznyi hézag.</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>A keret egyik oldalán sem fér el a teljes szöveg ekkora méretben: válasszon kisebb méretet vagy rövidebb szöveget.</translation>
    </message>
</context>
<context>
    <name>LMMainWidget</name>
    <message>
        <source>Detail</source>
        <translation>Részletesség</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Normál</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Finom</translation>
    </message>
    <message>
        <source>Fine draws the page at about 300 dpi, sharp in print; Standard at 76 dpi, as older designs are.</source>
        <translation>A Finom kb. 300 dpi-vel rajzolja az oldalt, nyomtatásban éles; a Normál 76 dpi-vel, mint a régebbi tervek.</translation>
    </message>
</context>
</TS>
