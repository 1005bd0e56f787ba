<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>Den fine detalje i dette design kunne ikke læses; det åbnes med standarddetalje.</translation>
    </message>
    <message>
        <source>The frame text's separator could not be read; the usual gap is used.</source>
        <translation>Rammetekstens skilletegn kunne ikke læses; det sædvanlige mellemrum bruges.</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerBorderSetting</name>
    <message>
        <source>Drawn at size %1: the most a thin strip holds.</source>
        <translation>Tegnet i størrelse %1: mere kan en tynd liste ikke rumme.</translation>
    </message>
    <message>
        <source>Drawn at size %1: the most a thick strip holds.</source>
        <translation>Tegnet i størrelse %1: mere kan en tyk liste ikke rumme.</translation>
    </message>
    <message>
        <source>Between repeats:</source>
        <translation>Mellem gentagelser:</translation>
    </message>
    <message>
        <source>two spaces</source>
        <translation>to mellemrum</translation>
    </message>
    <message>
        <source>What stands between repeats of the text, along the frame and on the strips, for example " · ". Empty: a gap of two spaces.</source>
        <translation>Det, der står mellem gentagelser af teksten langs rammen og på strimlerne, f.eks. " · ". Tom: to mellemrum.</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Ingen side af denne ramme har plads til hele teksten i denne størrelse: vælg en mindre størrelse eller en kortere tekst.</translation>
    </message>
</context>
<context>
    <name>LMMainWidget</name>
    <message>
        <source>Detail</source>
        <translation>Detalje</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Fine draws the page at about 300 dpi, sharp in print; Standard at 76 dpi, as older designs are.</source>
        <translation>Fin tegner siden i ca. 300 dpi, skarpt på tryk; Standard i 76 dpi som ældre designs.</translation>
    </message>
</context>
</TS>
