<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>Jemný detail tohto návrhu sa nepodarilo prečítať; otvorí sa v štandardnom detaile.</translation>
    </message>
    <message>
        <source>The frame text's separator could not be read; the usual gap is used.</source>
        <translation>Oddeľovač textu rámu sa nepodarilo prečítať; použije sa obvyklá medzera.</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerBorderSetting</name>
    <message>
        <source>Drawn at size %1: the most a thin strip holds.</source>
        <translation>Kreslené vo veľkosti %1: viac sa na tenký pásik nezmestí.</translation>
    </message>
    <message>
        <source>Drawn at size %1: the most a thick strip holds.</source>
        <translation>Kreslené vo veľkosti %1: viac sa na hrubý pásik nezmestí.</translation>
    </message>
    <message>
        <source>Between repeats:</source>
        <translation>Medzi opakovaniami:</translation>
    </message>
    <message>
        <source>two spaces</source>
        <translation>dve medzery</translation>
    </message>
    <message>
        <source>What stands between repeats of the text, along the frame and on the strips, for example " · ". Empty: a gap of two spaces.</source>
        <translation>Čo stojí medzi opakovaniami textu pozdĺž rámu a na pásikoch, napríklad „ · “. Prázdne: odstup dvoch medzier.</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Žiadna strana tohto rámu nepojme celý text v tejto veľkosti: zvoľte menšiu veľkosť alebo kratší text.</translation>
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
        <translation>Štandardný</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Jemný</translation>
    </message>
    <message>
        <source>Fine draws the page at about 300 dpi, sharp in print; Standard at 76 dpi, as older designs are.</source>
        <translation>Jemný kreslí stranu v približne 300 dpi, ostro pri tlači; Štandardný v 76 dpi ako staršie návrhy.</translation>
    </message>
</context>
</TS>
