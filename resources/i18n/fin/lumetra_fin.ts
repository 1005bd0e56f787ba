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
    <message>
        <source>The page is %1 x %2 pixels, larger than any paper.</source>
        <translation>Sivu on %1 x %2 pikseliä, suurempi kuin mikään paperi.</translation>
    </message>
    <message>
        <source>The list of names could not be read; the design opens without it.</source>
        <translation>Nimiluetteloa ei voitu lukea; malli avautuu ilman sitä.</translation>
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
        <source>All files</source>
        <translation>Kaikki tiedostot</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Koko</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Mikään tämän kehyksen sivu ei mahdu koko tekstiä tässä koossa: valitse pienempi koko tai lyhyempi teksti.</translation>
    </message>
    <message>
        <source>Names…</source>
        <translation>Nimet…</translation>
    </message>
    <message>
        <source>A list of names, one for each insert, each in place of the frame text</source>
        <translation>Nimiluettelo: yksi nimi kuhunkin sisäkorttiin kehyksen tekstin tilalle</translation>
    </message>
    <message>
        <source>Names: %1. Each insert takes one of them in place of the frame text; the first is shown here.</source>
        <translation>Nimiä: %1. Jokainen sisäkortti saa yhden niistä kehyksen tekstin tilalle; tässä näkyy ensimmäinen.</translation>
    </message>
    <message>
        <source>Names (%1)…</source>
        <translation>Nimet (%1)…</translation>
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
    <message>
        <source>Print Preview…</source>
        <translation>Tulostuksen esikatselu…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Vie PDF-tiedostoksi…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Vie PDF-tiedostoksi</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF-tiedosto</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Moves the whole printout, for printers that shift the page</source>
        <translation>Siirtää koko tulostetta tulostimille, jotka siirtävät sivua</translation>
    </message>
    <message>
        <source>Lumetra ended without saving a design you were working on. A copy of it was kept at %1.

Restore it?</source>
        <translation>Lumetra sulkeutui tallentamatta mallia, jonka parissa työskentelit. Siitä tallennettiin kopio %1.

Palautetaanko se?</translation>
    </message>
    <message>
        <source>Lumetra File and pictures</source>
        <translation>Lumetra-tiedostot ja kuvat</translation>
    </message>
    <message>
        <source>Lumetra File</source>
        <translation>Lumetra-tiedosto</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Kaikki tiedostot</translation>
    </message>
    <message>
        <source>Add text along an arc: drag a field, then type. The letters follow an arc over the field's top, and the field widens to hold them all.</source>
        <translation>Lisää tekstiä kaarelle: vedä kenttä ja kirjoita. Kirjaimet seuraavat kaarta kentän yläreunan yli, ja kenttä levenee, jotta kaikki mahtuvat.</translation>
    </message>
    <message>
        <source>%1 per sheet, 1 sheet</source>
        <translation>%1 arkille, 1 arkki</translation>
    </message>
    <message>
        <source>%1 per sheet, %2 sheets</source>
        <translation>%1 arkille, %2 arkkia</translation>
    </message>
    <message>
        <source>One insert, one sheet</source>
        <translation>Yksi kortti, yksi arkki</translation>
    </message>
    <message>
        <source>%1 inserts, one per sheet</source>
        <translation>%1 korttia, yksi arkille</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Arkki</translation>
    </message>
    <message>
        <source>One insert per sheet</source>
        <translation>Yksi kortti arkille</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerArtFrameSetting</name>
    <message>
        <source>Rotate</source>
        <translation>Kierrä</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerTextSetting</name>
    <message>
        <source>Rotate Text</source>
        <translation>Kierrä tekstiä</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerPaddingSetting</name>
    <message>
        <source> Inch</source>
        <translation> tuumaa</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>%1: from 0 to %2 on this paper.</source>
        <translation>%1: tällä paperilla 0–%2.</translation>
    </message>
</context>
<context>
    <name>LMFiles</name>
    <message>
        <source>The picture is %1 x %2 pixels; Lumetra opens pictures of up to %3 megapixels.</source>
        <translation>Kuva on %1 x %2 pikseliä; Lumetra avaa enintään %3 megapikselin kuvia.</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Bittikartta</translation>
    </message>
    <message>
        <source>Lumetra writes no "%1" images.</source>
        <translation>Lumetra ei kirjoita %1-kuvia.</translation>
    </message>
</context>
<context>
    <name>LMPrinting</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>Tulostinta ei voitu käynnistää.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>Tiedostoa %1 ei voitu kirjoittaa.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Tiedostoa %1 ei voitu kirjoittaa: %2</translation>
    </message>
    <message>
        <source>The printer reported an error; the page may not have been printed.</source>
        <translation>Tulostin ilmoitti virheestä; sivua ei ehkä tulostettu.</translation>
    </message>
    <message>
        <source>The sheet is too small for one insert within its margins.</source>
        <translation>Arkki on liian pieni yhdelle kortille marginaaliensa sisällä.</translation>
    </message>
</context>
<context>
    <name>LMCommandLine</name>
    <message>
        <source>%1: this file name is not valid UTF-8, so Lumetra can not open or write that file; rename it</source>
        <translation>%1: tiedostonimi ei ole kelvollista UTF-8:aa, joten Lumetra ei voi avata tai kirjoittaa tiedostoa; nimeä se uudelleen</translation>
    </message>
    <message>
        <source>not a file type Lumetra writes: end the name in .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</source>
        <translation>Lumetra ei kirjoita tätä tiedostotyyppiä: päätä nimi .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</translation>
    </message>
    <message>
        <source>Lumetra %1 is available (this is %2)</source>
        <translation>Lumetra %1 on saatavilla (tämä on %2)</translation>
    </message>
    <message>
        <source>Lumetra %1 is the latest version</source>
        <translation>Lumetra %1 on uusin versio</translation>
    </message>
    <message>
        <source>update check failed: %1</source>
        <translation>päivitysten tarkistus epäonnistui: %1</translation>
    </message>
    <message>
        <source>the list of names could not be read: %1</source>
        <translation>nimiluetteloa ei voitu lukea: %1</translation>
    </message>
    <message>
        <source>the list of names is not UTF-8 text; save it as UTF-8</source>
        <translation>nimiluettelo ei ole UTF-8-tekstiä; tallenna se UTF-8-muodossa</translation>
    </message>
    <message>
        <source>the list of names holds no name</source>
        <translation>nimiluettelossa ei ole yhtään nimeä</translation>
    </message>
    <message>
        <source>the design shows no frame text, so no name would show; switch its frame and frame text on</source>
        <translation>mallissa ei näy kehystekstiä, joten yksikään nimi ei näkyisi; ota kehys ja kehysteksti käyttöön</translation>
    </message>
</context>
<context>
    <name>LMUpdateTexts</name>
    <message>
        <source>Please Click 'Check' button for checking version</source>
        <translation>Etsi uutta versiota napsauttamalla ”Tarkista”</translation>
    </message>
    <message>
        <source>Logged onto server.</source>
        <translation>Kirjauduttu palvelimelle.</translation>
    </message>
    <message>
        <source>Downloaded %1.</source>
        <translation>%1 ladattu.</translation>
    </message>
    <message>
        <source>The installer %1 could not be started. Lumetra keeps running.</source>
        <translation>Asennusohjelmaa %1 ei voitu käynnistää. Lumetra jatkaa toimintaansa.</translation>
    </message>
    <message>
        <source>The update was cancelled; your work is still open.</source>
        <translation>Päivitys peruttiin; työsi on yhä auki.</translation>
    </message>
    <message>
        <source>No update server is set up for this installation.</source>
        <translation>Tälle asennukselle ei ole määritetty päivityspalvelinta.</translation>
    </message>
    <message>
        <source>The update server's address is not a valid ftp:// address.</source>
        <translation>Päivityspalvelimen osoite ei ole kelvollinen ftp://-osoite.</translation>
    </message>
    <message>
        <source>The update server refused the login.</source>
        <translation>Päivityspalvelin hylkäsi kirjautumisen.</translation>
    </message>
    <message>
        <source>%1 is not on the update server.</source>
        <translation>%1 ei ole päivityspalvelimella.</translation>
    </message>
    <message>
        <source>The update server's certificate is not trusted.</source>
        <translation>Päivityspalvelimen varmenne ei ole luotettu.</translation>
    </message>
    <message>
        <source>The transfer of %1 broke off.</source>
        <translation>Tiedoston %1 siirto katkesi.</translation>
    </message>
    <message>
        <source>%1 arrived incomplete and was deleted.</source>
        <translation>%1 saapui vajaana ja poistettiin.</translation>
    </message>
    <message>
        <source>The update server stopped answering.</source>
        <translation>Päivityspalvelin lakkasi vastaamasta.</translation>
    </message>
    <message>
        <source>Unable to save the file %1.</source>
        <translation>Tiedostoa %1 ei voi tallentaa.</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>Tiedoston %1 lataus peruttiin.</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Kyllä</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ei</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Permission denied</source>
        <translation>Lupa evätty</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Tiedostoa tai kansiota ei ole</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Laitteella ei ole tilaa</translation>
    </message>
</context>
<context>
    <name>LMSaveDialog</name>
    <message>
        <source>Untitled</source>
        <translation>Nimetön</translation>
    </message>
</context>
<context>
    <name>LMFileDialog</name>
    <message>
        <source>All pictures</source>
        <translation>Kaikki kuvat</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Kaikki tiedostot</translation>
    </message>
</context>
<context>
    <name>LMUnits</name>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerDashedLineRectangle</name>
    <message>
        <source>x %1  y %2   %3 × %4 %5</source>
        <translation>x %1  y %2   %3 × %4 %5</translation>
    </message>
</context>
<context>
    <name>ArtFrameButton</name>
    <message>
        <source>%1: %2 × %3 %4</source>
        <translation>%1: %2 × %3 %4</translation>
    </message>
</context>
<context>
    <name>LMNamesDialog</name>
    <message>
        <source>Names</source>
        <translation>Nimet</translation>
    </message>
    <message>
        <source>One name per line. Each name takes the frame text's place on an insert of its own.</source>
        <translation>Yksi nimi riviä kohden. Jokainen nimi korvaa kehyksen tekstin omassa sisäkortissaan.</translation>
    </message>
    <message numerus="yes">
        <source>%n names</source>
        <translation>
            <numerusform>%n nimi</numerusform>
            <numerusform>%n nimeä</numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 is not UTF-8 text. Save it as UTF-8 (for a spreadsheet: CSV UTF-8) and load it again.</source>
        <translation>Tiedosto %1 ei ole UTF-8-tekstiä. Tallenna se UTF-8-muodossa (taulukkolaskennassa: CSV UTF-8) ja lataa se uudelleen.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>Tiedostoa %1 ei voi lukea.</translation>
    </message>
    <message>
        <source>Lists of names</source>
        <translation>Nimiluettelot</translation>
    </message>
</context>
</TS>
