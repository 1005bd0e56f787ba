<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>A terv finom részletei nem olvashatók; normál részletességgel nyílik meg.</translation>
    </message>
    <message>
        <source>The frame text's separator could not be read; the usual gap is used.</source>
        <translation>A keretszöveg elválasztója nem olvasható; a szokásos térköz lesz használva.</translation>
    </message>
    <message>
        <source>The page is %1 x %2 pixels, larger than any paper.</source>
        <translation>Az oldal %1 x %2 képpont, nagyobb bármely papírnál.</translation>
    </message>
    <message>
        <source>The list of names could not be read; the design opens without it.</source>
        <translation>A névlista nem olvasható; a terv nélküle nyílik meg.</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerBorderSetting</name>
    <message>
        <source>Drawn at size %1: the most a thin strip holds.</source>
        <translation>%1-es méretben rajzolva: ennyi fér el egy vékony csíkon.</translation>
    </message>
    <message>
        <source>Drawn at size %1: the most a thick strip holds.</source>
        <translation>%1-es méretben rajzolva: ennyi fér el egy vastag csíkon.</translation>
    </message>
    <message>
        <source>Between repeats:</source>
        <translation>Ismétlések között:</translation>
    </message>
    <message>
        <source>two spaces</source>
        <translation>két szóköz</translation>
    </message>
    <message>
        <source>What stands between repeats of the text, along the frame and on the strips, for example " · ". Empty: a gap of two spaces.</source>
        <translation>Ami a szöveg ismétlései között áll a keret mentén és a csíkokon, például „ · ”. Üres: két szóköznyi hézag.</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Minden fájl</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Méret</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>A keret egyik oldalán sem fér el a teljes szöveg ekkora méretben: válasszon kisebb méretet vagy rövidebb szöveget.</translation>
    </message>
    <message>
        <source>Names…</source>
        <translation>Nevek…</translation>
    </message>
    <message>
        <source>A list of names, one for each insert, each in place of the frame text</source>
        <translation>Névlista: betétlaponként egy név, a keret szövege helyett</translation>
    </message>
    <message>
        <source>Names: %1. Each insert takes one of them in place of the frame text; the first is shown here.</source>
        <translation>Nevek: %1. Minden betétlap egyet kap közülük a keret szövege helyett; itt az első látható.</translation>
    </message>
    <message>
        <source>Names (%1)…</source>
        <translation>Nevek (%1)…</translation>
    </message>
</context>
<context>
    <name>LMMainWidget</name>
    <message>
        <source>Detail</source>
        <translation>Részletesség</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Normál</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Finom</translation>
    </message>
    <message>
        <source>Fine draws the page at about 300 dpi, sharp in print; Standard at 76 dpi, as older designs are.</source>
        <translation>A Finom kb. 300 dpi-vel rajzolja az oldalt, nyomtatásban éles; a Normál 76 dpi-vel, mint a régebbi tervek.</translation>
    </message>
    <message>
        <source>Print Preview…</source>
        <translation>Nyomtatási kép…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Exportálás PDF-be…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exportálás PDF-be</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF-dokumentum</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Moves the whole printout, for printers that shift the page</source>
        <translation>Az egész nyomatot eltolja, az oldalt elcsúsztató nyomtatókhoz</translation>
    </message>
    <message>
        <source>Lumetra ended without saving a design you were working on. A copy of it was kept at %1.

Restore it?</source>
        <translation>A Lumetra úgy állt le, hogy nem mentett egy tervet, amelyen dolgozott. Egy másolata megmaradt (%1).

Visszaállítja?</translation>
    </message>
    <message>
        <source>Lumetra File and pictures</source>
        <translation>Lumetra-fájlok és képek</translation>
    </message>
    <message>
        <source>Lumetra File</source>
        <translation>Lumetra-fájl</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Minden fájl</translation>
    </message>
    <message>
        <source>Add text along an arc: drag a field, then type. The letters follow an arc over the field's top, and the field widens to hold them all.</source>
        <translation>Szöveg ív mentén: húzzon egy mezőt, majd gépeljen. A betűk a mező teteje fölötti ívet követik, és a mező kiszélesedik, hogy mind elférjen.</translation>
    </message>
    <message>
        <source>%1 per sheet, 1 sheet</source>
        <translation>%1 laponként, 1 lap</translation>
    </message>
    <message>
        <source>%1 per sheet, %2 sheets</source>
        <translation>%1 laponként, %2 lap</translation>
    </message>
    <message>
        <source>One insert, one sheet</source>
        <translation>Egy betét, egy lap</translation>
    </message>
    <message>
        <source>%1 inserts, one per sheet</source>
        <translation>%1 betét, laponként egy</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Lap</translation>
    </message>
    <message>
        <source>One insert per sheet</source>
        <translation>Laponként egy betét</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerArtFrameSetting</name>
    <message>
        <source>Rotate</source>
        <translation>Forgatás</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerTextSetting</name>
    <message>
        <source>Rotate Text</source>
        <translation>Szöveg forgatása</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerPaddingSetting</name>
    <message>
        <source> Inch</source>
        <translation> hüvelyk</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>%1: from 0 to %2 on this paper.</source>
        <translation>%1: ezen a papíron 0 és %2 között.</translation>
    </message>
</context>
<context>
    <name>LMFiles</name>
    <message>
        <source>The picture is %1 x %2 pixels; Lumetra opens pictures of up to %3 megapixels.</source>
        <translation>A kép %1 x %2 képpont; a Lumetra legfeljebb %3 megapixeles képeket nyit meg.</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Bitkép</translation>
    </message>
    <message>
        <source>Lumetra writes no "%1" images.</source>
        <translation>A Lumetra nem ír „%1” képeket.</translation>
    </message>
</context>
<context>
    <name>LMPrinting</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>A nyomtató nem indítható el.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 nem írható.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 nem írható: %2</translation>
    </message>
    <message>
        <source>The printer reported an error; the page may not have been printed.</source>
        <translation>A nyomtató hibát jelzett; lehet, hogy az oldal nem lett kinyomtatva.</translation>
    </message>
    <message>
        <source>The sheet is too small for one insert within its margins.</source>
        <translation>A lap túl kicsi egyetlen betéthez a margóin belül.</translation>
    </message>
</context>
<context>
    <name>LMCommandLine</name>
    <message>
        <source>%1: this file name is not valid UTF-8, so Lumetra can not open or write that file; rename it</source>
        <translation>%1: ez a fájlnév nem érvényes UTF-8, ezért a Lumetra nem tudja megnyitni vagy írni a fájlt; nevezze át</translation>
    </message>
    <message>
        <source>not a file type Lumetra writes: end the name in .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</source>
        <translation>a Lumetra nem ír ilyen fájltípust: a név végződése legyen .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</translation>
    </message>
    <message>
        <source>Lumetra %1 is available (this is %2)</source>
        <translation>Elérhető a Lumetra %1 (ez a %2)</translation>
    </message>
    <message>
        <source>Lumetra %1 is the latest version</source>
        <translation>A Lumetra %1 a legújabb verzió</translation>
    </message>
    <message>
        <source>update check failed: %1</source>
        <translation>a frissítések ellenőrzése sikertelen: %1</translation>
    </message>
    <message>
        <source>the list of names could not be read: %1</source>
        <translation>a névlista nem olvasható: %1</translation>
    </message>
    <message>
        <source>the list of names is not UTF-8 text; save it as UTF-8</source>
        <translation>a névlista nem UTF-8 szöveg; mentse UTF-8 kódolással</translation>
    </message>
    <message>
        <source>the list of names holds no name</source>
        <translation>a névlista egyetlen nevet sem tartalmaz</translation>
    </message>
    <message>
        <source>the design shows no frame text, so no name would show; switch its frame and frame text on</source>
        <translation>a terv nem mutat keretszöveget, így egyetlen név sem látszana; kapcsolja be a keretet és a keretszöveget</translation>
    </message>
</context>
<context>
    <name>LMUpdateTexts</name>
    <message>
        <source>Please Click 'Check' button for checking version</source>
        <translation>Új verzió kereséséhez kattintson az „Ellenőrzés” gombra</translation>
    </message>
    <message>
        <source>Logged onto server.</source>
        <translation>Bejelentkezve a kiszolgálóra.</translation>
    </message>
    <message>
        <source>Downloaded %1.</source>
        <translation>%1 letöltve.</translation>
    </message>
    <message>
        <source>The installer %1 could not be started. Lumetra keeps running.</source>
        <translation>A(z) %1 telepítő nem indítható el. A Lumetra tovább fut.</translation>
    </message>
    <message>
        <source>The update was cancelled; your work is still open.</source>
        <translation>A frissítés megszakadt; a munkája továbbra is nyitva van.</translation>
    </message>
    <message>
        <source>No update server is set up for this installation.</source>
        <translation>Ehhez a telepítéshez nincs frissítési kiszolgáló beállítva.</translation>
    </message>
    <message>
        <source>The update server's address is not a valid ftp:// address.</source>
        <translation>A frissítési kiszolgáló címe nem érvényes ftp:// cím.</translation>
    </message>
    <message>
        <source>The update server refused the login.</source>
        <translation>A frissítési kiszolgáló elutasította a bejelentkezést.</translation>
    </message>
    <message>
        <source>%1 is not on the update server.</source>
        <translation>%1 nincs a frissítési kiszolgálón.</translation>
    </message>
    <message>
        <source>The update server's certificate is not trusted.</source>
        <translation>A frissítési kiszolgáló tanúsítványa nem megbízható.</translation>
    </message>
    <message>
        <source>The transfer of %1 broke off.</source>
        <translation>A(z) %1 átvitele megszakadt.</translation>
    </message>
    <message>
        <source>%1 arrived incomplete and was deleted.</source>
        <translation>A(z) %1 hiányosan érkezett meg, és törölve lett.</translation>
    </message>
    <message>
        <source>The update server stopped answering.</source>
        <translation>A frissítési kiszolgáló nem válaszol.</translation>
    </message>
    <message>
        <source>Unable to save the file %1.</source>
        <translation>A(z) %1 fájl nem menthető.</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>A(z) %1 letöltése megszakítva.</translation>
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
        <translation>Mégse</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Igen</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nem</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Permission denied</source>
        <translation>Hozzáférés megtagadva</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Nincs ilyen fájl vagy mappa</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Nincs hely az eszközön</translation>
    </message>
</context>
<context>
    <name>LMSaveDialog</name>
    <message>
        <source>Untitled</source>
        <translation>Névtelen</translation>
    </message>
</context>
<context>
    <name>LMFileDialog</name>
    <message>
        <source>All pictures</source>
        <translation>Minden kép</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Minden fájl</translation>
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
        <translation>hüv.</translation>
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
        <translation>Nevek</translation>
    </message>
    <message>
        <source>One name per line. Each name takes the frame text's place on an insert of its own.</source>
        <translation>Soronként egy név. Minden név a saját betétlapján a keret szövegének helyére kerül.</translation>
    </message>
    <message numerus="yes">
        <source>%n names</source>
        <translation>
            <numerusform>%n név</numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 is not UTF-8 text. Save it as UTF-8 (for a spreadsheet: CSV UTF-8) and load it again.</source>
        <translation>A(z) %1 fájl nem UTF-8 kódolású szöveg. Mentse UTF-8 formátumban (táblázatkezelőben: CSV UTF-8), majd töltse be újra.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>A(z) %1 fájl nem olvasható.</translation>
    </message>
    <message>
        <source>Lists of names</source>
        <translation>Névlisták</translation>
    </message>
</context>
</TS>
