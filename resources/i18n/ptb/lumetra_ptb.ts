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
    <message>
        <source>The page is %1 x %2 pixels, larger than any paper.</source>
        <translation>A página tem %1 x %2 pixels, maior que qualquer papel.</translation>
    </message>
    <message>
        <source>The list of names could not be read; the design opens without it.</source>
        <translation>Não foi possível ler a lista de nomes; o design abre sem ela.</translation>
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
        <source>All files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Nenhum lado desta moldura comporta o texto inteiro neste tamanho: escolha um tamanho menor ou um texto mais curto.</translation>
    </message>
    <message>
        <source>Names…</source>
        <translation>Nomes…</translation>
    </message>
    <message>
        <source>A list of names, one for each insert, each in place of the frame text</source>
        <translation>Uma lista de nomes, um para cada encarte, no lugar do texto da moldura</translation>
    </message>
    <message>
        <source>Names: %1. Each insert takes one of them in place of the frame text; the first is shown here.</source>
        <translation>Nomes: %1. Cada encarte recebe um deles no lugar do texto da moldura; o primeiro é mostrado aqui.</translation>
    </message>
    <message>
        <source>Names (%1)…</source>
        <translation>Nomes (%1)…</translation>
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
    <message>
        <source>Print Preview…</source>
        <translation>Visualizar impressão…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Exportar como PDF…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exportar como PDF</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Documento PDF</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Moves the whole printout, for printers that shift the page</source>
        <translation>Move toda a impressão, para impressoras que deslocam a página</translation>
    </message>
    <message>
        <source>Lumetra ended without saving a design you were working on. A copy of it was kept at %1.

Restore it?</source>
        <translation>O Lumetra foi encerrado sem salvar um design em que você trabalhava. Uma cópia foi guardada em %1.

Restaurá-lo?</translation>
    </message>
    <message>
        <source>Lumetra File and pictures</source>
        <translation>Arquivos Lumetra e imagens</translation>
    </message>
    <message>
        <source>Lumetra File</source>
        <translation>Arquivo Lumetra</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>Add text along an arc: drag a field, then type. The letters follow an arc over the field's top, and the field widens to hold them all.</source>
        <translation>Adicionar texto em arco: arraste um campo e digite. As letras seguem um arco sobre o topo do campo, e o campo se alarga para caberem todas.</translation>
    </message>
    <message>
        <source>%1 per sheet, 1 sheet</source>
        <translation>%1 por folha, 1 folha</translation>
    </message>
    <message>
        <source>%1 per sheet, %2 sheets</source>
        <translation>%1 por folha, %2 folhas</translation>
    </message>
    <message>
        <source>One insert, one sheet</source>
        <translation>Um encarte, uma folha</translation>
    </message>
    <message>
        <source>%1 inserts, one per sheet</source>
        <translation>%1 encartes, um por folha</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Folha</translation>
    </message>
    <message>
        <source>One insert per sheet</source>
        <translation>Um encarte por folha</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerArtFrameSetting</name>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerTextSetting</name>
    <message>
        <source>Rotate Text</source>
        <translation>Girar texto</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerPaddingSetting</name>
    <message>
        <source> Inch</source>
        <translation> pol.</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>%1: from 0 to %2 on this paper.</source>
        <translation>%1: de 0 a %2 neste papel.</translation>
    </message>
</context>
<context>
    <name>LMFiles</name>
    <message>
        <source>The picture is %1 x %2 pixels; Lumetra opens pictures of up to %3 megapixels.</source>
        <translation>A imagem tem %1 x %2 pixels; o Lumetra abre imagens de até %3 megapixels.</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Imagem bitmap</translation>
    </message>
    <message>
        <source>Lumetra writes no "%1" images.</source>
        <translation>O Lumetra não grava imagens "%1".</translation>
    </message>
</context>
<context>
    <name>LMPrinting</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>Não foi possível iniciar a impressora.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>Não foi possível gravar %1.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>The printer reported an error; the page may not have been printed.</source>
        <translation>A impressora relatou um erro; a página pode não ter sido impressa.</translation>
    </message>
    <message>
        <source>The sheet is too small for one insert within its margins.</source>
        <translation>A folha é pequena demais para um encarte dentro das margens.</translation>
    </message>
</context>
<context>
    <name>LMCommandLine</name>
    <message>
        <source>%1: this file name is not valid UTF-8, so Lumetra can not open or write that file; rename it</source>
        <translation>%1: este nome de arquivo não é UTF-8 válido, então o Lumetra não pode abrir nem gravar o arquivo; renomeie-o</translation>
    </message>
    <message>
        <source>not a file type Lumetra writes: end the name in .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</source>
        <translation>não é um tipo de arquivo que o Lumetra grava: termine o nome em .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</translation>
    </message>
    <message>
        <source>Lumetra %1 is available (this is %2)</source>
        <translation>Lumetra %1 está disponível (esta é a %2)</translation>
    </message>
    <message>
        <source>Lumetra %1 is the latest version</source>
        <translation>Lumetra %1 é a versão mais recente</translation>
    </message>
    <message>
        <source>update check failed: %1</source>
        <translation>falha na verificação de atualização: %1</translation>
    </message>
    <message>
        <source>the list of names could not be read: %1</source>
        <translation>não foi possível ler a lista de nomes: %1</translation>
    </message>
    <message>
        <source>the list of names is not UTF-8 text; save it as UTF-8</source>
        <translation>a lista de nomes não é texto UTF-8; salve-a como UTF-8</translation>
    </message>
    <message>
        <source>the list of names holds no name</source>
        <translation>a lista de nomes não contém nenhum nome</translation>
    </message>
    <message>
        <source>the design shows no frame text, so no name would show; switch its frame and frame text on</source>
        <translation>o design não mostra texto da moldura, então nenhum nome apareceria; ative a moldura e o texto da moldura</translation>
    </message>
</context>
<context>
    <name>LMUpdateTexts</name>
    <message>
        <source>Please Click 'Check' button for checking version</source>
        <translation>Clique em "Verificar" para procurar uma nova versão</translation>
    </message>
    <message>
        <source>Logged onto server.</source>
        <translation>Conectado ao servidor.</translation>
    </message>
    <message>
        <source>Downloaded %1.</source>
        <translation>%1 baixado.</translation>
    </message>
    <message>
        <source>The installer %1 could not be started. Lumetra keeps running.</source>
        <translation>Não foi possível iniciar o instalador %1. O Lumetra continua aberto.</translation>
    </message>
    <message>
        <source>The update was cancelled; your work is still open.</source>
        <translation>A atualização foi cancelada; seu trabalho continua aberto.</translation>
    </message>
    <message>
        <source>No update server is set up for this installation.</source>
        <translation>Nenhum servidor de atualização está configurado nesta instalação.</translation>
    </message>
    <message>
        <source>The update server's address is not a valid ftp:// address.</source>
        <translation>O endereço do servidor de atualização não é um endereço ftp:// válido.</translation>
    </message>
    <message>
        <source>The update server refused the login.</source>
        <translation>O servidor de atualização recusou o login.</translation>
    </message>
    <message>
        <source>%1 is not on the update server.</source>
        <translation>%1 não está no servidor de atualização.</translation>
    </message>
    <message>
        <source>The update server's certificate is not trusted.</source>
        <translation>O certificado do servidor de atualização não é confiável.</translation>
    </message>
    <message>
        <source>The transfer of %1 broke off.</source>
        <translation>A transferência de %1 foi interrompida.</translation>
    </message>
    <message>
        <source>%1 arrived incomplete and was deleted.</source>
        <translation>%1 chegou incompleto e foi excluído.</translation>
    </message>
    <message>
        <source>The update server stopped answering.</source>
        <translation>O servidor de atualização parou de responder.</translation>
    </message>
    <message>
        <source>Unable to save the file %1.</source>
        <translation>Não foi possível salvar o arquivo %1.</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>Download de %1 cancelado.</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Permission denied</source>
        <translation>Permissão negada</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Arquivo ou pasta inexistente</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Sem espaço no dispositivo</translation>
    </message>
</context>
<context>
    <name>LMSaveDialog</name>
    <message>
        <source>Untitled</source>
        <translation>Sem título</translation>
    </message>
</context>
<context>
    <name>LMFileDialog</name>
    <message>
        <source>All pictures</source>
        <translation>Todas as imagens</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos os arquivos</translation>
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
        <translation>pol.</translation>
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
        <translation>Nomes</translation>
    </message>
    <message>
        <source>One name per line. Each name takes the frame text's place on an insert of its own.</source>
        <translation>Um nome por linha. Cada nome ocupa o lugar do texto da moldura em um encarte próprio.</translation>
    </message>
    <message numerus="yes">
        <source>%n names</source>
        <translation>
            <numerusform>%n nome</numerusform>
            <numerusform>%n nomes</numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 is not UTF-8 text. Save it as UTF-8 (for a spreadsheet: CSV UTF-8) and load it again.</source>
        <translation>O arquivo %1 não é texto UTF-8. Salve-o como UTF-8 (em uma planilha: CSV UTF-8) e carregue-o novamente.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>Não é possível ler o arquivo %1.</translation>
    </message>
    <message>
        <source>Lists of names</source>
        <translation>Listas de nomes</translation>
    </message>
</context>
</TS>
