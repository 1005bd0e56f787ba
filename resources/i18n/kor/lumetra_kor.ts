<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>이 디자인의 정밀 내용을 읽을 수 없어 표준 세밀도로 엽니다.</translation>
    </message>
    <message>
        <source>The frame text's separator could not be read; the usual gap is used.</source>
        <translation>프레임 텍스트의 구분자를 읽을 수 없습니다. 기본 간격을 사용합니다.</translation>
    </message>
    <message>
        <source>The page is %1 x %2 pixels, larger than any paper.</source>
        <translation>페이지가 %1 x %2 픽셀로, 어떤 용지보다 큽니다.</translation>
    </message>
    <message>
        <source>The list of names could not be read; the design opens without it.</source>
        <translation>이름 목록을 읽을 수 없습니다. 목록 없이 디자인을 엽니다.</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerBorderSetting</name>
    <message>
        <source>Drawn at size %1: the most a thin strip holds.</source>
        <translation>크기 %1(으)로 그립니다: 얇은 띠에 들어가는 최대 크기입니다.</translation>
    </message>
    <message>
        <source>Drawn at size %1: the most a thick strip holds.</source>
        <translation>크기 %1(으)로 그립니다: 두꺼운 띠에 들어가는 최대 크기입니다.</translation>
    </message>
    <message>
        <source>Between repeats:</source>
        <translation>반복 사이:</translation>
    </message>
    <message>
        <source>two spaces</source>
        <translation>공백 두 개</translation>
    </message>
    <message>
        <source>What stands between repeats of the text, along the frame and on the strips, for example " · ". Empty: a gap of two spaces.</source>
        <translation>프레임을 따라, 그리고 스트립 위에서 텍스트 반복 사이에 넣을 내용입니다. 예: " · ". 비우면 공백 두 개 간격입니다.</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>모든 파일</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>이 크기로는 프레임의 어느 변에도 텍스트 전체가 들어가지 않습니다. 더 작은 크기나 더 짧은 텍스트를 고르세요.</translation>
    </message>
    <message>
        <source>Names…</source>
        <translation>이름…</translation>
    </message>
    <message>
        <source>A list of names, one for each insert, each in place of the frame text</source>
        <translation>이름 목록: 속지마다 이름 하나가 프레임 텍스트 대신 들어갑니다</translation>
    </message>
    <message>
        <source>Names: %1. Each insert takes one of them in place of the frame text; the first is shown here.</source>
        <translation>이름: %1개. 각 속지에는 그중 하나가 프레임 텍스트 대신 들어가며, 여기에는 첫 번째 이름이 표시됩니다.</translation>
    </message>
    <message>
        <source>Names (%1)…</source>
        <translation>이름 (%1)…</translation>
    </message>
</context>
<context>
    <name>LMMainWidget</name>
    <message>
        <source>Detail</source>
        <translation>세밀도</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>표준</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>정밀</translation>
    </message>
    <message>
        <source>Fine draws the page at about 300 dpi, sharp in print; Standard at 76 dpi, as older designs are.</source>
        <translation>정밀은 약 300dpi로 페이지를 그려 인쇄가 선명합니다. 표준은 이전 디자인처럼 76dpi입니다.</translation>
    </message>
    <message>
        <source>Print Preview…</source>
        <translation>인쇄 미리 보기…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>PDF로 내보내기…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>PDF로 내보내기</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF 문서</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Moves the whole printout, for printers that shift the page</source>
        <translation>페이지가 밀리는 프린터를 위해 인쇄물 전체를 옮깁니다</translation>
    </message>
    <message>
        <source>Lumetra ended without saving a design you were working on. A copy of it was kept at %1.

Restore it?</source>
        <translation>Lumetra가 작업 중이던 디자인을 저장하지 않고 종료되었습니다. %1에 사본이 보관되었습니다.

복원하시겠습니까?</translation>
    </message>
    <message>
        <source>Lumetra File and pictures</source>
        <translation>Lumetra 파일 및 그림</translation>
    </message>
    <message>
        <source>Lumetra File</source>
        <translation>Lumetra 파일</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>모든 파일</translation>
    </message>
    <message>
        <source>Add text along an arc: drag a field, then type. The letters follow an arc over the field's top, and the field widens to hold them all.</source>
        <translation>호를 따라 텍스트 추가: 영역을 끌어 만든 다음 입력합니다. 글자는 영역 위쪽의 호를 따라 놓이고, 모두 들어가도록 영역이 넓어집니다.</translation>
    </message>
    <message>
        <source>%1 per sheet, 1 sheet</source>
        <translation>장당 %1개, 1장</translation>
    </message>
    <message>
        <source>%1 per sheet, %2 sheets</source>
        <translation>장당 %1개, %2장</translation>
    </message>
    <message>
        <source>One insert, one sheet</source>
        <translation>카드 1장, 용지 1장</translation>
    </message>
    <message>
        <source>%1 inserts, one per sheet</source>
        <translation>카드 %1장, 용지마다 1장</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>용지</translation>
    </message>
    <message>
        <source>One insert per sheet</source>
        <translation>용지마다 카드 1장</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerArtFrameSetting</name>
    <message>
        <source>Rotate</source>
        <translation>회전</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerTextSetting</name>
    <message>
        <source>Rotate Text</source>
        <translation>텍스트 회전</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerPaddingSetting</name>
    <message>
        <source> Inch</source>
        <translation> 인치</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>%1: from 0 to %2 on this paper.</source>
        <translation>%1: 이 용지에서는 0부터 %2까지.</translation>
    </message>
</context>
<context>
    <name>LMFiles</name>
    <message>
        <source>The picture is %1 x %2 pixels; Lumetra opens pictures of up to %3 megapixels.</source>
        <translation>그림 크기가 %1 x %2 픽셀입니다. Lumetra는 최대 %3메가픽셀의 그림을 엽니다.</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>비트맵</translation>
    </message>
    <message>
        <source>Lumetra writes no "%1" images.</source>
        <translation>Lumetra는 "%1" 그림을 쓰지 않습니다.</translation>
    </message>
</context>
<context>
    <name>LMPrinting</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>프린터를 시작할 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1을(를) 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1을(를) 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The printer reported an error; the page may not have been printed.</source>
        <translation>프린터에서 오류를 보고했습니다. 페이지가 인쇄되지 않았을 수 있습니다.</translation>
    </message>
    <message>
        <source>The sheet is too small for one insert within its margins.</source>
        <translation>용지가 너무 작아 여백 안에 카드를 한 장도 넣을 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>LMCommandLine</name>
    <message>
        <source>%1: this file name is not valid UTF-8, so Lumetra can not open or write that file; rename it</source>
        <translation>%1: 이 파일 이름은 올바른 UTF-8이 아니어서 Lumetra가 파일을 열거나 쓸 수 없습니다. 이름을 바꾸십시오</translation>
    </message>
    <message>
        <source>not a file type Lumetra writes: end the name in .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</source>
        <translation>Lumetra가 쓰는 파일 형식이 아닙니다. 이름을 .lmx, .pdf, .png, .jpg, .bmp, .tiff 등으로 끝내십시오</translation>
    </message>
    <message>
        <source>Lumetra %1 is available (this is %2)</source>
        <translation>Lumetra %1을(를) 사용할 수 있습니다(현재 %2)</translation>
    </message>
    <message>
        <source>Lumetra %1 is the latest version</source>
        <translation>Lumetra %1이(가) 최신 버전입니다</translation>
    </message>
    <message>
        <source>update check failed: %1</source>
        <translation>업데이트 확인 실패: %1</translation>
    </message>
    <message>
        <source>the list of names could not be read: %1</source>
        <translation>이름 목록을 읽을 수 없습니다: %1</translation>
    </message>
    <message>
        <source>the list of names is not UTF-8 text; save it as UTF-8</source>
        <translation>이름 목록이 UTF-8 텍스트가 아닙니다. UTF-8로 저장하십시오</translation>
    </message>
    <message>
        <source>the list of names holds no name</source>
        <translation>이름 목록에 이름이 하나도 없습니다</translation>
    </message>
    <message>
        <source>the design shows no frame text, so no name would show; switch its frame and frame text on</source>
        <translation>디자인에 테두리 문구가 표시되지 않아 이름이 나타나지 않습니다. 테두리와 테두리 문구를 켜십시오</translation>
    </message>
</context>
<context>
    <name>LMUpdateTexts</name>
    <message>
        <source>Please Click 'Check' button for checking version</source>
        <translation>새 버전을 찾으려면 [확인] 단추를 누르십시오</translation>
    </message>
    <message>
        <source>Logged onto server.</source>
        <translation>서버에 로그인했습니다.</translation>
    </message>
    <message>
        <source>Downloaded %1.</source>
        <translation>%1 다운로드 완료.</translation>
    </message>
    <message>
        <source>The installer %1 could not be started. Lumetra keeps running.</source>
        <translation>설치 프로그램 %1을(를) 시작할 수 없습니다. Lumetra는 계속 실행됩니다.</translation>
    </message>
    <message>
        <source>The update was cancelled; your work is still open.</source>
        <translation>업데이트가 취소되었습니다. 작업 내용은 그대로 열려 있습니다.</translation>
    </message>
    <message>
        <source>No update server is set up for this installation.</source>
        <translation>이 설치에는 업데이트 서버가 설정되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>The update server's address is not a valid ftp:// address.</source>
        <translation>업데이트 서버 주소가 올바른 ftp:// 주소가 아닙니다.</translation>
    </message>
    <message>
        <source>The update server refused the login.</source>
        <translation>업데이트 서버가 로그인을 거부했습니다.</translation>
    </message>
    <message>
        <source>%1 is not on the update server.</source>
        <translation>업데이트 서버에 %1이(가) 없습니다.</translation>
    </message>
    <message>
        <source>The update server's certificate is not trusted.</source>
        <translation>업데이트 서버의 인증서를 신뢰할 수 없습니다.</translation>
    </message>
    <message>
        <source>The transfer of %1 broke off.</source>
        <translation>%1 전송이 중단되었습니다.</translation>
    </message>
    <message>
        <source>%1 arrived incomplete and was deleted.</source>
        <translation>%1이(가) 불완전하게 받아져 삭제되었습니다.</translation>
    </message>
    <message>
        <source>The update server stopped answering.</source>
        <translation>업데이트 서버가 응답하지 않습니다.</translation>
    </message>
    <message>
        <source>Unable to save the file %1.</source>
        <translation>파일 %1을(를) 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>%1 다운로드가 취소되었습니다.</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>예(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>아니요(&amp;N)</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Permission denied</source>
        <translation>권한이 거부되었습니다</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>해당 파일이나 폴더가 없습니다</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>장치에 남은 공간이 없습니다</translation>
    </message>
</context>
<context>
    <name>LMSaveDialog</name>
    <message>
        <source>Untitled</source>
        <translation>제목 없음</translation>
    </message>
</context>
<context>
    <name>LMFileDialog</name>
    <message>
        <source>All pictures</source>
        <translation>모든 그림</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>모든 파일</translation>
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
        <translation>인치</translation>
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
        <translation>이름</translation>
    </message>
    <message>
        <source>One name per line. Each name takes the frame text's place on an insert of its own.</source>
        <translation>한 줄에 이름 하나. 각 이름은 별도의 속지에서 프레임 텍스트 대신 들어갑니다.</translation>
    </message>
    <message numerus="yes">
        <source>%n names</source>
        <translation>
            <numerusform>이름 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 is not UTF-8 text. Save it as UTF-8 (for a spreadsheet: CSV UTF-8) and load it again.</source>
        <translation>파일 %1은(는) UTF-8 텍스트가 아닙니다. UTF-8(스프레드시트에서는 CSV UTF-8)로 저장한 후 다시 불러오세요.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>파일 %1을(를) 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>Lists of names</source>
        <translation>이름 목록</translation>
    </message>
</context>
</TS>
