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
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>이 크기로는 프레임의 어느 변에도 텍스트 전체가 들어가지 않습니다. 더 작은 크기나 더 짧은 텍스트를 고르세요.</translation>
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
</context>
</TS>
