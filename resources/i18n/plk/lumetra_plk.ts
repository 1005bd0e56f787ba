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
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Żaden bok tej ramki nie mieści całego tekstu w tym rozmiarze: wybierz mniejszy rozmiar lub krótszy tekst.</translation>
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
</context>
</TS>
