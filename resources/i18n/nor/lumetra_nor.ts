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
    <message>
        <source>The page is %1 x %2 pixels, larger than any paper.</source>
        <translation>Siden er %1 x %2 piksler, større enn noe papir.</translation>
    </message>
    <message>
        <source>The list of names could not be read; the design opens without it.</source>
        <translation>Navnelisten kunne ikke leses; designet åpnes uten den.</translation>
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
        <source>All files</source>
        <translation>Alle filer</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Størrelse</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Ingen side av denne rammen har plass til hele teksten i denne størrelsen: velg en mindre størrelse eller en kortere tekst.</translation>
    </message>
    <message>
        <source>Names…</source>
        <translation>Navn…</translation>
    </message>
    <message>
        <source>A list of names, one for each insert, each in place of the frame text</source>
        <translation>En liste med navn, ett for hvert innlegg, i stedet for rammeteksten</translation>
    </message>
    <message>
        <source>Names: %1. Each insert takes one of them in place of the frame text; the first is shown here.</source>
        <translation>Navn: %1. Hvert innlegg får ett av dem i stedet for rammeteksten; det første vises her.</translation>
    </message>
    <message>
        <source>Names (%1)…</source>
        <translation>Navn (%1)…</translation>
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
    <message>
        <source>Print Preview…</source>
        <translation>Forhåndsvisning…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Eksporter som PDF…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Eksporter som PDF</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF-dokument</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Moves the whole printout, for printers that shift the page</source>
        <translation>Flytter hele utskriften, for skrivere som forskyver siden</translation>
    </message>
    <message>
        <source>Lumetra ended without saving a design you were working on. A copy of it was kept at %1.

Restore it?</source>
        <translation>Lumetra ble avsluttet uten å lagre et design du arbeidet med. En kopi ble tatt vare på %1.

Vil du gjenopprette det?</translation>
    </message>
    <message>
        <source>Lumetra File and pictures</source>
        <translation>Lumetra-filer og bilder</translation>
    </message>
    <message>
        <source>Lumetra File</source>
        <translation>Lumetra-fil</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle filer</translation>
    </message>
    <message>
        <source>Add text along an arc: drag a field, then type. The letters follow an arc over the field's top, and the field widens to hold them all.</source>
        <translation>Legg til tekst i en bue: dra ut et felt, og skriv. Bokstavene følger en bue over toppen av feltet, og feltet blir bredere så alle får plass.</translation>
    </message>
    <message>
        <source>%1 per sheet, 1 sheet</source>
        <translation>%1 per ark, 1 ark</translation>
    </message>
    <message>
        <source>%1 per sheet, %2 sheets</source>
        <translation>%1 per ark, %2 ark</translation>
    </message>
    <message>
        <source>One insert, one sheet</source>
        <translation>Ett innlegg, ett ark</translation>
    </message>
    <message>
        <source>%1 inserts, one per sheet</source>
        <translation>%1 innlegg, ett per ark</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Ark</translation>
    </message>
    <message>
        <source>One insert per sheet</source>
        <translation>Ett innlegg per ark</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerArtFrameSetting</name>
    <message>
        <source>Rotate</source>
        <translation>Roter</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerTextSetting</name>
    <message>
        <source>Rotate Text</source>
        <translation>Roter tekst</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerPaddingSetting</name>
    <message>
        <source> Inch</source>
        <translation> tommer</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>%1: from 0 to %2 on this paper.</source>
        <translation>%1: fra 0 til %2 på dette papiret.</translation>
    </message>
</context>
<context>
    <name>LMFiles</name>
    <message>
        <source>The picture is %1 x %2 pixels; Lumetra opens pictures of up to %3 megapixels.</source>
        <translation>Bildet er %1 x %2 piksler; Lumetra åpner bilder på opptil %3 megapiksler.</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Punktgrafikk</translation>
    </message>
    <message>
        <source>Lumetra writes no "%1" images.</source>
        <translation>Lumetra skriver ikke «%1»-bilder.</translation>
    </message>
</context>
<context>
    <name>LMPrinting</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>Skriveren kunne ikke startes.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 kunne ikke skrives.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 kunne ikke skrives: %2</translation>
    </message>
    <message>
        <source>The printer reported an error; the page may not have been printed.</source>
        <translation>Skriveren meldte en feil; siden ble kanskje ikke skrevet ut.</translation>
    </message>
    <message>
        <source>The sheet is too small for one insert within its margins.</source>
        <translation>Arket er for lite til ett innlegg innenfor margene.</translation>
    </message>
</context>
<context>
    <name>LMCommandLine</name>
    <message>
        <source>%1: this file name is not valid UTF-8, so Lumetra can not open or write that file; rename it</source>
        <translation>%1: dette filnavnet er ikke gyldig UTF-8, så Lumetra kan ikke åpne eller skrive filen; gi den nytt navn</translation>
    </message>
    <message>
        <source>not a file type Lumetra writes: end the name in .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</source>
        <translation>ikke en filtype Lumetra skriver: avslutt navnet med .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</translation>
    </message>
    <message>
        <source>Lumetra %1 is available (this is %2)</source>
        <translation>Lumetra %1 er tilgjengelig (dette er %2)</translation>
    </message>
    <message>
        <source>Lumetra %1 is the latest version</source>
        <translation>Lumetra %1 er den nyeste versjonen</translation>
    </message>
    <message>
        <source>update check failed: %1</source>
        <translation>oppdateringskontroll mislyktes: %1</translation>
    </message>
    <message>
        <source>the list of names could not be read: %1</source>
        <translation>navnelisten kunne ikke leses: %1</translation>
    </message>
    <message>
        <source>the list of names is not UTF-8 text; save it as UTF-8</source>
        <translation>navnelisten er ikke UTF-8-tekst; lagre den som UTF-8</translation>
    </message>
    <message>
        <source>the list of names holds no name</source>
        <translation>navnelisten inneholder ingen navn</translation>
    </message>
    <message>
        <source>the design shows no frame text, so no name would show; switch its frame and frame text on</source>
        <translation>designet viser ingen rammetekst, så ingen navn ville vises; slå på rammen og rammeteksten</translation>
    </message>
</context>
<context>
    <name>LMUpdateTexts</name>
    <message>
        <source>Please Click 'Check' button for checking version</source>
        <translation>Klikk på «Kontroller» for å se etter en ny versjon</translation>
    </message>
    <message>
        <source>Logged onto server.</source>
        <translation>Logget på serveren.</translation>
    </message>
    <message>
        <source>Downloaded %1.</source>
        <translation>Lastet ned %1.</translation>
    </message>
    <message>
        <source>The installer %1 could not be started. Lumetra keeps running.</source>
        <translation>Installasjonsprogrammet %1 kunne ikke startes. Lumetra fortsetter å kjøre.</translation>
    </message>
    <message>
        <source>The update was cancelled; your work is still open.</source>
        <translation>Oppdateringen ble avbrutt; arbeidet ditt er fortsatt åpent.</translation>
    </message>
    <message>
        <source>No update server is set up for this installation.</source>
        <translation>Ingen oppdateringsserver er satt opp for denne installasjonen.</translation>
    </message>
    <message>
        <source>The update server's address is not a valid ftp:// address.</source>
        <translation>Adressen til oppdateringsserveren er ikke en gyldig ftp://-adresse.</translation>
    </message>
    <message>
        <source>The update server refused the login.</source>
        <translation>Oppdateringsserveren avviste påloggingen.</translation>
    </message>
    <message>
        <source>%1 is not on the update server.</source>
        <translation>%1 finnes ikke på oppdateringsserveren.</translation>
    </message>
    <message>
        <source>The update server's certificate is not trusted.</source>
        <translation>Oppdateringsserverens sertifikat er ikke klarert.</translation>
    </message>
    <message>
        <source>The transfer of %1 broke off.</source>
        <translation>Overføringen av %1 ble brutt.</translation>
    </message>
    <message>
        <source>%1 arrived incomplete and was deleted.</source>
        <translation>%1 kom ufullstendig og ble slettet.</translation>
    </message>
    <message>
        <source>The update server stopped answering.</source>
        <translation>Oppdateringsserveren sluttet å svare.</translation>
    </message>
    <message>
        <source>Unable to save the file %1.</source>
        <translation>Kan ikke lagre filen %1.</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>Nedlastingen av %1 ble avbrutt.</translation>
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
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nei</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Permission denied</source>
        <translation>Tilgang nektet</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Filen eller mappen finnes ikke</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Ingen plass igjen på enheten</translation>
    </message>
</context>
<context>
    <name>LMSaveDialog</name>
    <message>
        <source>Untitled</source>
        <translation>Uten navn</translation>
    </message>
</context>
<context>
    <name>LMFileDialog</name>
    <message>
        <source>All pictures</source>
        <translation>Alle bilder</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle filer</translation>
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
        <translation>tommer</translation>
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
        <translation>Navn</translation>
    </message>
    <message>
        <source>One name per line. Each name takes the frame text's place on an insert of its own.</source>
        <translation>Ett navn per linje. Hvert navn tar rammetekstens plass på et eget innlegg.</translation>
    </message>
    <message numerus="yes">
        <source>%n names</source>
        <translation>
            <numerusform>%n navn</numerusform>
            <numerusform>%n navn</numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 is not UTF-8 text. Save it as UTF-8 (for a spreadsheet: CSV UTF-8) and load it again.</source>
        <translation>Filen %1 er ikke UTF-8-tekst. Lagre den som UTF-8 (i et regneark: CSV UTF-8), og last den inn på nytt.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>Filen %1 kan ikke leses.</translation>
    </message>
    <message>
        <source>Lists of names</source>
        <translation>Navnelister</translation>
    </message>
</context>
</TS>
