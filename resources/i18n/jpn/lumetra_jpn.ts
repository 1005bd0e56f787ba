<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>このデザインの高精細データを読み込めませんでした。標準の精細度で開きます。</translation>
    </message>
    <message>
        <source>The frame text's separator could not be read; the usual gap is used.</source>
        <translation>フレーム文字の区切りを読み込めませんでした。通常の間隔を使います。</translation>
    </message>
    <message>
        <source>The page is %1 x %2 pixels, larger than any paper.</source>
        <translation>ページは %1 x %2 ピクセルで、どの用紙よりも大きいです。</translation>
    </message>
    <message>
        <source>The list of names could not be read; the design opens without it.</source>
        <translation>名前の一覧を読み込めませんでした。一覧なしでデザインを開きます。</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerBorderSetting</name>
    <message>
        <source>Drawn at size %1: the most a thin strip holds.</source>
        <translation>サイズ %1 で描画: 細いストリップに収まる最大です。</translation>
    </message>
    <message>
        <source>Drawn at size %1: the most a thick strip holds.</source>
        <translation>サイズ %1 で描画: 太いストリップに収まる最大です。</translation>
    </message>
    <message>
        <source>Between repeats:</source>
        <translation>繰り返しの間:</translation>
    </message>
    <message>
        <source>two spaces</source>
        <translation>空白2つ</translation>
    </message>
    <message>
        <source>What stands between repeats of the text, along the frame and on the strips, for example " · ". Empty: a gap of two spaces.</source>
        <translation>フレームに沿って、またフォーム材の上で、文字の繰り返しの間に入れるもの。例:「 · 」。空欄なら空白2つ分の間隔。</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>このサイズでは、フレームのどの辺にも文字全体が収まりません。小さいサイズか短い文字を選んでください。</translation>
    </message>
    <message>
        <source>Names…</source>
        <translation>名前…</translation>
    </message>
    <message>
        <source>A list of names, one for each insert, each in place of the frame text</source>
        <translation>名前の一覧：台紙ごとに 1 つの名前がフレームの文字の代わりに入ります</translation>
    </message>
    <message>
        <source>Names: %1. Each insert takes one of them in place of the frame text; the first is shown here.</source>
        <translation>名前：%1 件。各台紙にはそのうち 1 つがフレームの文字の代わりに入ります。ここには最初の名前が表示されます。</translation>
    </message>
    <message>
        <source>Names (%1)…</source>
        <translation>名前 (%1)…</translation>
    </message>
</context>
<context>
    <name>LMMainWidget</name>
    <message>
        <source>Detail</source>
        <translation>精細度</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>高精細</translation>
    </message>
    <message>
        <source>Fine draws the page at about 300 dpi, sharp in print; Standard at 76 dpi, as older designs are.</source>
        <translation>高精細はページを約 300 dpi で描き、印刷がくっきりします。標準は以前のデザインと同じ 76 dpi です。</translation>
    </message>
    <message>
        <source>Print Preview…</source>
        <translation>印刷プレビュー…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>PDF に書き出し…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>PDF に書き出し</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF 文書</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Moves the whole printout, for printers that shift the page</source>
        <translation>印刷全体を移動します（ページがずれるプリンター用）</translation>
    </message>
    <message>
        <source>Lumetra ended without saving a design you were working on. A copy of it was kept at %1.

Restore it?</source>
        <translation>Lumetra は作業中のデザインを保存せずに終了しました。%1 にコピーが保存されています。

復元しますか？</translation>
    </message>
    <message>
        <source>Lumetra File and pictures</source>
        <translation>Lumetra ファイルと画像</translation>
    </message>
    <message>
        <source>Lumetra File</source>
        <translation>Lumetra ファイル</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>Add text along an arc: drag a field, then type. The letters follow an arc over the field's top, and the field widens to hold them all.</source>
        <translation>円弧に沿って文字を追加：枠をドラッグしてから入力します。文字は枠の上部の円弧に沿って並び、すべて収まるまで枠が広がります。</translation>
    </message>
    <message>
        <source>%1 per sheet, 1 sheet</source>
        <translation>1枚に%1個、1枚</translation>
    </message>
    <message>
        <source>%1 per sheet, %2 sheets</source>
        <translation>1枚に%1個、%2枚</translation>
    </message>
    <message>
        <source>One insert, one sheet</source>
        <translation>カード1枚、用紙1枚</translation>
    </message>
    <message>
        <source>%1 inserts, one per sheet</source>
        <translation>カード%1枚、1枚の用紙に1枚ずつ</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>用紙</translation>
    </message>
    <message>
        <source>One insert per sheet</source>
        <translation>用紙1枚にカード1枚</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerArtFrameSetting</name>
    <message>
        <source>Rotate</source>
        <translation>回転</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerTextSetting</name>
    <message>
        <source>Rotate Text</source>
        <translation>文字を回転</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerPaddingSetting</name>
    <message>
        <source> Inch</source>
        <translation> インチ</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>%1: from 0 to %2 on this paper.</source>
        <translation>%1：この用紙では 0 から %2 まで。</translation>
    </message>
</context>
<context>
    <name>LMFiles</name>
    <message>
        <source>The picture is %1 x %2 pixels; Lumetra opens pictures of up to %3 megapixels.</source>
        <translation>画像は %1 x %2 ピクセルです。Lumetra が開ける画像は %3 メガピクセルまでです。</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>ビットマップ</translation>
    </message>
    <message>
        <source>Lumetra writes no "%1" images.</source>
        <translation>Lumetra は「%1」画像を書き出せません。</translation>
    </message>
</context>
<context>
    <name>LMPrinting</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>プリンターを開始できませんでした。</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 を書き込めませんでした。</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 を書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>The printer reported an error; the page may not have been printed.</source>
        <translation>プリンターがエラーを報告しました。ページが印刷されていない可能性があります。</translation>
    </message>
    <message>
        <source>The sheet is too small for one insert within its margins.</source>
        <translation>用紙が小さすぎて、余白の内側にカードが1枚も収まりません。</translation>
    </message>
</context>
<context>
    <name>LMCommandLine</name>
    <message>
        <source>%1: this file name is not valid UTF-8, so Lumetra can not open or write that file; rename it</source>
        <translation>%1: このファイル名は有効な UTF-8 ではないため、Lumetra はこのファイルを開くことも書き込むこともできません。名前を変更してください</translation>
    </message>
    <message>
        <source>not a file type Lumetra writes: end the name in .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</source>
        <translation>Lumetra が書き出せるファイル形式ではありません。名前の末尾を .lmx、.pdf、.png、.jpg、.bmp、.tiff などにしてください</translation>
    </message>
    <message>
        <source>Lumetra %1 is available (this is %2)</source>
        <translation>Lumetra %1 が利用できます（このバージョンは %2）</translation>
    </message>
    <message>
        <source>Lumetra %1 is the latest version</source>
        <translation>Lumetra %1 は最新バージョンです</translation>
    </message>
    <message>
        <source>update check failed: %1</source>
        <translation>更新の確認に失敗しました: %1</translation>
    </message>
    <message>
        <source>the list of names could not be read: %1</source>
        <translation>名前の一覧を読み込めませんでした: %1</translation>
    </message>
    <message>
        <source>the list of names is not UTF-8 text; save it as UTF-8</source>
        <translation>名前の一覧が UTF-8 のテキストではありません。UTF-8 で保存してください</translation>
    </message>
    <message>
        <source>the list of names holds no name</source>
        <translation>名前の一覧に名前がひとつもありません</translation>
    </message>
    <message>
        <source>the design shows no frame text, so no name would show; switch its frame and frame text on</source>
        <translation>デザインにフレームの文字が表示されていないため、名前は表示されません。フレームとフレームの文字をオンにしてください</translation>
    </message>
</context>
<context>
    <name>LMUpdateTexts</name>
    <message>
        <source>Please Click 'Check' button for checking version</source>
        <translation>「更新の確認」ボタンをクリックして新しいバージョンを確認してください</translation>
    </message>
    <message>
        <source>Logged onto server.</source>
        <translation>サーバーにログインしました。</translation>
    </message>
    <message>
        <source>Downloaded %1.</source>
        <translation>%1 をダウンロードしました。</translation>
    </message>
    <message>
        <source>The installer %1 could not be started. Lumetra keeps running.</source>
        <translation>インストーラー %1 を起動できませんでした。Lumetra はそのまま動作します。</translation>
    </message>
    <message>
        <source>The update was cancelled; your work is still open.</source>
        <translation>更新は取り消されました。作業中のデータは開いたままです。</translation>
    </message>
    <message>
        <source>No update server is set up for this installation.</source>
        <translation>このインストールには更新サーバーが設定されていません。</translation>
    </message>
    <message>
        <source>The update server's address is not a valid ftp:// address.</source>
        <translation>更新サーバーのアドレスが有効な ftp:// アドレスではありません。</translation>
    </message>
    <message>
        <source>The update server refused the login.</source>
        <translation>更新サーバーがログインを拒否しました。</translation>
    </message>
    <message>
        <source>%1 is not on the update server.</source>
        <translation>更新サーバーに %1 がありません。</translation>
    </message>
    <message>
        <source>The update server's certificate is not trusted.</source>
        <translation>更新サーバーの証明書は信頼されていません。</translation>
    </message>
    <message>
        <source>The transfer of %1 broke off.</source>
        <translation>%1 の転送が中断されました。</translation>
    </message>
    <message>
        <source>%1 arrived incomplete and was deleted.</source>
        <translation>%1 は不完全なまま届いたため削除されました。</translation>
    </message>
    <message>
        <source>The update server stopped answering.</source>
        <translation>更新サーバーが応答しなくなりました。</translation>
    </message>
    <message>
        <source>Unable to save the file %1.</source>
        <translation>ファイル %1 を保存できません。</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>%1 のダウンロードを取り消しました。</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>いいえ(&amp;N)</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Permission denied</source>
        <translation>アクセスが拒否されました</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>そのファイルまたはフォルダーはありません</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>デバイスに空き容量がありません</translation>
    </message>
</context>
<context>
    <name>LMSaveDialog</name>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
</context>
<context>
    <name>LMFileDialog</name>
    <message>
        <source>All pictures</source>
        <translation>すべての画像</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>すべてのファイル</translation>
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
        <translation>インチ</translation>
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
        <translation>名前</translation>
    </message>
    <message>
        <source>One name per line. Each name takes the frame text's place on an insert of its own.</source>
        <translation>1 行に 1 つの名前。各名前は、それぞれ別の台紙でフレームの文字の代わりに入ります。</translation>
    </message>
    <message numerus="yes">
        <source>%n names</source>
        <translation>
            <numerusform>%n 件の名前</numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 is not UTF-8 text. Save it as UTF-8 (for a spreadsheet: CSV UTF-8) and load it again.</source>
        <translation>ファイル %1 は UTF-8 のテキストではありません。UTF-8（表計算ソフトでは CSV UTF-8）で保存してから、もう一度読み込んでください。</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>ファイル %1 を読み込めません。</translation>
    </message>
    <message>
        <source>Lists of names</source>
        <translation>名前の一覧</translation>
    </message>
</context>
</TS>
