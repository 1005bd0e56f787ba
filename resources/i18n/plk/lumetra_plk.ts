<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>Nie udało się odczytać wysokiej szczegółowości tego projektu; zostanie otwarty ze standardową.</translation>
    </message>
    <message>
        <source>The frame text's separator could not be read; the usual gap is used.</source>
        <translation>Nie można odczytać separatora tekstu ramki; użyto zwykłego odstępu.</translation>
    </message>
    <message>
        <source>The page is %1 x %2 pixels, larger than any paper.</source>
        <translation>Strona ma %1 x %2 pikseli, więcej niż jakikolwiek papier.</translation>
    </message>
    <message>
        <source>The list of names could not be read; the design opens without it.</source>
        <translation>Nie można odczytać listy imion; projekt otworzy się bez niej.</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerBorderSetting</name>
    <message>
        <source>Drawn at size %1: the most a thin strip holds.</source>
        <translation>Rysowane w rozmiarze %1: więcej nie zmieści cienki pasek.</translation>
    </message>
    <message>
        <source>Drawn at size %1: the most a thick strip holds.</source>
        <translation>Rysowane w rozmiarze %1: więcej nie zmieści gruby pasek.</translation>
    </message>
    <message>
        <source>Between repeats:</source>
        <translation>Między powtórzeniami:</translation>
    </message>
    <message>
        <source>two spaces</source>
        <translation>dwie spacje</translation>
    </message>
    <message>
        <source>What stands between repeats of the text, along the frame and on the strips, for example " · ". Empty: a gap of two spaces.</source>
        <translation>To, co stoi między powtórzeniami tekstu wzdłuż ramki i na paskach, na przykład „ · ”. Puste: odstęp dwóch spacji.</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Wszystkie pliki</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Żaden bok tej ramki nie mieści całego tekstu w tym rozmiarze: wybierz mniejszy rozmiar lub krótszy tekst.</translation>
    </message>
    <message>
        <source>Names…</source>
        <translation>Imiona…</translation>
    </message>
    <message>
        <source>A list of names, one for each insert, each in place of the frame text</source>
        <translation>Lista imion, po jednym na każdą wkładkę, zamiast tekstu ramki</translation>
    </message>
    <message>
        <source>Names: %1. Each insert takes one of them in place of the frame text; the first is shown here.</source>
        <translation>Imiona: %1. Każda wkładka otrzymuje jedno z nich zamiast tekstu ramki; tutaj widać pierwsze.</translation>
    </message>
    <message>
        <source>Names (%1)…</source>
        <translation>Imiona (%1)…</translation>
    </message>
</context>
<context>
    <name>LMMainWidget</name>
    <message>
        <source>Detail</source>
        <translation>Szczegółowość</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standardowa</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Wysoka</translation>
    </message>
    <message>
        <source>Fine draws the page at about 300 dpi, sharp in print; Standard at 76 dpi, as older designs are.</source>
        <translation>Wysoka rysuje stronę w około 300 dpi, ostro w druku; standardowa w 76 dpi, jak starsze projekty.</translation>
    </message>
    <message>
        <source>Print Preview…</source>
        <translation>Podgląd wydruku…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Eksportuj do PDF…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Eksportuj do PDF</translation>
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
        <translation>Przesuwa cały wydruk, dla drukarek przesuwających stronę</translation>
    </message>
    <message>
        <source>Lumetra ended without saving a design you were working on. A copy of it was kept at %1.

Restore it?</source>
        <translation>Lumetra zakończyła pracę bez zapisania projektu, nad którym pracowano. Jego kopia została zachowana %1.

Przywrócić go?</translation>
    </message>
    <message>
        <source>Lumetra File and pictures</source>
        <translation>Pliki Lumetra i obrazy</translation>
    </message>
    <message>
        <source>Lumetra File</source>
        <translation>Plik Lumetra</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Wszystkie pliki</translation>
    </message>
    <message>
        <source>Add text along an arc: drag a field, then type. The letters follow an arc over the field's top, and the field widens to hold them all.</source>
        <translation>Dodaj tekst na łuku: przeciągnij pole, a potem pisz. Litery biegną łukiem nad polem, a pole poszerza się, aby zmieściły się wszystkie.</translation>
    </message>
    <message>
        <source>%1 per sheet, 1 sheet</source>
        <translation>%1 na arkusz, 1 arkusz</translation>
    </message>
    <message>
        <source>%1 per sheet, %2 sheets</source>
        <translation>%1 na arkusz, arkuszy: %2</translation>
    </message>
    <message>
        <source>One insert, one sheet</source>
        <translation>Jedna wkładka, jeden arkusz</translation>
    </message>
    <message>
        <source>%1 inserts, one per sheet</source>
        <translation>Wkładek: %1, jedna na arkusz</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Arkusz</translation>
    </message>
    <message>
        <source>One insert per sheet</source>
        <translation>Jedna wkładka na arkusz</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerArtFrameSetting</name>
    <message>
        <source>Rotate</source>
        <translation>Obrót</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerTextSetting</name>
    <message>
        <source>Rotate Text</source>
        <translation>Obróć tekst</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerPaddingSetting</name>
    <message>
        <source> Inch</source>
        <translation> cala</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>%1: from 0 to %2 on this paper.</source>
        <translation>%1: od 0 do %2 na tym papierze.</translation>
    </message>
</context>
<context>
    <name>LMFiles</name>
    <message>
        <source>The picture is %1 x %2 pixels; Lumetra opens pictures of up to %3 megapixels.</source>
        <translation>Obraz ma %1 x %2 pikseli; Lumetra otwiera obrazy do %3 megapikseli.</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Mapa bitowa</translation>
    </message>
    <message>
        <source>Lumetra writes no "%1" images.</source>
        <translation>Lumetra nie zapisuje obrazów „%1”.</translation>
    </message>
</context>
<context>
    <name>LMPrinting</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>Nie można uruchomić drukarki.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>Nie można zapisać %1.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>The printer reported an error; the page may not have been printed.</source>
        <translation>Drukarka zgłosiła błąd; strona mogła nie zostać wydrukowana.</translation>
    </message>
    <message>
        <source>The sheet is too small for one insert within its margins.</source>
        <translation>Arkusz jest za mały na jedną wkładkę w obrębie marginesów.</translation>
    </message>
</context>
<context>
    <name>LMCommandLine</name>
    <message>
        <source>%1: this file name is not valid UTF-8, so Lumetra can not open or write that file; rename it</source>
        <translation>%1: ta nazwa pliku nie jest poprawnym UTF-8, więc Lumetra nie może otworzyć ani zapisać tego pliku; zmień jego nazwę</translation>
    </message>
    <message>
        <source>not a file type Lumetra writes: end the name in .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</source>
        <translation>Lumetra nie zapisuje takiego typu pliku: zakończ nazwę na .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</translation>
    </message>
    <message>
        <source>Lumetra %1 is available (this is %2)</source>
        <translation>Dostępna jest Lumetra %1 (ta to %2)</translation>
    </message>
    <message>
        <source>Lumetra %1 is the latest version</source>
        <translation>Lumetra %1 to najnowsza wersja</translation>
    </message>
    <message>
        <source>update check failed: %1</source>
        <translation>sprawdzanie aktualizacji nie powiodło się: %1</translation>
    </message>
    <message>
        <source>the list of names could not be read: %1</source>
        <translation>nie można odczytać listy imion: %1</translation>
    </message>
    <message>
        <source>the list of names is not UTF-8 text; save it as UTF-8</source>
        <translation>lista imion nie jest tekstem UTF-8; zapisz ją jako UTF-8</translation>
    </message>
    <message>
        <source>the list of names holds no name</source>
        <translation>lista imion nie zawiera żadnego imienia</translation>
    </message>
    <message>
        <source>the design shows no frame text, so no name would show; switch its frame and frame text on</source>
        <translation>projekt nie pokazuje tekstu ramki, więc żadne imię nie byłoby widoczne; włącz ramkę i tekst ramki</translation>
    </message>
</context>
<context>
    <name>LMUpdateTexts</name>
    <message>
        <source>Please Click 'Check' button for checking version</source>
        <translation>Kliknij „Sprawdź”, aby wyszukać nową wersję</translation>
    </message>
    <message>
        <source>Logged onto server.</source>
        <translation>Zalogowano na serwerze.</translation>
    </message>
    <message>
        <source>Downloaded %1.</source>
        <translation>Pobrano %1.</translation>
    </message>
    <message>
        <source>The installer %1 could not be started. Lumetra keeps running.</source>
        <translation>Nie można uruchomić instalatora %1. Lumetra działa dalej.</translation>
    </message>
    <message>
        <source>The update was cancelled; your work is still open.</source>
        <translation>Aktualizację anulowano; praca jest nadal otwarta.</translation>
    </message>
    <message>
        <source>No update server is set up for this installation.</source>
        <translation>Dla tej instalacji nie skonfigurowano serwera aktualizacji.</translation>
    </message>
    <message>
        <source>The update server's address is not a valid ftp:// address.</source>
        <translation>Adres serwera aktualizacji nie jest poprawnym adresem ftp://.</translation>
    </message>
    <message>
        <source>The update server refused the login.</source>
        <translation>Serwer aktualizacji odrzucił logowanie.</translation>
    </message>
    <message>
        <source>%1 is not on the update server.</source>
        <translation>%1 nie ma na serwerze aktualizacji.</translation>
    </message>
    <message>
        <source>The update server's certificate is not trusted.</source>
        <translation>Certyfikat serwera aktualizacji nie jest zaufany.</translation>
    </message>
    <message>
        <source>The transfer of %1 broke off.</source>
        <translation>Przesyłanie %1 zostało przerwane.</translation>
    </message>
    <message>
        <source>%1 arrived incomplete and was deleted.</source>
        <translation>%1 dotarł niekompletny i został usunięty.</translation>
    </message>
    <message>
        <source>The update server stopped answering.</source>
        <translation>Serwer aktualizacji przestał odpowiadać.</translation>
    </message>
    <message>
        <source>Unable to save the file %1.</source>
        <translation>Nie można zapisać pliku %1.</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>Anulowano pobieranie %1.</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
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
        <translation>Brak uprawnień</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Nie ma takiego pliku ani katalogu</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Brak miejsca na urządzeniu</translation>
    </message>
</context>
<context>
    <name>LMSaveDialog</name>
    <message>
        <source>Untitled</source>
        <translation>Bez nazwy</translation>
    </message>
</context>
<context>
    <name>LMFileDialog</name>
    <message>
        <source>All pictures</source>
        <translation>Wszystkie obrazy</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Wszystkie pliki</translation>
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
        <translation>cal</translation>
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
        <translation>Imiona</translation>
    </message>
    <message>
        <source>One name per line. Each name takes the frame text's place on an insert of its own.</source>
        <translation>Jedno imię w wierszu. Każde imię zastępuje tekst ramki na osobnej wkładce.</translation>
    </message>
    <message numerus="yes">
        <source>%n names</source>
        <translation>
            <numerusform>%n imię</numerusform>
            <numerusform>%n imiona</numerusform>
            <numerusform>%n imion</numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 is not UTF-8 text. Save it as UTF-8 (for a spreadsheet: CSV UTF-8) and load it again.</source>
        <translation>Plik %1 nie jest tekstem UTF-8. Zapisz go jako UTF-8 (w arkuszu kalkulacyjnym: CSV UTF-8) i wczytaj ponownie.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>Nie można odczytać pliku %1.</translation>
    </message>
    <message>
        <source>Lists of names</source>
        <translation>Listy imion</translation>
    </message>
</context>
</TS>
