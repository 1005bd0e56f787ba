<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>Die feinen Details dieses Entwurfs konnten nicht gelesen werden; er wird in Standarddetail geöffnet.</translation>
    </message>
    <message>
        <source>The frame text's separator could not be read; the usual gap is used.</source>
        <translation>Das Trennzeichen des Rahmentexts konnte nicht gelesen werden; der übliche Abstand wird verwendet.</translation>
    </message>
    <message>
        <source>The page is %1 x %2 pixels, larger than any paper.</source>
        <translation>Die Seite hat %1 x %2 Pixel und ist größer als jedes Papier.</translation>
    </message>
    <message>
        <source>The list of names could not be read; the design opens without it.</source>
        <translation>Die Namensliste konnte nicht gelesen werden; der Entwurf öffnet sich ohne sie.</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerBorderSetting</name>
    <message>
        <source>Drawn at size %1: the most a thin strip holds.</source>
        <translation>In Größe %1 gezeichnet: mehr fasst ein dünner Streifen nicht.</translation>
    </message>
    <message>
        <source>Drawn at size %1: the most a thick strip holds.</source>
        <translation>In Größe %1 gezeichnet: mehr fasst ein dicker Streifen nicht.</translation>
    </message>
    <message>
        <source>Between repeats:</source>
        <translation>Zwischen Wiederholungen:</translation>
    </message>
    <message>
        <source>two spaces</source>
        <translation>zwei Leerzeichen</translation>
    </message>
    <message>
        <source>What stands between repeats of the text, along the frame and on the strips, for example " · ". Empty: a gap of two spaces.</source>
        <translation>Was zwischen den Wiederholungen des Texts steht, entlang des Rahmens und auf den Streifen, zum Beispiel „ · “. Leer: ein Abstand von zwei Leerzeichen.</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Keine Seite dieses Rahmens fasst den ganzen Text in dieser Größe: Wählen Sie eine kleinere Größe oder einen kürzeren Text.</translation>
    </message>
    <message>
        <source>Names…</source>
        <translation>Namen…</translation>
    </message>
    <message>
        <source>A list of names, one for each insert, each in place of the frame text</source>
        <translation>Eine Liste von Namen, einer je Einleger, jeweils anstelle des Rahmentexts</translation>
    </message>
    <message>
        <source>Names: %1. Each insert takes one of them in place of the frame text; the first is shown here.</source>
        <translation>Namen: %1. Jeder Einleger erhält einen davon anstelle des Rahmentexts; hier wird der erste gezeigt.</translation>
    </message>
    <message>
        <source>Names (%1)…</source>
        <translation>Namen (%1)…</translation>
    </message>
</context>
<context>
    <name>LMMainWidget</name>
    <message>
        <source>Detail</source>
        <translation>Detailgrad</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fein</translation>
    </message>
    <message>
        <source>Fine draws the page at about 300 dpi, sharp in print; Standard at 76 dpi, as older designs are.</source>
        <translation>Fein zeichnet die Seite mit etwa 300 dpi, scharf im Druck; Standard mit 76 dpi wie ältere Entwürfe.</translation>
    </message>
    <message>
        <source>Print Preview…</source>
        <translation>Druckvorschau…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Als PDF exportieren…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF-Dokument</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Moves the whole printout, for printers that shift the page</source>
        <translation>Verschiebt den ganzen Ausdruck, für Drucker, die die Seite versetzen</translation>
    </message>
    <message>
        <source>Lumetra ended without saving a design you were working on. A copy of it was kept at %1.

Restore it?</source>
        <translation>Lumetra wurde beendet, ohne einen Entwurf zu speichern, an dem Sie gearbeitet haben. Eine Kopie davon wurde am %1 gesichert.

Wiederherstellen?</translation>
    </message>
    <message>
        <source>Lumetra File and pictures</source>
        <translation>Lumetra-Dateien und Bilder</translation>
    </message>
    <message>
        <source>Lumetra File</source>
        <translation>Lumetra-Datei</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Add text along an arc: drag a field, then type. The letters follow an arc over the field's top, and the field widens to hold them all.</source>
        <translation>Text entlang eines Bogens: ein Feld aufziehen, dann tippen. Die Buchstaben folgen einem Bogen über den oberen Rand des Felds, und das Feld wird breiter, bis alle Platz haben.</translation>
    </message>
    <message>
        <source>%1 per sheet, 1 sheet</source>
        <translation>%1 pro Bogen, 1 Bogen</translation>
    </message>
    <message>
        <source>%1 per sheet, %2 sheets</source>
        <translation>%1 pro Bogen, %2 Bogen</translation>
    </message>
    <message>
        <source>One insert, one sheet</source>
        <translation>Eine Einlage, ein Bogen</translation>
    </message>
    <message>
        <source>%1 inserts, one per sheet</source>
        <translation>%1 Einlagen, eine pro Bogen</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Bogen</translation>
    </message>
    <message>
        <source>One insert per sheet</source>
        <translation>Eine Einlage pro Bogen</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerArtFrameSetting</name>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerTextSetting</name>
    <message>
        <source>Rotate Text</source>
        <translation>Text drehen</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerPaddingSetting</name>
    <message>
        <source> Inch</source>
        <translation> Zoll</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>%1: from 0 to %2 on this paper.</source>
        <translation>%1: auf diesem Papier von 0 bis %2.</translation>
    </message>
</context>
<context>
    <name>LMFiles</name>
    <message>
        <source>The picture is %1 x %2 pixels; Lumetra opens pictures of up to %3 megapixels.</source>
        <translation>Das Bild hat %1 x %2 Pixel; Lumetra öffnet Bilder mit bis zu %3 Megapixeln.</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Bitmap</translation>
    </message>
    <message>
        <source>Lumetra writes no "%1" images.</source>
        <translation>Lumetra schreibt keine „%1“-Bilder.</translation>
    </message>
</context>
<context>
    <name>LMPrinting</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>Der Drucker konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The printer reported an error; the page may not have been printed.</source>
        <translation>Der Drucker meldete einen Fehler; die Seite wurde möglicherweise nicht gedruckt.</translation>
    </message>
    <message>
        <source>The sheet is too small for one insert within its margins.</source>
        <translation>Der Bogen ist zu klein für eine Einlage innerhalb seiner Ränder.</translation>
    </message>
</context>
<context>
    <name>LMCommandLine</name>
    <message>
        <source>%1: this file name is not valid UTF-8, so Lumetra can not open or write that file; rename it</source>
        <translation>%1: Dieser Dateiname ist kein gültiges UTF-8, daher kann Lumetra die Datei weder öffnen noch schreiben; benennen Sie sie um</translation>
    </message>
    <message>
        <source>not a file type Lumetra writes: end the name in .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</source>
        <translation>kein Dateityp, den Lumetra schreibt: den Namen auf .lmx, .pdf, .png, .jpg, .bmp, .tiff ... enden lassen</translation>
    </message>
    <message>
        <source>Lumetra %1 is available (this is %2)</source>
        <translation>Lumetra %1 ist verfügbar (dies ist %2)</translation>
    </message>
    <message>
        <source>Lumetra %1 is the latest version</source>
        <translation>Lumetra %1 ist die neueste Version</translation>
    </message>
    <message>
        <source>update check failed: %1</source>
        <translation>Suche nach Aktualisierungen fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>the list of names could not be read: %1</source>
        <translation>die Namensliste konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>the list of names is not UTF-8 text; save it as UTF-8</source>
        <translation>die Namensliste ist kein UTF-8-Text; speichern Sie sie als UTF-8</translation>
    </message>
    <message>
        <source>the list of names holds no name</source>
        <translation>die Namensliste enthält keinen Namen</translation>
    </message>
    <message>
        <source>the design shows no frame text, so no name would show; switch its frame and frame text on</source>
        <translation>der Entwurf zeigt keinen Rahmentext, also würde kein Name erscheinen; schalten Sie Rahmen und Rahmentext ein</translation>
    </message>
</context>
<context>
    <name>LMUpdateTexts</name>
    <message>
        <source>Please Click 'Check' button for checking version</source>
        <translation>Klicken Sie auf „Prüfen“, um nach einer neuen Version zu suchen</translation>
    </message>
    <message>
        <source>Logged onto server.</source>
        <translation>Am Server angemeldet.</translation>
    </message>
    <message>
        <source>Downloaded %1.</source>
        <translation>%1 heruntergeladen.</translation>
    </message>
    <message>
        <source>The installer %1 could not be started. Lumetra keeps running.</source>
        <translation>Das Installationsprogramm %1 konnte nicht gestartet werden. Lumetra läuft weiter.</translation>
    </message>
    <message>
        <source>The update was cancelled; your work is still open.</source>
        <translation>Die Aktualisierung wurde abgebrochen; Ihre Arbeit ist weiterhin geöffnet.</translation>
    </message>
    <message>
        <source>No update server is set up for this installation.</source>
        <translation>Für diese Installation ist kein Aktualisierungsserver eingerichtet.</translation>
    </message>
    <message>
        <source>The update server's address is not a valid ftp:// address.</source>
        <translation>Die Adresse des Aktualisierungsservers ist keine gültige ftp://-Adresse.</translation>
    </message>
    <message>
        <source>The update server refused the login.</source>
        <translation>Der Aktualisierungsserver hat die Anmeldung abgelehnt.</translation>
    </message>
    <message>
        <source>%1 is not on the update server.</source>
        <translation>%1 ist nicht auf dem Aktualisierungsserver.</translation>
    </message>
    <message>
        <source>The update server's certificate is not trusted.</source>
        <translation>Dem Zertifikat des Aktualisierungsservers wird nicht vertraut.</translation>
    </message>
    <message>
        <source>The transfer of %1 broke off.</source>
        <translation>Die Übertragung von %1 wurde abgebrochen.</translation>
    </message>
    <message>
        <source>%1 arrived incomplete and was deleted.</source>
        <translation>%1 kam unvollständig an und wurde gelöscht.</translation>
    </message>
    <message>
        <source>The update server stopped answering.</source>
        <translation>Der Aktualisierungsserver antwortet nicht mehr.</translation>
    </message>
    <message>
        <source>Unable to save the file %1.</source>
        <translation>Die Datei %1 kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>Herunterladen von %1 abgebrochen.</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Kein Speicherplatz mehr auf dem Gerät</translation>
    </message>
</context>
<context>
    <name>LMSaveDialog</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>LMFileDialog</name>
    <message>
        <source>All pictures</source>
        <translation>Alle Bilder</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
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
        <translation>Zoll</translation>
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
        <translation>Namen</translation>
    </message>
    <message>
        <source>One name per line. Each name takes the frame text's place on an insert of its own.</source>
        <translation>Ein Name pro Zeile. Jeder Name tritt auf einem eigenen Einleger an die Stelle des Rahmentexts.</translation>
    </message>
    <message numerus="yes">
        <source>%n names</source>
        <translation>
            <numerusform>%n Name</numerusform>
            <numerusform>%n Namen</numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 is not UTF-8 text. Save it as UTF-8 (for a spreadsheet: CSV UTF-8) and load it again.</source>
        <translation>Die Datei %1 ist kein UTF-8-Text. Speichern Sie sie als UTF-8 (in einer Tabellenkalkulation: CSV UTF-8) und laden Sie sie erneut.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>Die Datei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Lists of names</source>
        <translation>Namenslisten</translation>
    </message>
</context>
</TS>
