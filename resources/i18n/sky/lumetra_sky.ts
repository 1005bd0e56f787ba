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
    <message>
        <source>The page is %1 x %2 pixels, larger than any paper.</source>
        <translation>Strana má %1 x %2 pixelov, je väčšia ako akýkoľvek papier.</translation>
    </message>
    <message>
        <source>The list of names could not be read; the design opens without it.</source>
        <translation>Zoznam mien sa nepodarilo prečítať; návrh sa otvorí bez neho.</translation>
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
        <source>All files</source>
        <translation>Všetky súbory</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Veľkosť</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Žiadna strana tohto rámu nepojme celý text v tejto veľkosti: zvoľte menšiu veľkosť alebo kratší text.</translation>
    </message>
    <message>
        <source>Names…</source>
        <translation>Mená…</translation>
    </message>
    <message>
        <source>A list of names, one for each insert, each in place of the frame text</source>
        <translation>Zoznam mien, jedno pre každú vložku, vždy namiesto textu rámu</translation>
    </message>
    <message>
        <source>Names: %1. Each insert takes one of them in place of the frame text; the first is shown here.</source>
        <translation>Mená: %1. Každá vložka dostane jedno z nich namiesto textu rámu; tu je zobrazené prvé.</translation>
    </message>
    <message>
        <source>Names (%1)…</source>
        <translation>Mená (%1)…</translation>
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
    <message>
        <source>Print Preview…</source>
        <translation>Ukážka tlače…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Exportovať do PDF…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exportovať do PDF</translation>
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
        <translation>Posunie celú tlač, pre tlačiarne, ktoré posúvajú stranu</translation>
    </message>
    <message>
        <source>Lumetra ended without saving a design you were working on. A copy of it was kept at %1.

Restore it?</source>
        <translation>Lumetra skončila bez uloženia návrhu, na ktorom ste pracovali. Jeho kópia bola uložená %1.

Obnoviť ho?</translation>
    </message>
    <message>
        <source>Lumetra File and pictures</source>
        <translation>Súbory Lumetra a obrázky</translation>
    </message>
    <message>
        <source>Lumetra File</source>
        <translation>Súbor Lumetra</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Všetky súbory</translation>
    </message>
    <message>
        <source>Add text along an arc: drag a field, then type. The letters follow an arc over the field's top, and the field widens to hold them all.</source>
        <translation>Pridať text do oblúka: ťahaním vytvorte pole a píšte. Písmená sledujú oblúk nad horným okrajom poľa a pole sa rozšíri, aby sa zmestili všetky.</translation>
    </message>
    <message>
        <source>%1 per sheet, 1 sheet</source>
        <translation>%1 na hárok, 1 hárok</translation>
    </message>
    <message>
        <source>%1 per sheet, %2 sheets</source>
        <translation>%1 na hárok, hárkov: %2</translation>
    </message>
    <message>
        <source>One insert, one sheet</source>
        <translation>Jedna vložka, jeden hárok</translation>
    </message>
    <message>
        <source>%1 inserts, one per sheet</source>
        <translation>Vložiek: %1, jedna na hárok</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Hárok</translation>
    </message>
    <message>
        <source>One insert per sheet</source>
        <translation>Jedna vložka na hárok</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerArtFrameSetting</name>
    <message>
        <source>Rotate</source>
        <translation>Otočiť</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerTextSetting</name>
    <message>
        <source>Rotate Text</source>
        <translation>Otočiť text</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerPaddingSetting</name>
    <message>
        <source> Inch</source>
        <translation> palca</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>%1: from 0 to %2 on this paper.</source>
        <translation>%1: na tomto papieri od 0 do %2.</translation>
    </message>
</context>
<context>
    <name>LMFiles</name>
    <message>
        <source>The picture is %1 x %2 pixels; Lumetra opens pictures of up to %3 megapixels.</source>
        <translation>Obrázok má %1 x %2 pixelov; Lumetra otvára obrázky do %3 megapixelov.</translation>
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
        <translation>Tlačiareň sa nepodarilo spustiť.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 sa nepodarilo zapísať.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 sa nepodarilo zapísať: %2</translation>
    </message>
    <message>
        <source>The printer reported an error; the page may not have been printed.</source>
        <translation>Tlačiareň hlásila chybu; strana možno nebola vytlačená.</translation>
    </message>
    <message>
        <source>The sheet is too small for one insert within its margins.</source>
        <translation>Hárok je príliš malý na jednu vložku v rámci okrajov.</translation>
    </message>
</context>
<context>
    <name>LMCommandLine</name>
    <message>
        <source>%1: this file name is not valid UTF-8, so Lumetra can not open or write that file; rename it</source>
        <translation>%1: tento názov súboru nie je platné UTF-8, preto ho Lumetra nemôže otvoriť ani zapísať; premenujte ho</translation>
    </message>
    <message>
        <source>not a file type Lumetra writes: end the name in .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</source>
        <translation>Lumetra tento typ súboru nezapisuje: názov ukončite .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</translation>
    </message>
    <message>
        <source>Lumetra %1 is available (this is %2)</source>
        <translation>Je k dispozícii Lumetra %1 (toto je %2)</translation>
    </message>
    <message>
        <source>Lumetra %1 is the latest version</source>
        <translation>Lumetra %1 je najnovšia verzia</translation>
    </message>
    <message>
        <source>update check failed: %1</source>
        <translation>kontrola aktualizácií zlyhala: %1</translation>
    </message>
    <message>
        <source>the list of names could not be read: %1</source>
        <translation>zoznam mien sa nedá prečítať: %1</translation>
    </message>
    <message>
        <source>the list of names is not UTF-8 text; save it as UTF-8</source>
        <translation>zoznam mien nie je text v UTF-8; uložte ho ako UTF-8</translation>
    </message>
    <message>
        <source>the list of names holds no name</source>
        <translation>zoznam mien neobsahuje žiadne meno</translation>
    </message>
    <message>
        <source>the design shows no frame text, so no name would show; switch its frame and frame text on</source>
        <translation>návrh nezobrazuje text rámčeka, takže by sa žiadne meno neukázalo; zapnite rámček a text rámčeka</translation>
    </message>
</context>
<context>
    <name>LMUpdateTexts</name>
    <message>
        <source>Please Click 'Check' button for checking version</source>
        <translation>Kliknite na „Skontrolovať“ a vyhľadajte novú verziu</translation>
    </message>
    <message>
        <source>Logged onto server.</source>
        <translation>Prihlásené na server.</translation>
    </message>
    <message>
        <source>Downloaded %1.</source>
        <translation>%1 stiahnuté.</translation>
    </message>
    <message>
        <source>The installer %1 could not be started. Lumetra keeps running.</source>
        <translation>Inštalátor %1 sa nepodarilo spustiť. Lumetra beží ďalej.</translation>
    </message>
    <message>
        <source>The update was cancelled; your work is still open.</source>
        <translation>Aktualizácia bola zrušená; vaša práca zostáva otvorená.</translation>
    </message>
    <message>
        <source>No update server is set up for this installation.</source>
        <translation>Pre túto inštaláciu nie je nastavený žiadny aktualizačný server.</translation>
    </message>
    <message>
        <source>The update server's address is not a valid ftp:// address.</source>
        <translation>Adresa aktualizačného servera nie je platná adresa ftp://.</translation>
    </message>
    <message>
        <source>The update server refused the login.</source>
        <translation>Aktualizačný server odmietol prihlásenie.</translation>
    </message>
    <message>
        <source>%1 is not on the update server.</source>
        <translation>%1 nie je na aktualizačnom serveri.</translation>
    </message>
    <message>
        <source>The update server's certificate is not trusted.</source>
        <translation>Certifikát aktualizačného servera nie je dôveryhodný.</translation>
    </message>
    <message>
        <source>The transfer of %1 broke off.</source>
        <translation>Prenos %1 bol prerušený.</translation>
    </message>
    <message>
        <source>%1 arrived incomplete and was deleted.</source>
        <translation>%1 prišiel neúplný a bol odstránený.</translation>
    </message>
    <message>
        <source>The update server stopped answering.</source>
        <translation>Aktualizačný server prestal odpovedať.</translation>
    </message>
    <message>
        <source>Unable to save the file %1.</source>
        <translation>Súbor %1 nemožno uložiť.</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>Sťahovanie %1 bolo zrušené.</translation>
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
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>Án&amp;o</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Permission denied</source>
        <translation>Prístup odmietnutý</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Súbor alebo priečinok neexistuje</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Na zariadení nie je miesto</translation>
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
        <translation>Všetky obrázky</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Všetky súbory</translation>
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
        <translation>Mená</translation>
    </message>
    <message>
        <source>One name per line. Each name takes the frame text's place on an insert of its own.</source>
        <translation>Jedno meno na riadok. Každé meno nahradí text rámu na vlastnej vložke.</translation>
    </message>
    <message numerus="yes">
        <source>%n names</source>
        <translation>
            <numerusform>%n meno</numerusform>
            <numerusform>%n mená</numerusform>
            <numerusform>%n mien</numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 is not UTF-8 text. Save it as UTF-8 (for a spreadsheet: CSV UTF-8) and load it again.</source>
        <translation>Súbor %1 nie je text v kódovaní UTF-8. Uložte ho ako UTF-8 (v tabuľkovom procesore: CSV UTF-8) a načítajte ho znova.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>Súbor %1 sa nedá prečítať.</translation>
    </message>
    <message>
        <source>Lists of names</source>
        <translation>Zoznamy mien</translation>
    </message>
</context>
</TS>
