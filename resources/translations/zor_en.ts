<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_BR">
<context>
    <name>AddMacroCommand</name>
    <message>
        <source>Nova macro %1</source>
        <translation>New macro %1</translation>
    </message>
</context>
<context>
    <name>AnchorSettings</name>
    <message>
        <source>%1: o valor &quot;%2&quot; da chave &quot;%3&quot; da seção &quot;ancora&quot; não é um número de 0 a %4 e foi ignorado.</source>
        <translation>%1: the value &quot;%2&quot; of the key &quot;%3&quot; in the section &quot;ancora&quot; is not a number from 0 to %4 and was ignored.</translation>
    </message>
</context>
<context>
    <name>BoxArranger</name>
    <message>
        <source>Organizando as caixas pelo fluxo...</source>
        <translation>Arranging the boxes by their flow...</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Organizar caixas</source>
        <translation>Arrange boxes</translation>
    </message>
    <message>
        <source>A organização das caixas foi descartada: o grupo mudou enquanto ela era calculada.</source>
        <translation>The arrangement of the boxes was dropped: the group changed while it was being worked out.</translation>
    </message>
    <message>
        <source>As caixas já estão organizadas.</source>
        <translation>The boxes are arranged already.</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>Não foi possível abrir o arquivo.</source>
        <translation>Could not open the file.</translation>
    </message>
    <message>
        <source>Sem a violação de âncora de &quot;zor.ini&quot; na pasta de trabalho: a sequência e o raio das macros com análise de âncora não serão verificados.</source>
        <translation>The anchor violation of &quot;zor.ini&quot; is missing from the working folder: the sequence and radius of macros with anchor analysis will not be checked.</translation>
    </message>
</context>
<context>
    <name>ConfigureMacroCommand</name>
    <message>
        <source>Configurar macro %1</source>
        <translation>Configure macro %1</translation>
    </message>
</context>
<context>
    <name>ConvertCommand</name>
    <message>
        <source>Sem a violação de âncora de &quot;zor.ini&quot; na pasta de trabalho: os raios de âncora não serão convertidos.</source>
        <translation>The anchor violation of &quot;zor.ini&quot; is missing from the working folder: anchor radii will not be converted.</translation>
    </message>
    <message>
        <source>O arquivo de saída não pode ser o próprio arquivo de entrada: %1</source>
        <translation>The output file cannot be the input file itself: %1</translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo %1</source>
        <translation>Could not open the file %1</translation>
    </message>
    <message>
        <source>Não foi possível salvar o arquivo %1</source>
        <translation>Could not save the file %1</translation>
    </message>
</context>
<context>
    <name>CorrectCharactersCommand</name>
    <message>
        <source>Corrigir caracteres</source>
        <translation>Correct characters</translation>
    </message>
</context>
<context>
    <name>DeleteMacrosCommand</name>
    <message>
        <source>Deletar macro %1</source>
        <translation>Delete macro %1</translation>
    </message>
    <message>
        <source>Deletar %1 macros</source>
        <translation>Delete %1 macros</translation>
    </message>
</context>
<context>
    <name>DiffCommand</name>
    <message>
        <source>Sem o arquivo de dados %1: violações, reações e as outras listas aparecem pelo número.</source>
        <translation>No data file %1: violations, reactions and the other lists show as numbers.</translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo.</source>
        <translation>Could not open the file.</translation>
    </message>
</context>
<context>
    <name>DifferenceText</name>
    <message>
        <source>Grupo</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Início de viagem</source>
        <translation>Trip start</translation>
    </message>
    <message>
        <source>Parada</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Operação</source>
        <translation>Operation</translation>
    </message>
    <message>
        <source>Solicitação</source>
        <translation>Request</translation>
    </message>
    <message>
        <source>Reinício de viagem</source>
        <translation>Trip restart</translation>
    </message>
    <message>
        <source>Fim de viagem</source>
        <translation>Trip end</translation>
    </message>
    <message>
        <source>Especiais</source>
        <translation>Special</translation>
    </message>
    <message>
        <source>macro adicionada: %1</source>
        <translation>macro added: %1</translation>
    </message>
    <message>
        <source>macro removida: %1</source>
        <translation>macro removed: %1</translation>
    </message>
    <message>
        <source>macro renumerada: %1 -&gt; %2</source>
        <translation>macro renumbered: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>nome: %1 -&gt; %2</source>
        <translation>name: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>descrição: %1 -&gt; %2</source>
        <translation>description: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>sigla: %1 -&gt; %2</source>
        <translation>acronym: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>atalho: %1 -&gt; %2</source>
        <translation>hotkey: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>tipo: %1 -&gt; %2</source>
        <translation>type: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>Segurança</source>
        <translation>Security</translation>
    </message>
    <message>
        <source>Informação</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>segurança ou informação: %1 -&gt; %2</source>
        <translation>security or information: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>(nenhuma)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>próxima macro F%1: %2 -&gt; %3</source>
        <translation>next macro F%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>validação adicionada: %1</source>
        <translation>validation added: %1</translation>
    </message>
    <message>
        <source>validação removida: %1</source>
        <translation>validation removed: %1</translation>
    </message>
    <message>
        <source>automação adicionada: %1</source>
        <translation>automation added: %1</translation>
    </message>
    <message>
        <source>automação removida: %1</source>
        <translation>automation removed: %1</translation>
    </message>
    <message>
        <source>sensor do modo seguro adicionado: %1</source>
        <translation>secure mode sensor added: %1</translation>
    </message>
    <message>
        <source>sensor do modo seguro removido: %1</source>
        <translation>secure mode sensor removed: %1</translation>
    </message>
    <message>
        <source>atuador do modo seguro adicionado: %1</source>
        <translation>secure mode actuator added: %1</translation>
    </message>
    <message>
        <source>atuador do modo seguro removido: %1</source>
        <translation>secure mode actuator removed: %1</translation>
    </message>
    <message>
        <source>violação %1: reação adicionada: %2</source>
        <translation>violation %1: reaction added: %2</translation>
    </message>
    <message>
        <source>violação %1: reação removida: %2</source>
        <translation>violation %1: reaction removed: %2</translation>
    </message>
    <message>
        <source>violação %1: tempo de análise: %2 -&gt; %3</source>
        <translation>violation %1: analysis time: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>violação %1: raio: %2 m -&gt; %3 m</source>
        <translation>violation %1: radius: %2 m -&gt; %3 m</translation>
    </message>
    <message>
        <source>reações: %1</source>
        <translation>reactions: %1</translation>
    </message>
    <message>
        <source>tempo de análise: %1</source>
        <translation>analysis time: %1</translation>
    </message>
    <message>
        <source>raio: %1 m</source>
        <translation>radius: %1 m</translation>
    </message>
    <message>
        <source>violação adicionada: %1</source>
        <translation>violation added: %1</translation>
    </message>
    <message>
        <source>violação removida: %1</source>
        <translation>violation removed: %1</translation>
    </message>
    <message>
        <source>posição: (%1, %2) -&gt; (%3, %4)</source>
        <translation>position: (%1, %2) -&gt; (%3, %4)</translation>
    </message>
    <message>
        <source>tamanho: %1 x %2 -&gt; %3 x %4</source>
        <translation>size: %1 x %2 -&gt; %3 x %4</translation>
    </message>
    <message>
        <source>formulário, linha %1: %2 -&gt; %3</source>
        <translation>form, row %1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>texto de confirmação, linha %1: %2 -&gt; %3</source>
        <translation>confirmation text, row %1: %2 -&gt; %3</translation>
    </message>
</context>
<context>
    <name>DifferencesDock</name>
    <message>
        <source>Diferenças</source>
        <translation>Differences</translation>
    </message>
    <message>
        <source>Clique em uma linha para marcar a caixa da macro no grupo aberto</source>
        <translation>Click a row to mark the macro&apos;s box in the open group</translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo %1</source>
        <translation>Could not open the file %1</translation>
    </message>
    <message>
        <source>Nenhuma diferença entre %1 e o grupo aberto.</source>
        <translation>No difference between %1 and the open group.</translation>
    </message>
    <message>
        <source>De %1 para o grupo aberto:</source>
        <translation>From %1 to the open group:</translation>
    </message>
</context>
<context>
    <name>ExportImageCommand</name>
    <message>
        <source>A imagem teria %1 x %2 pixels; o máximo é %3 de cada lado.</source>
        <translation>The image would be %1 x %2 pixels; the maximum is %3 on each side.</translation>
    </message>
    <message>
        <source>A imagem teria %1 x %2 pixels; o máximo é %3 pixels ao todo.</source>
        <translation>The picture would have %1 x %2 pixels; the maximum is %3 pixels in all.</translation>
    </message>
    <message>
        <source>Escala inválida (use um número maior que zero): %1</source>
        <translation>Invalid scale (use a number greater than zero): %1</translation>
    </message>
    <message>
        <source>O arquivo de saída não pode ser o próprio arquivo de entrada: %1</source>
        <translation>The output file cannot be the input file itself: %1</translation>
    </message>
    <message>
        <source>Formato de imagem não suportado (use .png ou .svg): %1</source>
        <translation>Unsupported image format (use .png or .svg): %1</translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo %1</source>
        <translation>Could not open the file %1</translation>
    </message>
    <message>
        <source>Não foi possível salvar o arquivo %1</source>
        <translation>Could not save the file %1</translation>
    </message>
</context>
<context>
    <name>FileGuard</name>
    <message>
        <source>O arquivo %1 já está aberto em outro Zor.</source>
        <translation>The file %1 is already open in another Zor.</translation>
    </message>
    <message>
        <source>Se os dois o salvarem, as alterações salvas por último apagarão as outras.</source>
        <translation>If both save it, the changes saved last will erase the others.</translation>
    </message>
    <message>
        <source>Abrir mesmo assim</source>
        <translation>Open anyway</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Sem nome</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Arquivo: nenhum, o grupo nunca foi salvo.</source>
        <translation>File: none, the group was never saved.</translation>
    </message>
    <message>
        <source>Arquivo: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>Cópia gravada em %1.</source>
        <translation>Copy written on %1.</translation>
    </message>
    <message>
        <source>O Zor foi encerrado antes de salvar as alterações do grupo %1. Deseja recuperá-las?</source>
        <translation>Zor ended before the changes to the group %1 were saved. Do you want to recover them?</translation>
    </message>
    <message>
        <source>Recuperar</source>
        <translation>Recover</translation>
    </message>
    <message>
        <source>Descartar</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Depois</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>Atenção!</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>O arquivo %1 foi alterado por outro programa depois que foi aberto aqui.</source>
        <translation>The file %1 was changed by another program after it was opened here.</translation>
    </message>
    <message>
        <source>Salvar agora apaga as alterações do outro programa.</source>
        <translation>Saving now erases the other program&apos;s changes.</translation>
    </message>
    <message>
        <source>Sobrescrever</source>
        <translation>Overwrite</translation>
    </message>
    <message>
        <source>O arquivo %1 foi alterado por outro programa.</source>
        <translation>The file %1 was changed by another program.</translation>
    </message>
    <message>
        <source>Deseja recarregá-lo?</source>
        <translation>Do you want to reload it?</translation>
    </message>
    <message>
        <source>Recarregar</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>Ignorar</source>
        <translation>Ignore</translation>
    </message>
</context>
<context>
    <name>FileSaver</name>
    <message>
        <source>Não é um arquivo comum (é uma pasta, um dispositivo ou um pipe) e não será substituído.</source>
        <translation>It is not a regular file (it is a folder, a device or a pipe) and will not be replaced.</translation>
    </message>
    <message>
        <source>O arquivo está protegido contra gravação.</source>
        <translation>The file is read-only.</translation>
    </message>
</context>
<context>
    <name>FindField</name>
    <message>
        <source>Procurar macro</source>
        <translation>Find macro</translation>
    </message>
    <message>
        <source>Procurar macro por número, sigla ou nome (Ctrl+F); F3: próxima</source>
        <translation>Find a macro by number, acronym or name (Ctrl+F); F3: next</translation>
    </message>
</context>
<context>
    <name>FindingsModel</name>
    <message>
        <source>Regra</source>
        <translation>Rule</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Problema</source>
        <translation>Problem</translation>
    </message>
</context>
<context>
    <name>FlowOutput</name>
    <message>
        <source>Exportar imagem</source>
        <translation>Export Image</translation>
    </message>
    <message>
        <source>Imagem PNG (*.png);;Imagem SVG (*.svg)</source>
        <translation>PNG image (*.png);;SVG image (*.svg)</translation>
    </message>
    <message>
        <source>Imprimir %1</source>
        <translation>Print %1</translation>
    </message>
</context>
<context>
    <name>FlowPrinter</name>
    <message>
        <source>Sem nome</source>
        <translation>Untitled</translation>
    </message>
</context>
<context>
    <name>Group</name>
    <message>
        <source>Não é possível criar macros seguidas com a análise de Âncoras, por favor consulte o manual e revise o sequenciamento das macros.</source>
        <translation>Macros with anchor analysis cannot follow one another. Please see the manual and review the sequence of the macros.</translation>
    </message>
    <message>
        <source>Atenção!</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>O arquivo foi gerado em uma versão mais antiga do Zor.</source>
        <translation>The file was created with an older version of Zor.</translation>
    </message>
    <message>
        <source>O arquivo foi gerado em uma versão mais nova do Zor  e pode conter funcionalidades não suportadas. Faça o download da versão mais recente do Zor na página da Orvenda (</source>
        <translation>The file was created with a newer version of Zor and may contain features that are not supported. Download the latest version of Zor from the Orvenda website (</translation>
    </message>
    <message>
        <source>(e mais %1)</source>
        <translation>(and %1 more)</translation>
    </message>
    <message>
        <source>O arquivo %1 está danificado; foi lido assim mesmo:</source>
        <translation>The file %1 is damaged; it was read all the same:</translation>
    </message>
    <message>
        <source>Não é possível criar macros seguidas com a análise de Âncoras, por favor consulte o manual e revise o sequenciamento das macros. (Macro %1-&gt;%2)</source>
        <translation>Macros with anchor analysis cannot follow one another. Please see the manual and review the sequence of the macros. (Macro %1-&gt;%2)</translation>
    </message>
    <message>
        <source>Formato do arquivo inválido (%1).</source>
        <translation>Invalid file format (%1).</translation>
    </message>
</context>
<context>
    <name>GroupCheck</name>
    <message>
        <source>Caracteres não aceitos pelo terminal no formulário ou no texto de confirmação: %1</source>
        <translation>Characters the terminal does not accept in the form or the confirmation text: %1</translation>
    </message>
    <message>
        <source>Marcador de campo malformado no formulário, linha %1.</source>
        <translation>Malformed field marker in the form, line %1.</translation>
    </message>
    <message>
        <source>O nome contém caracteres não aceitos: %1</source>
        <translation>The name contains characters that are not accepted: %1</translation>
    </message>
    <message>
        <source>A sigla contém caracteres não aceitos: %1</source>
        <translation>The acronym contains characters that are not accepted: %1</translation>
    </message>
    <message>
        <source>A sigla está vazia.</source>
        <translation>The acronym is empty.</translation>
    </message>
    <message>
        <source>A sigla %1 tem mais de %2 caracteres.</source>
        <translation>The acronym %1 has more than %2 characters.</translation>
    </message>
    <message>
        <source>O número %1 já é usado pela macro %2.</source>
        <translation>Number %1 is already used by macro %2.</translation>
    </message>
    <message>
        <source>A sigla %1 já é usada pela macro de número %2.</source>
        <translation>Acronym %1 is already used by macro number %2.</translation>
    </message>
    <message>
        <source>O atalho %1 já é usado pela macro %2.</source>
        <translation>Hotkey %1 is already used by macro %2.</translation>
    </message>
    <message>
        <source>A sigla %1 da função F%2 não existe no grupo.</source>
        <translation>The acronym %1 in F%2 does not exist in the group.</translation>
    </message>
    <message>
        <source>%1 macros seguintes; o terminal aceita no máximo %2.</source>
        <translation>%1 next macros; the terminal accepts at most %2.</translation>
    </message>
    <message>
        <source>Macros com análise de âncora em sequência: %1 -&gt; %2.</source>
        <translation>Macros with anchor analysis in sequence: %1 -&gt; %2.</translation>
    </message>
    <message>
        <source>O raio de âncora de %1 m está fora dos limites permitidos (%2 a %3 m).</source>
        <translation>The anchor radius of %1 m is outside the permitted range (%2 to %3 m).</translation>
    </message>
    <message>
        <source>%1 violações; o terminal aceita no máximo %2.</source>
        <translation>%1 violations; the terminal accepts at most %2.</translation>
    </message>
    <message>
        <source>O número %1 está fora do intervalo de %2 a %3.</source>
        <translation>The number %1 is outside the range %2 to %3.</translation>
    </message>
    <message>
        <source>O atalho %1 está fora do intervalo de 0 a %2.</source>
        <translation>The shortcut %1 is outside the range 0 to %2.</translation>
    </message>
    <message>
        <source>Macro com análise de âncora e atalho %1: uma macro com a violação de âncora não tem atalho.</source>
        <translation>Macro with anchor analysis and shortcut %1: a macro with the anchor violation has no shortcut.</translation>
    </message>
</context>
<context>
    <name>GroupHeaderCommand</name>
    <message>
        <source>Alterar nome e descrição do grupo</source>
        <translation>Change group name and description</translation>
    </message>
    <message>
        <source>Alterar nome do grupo</source>
        <translation>Change group name</translation>
    </message>
    <message>
        <source>Alterar descrição do grupo</source>
        <translation>Change group description</translation>
    </message>
    <message>
        <source>Alterar data de criação do grupo</source>
        <translation>Change group creation date</translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>Não é um arquivo comum (é uma pasta, um dispositivo ou um pipe).</source>
        <translation>It is not a regular file (it is a folder, a device or a pipe).</translation>
    </message>
    <message>
        <source>O arquivo tem %1 bytes; um grupo de macros não passa de %2 bytes.</source>
        <translation>The file has %1 bytes; a macro group never exceeds %2 bytes.</translation>
    </message>
</context>
<context>
    <name>MacroJson</name>
    <message>
        <source>O valor %1 de &quot;%2&quot; não é um número inteiro; lido como %3.</source>
        <translation>The value %1 of &quot;%2&quot; is not a whole number; read as %3.</translation>
    </message>
    <message>
        <source>O valor %1 de &quot;%2&quot; está fora do intervalo de %3 a %4; lido como %5.</source>
        <translation>The value %1 of &quot;%2&quot; is outside the range %3 to %4; read as %5.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Zor - Quorvane</source>
        <translation>Zor - Quorvane</translation>
    </message>
    <message>
        <source>&amp;Arquivo</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Opções</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>&amp;Ajuda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Sobre a Macro</source>
        <translation>Macro Information</translation>
    </message>
    <message>
        <source>Grupo de macros:</source>
        <translation>Macro group:</translation>
    </message>
    <message>
        <source>Data de criação:</source>
        <translation>Created on:</translation>
    </message>
    <message>
        <source>Descrição:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Novo grupo</source>
        <translation>New Group</translation>
    </message>
    <message>
        <source>Novo grupo  (Ctrl+N)</source>
        <translation>New Group  (Ctrl+N)</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Nova &amp;macro</source>
        <translation>New &amp;Macro</translation>
    </message>
    <message>
        <source>Nova macro  (Ctrl+M)</source>
        <translation>New Macro  (Ctrl+M)</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Carregar grupo</source>
        <translation>&amp;Open Group</translation>
    </message>
    <message>
        <source>Carregar grupo</source>
        <translation>Open Group</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Salvar grupo</source>
        <translation>&amp;Save Group</translation>
    </message>
    <message>
        <source>Salvar grupo (Ctrl+S)</source>
        <translation>Save Group (Ctrl+S)</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>S&amp;alvar grupo como...</source>
        <translation>Save Group &amp;As...</translation>
    </message>
    <message>
        <source>Salvar grupo como</source>
        <translation>Save Group As</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Fechar grupo</source>
        <translation>Close Group</translation>
    </message>
    <message>
        <source>Ctrl+F4</source>
        <translation>Ctrl+F4</translation>
    </message>
    <message>
        <source>Sa&amp;ir</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Deletar</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Deletar (Del)</source>
        <translation>Delete (Del)</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Selecionar tudo</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Selecionar tudo (Ctrl+A)</source>
        <translation>Select All (Ctrl+A)</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>Seleção</source>
        <translation>Selection</translation>
    </message>
    <message>
        <source>Seleção (Esc)</source>
        <translation>Selection (Esc)</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Zoom mais</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Zoom mais (Ctrl+Shift+I)</source>
        <translation>Zoom In (Ctrl+Shift+I)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+I</source>
        <translation>Ctrl+Shift+I</translation>
    </message>
    <message>
        <source>Zoom menos</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Zoom menos (Ctrl+Shift+O)</source>
        <translation>Zoom Out (Ctrl+Shift+O)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Mostrar grid</source>
        <translation>Show Grid</translation>
    </message>
    <message>
        <source>Mostrar grid (Ctrl+G)</source>
        <translation>Show Grid (Ctrl+G)</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>&amp;Detalhes</source>
        <translation>&amp;Details</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Espanhol</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Português</source>
        <translation>Português</translation>
    </message>
    <message>
        <source>Frence</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Deutsche</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>&amp;Sobre</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Sobre Qt</source>
        <translation>About &amp;Qt</translation>
    </message>
    <message>
        <source>sem grupo</source>
        <translation>no group</translation>
    </message>
    <message>
        <source>(sem descrição)</source>
        <translation>(no description)</translation>
    </message>
    <message>
        <source>Atenção!</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>O arquivo de dados zor.ini não foi encontrado.</source>
        <translation>The data file zor.ini was not found.</translation>
    </message>
    <message>
        <source>Ocorreram mudanças nas macros, deseja salvar
estas alterações?</source>
        <translation>The macros have been changed. Do you want to save
these changes?</translation>
    </message>
    <message>
        <source>Salvar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Descartar</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Salvar como</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Arquivos de seq. de macros (*.%1)</source>
        <translation>Macro sequence files (*.%1)</translation>
    </message>
    <message>
        <source>Erro!</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Esta versão do Zor irá salvar o arquivo no formato MCX. O arquivo original será mantido, porém as alterações serão salvas no novo formato.</source>
        <translation>This version of Zor saves the file in the MCX format. The original file is kept, but the changes will be saved in the new format.</translation>
    </message>
    <message>
        <source>Abrir grupo de macros</source>
        <translation>Open Macro Group</translation>
    </message>
    <message>
        <source>Todos arquivos de seq. de macros (*.mcx *.mcr);;Arquivos de seq. de macros (*.mcx);;Arquivos de seq. de macros versão antiga (*.mcr)</source>
        <translation>All macro sequence files (*.mcx *.mcr);;Macro sequence files (*.mcx);;Macro sequence files, old version (*.mcr)</translation>
    </message>
    <message>
        <source>Foram encontrados os seguintes caracteres não autorizados:</source>
        <translation>The following characters that are not allowed were found:</translation>
    </message>
    <message>
        <source>nas seguintes macros:</source>
        <translation>in the following macros:</translation>
    </message>
    <message>
        <source>Caracteres Incompatíveis</source>
        <translation>Incompatible Characters</translation>
    </message>
    <message>
        <source>Deseja realizar a correção automática?</source>
        <translation>Do you want them corrected automatically?</translation>
    </message>
    <message>
        <source>Sucesso</source>
        <translation>Success</translation>
    </message>
    <message>
        <source>Ajustes concluídos com sucesso</source>
        <translation>Corrections completed successfully</translation>
    </message>
    <message>
        <source>Sim</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Não</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Arquivo inválido, necessário ajuste da tag na linha</source>
        <translation>Invalid file, the field tag on the following line must be corrected:</translation>
    </message>
    <message>
        <source>&amp;Editar</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Histórico</source>
        <translation>History</translation>
    </message>
    <message>
        <source>&lt;aberto&gt;</source>
        <translation>&lt;opened&gt;</translation>
    </message>
    <message>
        <source>&amp;Desfazer</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Desfazer (Ctrl+Z)</source>
        <translation>Undo (Ctrl+Z)</translation>
    </message>
    <message>
        <source>&amp;Refazer</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Refazer (Ctrl+Shift+Z)</source>
        <translation>Redo (Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>&amp;Histórico</source>
        <translation>&amp;History</translation>
    </message>
    <message>
        <source>&amp;Desfazer %1</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <source>&amp;Refazer %1</source>
        <translation>&amp;Redo %1</translation>
    </message>
    <message>
        <source>Sem nome</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Comparar com...</source>
        <translation>Compare with...</translation>
    </message>
    <message>
        <source>Comparar o grupo aberto com outro arquivo de grupo</source>
        <translation>Compare the open group with another group file</translation>
    </message>
    <message>
        <source>Comparar com</source>
        <translation>Compare with</translation>
    </message>
    <message>
        <source>Si&amp;mular</source>
        <translation>Si&amp;mulate</translation>
    </message>
    <message>
        <source>Simular o grupo no terminal do motorista (Ctrl+R)</source>
        <translation>Try the group on the driver&apos;s terminal (Ctrl+R)</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>E&amp;xibir</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Exportar imagem...</source>
        <translation>&amp;Export Image...</translation>
    </message>
    <message>
        <source>Exportar o fluxo do grupo como imagem PNG ou SVG</source>
        <translation>Export the group&apos;s flow as a PNG or SVG picture</translation>
    </message>
    <message>
        <source>Im&amp;primir...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Imprimir o fluxo do grupo (Ctrl+P)</source>
        <translation>Print the group&apos;s flow (Ctrl+P)</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Procurar macro</source>
        <translation>&amp;Find Macro</translation>
    </message>
    <message>
        <source>Procurar macro por número, sigla ou nome (Ctrl+F)</source>
        <translation>Find a macro by number, acronym or name (Ctrl+F)</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Próxima &amp;encontrada</source>
        <translation>Find &amp;Next</translation>
    </message>
    <message>
        <source>Próxima macro encontrada (F3)</source>
        <translation>Next macro found (F3)</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>&amp;Anterior encontrada</source>
        <translation>Find Pre&amp;vious</translation>
    </message>
    <message>
        <source>Macro encontrada anterior (Shift+F3)</source>
        <translation>Previous macro found (Shift+F3)</translation>
    </message>
    <message>
        <source>Shift+F3</source>
        <translation>Shift+F3</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>Zoom 100% (Ctrl+1)</source>
        <translation>Zoom 100% (Ctrl+1)</translation>
    </message>
    <message>
        <source>Ctrl+1</source>
        <translation>Ctrl+1</translation>
    </message>
    <message>
        <source>Ajustar à &amp;janela</source>
        <translation>&amp;Fit to Window</translation>
    </message>
    <message>
        <source>Ajustar o fluxo à janela (Ctrl+0)</source>
        <translation>Fit the flow to the window (Ctrl+0)</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>&amp;Verificação</source>
        <translation>&amp;Verification</translation>
    </message>
    <message>
        <source>Nenhuma macro encontrada</source>
        <translation>No macro found</translation>
    </message>
    <message>
        <source>&amp;Organizar caixas</source>
        <translation>&amp;Arrange boxes</translation>
    </message>
    <message>
        <source>Organizar as caixas pelo fluxo, de cima para baixo; com caixas selecionadas, só elas (Ctrl+L)</source>
        <translation>Arrange the boxes by their flow, top to bottom; with boxes selected, only those (Ctrl+L)</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Grupo de Macros: %1</source>
        <translation>Macro group: %1</translation>
    </message>
    <message>
        <source>Data de Criação: %1</source>
        <translation>Created on: %1</translation>
    </message>
    <message>
        <source>Descrição: %1</source>
        <translation>Description: %1</translation>
    </message>
    <message>
        <source>%1 objetos selecionados</source>
        <translation>%1 objects selected</translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo %1</source>
        <translation>Could not open the file %1</translation>
    </message>
    <message>
        <source>Não foi possível salvar o arquivo %1</source>
        <translation>Could not save the file %1</translation>
    </message>
</context>
<context>
    <name>McrReader</name>
    <message>
        <source>O arquivo tem %1 bytes, menos que os %2 do cabeçalho de um arquivo .mcr.</source>
        <translation>The file has %1 bytes, fewer than the %2 of the header of an .mcr file.</translation>
    </message>
    <message>
        <source>O arquivo termina antes do fim dos seus dados (%1).</source>
        <translation>The file ends before the end of its data (%1).</translation>
    </message>
    <message>
        <source>O arquivo tem %1 bytes, menos que os %2 do cabeçalho: o grupo fica vazio.</source>
        <translation>The file has %1 bytes, fewer than the %2 of the header: the group stays empty.</translation>
    </message>
    <message>
        <source>Sobram %1 bytes depois do último registro completo; foram ignorados.</source>
        <translation>%1 bytes are left after the last whole record; they were ignored.</translation>
    </message>
    <message>
        <source>A versão %1 é mais nova que a de qualquer arquivo .mcr.</source>
        <translation>The version %1 is newer than that of any .mcr file.</translation>
    </message>
    <message>
        <source>O comprimento do nome, %1, passa dos %2 bytes do campo e foi cortado.</source>
        <translation>The length of the name, %1, exceeds the %2 bytes of its field and was cut.</translation>
    </message>
    <message>
        <source>O comprimento da sigla, %1, passa dos %2 bytes do campo e foi cortado.</source>
        <translation>The length of the acronym, %1, exceeds the %2 bytes of its field and was cut.</translation>
    </message>
</context>
<context>
    <name>McxReader</name>
    <message>
        <source>Erro de sintaxe JSON na linha %1, coluna %2 (byte %3): %4.</source>
        <translation>JSON syntax error on line %1, column %2 (byte %3): %4.</translation>
    </message>
    <message>
        <source>A versão do arquivo, %1, não pôde ser lida; o arquivo é lido no formato atual.</source>
        <translation>The version of the file, %1, could not be read; the file is read in the current format.</translation>
    </message>
</context>
<context>
    <name>MoveBoxesCommand</name>
    <message>
        <source>Redimensionar %1 caixas</source>
        <translation>Resize %1 boxes</translation>
    </message>
    <message>
        <source>Mover %1 caixas</source>
        <translation>Move %1 boxes</translation>
    </message>
    <message>
        <source>Redimensionar caixa %1</source>
        <translation>Resize box %1</translation>
    </message>
    <message>
        <source>Mover caixa %1</source>
        <translation>Move box %1</translation>
    </message>
    <message>
        <source>Organizar caixas</source>
        <translation>Arrange boxes</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Usage: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[options]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Arguments:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Displays help on commandline options.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Displays help including Qt specific options.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Displays version information.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unknown option &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Unknown options: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Missing value after &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Unexpected value after &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Permission denied</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>No such file or directory</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>No space left on device</translation>
    </message>
</context>
<context>
    <name>QJsonParseError</name>
    <message>
        <source>unterminated object</source>
        <translation>unterminated object</translation>
    </message>
    <message>
        <source>missing name separator</source>
        <translation>missing name separator</translation>
    </message>
    <message>
        <source>unterminated array</source>
        <translation>unterminated array</translation>
    </message>
    <message>
        <source>missing value separator</source>
        <translation>missing value separator</translation>
    </message>
    <message>
        <source>illegal value</source>
        <translation>illegal value</translation>
    </message>
    <message>
        <source>invalid termination by number</source>
        <translation>invalid termination by number</translation>
    </message>
    <message>
        <source>illegal number</source>
        <translation>illegal number</translation>
    </message>
    <message>
        <source>invalid escape sequence</source>
        <translation>invalid escape sequence</translation>
    </message>
    <message>
        <source>invalid UTF8 string</source>
        <translation>invalid UTF8 string</translation>
    </message>
    <message>
        <source>unterminated string</source>
        <translation>unterminated string</translation>
    </message>
    <message>
        <source>object is missing after a comma</source>
        <translation>object is missing after a comma</translation>
    </message>
    <message>
        <source>too deeply nested document</source>
        <translation>too deeply nested document</translation>
    </message>
    <message>
        <source>too large document</source>
        <translation>too large document</translation>
    </message>
    <message>
        <source>garbage at the end of the document</source>
        <translation>garbage at the end of the document</translation>
    </message>
</context>
<context>
    <name>RecentFilesMenu</name>
    <message>
        <source>Atenção!</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>O arquivo %1 não existe mais e foi retirado da lista.</source>
        <translation>The file %1 no longer exists and was taken off the list.</translation>
    </message>
    <message>
        <source>Abrir &amp;recente</source>
        <translation>Open &amp;Recent</translation>
    </message>
    <message>
        <source>&amp;Limpar lista</source>
        <translation>&amp;Clear List</translation>
    </message>
</context>
<context>
    <name>SimulateCommand</name>
    <message>
        <source>Não foi possível abrir o arquivo %1</source>
        <translation>Could not open the file %1</translation>
    </message>
    <message>
        <source>Não foi possível ler o roteiro %1</source>
        <translation>Could not read the script %1</translation>
    </message>
    <message>
        <source>linha %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>campo %1 (%2): escreva on ou off</source>
        <translation>field %1 (%2): write on or off</translation>
    </message>
</context>
<context>
    <name>SimulationScript</name>
    <message>
        <source>linha %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>&quot;open&quot; pede o número de uma macro: open 1</source>
        <translation>&quot;open&quot; needs the number of a macro: open 1</translation>
    </message>
    <message>
        <source>&quot;field&quot; pede o número do campo, a partir de 1, e o texto: field 1 JOAO</source>
        <translation>&quot;field&quot; needs the number of the field, from 1, and the text: field 1 JOAO</translation>
    </message>
    <message>
        <source>&quot;next&quot; pede uma tecla de F0 a F9: next F1</source>
        <translation>&quot;next&quot; needs a key from F0 to F9: next F1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não leva argumentos</source>
        <translation>&quot;%1&quot; takes no arguments</translation>
    </message>
    <message>
        <source>passo desconhecido &quot;%1&quot; (open, field, send, next, back, screen)</source>
        <translation>unknown step &quot;%1&quot; (open, field, send, next, back, screen)</translation>
    </message>
</context>
<context>
    <name>StartScreen</name>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>ATL</source>
        <translation>KEY</translation>
    </message>
    <message>
        <source>SIG</source>
        <translation>ACR</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
</context>
<context>
    <name>TabledEditor</name>
    <message>
        <source>Obrigatório</source>
        <translation>Required</translation>
    </message>
    <message>
        <source>Opcional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>Tamanho do campo</source>
        <translation>Field Length</translation>
    </message>
    <message>
        <source>Digite o tamanho do campo incluindo &apos;[&apos; e &apos;]&apos;:</source>
        <translation>Enter the field length, including &apos;[&apos; and &apos;]&apos;:</translation>
    </message>
    <message>
        <source>Inserir comando</source>
        <translation>Insert Command</translation>
    </message>
    <message>
        <source>O tamanho do campo ultrapassa o fim da linha...</source>
        <translation>The field runs past the end of the line...</translation>
    </message>
    <message>
        <source>Este campo não pode ser inserido nesta posição...</source>
        <translation>This field cannot be inserted at this position...</translation>
    </message>
</context>
<context>
    <name>TerminalField</name>
    <message>
        <source>é um campo de marcar, sem texto</source>
        <translation>it is a mark field, without text</translation>
    </message>
    <message>
        <source>&quot;%1&quot; é mais longo que o campo (%2 caracteres)</source>
        <translation>&quot;%1&quot; is longer than the field (%2 characters)</translation>
    </message>
    <message>
        <source>o caractere &quot;%1&quot; não é aceito aqui</source>
        <translation>the character &quot;%1&quot; is not accepted here</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não é um número decimal</source>
        <translation>&quot;%1&quot; is not a decimal number</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não é uma data válida (dd/mm/aa)</source>
        <translation>&quot;%1&quot; is not a valid date (dd/mm/yy)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não é uma hora válida (hh:mm)</source>
        <translation>&quot;%1&quot; is not a valid time (hh:mm)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não é uma data e hora válidas (dd/mm/aa hh:mm)</source>
        <translation>&quot;%1&quot; is not a valid date and time (dd/mm/yy hh:mm)</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Senha</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Data/Hora</source>
        <translation>Date/Time</translation>
    </message>
    <message>
        <source>Checagem</source>
        <translation>Checkbox</translation>
    </message>
    <message>
        <source>Seleção</source>
        <translation>Selection</translation>
    </message>
    <message>
        <source>Texto</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Numérico</source>
        <translation>Numeric</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Decimal</translation>
    </message>
</context>
<context>
    <name>TerminalForm</name>
    <message>
        <source>não é um campo de marcar</source>
        <translation>it is not a mark field</translation>
    </message>
    <message>
        <source>uma seleção só sai ao escolher outra</source>
        <translation>a selection only goes by choosing another</translation>
    </message>
    <message>
        <source>obrigatório, precisa ser marcado</source>
        <translation>obligatory, it must be marked</translation>
    </message>
    <message>
        <source>obrigatório, escolha uma das seleções da tela</source>
        <translation>obligatory, choose one of the selections of the screen</translation>
    </message>
    <message>
        <source>obrigatório, está vazio</source>
        <translation>obligatory, it is empty</translation>
    </message>
    <message>
        <source>campo %1 (%2): %3</source>
        <translation>field %1 (%2): %3</translation>
    </message>
    <message>
        <source>não há campo %1 nesta tela (campos: %2)</source>
        <translation>there is no field %1 on this screen (fields: %2)</translation>
    </message>
</context>
<context>
    <name>TerminalSession</name>
    <message>
        <source>volte à tela inicial para abrir outra macro</source>
        <translation>go back to the start screen to open another macro</translation>
    </message>
    <message>
        <source>não há macro de número %1 no grupo</source>
        <translation>there is no macro number %1 in the group</translation>
    </message>
    <message>
        <source>abra uma macro primeiro</source>
        <translation>open a macro first</translation>
    </message>
    <message>
        <source>a macro %1 é de informação: não tem campos nem é enviada</source>
        <translation>the macro %1 is an information macro: it has no fields and is not sent</translation>
    </message>
    <message>
        <source>a macro %1 já foi enviada</source>
        <translation>the macro %1 has already been sent</translation>
    </message>
    <message>
        <source>envie a macro %1 antes de seguir o fluxo</source>
        <translation>send the macro %1 before following the flow</translation>
    </message>
    <message>
        <source>a macro %1 não tem macro na tecla F%2</source>
        <translation>the macro %1 has no macro on the key F%2</translation>
    </message>
    <message>
        <source>a tecla F%1 leva à sigla %2, que não existe no grupo</source>
        <translation>the key F%1 leads to the acronym %2, which is not in the group</translation>
    </message>
    <message>
        <source>já está na tela inicial</source>
        <translation>already on the start screen</translation>
    </message>
</context>
<context>
    <name>VerificationDock</name>
    <message>
        <source>Verificação</source>
        <translation>Verification</translation>
    </message>
    <message>
        <source>Nenhum problema</source>
        <translation>No problems</translation>
    </message>
    <message>
        <source>1 problema</source>
        <translation>1 problem</translation>
    </message>
    <message>
        <source>%1 problemas</source>
        <translation>%1 problems</translation>
    </message>
    <message>
        <source>Nenhum grupo aberto.</source>
        <translation>No group open.</translation>
    </message>
    <message>
        <source>O grupo não tem problemas.</source>
        <translation>The group has no problems.</translation>
    </message>
</context>
<context>
    <name>dlgAbout</name>
    <message>
        <source>Sobre o Zor - Quorvane</source>
        <translation>About Zor - Quorvane</translation>
    </message>
    <message>
        <source>Zor - Quorvane
Versão: %1</source>
        <translation>Zor - Quorvane
Version: %1</translation>
    </message>
</context>
<context>
    <name>dlgConfigMacro</name>
    <message>
        <source>Configurar Macro</source>
        <translation>Configure Macro</translation>
    </message>
    <message>
        <source>&amp;Número</source>
        <translation>&amp;Number</translation>
    </message>
    <message>
        <source>No&amp;me</source>
        <translation>Na&amp;me</translation>
    </message>
    <message>
        <source>&amp;Atalho</source>
        <translation>&amp;Hotkey</translation>
    </message>
    <message>
        <source>&amp;Sigla</source>
        <translation>&amp;Acronym</translation>
    </message>
    <message>
        <source>&amp;Tipo</source>
        <translation>&amp;Type</translation>
    </message>
    <message>
        <source>Início de viagem</source>
        <translation>Trip start</translation>
    </message>
    <message>
        <source>Parada</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Operação</source>
        <translation>Operation</translation>
    </message>
    <message>
        <source>Solicitação</source>
        <translation>Request</translation>
    </message>
    <message>
        <source>Reinício de viagem</source>
        <translation>Trip restart</translation>
    </message>
    <message>
        <source>Fim de viagem</source>
        <translation>Trip end</translation>
    </message>
    <message>
        <source>Especiais</source>
        <translation>Special</translation>
    </message>
    <message>
        <source>Se&amp;gurança</source>
        <translation>&amp;Security</translation>
    </message>
    <message>
        <source>&amp;Informação</source>
        <translation>&amp;Information</translation>
    </message>
    <message>
        <source>&amp;Formulário</source>
        <translation>&amp;Form</translation>
    </message>
    <message>
        <source>Caracteres aceitos: 0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ,.;:?![] _-/$%</source>
        <translation>Accepted characters: 0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ,.;:?![] _-/$%</translation>
    </message>
    <message>
        <source>&amp;Validação</source>
        <translation>&amp;Validation</translation>
    </message>
    <message>
        <source>Estas propriedades não se aplicam para macros tipo &apos;Informação&apos;</source>
        <translation>These properties do not apply to macros of the &apos;Information&apos; kind</translation>
    </message>
    <message>
        <source>A&amp;utomação</source>
        <translation>A&amp;utomation</translation>
    </message>
    <message>
        <source>Atuação</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Mo&amp;do seguro</source>
        <translation>Secure Mo&amp;de</translation>
    </message>
    <message>
        <source>Sensores</source>
        <translation>Sensors</translation>
    </message>
    <message>
        <source>Atuadores</source>
        <translation>Actuators</translation>
    </message>
    <message>
        <source>Vio&amp;lação</source>
        <translation>Vio&amp;lation</translation>
    </message>
    <message>
        <source>Item para análise</source>
        <translation>Item to analyze</translation>
    </message>
    <message>
        <source>Tempo de análise (m:ss)</source>
        <translation>Analysis time (m:ss)</translation>
    </message>
    <message>
        <source>Raio (m)</source>
        <translation>Radius (m)</translation>
    </message>
    <message>
        <source>Flu&amp;xo Operacional </source>
        <translation>Operational Flo&amp;w </translation>
    </message>
    <message>
        <source>Configuração de próximas macros permitidas</source>
        <translation>Macros allowed next</translation>
    </message>
    <message>
        <source>F0</source>
        <translation>F0</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>Validar</source>
        <translation>Validate</translation>
    </message>
    <message>
        <source>T&amp;exto de Confirmação</source>
        <translation>Confirmation Te&amp;xt</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancelar</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Senha</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Data/Hora</source>
        <translation>Date/Time</translation>
    </message>
    <message>
        <source>Checagem</source>
        <translation>Checkbox</translation>
    </message>
    <message>
        <source>Seleção</source>
        <translation>Selection</translation>
    </message>
    <message>
        <source>Texto</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Numérico</source>
        <translation>Numeric</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Decimal</translation>
    </message>
    <message>
        <source>Atenção!</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>A violação de âncora foi selecionada, ao confirmar essa ação, o atalho será excluído</source>
        <translation>The anchor violation was selected. If you confirm, the hotkey will be removed.</translation>
    </message>
    <message>
        <source>Sim</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Não</source>
        <translation>No</translation>
    </message>
    <message>
        <source>O campo &apos;Numero&apos; deve ser maior que zero.</source>
        <translation>The &apos;Number&apos; field must be greater than zero.</translation>
    </message>
    <message>
        <source>O número da macro já existe.</source>
        <translation>The macro number already exists.</translation>
    </message>
    <message>
        <source>Arquivo inválido, necessário ajuste da tag na linha</source>
        <translation>Invalid file, the field tag on the following line must be corrected:</translation>
    </message>
    <message>
        <source>
O campo &apos;Sigla&apos; deve ser preenchido.</source>
        <translation>
The &apos;Acronym&apos; field must be filled in.</translation>
    </message>
    <message>
        <source>
A sigla da macro já existe.</source>
        <translation>
The macro acronym already exists.</translation>
    </message>
    <message>
        <source>
O campo &apos;Atalho&apos; deve ser maior que zero e menor que 249.</source>
        <translation>
The &apos;Hotkey&apos; field must be greater than zero and less than 249.</translation>
    </message>
    <message>
        <source>
O nome da macro não pode conter acentos!</source>
        <translation>
The macro name must not contain accents!</translation>
    </message>
    <message>
        <source>
A sigla não pode conter acentos!</source>
        <translation>
The acronym must not contain accents!</translation>
    </message>
    <message>
        <source>Erro!</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Sigla da função F%1 não existe!</source>
        <translation>The acronym in F%1 does not exist!</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Informação</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Verificação concluída!</source>
        <translation>Check complete!</translation>
    </message>
    <message>
        <source>L: %1, C: %2</source>
        <translation>Ln: %1, Col: %2</translation>
    </message>
    <message>
        <source>O valor de &apos;Violação de Âncora&apos;&apos; é menor que o mínimo permitido (</source>
        <translation>The &apos;Anchor Violation&apos; value is below the permitted minimum (</translation>
    </message>
    <message>
        <source>O valor de &apos;Violação de Âncora&apos; é maior que o máximo permitido (</source>
        <translation>The &apos;Anchor Violation&apos; value is above the permitted maximum (</translation>
    </message>
    <message>
        <source>Apenas %1 violações são permitidas!</source>
        <translation>Only %1 violations are allowed!</translation>
    </message>
</context>
<context>
    <name>dlgGroup</name>
    <message>
        <source>Novo grupo de macros</source>
        <translation>New Macro Group</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>(Nome do grupo)</source>
        <translation>(Group name)</translation>
    </message>
    <message>
        <source>Descrição</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>(Descrição do grupo)</source>
        <translation>(Group description)</translation>
    </message>
    <message>
        <source>&amp;Novo</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Cancelar</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>dlgGroupDesc</name>
    <message>
        <source>Descrição</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Entre com a descrição:</source>
        <translation>Enter the description:</translation>
    </message>
    <message>
        <source>(sem nome)</source>
        <translation>(no name)</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>dlgNovaMacro</name>
    <message>
        <source>Inclusão de nova macro</source>
        <translation>Add New Macro</translation>
    </message>
    <message>
        <source>Número</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Atalho</source>
        <translation>Hotkey</translation>
    </message>
    <message>
        <source>Sigla</source>
        <translation>Acronym</translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Início de viagem</source>
        <translation>Trip start</translation>
    </message>
    <message>
        <source>Parada</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Operação</source>
        <translation>Operation</translation>
    </message>
    <message>
        <source>Solicitação</source>
        <translation>Request</translation>
    </message>
    <message>
        <source>Reinício de viagem</source>
        <translation>Trip restart</translation>
    </message>
    <message>
        <source>Fim de viagem</source>
        <translation>Trip end</translation>
    </message>
    <message>
        <source>Especiais</source>
        <translation>Special</translation>
    </message>
    <message>
        <source>Segurança</source>
        <translation>Security</translation>
    </message>
    <message>
        <source>Informação</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>&amp;Incluir</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>&amp;Cancelar</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>O número da macro já existe.</source>
        <translation>The macro number already exists.</translation>
    </message>
    <message>
        <source>O atalho da macro já existe.</source>
        <translation>This hotkey is already in use.</translation>
    </message>
    <message>
        <source>A sigla da macro já existe.</source>
        <translation>The macro acronym already exists.</translation>
    </message>
    <message>
        <source>O nome da macro não pode conter acentos!</source>
        <translation>The macro name must not contain accents!</translation>
    </message>
    <message>
        <source>A sigla não pode conter acentos!</source>
        <translation>The acronym must not contain accents!</translation>
    </message>
    <message>
        <source>
O campo &apos;Atalho&apos; deve ser maior que zero e menor que 249.</source>
        <translation>
The &apos;Hotkey&apos; field must be greater than zero and less than 249.</translation>
    </message>
    <message>
        <source>O campo &quot;Número&quot; da macro deve ser preenchido!</source>
        <translation>The &quot;Number&quot; field of the macro must be filled in!</translation>
    </message>
    <message>
        <source>O campo &quot;Nome&quot;&apos; da macro deve ser preenchido!</source>
        <translation>The &quot;Name&quot; field of the macro must be filled in!</translation>
    </message>
    <message>
        <source>O campo &quot;Sigla&quot; da macro deve ser preenchido!</source>
        <translation>The &quot;Acronym&quot; field of the macro must be filled in!</translation>
    </message>
    <message>
        <source>Deve ser definido o tipo da macro!</source>
        <translation>The macro type must be set!</translation>
    </message>
    <message>
        <source>Erro!</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>dlgSimulator</name>
    <message>
        <source>Simulador do terminal</source>
        <translation>Terminal simulator</translation>
    </message>
    <message>
        <source>&amp;Macro:</source>
        <translation>&amp;Macro:</translation>
    </message>
    <message>
        <source>&amp;Abrir</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Enviar</source>
        <translation>&amp;Send</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>Me&amp;nsagens enviadas</source>
        <translation>Se&amp;nt messages</translation>
    </message>
    <message>
        <source>&amp;Fechar</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Digite o número de uma macro da lista.</source>
        <translation>Type the number of a macro of the list.</translation>
    </message>
    <message>
        <source>Tela inicial: digite o número de uma macro e Abrir. Page Up e Page Down mudam de página.</source>
        <translation>Start screen: type the number of a macro and Open. Page Up and Page Down turn the pages.</translation>
    </message>
    <message>
        <source>Macro %1 (%2): preencha os campos (Para cima, Para baixo e Enter mudam de campo; Espaço marca) e Enviar.</source>
        <translation>Macro %1 (%2): fill in the fields (Up, Down and Enter change fields; Space marks) and Send.</translation>
    </message>
    <message>
        <source>Macro %1 (%2), de informação: siga por F0 a F9 (também Ctrl+0 a Ctrl+9) ou Voltar.</source>
        <translation>Macro %1 (%2), information: go on with F0 to F9 (also Ctrl+0 to Ctrl+9) or Back.</translation>
    </message>
    <message>
        <source>Macro %1 (%2) enviada: siga por F0 a F9 (também Ctrl+0 a Ctrl+9) ou Voltar.</source>
        <translation>Macro %1 (%2) sent: go on with F0 to F9 (also Ctrl+0 to Ctrl+9) or Back.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Enable debug logs</source>
        <translation>Enable debug logs</translation>
    </message>
    <message>
        <source>Set application language to &lt;language&gt;.</source>
        <translation>Set application language to &lt;language&gt;.</translation>
    </message>
    <message>
        <source>Convert the group file IN to OUT without a window: --convert IN OUT. Each file&apos;s format follows its suffix (.mcr, or .mcx for any other).</source>
        <translation>Convert the group file IN to OUT without a window: --convert IN OUT. Each file&apos;s format follows its suffix (.mcr, or .mcx for any other).</translation>
    </message>
    <message>
        <source>Zor</source>
        <translation>Zor</translation>
    </message>
    <message>
        <source>File to open</source>
        <translation>File to open</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Usage: %1</translation>
    </message>
    <message>
        <source>Check the group files FILE... against the terminal&apos;s rules without a window: --check FILE... Exit status 0 when nothing was found, 1 when something was, 2 when a file can&apos;t be read.</source>
        <translation>Check the group files FILE... against the terminal&apos;s rules without a window: --check FILE... Exit status 0 when nothing was found, 1 when something was, 2 when a file can&apos;t be read.</translation>
    </message>
    <message>
        <source>Draw the flow diagram of the group file IN into the picture OUT without a window: --export-image IN OUT. PNG or SVG by the suffix of OUT.</source>
        <translation>Draw the flow diagram of the group file IN into the picture OUT without a window: --export-image IN OUT. PNG or SVG by the suffix of OUT.</translation>
    </message>
    <message>
        <source>Pixels per diagram unit of --export-image (default 1).</source>
        <translation>Pixels per diagram unit of --export-image (default 1).</translation>
    </message>
    <message>
        <source>Compare the group files OLD and NEW by meaning without a window: --diff OLD NEW. Exit status 0 when they are the same, 1 when they differ, 2 when a file can&apos;t be read.</source>
        <translation>Compare the group files OLD and NEW by meaning without a window: --diff OLD NEW. Exit status 0 when they are the same, 1 when they differ, 2 when a file can&apos;t be read.</translation>
    </message>
    <message>
        <source>With --diff: box positions and sizes count as changes too.</source>
        <translation>With --diff: box positions and sizes count as changes too.</translation>
    </message>
    <message>
        <source>Report of --check and --diff: text (one line per finding or change, the default) or json.</source>
        <translation>Report of --check and --diff: text (one line per finding or change, the default) or json.</translation>
    </message>
    <message>
        <source>Run the group file GROUP on a simulated driver terminal without a window: --simulate GROUP --script STEPS. Exit status 0 when every step was accepted, 1 when one was refused, 2 when the group or the script can&apos;t be read.</source>
        <translation>Run the group file GROUP on a simulated driver terminal without a window: --simulate GROUP --script STEPS. Exit status 0 when every step was accepted, 1 when one was refused, 2 when the group or the script can&apos;t be read.</translation>
    </message>
    <message>
        <source>Steps of --simulate, one a line: open N, field K TEXT, send, next FK, back, screen.</source>
        <translation>Steps of --simulate, one a line: open N, field K TEXT, send, next FK, back, screen.</translation>
    </message>
    <message>
        <source>With --convert or --export-image: lay the boxes out by their flow first, top to bottom.</source>
        <translation>With --convert or --export-image: lay the boxes out by their flow first, top to bottom.</translation>
    </message>
    <message>
        <source>With --check: how many files are read and checked at once (default: one per processor core).</source>
        <translation>With --check: how many files are read and checked at once (default: one per processor core).</translation>
    </message>
</context>
</TS>
