<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>تعذرت قراءة التفاصيل الدقيقة لهذا التصميم؛ سيُفتح بالدقة العادية.</translation>
    </message>
    <message>
        <source>The frame text's separator could not be read; the usual gap is used.</source>
        <translation>تعذرت قراءة فاصل نص الإطار؛ تُستخدم المسافة المعتادة.</translation>
    </message>
    <message>
        <source>The page is %1 x %2 pixels, larger than any paper.</source>
        <translation>الصفحة بحجم %1 x %2 بكسل، أكبر من أي ورق.</translation>
    </message>
    <message>
        <source>The list of names could not be read; the design opens without it.</source>
        <translation>تعذّرت قراءة قائمة الأسماء؛ يُفتح التصميم بدونها.</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerBorderSetting</name>
    <message>
        <source>Drawn at size %1: the most a thin strip holds.</source>
        <translation>يُرسم بالحجم %1: أقصى ما يتسع له شريط رفيع.</translation>
    </message>
    <message>
        <source>Drawn at size %1: the most a thick strip holds.</source>
        <translation>يُرسم بالحجم %1: أقصى ما يتسع له شريط سميك.</translation>
    </message>
    <message>
        <source>Between repeats:</source>
        <translation>بين التكرارات:</translation>
    </message>
    <message>
        <source>two spaces</source>
        <translation>مسافتان</translation>
    </message>
    <message>
        <source>What stands between repeats of the text, along the frame and on the strips, for example " · ". Empty: a gap of two spaces.</source>
        <translation>ما يفصل بين تكرارات النص على طول الإطار وعلى الأشرطة، مثل " · ". فارغ: فجوة بقدر مسافتين.</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>كل الملفات</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>لا يتسع أي جانب من هذا الإطار للنص كاملًا بهذا الحجم: اختر حجمًا أصغر أو نصًا أقصر.</translation>
    </message>
    <message>
        <source>Names…</source>
        <translation>الأسماء…</translation>
    </message>
    <message>
        <source>A list of names, one for each insert, each in place of the frame text</source>
        <translation>قائمة أسماء، اسم لكل بطاقة داخلية، يحلّ محلّ نص الإطار</translation>
    </message>
    <message>
        <source>Names: %1. Each insert takes one of them in place of the frame text; the first is shown here.</source>
        <translation>الأسماء: %1. تأخذ كل بطاقة داخلية اسمًا منها بدلًا من نص الإطار؛ ويظهر الأول هنا.</translation>
    </message>
    <message>
        <source>Names (%1)…</source>
        <translation>الأسماء (%1)…</translation>
    </message>
</context>
<context>
    <name>LMMainWidget</name>
    <message>
        <source>Detail</source>
        <translation>الدقة</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>عادية</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>عالية</translation>
    </message>
    <message>
        <source>Fine draws the page at about 300 dpi, sharp in print; Standard at 76 dpi, as older designs are.</source>
        <translation>الدقة العالية ترسم الصفحة بنحو 300 نقطة في البوصة فتكون الطباعة حادة؛ والعادية بـ 76 نقطة كالتصاميم الأقدم.</translation>
    </message>
    <message>
        <source>Print Preview…</source>
        <translation>معاينة الطباعة…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>تصدير بصيغة PDF…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>تصدير بصيغة PDF</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>مستند PDF</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> مم</translation>
    </message>
    <message>
        <source>Moves the whole printout, for printers that shift the page</source>
        <translation>يحرّك المطبوعة كلها، للطابعات التي تُزيح الصفحة</translation>
    </message>
    <message>
        <source>Lumetra ended without saving a design you were working on. A copy of it was kept at %1.

Restore it?</source>
        <translation>أُغلق Lumetra دون حفظ تصميم كنت تعمل عليه. حُفظت نسخة منه في %1.

هل تريد استعادته؟</translation>
    </message>
    <message>
        <source>Lumetra File and pictures</source>
        <translation>ملفات Lumetra والصور</translation>
    </message>
    <message>
        <source>Lumetra File</source>
        <translation>ملف Lumetra</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>كل الملفات</translation>
    </message>
    <message>
        <source>Add text along an arc: drag a field, then type. The letters follow an arc over the field's top, and the field widens to hold them all.</source>
        <translation>إضافة نص على قوس: اسحب حقلًا ثم اكتب. تتبع الحروف قوسًا فوق أعلى الحقل، ويتسع الحقل ليحملها كلها.</translation>
    </message>
    <message>
        <source>%1 per sheet, 1 sheet</source>
        <translation>%1 لكل ورقة، ورقة واحدة</translation>
    </message>
    <message>
        <source>%1 per sheet, %2 sheets</source>
        <translation>%1 لكل ورقة، %2 ورقات</translation>
    </message>
    <message>
        <source>One insert, one sheet</source>
        <translation>بطاقة واحدة، ورقة واحدة</translation>
    </message>
    <message>
        <source>%1 inserts, one per sheet</source>
        <translation>%1 بطاقات، واحدة لكل ورقة</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>الورقة</translation>
    </message>
    <message>
        <source>One insert per sheet</source>
        <translation>بطاقة واحدة لكل ورقة</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerArtFrameSetting</name>
    <message>
        <source>Rotate</source>
        <translation>تدوير</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerTextSetting</name>
    <message>
        <source>Rotate Text</source>
        <translation>تدوير النص</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerPaddingSetting</name>
    <message>
        <source> Inch</source>
        <translation> بوصة</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> مم</translation>
    </message>
    <message>
        <source>%1: from 0 to %2 on this paper.</source>
        <translation>%1: من 0 إلى %2 على هذا الورق.</translation>
    </message>
</context>
<context>
    <name>LMFiles</name>
    <message>
        <source>The picture is %1 x %2 pixels; Lumetra opens pictures of up to %3 megapixels.</source>
        <translation>الصورة بحجم %1 x %2 بكسل؛ يفتح Lumetra صورًا حتى %3 ميغابكسل.</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>صورة نقطية</translation>
    </message>
    <message>
        <source>Lumetra writes no "%1" images.</source>
        <translation>لا يكتب Lumetra صور «%1».</translation>
    </message>
</context>
<context>
    <name>LMPrinting</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>تعذر تشغيل الطابعة.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>تعذرت كتابة %1.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>تعذرت كتابة %1: %2</translation>
    </message>
    <message>
        <source>The printer reported an error; the page may not have been printed.</source>
        <translation>أبلغت الطابعة عن خطأ؛ ربما لم تُطبع الصفحة.</translation>
    </message>
    <message>
        <source>The sheet is too small for one insert within its margins.</source>
        <translation>الورقة أصغر من أن تتسع لبطاقة واحدة داخل هوامشها.</translation>
    </message>
</context>
<context>
    <name>LMCommandLine</name>
    <message>
        <source>%1: this file name is not valid UTF-8, so Lumetra can not open or write that file; rename it</source>
        <translation>%1: اسم هذا الملف ليس UTF-8 صالحًا، لذا لا يستطيع Lumetra فتحه أو كتابته؛ أعد تسميته</translation>
    </message>
    <message>
        <source>not a file type Lumetra writes: end the name in .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</source>
        <translation>ليس نوع ملف يكتبه Lumetra: أنهِ الاسم بـ .lmx أو .pdf أو .png أو .jpg أو .bmp أو .tiff ...</translation>
    </message>
    <message>
        <source>Lumetra %1 is available (this is %2)</source>
        <translation>يتوفر Lumetra %1 (هذا الإصدار %2)</translation>
    </message>
    <message>
        <source>Lumetra %1 is the latest version</source>
        <translation>Lumetra %1 هو أحدث إصدار</translation>
    </message>
    <message>
        <source>update check failed: %1</source>
        <translation>فشل التحقق من التحديثات: %1</translation>
    </message>
    <message>
        <source>the list of names could not be read: %1</source>
        <translation>تعذرت قراءة قائمة الأسماء: %1</translation>
    </message>
    <message>
        <source>the list of names is not UTF-8 text; save it as UTF-8</source>
        <translation>قائمة الأسماء ليست نصًا بترميز UTF-8؛ احفظها بترميز UTF-8</translation>
    </message>
    <message>
        <source>the list of names holds no name</source>
        <translation>قائمة الأسماء لا تحتوي على أي اسم</translation>
    </message>
    <message>
        <source>the design shows no frame text, so no name would show; switch its frame and frame text on</source>
        <translation>التصميم لا يعرض نص إطار، لذا لن يظهر أي اسم؛ شغّل الإطار ونص الإطار</translation>
    </message>
</context>
<context>
    <name>LMUpdateTexts</name>
    <message>
        <source>Please Click 'Check' button for checking version</source>
        <translation>انقر الزر «تحقق» للبحث عن إصدار جديد</translation>
    </message>
    <message>
        <source>Logged onto server.</source>
        <translation>تم تسجيل الدخول إلى الخادم.</translation>
    </message>
    <message>
        <source>Downloaded %1.</source>
        <translation>تم تنزيل %1.</translation>
    </message>
    <message>
        <source>The installer %1 could not be started. Lumetra keeps running.</source>
        <translation>تعذر تشغيل برنامج التثبيت %1. يستمر Lumetra في العمل.</translation>
    </message>
    <message>
        <source>The update was cancelled; your work is still open.</source>
        <translation>أُلغي التحديث؛ لا يزال عملك مفتوحًا.</translation>
    </message>
    <message>
        <source>No update server is set up for this installation.</source>
        <translation>لم يُعدّ خادم تحديثات لهذا التثبيت.</translation>
    </message>
    <message>
        <source>The update server's address is not a valid ftp:// address.</source>
        <translation>عنوان خادم التحديثات ليس عنوان ftp:// صالحًا.</translation>
    </message>
    <message>
        <source>The update server refused the login.</source>
        <translation>رفض خادم التحديثات تسجيل الدخول.</translation>
    </message>
    <message>
        <source>%1 is not on the update server.</source>
        <translation>الملف %1 غير موجود على خادم التحديثات.</translation>
    </message>
    <message>
        <source>The update server's certificate is not trusted.</source>
        <translation>شهادة خادم التحديثات غير موثوقة.</translation>
    </message>
    <message>
        <source>The transfer of %1 broke off.</source>
        <translation>انقطع نقل %1.</translation>
    </message>
    <message>
        <source>%1 arrived incomplete and was deleted.</source>
        <translation>وصل %1 ناقصًا فحُذف.</translation>
    </message>
    <message>
        <source>The update server stopped answering.</source>
        <translation>توقف خادم التحديثات عن الرد.</translation>
    </message>
    <message>
        <source>Unable to save the file %1.</source>
        <translation>تعذر حفظ الملف %1.</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>أُلغي تنزيل %1.</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;نعم</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;لا</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Permission denied</source>
        <translation>تم رفض الإذن</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>لا يوجد ملف أو مجلد بهذا الاسم</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>لا توجد مساحة متبقية على الجهاز</translation>
    </message>
</context>
<context>
    <name>LMSaveDialog</name>
    <message>
        <source>Untitled</source>
        <translation>بلا عنوان</translation>
    </message>
</context>
<context>
    <name>LMFileDialog</name>
    <message>
        <source>All pictures</source>
        <translation>كل الصور</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>كل الملفات</translation>
    </message>
</context>
<context>
    <name>LMUnits</name>
    <message>
        <source>mm</source>
        <translation>مم</translation>
    </message>
    <message>
        <source>in</source>
        <translation>بوصة</translation>
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
        <translation>الأسماء</translation>
    </message>
    <message>
        <source>One name per line. Each name takes the frame text's place on an insert of its own.</source>
        <translation>اسم واحد في كل سطر. يحلّ كل اسم محلّ نص الإطار على بطاقة داخلية خاصة به.</translation>
    </message>
    <message numerus="yes">
        <source>%n names</source>
        <translation>
            <numerusform>لا أسماء</numerusform>
            <numerusform>اسم واحد</numerusform>
            <numerusform>اسمان</numerusform>
            <numerusform>%n أسماء</numerusform>
            <numerusform>%n اسمًا</numerusform>
            <numerusform>%n اسم</numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 is not UTF-8 text. Save it as UTF-8 (for a spreadsheet: CSV UTF-8) and load it again.</source>
        <translation>الملف %1 ليس نصًا بترميز UTF-8. احفظه بترميز UTF-8 (في جدول البيانات: CSV UTF-8) ثم حمّله مرة أخرى.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>تعذّرت قراءة الملف %1.</translation>
    </message>
    <message>
        <source>Lists of names</source>
        <translation>قوائم الأسماء</translation>
    </message>
</context>
</TS>
