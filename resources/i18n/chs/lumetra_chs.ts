<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>无法读取此设计的精细内容；将以标准精细度打开。</translation>
    </message>
    <message>
        <source>The frame text's separator could not be read; the usual gap is used.</source>
        <translation>无法读取边框文字的分隔符；将使用通常的间隔。</translation>
    </message>
    <message>
        <source>The page is %1 x %2 pixels, larger than any paper.</source>
        <translation>页面为 %1 x %2 像素，大于任何纸张。</translation>
    </message>
    <message>
        <source>The list of names could not be read; the design opens without it.</source>
        <translation>无法读取名单；设计将在没有名单的情况下打开。</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerBorderSetting</name>
    <message>
        <source>Drawn at size %1: the most a thin strip holds.</source>
        <translation>按字号 %1 绘制：细条最多容纳这么大。</translation>
    </message>
    <message>
        <source>Drawn at size %1: the most a thick strip holds.</source>
        <translation>按字号 %1 绘制：粗条最多容纳这么大。</translation>
    </message>
    <message>
        <source>Between repeats:</source>
        <translation>重复之间：</translation>
    </message>
    <message>
        <source>two spaces</source>
        <translation>两个空格</translation>
    </message>
    <message>
        <source>What stands between repeats of the text, along the frame and on the strips, for example " · ". Empty: a gap of two spaces.</source>
        <translation>沿边框和在泡棉条上，文字每次重复之间的内容，例如“ · ”。留空：两个空格的间隔。</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>此边框的任何一边都放不下这个字号的完整文字：请选择较小的字号或较短的文字。</translation>
    </message>
    <message>
        <source>Names…</source>
        <translation>姓名…</translation>
    </message>
    <message>
        <source>A list of names, one for each insert, each in place of the frame text</source>
        <translation>姓名列表：每张插页一个姓名，代替边框文字</translation>
    </message>
    <message>
        <source>Names: %1. Each insert takes one of them in place of the frame text; the first is shown here.</source>
        <translation>姓名：%1 个。每张插页使用其中一个代替边框文字；此处显示第一个。</translation>
    </message>
    <message>
        <source>Names (%1)…</source>
        <translation>姓名 (%1)…</translation>
    </message>
</context>
<context>
    <name>LMMainWidget</name>
    <message>
        <source>Detail</source>
        <translation>精细度</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>精细</translation>
    </message>
    <message>
        <source>Fine draws the page at about 300 dpi, sharp in print; Standard at 76 dpi, as older designs are.</source>
        <translation>精细以约 300 dpi 绘制页面，打印清晰；标准为 76 dpi，与旧设计相同。</translation>
    </message>
    <message>
        <source>Print Preview…</source>
        <translation>打印预览…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>导出为 PDF…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>导出为 PDF</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF 文档</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> 毫米</translation>
    </message>
    <message>
        <source>Moves the whole printout, for printers that shift the page</source>
        <translation>移动整个打印内容，用于会使页面偏移的打印机</translation>
    </message>
    <message>
        <source>Lumetra ended without saving a design you were working on. A copy of it was kept at %1.

Restore it?</source>
        <translation>Lumetra 结束时未保存您正在编辑的设计。已于 %1 保留其副本。

要恢复吗？</translation>
    </message>
    <message>
        <source>Lumetra File and pictures</source>
        <translation>Lumetra 文件和图片</translation>
    </message>
    <message>
        <source>Lumetra File</source>
        <translation>Lumetra 文件</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>Add text along an arc: drag a field, then type. The letters follow an arc over the field's top, and the field widens to hold them all.</source>
        <translation>沿弧线添加文字：拖出一个区域，然后输入。文字沿区域顶部的弧线排列，区域会变宽以容纳全部文字。</translation>
    </message>
    <message>
        <source>%1 per sheet, 1 sheet</source>
        <translation>每张 %1 个，共 1 张</translation>
    </message>
    <message>
        <source>%1 per sheet, %2 sheets</source>
        <translation>每张 %1 个，共 %2 张</translation>
    </message>
    <message>
        <source>One insert, one sheet</source>
        <translation>一张插卡，一张纸</translation>
    </message>
    <message>
        <source>%1 inserts, one per sheet</source>
        <translation>%1 张插卡，每张纸一张</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>纸张</translation>
    </message>
    <message>
        <source>One insert per sheet</source>
        <translation>每张纸一张插卡</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerArtFrameSetting</name>
    <message>
        <source>Rotate</source>
        <translation>旋转</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerTextSetting</name>
    <message>
        <source>Rotate Text</source>
        <translation>旋转文字</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerPaddingSetting</name>
    <message>
        <source> Inch</source>
        <translation> 英寸</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> 毫米</translation>
    </message>
    <message>
        <source>%1: from 0 to %2 on this paper.</source>
        <translation>%1：此纸张上可为 0 到 %2。</translation>
    </message>
</context>
<context>
    <name>LMFiles</name>
    <message>
        <source>The picture is %1 x %2 pixels; Lumetra opens pictures of up to %3 megapixels.</source>
        <translation>图片为 %1 x %2 像素；Lumetra 最多可打开 %3 百万像素的图片。</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>位图</translation>
    </message>
    <message>
        <source>Lumetra writes no "%1" images.</source>
        <translation>Lumetra 不能写入“%1”图片。</translation>
    </message>
</context>
<context>
    <name>LMPrinting</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>无法启动打印机。</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>无法写入 %1。</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>The printer reported an error; the page may not have been printed.</source>
        <translation>打印机报告了错误；页面可能未打印。</translation>
    </message>
    <message>
        <source>The sheet is too small for one insert within its margins.</source>
        <translation>该纸张在页边距内放不下一张插卡。</translation>
    </message>
</context>
<context>
    <name>LMCommandLine</name>
    <message>
        <source>%1: this file name is not valid UTF-8, so Lumetra can not open or write that file; rename it</source>
        <translation>%1：此文件名不是有效的 UTF-8，Lumetra 无法打开或写入该文件；请重命名</translation>
    </message>
    <message>
        <source>not a file type Lumetra writes: end the name in .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</source>
        <translation>Lumetra 不写入此类文件：文件名请以 .lmx、.pdf、.png、.jpg、.bmp、.tiff 等结尾</translation>
    </message>
    <message>
        <source>Lumetra %1 is available (this is %2)</source>
        <translation>Lumetra %1 可用（当前为 %2）</translation>
    </message>
    <message>
        <source>Lumetra %1 is the latest version</source>
        <translation>Lumetra %1 已是最新版本</translation>
    </message>
    <message>
        <source>update check failed: %1</source>
        <translation>检查更新失败：%1</translation>
    </message>
    <message>
        <source>the list of names could not be read: %1</source>
        <translation>无法读取姓名列表：%1</translation>
    </message>
    <message>
        <source>the list of names is not UTF-8 text; save it as UTF-8</source>
        <translation>姓名列表不是 UTF-8 文本；请将其另存为 UTF-8</translation>
    </message>
    <message>
        <source>the list of names holds no name</source>
        <translation>姓名列表中没有任何姓名</translation>
    </message>
    <message>
        <source>the design shows no frame text, so no name would show; switch its frame and frame text on</source>
        <translation>该设计没有显示边框文字，因此不会显示任何姓名；请打开边框和边框文字</translation>
    </message>
</context>
<context>
    <name>LMUpdateTexts</name>
    <message>
        <source>Please Click 'Check' button for checking version</source>
        <translation>请单击“检查更新”按钮检查新版本</translation>
    </message>
    <message>
        <source>Logged onto server.</source>
        <translation>已登录服务器。</translation>
    </message>
    <message>
        <source>Downloaded %1.</source>
        <translation>已下载 %1。</translation>
    </message>
    <message>
        <source>The installer %1 could not be started. Lumetra keeps running.</source>
        <translation>无法启动安装程序 %1。Lumetra 将继续运行。</translation>
    </message>
    <message>
        <source>The update was cancelled; your work is still open.</source>
        <translation>更新已取消；您的工作仍处于打开状态。</translation>
    </message>
    <message>
        <source>No update server is set up for this installation.</source>
        <translation>此安装未设置更新服务器。</translation>
    </message>
    <message>
        <source>The update server's address is not a valid ftp:// address.</source>
        <translation>更新服务器的地址不是有效的 ftp:// 地址。</translation>
    </message>
    <message>
        <source>The update server refused the login.</source>
        <translation>更新服务器拒绝了登录。</translation>
    </message>
    <message>
        <source>%1 is not on the update server.</source>
        <translation>更新服务器上没有 %1。</translation>
    </message>
    <message>
        <source>The update server's certificate is not trusted.</source>
        <translation>更新服务器的证书不受信任。</translation>
    </message>
    <message>
        <source>The transfer of %1 broke off.</source>
        <translation>%1 的传输中断了。</translation>
    </message>
    <message>
        <source>%1 arrived incomplete and was deleted.</source>
        <translation>%1 下载不完整，已删除。</translation>
    </message>
    <message>
        <source>The update server stopped answering.</source>
        <translation>更新服务器已停止响应。</translation>
    </message>
    <message>
        <source>Unable to save the file %1.</source>
        <translation>无法保存文件 %1。</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>已取消下载 %1。</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Permission denied</source>
        <translation>权限不足</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>没有该文件或目录</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>设备上没有剩余空间</translation>
    </message>
</context>
<context>
    <name>LMSaveDialog</name>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
</context>
<context>
    <name>LMFileDialog</name>
    <message>
        <source>All pictures</source>
        <translation>所有图片</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>所有文件</translation>
    </message>
</context>
<context>
    <name>LMUnits</name>
    <message>
        <source>mm</source>
        <translation>毫米</translation>
    </message>
    <message>
        <source>in</source>
        <translation>英寸</translation>
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
        <translation>%1：%2 × %3 %4</translation>
    </message>
</context>
<context>
    <name>LMNamesDialog</name>
    <message>
        <source>Names</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>One name per line. Each name takes the frame text's place on an insert of its own.</source>
        <translation>每行一个姓名。每个姓名在单独的一张插页上代替边框文字。</translation>
    </message>
    <message numerus="yes">
        <source>%n names</source>
        <translation>
            <numerusform>%n 个姓名</numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 is not UTF-8 text. Save it as UTF-8 (for a spreadsheet: CSV UTF-8) and load it again.</source>
        <translation>文件 %1 不是 UTF-8 文本。请将其另存为 UTF-8（电子表格请选择“CSV UTF-8”）后重新载入。</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>无法读取文件 %1。</translation>
    </message>
    <message>
        <source>Lists of names</source>
        <translation>姓名列表</translation>
    </message>
</context>
</TS>
