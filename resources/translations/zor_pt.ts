<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="pt_BR">
<context>
    <name>AnchorSettings</name>
    <message>
        <source>%1: o valor &quot;%2&quot; da chave &quot;%3&quot; da seção &quot;ancora&quot; não é um número de 0 a %4 e foi ignorado.</source>
        <translation>%1: o valor &quot;%2&quot; da chave &quot;%3&quot; da seção &quot;ancora&quot; não é um número de 0 a %4 e foi ignorado.</translation>
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
    <name>ConvertCommand</name>
    <message>
        <source>O arquivo de saída não pode ser o próprio arquivo de entrada: </source>
        <translation>O arquivo de saída não pode ser o próprio arquivo de entrada: </translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo </source>
        <translation>Não foi possível abrir o arquivo </translation>
    </message>
    <message>
        <source>Não foi possível salvar o arquivo </source>
        <translation>Não foi possível salvar o arquivo </translation>
    </message>
    <message>
        <source>Sem a violação de âncora de &quot;zor.ini&quot; na pasta de trabalho: os raios de âncora não serão convertidos.</source>
        <translation>Sem a violação de âncora de &quot;zor.ini&quot; na pasta de trabalho: os raios de âncora não serão convertidos.</translation>
    </message>
</context>
<context>
    <name>ExportImageCommand</name>
    <message>
        <source>Escala inválida (use um número maior que zero): </source>
        <translation>Escala inválida (use um número maior que zero): </translation>
    </message>
    <message>
        <source>Formato de imagem não suportado (use .png ou .svg): </source>
        <translation>Formato de imagem não suportado (use .png ou .svg): </translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo </source>
        <translation>Não foi possível abrir o arquivo </translation>
    </message>
    <message>
        <source>A imagem teria %1 x %2 pixels; o máximo é %3 de cada lado.</source>
        <translation>A imagem teria %1 x %2 pixels; o máximo é %3 de cada lado.</translation>
    </message>
    <message>
        <source>Não foi possível salvar o arquivo </source>
        <translation>Não foi possível salvar o arquivo </translation>
    </message>
    <message>
        <source>O arquivo de saída não pode ser o próprio arquivo de entrada: </source>
        <translation>O arquivo de saída não pode ser o próprio arquivo de entrada: </translation>
    </message>
    <message>
        <source>A imagem teria %1 x %2 pixels; o máximo é %3 pixels ao todo.</source>
        <translation>A imagem teria %1 x %2 pixels; o máximo é %3 pixels ao todo.</translation>
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
    <name>Group</name>
    <message>
        <source>Não é possível criar macros seguidas com a análise de Âncoras, por favor consulte o manual e revise o sequenciamento das macros.</source>
        <translation>Não é possível criar macros seguidas com a análise de Âncoras, por favor consulte o manual e revise o sequenciamento das macros.</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
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
        <source>Formato do arquivo inválido (</source>
        <translation>Formato do arquivo inválido (</translation>
    </message>
    <message>
        <source>(e mais %1)</source>
        <translation>(e mais %1)</translation>
    </message>
    <message>
        <source>O arquivo %1 está danificado; foi lido assim mesmo:</source>
        <translation>O arquivo %1 está danificado; foi lido assim mesmo:</translation>
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
        <source>Grupo de Macros: </source>
        <translation>Grupo de Macros: </translation>
    </message>
    <message>
        <source>Data de Criação: </source>
        <translation>Data de Criação: </translation>
    </message>
    <message>
        <source>Descrição: </source>
        <translation>Descrição: </translation>
    </message>
    <message>
        <source> objetos selecionados</source>
        <translation> objetos selecionados</translation>
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
        <source>Não foi possível abrir o arquivo </source>
        <translation>Não foi possível abrir o arquivo </translation>
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
        <source>Não foi possível salvar o arquivo </source>
        <translation>Não foi possível salvar o arquivo </translation>
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
        <source>Report of --check: text (one line per finding, the default) or json.</source>
        <translation>Relatório do --check: text (uma linha por ocorrência, o padrão) ou json.</translation>
    </message>
    <message>
        <source>Draw the flow diagram of the group file IN into the picture OUT without a window: --export-image IN OUT. PNG or SVG by the suffix of OUT.</source>
        <translation>Desenha o diagrama de fluxo do arquivo de grupo IN na imagem OUT sem abrir janela: --export-image IN OUT. PNG ou SVG conforme a extensão de OUT.</translation>
    </message>
    <message>
        <source>Pixels per diagram unit of --export-image (default 1).</source>
        <translation>Pixels por unidade do diagrama no --export-image (padrão 1).</translation>
    </message>
</context>
</TS>
