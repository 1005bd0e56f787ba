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
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Nessun lato di questa cornice contiene il testo intero a questa dimensione: scegli una dimensione più piccola o un testo più corto.</translation>
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
</context>
</TS>
