<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="pt_BR">
<context>
    <name>AddMacroCommand</name>
    <message>
        <source>Nova macro %1</source>
        <translation>Nova macro %1</translation>
    </message>
</context>
<context>
    <name>AnchorSettings</name>
    <message>
        <source>%1: o valor &quot;%2&quot; da chave &quot;%3&quot; da seção &quot;ancora&quot; não é um número de 0 a %4 e foi ignorado.</source>
        <translation>%1: o valor &quot;%2&quot; da chave &quot;%3&quot; da seção &quot;ancora&quot; não é um número de 0 a %4 e foi ignorado.</translation>
    </message>
</context>
<context>
    <name>BoxArranger</name>
    <message>
        <source>Organizando as caixas pelo fluxo...</source>
        <translation>Organizando as caixas pelo fluxo...</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Organizar caixas</source>
        <translation>Organizar caixas</translation>
    </message>
    <message>
        <source>A organização das caixas foi descartada: o grupo mudou enquanto ela era calculada.</source>
        <translation>A organização das caixas foi descartada: o grupo mudou enquanto ela era calculada.</translation>
    </message>
    <message>
        <source>As caixas já estão organizadas.</source>
        <translation>As caixas já estão organizadas.</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>Não foi possível abrir o arquivo.</source>
        <translation>Não foi possível abrir o arquivo.</translation>
    </message>
    <message>
        <source>Sem a violação de âncora de &quot;zor.ini&quot; na pasta de trabalho: a sequência e o raio das macros com análise de âncora não serão verificados.</source>
        <translation>Sem a violação de âncora de &quot;zor.ini&quot; na pasta de trabalho: a sequência e o raio das macros com análise de âncora não serão verificados.</translation>
    </message>
</context>
<context>
    <name>ConfigureMacroCommand</name>
    <message>
        <source>Configurar macro %1</source>
        <translation>Configurar macro %1</translation>
    </message>
</context>
<context>
    <name>ConvertCommand</name>
    <message>
        <source>Sem a violação de âncora de &quot;zor.ini&quot; na pasta de trabalho: os raios de âncora não serão convertidos.</source>
        <translation>Sem a violação de âncora de &quot;zor.ini&quot; na pasta de trabalho: os raios de âncora não serão convertidos.</translation>
    </message>
    <message>
        <source>O arquivo de saída não pode ser o próprio arquivo de entrada: %1</source>
        <translation>O arquivo de saída não pode ser o próprio arquivo de entrada: %1</translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo %1</source>
        <translation>Não foi possível abrir o arquivo %1</translation>
    </message>
    <message>
        <source>Não foi possível salvar o arquivo %1</source>
        <translation>Não foi possível salvar o arquivo %1</translation>
    </message>
</context>
<context>
    <name>CorrectCharactersCommand</name>
    <message>
        <source>Corrigir caracteres</source>
        <translation>Corrigir caracteres</translation>
    </message>
</context>
<context>
    <name>DeleteMacrosCommand</name>
    <message>
        <source>Deletar macro %1</source>
        <translation>Deletar macro %1</translation>
    </message>
    <message>
        <source>Deletar %1 macros</source>
        <translation>Deletar %1 macros</translation>
    </message>
</context>
<context>
    <name>DiffCommand</name>
    <message>
        <source>Sem o arquivo de dados %1: violações, reações e as outras listas aparecem pelo número.</source>
        <translation>Sem o arquivo de dados %1: violações, reações e as outras listas aparecem pelo número.</translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo.</source>
        <translation>Não foi possível abrir o arquivo.</translation>
    </message>
</context>
<context>
    <name>DifferenceText</name>
    <message>
        <source>Grupo</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Início de viagem</source>
        <translation>Início de viagem</translation>
    </message>
    <message>
        <source>Parada</source>
        <translation>Parada</translation>
    </message>
    <message>
        <source>Operação</source>
        <translation>Operação</translation>
    </message>
    <message>
        <source>Solicitação</source>
        <translation>Solicitação</translation>
    </message>
    <message>
        <source>Reinício de viagem</source>
        <translation>Reinício de viagem</translation>
    </message>
    <message>
        <source>Fim de viagem</source>
        <translation>Fim de viagem</translation>
    </message>
    <message>
        <source>Especiais</source>
        <translation>Especiais</translation>
    </message>
    <message>
        <source>macro adicionada: %1</source>
        <translation>macro adicionada: %1</translation>
    </message>
    <message>
        <source>macro removida: %1</source>
        <translation>macro removida: %1</translation>
    </message>
    <message>
        <source>macro renumerada: %1 -&gt; %2</source>
        <translation>macro renumerada: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>nome: %1 -&gt; %2</source>
        <translation>nome: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>descrição: %1 -&gt; %2</source>
        <translation>descrição: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>sigla: %1 -&gt; %2</source>
        <translation>sigla: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>atalho: %1 -&gt; %2</source>
        <translation>atalho: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>tipo: %1 -&gt; %2</source>
        <translation>tipo: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>Segurança</source>
        <translation>Segurança</translation>
    </message>
    <message>
        <source>Informação</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>segurança ou informação: %1 -&gt; %2</source>
        <translation>segurança ou informação: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>(nenhuma)</source>
        <translation>(nenhuma)</translation>
    </message>
    <message>
        <source>próxima macro F%1: %2 -&gt; %3</source>
        <translation>próxima macro F%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>validação adicionada: %1</source>
        <translation>validação adicionada: %1</translation>
    </message>
    <message>
        <source>validação removida: %1</source>
        <translation>validação removida: %1</translation>
    </message>
    <message>
        <source>automação adicionada: %1</source>
        <translation>automação adicionada: %1</translation>
    </message>
    <message>
        <source>automação removida: %1</source>
        <translation>automação removida: %1</translation>
    </message>
    <message>
        <source>sensor do modo seguro adicionado: %1</source>
        <translation>sensor do modo seguro adicionado: %1</translation>
    </message>
    <message>
        <source>sensor do modo seguro removido: %1</source>
        <translation>sensor do modo seguro removido: %1</translation>
    </message>
    <message>
        <source>atuador do modo seguro adicionado: %1</source>
        <translation>atuador do modo seguro adicionado: %1</translation>
    </message>
    <message>
        <source>atuador do modo seguro removido: %1</source>
        <translation>atuador do modo seguro removido: %1</translation>
    </message>
    <message>
        <source>violação %1: reação adicionada: %2</source>
        <translation>violação %1: reação adicionada: %2</translation>
    </message>
    <message>
        <source>violação %1: reação removida: %2</source>
        <translation>violação %1: reação removida: %2</translation>
    </message>
    <message>
        <source>violação %1: tempo de análise: %2 -&gt; %3</source>
        <translation>violação %1: tempo de análise: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>violação %1: raio: %2 m -&gt; %3 m</source>
        <translation>violação %1: raio: %2 m -&gt; %3 m</translation>
    </message>
    <message>
        <source>reações: %1</source>
        <translation>reações: %1</translation>
    </message>
    <message>
        <source>tempo de análise: %1</source>
        <translation>tempo de análise: %1</translation>
    </message>
    <message>
        <source>raio: %1 m</source>
        <translation>raio: %1 m</translation>
    </message>
    <message>
        <source>violação adicionada: %1</source>
        <translation>violação adicionada: %1</translation>
    </message>
    <message>
        <source>violação removida: %1</source>
        <translation>violação removida: %1</translation>
    </message>
    <message>
        <source>posição: (%1, %2) -&gt; (%3, %4)</source>
        <translation>posição: (%1, %2) -&gt; (%3, %4)</translation>
    </message>
    <message>
        <source>tamanho: %1 x %2 -&gt; %3 x %4</source>
        <translation>tamanho: %1 x %2 -&gt; %3 x %4</translation>
    </message>
    <message>
        <source>formulário, linha %1: %2 -&gt; %3</source>
        <translation>formulário, linha %1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>texto de confirmação, linha %1: %2 -&gt; %3</source>
        <translation>texto de confirmação, linha %1: %2 -&gt; %3</translation>
    </message>
</context>
<context>
    <name>DifferencesDock</name>
    <message>
        <source>Diferenças</source>
        <translation>Diferenças</translation>
    </message>
    <message>
        <source>Clique em uma linha para marcar a caixa da macro no grupo aberto</source>
        <translation>Clique em uma linha para marcar a caixa da macro no grupo aberto</translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo %1</source>
        <translation>Não foi possível abrir o arquivo %1</translation>
    </message>
    <message>
        <source>Nenhuma diferença entre %1 e o grupo aberto.</source>
        <translation>Nenhuma diferença entre %1 e o grupo aberto.</translation>
    </message>
    <message>
        <source>De %1 para o grupo aberto:</source>
        <translation>De %1 para o grupo aberto:</translation>
    </message>
</context>
<context>
    <name>ExportImageCommand</name>
    <message>
        <source>A imagem teria %1 x %2 pixels; o máximo é %3 de cada lado.</source>
        <translation>A imagem teria %1 x %2 pixels; o máximo é %3 de cada lado.</translation>
    </message>
    <message>
        <source>A imagem teria %1 x %2 pixels; o máximo é %3 pixels ao todo.</source>
        <translation>A imagem teria %1 x %2 pixels; o máximo é %3 pixels ao todo.</translation>
    </message>
    <message>
        <source>Escala inválida (use um número maior que zero): %1</source>
        <translation>Escala inválida (use um número maior que zero): %1</translation>
    </message>
    <message>
        <source>O arquivo de saída não pode ser o próprio arquivo de entrada: %1</source>
        <translation>O arquivo de saída não pode ser o próprio arquivo de entrada: %1</translation>
    </message>
    <message>
        <source>Formato de imagem não suportado (use .png ou .svg): %1</source>
        <translation>Formato de imagem não suportado (use .png ou .svg): %1</translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo %1</source>
        <translation>Não foi possível abrir o arquivo %1</translation>
    </message>
    <message>
        <source>Não foi possível salvar o arquivo %1</source>
        <translation>Não foi possível salvar o arquivo %1</translation>
    </message>
</context>
<context>
    <name>FileGuard</name>
    <message>
        <source>O arquivo %1 já está aberto em outro Zor.</source>
        <translation>O arquivo %1 já está aberto em outro Zor.</translation>
    </message>
    <message>
        <source>Se os dois o salvarem, as alterações salvas por último apagarão as outras.</source>
        <translation>Se os dois o salvarem, as alterações salvas por último apagarão as outras.</translation>
    </message>
    <message>
        <source>Abrir mesmo assim</source>
        <translation>Abrir mesmo assim</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Sem nome</source>
        <translation>Sem nome</translation>
    </message>
    <message>
        <source>Arquivo: nenhum, o grupo nunca foi salvo.</source>
        <translation>Arquivo: nenhum, o grupo nunca foi salvo.</translation>
    </message>
    <message>
        <source>Arquivo: %1</source>
        <translation>Arquivo: %1</translation>
    </message>
    <message>
        <source>Cópia gravada em %1.</source>
        <translation>Cópia gravada em %1.</translation>
    </message>
    <message>
        <source>O Zor foi encerrado antes de salvar as alterações do grupo %1. Deseja recuperá-las?</source>
        <translation>O Zor foi encerrado antes de salvar as alterações do grupo %1. Deseja recuperá-las?</translation>
    </message>
    <message>
        <source>Recuperar</source>
        <translation>Recuperar</translation>
    </message>
    <message>
        <source>Descartar</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Depois</source>
        <translation>Depois</translation>
    </message>
    <message>
        <source>Atenção!</source>
        <translation>Atenção!</translation>
    </message>
    <message>
        <source>O arquivo %1 foi alterado por outro programa depois que foi aberto aqui.</source>
        <translation>O arquivo %1 foi alterado por outro programa depois que foi aberto aqui.</translation>
    </message>
    <message>
        <source>Salvar agora apaga as alterações do outro programa.</source>
        <translation>Salvar agora apaga as alterações do outro programa.</translation>
    </message>
    <message>
        <source>Sobrescrever</source>
        <translation>Sobrescrever</translation>
    </message>
    <message>
        <source>O arquivo %1 foi alterado por outro programa.</source>
        <translation>O arquivo %1 foi alterado por outro programa.</translation>
    </message>
    <message>
        <source>Deseja recarregá-lo?</source>
        <translation>Deseja recarregá-lo?</translation>
    </message>
    <message>
        <source>Recarregar</source>
        <translation>Recarregar</translation>
    </message>
    <message>
        <source>Ignorar</source>
        <translation>Ignorar</translation>
    </message>
</context>
<context>
    <name>FileSaver</name>
    <message>
        <source>Não é um arquivo comum (é uma pasta, um dispositivo ou um pipe) e não será substituído.</source>
        <translation>Não é um arquivo comum (é uma pasta, um dispositivo ou um pipe) e não será substituído.</translation>
    </message>
    <message>
        <source>O arquivo está protegido contra gravação.</source>
        <translation>O arquivo está protegido contra gravação.</translation>
    </message>
</context>
<context>
    <name>FindField</name>
    <message>
        <source>Procurar macro</source>
        <translation>Procurar macro</translation>
    </message>
    <message>
        <source>Procurar macro por número, sigla ou nome (Ctrl+F); F3: próxima</source>
        <translation>Procurar macro por número, sigla ou nome (Ctrl+F); F3: próxima</translation>
    </message>
</context>
<context>
    <name>FindingsModel</name>
    <message>
        <source>Regra</source>
        <translation>Regra</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Problema</source>
        <translation>Problema</translation>
    </message>
</context>
<context>
    <name>FlowOutput</name>
    <message>
        <source>Exportar imagem</source>
        <translation>Exportar imagem</translation>
    </message>
    <message>
        <source>Imagem PNG (*.png);;Imagem SVG (*.svg)</source>
        <translation>Imagem PNG (*.png);;Imagem SVG (*.svg)</translation>
    </message>
    <message>
        <source>Imprimir %1</source>
        <translation>Imprimir %1</translation>
    </message>
</context>
<context>
    <name>FlowPrinter</name>
    <message>
        <source>Sem nome</source>
        <translation>Sem nome</translation>
    </message>
</context>
<context>
    <name>Group</name>
    <message>
        <source>Não é possível criar macros seguidas com a análise de Âncoras, por favor consulte o manual e revise o sequenciamento das macros.</source>
        <translation>Não é possível criar macros seguidas com a análise de Âncoras, por favor consulte o manual e revise o sequenciamento das macros.</translation>
    </message>
    <message>
        <source>Atenção!</source>
        <translation>Atenção!</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>O arquivo foi gerado em uma versão mais antiga do Zor.</source>
        <translation>O arquivo foi gerado em uma versão mais antiga do Zor.</translation>
    </message>
    <message>
        <source>O arquivo foi gerado em uma versão mais nova do Zor  e pode conter funcionalidades não suportadas. Faça o download da versão mais recente do Zor na página da Orvenda (</source>
        <translation>O arquivo foi gerado em uma versão mais nova do Zor  e pode conter funcionalidades não suportadas. Faça o download da versão mais recente do Zor na página da Orvenda (</translation>
    </message>
    <message>
        <source>(e mais %1)</source>
        <translation>(e mais %1)</translation>
    </message>
    <message>
        <source>O arquivo %1 está danificado; foi lido assim mesmo:</source>
        <translation>O arquivo %1 está danificado; foi lido assim mesmo:</translation>
    </message>
    <message>
        <source>Não é possível criar macros seguidas com a análise de Âncoras, por favor consulte o manual e revise o sequenciamento das macros. (Macro %1-&gt;%2)</source>
        <translation>Não é possível criar macros seguidas com a análise de Âncoras, por favor consulte o manual e revise o sequenciamento das macros. (Macro %1-&gt;%2)</translation>
    </message>
    <message>
        <source>Formato do arquivo inválido (%1).</source>
        <translation>Formato do arquivo inválido (%1).</translation>
    </message>
</context>
<context>
    <name>GroupCheck</name>
    <message>
        <source>Caracteres não aceitos pelo terminal no formulário ou no texto de confirmação: %1</source>
        <translation>Caracteres não aceitos pelo terminal no formulário ou no texto de confirmação: %1</translation>
    </message>
    <message>
        <source>Marcador de campo malformado no formulário, linha %1.</source>
        <translation>Marcador de campo malformado no formulário, linha %1.</translation>
    </message>
    <message>
        <source>O nome contém caracteres não aceitos: %1</source>
        <translation>O nome contém caracteres não aceitos: %1</translation>
    </message>
    <message>
        <source>A sigla contém caracteres não aceitos: %1</source>
        <translation>A sigla contém caracteres não aceitos: %1</translation>
    </message>
    <message>
        <source>A sigla está vazia.</source>
        <translation>A sigla está vazia.</translation>
    </message>
    <message>
        <source>A sigla %1 tem mais de %2 caracteres.</source>
        <translation>A sigla %1 tem mais de %2 caracteres.</translation>
    </message>
    <message>
        <source>O número %1 já é usado pela macro %2.</source>
        <translation>O número %1 já é usado pela macro %2.</translation>
    </message>
    <message>
        <source>A sigla %1 já é usada pela macro de número %2.</source>
        <translation>A sigla %1 já é usada pela macro de número %2.</translation>
    </message>
    <message>
        <source>O atalho %1 já é usado pela macro %2.</source>
        <translation>O atalho %1 já é usado pela macro %2.</translation>
    </message>
    <message>
        <source>A sigla %1 da função F%2 não existe no grupo.</source>
        <translation>A sigla %1 da função F%2 não existe no grupo.</translation>
    </message>
    <message>
        <source>%1 macros seguintes; o terminal aceita no máximo %2.</source>
        <translation>%1 macros seguintes; o terminal aceita no máximo %2.</translation>
    </message>
    <message>
        <source>Macros com análise de âncora em sequência: %1 -&gt; %2.</source>
        <translation>Macros com análise de âncora em sequência: %1 -&gt; %2.</translation>
    </message>
    <message>
        <source>O raio de âncora de %1 m está fora dos limites permitidos (%2 a %3 m).</source>
        <translation>O raio de âncora de %1 m está fora dos limites permitidos (%2 a %3 m).</translation>
    </message>
    <message>
        <source>%1 violações; o terminal aceita no máximo %2.</source>
        <translation>%1 violações; o terminal aceita no máximo %2.</translation>
    </message>
    <message>
        <source>O número %1 está fora do intervalo de %2 a %3.</source>
        <translation>O número %1 está fora do intervalo de %2 a %3.</translation>
    </message>
    <message>
        <source>O atalho %1 está fora do intervalo de 0 a %2.</source>
        <translation>O atalho %1 está fora do intervalo de 0 a %2.</translation>
    </message>
    <message>
        <source>Macro com análise de âncora e atalho %1: uma macro com a violação de âncora não tem atalho.</source>
        <translation>Macro com análise de âncora e atalho %1: uma macro com a violação de âncora não tem atalho.</translation>
    </message>
</context>
<context>
    <name>GroupHeaderCommand</name>
    <message>
        <source>Alterar nome e descrição do grupo</source>
        <translation>Alterar nome e descrição do grupo</translation>
    </message>
    <message>
        <source>Alterar nome do grupo</source>
        <translation>Alterar nome do grupo</translation>
    </message>
    <message>
        <source>Alterar descrição do grupo</source>
        <translation>Alterar descrição do grupo</translation>
    </message>
    <message>
        <source>Alterar data de criação do grupo</source>
        <translation>Alterar data de criação do grupo</translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>Não é um arquivo comum (é uma pasta, um dispositivo ou um pipe).</source>
        <translation>Não é um arquivo comum (é uma pasta, um dispositivo ou um pipe).</translation>
    </message>
    <message>
        <source>O arquivo tem %1 bytes; um grupo de macros não passa de %2 bytes.</source>
        <translation>O arquivo tem %1 bytes; um grupo de macros não passa de %2 bytes.</translation>
    </message>
</context>
<context>
    <name>MacroJson</name>
    <message>
        <source>O valor %1 de &quot;%2&quot; não é um número inteiro; lido como %3.</source>
        <translation>O valor %1 de &quot;%2&quot; não é um número inteiro; lido como %3.</translation>
    </message>
    <message>
        <source>O valor %1 de &quot;%2&quot; está fora do intervalo de %3 a %4; lido como %5.</source>
        <translation>O valor %1 de &quot;%2&quot; está fora do intervalo de %3 a %4; lido como %5.</translation>
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
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Opções</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>&amp;Ajuda</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>Sobre a Macro</source>
        <translation>Sobre a Macro</translation>
    </message>
    <message>
        <source>Grupo de macros:</source>
        <translation>Grupo de macros:</translation>
    </message>
    <message>
        <source>Data de criação:</source>
        <translation>Data de criação:</translation>
    </message>
    <message>
        <source>Descrição:</source>
        <translation>Descrição:</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Novo grupo</source>
        <translation>Novo grupo</translation>
    </message>
    <message>
        <source>Novo grupo  (Ctrl+N)</source>
        <translation>Novo grupo  (Ctrl+N)</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Nova &amp;macro</source>
        <translation>Nova &amp;macro</translation>
    </message>
    <message>
        <source>Nova macro  (Ctrl+M)</source>
        <translation>Nova macro  (Ctrl+M)</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Carregar grupo</source>
        <translation>&amp;Carregar grupo</translation>
    </message>
    <message>
        <source>Carregar grupo</source>
        <translation>Carregar grupo</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Salvar grupo</source>
        <translation>&amp;Salvar grupo</translation>
    </message>
    <message>
        <source>Salvar grupo (Ctrl+S)</source>
        <translation>Salvar grupo (Ctrl+S)</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>S&amp;alvar grupo como...</source>
        <translation>S&amp;alvar grupo como...</translation>
    </message>
    <message>
        <source>Salvar grupo como</source>
        <translation>Salvar grupo como</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Fechar grupo</source>
        <translation>Fechar grupo</translation>
    </message>
    <message>
        <source>Ctrl+F4</source>
        <translation>Ctrl+F4</translation>
    </message>
    <message>
        <source>Sa&amp;ir</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>Deletar</source>
        <translation>Deletar</translation>
    </message>
    <message>
        <source>Deletar (Del)</source>
        <translation>Deletar (Del)</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Selecionar tudo</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Selecionar tudo (Ctrl+A)</source>
        <translation>Selecionar tudo (Ctrl+A)</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>Seleção</source>
        <translation>Seleção</translation>
    </message>
    <message>
        <source>Seleção (Esc)</source>
        <translation>Seleção (Esc)</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Zoom mais</source>
        <translation>Zoom mais</translation>
    </message>
    <message>
        <source>Zoom mais (Ctrl+Shift+I)</source>
        <translation>Zoom mais (Ctrl+Shift+I)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+I</source>
        <translation>Ctrl+Shift+I</translation>
    </message>
    <message>
        <source>Zoom menos</source>
        <translation>Zoom menos</translation>
    </message>
    <message>
        <source>Zoom menos (Ctrl+Shift+O)</source>
        <translation>Zoom menos (Ctrl+Shift+O)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Mostrar grid</source>
        <translation>Mostrar grid</translation>
    </message>
    <message>
        <source>Mostrar grid (Ctrl+G)</source>
        <translation>Mostrar grid (Ctrl+G)</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>&amp;Detalhes</source>
        <translation>&amp;Detalhes</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Espanhol</source>
        <translation>Espanhol</translation>
    </message>
    <message>
        <source>Português</source>
        <translation>Português</translation>
    </message>
    <message>
        <source>Frence</source>
        <translation>Frence</translation>
    </message>
    <message>
        <source>Deutsche</source>
        <translation>Deutsche</translation>
    </message>
    <message>
        <source>&amp;Sobre</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Sobre Qt</source>
        <translation>&amp;Sobre Qt</translation>
    </message>
    <message>
        <source>sem grupo</source>
        <translation>sem grupo</translation>
    </message>
    <message>
        <source>(sem descrição)</source>
        <translation>(sem descrição)</translation>
    </message>
    <message>
        <source>Atenção!</source>
        <translation>Atenção!</translation>
    </message>
    <message>
        <source>O arquivo de dados zor.ini não foi encontrado.</source>
        <translation>O arquivo de dados zor.ini não foi encontrado.</translation>
    </message>
    <message>
        <source>Ocorreram mudanças nas macros, deseja salvar
estas alterações?</source>
        <translation>Ocorreram mudanças nas macros, deseja salvar
estas alterações?</translation>
    </message>
    <message>
        <source>Salvar</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Descartar</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Salvar como</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>Arquivos de seq. de macros (*.%1)</source>
        <translation>Arquivos de seq. de macros (*.%1)</translation>
    </message>
    <message>
        <source>Erro!</source>
        <translation>Erro!</translation>
    </message>
    <message>
        <source>Esta versão do Zor irá salvar o arquivo no formato MCX. O arquivo original será mantido, porém as alterações serão salvas no novo formato.</source>
        <translation>Esta versão do Zor irá salvar o arquivo no formato MCX. O arquivo original será mantido, porém as alterações serão salvas no novo formato.</translation>
    </message>
    <message>
        <source>Abrir grupo de macros</source>
        <translation>Abrir grupo de macros</translation>
    </message>
    <message>
        <source>Todos arquivos de seq. de macros (*.mcx *.mcr);;Arquivos de seq. de macros (*.mcx);;Arquivos de seq. de macros versão antiga (*.mcr)</source>
        <translation>Todos arquivos de seq. de macros (*.mcx *.mcr);;Arquivos de seq. de macros (*.mcx);;Arquivos de seq. de macros versão antiga (*.mcr)</translation>
    </message>
    <message>
        <source>Foram encontrados os seguintes caracteres não autorizados:</source>
        <translation>Foram encontrados os seguintes caracteres não autorizados:</translation>
    </message>
    <message>
        <source>nas seguintes macros:</source>
        <translation>nas seguintes macros:</translation>
    </message>
    <message>
        <source>Caracteres Incompatíveis</source>
        <translation>Caracteres Incompatíveis</translation>
    </message>
    <message>
        <source>Deseja realizar a correção automática?</source>
        <translation>Deseja realizar a correção automática?</translation>
    </message>
    <message>
        <source>Sucesso</source>
        <translation>Sucesso</translation>
    </message>
    <message>
        <source>Ajustes concluídos com sucesso</source>
        <translation>Ajustes concluídos com sucesso</translation>
    </message>
    <message>
        <source>Sim</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Não</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Arquivo inválido, necessário ajuste da tag na linha</source>
        <translation>Arquivo inválido, necessário ajuste da tag na linha</translation>
    </message>
    <message>
        <source>&amp;Editar</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Histórico</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>&lt;aberto&gt;</source>
        <translation>&lt;aberto&gt;</translation>
    </message>
    <message>
        <source>&amp;Desfazer</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>Desfazer (Ctrl+Z)</source>
        <translation>Desfazer (Ctrl+Z)</translation>
    </message>
    <message>
        <source>&amp;Refazer</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Refazer (Ctrl+Shift+Z)</source>
        <translation>Refazer (Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>&amp;Histórico</source>
        <translation>&amp;Histórico</translation>
    </message>
    <message>
        <source>&amp;Desfazer %1</source>
        <translation>&amp;Desfazer %1</translation>
    </message>
    <message>
        <source>&amp;Refazer %1</source>
        <translation>&amp;Refazer %1</translation>
    </message>
    <message>
        <source>Sem nome</source>
        <translation>Sem nome</translation>
    </message>
    <message>
        <source>Comparar com...</source>
        <translation>Comparar com...</translation>
    </message>
    <message>
        <source>Comparar o grupo aberto com outro arquivo de grupo</source>
        <translation>Comparar o grupo aberto com outro arquivo de grupo</translation>
    </message>
    <message>
        <source>Comparar com</source>
        <translation>Comparar com</translation>
    </message>
    <message>
        <source>Si&amp;mular</source>
        <translation>Si&amp;mular</translation>
    </message>
    <message>
        <source>Simular o grupo no terminal do motorista (Ctrl+R)</source>
        <translation>Simular o grupo no terminal do motorista (Ctrl+R)</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>E&amp;xibir</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Exportar imagem...</source>
        <translation>&amp;Exportar imagem...</translation>
    </message>
    <message>
        <source>Exportar o fluxo do grupo como imagem PNG ou SVG</source>
        <translation>Exportar o fluxo do grupo como imagem PNG ou SVG</translation>
    </message>
    <message>
        <source>Im&amp;primir...</source>
        <translation>Im&amp;primir...</translation>
    </message>
    <message>
        <source>Imprimir o fluxo do grupo (Ctrl+P)</source>
        <translation>Imprimir o fluxo do grupo (Ctrl+P)</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Procurar macro</source>
        <translation>&amp;Procurar macro</translation>
    </message>
    <message>
        <source>Procurar macro por número, sigla ou nome (Ctrl+F)</source>
        <translation>Procurar macro por número, sigla ou nome (Ctrl+F)</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Próxima &amp;encontrada</source>
        <translation>Próxima &amp;encontrada</translation>
    </message>
    <message>
        <source>Próxima macro encontrada (F3)</source>
        <translation>Próxima macro encontrada (F3)</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>&amp;Anterior encontrada</source>
        <translation>&amp;Anterior encontrada</translation>
    </message>
    <message>
        <source>Macro encontrada anterior (Shift+F3)</source>
        <translation>Macro encontrada anterior (Shift+F3)</translation>
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
        <translation>Ajustar à &amp;janela</translation>
    </message>
    <message>
        <source>Ajustar o fluxo à janela (Ctrl+0)</source>
        <translation>Ajustar o fluxo à janela (Ctrl+0)</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>&amp;Verificação</source>
        <translation>&amp;Verificação</translation>
    </message>
    <message>
        <source>Nenhuma macro encontrada</source>
        <translation>Nenhuma macro encontrada</translation>
    </message>
    <message>
        <source>&amp;Organizar caixas</source>
        <translation>&amp;Organizar caixas</translation>
    </message>
    <message>
        <source>Organizar as caixas pelo fluxo, de cima para baixo; com caixas selecionadas, só elas (Ctrl+L)</source>
        <translation>Organizar as caixas pelo fluxo, de cima para baixo; com caixas selecionadas, só elas (Ctrl+L)</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Grupo de Macros: %1</source>
        <translation>Grupo de Macros: %1</translation>
    </message>
    <message>
        <source>Data de Criação: %1</source>
        <translation>Data de Criação: %1</translation>
    </message>
    <message>
        <source>Descrição: %1</source>
        <translation>Descrição: %1</translation>
    </message>
    <message>
        <source>%1 objetos selecionados</source>
        <translation>%1 objetos selecionados</translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo %1</source>
        <translation>Não foi possível abrir o arquivo %1</translation>
    </message>
    <message>
        <source>Não foi possível salvar o arquivo %1</source>
        <translation>Não foi possível salvar o arquivo %1</translation>
    </message>
</context>
<context>
    <name>McrReader</name>
    <message>
        <source>O arquivo tem %1 bytes, menos que os %2 do cabeçalho de um arquivo .mcr.</source>
        <translation>O arquivo tem %1 bytes, menos que os %2 do cabeçalho de um arquivo .mcr.</translation>
    </message>
    <message>
        <source>O arquivo termina antes do fim dos seus dados (%1).</source>
        <translation>O arquivo termina antes do fim dos seus dados (%1).</translation>
    </message>
    <message>
        <source>O arquivo tem %1 bytes, menos que os %2 do cabeçalho: o grupo fica vazio.</source>
        <translation>O arquivo tem %1 bytes, menos que os %2 do cabeçalho: o grupo fica vazio.</translation>
    </message>
    <message>
        <source>Sobram %1 bytes depois do último registro completo; foram ignorados.</source>
        <translation>Sobram %1 bytes depois do último registro completo; foram ignorados.</translation>
    </message>
    <message>
        <source>A versão %1 é mais nova que a de qualquer arquivo .mcr.</source>
        <translation>A versão %1 é mais nova que a de qualquer arquivo .mcr.</translation>
    </message>
    <message>
        <source>O comprimento do nome, %1, passa dos %2 bytes do campo e foi cortado.</source>
        <translation>O comprimento do nome, %1, passa dos %2 bytes do campo e foi cortado.</translation>
    </message>
    <message>
        <source>O comprimento da sigla, %1, passa dos %2 bytes do campo e foi cortado.</source>
        <translation>O comprimento da sigla, %1, passa dos %2 bytes do campo e foi cortado.</translation>
    </message>
</context>
<context>
    <name>McxReader</name>
    <message>
        <source>Erro de sintaxe JSON na linha %1, coluna %2 (byte %3): %4.</source>
        <translation>Erro de sintaxe JSON na linha %1, coluna %2 (byte %3): %4.</translation>
    </message>
    <message>
        <source>A versão do arquivo, %1, não pôde ser lida; o arquivo é lido no formato atual.</source>
        <translation>A versão do arquivo, %1, não pôde ser lida; o arquivo é lido no formato atual.</translation>
    </message>
</context>
<context>
    <name>MoveBoxesCommand</name>
    <message>
        <source>Redimensionar %1 caixas</source>
        <translation>Redimensionar %1 caixas</translation>
    </message>
    <message>
        <source>Mover %1 caixas</source>
        <translation>Mover %1 caixas</translation>
    </message>
    <message>
        <source>Redimensionar caixa %1</source>
        <translation>Redimensionar caixa %1</translation>
    </message>
    <message>
        <source>Mover caixa %1</source>
        <translation>Mover caixa %1</translation>
    </message>
    <message>
        <source>Organizar caixas</source>
        <translation>Organizar caixas</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opções]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumentos:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra a ajuda sobre as opções da linha de comando.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra a ajuda, incluindo as opções próprias do Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra as informações da versão.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opção desconhecida: &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opções desconhecidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta o valor depois de &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado depois de &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Permission denied</source>
        <translation>Permissão negada</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Arquivos abertos demais</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Arquivo ou pasta inexistente</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Não há espaço livre no dispositivo</translation>
    </message>
</context>
<context>
    <name>QJsonParseError</name>
    <message>
        <source>unterminated object</source>
        <translation>objeto não terminado</translation>
    </message>
    <message>
        <source>missing name separator</source>
        <translation>falta o separador de nome</translation>
    </message>
    <message>
        <source>unterminated array</source>
        <translation>lista não terminada</translation>
    </message>
    <message>
        <source>missing value separator</source>
        <translation>falta o separador de valores</translation>
    </message>
    <message>
        <source>illegal value</source>
        <translation>valor inválido</translation>
    </message>
    <message>
        <source>invalid termination by number</source>
        <translation>término inválido por número</translation>
    </message>
    <message>
        <source>illegal number</source>
        <translation>número inválido</translation>
    </message>
    <message>
        <source>invalid escape sequence</source>
        <translation>sequência de escape inválida</translation>
    </message>
    <message>
        <source>invalid UTF8 string</source>
        <translation>texto UTF-8 inválido</translation>
    </message>
    <message>
        <source>unterminated string</source>
        <translation>texto não terminado</translation>
    </message>
    <message>
        <source>object is missing after a comma</source>
        <translation>falta um objeto depois de uma vírgula</translation>
    </message>
    <message>
        <source>too deeply nested document</source>
        <translation>documento aninhado demais</translation>
    </message>
    <message>
        <source>too large document</source>
        <translation>documento grande demais</translation>
    </message>
    <message>
        <source>garbage at the end of the document</source>
        <translation>lixo no fim do documento</translation>
    </message>
</context>
<context>
    <name>RecentFilesMenu</name>
    <message>
        <source>Atenção!</source>
        <translation>Atenção!</translation>
    </message>
    <message>
        <source>O arquivo %1 não existe mais e foi retirado da lista.</source>
        <translation>O arquivo %1 não existe mais e foi retirado da lista.</translation>
    </message>
    <message>
        <source>Abrir &amp;recente</source>
        <translation>Abrir &amp;recente</translation>
    </message>
    <message>
        <source>&amp;Limpar lista</source>
        <translation>&amp;Limpar lista</translation>
    </message>
</context>
<context>
    <name>SimulateCommand</name>
    <message>
        <source>Não foi possível abrir o arquivo %1</source>
        <translation>Não foi possível abrir o arquivo %1</translation>
    </message>
    <message>
        <source>Não foi possível ler o roteiro %1</source>
        <translation>Não foi possível ler o roteiro %1</translation>
    </message>
    <message>
        <source>linha %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>campo %1 (%2): escreva on ou off</source>
        <translation>campo %1 (%2): escreva on ou off</translation>
    </message>
</context>
<context>
    <name>SimulationScript</name>
    <message>
        <source>linha %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>&quot;open&quot; pede o número de uma macro: open 1</source>
        <translation>&quot;open&quot; pede o número de uma macro: open 1</translation>
    </message>
    <message>
        <source>&quot;field&quot; pede o número do campo, a partir de 1, e o texto: field 1 JOAO</source>
        <translation>&quot;field&quot; pede o número do campo, a partir de 1, e o texto: field 1 JOAO</translation>
    </message>
    <message>
        <source>&quot;next&quot; pede uma tecla de F0 a F9: next F1</source>
        <translation>&quot;next&quot; pede uma tecla de F0 a F9: next F1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não leva argumentos</source>
        <translation>&quot;%1&quot; não leva argumentos</translation>
    </message>
    <message>
        <source>passo desconhecido &quot;%1&quot; (open, field, send, next, back, screen)</source>
        <translation>passo desconhecido &quot;%1&quot; (open, field, send, next, back, screen)</translation>
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
        <translation>ATL</translation>
    </message>
    <message>
        <source>SIG</source>
        <translation>SIG</translation>
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
        <translation>Obrigatório</translation>
    </message>
    <message>
        <source>Opcional</source>
        <translation>Opcional</translation>
    </message>
    <message>
        <source>Tamanho do campo</source>
        <translation>Tamanho do campo</translation>
    </message>
    <message>
        <source>Digite o tamanho do campo incluindo &apos;[&apos; e &apos;]&apos;:</source>
        <translation>Digite o tamanho do campo incluindo &apos;[&apos; e &apos;]&apos;:</translation>
    </message>
    <message>
        <source>Inserir comando</source>
        <translation>Inserir comando</translation>
    </message>
    <message>
        <source>O tamanho do campo ultrapassa o fim da linha...</source>
        <translation>O tamanho do campo ultrapassa o fim da linha...</translation>
    </message>
    <message>
        <source>Este campo não pode ser inserido nesta posição...</source>
        <translation>Este campo não pode ser inserido nesta posição...</translation>
    </message>
</context>
<context>
    <name>TerminalField</name>
    <message>
        <source>é um campo de marcar, sem texto</source>
        <translation>é um campo de marcar, sem texto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; é mais longo que o campo (%2 caracteres)</source>
        <translation>&quot;%1&quot; é mais longo que o campo (%2 caracteres)</translation>
    </message>
    <message>
        <source>o caractere &quot;%1&quot; não é aceito aqui</source>
        <translation>o caractere &quot;%1&quot; não é aceito aqui</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não é um número decimal</source>
        <translation>&quot;%1&quot; não é um número decimal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não é uma data válida (dd/mm/aa)</source>
        <translation>&quot;%1&quot; não é uma data válida (dd/mm/aa)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não é uma hora válida (hh:mm)</source>
        <translation>&quot;%1&quot; não é uma hora válida (hh:mm)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não é uma data e hora válidas (dd/mm/aa hh:mm)</source>
        <translation>&quot;%1&quot; não é uma data e hora válidas (dd/mm/aa hh:mm)</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Senha</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Data/Hora</source>
        <translation>Data/Hora</translation>
    </message>
    <message>
        <source>Checagem</source>
        <translation>Checagem</translation>
    </message>
    <message>
        <source>Seleção</source>
        <translation>Seleção</translation>
    </message>
    <message>
        <source>Texto</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Numérico</source>
        <translation>Numérico</translation>
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
        <translation>não é um campo de marcar</translation>
    </message>
    <message>
        <source>uma seleção só sai ao escolher outra</source>
        <translation>uma seleção só sai ao escolher outra</translation>
    </message>
    <message>
        <source>obrigatório, precisa ser marcado</source>
        <translation>obrigatório, precisa ser marcado</translation>
    </message>
    <message>
        <source>obrigatório, escolha uma das seleções da tela</source>
        <translation>obrigatório, escolha uma das seleções da tela</translation>
    </message>
    <message>
        <source>obrigatório, está vazio</source>
        <translation>obrigatório, está vazio</translation>
    </message>
    <message>
        <source>campo %1 (%2): %3</source>
        <translation>campo %1 (%2): %3</translation>
    </message>
    <message>
        <source>não há campo %1 nesta tela (campos: %2)</source>
        <translation>não há campo %1 nesta tela (campos: %2)</translation>
    </message>
</context>
<context>
    <name>TerminalSession</name>
    <message>
        <source>volte à tela inicial para abrir outra macro</source>
        <translation>volte à tela inicial para abrir outra macro</translation>
    </message>
    <message>
        <source>não há macro de número %1 no grupo</source>
        <translation>não há macro de número %1 no grupo</translation>
    </message>
    <message>
        <source>abra uma macro primeiro</source>
        <translation>abra uma macro primeiro</translation>
    </message>
    <message>
        <source>a macro %1 é de informação: não tem campos nem é enviada</source>
        <translation>a macro %1 é de informação: não tem campos nem é enviada</translation>
    </message>
    <message>
        <source>a macro %1 já foi enviada</source>
        <translation>a macro %1 já foi enviada</translation>
    </message>
    <message>
        <source>envie a macro %1 antes de seguir o fluxo</source>
        <translation>envie a macro %1 antes de seguir o fluxo</translation>
    </message>
    <message>
        <source>a macro %1 não tem macro na tecla F%2</source>
        <translation>a macro %1 não tem macro na tecla F%2</translation>
    </message>
    <message>
        <source>a tecla F%1 leva à sigla %2, que não existe no grupo</source>
        <translation>a tecla F%1 leva à sigla %2, que não existe no grupo</translation>
    </message>
    <message>
        <source>já está na tela inicial</source>
        <translation>já está na tela inicial</translation>
    </message>
</context>
<context>
    <name>VerificationDock</name>
    <message>
        <source>Verificação</source>
        <translation>Verificação</translation>
    </message>
    <message>
        <source>Nenhum problema</source>
        <translation>Nenhum problema</translation>
    </message>
    <message>
        <source>1 problema</source>
        <translation>1 problema</translation>
    </message>
    <message>
        <source>%1 problemas</source>
        <translation>%1 problemas</translation>
    </message>
    <message>
        <source>Nenhum grupo aberto.</source>
        <translation>Nenhum grupo aberto.</translation>
    </message>
    <message>
        <source>O grupo não tem problemas.</source>
        <translation>O grupo não tem problemas.</translation>
    </message>
</context>
<context>
    <name>dlgAbout</name>
    <message>
        <source>Sobre o Zor - Quorvane</source>
        <translation>Sobre o Zor - Quorvane</translation>
    </message>
    <message>
        <source>Zor - Quorvane
Versão: %1</source>
        <translation>Zor - Quorvane
Versão: %1</translation>
    </message>
</context>
<context>
    <name>dlgConfigMacro</name>
    <message>
        <source>Configurar Macro</source>
        <translation>Configurar Macro</translation>
    </message>
    <message>
        <source>&amp;Número</source>
        <translation>&amp;Número</translation>
    </message>
    <message>
        <source>No&amp;me</source>
        <translation>No&amp;me</translation>
    </message>
    <message>
        <source>&amp;Atalho</source>
        <translation>&amp;Atalho</translation>
    </message>
    <message>
        <source>&amp;Sigla</source>
        <translation>&amp;Sigla</translation>
    </message>
    <message>
        <source>&amp;Tipo</source>
        <translation>&amp;Tipo</translation>
    </message>
    <message>
        <source>Início de viagem</source>
        <translation>Início de viagem</translation>
    </message>
    <message>
        <source>Parada</source>
        <translation>Parada</translation>
    </message>
    <message>
        <source>Operação</source>
        <translation>Operação</translation>
    </message>
    <message>
        <source>Solicitação</source>
        <translation>Solicitação</translation>
    </message>
    <message>
        <source>Reinício de viagem</source>
        <translation>Reinício de viagem</translation>
    </message>
    <message>
        <source>Fim de viagem</source>
        <translation>Fim de viagem</translation>
    </message>
    <message>
        <source>Especiais</source>
        <translation>Especiais</translation>
    </message>
    <message>
        <source>Se&amp;gurança</source>
        <translation>Se&amp;gurança</translation>
    </message>
    <message>
        <source>&amp;Informação</source>
        <translation>&amp;Informação</translation>
    </message>
    <message>
        <source>&amp;Formulário</source>
        <translation>&amp;Formulário</translation>
    </message>
    <message>
        <source>Caracteres aceitos: 0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ,.;:?![] _-/$%</source>
        <translation>Caracteres aceitos: 0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ,.;:?![] _-/$%</translation>
    </message>
    <message>
        <source>&amp;Validação</source>
        <translation>&amp;Validação</translation>
    </message>
    <message>
        <source>Estas propriedades não se aplicam para macros tipo &apos;Informação&apos;</source>
        <translation>Estas propriedades não se aplicam para macros tipo &apos;Informação&apos;</translation>
    </message>
    <message>
        <source>A&amp;utomação</source>
        <translation>A&amp;utomação</translation>
    </message>
    <message>
        <source>Atuação</source>
        <translation>Atuação</translation>
    </message>
    <message>
        <source>Mo&amp;do seguro</source>
        <translation>Mo&amp;do seguro</translation>
    </message>
    <message>
        <source>Sensores</source>
        <translation>Sensores</translation>
    </message>
    <message>
        <source>Atuadores</source>
        <translation>Atuadores</translation>
    </message>
    <message>
        <source>Vio&amp;lação</source>
        <translation>Vio&amp;lação</translation>
    </message>
    <message>
        <source>Item para análise</source>
        <translation>Item para análise</translation>
    </message>
    <message>
        <source>Tempo de análise (m:ss)</source>
        <translation>Tempo de análise (m:ss)</translation>
    </message>
    <message>
        <source>Raio (m)</source>
        <translation>Raio (m)</translation>
    </message>
    <message>
        <source>Flu&amp;xo Operacional </source>
        <translation>Flu&amp;xo Operacional </translation>
    </message>
    <message>
        <source>Configuração de próximas macros permitidas</source>
        <translation>Configuração de próximas macros permitidas</translation>
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
        <translation>Validar</translation>
    </message>
    <message>
        <source>T&amp;exto de Confirmação</source>
        <translation>T&amp;exto de Confirmação</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Ok</translation>
    </message>
    <message>
        <source>&amp;Cancelar</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Senha</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Data/Hora</source>
        <translation>Data/Hora</translation>
    </message>
    <message>
        <source>Checagem</source>
        <translation>Checagem</translation>
    </message>
    <message>
        <source>Seleção</source>
        <translation>Seleção</translation>
    </message>
    <message>
        <source>Texto</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Numérico</source>
        <translation>Numérico</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Decimal</translation>
    </message>
    <message>
        <source>Atenção!</source>
        <translation>Atenção!</translation>
    </message>
    <message>
        <source>A violação de âncora foi selecionada, ao confirmar essa ação, o atalho será excluído</source>
        <translation>A violação de âncora foi selecionada, ao confirmar essa ação, o atalho será excluído</translation>
    </message>
    <message>
        <source>Sim</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Não</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>O campo &apos;Numero&apos; deve ser maior que zero.</source>
        <translation>O campo &apos;Numero&apos; deve ser maior que zero.</translation>
    </message>
    <message>
        <source>O número da macro já existe.</source>
        <translation>O número da macro já existe.</translation>
    </message>
    <message>
        <source>Arquivo inválido, necessário ajuste da tag na linha</source>
        <translation>Arquivo inválido, necessário ajuste da tag na linha</translation>
    </message>
    <message>
        <source>
O campo &apos;Sigla&apos; deve ser preenchido.</source>
        <translation>
O campo &apos;Sigla&apos; deve ser preenchido.</translation>
    </message>
    <message>
        <source>
A sigla da macro já existe.</source>
        <translation>
A sigla da macro já existe.</translation>
    </message>
    <message>
        <source>
O campo &apos;Atalho&apos; deve ser maior que zero e menor que 249.</source>
        <translation>
O campo &apos;Atalho&apos; deve ser maior que zero e menor que 249.</translation>
    </message>
    <message>
        <source>
O nome da macro não pode conter acentos!</source>
        <translation>
O nome da macro não pode conter acentos!</translation>
    </message>
    <message>
        <source>
A sigla não pode conter acentos!</source>
        <translation>
A sigla não pode conter acentos!</translation>
    </message>
    <message>
        <source>Erro!</source>
        <translation>Erro!</translation>
    </message>
    <message>
        <source>Sigla da função F%1 não existe!</source>
        <translation>Sigla da função F%1 não existe!</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Informação</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Verificação concluída!</source>
        <translation>Verificação concluída!</translation>
    </message>
    <message>
        <source>L: %1, C: %2</source>
        <translation>L: %1, C: %2</translation>
    </message>
    <message>
        <source>O valor de &apos;Violação de Âncora&apos;&apos; é menor que o mínimo permitido (</source>
        <translation>O valor de &apos;Violação de Âncora&apos;&apos; é menor que o mínimo permitido (</translation>
    </message>
    <message>
        <source>O valor de &apos;Violação de Âncora&apos; é maior que o máximo permitido (</source>
        <translation>O valor de &apos;Violação de Âncora&apos; é maior que o máximo permitido (</translation>
    </message>
    <message>
        <source>Apenas %1 violações são permitidas!</source>
        <translation>Apenas %1 violações são permitidas!</translation>
    </message>
</context>
<context>
    <name>dlgGroup</name>
    <message>
        <source>Novo grupo de macros</source>
        <translation>Novo grupo de macros</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>(Nome do grupo)</source>
        <translation>(Nome do grupo)</translation>
    </message>
    <message>
        <source>Descrição</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>(Descrição do grupo)</source>
        <translation>(Descrição do grupo)</translation>
    </message>
    <message>
        <source>&amp;Novo</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Cancelar</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>dlgGroupDesc</name>
    <message>
        <source>Descrição</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Entre com a descrição:</source>
        <translation>Entre com a descrição:</translation>
    </message>
    <message>
        <source>(sem nome)</source>
        <translation>(sem nome)</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>dlgNovaMacro</name>
    <message>
        <source>Inclusão de nova macro</source>
        <translation>Inclusão de nova macro</translation>
    </message>
    <message>
        <source>Número</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Atalho</source>
        <translation>Atalho</translation>
    </message>
    <message>
        <source>Sigla</source>
        <translation>Sigla</translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Início de viagem</source>
        <translation>Início de viagem</translation>
    </message>
    <message>
        <source>Parada</source>
        <translation>Parada</translation>
    </message>
    <message>
        <source>Operação</source>
        <translation>Operação</translation>
    </message>
    <message>
        <source>Solicitação</source>
        <translation>Solicitação</translation>
    </message>
    <message>
        <source>Reinício de viagem</source>
        <translation>Reinício de viagem</translation>
    </message>
    <message>
        <source>Fim de viagem</source>
        <translation>Fim de viagem</translation>
    </message>
    <message>
        <source>Especiais</source>
        <translation>Especiais</translation>
    </message>
    <message>
        <source>Segurança</source>
        <translation>Segurança</translation>
    </message>
    <message>
        <source>Informação</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>&amp;Incluir</source>
        <translation>&amp;Incluir</translation>
    </message>
    <message>
        <source>&amp;Cancelar</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>O número da macro já existe.</source>
        <translation>O número da macro já existe.</translation>
    </message>
    <message>
        <source>O atalho da macro já existe.</source>
        <translation>O atalho da macro já existe.</translation>
    </message>
    <message>
        <source>A sigla da macro já existe.</source>
        <translation>A sigla da macro já existe.</translation>
    </message>
    <message>
        <source>O nome da macro não pode conter acentos!</source>
        <translation>O nome da macro não pode conter acentos!</translation>
    </message>
    <message>
        <source>A sigla não pode conter acentos!</source>
        <translation>A sigla não pode conter acentos!</translation>
    </message>
    <message>
        <source>
O campo &apos;Atalho&apos; deve ser maior que zero e menor que 249.</source>
        <translation>
O campo &apos;Atalho&apos; deve ser maior que zero e menor que 249.</translation>
    </message>
    <message>
        <source>O campo &quot;Número&quot; da macro deve ser preenchido!</source>
        <translation>O campo &quot;Número&quot; da macro deve ser preenchido!</translation>
    </message>
    <message>
        <source>O campo &quot;Nome&quot;&apos; da macro deve ser preenchido!</source>
        <translation>O campo &quot;Nome&quot;&apos; da macro deve ser preenchido!</translation>
    </message>
    <message>
        <source>O campo &quot;Sigla&quot; da macro deve ser preenchido!</source>
        <translation>O campo &quot;Sigla&quot; da macro deve ser preenchido!</translation>
    </message>
    <message>
        <source>Deve ser definido o tipo da macro!</source>
        <translation>Deve ser definido o tipo da macro!</translation>
    </message>
    <message>
        <source>Erro!</source>
        <translation>Erro!</translation>
    </message>
</context>
<context>
    <name>dlgSimulator</name>
    <message>
        <source>Simulador do terminal</source>
        <translation>Simulador do terminal</translation>
    </message>
    <message>
        <source>&amp;Macro:</source>
        <translation>&amp;Macro:</translation>
    </message>
    <message>
        <source>&amp;Abrir</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Enviar</source>
        <translation>&amp;Enviar</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>Me&amp;nsagens enviadas</source>
        <translation>Me&amp;nsagens enviadas</translation>
    </message>
    <message>
        <source>&amp;Fechar</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Digite o número de uma macro da lista.</source>
        <translation>Digite o número de uma macro da lista.</translation>
    </message>
    <message>
        <source>Tela inicial: digite o número de uma macro e Abrir. Page Up e Page Down mudam de página.</source>
        <translation>Tela inicial: digite o número de uma macro e Abrir. Page Up e Page Down mudam de página.</translation>
    </message>
    <message>
        <source>Macro %1 (%2): preencha os campos (Para cima, Para baixo e Enter mudam de campo; Espaço marca) e Enviar.</source>
        <translation>Macro %1 (%2): preencha os campos (Para cima, Para baixo e Enter mudam de campo; Espaço marca) e Enviar.</translation>
    </message>
    <message>
        <source>Macro %1 (%2), de informação: siga por F0 a F9 (também Ctrl+0 a Ctrl+9) ou Voltar.</source>
        <translation>Macro %1 (%2), de informação: siga por F0 a F9 (também Ctrl+0 a Ctrl+9) ou Voltar.</translation>
    </message>
    <message>
        <source>Macro %1 (%2) enviada: siga por F0 a F9 (também Ctrl+0 a Ctrl+9) ou Voltar.</source>
        <translation>Macro %1 (%2) enviada: siga por F0 a F9 (também Ctrl+0 a Ctrl+9) ou Voltar.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Enable debug logs</source>
        <translation>Ativa os registros de depuração</translation>
    </message>
    <message>
        <source>Set application language to &lt;language&gt;.</source>
        <translation>Define o idioma do programa como &lt;language&gt;.</translation>
    </message>
    <message>
        <source>Convert the group file IN to OUT without a window: --convert IN OUT. Each file&apos;s format follows its suffix (.mcr, or .mcx for any other).</source>
        <translation>Converte o arquivo de grupo IN em OUT sem abrir janela: --convert IN OUT. O formato de cada arquivo segue a sua extensão (.mcr, ou .mcx para qualquer outra).</translation>
    </message>
    <message>
        <source>Zor</source>
        <translation>Zor</translation>
    </message>
    <message>
        <source>File to open</source>
        <translation>Arquivo a abrir</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>Check the group files FILE... against the terminal&apos;s rules without a window: --check FILE... Exit status 0 when nothing was found, 1 when something was, 2 when a file can&apos;t be read.</source>
        <translation>Verifica os arquivos de grupo FILE... segundo as regras do terminal, sem abrir janela: --check FILE... Código de saída 0 quando nada foi encontrado, 1 quando algo foi, 2 quando um arquivo não pôde ser lido.</translation>
    </message>
    <message>
        <source>Draw the flow diagram of the group file IN into the picture OUT without a window: --export-image IN OUT. PNG or SVG by the suffix of OUT.</source>
        <translation>Desenha o diagrama de fluxo do arquivo de grupo IN na imagem OUT sem abrir janela: --export-image IN OUT. PNG ou SVG conforme a extensão de OUT.</translation>
    </message>
    <message>
        <source>Pixels per diagram unit of --export-image (default 1).</source>
        <translation>Pixels por unidade do diagrama no --export-image (padrão 1).</translation>
    </message>
    <message>
        <source>Compare the group files OLD and NEW by meaning without a window: --diff OLD NEW. Exit status 0 when they are the same, 1 when they differ, 2 when a file can&apos;t be read.</source>
        <translation>Compara os arquivos de grupo OLD e NEW pelo significado, sem abrir janela: --diff OLD NEW. Código de saída 0 quando são iguais, 1 quando diferem, 2 quando um arquivo não pôde ser lido.</translation>
    </message>
    <message>
        <source>With --diff: box positions and sizes count as changes too.</source>
        <translation>Com --diff: posições e tamanhos das caixas também contam como mudanças.</translation>
    </message>
    <message>
        <source>Report of --check and --diff: text (one line per finding or change, the default) or json.</source>
        <translation>Relatório de --check e --diff: text (uma linha por ocorrência ou mudança, o padrão) ou json.</translation>
    </message>
    <message>
        <source>Run the group file GROUP on a simulated driver terminal without a window: --simulate GROUP --script STEPS. Exit status 0 when every step was accepted, 1 when one was refused, 2 when the group or the script can&apos;t be read.</source>
        <translation>Executa o arquivo de grupo GROUP num terminal de motorista simulado sem abrir janela: --simulate GROUP --script STEPS. Código de saída 0 quando todos os passos foram aceitos, 1 quando algum foi recusado, 2 quando o grupo ou o roteiro não pode ser lido.</translation>
    </message>
    <message>
        <source>Steps of --simulate, one a line: open N, field K TEXT, send, next FK, back, screen.</source>
        <translation>Passos de --simulate, um por linha: open N, field K TEXT, send, next FK, back, screen.</translation>
    </message>
    <message>
        <source>With --convert or --export-image: lay the boxes out by their flow first, top to bottom.</source>
        <translation>Com --convert ou --export-image: organiza antes as caixas pelo fluxo, de cima para baixo.</translation>
    </message>
    <message>
        <source>With --check: how many files are read and checked at once (default: one per processor core).</source>
        <translation>Com --check: quantos arquivos são lidos e verificados ao mesmo tempo (padrão: um por núcleo do processador).</translation>
    </message>
</context>
</TS>
