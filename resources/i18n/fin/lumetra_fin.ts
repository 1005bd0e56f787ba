<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>Tämän mallin hienoa tarkkuutta ei voitu lukea; se avataan vakiotarkkuudella.</translation>
    </message>
    <message>
        <source>The frame text's separator could not be read; the usual gap is used.</source>
        <translation>Kehystekstin erotinta ei voitu lukea; käytetään tavallista väliä.</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerBorderSetting</name>
    <message>
        <source>Drawn at size %1: the most a thin strip holds.</source>
        <translation>Piirretty koossa %1: enempää ohut kaista ei mahduta.</translation>
    </message>
    <message>
        <source>Drawn at size %1: the most a thick strip holds.</source>
        <translation>Piirretty koossa %1: enempää paksu kaista ei mahduta.</translation>
    </message>
    <message>
        <source>Between repeats:</source>
        <translation>Toistojen välissä:</translation>
    </message>
    <message>
        <source>two spaces</source>
        <translation>kaksi välilyöntiä</translation>
    </message>
    <message>
        <source>What stands between repeats of the text, along the frame and on the strips, for example " · ". Empty: a gap of two spaces.</source>
        <translation>Mitä tekstin toistojen väliin tulee kehyksen varrella ja liuskoissa, esimerkiksi ” · ”. Tyhjä: kahden välilyönnin väli.</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Mikään tämän kehyksen sivu ei mahdu koko tekstiä tässä koossa: valitse pienempi koko tai lyhyempi teksti.</translation>
    </message>
</context>
<context>
    <name>LMMainWidget</name>
    <message>
        <source>Detail</source>
        <translation>Tarkkuus</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Vakio</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Hieno</translation>
    </message>
    <message>
        <source>Fine draws the page at about 300 dpi, sharp in print; Standard at 76 dpi, as older designs are.</source>
        <translation>Hieno piirtää sivun noin 300 dpi:n tarkkuudella, terävänä tulosteessa; Vakio 76 dpi:llä kuten vanhemmat mallit.</translation>
    </message>
</context>
</TS>
