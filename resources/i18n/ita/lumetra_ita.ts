<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>Il dettaglio fine di questo progetto non è leggibile; si apre con il dettaglio standard.</translation>
    </message>
    <message>
        <source>The frame text's separator could not be read; the usual gap is used.</source>
        <translation>Impossibile leggere il separatore del testo della cornice; si usa lo spazio consueto.</translation>
    </message>
    <message>
        <source>The page is %1 x %2 pixels, larger than any paper.</source>
        <translation>La pagina è di %1 x %2 pixel, più grande di qualsiasi carta.</translation>
    </message>
    <message>
        <source>The list of names could not be read; the design opens without it.</source>
        <translation>Impossibile leggere l'elenco dei nomi; il progetto si apre senza.</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerBorderSetting</name>
    <message>
        <source>Drawn at size %1: the most a thin strip holds.</source>
        <translation>Disegnato in dimensione %1: il massimo per una striscia sottile.</translation>
    </message>
    <message>
        <source>Drawn at size %1: the most a thick strip holds.</source>
        <translation>Disegnato in dimensione %1: il massimo per una striscia spessa.</translation>
    </message>
    <message>
        <source>Between repeats:</source>
        <translation>Tra le ripetizioni:</translation>
    </message>
    <message>
        <source>two spaces</source>
        <translation>due spazi</translation>
    </message>
    <message>
        <source>What stands between repeats of the text, along the frame and on the strips, for example " · ". Empty: a gap of two spaces.</source>
        <translation>Ciò che separa le ripetizioni del testo, lungo la cornice e sulle strisce, per esempio « · ». Vuoto: uno spazio di due caratteri.</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Nessun lato di questa cornice contiene il testo intero a questa dimensione: scegli una dimensione più piccola o un testo più corto.</translation>
    </message>
    <message>
        <source>Names…</source>
        <translation>Nomi…</translation>
    </message>
    <message>
        <source>A list of names, one for each insert, each in place of the frame text</source>
        <translation>Un elenco di nomi, uno per inserto, ciascuno al posto del testo della cornice</translation>
    </message>
    <message>
        <source>Names: %1. Each insert takes one of them in place of the frame text; the first is shown here.</source>
        <translation>Nomi: %1. Ogni inserto ne riceve uno al posto del testo della cornice; qui è mostrato il primo.</translation>
    </message>
    <message>
        <source>Names (%1)…</source>
        <translation>Nomi (%1)…</translation>
    </message>
</context>
<context>
    <name>LMMainWidget</name>
    <message>
        <source>Detail</source>
        <translation>Dettaglio</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Fine draws the page at about 300 dpi, sharp in print; Standard at 76 dpi, as older designs are.</source>
        <translation>Fine disegna la pagina a circa 300 dpi, nitida in stampa; Standard a 76 dpi, come i progetti precedenti.</translation>
    </message>
    <message>
        <source>Print Preview…</source>
        <translation>Anteprima di stampa…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Esporta in PDF…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Esporta in PDF</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Documento PDF</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Moves the whole printout, for printers that shift the page</source>
        <translation>Sposta l'intera stampa, per le stampanti che spostano la pagina</translation>
    </message>
    <message>
        <source>Lumetra ended without saving a design you were working on. A copy of it was kept at %1.

Restore it?</source>
        <translation>Lumetra si è chiuso senza salvare un progetto su cui stavi lavorando. Una copia è stata conservata il %1.

Ripristinarlo?</translation>
    </message>
    <message>
        <source>Lumetra File and pictures</source>
        <translation>File Lumetra e immagini</translation>
    </message>
    <message>
        <source>Lumetra File</source>
        <translation>File Lumetra</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>Add text along an arc: drag a field, then type. The letters follow an arc over the field's top, and the field widens to hold them all.</source>
        <translation>Aggiungi testo ad arco: trascina un campo, poi scrivi. Le lettere seguono un arco sopra il campo, e il campo si allarga per contenerle tutte.</translation>
    </message>
    <message>
        <source>%1 per sheet, 1 sheet</source>
        <translation>%1 per foglio, 1 foglio</translation>
    </message>
    <message>
        <source>%1 per sheet, %2 sheets</source>
        <translation>%1 per foglio, %2 fogli</translation>
    </message>
    <message>
        <source>One insert, one sheet</source>
        <translation>Un inserto, un foglio</translation>
    </message>
    <message>
        <source>%1 inserts, one per sheet</source>
        <translation>%1 inserti, uno per foglio</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Foglio</translation>
    </message>
    <message>
        <source>One insert per sheet</source>
        <translation>Un inserto per foglio</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerArtFrameSetting</name>
    <message>
        <source>Rotate</source>
        <translation>Ruota</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerTextSetting</name>
    <message>
        <source>Rotate Text</source>
        <translation>Ruota testo</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerPaddingSetting</name>
    <message>
        <source> Inch</source>
        <translation> pollici</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>%1: from 0 to %2 on this paper.</source>
        <translation>%1: da 0 a %2 su questa carta.</translation>
    </message>
</context>
<context>
    <name>LMFiles</name>
    <message>
        <source>The picture is %1 x %2 pixels; Lumetra opens pictures of up to %3 megapixels.</source>
        <translation>L'immagine è di %1 x %2 pixel; Lumetra apre immagini fino a %3 megapixel.</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Immagine bitmap</translation>
    </message>
    <message>
        <source>Lumetra writes no "%1" images.</source>
        <translation>Lumetra non scrive immagini "%1".</translation>
    </message>
</context>
<context>
    <name>LMPrinting</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>Impossibile avviare la stampante.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>Impossibile scrivere %1.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>The printer reported an error; the page may not have been printed.</source>
        <translation>La stampante ha segnalato un errore; la pagina potrebbe non essere stata stampata.</translation>
    </message>
    <message>
        <source>The sheet is too small for one insert within its margins.</source>
        <translation>Il foglio è troppo piccolo per un inserto entro i suoi margini.</translation>
    </message>
</context>
<context>
    <name>LMCommandLine</name>
    <message>
        <source>%1: this file name is not valid UTF-8, so Lumetra can not open or write that file; rename it</source>
        <translation>%1: questo nome di file non è UTF-8 valido, quindi Lumetra non può aprire né scrivere il file; rinominalo</translation>
    </message>
    <message>
        <source>not a file type Lumetra writes: end the name in .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</source>
        <translation>non è un tipo di file che Lumetra scrive: termina il nome con .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</translation>
    </message>
    <message>
        <source>Lumetra %1 is available (this is %2)</source>
        <translation>Lumetra %1 è disponibile (questa è la %2)</translation>
    </message>
    <message>
        <source>Lumetra %1 is the latest version</source>
        <translation>Lumetra %1 è la versione più recente</translation>
    </message>
    <message>
        <source>update check failed: %1</source>
        <translation>verifica aggiornamenti non riuscita: %1</translation>
    </message>
    <message>
        <source>the list of names could not be read: %1</source>
        <translation>impossibile leggere l'elenco dei nomi: %1</translation>
    </message>
    <message>
        <source>the list of names is not UTF-8 text; save it as UTF-8</source>
        <translation>l'elenco dei nomi non è testo UTF-8; salvalo come UTF-8</translation>
    </message>
    <message>
        <source>the list of names holds no name</source>
        <translation>l'elenco dei nomi non contiene alcun nome</translation>
    </message>
    <message>
        <source>the design shows no frame text, so no name would show; switch its frame and frame text on</source>
        <translation>il progetto non mostra testo della cornice, quindi nessun nome comparirebbe; attiva la cornice e il suo testo</translation>
    </message>
</context>
<context>
    <name>LMUpdateTexts</name>
    <message>
        <source>Please Click 'Check' button for checking version</source>
        <translation>Fai clic su «Verifica» per cercare una nuova versione</translation>
    </message>
    <message>
        <source>Logged onto server.</source>
        <translation>Accesso al server eseguito.</translation>
    </message>
    <message>
        <source>Downloaded %1.</source>
        <translation>%1 scaricato.</translation>
    </message>
    <message>
        <source>The installer %1 could not be started. Lumetra keeps running.</source>
        <translation>Impossibile avviare il programma di installazione %1. Lumetra resta aperto.</translation>
    </message>
    <message>
        <source>The update was cancelled; your work is still open.</source>
        <translation>L'aggiornamento è stato annullato; il tuo lavoro è ancora aperto.</translation>
    </message>
    <message>
        <source>No update server is set up for this installation.</source>
        <translation>Nessun server di aggiornamento è configurato per questa installazione.</translation>
    </message>
    <message>
        <source>The update server's address is not a valid ftp:// address.</source>
        <translation>L'indirizzo del server di aggiornamento non è un indirizzo ftp:// valido.</translation>
    </message>
    <message>
        <source>The update server refused the login.</source>
        <translation>Il server di aggiornamento ha rifiutato l'accesso.</translation>
    </message>
    <message>
        <source>%1 is not on the update server.</source>
        <translation>%1 non è sul server di aggiornamento.</translation>
    </message>
    <message>
        <source>The update server's certificate is not trusted.</source>
        <translation>Il certificato del server di aggiornamento non è attendibile.</translation>
    </message>
    <message>
        <source>The transfer of %1 broke off.</source>
        <translation>Il trasferimento di %1 si è interrotto.</translation>
    </message>
    <message>
        <source>%1 arrived incomplete and was deleted.</source>
        <translation>%1 è arrivato incompleto ed è stato eliminato.</translation>
    </message>
    <message>
        <source>The update server stopped answering.</source>
        <translation>Il server di aggiornamento non risponde più.</translation>
    </message>
    <message>
        <source>Unable to save the file %1.</source>
        <translation>Impossibile salvare il file %1.</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>Download di %1 annullato.</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Permission denied</source>
        <translation>Permesso negato</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>File o cartella inesistente</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Spazio esaurito sul dispositivo</translation>
    </message>
</context>
<context>
    <name>LMSaveDialog</name>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
</context>
<context>
    <name>LMFileDialog</name>
    <message>
        <source>All pictures</source>
        <translation>Tutte le immagini</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tutti i file</translation>
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
        <translation>pollici</translation>
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
        <translation>Nomi</translation>
    </message>
    <message>
        <source>One name per line. Each name takes the frame text's place on an insert of its own.</source>
        <translation>Un nome per riga. Ogni nome prende il posto del testo della cornice su un inserto tutto suo.</translation>
    </message>
    <message numerus="yes">
        <source>%n names</source>
        <translation>
            <numerusform>%n nome</numerusform>
            <numerusform>%n nomi</numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 is not UTF-8 text. Save it as UTF-8 (for a spreadsheet: CSV UTF-8) and load it again.</source>
        <translation>Il file %1 non è testo UTF-8. Salvalo come UTF-8 (in un foglio di calcolo: CSV UTF-8) e caricalo di nuovo.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>Impossibile leggere il file %1.</translation>
    </message>
    <message>
        <source>Lists of names</source>
        <translation>Elenchi di nomi</translation>
    </message>
</context>
</TS>
