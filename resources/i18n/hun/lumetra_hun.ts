<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>A terv finom részletei nem olvashatók; normál részletességgel nyílik meg.</translation>
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
