<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>Не удалось прочитать высокую детализацию этого макета; он открыт с обычной детализацией.</translation>
    </message>
    <message>
        <source>The frame text's separator could not be read; the usual gap is used.</source>
        <translation>Не удалось прочитать разделитель текста рамки; используется обычный промежуток.</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerBorderSetting</name>
    <message>
        <source>Drawn at size %1: the most a thin strip holds.</source>
        <translation>Нарисовано размером %1: больше на тонкую полосу не помещается.</translation>
    </message>
    <message>
        <source>Drawn at size %1: the most a thick strip holds.</source>
        <translation>Нарисовано размером %1: больше на толстую полосу не помещается.</translation>
    </message>
    <message>
        <source>Between repeats:</source>
        <translation>Между повторами:</translation>
    </message>
    <message>
        <source>two spaces</source>
        <translation>два пробела</translation>
    </message>
    <message>
        <source>What stands between repeats of the text, along the frame and on the strips, for example " · ". Empty: a gap of two spaces.</source>
        <translation>Что стоит между повторами текста вдоль рамки и на полосках, например « · ». Пусто: промежуток в два пробела.</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Ни одна сторона этой рамки не вмещает весь текст такого размера: выберите размер поменьше или текст покороче.</translation>
    </message>
</context>
<context>
    <name>LMMainWidget</name>
    <message>
        <source>Detail</source>
        <translation>Детализация</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Обычная</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Высокая</translation>
    </message>
    <message>
        <source>Fine draws the page at about 300 dpi, sharp in print; Standard at 76 dpi, as older designs are.</source>
        <translation>Высокая рисует страницу примерно с 300 dpi, чётко при печати; обычная — с 76 dpi, как старые макеты.</translation>
    </message>
</context>
</TS>
