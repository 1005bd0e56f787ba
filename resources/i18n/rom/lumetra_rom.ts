<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>Detaliul fin al acestui model nu a putut fi citit; se deschide cu detaliu standard.</translation>
    </message>
    <message>
        <source>The frame text's separator could not be read; the usual gap is used.</source>
        <translation>Separatorul textului ramei nu a putut fi citit; se folosește spațiul obișnuit.</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerBorderSetting</name>
    <message>
        <source>Drawn at size %1: the most a thin strip holds.</source>
        <translation>Desenat la mărimea %1: maximul pentru o bandă subțire.</translation>
    </message>
    <message>
        <source>Drawn at size %1: the most a thick strip holds.</source>
        <translation>Desenat la mărimea %1: maximul pentru o bandă groasă.</translation>
    </message>
    <message>
        <source>Between repeats:</source>
        <translation>Între repetări:</translation>
    </message>
    <message>
        <source>two spaces</source>
        <translation>două spații</translation>
    </message>
    <message>
        <source>What stands between repeats of the text, along the frame and on the strips, for example " · ". Empty: a gap of two spaces.</source>
        <translation>Ce stă între repetările textului, de-a lungul ramei și pe benzi, de exemplu „ · ”. Gol: o distanță de două spații.</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Nicio latură a acestei rame nu cuprinde tot textul la această mărime: alegeți o mărime mai mică sau un text mai scurt.</translation>
    </message>
</context>
<context>
    <name>LMMainWidget</name>
    <message>
        <source>Detail</source>
        <translation>Detaliu</translation>
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
        <translation>Fin desenează pagina la circa 300 dpi, clar la tipărire; Standard la 76 dpi, ca modelele mai vechi.</translation>
    </message>
</context>
</TS>
