<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>Den fina detaljen i denna design kunde inte läsas; den öppnas med standarddetalj.</translation>
    </message>
    <message>
        <source>The frame text's separator could not be read; the usual gap is used.</source>
        <translation>Ramtextens avgränsare kunde inte läsas; det vanliga mellanrummet används.</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerBorderSetting</name>
    <message>
        <source>Drawn at size %1: the most a thin strip holds.</source>
        <translation>Ritas i storlek %1: mer rymmer inte en tunn list.</translation>
    </message>
    <message>
        <source>Drawn at size %1: the most a thick strip holds.</source>
        <translation>Ritas i storlek %1: mer rymmer inte en tjock list.</translation>
    </message>
    <message>
        <source>Between repeats:</source>
        <translation>Mellan upprepningar:</translation>
    </message>
    <message>
        <source>two spaces</source>
        <translation>två mellanslag</translation>
    </message>
    <message>
        <source>What stands between repeats of the text, along the frame and on the strips, for example " · ". Empty: a gap of two spaces.</source>
        <translation>Det som står mellan upprepningarna av texten längs ramen och på remsorna, till exempel ” · ”. Tomt: ett mellanrum på två mellanslag.</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Ingen sida av den här ramen rymmer hela texten i den här storleken: välj en mindre storlek eller en kortare text.</translation>
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
        <translation>Fin ritar sidan i cirka 300 dpi, skarpt i tryck; Standard i 76 dpi, som äldre designer.</translation>
    </message>
</context>
</TS>
