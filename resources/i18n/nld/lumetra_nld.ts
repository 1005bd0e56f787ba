<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>Het fijne detail van dit ontwerp kon niet worden gelezen; het wordt geopend met standaarddetail.</translation>
    </message>
    <message>
        <source>The frame text's separator could not be read; the usual gap is used.</source>
        <translation>Het scheidingsteken van de kadertekst kon niet worden gelezen; de gewone tussenruimte wordt gebruikt.</translation>
    </message>
    <message>
        <source>The page is %1 x %2 pixels, larger than any paper.</source>
        <translation>De pagina is %1 x %2 pixels, groter dan elk papier.</translation>
    </message>
    <message>
        <source>The list of names could not be read; the design opens without it.</source>
        <translation>De namenlijst kon niet worden gelezen; het ontwerp opent zonder.</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerBorderSetting</name>
    <message>
        <source>Drawn at size %1: the most a thin strip holds.</source>
        <translation>Getekend op grootte %1: meer past niet op een dunne strook.</translation>
    </message>
    <message>
        <source>Drawn at size %1: the most a thick strip holds.</source>
        <translation>Getekend op grootte %1: meer past niet op een dikke strook.</translation>
    </message>
    <message>
        <source>Between repeats:</source>
        <translation>Tussen herhalingen:</translation>
    </message>
    <message>
        <source>two spaces</source>
        <translation>twee spaties</translation>
    </message>
    <message>
        <source>What stands between repeats of the text, along the frame and on the strips, for example " · ". Empty: a gap of two spaces.</source>
        <translation>Wat tussen de herhalingen van de tekst staat, langs het kader en op de stroken, bijvoorbeeld " · ". Leeg: een ruimte van twee spaties.</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle bestanden</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Geen enkele zijde van dit kader past de hele tekst in deze grootte: kies een kleinere grootte of een kortere tekst.</translation>
    </message>
    <message>
        <source>Names…</source>
        <translation>Namen…</translation>
    </message>
    <message>
        <source>A list of names, one for each insert, each in place of the frame text</source>
        <translation>Een lijst met namen, één per inlegkaart, telkens in plaats van de kadertekst</translation>
    </message>
    <message>
        <source>Names: %1. Each insert takes one of them in place of the frame text; the first is shown here.</source>
        <translation>Namen: %1. Elke inlegkaart krijgt er één in plaats van de kadertekst; hier wordt de eerste getoond.</translation>
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
        <translation>Detail</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fijn</translation>
    </message>
    <message>
        <source>Fine draws the page at about 300 dpi, sharp in print; Standard at 76 dpi, as older designs are.</source>
        <translation>Fijn tekent de pagina op ongeveer 300 dpi, scherp op papier; Standaard op 76 dpi, zoals oudere ontwerpen.</translation>
    </message>
    <message>
        <source>Print Preview…</source>
        <translation>Afdrukvoorbeeld…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Exporteren als PDF…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exporteren als PDF</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF-document</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Moves the whole printout, for printers that shift the page</source>
        <translation>Verschuift de hele afdruk, voor printers die de pagina verschuiven</translation>
    </message>
    <message>
        <source>Lumetra ended without saving a design you were working on. A copy of it was kept at %1.

Restore it?</source>
        <translation>Lumetra is gestopt zonder een ontwerp op te slaan waaraan u werkte. Er is op %1 een kopie van bewaard.

Herstellen?</translation>
    </message>
    <message>
        <source>Lumetra File and pictures</source>
        <translation>Lumetra-bestanden en afbeeldingen</translation>
    </message>
    <message>
        <source>Lumetra File</source>
        <translation>Lumetra-bestand</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle bestanden</translation>
    </message>
    <message>
        <source>Add text along an arc: drag a field, then type. The letters follow an arc over the field's top, and the field widens to hold them all.</source>
        <translation>Tekst langs een boog: sleep een veld en typ. De letters volgen een boog over de bovenkant van het veld, en het veld wordt breder tot ze er allemaal in passen.</translation>
    </message>
    <message>
        <source>%1 per sheet, 1 sheet</source>
        <translation>%1 per vel, 1 vel</translation>
    </message>
    <message>
        <source>%1 per sheet, %2 sheets</source>
        <translation>%1 per vel, %2 vellen</translation>
    </message>
    <message>
        <source>One insert, one sheet</source>
        <translation>Eén inlegkaart, één vel</translation>
    </message>
    <message>
        <source>%1 inserts, one per sheet</source>
        <translation>%1 inlegkaarten, één per vel</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Vel</translation>
    </message>
    <message>
        <source>One insert per sheet</source>
        <translation>Eén inlegkaart per vel</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerArtFrameSetting</name>
    <message>
        <source>Rotate</source>
        <translation>Draaien</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerTextSetting</name>
    <message>
        <source>Rotate Text</source>
        <translation>Tekst draaien</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerPaddingSetting</name>
    <message>
        <source> Inch</source>
        <translation> inch</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>%1: from 0 to %2 on this paper.</source>
        <translation>%1: van 0 tot %2 op dit papier.</translation>
    </message>
</context>
<context>
    <name>LMFiles</name>
    <message>
        <source>The picture is %1 x %2 pixels; Lumetra opens pictures of up to %3 megapixels.</source>
        <translation>De afbeelding is %1 x %2 pixels; Lumetra opent afbeeldingen tot %3 megapixel.</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Bitmap-afbeelding</translation>
    </message>
    <message>
        <source>Lumetra writes no "%1" images.</source>
        <translation>Lumetra schrijft geen '%1'-afbeeldingen.</translation>
    </message>
</context>
<context>
    <name>LMPrinting</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>De printer kon niet worden gestart.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 kon niet worden geschreven.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 kon niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>The printer reported an error; the page may not have been printed.</source>
        <translation>De printer meldde een fout; de pagina is mogelijk niet afgedrukt.</translation>
    </message>
    <message>
        <source>The sheet is too small for one insert within its margins.</source>
        <translation>Het vel is te klein voor één inlegkaart binnen de marges.</translation>
    </message>
</context>
<context>
    <name>LMCommandLine</name>
    <message>
        <source>%1: this file name is not valid UTF-8, so Lumetra can not open or write that file; rename it</source>
        <translation>%1: deze bestandsnaam is geen geldige UTF-8, dus Lumetra kan dat bestand niet openen of schrijven; geef het een andere naam</translation>
    </message>
    <message>
        <source>not a file type Lumetra writes: end the name in .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</source>
        <translation>geen bestandstype dat Lumetra schrijft: laat de naam eindigen op .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</translation>
    </message>
    <message>
        <source>Lumetra %1 is available (this is %2)</source>
        <translation>Lumetra %1 is beschikbaar (dit is %2)</translation>
    </message>
    <message>
        <source>Lumetra %1 is the latest version</source>
        <translation>Lumetra %1 is de nieuwste versie</translation>
    </message>
    <message>
        <source>update check failed: %1</source>
        <translation>controle op updates mislukt: %1</translation>
    </message>
    <message>
        <source>the list of names could not be read: %1</source>
        <translation>de namenlijst kon niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>the list of names is not UTF-8 text; save it as UTF-8</source>
        <translation>de namenlijst is geen UTF-8-tekst; sla deze op als UTF-8</translation>
    </message>
    <message>
        <source>the list of names holds no name</source>
        <translation>de namenlijst bevat geen enkele naam</translation>
    </message>
    <message>
        <source>the design shows no frame text, so no name would show; switch its frame and frame text on</source>
        <translation>het ontwerp toont geen lijsttekst, dus geen naam zou verschijnen; zet de lijst en de lijsttekst aan</translation>
    </message>
</context>
<context>
    <name>LMUpdateTexts</name>
    <message>
        <source>Please Click 'Check' button for checking version</source>
        <translation>Klik op 'Controleren' om te zoeken naar een nieuwe versie</translation>
    </message>
    <message>
        <source>Logged onto server.</source>
        <translation>Aangemeld bij de server.</translation>
    </message>
    <message>
        <source>Downloaded %1.</source>
        <translation>%1 gedownload.</translation>
    </message>
    <message>
        <source>The installer %1 could not be started. Lumetra keeps running.</source>
        <translation>Het installatieprogramma %1 kon niet worden gestart. Lumetra blijft actief.</translation>
    </message>
    <message>
        <source>The update was cancelled; your work is still open.</source>
        <translation>De update is geannuleerd; uw werk is nog geopend.</translation>
    </message>
    <message>
        <source>No update server is set up for this installation.</source>
        <translation>Er is geen updateserver ingesteld voor deze installatie.</translation>
    </message>
    <message>
        <source>The update server's address is not a valid ftp:// address.</source>
        <translation>Het adres van de updateserver is geen geldig ftp://-adres.</translation>
    </message>
    <message>
        <source>The update server refused the login.</source>
        <translation>De updateserver weigerde de aanmelding.</translation>
    </message>
    <message>
        <source>%1 is not on the update server.</source>
        <translation>%1 staat niet op de updateserver.</translation>
    </message>
    <message>
        <source>The update server's certificate is not trusted.</source>
        <translation>Het certificaat van de updateserver wordt niet vertrouwd.</translation>
    </message>
    <message>
        <source>The transfer of %1 broke off.</source>
        <translation>De overdracht van %1 is afgebroken.</translation>
    </message>
    <message>
        <source>%1 arrived incomplete and was deleted.</source>
        <translation>%1 kwam onvolledig binnen en is verwijderd.</translation>
    </message>
    <message>
        <source>The update server stopped answering.</source>
        <translation>De updateserver reageert niet meer.</translation>
    </message>
    <message>
        <source>Unable to save the file %1.</source>
        <translation>Kan het bestand %1 niet opslaan.</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>Downloaden van %1 geannuleerd.</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nee</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Permission denied</source>
        <translation>Toegang geweigerd</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Bestand of map bestaat niet</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Geen ruimte meer op het apparaat</translation>
    </message>
</context>
<context>
    <name>LMSaveDialog</name>
    <message>
        <source>Untitled</source>
        <translation>Naamloos</translation>
    </message>
</context>
<context>
    <name>LMFileDialog</name>
    <message>
        <source>All pictures</source>
        <translation>Alle afbeeldingen</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle bestanden</translation>
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
        <translation>inch</translation>
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
        <translation>Eén naam per regel. Elke naam neemt op een eigen inlegkaart de plaats in van de kadertekst.</translation>
    </message>
    <message numerus="yes">
        <source>%n names</source>
        <translation>
            <numerusform>%n naam</numerusform>
            <numerusform>%n namen</numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 is not UTF-8 text. Save it as UTF-8 (for a spreadsheet: CSV UTF-8) and load it again.</source>
        <translation>Het bestand %1 is geen UTF-8-tekst. Sla het op als UTF-8 (in een spreadsheet: CSV UTF-8) en laad het opnieuw.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>Het bestand %1 kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>Lists of names</source>
        <translation>Namenlijsten</translation>
    </message>
</context>
</TS>
