<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>Não foi possível ler o detalhe fino deste design; ele abre com detalhe padrão.</translation>
    </message>
    <message>
        <source>The frame text's separator could not be read; the usual gap is used.</source>
        <translation>Não foi possível ler o separador do texto da moldura; o espaçamento habitual é usado.</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerBorderSetting</name>
    <message>
        <source>Drawn at size %1: the most a thin strip holds.</source>
        <translation>Desenhado no tamanho %1: o máximo que cabe numa faixa fina.</translation>
    </message>
    <message>
        <source>Drawn at size %1: the most a thick strip holds.</source>
        <translation>Desenhado no tamanho %1: o máximo que cabe numa faixa grossa.</translation>
    </message>
    <message>
        <source>Between repeats:</source>
        <translation>Entre repetições:</translation>
    </message>
    <message>
        <source>two spaces</source>
        <translation>dois espaços</translation>
    </message>
    <message>
        <source>What stands between repeats of the text, along the frame and on the strips, for example " · ". Empty: a gap of two spaces.</source>
        <translation>O que fica entre as repetições do texto, ao longo da moldura e nas tiras, por exemplo " · ". Vazio: um intervalo de dois espaços.</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Nenhum lado desta moldura comporta o texto inteiro neste tamanho: escolha um tamanho menor ou um texto mais curto.</translation>
    </message>
</context>
<context>
    <name>LMMainWidget</name>
    <message>
        <source>Detail</source>
        <translation>Detalhe</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fino</translation>
    </message>
    <message>
        <source>Fine draws the page at about 300 dpi, sharp in print; Standard at 76 dpi, as older designs are.</source>
        <translation>Fino desenha a página a cerca de 300 dpi, nítida na impressão; Padrão a 76 dpi, como os designs anteriores.</translation>
    </message>
</context>
</TS>
