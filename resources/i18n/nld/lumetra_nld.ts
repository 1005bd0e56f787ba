<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>Het fijne detail van dit ontwerp kon niet worden gelezen; het wordt geopend met standaarddetail.</translation>
    </message>
    <message>
        <source>The frame text's separator could not be read; the usual gap is used.</source>
        <translation>Het scheidingsteken van de kadertekst kon niet worden gelezen; de gewone tussenruimte wordt gebruikt.</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerBorderSetting</name>
    <message>
        <source>Drawn at size %1: the most a thin strip holds.</source>
        <translation>Getekend op grootte %1: meer past niet op een dunne strook.</translation>
    </message>
    <message>
        <source>Drawn at size %1: the most a thick strip holds.</source>
        <translation>Getekend op grootte %1: meer past niet op een dikke strook.</translation>
    </message>
    <message>
        <source>Between repeats:</source>
        <translation>Tussen herhalingen:</translation>
    </message>
    <message>
        <source>two spaces</source>
        <translation>twee spaties</translation>
    </message>
    <message>
        <source>What stands between repeats of the text, along the frame and on the strips, for example " · ". Empty: a gap of two spaces.</source>
        <translation>Wat tussen de herhalingen van de tekst staat, langs het kader en op de stroken, bijvoorbeeld " · ". Leeg: een ruimte van twee spaties.</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Geen enkele zijde van dit kader past de hele tekst in deze grootte: kies een kleinere grootte of een kortere tekst.</translation>
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
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fijn</translation>
    </message>
    <message>
        <source>Fine draws the page at about 300 dpi, sharp in print; Standard at 76 dpi, as older designs are.</source>
        <translation>Fijn tekent de pagina op ongeveer 300 dpi, scherp op papier; Standaard op 76 dpi, zoals oudere ontwerpen.</translation>
    </message>
</context>
</TS>
