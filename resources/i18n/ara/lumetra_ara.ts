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
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>لا يتسع أي جانب من هذا الإطار للنص كاملًا بهذا الحجم: اختر حجمًا أصغر أو نصًا أقصر.</translation>
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
</context>
</TS>
