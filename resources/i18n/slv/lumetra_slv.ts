<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>Fine podrobnosti tega osnutka ni bilo mogoče prebrati; odpre se z običajno podrobnostjo.</translation>
    </message>
    <message>
        <source>The frame text's separator could not be read; the usual gap is used.</source>
        <translation>Ločila besedila okvirja ni bilo mogoče prebrati; uporabljen je običajni razmik.</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerBorderSetting</name>
    <message>
        <source>Drawn at size %1: the most a thin strip holds.</source>
        <translation>Narisano v velikosti %1: več tanek trak ne sprejme.</translation>
    </message>
    <message>
        <source>Drawn at size %1: the most a thick strip holds.</source>
        <translation>Narisano v velikosti %1: več debel trak ne sprejme.</translation>
    </message>
    <message>
        <source>Between repeats:</source>
        <translation>Med ponovitvami:</translation>
    </message>
    <message>
        <source>two spaces</source>
        <translation>dva presledka</translation>
    </message>
    <message>
        <source>What stands between repeats of the text, along the frame and on the strips, for example " · ". Empty: a gap of two spaces.</source>
        <translation>Kar stoji med ponovitvami besedila vzdolž okvirja in na trakovih, na primer » · «. Prazno: razmik dveh presledkov.</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Nobena stran tega okvirja ne sprejme celotnega besedila v tej velikosti: izberite manjšo velikost ali krajše besedilo.</translation>
    </message>
</context>
<context>
    <name>LMMainWidget</name>
    <message>
        <source>Detail</source>
        <translation>Podrobnost</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Običajna</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fina</translation>
    </message>
    <message>
        <source>Fine draws the page at about 300 dpi, sharp in print; Standard at 76 dpi, as older designs are.</source>
        <translation>Fina nariše stran s približno 300 dpi, ostro pri tisku; Običajna s 76 dpi, kot starejši osnutki.</translation>
    </message>
</context>
</TS>
