<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>Die feinen Details dieses Entwurfs konnten nicht gelesen werden; er wird in Standarddetail geöffnet.</translation>
    </message>
    <message>
        <source>The frame text's separator could not be read; the usual gap is used.</source>
        <translation>Das Trennzeichen des Rahmentexts konnte nicht gelesen werden; der übliche Abstand wird verwendet.</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerBorderSetting</name>
    <message>
        <source>Drawn at size %1: the most a thin strip holds.</source>
        <translation>In Größe %1 gezeichnet: mehr fasst ein dünner Streifen nicht.</translation>
    </message>
    <message>
        <source>Drawn at size %1: the most a thick strip holds.</source>
        <translation>In Größe %1 gezeichnet: mehr fasst ein dicker Streifen nicht.</translation>
    </message>
    <message>
        <source>Between repeats:</source>
        <translation>Zwischen Wiederholungen:</translation>
    </message>
    <message>
        <source>two spaces</source>
        <translation>zwei Leerzeichen</translation>
    </message>
    <message>
        <source>What stands between repeats of the text, along the frame and on the strips, for example " · ". Empty: a gap of two spaces.</source>
        <translation>Was zwischen den Wiederholungen des Texts steht, entlang des Rahmens und auf den Streifen, zum Beispiel „ · “. Leer: ein Abstand von zwei Leerzeichen.</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Keine Seite dieses Rahmens fasst den ganzen Text in dieser Größe: Wählen Sie eine kleinere Größe oder einen kürzeren Text.</translation>
    </message>
</context>
<context>
    <name>LMMainWidget</name>
    <message>
        <source>Detail</source>
        <translation>Detailgrad</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fein</translation>
    </message>
    <message>
        <source>Fine draws the page at about 300 dpi, sharp in print; Standard at 76 dpi, as older designs are.</source>
        <translation>Fein zeichnet die Seite mit etwa 300 dpi, scharf im Druck; Standard mit 76 dpi wie ältere Entwürfe.</translation>
    </message>
</context>
</TS>
