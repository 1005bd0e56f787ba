<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>Jemný detail tohoto návrhu nelze přečíst; otevře se ve standardním detailu.</translation>
    </message>
    <message>
        <source>The frame text's separator could not be read; the usual gap is used.</source>
        <translation>Oddělovač textu rámečku nelze přečíst; použije se obvyklá mezera.</translation>
    </message>
    <message>
        <source>The page is %1 x %2 pixels, larger than any paper.</source>
        <translation>Stránka má %1 x %2 pixelů, je větší než jakýkoli papír.</translation>
    </message>
    <message>
        <source>The list of names could not be read; the design opens without it.</source>
        <translation>Seznam jmen nelze přečíst; návrh se otevře bez něj.</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerBorderSetting</name>
    <message>
        <source>Drawn at size %1: the most a thin strip holds.</source>
        <translation>Kresleno ve velikosti %1: víc se na tenký pásek nevejde.</translation>
    </message>
    <message>
        <source>Drawn at size %1: the most a thick strip holds.</source>
        <translation>Kresleno ve velikosti %1: víc se na silný pásek nevejde.</translation>
    </message>
    <message>
        <source>Between repeats:</source>
        <translation>Mezi opakováními:</translation>
    </message>
    <message>
        <source>two spaces</source>
        <translation>dvě mezery</translation>
    </message>
    <message>
        <source>What stands between repeats of the text, along the frame and on the strips, for example " · ". Empty: a gap of two spaces.</source>
        <translation>Co stojí mezi opakováními textu podél rámečku a na páscích, například „ · “. Prázdné: mezera o šířce dvou mezer.</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Všechny soubory</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Velikost</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Žádná strana tohoto rámečku nepojme celý text v této velikosti: zvolte menší velikost nebo kratší text.</translation>
    </message>
    <message>
        <source>Names…</source>
        <translation>Jména…</translation>
    </message>
    <message>
        <source>A list of names, one for each insert, each in place of the frame text</source>
        <translation>Seznam jmen, jedno pro každou vložku, vždy místo textu rámečku</translation>
    </message>
    <message>
        <source>Names: %1. Each insert takes one of them in place of the frame text; the first is shown here.</source>
        <translation>Jména: %1. Každá vložka dostane jedno z nich místo textu rámečku; zde je zobrazeno první.</translation>
    </message>
    <message>
        <source>Names (%1)…</source>
        <translation>Jména (%1)…</translation>
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
        <translation>Standardní</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Jemný</translation>
    </message>
    <message>
        <source>Fine draws the page at about 300 dpi, sharp in print; Standard at 76 dpi, as older designs are.</source>
        <translation>Jemný kreslí stránku v přibližně 300 dpi, ostře při tisku; Standardní v 76 dpi jako starší návrhy.</translation>
    </message>
    <message>
        <source>Print Preview…</source>
        <translation>Náhled tisku…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Exportovat do PDF…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exportovat do PDF</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Dokument PDF</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Moves the whole printout, for printers that shift the page</source>
        <translation>Posune celý výtisk, pro tiskárny, které stránku posouvají</translation>
    </message>
    <message>
        <source>Lumetra ended without saving a design you were working on. A copy of it was kept at %1.

Restore it?</source>
        <translation>Lumetra skončila bez uložení návrhu, na kterém jste pracovali. Jeho kopie byla uložena %1.

Obnovit ho?</translation>
    </message>
    <message>
        <source>Lumetra File and pictures</source>
        <translation>Soubory Lumetra a obrázky</translation>
    </message>
    <message>
        <source>Lumetra File</source>
        <translation>Soubor Lumetra</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Všechny soubory</translation>
    </message>
    <message>
        <source>Add text along an arc: drag a field, then type. The letters follow an arc over the field's top, and the field widens to hold them all.</source>
        <translation>Přidat text do oblouku: táhnutím vytvořte pole a pište. Písmena sledují oblouk přes horní okraj pole a pole se rozšíří, aby se všechna vešla.</translation>
    </message>
    <message>
        <source>%1 per sheet, 1 sheet</source>
        <translation>%1 na arch, 1 arch</translation>
    </message>
    <message>
        <source>%1 per sheet, %2 sheets</source>
        <translation>%1 na arch, archů: %2</translation>
    </message>
    <message>
        <source>One insert, one sheet</source>
        <translation>Jedna vložka, jeden arch</translation>
    </message>
    <message>
        <source>%1 inserts, one per sheet</source>
        <translation>Vložek: %1, jedna na arch</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Arch</translation>
    </message>
    <message>
        <source>One insert per sheet</source>
        <translation>Jedna vložka na arch</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerArtFrameSetting</name>
    <message>
        <source>Rotate</source>
        <translation>Otočit</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerTextSetting</name>
    <message>
        <source>Rotate Text</source>
        <translation>Otočit text</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerPaddingSetting</name>
    <message>
        <source> Inch</source>
        <translation> palce</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>%1: from 0 to %2 on this paper.</source>
        <translation>%1: na tomto papíru od 0 do %2.</translation>
    </message>
</context>
<context>
    <name>LMFiles</name>
    <message>
        <source>The picture is %1 x %2 pixels; Lumetra opens pictures of up to %3 megapixels.</source>
        <translation>Obrázek má %1 x %2 pixelů; Lumetra otevírá obrázky do %3 megapixelů.</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Bitmapa</translation>
    </message>
    <message>
        <source>Lumetra writes no "%1" images.</source>
        <translation>Lumetra nezapisuje obrázky „%1“.</translation>
    </message>
</context>
<context>
    <name>LMPrinting</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>Tiskárnu nelze spustit.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 nelze zapsat.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 nelze zapsat: %2</translation>
    </message>
    <message>
        <source>The printer reported an error; the page may not have been printed.</source>
        <translation>Tiskárna ohlásila chybu; stránka možná nebyla vytištěna.</translation>
    </message>
    <message>
        <source>The sheet is too small for one insert within its margins.</source>
        <translation>Arch je příliš malý pro jednu vložku uvnitř svých okrajů.</translation>
    </message>
</context>
<context>
    <name>LMCommandLine</name>
    <message>
        <source>%1: this file name is not valid UTF-8, so Lumetra can not open or write that file; rename it</source>
        <translation>%1: tento název souboru není platné UTF-8, proto jej Lumetra nemůže otevřít ani zapsat; přejmenujte ho</translation>
    </message>
    <message>
        <source>not a file type Lumetra writes: end the name in .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</source>
        <translation>Lumetra tento typ souboru nezapisuje: název ukončete .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</translation>
    </message>
    <message>
        <source>Lumetra %1 is available (this is %2)</source>
        <translation>Je k dispozici Lumetra %1 (toto je %2)</translation>
    </message>
    <message>
        <source>Lumetra %1 is the latest version</source>
        <translation>Lumetra %1 je nejnovější verze</translation>
    </message>
    <message>
        <source>update check failed: %1</source>
        <translation>kontrola aktualizací selhala: %1</translation>
    </message>
    <message>
        <source>the list of names could not be read: %1</source>
        <translation>seznam jmen nelze přečíst: %1</translation>
    </message>
    <message>
        <source>the list of names is not UTF-8 text; save it as UTF-8</source>
        <translation>seznam jmen není text v UTF-8; uložte jej jako UTF-8</translation>
    </message>
    <message>
        <source>the list of names holds no name</source>
        <translation>seznam jmen neobsahuje žádné jméno</translation>
    </message>
    <message>
        <source>the design shows no frame text, so no name would show; switch its frame and frame text on</source>
        <translation>návrh nezobrazuje text rámečku, takže by se žádné jméno neukázalo; zapněte rámeček a text rámečku</translation>
    </message>
</context>
<context>
    <name>LMUpdateTexts</name>
    <message>
        <source>Please Click 'Check' button for checking version</source>
        <translation>Klepněte na „Zkontrolovat“ a vyhledejte novou verzi</translation>
    </message>
    <message>
        <source>Logged onto server.</source>
        <translation>Přihlášeno k serveru.</translation>
    </message>
    <message>
        <source>Downloaded %1.</source>
        <translation>%1 staženo.</translation>
    </message>
    <message>
        <source>The installer %1 could not be started. Lumetra keeps running.</source>
        <translation>Instalátor %1 nelze spustit. Lumetra běží dál.</translation>
    </message>
    <message>
        <source>The update was cancelled; your work is still open.</source>
        <translation>Aktualizace byla zrušena; vaše práce zůstává otevřená.</translation>
    </message>
    <message>
        <source>No update server is set up for this installation.</source>
        <translation>Pro tuto instalaci není nastaven žádný aktualizační server.</translation>
    </message>
    <message>
        <source>The update server's address is not a valid ftp:// address.</source>
        <translation>Adresa aktualizačního serveru není platná adresa ftp://.</translation>
    </message>
    <message>
        <source>The update server refused the login.</source>
        <translation>Aktualizační server odmítl přihlášení.</translation>
    </message>
    <message>
        <source>%1 is not on the update server.</source>
        <translation>%1 není na aktualizačním serveru.</translation>
    </message>
    <message>
        <source>The update server's certificate is not trusted.</source>
        <translation>Certifikát aktualizačního serveru není důvěryhodný.</translation>
    </message>
    <message>
        <source>The transfer of %1 broke off.</source>
        <translation>Přenos %1 byl přerušen.</translation>
    </message>
    <message>
        <source>%1 arrived incomplete and was deleted.</source>
        <translation>%1 dorazil neúplný a byl smazán.</translation>
    </message>
    <message>
        <source>The update server stopped answering.</source>
        <translation>Aktualizační server přestal odpovídat.</translation>
    </message>
    <message>
        <source>Unable to save the file %1.</source>
        <translation>Soubor %1 nelze uložit.</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>Stahování %1 bylo zrušeno.</translation>
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
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ano</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Permission denied</source>
        <translation>Přístup odepřen</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Soubor nebo složka neexistuje</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Na zařízení není místo</translation>
    </message>
</context>
<context>
    <name>LMSaveDialog</name>
    <message>
        <source>Untitled</source>
        <translation>Bez názvu</translation>
    </message>
</context>
<context>
    <name>LMFileDialog</name>
    <message>
        <source>All pictures</source>
        <translation>Všechny obrázky</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Všechny soubory</translation>
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
        <translation>Jména</translation>
    </message>
    <message>
        <source>One name per line. Each name takes the frame text's place on an insert of its own.</source>
        <translation>Jedno jméno na řádek. Každé jméno nahradí text rámečku na vlastní vložce.</translation>
    </message>
    <message numerus="yes">
        <source>%n names</source>
        <translation>
            <numerusform>%n jméno</numerusform>
            <numerusform>%n jména</numerusform>
            <numerusform>%n jmen</numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 is not UTF-8 text. Save it as UTF-8 (for a spreadsheet: CSV UTF-8) and load it again.</source>
        <translation>Soubor %1 není text v kódování UTF-8. Uložte jej jako UTF-8 (v tabulkovém procesoru: CSV UTF-8) a načtěte jej znovu.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>Soubor %1 nelze přečíst.</translation>
    </message>
    <message>
        <source>Lists of names</source>
        <translation>Seznamy jmen</translation>
    </message>
</context>
</TS>
