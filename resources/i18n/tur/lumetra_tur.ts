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
    <message>
        <source>The page is %1 x %2 pixels, larger than any paper.</source>
        <translation>Sayfa %1 x %2 piksel, her kâğıttan büyük.</translation>
    </message>
    <message>
        <source>The list of names could not be read; the design opens without it.</source>
        <translation>Ad listesi okunamadı; tasarım liste olmadan açılıyor.</translation>
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
        <source>All files</source>
        <translation>Tüm dosyalar</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Bu çerçevenin hiçbir kenarı bu boyutta metnin tamamını almıyor: daha küçük bir boyut ya da daha kısa bir metin seçin.</translation>
    </message>
    <message>
        <source>Names…</source>
        <translation>İsimler…</translation>
    </message>
    <message>
        <source>A list of names, one for each insert, each in place of the frame text</source>
        <translation>Her iç kart için bir isim içeren, çerçeve metninin yerine geçen isim listesi</translation>
    </message>
    <message>
        <source>Names: %1. Each insert takes one of them in place of the frame text; the first is shown here.</source>
        <translation>İsimler: %1. Her iç kart, çerçeve metni yerine bunlardan birini alır; ilki burada gösterilir.</translation>
    </message>
    <message>
        <source>Names (%1)…</source>
        <translation>İsimler (%1)…</translation>
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
    <message>
        <source>Print Preview…</source>
        <translation>Baskı önizleme…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>PDF olarak dışa aktar…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>PDF olarak dışa aktar</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF belgesi</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Moves the whole printout, for printers that shift the page</source>
        <translation>Sayfayı kaydıran yazıcılar için tüm çıktıyı taşır</translation>
    </message>
    <message>
        <source>Lumetra ended without saving a design you were working on. A copy of it was kept at %1.

Restore it?</source>
        <translation>Lumetra, üzerinde çalıştığınız bir tasarımı kaydetmeden kapandı. Bir kopyası %1 tarihinde saklandı.

Geri yüklensin mi?</translation>
    </message>
    <message>
        <source>Lumetra File and pictures</source>
        <translation>Lumetra dosyaları ve resimler</translation>
    </message>
    <message>
        <source>Lumetra File</source>
        <translation>Lumetra dosyası</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tüm dosyalar</translation>
    </message>
    <message>
        <source>Add text along an arc: drag a field, then type. The letters follow an arc over the field's top, and the field widens to hold them all.</source>
        <translation>Yay boyunca metin ekle: bir alan sürükleyin, sonra yazın. Harfler alanın üstündeki yayı izler ve alan hepsini alacak kadar genişler.</translation>
    </message>
    <message>
        <source>%1 per sheet, 1 sheet</source>
        <translation>Kâğıt başına %1, 1 kâğıt</translation>
    </message>
    <message>
        <source>%1 per sheet, %2 sheets</source>
        <translation>Kâğıt başına %1, %2 kâğıt</translation>
    </message>
    <message>
        <source>One insert, one sheet</source>
        <translation>Bir kart, bir kâğıt</translation>
    </message>
    <message>
        <source>%1 inserts, one per sheet</source>
        <translation>%1 kart, kâğıt başına bir</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Kâğıt</translation>
    </message>
    <message>
        <source>One insert per sheet</source>
        <translation>Kâğıt başına bir kart</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerArtFrameSetting</name>
    <message>
        <source>Rotate</source>
        <translation>Döndür</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerTextSetting</name>
    <message>
        <source>Rotate Text</source>
        <translation>Metni döndür</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerPaddingSetting</name>
    <message>
        <source> Inch</source>
        <translation> inç</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>%1: from 0 to %2 on this paper.</source>
        <translation>%1: bu kağıtta 0 ile %2 arası.</translation>
    </message>
</context>
<context>
    <name>LMFiles</name>
    <message>
        <source>The picture is %1 x %2 pixels; Lumetra opens pictures of up to %3 megapixels.</source>
        <translation>Resim %1 x %2 piksel; Lumetra en fazla %3 megapiksellik resimleri açar.</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Bit eşlem</translation>
    </message>
    <message>
        <source>Lumetra writes no "%1" images.</source>
        <translation>Lumetra "%1" resimleri yazmaz.</translation>
    </message>
</context>
<context>
    <name>LMPrinting</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>Yazıcı başlatılamadı.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 yazılamadı.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 yazılamadı: %2</translation>
    </message>
    <message>
        <source>The printer reported an error; the page may not have been printed.</source>
        <translation>Yazıcı bir hata bildirdi; sayfa yazdırılmamış olabilir.</translation>
    </message>
    <message>
        <source>The sheet is too small for one insert within its margins.</source>
        <translation>Kâğıt, kenar boşlukları içinde tek bir kart için çok küçük.</translation>
    </message>
</context>
<context>
    <name>LMCommandLine</name>
    <message>
        <source>%1: this file name is not valid UTF-8, so Lumetra can not open or write that file; rename it</source>
        <translation>%1: bu dosya adı geçerli UTF-8 değil, bu yüzden Lumetra dosyayı açamaz veya yazamaz; adını değiştirin</translation>
    </message>
    <message>
        <source>not a file type Lumetra writes: end the name in .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</source>
        <translation>Lumetra'nın yazdığı bir dosya türü değil: adı .lmx, .pdf, .png, .jpg, .bmp, .tiff ... ile bitirin</translation>
    </message>
    <message>
        <source>Lumetra %1 is available (this is %2)</source>
        <translation>Lumetra %1 mevcut (bu sürüm %2)</translation>
    </message>
    <message>
        <source>Lumetra %1 is the latest version</source>
        <translation>Lumetra %1 en son sürüm</translation>
    </message>
    <message>
        <source>update check failed: %1</source>
        <translation>güncelleme denetimi başarısız: %1</translation>
    </message>
    <message>
        <source>the list of names could not be read: %1</source>
        <translation>ad listesi okunamadı: %1</translation>
    </message>
    <message>
        <source>the list of names is not UTF-8 text; save it as UTF-8</source>
        <translation>ad listesi UTF-8 metni değil; UTF-8 olarak kaydedin</translation>
    </message>
    <message>
        <source>the list of names holds no name</source>
        <translation>ad listesinde hiç ad yok</translation>
    </message>
    <message>
        <source>the design shows no frame text, so no name would show; switch its frame and frame text on</source>
        <translation>tasarım çerçeve metni göstermiyor, bu yüzden hiçbir ad görünmez; çerçeveyi ve çerçeve metnini açın</translation>
    </message>
</context>
<context>
    <name>LMUpdateTexts</name>
    <message>
        <source>Please Click 'Check' button for checking version</source>
        <translation>Yeni sürümü aramak için "Denetle" düğmesine tıklayın</translation>
    </message>
    <message>
        <source>Logged onto server.</source>
        <translation>Sunucuya giriş yapıldı.</translation>
    </message>
    <message>
        <source>Downloaded %1.</source>
        <translation>%1 indirildi.</translation>
    </message>
    <message>
        <source>The installer %1 could not be started. Lumetra keeps running.</source>
        <translation>%1 kurulum programı başlatılamadı. Lumetra çalışmaya devam ediyor.</translation>
    </message>
    <message>
        <source>The update was cancelled; your work is still open.</source>
        <translation>Güncelleme iptal edildi; çalışmanız hâlâ açık.</translation>
    </message>
    <message>
        <source>No update server is set up for this installation.</source>
        <translation>Bu kurulum için bir güncelleme sunucusu ayarlanmamış.</translation>
    </message>
    <message>
        <source>The update server's address is not a valid ftp:// address.</source>
        <translation>Güncelleme sunucusunun adresi geçerli bir ftp:// adresi değil.</translation>
    </message>
    <message>
        <source>The update server refused the login.</source>
        <translation>Güncelleme sunucusu girişi reddetti.</translation>
    </message>
    <message>
        <source>%1 is not on the update server.</source>
        <translation>%1 güncelleme sunucusunda yok.</translation>
    </message>
    <message>
        <source>The update server's certificate is not trusted.</source>
        <translation>Güncelleme sunucusunun sertifikası güvenilir değil.</translation>
    </message>
    <message>
        <source>The transfer of %1 broke off.</source>
        <translation>%1 aktarımı kesildi.</translation>
    </message>
    <message>
        <source>%1 arrived incomplete and was deleted.</source>
        <translation>%1 eksik geldi ve silindi.</translation>
    </message>
    <message>
        <source>The update server stopped answering.</source>
        <translation>Güncelleme sunucusu yanıt vermeyi bıraktı.</translation>
    </message>
    <message>
        <source>Unable to save the file %1.</source>
        <translation>%1 dosyası kaydedilemiyor.</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>%1 indirmesi iptal edildi.</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Evet</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Hayır</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Permission denied</source>
        <translation>İzin reddedildi</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Böyle bir dosya veya klasör yok</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Aygıtta yer kalmadı</translation>
    </message>
</context>
<context>
    <name>LMSaveDialog</name>
    <message>
        <source>Untitled</source>
        <translation>Adsız</translation>
    </message>
</context>
<context>
    <name>LMFileDialog</name>
    <message>
        <source>All pictures</source>
        <translation>Tüm resimler</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tüm dosyalar</translation>
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
        <translation>inç</translation>
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
        <translation>İsimler</translation>
    </message>
    <message>
        <source>One name per line. Each name takes the frame text's place on an insert of its own.</source>
        <translation>Her satıra bir isim. Her isim, kendi iç kartında çerçeve metninin yerini alır.</translation>
    </message>
    <message numerus="yes">
        <source>%n names</source>
        <translation>
            <numerusform>%n isim</numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 is not UTF-8 text. Save it as UTF-8 (for a spreadsheet: CSV UTF-8) and load it again.</source>
        <translation>%1 dosyası UTF-8 metni değil. Dosyayı UTF-8 olarak kaydedin (bir elektronik tabloda: CSV UTF-8) ve yeniden yükleyin.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>%1 dosyası okunamıyor.</translation>
    </message>
    <message>
        <source>Lists of names</source>
        <translation>İsim listeleri</translation>
    </message>
</context>
</TS>
