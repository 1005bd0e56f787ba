<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>Bu tasarımın ince ayrıntısı okunamadı; standart ayrıntıyla açılıyor.</translation>
    </message>
    <message>
        <source>The frame text's separator could not be read; the usual gap is used.</source>
        <translation>Çerçeve metninin ayırıcısı okunamadı; olağan boşluk kullanılıyor.</translation>
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
    <message>
        <source>Between repeats:</source>
        <translation>Tekrarlar arasında:</translation>
    </message>
    <message>
        <source>two spaces</source>
        <translation>iki boşluk</translation>
    </message>
    <message>
        <source>What stands between repeats of the text, along the frame and on the strips, for example " · ". Empty: a gap of two spaces.</source>
        <translation>Metnin tekrarları arasında, çerçeve boyunca ve şeritlerde duran şey; örneğin " · ". Boş: iki boşluk kadar aralık.</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Bu çerçevenin hiçbir kenarı bu boyutta metnin tamamını almıyor: daha küçük bir boyut ya da daha kısa bir metin seçin.</translation>
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
