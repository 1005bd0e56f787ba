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
    <message>
        <source>The page is %1 x %2 pixels, larger than any paper.</source>
        <translation>Sidan är %1 x %2 pixlar, större än något papper.</translation>
    </message>
    <message>
        <source>The list of names could not be read; the design opens without it.</source>
        <translation>Namnlistan kunde inte läsas; designen öppnas utan den.</translation>
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
        <source>All files</source>
        <translation>Alla filer</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Storlek</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Ingen sida av den här ramen rymmer hela texten i den här storleken: välj en mindre storlek eller en kortare text.</translation>
    </message>
    <message>
        <source>Names…</source>
        <translation>Namn…</translation>
    </message>
    <message>
        <source>A list of names, one for each insert, each in place of the frame text</source>
        <translation>En lista med namn, ett för varje insticksblad, i stället för ramtexten</translation>
    </message>
    <message>
        <source>Names: %1. Each insert takes one of them in place of the frame text; the first is shown here.</source>
        <translation>Namn: %1. Varje insticksblad får ett av dem i stället för ramtexten; det första visas här.</translation>
    </message>
    <message>
        <source>Names (%1)…</source>
        <translation>Namn (%1)…</translation>
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
    <message>
        <source>Print Preview…</source>
        <translation>Förhandsgranska…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Exportera som PDF…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exportera som PDF</translation>
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
        <translation>Flyttar hela utskriften, för skrivare som förskjuter sidan</translation>
    </message>
    <message>
        <source>Lumetra ended without saving a design you were working on. A copy of it was kept at %1.

Restore it?</source>
        <translation>Lumetra avslutades utan att spara en design du arbetade med. En kopia sparades %1.

Vill du återställa den?</translation>
    </message>
    <message>
        <source>Lumetra File and pictures</source>
        <translation>Lumetra-filer och bilder</translation>
    </message>
    <message>
        <source>Lumetra File</source>
        <translation>Lumetra-fil</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alla filer</translation>
    </message>
    <message>
        <source>Add text along an arc: drag a field, then type. The letters follow an arc over the field's top, and the field widens to hold them all.</source>
        <translation>Lägg till text i en båge: dra upp ett fält och skriv. Bokstäverna följer en båge över fältets överkant, och fältet blir bredare så att alla får plats.</translation>
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
        <translation>Ett inlägg, ett ark</translation>
    </message>
    <message>
        <source>%1 inserts, one per sheet</source>
        <translation>%1 inlägg, ett per ark</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Ark</translation>
    </message>
    <message>
        <source>One insert per sheet</source>
        <translation>Ett inlägg per ark</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerArtFrameSetting</name>
    <message>
        <source>Rotate</source>
        <translation>Rotera</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerTextSetting</name>
    <message>
        <source>Rotate Text</source>
        <translation>Rotera text</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerPaddingSetting</name>
    <message>
        <source> Inch</source>
        <translation> tum</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>%1: from 0 to %2 on this paper.</source>
        <translation>%1: från 0 till %2 på detta papper.</translation>
    </message>
</context>
<context>
    <name>LMFiles</name>
    <message>
        <source>The picture is %1 x %2 pixels; Lumetra opens pictures of up to %3 megapixels.</source>
        <translation>Bilden är %1 x %2 pixlar; Lumetra öppnar bilder på upp till %3 megapixlar.</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Bitmapp</translation>
    </message>
    <message>
        <source>Lumetra writes no "%1" images.</source>
        <translation>Lumetra skriver inga ”%1”-bilder.</translation>
    </message>
</context>
<context>
    <name>LMPrinting</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>Skrivaren kunde inte startas.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 kunde inte skrivas.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 kunde inte skrivas: %2</translation>
    </message>
    <message>
        <source>The printer reported an error; the page may not have been printed.</source>
        <translation>Skrivaren rapporterade ett fel; sidan kanske inte skrevs ut.</translation>
    </message>
    <message>
        <source>The sheet is too small for one insert within its margins.</source>
        <translation>Arket är för litet för ett inlägg inom marginalerna.</translation>
    </message>
</context>
<context>
    <name>LMCommandLine</name>
    <message>
        <source>%1: this file name is not valid UTF-8, so Lumetra can not open or write that file; rename it</source>
        <translation>%1: filnamnet är inte giltig UTF-8, så Lumetra kan inte öppna eller skriva filen; byt namn på den</translation>
    </message>
    <message>
        <source>not a file type Lumetra writes: end the name in .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</source>
        <translation>inte en filtyp som Lumetra skriver: avsluta namnet med .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</translation>
    </message>
    <message>
        <source>Lumetra %1 is available (this is %2)</source>
        <translation>Lumetra %1 finns (detta är %2)</translation>
    </message>
    <message>
        <source>Lumetra %1 is the latest version</source>
        <translation>Lumetra %1 är den senaste versionen</translation>
    </message>
    <message>
        <source>update check failed: %1</source>
        <translation>uppdateringskontrollen misslyckades: %1</translation>
    </message>
    <message>
        <source>the list of names could not be read: %1</source>
        <translation>namnlistan kunde inte läsas: %1</translation>
    </message>
    <message>
        <source>the list of names is not UTF-8 text; save it as UTF-8</source>
        <translation>namnlistan är inte UTF-8-text; spara den som UTF-8</translation>
    </message>
    <message>
        <source>the list of names holds no name</source>
        <translation>namnlistan innehåller inget namn</translation>
    </message>
    <message>
        <source>the design shows no frame text, so no name would show; switch its frame and frame text on</source>
        <translation>designen visar ingen ramtext, så inget namn skulle synas; slå på ramen och ramtexten</translation>
    </message>
</context>
<context>
    <name>LMUpdateTexts</name>
    <message>
        <source>Please Click 'Check' button for checking version</source>
        <translation>Klicka på ”Kontrollera” för att söka efter en ny version</translation>
    </message>
    <message>
        <source>Logged onto server.</source>
        <translation>Inloggad på servern.</translation>
    </message>
    <message>
        <source>Downloaded %1.</source>
        <translation>Hämtade %1.</translation>
    </message>
    <message>
        <source>The installer %1 could not be started. Lumetra keeps running.</source>
        <translation>Installationsprogrammet %1 kunde inte startas. Lumetra fortsätter att köras.</translation>
    </message>
    <message>
        <source>The update was cancelled; your work is still open.</source>
        <translation>Uppdateringen avbröts; ditt arbete är fortfarande öppet.</translation>
    </message>
    <message>
        <source>No update server is set up for this installation.</source>
        <translation>Ingen uppdateringsserver är inställd för den här installationen.</translation>
    </message>
    <message>
        <source>The update server's address is not a valid ftp:// address.</source>
        <translation>Uppdateringsserverns adress är inte en giltig ftp://-adress.</translation>
    </message>
    <message>
        <source>The update server refused the login.</source>
        <translation>Uppdateringsservern nekade inloggningen.</translation>
    </message>
    <message>
        <source>%1 is not on the update server.</source>
        <translation>%1 finns inte på uppdateringsservern.</translation>
    </message>
    <message>
        <source>The update server's certificate is not trusted.</source>
        <translation>Uppdateringsserverns certifikat är inte betrott.</translation>
    </message>
    <message>
        <source>The transfer of %1 broke off.</source>
        <translation>Överföringen av %1 avbröts.</translation>
    </message>
    <message>
        <source>%1 arrived incomplete and was deleted.</source>
        <translation>%1 kom ofullständig och togs bort.</translation>
    </message>
    <message>
        <source>The update server stopped answering.</source>
        <translation>Uppdateringsservern slutade svara.</translation>
    </message>
    <message>
        <source>Unable to save the file %1.</source>
        <translation>Det går inte att spara filen %1.</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>Hämtningen av %1 avbröts.</translation>
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
        <translation>&amp;Nej</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Permission denied</source>
        <translation>Åtkomst nekad</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Filen eller mappen finns inte</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Inget utrymme kvar på enheten</translation>
    </message>
</context>
<context>
    <name>LMSaveDialog</name>
    <message>
        <source>Untitled</source>
        <translation>Namnlös</translation>
    </message>
</context>
<context>
    <name>LMFileDialog</name>
    <message>
        <source>All pictures</source>
        <translation>Alla bilder</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alla filer</translation>
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
        <translation>tum</translation>
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
        <translation>Namn</translation>
    </message>
    <message>
        <source>One name per line. Each name takes the frame text's place on an insert of its own.</source>
        <translation>Ett namn per rad. Varje namn tar ramtextens plats på ett eget insticksblad.</translation>
    </message>
    <message numerus="yes">
        <source>%n names</source>
        <translation>
            <numerusform>%n namn</numerusform>
            <numerusform>%n namn</numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 is not UTF-8 text. Save it as UTF-8 (for a spreadsheet: CSV UTF-8) and load it again.</source>
        <translation>Filen %1 är inte UTF-8-text. Spara den som UTF-8 (i ett kalkylark: CSV UTF-8) och läs in den igen.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>Filen %1 kan inte läsas.</translation>
    </message>
    <message>
        <source>Lists of names</source>
        <translation>Namnlistor</translation>
    </message>
</context>
</TS>
