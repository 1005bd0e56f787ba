<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>Bu tasarımın ince ayrıntısı okunamadı; standart ayrıntıyla açılıyor.</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerBorderSetting</name>
    <message>
        <source>Drawn at size %1: the most a thin strip holds.</source>
        <translation>%1 boyutunda çiziliyor: ince bir şeride sığan en büyük boyut.</translation>
    </message>
    <message>
        <source>Drawn at size %1: the most a thick strip holds.</source>
        <translation>%1 boyutunda çiziliyor: kalın bir şeride sığan en büyük boyut.</translation>
    </message>
</context>
<context>
    <name>LMMainWidget</name>
    <message>
        <source>Detail</source>
        <translation>Ayrıntı</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standart</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>İnce</translation>
    </message>
    <message>
        <source>Fine draws the page at about 300 dpi, sharp in print; Standard at 76 dpi, as older designs are.</source>
        <translation>İnce, sayfayı yaklaşık 300 dpi ile çizer, baskıda keskindir; Standart, eski tasarımlar gibi 76 dpi'dir.</translation>
    </message>
</context>
</TS>
