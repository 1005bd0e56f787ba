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
    <message>
        <source>The page is %1 x %2 pixels, larger than any paper.</source>
        <translation>La página mide %1 x %2 píxeles, más que cualquier papel.</translation>
    </message>
    <message>
        <source>The list of names could not be read; the design opens without it.</source>
        <translation>No se pudo leer la lista de nombres; el diseño se abre sin ella.</translation>
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
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Ningún lado de este marco admite el texto completo con este tamaño: elija un tamaño menor o un texto más corto.</translation>
    </message>
    <message>
        <source>Names…</source>
        <translation>Nombres…</translation>
    </message>
    <message>
        <source>A list of names, one for each insert, each in place of the frame text</source>
        <translation>Una lista de nombres, uno por tarjeta interior, cada uno en lugar del texto del marco</translation>
    </message>
    <message>
        <source>Names: %1. Each insert takes one of them in place of the frame text; the first is shown here.</source>
        <translation>Nombres: %1. Cada tarjeta interior lleva uno de ellos en lugar del texto del marco; aquí se muestra el primero.</translation>
    </message>
    <message>
        <source>Names (%1)…</source>
        <translation>Nombres (%1)…</translation>
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
    <message>
        <source>Print Preview…</source>
        <translation>Vista previa…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Exportar a PDF…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exportar a PDF</translation>
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
        <translation>Desplaza toda la impresión, para impresoras que desplazan la página</translation>
    </message>
    <message>
        <source>Lumetra ended without saving a design you were working on. A copy of it was kept at %1.

Restore it?</source>
        <translation>Lumetra se cerró sin guardar un diseño en el que trabajaba. Se guardó una copia el %1.

¿Desea restaurarlo?</translation>
    </message>
    <message>
        <source>Lumetra File and pictures</source>
        <translation>Archivos Lumetra e imágenes</translation>
    </message>
    <message>
        <source>Lumetra File</source>
        <translation>Archivo Lumetra</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Add text along an arc: drag a field, then type. The letters follow an arc over the field's top, and the field widens to hold them all.</source>
        <translation>Añadir texto en arco: arrastre un campo y escriba. Las letras siguen un arco sobre la parte superior del campo, y el campo se ensancha para que quepan todas.</translation>
    </message>
    <message>
        <source>%1 per sheet, 1 sheet</source>
        <translation>%1 por hoja, 1 hoja</translation>
    </message>
    <message>
        <source>%1 per sheet, %2 sheets</source>
        <translation>%1 por hoja, %2 hojas</translation>
    </message>
    <message>
        <source>One insert, one sheet</source>
        <translation>Un inserto, una hoja</translation>
    </message>
    <message>
        <source>%1 inserts, one per sheet</source>
        <translation>%1 insertos, uno por hoja</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Hoja</translation>
    </message>
    <message>
        <source>One insert per sheet</source>
        <translation>Un inserto por hoja</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerArtFrameSetting</name>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerTextSetting</name>
    <message>
        <source>Rotate Text</source>
        <translation>Girar texto</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerPaddingSetting</name>
    <message>
        <source> Inch</source>
        <translation> pulg.</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>%1: from 0 to %2 on this paper.</source>
        <translation>%1: de 0 a %2 en este papel.</translation>
    </message>
</context>
<context>
    <name>LMFiles</name>
    <message>
        <source>The picture is %1 x %2 pixels; Lumetra opens pictures of up to %3 megapixels.</source>
        <translation>La imagen mide %1 x %2 píxeles; Lumetra abre imágenes de hasta %3 megapíxeles.</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Mapa de bits</translation>
    </message>
    <message>
        <source>Lumetra writes no "%1" images.</source>
        <translation>Lumetra no escribe imágenes «%1».</translation>
    </message>
</context>
<context>
    <name>LMPrinting</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>No se pudo iniciar la impresora.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>No se pudo escribir %1.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>The printer reported an error; the page may not have been printed.</source>
        <translation>La impresora informó de un error; puede que la página no se haya impreso.</translation>
    </message>
    <message>
        <source>The sheet is too small for one insert within its margins.</source>
        <translation>La hoja es demasiado pequeña para un inserto dentro de sus márgenes.</translation>
    </message>
</context>
<context>
    <name>LMCommandLine</name>
    <message>
        <source>%1: this file name is not valid UTF-8, so Lumetra can not open or write that file; rename it</source>
        <translation>%1: este nombre de archivo no es UTF-8 válido, así que Lumetra no puede abrir ni escribir ese archivo; cámbiele el nombre</translation>
    </message>
    <message>
        <source>not a file type Lumetra writes: end the name in .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</source>
        <translation>no es un tipo de archivo que Lumetra escriba: termine el nombre en .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</translation>
    </message>
    <message>
        <source>Lumetra %1 is available (this is %2)</source>
        <translation>Lumetra %1 está disponible (esta es la %2)</translation>
    </message>
    <message>
        <source>Lumetra %1 is the latest version</source>
        <translation>Lumetra %1 es la versión más reciente</translation>
    </message>
    <message>
        <source>update check failed: %1</source>
        <translation>falló la búsqueda de actualizaciones: %1</translation>
    </message>
    <message>
        <source>the list of names could not be read: %1</source>
        <translation>no se pudo leer la lista de nombres: %1</translation>
    </message>
    <message>
        <source>the list of names is not UTF-8 text; save it as UTF-8</source>
        <translation>la lista de nombres no es texto UTF-8; guárdela como UTF-8</translation>
    </message>
    <message>
        <source>the list of names holds no name</source>
        <translation>la lista de nombres no contiene ningún nombre</translation>
    </message>
    <message>
        <source>the design shows no frame text, so no name would show; switch its frame and frame text on</source>
        <translation>el diseño no muestra texto de marco, así que no se vería ningún nombre; active el marco y su texto</translation>
    </message>
</context>
<context>
    <name>LMUpdateTexts</name>
    <message>
        <source>Please Click 'Check' button for checking version</source>
        <translation>Haga clic en «Comprobar» para buscar una versión nueva</translation>
    </message>
    <message>
        <source>Logged onto server.</source>
        <translation>Conectado al servidor.</translation>
    </message>
    <message>
        <source>Downloaded %1.</source>
        <translation>Descargado %1.</translation>
    </message>
    <message>
        <source>The installer %1 could not be started. Lumetra keeps running.</source>
        <translation>No se ha podido iniciar el instalador %1. Lumetra sigue abierto.</translation>
    </message>
    <message>
        <source>The update was cancelled; your work is still open.</source>
        <translation>Se ha cancelado la actualización; su trabajo sigue abierto.</translation>
    </message>
    <message>
        <source>No update server is set up for this installation.</source>
        <translation>No hay ningún servidor de actualizaciones configurado en esta instalación.</translation>
    </message>
    <message>
        <source>The update server's address is not a valid ftp:// address.</source>
        <translation>La dirección del servidor de actualizaciones no es una dirección ftp:// válida.</translation>
    </message>
    <message>
        <source>The update server refused the login.</source>
        <translation>El servidor de actualizaciones ha rechazado el inicio de sesión.</translation>
    </message>
    <message>
        <source>%1 is not on the update server.</source>
        <translation>%1 no está en el servidor de actualizaciones.</translation>
    </message>
    <message>
        <source>The update server's certificate is not trusted.</source>
        <translation>El certificado del servidor de actualizaciones no es de confianza.</translation>
    </message>
    <message>
        <source>The transfer of %1 broke off.</source>
        <translation>La transferencia de %1 se ha interrumpido.</translation>
    </message>
    <message>
        <source>%1 arrived incomplete and was deleted.</source>
        <translation>%1 llegó incompleto y se ha borrado.</translation>
    </message>
    <message>
        <source>The update server stopped answering.</source>
        <translation>El servidor de actualizaciones ha dejado de responder.</translation>
    </message>
    <message>
        <source>Unable to save the file %1.</source>
        <translation>No se puede guardar el archivo %1.</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>Descarga de %1 cancelada.</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
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
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>No existe el archivo o la carpeta</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>No queda espacio en el dispositivo</translation>
    </message>
</context>
<context>
    <name>LMSaveDialog</name>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
</context>
<context>
    <name>LMFileDialog</name>
    <message>
        <source>All pictures</source>
        <translation>Todas las imágenes</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
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
        <translation>pulg.</translation>
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
        <translation>Nombres</translation>
    </message>
    <message>
        <source>One name per line. Each name takes the frame text's place on an insert of its own.</source>
        <translation>Un nombre por línea. Cada nombre ocupa el lugar del texto del marco en una tarjeta interior propia.</translation>
    </message>
    <message numerus="yes">
        <source>%n names</source>
        <translation>
            <numerusform>%n nombre</numerusform>
            <numerusform>%n nombres</numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 is not UTF-8 text. Save it as UTF-8 (for a spreadsheet: CSV UTF-8) and load it again.</source>
        <translation>El archivo %1 no es texto UTF-8. Guárdelo como UTF-8 (en una hoja de cálculo: CSV UTF-8) y vuelva a cargarlo.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>No se puede leer el archivo %1.</translation>
    </message>
    <message>
        <source>Lists of names</source>
        <translation>Listas de nombres</translation>
    </message>
</context>
</TS>
