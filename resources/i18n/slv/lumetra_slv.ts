<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>Fine podrobnosti tega osnutka ni bilo mogoče prebrati; odpre se z običajno podrobnostjo.</translation>
    </message>
    <message>
        <source>The frame text's separator could not be read; the usual gap is used.</source>
        <translation>Ločila besedila okvirja ni bilo mogoče prebrati; uporabljen je običajni razmik.</translation>
    </message>
    <message>
        <source>The page is %1 x %2 pixels, larger than any paper.</source>
        <translation>Stran ima %1 x %2 slikovnih pik in je večja od vsakega papirja.</translation>
    </message>
    <message>
        <source>The list of names could not be read; the design opens without it.</source>
        <translation>Seznama imen ni bilo mogoče prebrati; zasnova se odpre brez njega.</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerBorderSetting</name>
    <message>
        <source>Drawn at size %1: the most a thin strip holds.</source>
        <translation>Narisano v velikosti %1: več tanek trak ne sprejme.</translation>
    </message>
    <message>
        <source>Drawn at size %1: the most a thick strip holds.</source>
        <translation>Narisano v velikosti %1: več debel trak ne sprejme.</translation>
    </message>
    <message>
        <source>Between repeats:</source>
        <translation>Med ponovitvami:</translation>
    </message>
    <message>
        <source>two spaces</source>
        <translation>dva presledka</translation>
    </message>
    <message>
        <source>What stands between repeats of the text, along the frame and on the strips, for example " · ". Empty: a gap of two spaces.</source>
        <translation>Kar stoji med ponovitvami besedila vzdolž okvirja in na trakovih, na primer » · «. Prazno: razmik dveh presledkov.</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Vse datoteke</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Velikost</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Nobena stran tega okvirja ne sprejme celotnega besedila v tej velikosti: izberite manjšo velikost ali krajše besedilo.</translation>
    </message>
    <message>
        <source>Names…</source>
        <translation>Imena…</translation>
    </message>
    <message>
        <source>A list of names, one for each insert, each in place of the frame text</source>
        <translation>Seznam imen, po eno za vsak vložek, namesto besedila okvirja</translation>
    </message>
    <message>
        <source>Names: %1. Each insert takes one of them in place of the frame text; the first is shown here.</source>
        <translation>Imena: %1. Vsak vložek dobi eno od njih namesto besedila okvirja; tu je prikazano prvo.</translation>
    </message>
    <message>
        <source>Names (%1)…</source>
        <translation>Imena (%1)…</translation>
    </message>
</context>
<context>
    <name>LMMainWidget</name>
    <message>
        <source>Detail</source>
        <translation>Podrobnost</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Običajna</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fina</translation>
    </message>
    <message>
        <source>Fine draws the page at about 300 dpi, sharp in print; Standard at 76 dpi, as older designs are.</source>
        <translation>Fina nariše stran s približno 300 dpi, ostro pri tisku; Običajna s 76 dpi, kot starejši osnutki.</translation>
    </message>
    <message>
        <source>Print Preview…</source>
        <translation>Predogled tiskanja…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Izvozi v PDF…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Izvozi v PDF</translation>
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
        <translation>Premakne celoten izpis, za tiskalnike, ki zamaknejo stran</translation>
    </message>
    <message>
        <source>Lumetra ended without saving a design you were working on. A copy of it was kept at %1.

Restore it?</source>
        <translation>Lumetra se je končala, ne da bi shranila osnutek, na katerem ste delali. Njegova kopija je bila shranjena %1.

Ga želite obnoviti?</translation>
    </message>
    <message>
        <source>Lumetra File and pictures</source>
        <translation>Datoteke Lumetra in slike</translation>
    </message>
    <message>
        <source>Lumetra File</source>
        <translation>Datoteka Lumetra</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Vse datoteke</translation>
    </message>
    <message>
        <source>Add text along an arc: drag a field, then type. The letters follow an arc over the field's top, and the field widens to hold them all.</source>
        <translation>Dodaj besedilo v loku: povlecite polje in tipkajte. Črke sledijo loku nad zgornjim robom polja, polje pa se razširi, da so vse v njem.</translation>
    </message>
    <message>
        <source>%1 per sheet, 1 sheet</source>
        <translation>%1 na list, 1 list</translation>
    </message>
    <message>
        <source>%1 per sheet, %2 sheets</source>
        <translation>%1 na list, listov: %2</translation>
    </message>
    <message>
        <source>One insert, one sheet</source>
        <translation>En vložek, en list</translation>
    </message>
    <message>
        <source>%1 inserts, one per sheet</source>
        <translation>Vložkov: %1, en na list</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>List</translation>
    </message>
    <message>
        <source>One insert per sheet</source>
        <translation>En vložek na list</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerArtFrameSetting</name>
    <message>
        <source>Rotate</source>
        <translation>Zasukaj</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerTextSetting</name>
    <message>
        <source>Rotate Text</source>
        <translation>Zasukaj besedilo</translation>
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
        <translation>%1: na tem papirju od 0 do %2.</translation>
    </message>
</context>
<context>
    <name>LMFiles</name>
    <message>
        <source>The picture is %1 x %2 pixels; Lumetra opens pictures of up to %3 megapixels.</source>
        <translation>Slika ima %1 x %2 slikovnih pik; Lumetra odpre slike do %3 milijonov slikovnih pik.</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Bitna slika</translation>
    </message>
    <message>
        <source>Lumetra writes no "%1" images.</source>
        <translation>Lumetra ne zapisuje slik »%1«.</translation>
    </message>
</context>
<context>
    <name>LMPrinting</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>Tiskalnika ni bilo mogoče zagnati.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 ni bilo mogoče zapisati.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 ni bilo mogoče zapisati: %2</translation>
    </message>
    <message>
        <source>The printer reported an error; the page may not have been printed.</source>
        <translation>Tiskalnik je sporočil napako; stran morda ni bila natisnjena.</translation>
    </message>
    <message>
        <source>The sheet is too small for one insert within its margins.</source>
        <translation>List je premajhen za en vložek znotraj robov.</translation>
    </message>
</context>
<context>
    <name>LMCommandLine</name>
    <message>
        <source>%1: this file name is not valid UTF-8, so Lumetra can not open or write that file; rename it</source>
        <translation>%1: to ime datoteke ni veljaven UTF-8, zato je Lumetra ne more odpreti ali zapisati; preimenujte jo</translation>
    </message>
    <message>
        <source>not a file type Lumetra writes: end the name in .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</source>
        <translation>Lumetra ne zapisuje te vrste datoteke: ime končajte z .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</translation>
    </message>
    <message>
        <source>Lumetra %1 is available (this is %2)</source>
        <translation>Na voljo je Lumetra %1 (to je %2)</translation>
    </message>
    <message>
        <source>Lumetra %1 is the latest version</source>
        <translation>Lumetra %1 je najnovejša različica</translation>
    </message>
    <message>
        <source>update check failed: %1</source>
        <translation>preverjanje posodobitev ni uspelo: %1</translation>
    </message>
    <message>
        <source>the list of names could not be read: %1</source>
        <translation>seznama imen ni bilo mogoče prebrati: %1</translation>
    </message>
    <message>
        <source>the list of names is not UTF-8 text; save it as UTF-8</source>
        <translation>seznam imen ni besedilo UTF-8; shranite ga kot UTF-8</translation>
    </message>
    <message>
        <source>the list of names holds no name</source>
        <translation>seznam imen ne vsebuje nobenega imena</translation>
    </message>
    <message>
        <source>the design shows no frame text, so no name would show; switch its frame and frame text on</source>
        <translation>oblikovanje ne prikazuje besedila okvirja, zato se nobeno ime ne bi pokazalo; vklopite okvir in besedilo okvirja</translation>
    </message>
</context>
<context>
    <name>LMUpdateTexts</name>
    <message>
        <source>Please Click 'Check' button for checking version</source>
        <translation>Kliknite »Preveri«, da poiščete novo različico</translation>
    </message>
    <message>
        <source>Logged onto server.</source>
        <translation>Prijavljeno na strežnik.</translation>
    </message>
    <message>
        <source>Downloaded %1.</source>
        <translation>%1 preneseno.</translation>
    </message>
    <message>
        <source>The installer %1 could not be started. Lumetra keeps running.</source>
        <translation>Namestitvenega programa %1 ni bilo mogoče zagnati. Lumetra deluje naprej.</translation>
    </message>
    <message>
        <source>The update was cancelled; your work is still open.</source>
        <translation>Posodobitev je bila preklicana; vaše delo je še vedno odprto.</translation>
    </message>
    <message>
        <source>No update server is set up for this installation.</source>
        <translation>Za to namestitev ni nastavljen noben strežnik za posodobitve.</translation>
    </message>
    <message>
        <source>The update server's address is not a valid ftp:// address.</source>
        <translation>Naslov strežnika za posodobitve ni veljaven naslov ftp://.</translation>
    </message>
    <message>
        <source>The update server refused the login.</source>
        <translation>Strežnik za posodobitve je zavrnil prijavo.</translation>
    </message>
    <message>
        <source>%1 is not on the update server.</source>
        <translation>%1 ni na strežniku za posodobitve.</translation>
    </message>
    <message>
        <source>The update server's certificate is not trusted.</source>
        <translation>Potrdilo strežnika za posodobitve ni zaupanja vredno.</translation>
    </message>
    <message>
        <source>The transfer of %1 broke off.</source>
        <translation>Prenos %1 se je prekinil.</translation>
    </message>
    <message>
        <source>%1 arrived incomplete and was deleted.</source>
        <translation>%1 je prispel nepopoln in je bil izbrisan.</translation>
    </message>
    <message>
        <source>The update server stopped answering.</source>
        <translation>Strežnik za posodobitve se je nehal odzivati.</translation>
    </message>
    <message>
        <source>Unable to save the file %1.</source>
        <translation>Datoteke %1 ni mogoče shraniti.</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>Prenos %1 je bil preklican.</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
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
        <translation>Dostop zavrnjen</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datoteka ali mapa ne obstaja</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Na napravi ni več prostora</translation>
    </message>
</context>
<context>
    <name>LMSaveDialog</name>
    <message>
        <source>Untitled</source>
        <translation>Brez imena</translation>
    </message>
</context>
<context>
    <name>LMFileDialog</name>
    <message>
        <source>All pictures</source>
        <translation>Vse slike</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Vse datoteke</translation>
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
        <translation>palcev</translation>
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
        <translation>Imena</translation>
    </message>
    <message>
        <source>One name per line. Each name takes the frame text's place on an insert of its own.</source>
        <translation>Eno ime v vsaki vrstici. Vsako ime na svojem vložku nadomesti besedilo okvirja.</translation>
    </message>
    <message numerus="yes">
        <source>%n names</source>
        <translation>
            <numerusform>%n ime</numerusform>
            <numerusform>%n imeni</numerusform>
            <numerusform>%n imena</numerusform>
            <numerusform>%n imen</numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 is not UTF-8 text. Save it as UTF-8 (for a spreadsheet: CSV UTF-8) and load it again.</source>
        <translation>Datoteka %1 ni besedilo UTF-8. Shranite jo kot UTF-8 (v preglednici: CSV UTF-8) in jo znova naložite.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>Datoteke %1 ni mogoče prebrati.</translation>
    </message>
    <message>
        <source>Lists of names</source>
        <translation>Seznami imen</translation>
    </message>
</context>
</TS>
