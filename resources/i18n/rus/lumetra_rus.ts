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
    <message>
        <source>The page is %1 x %2 pixels, larger than any paper.</source>
        <translation>Страница размером %1 x %2 пикселей больше любой бумаги.</translation>
    </message>
    <message>
        <source>The list of names could not be read; the design opens without it.</source>
        <translation>Не удалось прочитать список имён; макет открывается без него.</translation>
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
        <source>All files</source>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Ни одна сторона этой рамки не вмещает весь текст такого размера: выберите размер поменьше или текст покороче.</translation>
    </message>
    <message>
        <source>Names…</source>
        <translation>Имена…</translation>
    </message>
    <message>
        <source>A list of names, one for each insert, each in place of the frame text</source>
        <translation>Список имён: по одному на каждый вкладыш вместо текста рамки</translation>
    </message>
    <message>
        <source>Names: %1. Each insert takes one of them in place of the frame text; the first is shown here.</source>
        <translation>Имён: %1. Каждый вкладыш получает одно из них вместо текста рамки; здесь показано первое.</translation>
    </message>
    <message>
        <source>Names (%1)…</source>
        <translation>Имена (%1)…</translation>
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
    <message>
        <source>Print Preview…</source>
        <translation>Предпросмотр…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Экспорт в PDF…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Экспорт в PDF</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Документ PDF</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> мм</translation>
    </message>
    <message>
        <source>Moves the whole printout, for printers that shift the page</source>
        <translation>Сдвигает весь отпечаток — для принтеров, смещающих страницу</translation>
    </message>
    <message>
        <source>Lumetra ended without saving a design you were working on. A copy of it was kept at %1.

Restore it?</source>
        <translation>Lumetra завершилась, не сохранив макет, над которым вы работали. Его копия сохранена %1.

Восстановить его?</translation>
    </message>
    <message>
        <source>Lumetra File and pictures</source>
        <translation>Файлы Lumetra и изображения</translation>
    </message>
    <message>
        <source>Lumetra File</source>
        <translation>Файл Lumetra</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source>Add text along an arc: drag a field, then type. The letters follow an arc over the field's top, and the field widens to hold them all.</source>
        <translation>Текст по дуге: растяните поле и печатайте. Буквы идут по дуге над полем, а поле расширяется, чтобы вместить их все.</translation>
    </message>
    <message>
        <source>%1 per sheet, 1 sheet</source>
        <translation>%1 на лист, 1 лист</translation>
    </message>
    <message>
        <source>%1 per sheet, %2 sheets</source>
        <translation>%1 на лист, листов: %2</translation>
    </message>
    <message>
        <source>One insert, one sheet</source>
        <translation>Один вкладыш, один лист</translation>
    </message>
    <message>
        <source>%1 inserts, one per sheet</source>
        <translation>Вкладышей: %1, по одному на лист</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Лист</translation>
    </message>
    <message>
        <source>One insert per sheet</source>
        <translation>Один вкладыш на лист</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerArtFrameSetting</name>
    <message>
        <source>Rotate</source>
        <translation>Поворот</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerTextSetting</name>
    <message>
        <source>Rotate Text</source>
        <translation>Повернуть текст</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerPaddingSetting</name>
    <message>
        <source> Inch</source>
        <translation> дюйм.</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> мм</translation>
    </message>
    <message>
        <source>%1: from 0 to %2 on this paper.</source>
        <translation>%1: от 0 до %2 на этой бумаге.</translation>
    </message>
</context>
<context>
    <name>LMFiles</name>
    <message>
        <source>The picture is %1 x %2 pixels; Lumetra opens pictures of up to %3 megapixels.</source>
        <translation>Изображение имеет размер %1 x %2 пикселей; Lumetra открывает изображения до %3 мегапикселей.</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Точечный рисунок</translation>
    </message>
    <message>
        <source>Lumetra writes no "%1" images.</source>
        <translation>Lumetra не записывает изображения «%1».</translation>
    </message>
</context>
<context>
    <name>LMPrinting</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>Не удалось запустить принтер.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>Не удалось записать %1.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>The printer reported an error; the page may not have been printed.</source>
        <translation>Принтер сообщил об ошибке; страница, возможно, не напечатана.</translation>
    </message>
    <message>
        <source>The sheet is too small for one insert within its margins.</source>
        <translation>Лист слишком мал для одного вкладыша в пределах полей.</translation>
    </message>
</context>
<context>
    <name>LMCommandLine</name>
    <message>
        <source>%1: this file name is not valid UTF-8, so Lumetra can not open or write that file; rename it</source>
        <translation>%1: имя файла не является допустимым UTF-8, поэтому Lumetra не может открыть или записать этот файл; переименуйте его</translation>
    </message>
    <message>
        <source>not a file type Lumetra writes: end the name in .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</source>
        <translation>Lumetra не записывает такой тип файла: имя должно оканчиваться на .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</translation>
    </message>
    <message>
        <source>Lumetra %1 is available (this is %2)</source>
        <translation>Доступна Lumetra %1 (установлена %2)</translation>
    </message>
    <message>
        <source>Lumetra %1 is the latest version</source>
        <translation>Lumetra %1 — последняя версия</translation>
    </message>
    <message>
        <source>update check failed: %1</source>
        <translation>проверка обновлений не удалась: %1</translation>
    </message>
    <message>
        <source>the list of names could not be read: %1</source>
        <translation>не удалось прочитать список имён: %1</translation>
    </message>
    <message>
        <source>the list of names is not UTF-8 text; save it as UTF-8</source>
        <translation>список имён не в кодировке UTF-8; сохраните его как UTF-8</translation>
    </message>
    <message>
        <source>the list of names holds no name</source>
        <translation>в списке имён нет ни одного имени</translation>
    </message>
    <message>
        <source>the design shows no frame text, so no name would show; switch its frame and frame text on</source>
        <translation>в дизайне нет текста рамки, поэтому имена не будут видны; включите рамку и текст рамки</translation>
    </message>
</context>
<context>
    <name>LMUpdateTexts</name>
    <message>
        <source>Please Click 'Check' button for checking version</source>
        <translation>Нажмите «Проверить», чтобы найти новую версию</translation>
    </message>
    <message>
        <source>Logged onto server.</source>
        <translation>Вход на сервер выполнен.</translation>
    </message>
    <message>
        <source>Downloaded %1.</source>
        <translation>%1 загружен.</translation>
    </message>
    <message>
        <source>The installer %1 could not be started. Lumetra keeps running.</source>
        <translation>Не удалось запустить установщик %1. Lumetra продолжает работу.</translation>
    </message>
    <message>
        <source>The update was cancelled; your work is still open.</source>
        <translation>Обновление отменено; ваша работа по-прежнему открыта.</translation>
    </message>
    <message>
        <source>No update server is set up for this installation.</source>
        <translation>Для этой установки не настроен сервер обновлений.</translation>
    </message>
    <message>
        <source>The update server's address is not a valid ftp:// address.</source>
        <translation>Адрес сервера обновлений не является допустимым адресом ftp://.</translation>
    </message>
    <message>
        <source>The update server refused the login.</source>
        <translation>Сервер обновлений отклонил вход.</translation>
    </message>
    <message>
        <source>%1 is not on the update server.</source>
        <translation>%1 нет на сервере обновлений.</translation>
    </message>
    <message>
        <source>The update server's certificate is not trusted.</source>
        <translation>Сертификат сервера обновлений не является доверенным.</translation>
    </message>
    <message>
        <source>The transfer of %1 broke off.</source>
        <translation>Передача %1 прервалась.</translation>
    </message>
    <message>
        <source>%1 arrived incomplete and was deleted.</source>
        <translation>%1 получен не полностью и удалён.</translation>
    </message>
    <message>
        <source>The update server stopped answering.</source>
        <translation>Сервер обновлений перестал отвечать.</translation>
    </message>
    <message>
        <source>Unable to save the file %1.</source>
        <translation>Не удается сохранить файл %1.</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>Загрузка %1 отменена.</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Permission denied</source>
        <translation>Доступ запрещён</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Нет такого файла или папки</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>На устройстве не осталось места</translation>
    </message>
</context>
<context>
    <name>LMSaveDialog</name>
    <message>
        <source>Untitled</source>
        <translation>Без имени</translation>
    </message>
</context>
<context>
    <name>LMFileDialog</name>
    <message>
        <source>All pictures</source>
        <translation>Все изображения</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Все файлы</translation>
    </message>
</context>
<context>
    <name>LMUnits</name>
    <message>
        <source>mm</source>
        <translation>мм</translation>
    </message>
    <message>
        <source>in</source>
        <translation>дюйм.</translation>
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
        <translation>Имена</translation>
    </message>
    <message>
        <source>One name per line. Each name takes the frame text's place on an insert of its own.</source>
        <translation>По одному имени в строке. Каждое имя заменяет текст рамки на отдельном вкладыше.</translation>
    </message>
    <message numerus="yes">
        <source>%n names</source>
        <translation>
            <numerusform>%n имя</numerusform>
            <numerusform>%n имени</numerusform>
            <numerusform>%n имён</numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 is not UTF-8 text. Save it as UTF-8 (for a spreadsheet: CSV UTF-8) and load it again.</source>
        <translation>Файл %1 не является текстом в кодировке UTF-8. Сохраните его в UTF-8 (в электронной таблице: CSV UTF-8) и загрузите снова.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>Не удаётся прочитать файл %1.</translation>
    </message>
    <message>
        <source>Lists of names</source>
        <translation>Списки имён</translation>
    </message>
</context>
</TS>
