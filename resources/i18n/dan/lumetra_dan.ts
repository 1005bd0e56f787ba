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
    <message>
        <source>The page is %1 x %2 pixels, larger than any paper.</source>
        <translation>Siden er %1 x %2 pixel, større end noget papir.</translation>
    </message>
    <message>
        <source>The list of names could not be read; the design opens without it.</source>
        <translation>Navnelisten kunne ikke læses; designet åbnes uden den.</translation>
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
        <source>All files</source>
        <translation>Alle filer</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Størrelse</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Ingen side af denne ramme har plads til hele teksten i denne størrelse: vælg en mindre størrelse eller en kortere tekst.</translation>
    </message>
    <message>
        <source>Names…</source>
        <translation>Navne…</translation>
    </message>
    <message>
        <source>A list of names, one for each insert, each in place of the frame text</source>
        <translation>En liste med navne, ét til hvert indlæg, i stedet for rammeteksten</translation>
    </message>
    <message>
        <source>Names: %1. Each insert takes one of them in place of the frame text; the first is shown here.</source>
        <translation>Navne: %1. Hvert indlæg får ét af dem i stedet for rammeteksten; det første vises her.</translation>
    </message>
    <message>
        <source>Names (%1)…</source>
        <translation>Navne (%1)…</translation>
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
    <message>
        <source>Print Preview…</source>
        <translation>Vis udskrift…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Eksportér som PDF…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Eksportér som PDF</translation>
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
        <translation>Flytter hele udskriften, til printere der forskyder siden</translation>
    </message>
    <message>
        <source>Lumetra ended without saving a design you were working on. A copy of it was kept at %1.

Restore it?</source>
        <translation>Lumetra lukkede uden at gemme et design, du arbejdede på. En kopi blev gemt %1.

Vil du gendanne det?</translation>
    </message>
    <message>
        <source>Lumetra File and pictures</source>
        <translation>Lumetra-filer og billeder</translation>
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
        <translation>Tilføj tekst i en bue: træk et felt, og skriv. Bogstaverne følger en bue over feltets top, og feltet bliver bredere, så de alle er med.</translation>
    </message>
    <message>
        <source>%1 per sheet, 1 sheet</source>
        <translation>%1 pr. ark, 1 ark</translation>
    </message>
    <message>
        <source>%1 per sheet, %2 sheets</source>
        <translation>%1 pr. ark, %2 ark</translation>
    </message>
    <message>
        <source>One insert, one sheet</source>
        <translation>Ét indlæg, ét ark</translation>
    </message>
    <message>
        <source>%1 inserts, one per sheet</source>
        <translation>%1 indlæg, ét pr. ark</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Ark</translation>
    </message>
    <message>
        <source>One insert per sheet</source>
        <translation>Ét indlæg pr. ark</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerArtFrameSetting</name>
    <message>
        <source>Rotate</source>
        <translation>Rotér</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerTextSetting</name>
    <message>
        <source>Rotate Text</source>
        <translation>Rotér tekst</translation>
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
        <translation>%1: fra 0 til %2 på dette papir.</translation>
    </message>
</context>
<context>
    <name>LMFiles</name>
    <message>
        <source>The picture is %1 x %2 pixels; Lumetra opens pictures of up to %3 megapixels.</source>
        <translation>Billedet er %1 x %2 pixel; Lumetra åbner billeder på op til %3 megapixel.</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Bitmapbillede</translation>
    </message>
    <message>
        <source>Lumetra writes no "%1" images.</source>
        <translation>Lumetra skriver ikke "%1"-billeder.</translation>
    </message>
</context>
<context>
    <name>LMPrinting</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>Printeren kunne ikke startes.</translation>
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
        <translation>Printeren meldte en fejl; siden er måske ikke blevet udskrevet.</translation>
    </message>
    <message>
        <source>The sheet is too small for one insert within its margins.</source>
        <translation>Arket er for lille til ét indlæg inden for sine margener.</translation>
    </message>
</context>
<context>
    <name>LMCommandLine</name>
    <message>
        <source>%1: this file name is not valid UTF-8, so Lumetra can not open or write that file; rename it</source>
        <translation>%1: dette filnavn er ikke gyldig UTF-8, så Lumetra kan ikke åbne eller skrive filen; omdøb den</translation>
    </message>
    <message>
        <source>not a file type Lumetra writes: end the name in .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</source>
        <translation>ikke en filtype, Lumetra skriver: afslut navnet med .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</translation>
    </message>
    <message>
        <source>Lumetra %1 is available (this is %2)</source>
        <translation>Lumetra %1 er tilgængelig (dette er %2)</translation>
    </message>
    <message>
        <source>Lumetra %1 is the latest version</source>
        <translation>Lumetra %1 er den nyeste version</translation>
    </message>
    <message>
        <source>update check failed: %1</source>
        <translation>opdateringskontrol mislykkedes: %1</translation>
    </message>
    <message>
        <source>the list of names could not be read: %1</source>
        <translation>listen over navne kunne ikke læses: %1</translation>
    </message>
    <message>
        <source>the list of names is not UTF-8 text; save it as UTF-8</source>
        <translation>listen over navne er ikke UTF-8-tekst; gem den som UTF-8</translation>
    </message>
    <message>
        <source>the list of names holds no name</source>
        <translation>listen over navne indeholder intet navn</translation>
    </message>
    <message>
        <source>the design shows no frame text, so no name would show; switch its frame and frame text on</source>
        <translation>designet viser ingen rammetekst, så intet navn ville blive vist; slå rammen og rammeteksten til</translation>
    </message>
</context>
<context>
    <name>LMUpdateTexts</name>
    <message>
        <source>Please Click 'Check' button for checking version</source>
        <translation>Klik på "Kontrollér" for at søge efter en ny version</translation>
    </message>
    <message>
        <source>Logged onto server.</source>
        <translation>Logget på serveren.</translation>
    </message>
    <message>
        <source>Downloaded %1.</source>
        <translation>Hentede %1.</translation>
    </message>
    <message>
        <source>The installer %1 could not be started. Lumetra keeps running.</source>
        <translation>Installationsprogrammet %1 kunne ikke startes. Lumetra kører videre.</translation>
    </message>
    <message>
        <source>The update was cancelled; your work is still open.</source>
        <translation>Opdateringen blev annulleret; dit arbejde er stadig åbent.</translation>
    </message>
    <message>
        <source>No update server is set up for this installation.</source>
        <translation>Der er ikke angivet nogen opdateringsserver for denne installation.</translation>
    </message>
    <message>
        <source>The update server's address is not a valid ftp:// address.</source>
        <translation>Opdateringsserverens adresse er ikke en gyldig ftp://-adresse.</translation>
    </message>
    <message>
        <source>The update server refused the login.</source>
        <translation>Opdateringsserveren afviste login.</translation>
    </message>
    <message>
        <source>%1 is not on the update server.</source>
        <translation>%1 findes ikke på opdateringsserveren.</translation>
    </message>
    <message>
        <source>The update server's certificate is not trusted.</source>
        <translation>Opdateringsserverens certifikat er ikke godkendt.</translation>
    </message>
    <message>
        <source>The transfer of %1 broke off.</source>
        <translation>Overførslen af %1 blev afbrudt.</translation>
    </message>
    <message>
        <source>%1 arrived incomplete and was deleted.</source>
        <translation>%1 ankom ufuldstændig og blev slettet.</translation>
    </message>
    <message>
        <source>The update server stopped answering.</source>
        <translation>Opdateringsserveren holdt op med at svare.</translation>
    </message>
    <message>
        <source>Unable to save the file %1.</source>
        <translation>Filen %1 kan ikke gemmes.</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>Overførslen af %1 blev annulleret.</translation>
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
        <translation>Annuller</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nej</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Permission denied</source>
        <translation>Adgang nægtet</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Filen eller mappen findes ikke</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Ingen plads tilbage på enheden</translation>
    </message>
</context>
<context>
    <name>LMSaveDialog</name>
    <message>
        <source>Untitled</source>
        <translation>Unavngivet</translation>
    </message>
</context>
<context>
    <name>LMFileDialog</name>
    <message>
        <source>All pictures</source>
        <translation>Alle billeder</translation>
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
        <translation>Navne</translation>
    </message>
    <message>
        <source>One name per line. Each name takes the frame text's place on an insert of its own.</source>
        <translation>Ét navn pr. linje. Hvert navn træder i stedet for rammeteksten på sit eget indlæg.</translation>
    </message>
    <message numerus="yes">
        <source>%n names</source>
        <translation>
            <numerusform>%n navn</numerusform>
            <numerusform>%n navne</numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 is not UTF-8 text. Save it as UTF-8 (for a spreadsheet: CSV UTF-8) and load it again.</source>
        <translation>Filen %1 er ikke UTF-8-tekst. Gem den som UTF-8 (i et regneark: CSV UTF-8), og indlæs den igen.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>Filen %1 kan ikke læses.</translation>
    </message>
    <message>
        <source>Lists of names</source>
        <translation>Navnelister</translation>
    </message>
</context>
</TS>
