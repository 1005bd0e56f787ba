<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>No se pudo leer el detalle fino de este diseño; se abre con detalle estándar.</translation>
    </message>
    <message>
        <source>The frame text's separator could not be read; the usual gap is used.</source>
        <translation>No se pudo leer el separador del texto del marco; se usa el espacio habitual.</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerBorderSetting</name>
    <message>
        <source>Drawn at size %1: the most a thin strip holds.</source>
        <translation>Dibujado en tamaño %1: lo máximo que cabe en una tira fina.</translation>
    </message>
    <message>
        <source>Drawn at size %1: the most a thick strip holds.</source>
        <translation>Dibujado en tamaño %1: lo máximo que cabe en una tira gruesa.</translation>
    </message>
    <message>
        <source>Between repeats:</source>
        <translation>Entre repeticiones:</translation>
    </message>
    <message>
        <source>two spaces</source>
        <translation>dos espacios</translation>
    </message>
    <message>
        <source>What stands between repeats of the text, along the frame and on the strips, for example " · ". Empty: a gap of two spaces.</source>
        <translation>Lo que va entre las repeticiones del texto, a lo largo del marco y en las tiras, por ejemplo « · ». Vacío: un hueco de dos espacios.</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Ningún lado de este marco admite el texto completo con este tamaño: elija un tamaño menor o un texto más corto.</translation>
    </message>
</context>
<context>
    <name>LMMainWidget</name>
    <message>
        <source>Detail</source>
        <translation>Detalle</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fino</translation>
    </message>
    <message>
        <source>Fine draws the page at about 300 dpi, sharp in print; Standard at 76 dpi, as older designs are.</source>
        <translation>Fino dibuja la página a unos 300 ppp, nítida al imprimir; Estándar a 76 ppp, como los diseños anteriores.</translation>
    </message>
</context>
</TS>
