<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>Detaliul fin al acestui model nu a putut fi citit; se deschide cu detaliu standard.</translation>
    </message>
    <message>
        <source>The frame text's separator could not be read; the usual gap is used.</source>
        <translation>Separatorul textului ramei nu a putut fi citit; se folosește spațiul obișnuit.</translation>
    </message>
    <message>
        <source>The page is %1 x %2 pixels, larger than any paper.</source>
        <translation>Pagina are %1 x %2 pixeli, mai mare decât orice hârtie.</translation>
    </message>
    <message>
        <source>The list of names could not be read; the design opens without it.</source>
        <translation>Lista de nume nu a putut fi citită; designul se deschide fără ea.</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerBorderSetting</name>
    <message>
        <source>Drawn at size %1: the most a thin strip holds.</source>
        <translation>Desenat la mărimea %1: maximul pentru o bandă subțire.</translation>
    </message>
    <message>
        <source>Drawn at size %1: the most a thick strip holds.</source>
        <translation>Desenat la mărimea %1: maximul pentru o bandă groasă.</translation>
    </message>
    <message>
        <source>Between repeats:</source>
        <translation>Între repetări:</translation>
    </message>
    <message>
        <source>two spaces</source>
        <translation>două spații</translation>
    </message>
    <message>
        <source>What stands between repeats of the text, along the frame and on the strips, for example " · ". Empty: a gap of two spaces.</source>
        <translation>Ce stă între repetările textului, de-a lungul ramei și pe benzi, de exemplu „ · ”. Gol: o distanță de două spații.</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Toate fișierele</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensiune</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Nicio latură a acestei rame nu cuprinde tot textul la această mărime: alegeți o mărime mai mică sau un text mai scurt.</translation>
    </message>
    <message>
        <source>Names…</source>
        <translation>Nume…</translation>
    </message>
    <message>
        <source>A list of names, one for each insert, each in place of the frame text</source>
        <translation>O listă de nume, câte unul pentru fiecare inserție, în locul textului ramei</translation>
    </message>
    <message>
        <source>Names: %1. Each insert takes one of them in place of the frame text; the first is shown here.</source>
        <translation>Nume: %1. Fiecare inserție primește unul dintre ele în locul textului ramei; aici este afișat primul.</translation>
    </message>
    <message>
        <source>Names (%1)…</source>
        <translation>Nume (%1)…</translation>
    </message>
</context>
<context>
    <name>LMMainWidget</name>
    <message>
        <source>Detail</source>
        <translation>Detaliu</translation>
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
        <translation>Fin desenează pagina la circa 300 dpi, clar la tipărire; Standard la 76 dpi, ca modelele mai vechi.</translation>
    </message>
    <message>
        <source>Print Preview…</source>
        <translation>Previzualizare…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Export ca PDF…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Export ca PDF</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Document PDF</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Moves the whole printout, for printers that shift the page</source>
        <translation>Mută întreaga imprimare, pentru imprimantele care decalează pagina</translation>
    </message>
    <message>
        <source>Lumetra ended without saving a design you were working on. A copy of it was kept at %1.

Restore it?</source>
        <translation>Lumetra s-a închis fără să salveze un model la care lucrați. O copie a fost păstrată la %1.

Îl restaurați?</translation>
    </message>
    <message>
        <source>Lumetra File and pictures</source>
        <translation>Fișiere Lumetra și imagini</translation>
    </message>
    <message>
        <source>Lumetra File</source>
        <translation>Fișier Lumetra</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Toate fișierele</translation>
    </message>
    <message>
        <source>Add text along an arc: drag a field, then type. The letters follow an arc over the field's top, and the field widens to hold them all.</source>
        <translation>Adaugă text pe un arc: trageți un câmp, apoi scrieți. Literele urmează un arc peste partea de sus a câmpului, iar câmpul se lărgește ca să le cuprindă pe toate.</translation>
    </message>
    <message>
        <source>%1 per sheet, 1 sheet</source>
        <translation>%1 pe coală, 1 coală</translation>
    </message>
    <message>
        <source>%1 per sheet, %2 sheets</source>
        <translation>%1 pe coală, %2 coli</translation>
    </message>
    <message>
        <source>One insert, one sheet</source>
        <translation>O inserție, o coală</translation>
    </message>
    <message>
        <source>%1 inserts, one per sheet</source>
        <translation>%1 inserții, câte una pe coală</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Coală</translation>
    </message>
    <message>
        <source>One insert per sheet</source>
        <translation>O inserție pe coală</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerArtFrameSetting</name>
    <message>
        <source>Rotate</source>
        <translation>Rotire</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerTextSetting</name>
    <message>
        <source>Rotate Text</source>
        <translation>Rotire text</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerPaddingSetting</name>
    <message>
        <source> Inch</source>
        <translation> inci</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>%1: from 0 to %2 on this paper.</source>
        <translation>%1: de la 0 la %2 pe această hârtie.</translation>
    </message>
</context>
<context>
    <name>LMFiles</name>
    <message>
        <source>The picture is %1 x %2 pixels; Lumetra opens pictures of up to %3 megapixels.</source>
        <translation>Imaginea are %1 x %2 pixeli; Lumetra deschide imagini de până la %3 megapixeli.</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Imagine bitmap</translation>
    </message>
    <message>
        <source>Lumetra writes no "%1" images.</source>
        <translation>Lumetra nu scrie imagini „%1”.</translation>
    </message>
</context>
<context>
    <name>LMPrinting</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>Imprimanta nu a putut fi pornită.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 nu a putut fi scris.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 nu a putut fi scris: %2</translation>
    </message>
    <message>
        <source>The printer reported an error; the page may not have been printed.</source>
        <translation>Imprimanta a raportat o eroare; este posibil ca pagina să nu fi fost imprimată.</translation>
    </message>
    <message>
        <source>The sheet is too small for one insert within its margins.</source>
        <translation>Coala este prea mică pentru o inserție în interiorul marginilor.</translation>
    </message>
</context>
<context>
    <name>LMCommandLine</name>
    <message>
        <source>%1: this file name is not valid UTF-8, so Lumetra can not open or write that file; rename it</source>
        <translation>%1: acest nume de fișier nu este UTF-8 valid, deci Lumetra nu poate deschide sau scrie fișierul; redenumiți-l</translation>
    </message>
    <message>
        <source>not a file type Lumetra writes: end the name in .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</source>
        <translation>Lumetra nu scrie acest tip de fișier: terminați numele cu .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</translation>
    </message>
    <message>
        <source>Lumetra %1 is available (this is %2)</source>
        <translation>Lumetra %1 este disponibilă (aceasta este %2)</translation>
    </message>
    <message>
        <source>Lumetra %1 is the latest version</source>
        <translation>Lumetra %1 este cea mai nouă versiune</translation>
    </message>
    <message>
        <source>update check failed: %1</source>
        <translation>verificarea actualizărilor a eșuat: %1</translation>
    </message>
    <message>
        <source>the list of names could not be read: %1</source>
        <translation>lista de nume nu a putut fi citită: %1</translation>
    </message>
    <message>
        <source>the list of names is not UTF-8 text; save it as UTF-8</source>
        <translation>lista de nume nu este text UTF-8; salvați-o ca UTF-8</translation>
    </message>
    <message>
        <source>the list of names holds no name</source>
        <translation>lista de nume nu conține niciun nume</translation>
    </message>
    <message>
        <source>the design shows no frame text, so no name would show; switch its frame and frame text on</source>
        <translation>designul nu afișează text de ramă, deci niciun nume nu s-ar vedea; activați rama și textul ramei</translation>
    </message>
</context>
<context>
    <name>LMUpdateTexts</name>
    <message>
        <source>Please Click 'Check' button for checking version</source>
        <translation>Faceți clic pe „Verificare” pentru a căuta o versiune nouă</translation>
    </message>
    <message>
        <source>Logged onto server.</source>
        <translation>Conectat la server.</translation>
    </message>
    <message>
        <source>Downloaded %1.</source>
        <translation>%1 a fost descărcat.</translation>
    </message>
    <message>
        <source>The installer %1 could not be started. Lumetra keeps running.</source>
        <translation>Programul de instalare %1 nu a putut fi pornit. Lumetra rămâne deschisă.</translation>
    </message>
    <message>
        <source>The update was cancelled; your work is still open.</source>
        <translation>Actualizarea a fost anulată; lucrul dvs. rămâne deschis.</translation>
    </message>
    <message>
        <source>No update server is set up for this installation.</source>
        <translation>Nu este configurat niciun server de actualizare pentru această instalare.</translation>
    </message>
    <message>
        <source>The update server's address is not a valid ftp:// address.</source>
        <translation>Adresa serverului de actualizare nu este o adresă ftp:// validă.</translation>
    </message>
    <message>
        <source>The update server refused the login.</source>
        <translation>Serverul de actualizare a refuzat autentificarea.</translation>
    </message>
    <message>
        <source>%1 is not on the update server.</source>
        <translation>%1 nu se află pe serverul de actualizare.</translation>
    </message>
    <message>
        <source>The update server's certificate is not trusted.</source>
        <translation>Certificatul serverului de actualizare nu este de încredere.</translation>
    </message>
    <message>
        <source>The transfer of %1 broke off.</source>
        <translation>Transferul %1 s-a întrerupt.</translation>
    </message>
    <message>
        <source>%1 arrived incomplete and was deleted.</source>
        <translation>%1 a sosit incomplet și a fost șters.</translation>
    </message>
    <message>
        <source>The update server stopped answering.</source>
        <translation>Serverul de actualizare nu mai răspunde.</translation>
    </message>
    <message>
        <source>Unable to save the file %1.</source>
        <translation>Fișierul %1 nu poate fi salvat.</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>Descărcarea %1 a fost anulată.</translation>
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
        <translation>Revocare</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nu</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Permission denied</source>
        <translation>Permisiune refuzată</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Fișierul sau dosarul nu există</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Nu mai este spațiu pe dispozitiv</translation>
    </message>
</context>
<context>
    <name>LMSaveDialog</name>
    <message>
        <source>Untitled</source>
        <translation>Fără titlu</translation>
    </message>
</context>
<context>
    <name>LMFileDialog</name>
    <message>
        <source>All pictures</source>
        <translation>Toate imaginile</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Toate fișierele</translation>
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
        <translation>inci</translation>
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
        <translation>Nume</translation>
    </message>
    <message>
        <source>One name per line. Each name takes the frame text's place on an insert of its own.</source>
        <translation>Un nume pe rând. Fiecare nume ia locul textului ramei pe o inserție proprie.</translation>
    </message>
    <message numerus="yes">
        <source>%n names</source>
        <translation>
            <numerusform>%n nume</numerusform>
            <numerusform>%n nume</numerusform>
            <numerusform>%n de nume</numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 is not UTF-8 text. Save it as UTF-8 (for a spreadsheet: CSV UTF-8) and load it again.</source>
        <translation>Fișierul %1 nu este text UTF-8. Salvați-l ca UTF-8 (într-o foaie de calcul: CSV UTF-8) și încărcați-l din nou.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>Fișierul %1 nu poate fi citit.</translation>
    </message>
    <message>
        <source>Lists of names</source>
        <translation>Liste de nume</translation>
    </message>
</context>
</TS>
