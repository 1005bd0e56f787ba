<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>Den fine detaljen i dette designet kunne ikke leses; det åpnes med standard detalj.</translation>
    </message>
    <message>
        <source>The frame text's separator could not be read; the usual gap is used.</source>
        <translation>Skilletegnet for rammeteksten kunne ikke leses; vanlig mellomrom brukes.</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerBorderSetting</name>
    <message>
        <source>Drawn at size %1: the most a thin strip holds.</source>
        <translation>Tegnet i størrelse %1: mer får ikke plass på en tynn list.</translation>
    </message>
    <message>
        <source>Drawn at size %1: the most a thick strip holds.</source>
        <translation>Tegnet i størrelse %1: mer får ikke plass på en tykk list.</translation>
    </message>
    <message>
        <source>Between repeats:</source>
        <translation>Mellom gjentakelser:</translation>
    </message>
    <message>
        <source>two spaces</source>
        <translation>to mellomrom</translation>
    </message>
    <message>
        <source>What stands between repeats of the text, along the frame and on the strips, for example " · ". Empty: a gap of two spaces.</source>
        <translation>Det som står mellom gjentakelsene av teksten langs rammen og på strimlene, for eksempel « · ». Tomt: to mellomrom.</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Ingen side av denne rammen har plass til hele teksten i denne størrelsen: velg en mindre størrelse eller en kortere tekst.</translation>
    </message>
</context>
<context>
    <name>LMMainWidget</name>
    <message>
        <source>Detail</source>
        <translation>Detalj</translation>
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
        <translation>Fin tegner siden i omtrent 300 dpi, skarpt på trykk; Standard i 76 dpi, som eldre design.</translation>
    </message>
</context>
</TS>
