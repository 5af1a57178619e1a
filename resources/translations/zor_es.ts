<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="pt_BR">
<context>
    <name>AddMacroCommand</name>
    <message>
        <source>Nova macro %1</source>
        <translation>Nueva macro %1</translation>
    </message>
</context>
<context>
    <name>AnchorSettings</name>
    <message>
        <source>%1: o valor &quot;%2&quot; da chave &quot;%3&quot; da seção &quot;ancora&quot; não é um número de 0 a %4 e foi ignorado.</source>
        <translation>%1: el valor &quot;%2&quot; de la clave &quot;%3&quot; de la sección &quot;ancora&quot; no es un número de 0 a %4 y se ha ignorado.</translation>
    </message>
</context>
<context>
    <name>BoxArranger</name>
    <message>
        <source>Organizando as caixas pelo fluxo...</source>
        <translation>Organizando las cajas según el flujo...</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Organizar caixas</source>
        <translation>Organizar cajas</translation>
    </message>
    <message>
        <source>A organização das caixas foi descartada: o grupo mudou enquanto ela era calculada.</source>
        <translation>La organización de las cajas se descartó: el grupo cambió mientras se calculaba.</translation>
    </message>
    <message>
        <source>As caixas já estão organizadas.</source>
        <translation>Las cajas ya están organizadas.</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>Não foi possível abrir o arquivo.</source>
        <translation>No se pudo abrir el archivo.</translation>
    </message>
    <message>
        <source>Sem a violação de âncora de &quot;zor.ini&quot; na pasta de trabalho: a sequência e o raio das macros com análise de âncora não serão verificados.</source>
        <translation>Falta la violación de ancla de &quot;zor.ini&quot; en la carpeta de trabajo: no se comprobarán la secuencia ni el radio de las macros con análisis de ancla.</translation>
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
        <translation>Falta la violación de ancla de &quot;zor.ini&quot; en la carpeta de trabajo: los radios de ancla no se convertirán.</translation>
    </message>
    <message>
        <source>O arquivo de saída não pode ser o próprio arquivo de entrada: %1</source>
        <translation>El archivo de salida no puede ser el propio archivo de entrada: %1</translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo %1</source>
        <translation>No se pudo abrir el archivo %1</translation>
    </message>
    <message>
        <source>Não foi possível salvar o arquivo %1</source>
        <translation>No se pudo guardar el archivo %1</translation>
    </message>
</context>
<context>
    <name>CorrectCharactersCommand</name>
    <message>
        <source>Corrigir caracteres</source>
        <translation>Corregir caracteres</translation>
    </message>
</context>
<context>
    <name>DeleteMacrosCommand</name>
    <message>
        <source>Deletar macro %1</source>
        <translation>Eliminar macro %1</translation>
    </message>
    <message>
        <source>Deletar %1 macros</source>
        <translation>Eliminar %1 macros</translation>
    </message>
</context>
<context>
    <name>DiffCommand</name>
    <message>
        <source>Sem o arquivo de dados %1: violações, reações e as outras listas aparecem pelo número.</source>
        <translation>Sin el archivo de datos %1: las violaciones, reacciones y demás listas aparecen por su número.</translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo.</source>
        <translation>No se pudo abrir el archivo.</translation>
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
        <translation>Inicio de viaje</translation>
    </message>
    <message>
        <source>Parada</source>
        <translation>Parada</translation>
    </message>
    <message>
        <source>Operação</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Solicitação</source>
        <translation>Solicitud</translation>
    </message>
    <message>
        <source>Reinício de viagem</source>
        <translation>Reinicio de viaje</translation>
    </message>
    <message>
        <source>Fim de viagem</source>
        <translation>Fin de viaje</translation>
    </message>
    <message>
        <source>Especiais</source>
        <translation>Especiales</translation>
    </message>
    <message>
        <source>macro adicionada: %1</source>
        <translation>macro añadida: %1</translation>
    </message>
    <message>
        <source>macro removida: %1</source>
        <translation>macro eliminada: %1</translation>
    </message>
    <message>
        <source>macro renumerada: %1 -&gt; %2</source>
        <translation>macro renumerada: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>nome: %1 -&gt; %2</source>
        <translation>nombre: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>descrição: %1 -&gt; %2</source>
        <translation>descripción: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>sigla: %1 -&gt; %2</source>
        <translation>sigla: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>atalho: %1 -&gt; %2</source>
        <translation>atajo: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>tipo: %1 -&gt; %2</source>
        <translation>tipo: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>Segurança</source>
        <translation>Seguridad</translation>
    </message>
    <message>
        <source>Informação</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>segurança ou informação: %1 -&gt; %2</source>
        <translation>seguridad o información: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>(nenhuma)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>próxima macro F%1: %2 -&gt; %3</source>
        <translation>macro siguiente F%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>validação adicionada: %1</source>
        <translation>validación añadida: %1</translation>
    </message>
    <message>
        <source>validação removida: %1</source>
        <translation>validación eliminada: %1</translation>
    </message>
    <message>
        <source>automação adicionada: %1</source>
        <translation>automatización añadida: %1</translation>
    </message>
    <message>
        <source>automação removida: %1</source>
        <translation>automatización eliminada: %1</translation>
    </message>
    <message>
        <source>sensor do modo seguro adicionado: %1</source>
        <translation>sensor del modo seguro añadido: %1</translation>
    </message>
    <message>
        <source>sensor do modo seguro removido: %1</source>
        <translation>sensor del modo seguro eliminado: %1</translation>
    </message>
    <message>
        <source>atuador do modo seguro adicionado: %1</source>
        <translation>actuador del modo seguro añadido: %1</translation>
    </message>
    <message>
        <source>atuador do modo seguro removido: %1</source>
        <translation>actuador del modo seguro eliminado: %1</translation>
    </message>
    <message>
        <source>violação %1: reação adicionada: %2</source>
        <translation>violación %1: reacción añadida: %2</translation>
    </message>
    <message>
        <source>violação %1: reação removida: %2</source>
        <translation>violación %1: reacción eliminada: %2</translation>
    </message>
    <message>
        <source>violação %1: tempo de análise: %2 -&gt; %3</source>
        <translation>violación %1: tiempo de análisis: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>violação %1: raio: %2 m -&gt; %3 m</source>
        <translation>violación %1: radio: %2 m -&gt; %3 m</translation>
    </message>
    <message>
        <source>reações: %1</source>
        <translation>reacciones: %1</translation>
    </message>
    <message>
        <source>tempo de análise: %1</source>
        <translation>tiempo de análisis: %1</translation>
    </message>
    <message>
        <source>raio: %1 m</source>
        <translation>radio: %1 m</translation>
    </message>
    <message>
        <source>violação adicionada: %1</source>
        <translation>violación añadida: %1</translation>
    </message>
    <message>
        <source>violação removida: %1</source>
        <translation>violación eliminada: %1</translation>
    </message>
    <message>
        <source>posição: (%1, %2) -&gt; (%3, %4)</source>
        <translation>posición: (%1, %2) -&gt; (%3, %4)</translation>
    </message>
    <message>
        <source>tamanho: %1 x %2 -&gt; %3 x %4</source>
        <translation>tamaño: %1 x %2 -&gt; %3 x %4</translation>
    </message>
    <message>
        <source>formulário, linha %1: %2 -&gt; %3</source>
        <translation>formulario, línea %1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>texto de confirmação, linha %1: %2 -&gt; %3</source>
        <translation>texto de confirmación, línea %1: %2 -&gt; %3</translation>
    </message>
</context>
<context>
    <name>DifferencesDock</name>
    <message>
        <source>Diferenças</source>
        <translation>Diferencias</translation>
    </message>
    <message>
        <source>Clique em uma linha para marcar a caixa da macro no grupo aberto</source>
        <translation>Haga clic en una línea para marcar la caja de la macro en el grupo abierto</translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo %1</source>
        <translation>No se pudo abrir el archivo %1</translation>
    </message>
    <message>
        <source>Nenhuma diferença entre %1 e o grupo aberto.</source>
        <translation>Ninguna diferencia entre %1 y el grupo abierto.</translation>
    </message>
    <message>
        <source>De %1 para o grupo aberto:</source>
        <translation>De %1 al grupo abierto:</translation>
    </message>
</context>
<context>
    <name>ExportImageCommand</name>
    <message>
        <source>A imagem teria %1 x %2 pixels; o máximo é %3 de cada lado.</source>
        <translation>La imagen tendría %1 x %2 píxeles; el máximo es %3 por lado.</translation>
    </message>
    <message>
        <source>A imagem teria %1 x %2 pixels; o máximo é %3 pixels ao todo.</source>
        <translation>La imagen tendría %1 x %2 píxeles; el máximo es %3 píxeles en total.</translation>
    </message>
    <message>
        <source>Escala inválida (use um número maior que zero): %1</source>
        <translation>Escala no válida (use un número mayor que cero): %1</translation>
    </message>
    <message>
        <source>O arquivo de saída não pode ser o próprio arquivo de entrada: %1</source>
        <translation>El archivo de salida no puede ser el propio archivo de entrada: %1</translation>
    </message>
    <message>
        <source>Formato de imagem não suportado (use .png ou .svg): %1</source>
        <translation>Formato de imagen no admitido (use .png o .svg): %1</translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo %1</source>
        <translation>No se pudo abrir el archivo %1</translation>
    </message>
    <message>
        <source>Não foi possível salvar o arquivo %1</source>
        <translation>No se pudo guardar el archivo %1</translation>
    </message>
</context>
<context>
    <name>FileGuard</name>
    <message>
        <source>O arquivo %1 já está aberto em outro Zor.</source>
        <translation>El archivo %1 ya está abierto en otro Zor.</translation>
    </message>
    <message>
        <source>Se os dois o salvarem, as alterações salvas por último apagarão as outras.</source>
        <translation>Si ambos lo guardan, los cambios guardados en último lugar borrarán los otros.</translation>
    </message>
    <message>
        <source>Abrir mesmo assim</source>
        <translation>Abrir de todos modos</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Sem nome</source>
        <translation>Sin nombre</translation>
    </message>
    <message>
        <source>Arquivo: nenhum, o grupo nunca foi salvo.</source>
        <translation>Archivo: ninguno, el grupo nunca se guardó.</translation>
    </message>
    <message>
        <source>Arquivo: %1</source>
        <translation>Archivo: %1</translation>
    </message>
    <message>
        <source>Cópia gravada em %1.</source>
        <translation>Copia guardada el %1.</translation>
    </message>
    <message>
        <source>O Zor foi encerrado antes de salvar as alterações do grupo %1. Deseja recuperá-las?</source>
        <translation>Zor se cerró antes de guardar los cambios del grupo %1. ¿Desea recuperarlos?</translation>
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
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>Atenção!</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>O arquivo %1 foi alterado por outro programa depois que foi aberto aqui.</source>
        <translation>El archivo %1 fue modificado por otro programa después de abrirse aquí.</translation>
    </message>
    <message>
        <source>Salvar agora apaga as alterações do outro programa.</source>
        <translation>Guardar ahora borra los cambios del otro programa.</translation>
    </message>
    <message>
        <source>Sobrescrever</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>O arquivo %1 foi alterado por outro programa.</source>
        <translation>El archivo %1 fue modificado por otro programa.</translation>
    </message>
    <message>
        <source>Deseja recarregá-lo?</source>
        <translation>¿Desea recargarlo?</translation>
    </message>
    <message>
        <source>Recarregar</source>
        <translation>Recargar</translation>
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
        <translation>No es un archivo normal (es una carpeta, un dispositivo o una tubería) y no se reemplazará.</translation>
    </message>
    <message>
        <source>O arquivo está protegido contra gravação.</source>
        <translation>El archivo es de solo lectura.</translation>
    </message>
</context>
<context>
    <name>FindField</name>
    <message>
        <source>Procurar macro</source>
        <translation>Buscar macro</translation>
    </message>
    <message>
        <source>Procurar macro por número, sigla ou nome (Ctrl+F); F3: próxima</source>
        <translation>Buscar una macro por número, sigla o nombre (Ctrl+F); F3: siguiente</translation>
    </message>
</context>
<context>
    <name>FindingsModel</name>
    <message>
        <source>Regra</source>
        <translation>Regla</translation>
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
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>Imagem PNG (*.png);;Imagem SVG (*.svg)</source>
        <translation>Imagen PNG (*.png);;Imagen SVG (*.svg)</translation>
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
        <translation>Sin nombre</translation>
    </message>
</context>
<context>
    <name>Group</name>
    <message>
        <source>Não é possível criar macros seguidas com a análise de Âncoras, por favor consulte o manual e revise o sequenciamento das macros.</source>
        <translation>No se pueden encadenar macros con análisis de ancla. Consulte el manual y revise la secuencia de las macros.</translation>
    </message>
    <message>
        <source>Atenção!</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>O arquivo foi gerado em uma versão mais antiga do Zor.</source>
        <translation>El archivo se creó con una versión anterior de Zor.</translation>
    </message>
    <message>
        <source>O arquivo foi gerado em uma versão mais nova do Zor  e pode conter funcionalidades não suportadas. Faça o download da versão mais recente do Zor na página da Orvenda (</source>
        <translation>El archivo se creó con una versión más reciente de Zor y puede contener funciones no compatibles. Descargue la última versión de Zor en el sitio web de Orvenda (</translation>
    </message>
    <message>
        <source>(e mais %1)</source>
        <translation>(y %1 más)</translation>
    </message>
    <message>
        <source>O arquivo %1 está danificado; foi lido assim mesmo:</source>
        <translation>El archivo %1 está dañado; se ha leído de todos modos:</translation>
    </message>
    <message>
        <source>Não é possível criar macros seguidas com a análise de Âncoras, por favor consulte o manual e revise o sequenciamento das macros. (Macro %1-&gt;%2)</source>
        <translation>No se pueden encadenar macros con análisis de ancla. Consulte el manual y revise la secuencia de las macros. (Macro %1-&gt;%2)</translation>
    </message>
    <message>
        <source>Formato do arquivo inválido (%1).</source>
        <translation>Formato de archivo no válido (%1).</translation>
    </message>
</context>
<context>
    <name>GroupCheck</name>
    <message>
        <source>Caracteres não aceitos pelo terminal no formulário ou no texto de confirmação: %1</source>
        <translation>Caracteres no aceptados por el terminal en el formulario o en el texto de confirmación: %1</translation>
    </message>
    <message>
        <source>Marcador de campo malformado no formulário, linha %1.</source>
        <translation>Marcador de campo mal formado en el formulario, línea %1.</translation>
    </message>
    <message>
        <source>O nome contém caracteres não aceitos: %1</source>
        <translation>El nombre contiene caracteres no aceptados: %1</translation>
    </message>
    <message>
        <source>A sigla contém caracteres não aceitos: %1</source>
        <translation>La sigla contiene caracteres no aceptados: %1</translation>
    </message>
    <message>
        <source>A sigla está vazia.</source>
        <translation>La sigla está vacía.</translation>
    </message>
    <message>
        <source>A sigla %1 tem mais de %2 caracteres.</source>
        <translation>La sigla %1 tiene más de %2 caracteres.</translation>
    </message>
    <message>
        <source>O número %1 já é usado pela macro %2.</source>
        <translation>El número %1 ya lo usa la macro %2.</translation>
    </message>
    <message>
        <source>A sigla %1 já é usada pela macro de número %2.</source>
        <translation>La sigla %1 ya la usa la macro número %2.</translation>
    </message>
    <message>
        <source>O atalho %1 já é usado pela macro %2.</source>
        <translation>El atajo %1 ya lo usa la macro %2.</translation>
    </message>
    <message>
        <source>A sigla %1 da função F%2 não existe no grupo.</source>
        <translation>La sigla %1 de la función F%2 no existe en el grupo.</translation>
    </message>
    <message>
        <source>%1 macros seguintes; o terminal aceita no máximo %2.</source>
        <translation>%1 macros siguientes; el terminal acepta como máximo %2.</translation>
    </message>
    <message>
        <source>Macros com análise de âncora em sequência: %1 -&gt; %2.</source>
        <translation>Macros con análisis de ancla en secuencia: %1 -&gt; %2.</translation>
    </message>
    <message>
        <source>O raio de âncora de %1 m está fora dos limites permitidos (%2 a %3 m).</source>
        <translation>El radio de ancla de %1 m está fuera de los límites permitidos (%2 a %3 m).</translation>
    </message>
    <message>
        <source>%1 violações; o terminal aceita no máximo %2.</source>
        <translation>%1 violaciones; el terminal acepta como máximo %2.</translation>
    </message>
    <message>
        <source>O número %1 está fora do intervalo de %2 a %3.</source>
        <translation>El número %1 está fuera del intervalo de %2 a %3.</translation>
    </message>
    <message>
        <source>O atalho %1 está fora do intervalo de 0 a %2.</source>
        <translation>El atajo %1 está fuera del intervalo de 0 a %2.</translation>
    </message>
    <message>
        <source>Macro com análise de âncora e atalho %1: uma macro com a violação de âncora não tem atalho.</source>
        <translation>Macro con análisis de ancla y atajo %1: una macro con la violación de ancla no tiene atajo.</translation>
    </message>
</context>
<context>
    <name>GroupHeaderCommand</name>
    <message>
        <source>Alterar nome e descrição do grupo</source>
        <translation>Cambiar nombre y descripción del grupo</translation>
    </message>
    <message>
        <source>Alterar nome do grupo</source>
        <translation>Cambiar nombre del grupo</translation>
    </message>
    <message>
        <source>Alterar descrição do grupo</source>
        <translation>Cambiar descripción del grupo</translation>
    </message>
    <message>
        <source>Alterar data de criação do grupo</source>
        <translation>Cambiar fecha de creación del grupo</translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>Não é um arquivo comum (é uma pasta, um dispositivo ou um pipe).</source>
        <translation>No es un archivo normal (es una carpeta, un dispositivo o una tubería).</translation>
    </message>
    <message>
        <source>O arquivo tem %1 bytes; um grupo de macros não passa de %2 bytes.</source>
        <translation>El archivo tiene %1 bytes; un grupo de macros no pasa de %2 bytes.</translation>
    </message>
</context>
<context>
    <name>MacroJson</name>
    <message>
        <source>O valor %1 de &quot;%2&quot; não é um número inteiro; lido como %3.</source>
        <translation>El valor %1 de &quot;%2&quot; no es un número entero; leído como %3.</translation>
    </message>
    <message>
        <source>O valor %1 de &quot;%2&quot; está fora do intervalo de %3 a %4; lido como %5.</source>
        <translation>El valor %1 de &quot;%2&quot; está fuera del intervalo de %3 a %4; leído como %5.</translation>
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
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Opções</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>&amp;Ajuda</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Sobre a Macro</source>
        <translation>Información de la macro</translation>
    </message>
    <message>
        <source>Grupo de macros:</source>
        <translation>Grupo de macros:</translation>
    </message>
    <message>
        <source>Data de criação:</source>
        <translation>Fecha de creación:</translation>
    </message>
    <message>
        <source>Descrição:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Depuración</translation>
    </message>
    <message>
        <source>Novo grupo</source>
        <translation>Nuevo grupo</translation>
    </message>
    <message>
        <source>Novo grupo  (Ctrl+N)</source>
        <translation>Nuevo grupo  (Ctrl+N)</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Nova &amp;macro</source>
        <translation>Nueva &amp;macro</translation>
    </message>
    <message>
        <source>Nova macro  (Ctrl+M)</source>
        <translation>Nueva macro  (Ctrl+M)</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Carregar grupo</source>
        <translation>&amp;Abrir grupo</translation>
    </message>
    <message>
        <source>Carregar grupo</source>
        <translation>Abrir grupo</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Salvar grupo</source>
        <translation>&amp;Guardar grupo</translation>
    </message>
    <message>
        <source>Salvar grupo (Ctrl+S)</source>
        <translation>Guardar grupo (Ctrl+S)</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>S&amp;alvar grupo como...</source>
        <translation>Guardar grupo &amp;como...</translation>
    </message>
    <message>
        <source>Salvar grupo como</source>
        <translation>Guardar grupo como</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Fechar grupo</source>
        <translation>Cerrar grupo</translation>
    </message>
    <message>
        <source>Ctrl+F4</source>
        <translation>Ctrl+F4</translation>
    </message>
    <message>
        <source>Sa&amp;ir</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Deletar</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Deletar (Del)</source>
        <translation>Eliminar (Del)</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Selecionar tudo</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Selecionar tudo (Ctrl+A)</source>
        <translation>Seleccionar todo (Ctrl+A)</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>Seleção</source>
        <translation>Selección</translation>
    </message>
    <message>
        <source>Seleção (Esc)</source>
        <translation>Selección (Esc)</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Zoom mais</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom mais (Ctrl+Shift+I)</source>
        <translation>Acercar (Ctrl+Shift+I)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+I</source>
        <translation>Ctrl+Shift+I</translation>
    </message>
    <message>
        <source>Zoom menos</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Zoom menos (Ctrl+Shift+O)</source>
        <translation>Alejar (Ctrl+Shift+O)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Mostrar grid</source>
        <translation>Mostrar cuadrícula</translation>
    </message>
    <message>
        <source>Mostrar grid (Ctrl+G)</source>
        <translation>Mostrar cuadrícula (Ctrl+G)</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>&amp;Detalhes</source>
        <translation>&amp;Detalles</translation>
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
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Sobre Qt</source>
        <translation>Acerca de &amp;Qt</translation>
    </message>
    <message>
        <source>sem grupo</source>
        <translation>sin grupo</translation>
    </message>
    <message>
        <source>(sem descrição)</source>
        <translation>(sin descripción)</translation>
    </message>
    <message>
        <source>Atenção!</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>O arquivo de dados zor.ini não foi encontrado.</source>
        <translation>No se encontró el archivo de datos zor.ini.</translation>
    </message>
    <message>
        <source>Ocorreram mudanças nas macros, deseja salvar
estas alterações?</source>
        <translation>Las macros han cambiado. ¿Desea guardar
estos cambios?</translation>
    </message>
    <message>
        <source>Salvar</source>
        <translation>Guardar</translation>
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
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Arquivos de seq. de macros (*.%1)</source>
        <translation>Archivos de secuencia de macros (*.%1)</translation>
    </message>
    <message>
        <source>Erro!</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Esta versão do Zor irá salvar o arquivo no formato MCX. O arquivo original será mantido, porém as alterações serão salvas no novo formato.</source>
        <translation>Esta versión de Zor guardará el archivo en formato MCX. El archivo original se conservará, pero los cambios se guardarán en el nuevo formato.</translation>
    </message>
    <message>
        <source>Abrir grupo de macros</source>
        <translation>Abrir grupo de macros</translation>
    </message>
    <message>
        <source>Todos arquivos de seq. de macros (*.mcx *.mcr);;Arquivos de seq. de macros (*.mcx);;Arquivos de seq. de macros versão antiga (*.mcr)</source>
        <translation>Todos los archivos de secuencia de macros (*.mcx *.mcr);;Archivos de secuencia de macros (*.mcx);;Archivos de secuencia de macros, versión antigua (*.mcr)</translation>
    </message>
    <message>
        <source>Foram encontrados os seguintes caracteres não autorizados:</source>
        <translation>Se encontraron los siguientes caracteres no permitidos:</translation>
    </message>
    <message>
        <source>nas seguintes macros:</source>
        <translation>en las siguientes macros:</translation>
    </message>
    <message>
        <source>Caracteres Incompatíveis</source>
        <translation>Caracteres incompatibles</translation>
    </message>
    <message>
        <source>Deseja realizar a correção automática?</source>
        <translation>¿Desea corregirlos automáticamente?</translation>
    </message>
    <message>
        <source>Sucesso</source>
        <translation>Operación correcta</translation>
    </message>
    <message>
        <source>Ajustes concluídos com sucesso</source>
        <translation>Correcciones realizadas correctamente</translation>
    </message>
    <message>
        <source>Sim</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Não</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Arquivo inválido, necessário ajuste da tag na linha</source>
        <translation>Archivo no válido, es necesario corregir la etiqueta en la línea</translation>
    </message>
    <message>
        <source>&amp;Editar</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Histórico</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>&lt;aberto&gt;</source>
        <translation>&lt;abierto&gt;</translation>
    </message>
    <message>
        <source>&amp;Desfazer</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Desfazer (Ctrl+Z)</source>
        <translation>Deshacer (Ctrl+Z)</translation>
    </message>
    <message>
        <source>&amp;Refazer</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Refazer (Ctrl+Shift+Z)</source>
        <translation>Rehacer (Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>&amp;Histórico</source>
        <translation>&amp;Historial</translation>
    </message>
    <message>
        <source>&amp;Desfazer %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Refazer %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>Sem nome</source>
        <translation>Sin nombre</translation>
    </message>
    <message>
        <source>Comparar com...</source>
        <translation>Comparar con...</translation>
    </message>
    <message>
        <source>Comparar o grupo aberto com outro arquivo de grupo</source>
        <translation>Comparar el grupo abierto con otro archivo de grupo</translation>
    </message>
    <message>
        <source>Comparar com</source>
        <translation>Comparar con</translation>
    </message>
    <message>
        <source>Si&amp;mular</source>
        <translation>Si&amp;mular</translation>
    </message>
    <message>
        <source>Simular o grupo no terminal do motorista (Ctrl+R)</source>
        <translation>Simular el grupo en el terminal del conductor (Ctrl+R)</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>E&amp;xibir</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Exportar imagem...</source>
        <translation>&amp;Exportar imagen...</translation>
    </message>
    <message>
        <source>Exportar o fluxo do grupo como imagem PNG ou SVG</source>
        <translation>Exportar el flujo del grupo como imagen PNG o SVG</translation>
    </message>
    <message>
        <source>Im&amp;primir...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Imprimir o fluxo do grupo (Ctrl+P)</source>
        <translation>Imprimir el flujo del grupo (Ctrl+P)</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Procurar macro</source>
        <translation>&amp;Buscar macro</translation>
    </message>
    <message>
        <source>Procurar macro por número, sigla ou nome (Ctrl+F)</source>
        <translation>Buscar una macro por número, sigla o nombre (Ctrl+F)</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Próxima &amp;encontrada</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>Próxima macro encontrada (F3)</source>
        <translation>Siguiente macro encontrada (F3)</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>&amp;Anterior encontrada</source>
        <translation>Buscar &amp;anterior</translation>
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
        <translation>&amp;Ajustar a la ventana</translation>
    </message>
    <message>
        <source>Ajustar o fluxo à janela (Ctrl+0)</source>
        <translation>Ajustar el flujo a la ventana (Ctrl+0)</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>&amp;Verificação</source>
        <translation>&amp;Verificación</translation>
    </message>
    <message>
        <source>Nenhuma macro encontrada</source>
        <translation>Ninguna macro encontrada</translation>
    </message>
    <message>
        <source>&amp;Organizar caixas</source>
        <translation>&amp;Organizar cajas</translation>
    </message>
    <message>
        <source>Organizar as caixas pelo fluxo, de cima para baixo; com caixas selecionadas, só elas (Ctrl+L)</source>
        <translation>Organizar las cajas según el flujo, de arriba abajo; con cajas seleccionadas, solo esas (Ctrl+L)</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Grupo de Macros: %1</source>
        <translation>Grupo de macros: %1</translation>
    </message>
    <message>
        <source>Data de Criação: %1</source>
        <translation>Fecha de creación: %1</translation>
    </message>
    <message>
        <source>Descrição: %1</source>
        <translation>Descripción: %1</translation>
    </message>
    <message>
        <source>%1 objetos selecionados</source>
        <translation>%1 objetos seleccionados</translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo %1</source>
        <translation>No se pudo abrir el archivo %1</translation>
    </message>
    <message>
        <source>Não foi possível salvar o arquivo %1</source>
        <translation>No se pudo guardar el archivo %1</translation>
    </message>
</context>
<context>
    <name>McrReader</name>
    <message>
        <source>O arquivo tem %1 bytes, menos que os %2 do cabeçalho de um arquivo .mcr.</source>
        <translation>El archivo tiene %1 bytes, menos que los %2 de la cabecera de un archivo .mcr.</translation>
    </message>
    <message>
        <source>O arquivo termina antes do fim dos seus dados (%1).</source>
        <translation>El archivo termina antes del final de sus datos (%1).</translation>
    </message>
    <message>
        <source>O arquivo tem %1 bytes, menos que os %2 do cabeçalho: o grupo fica vazio.</source>
        <translation>El archivo tiene %1 bytes, menos que los %2 de la cabecera: el grupo queda vacío.</translation>
    </message>
    <message>
        <source>Sobram %1 bytes depois do último registro completo; foram ignorados.</source>
        <translation>Sobran %1 bytes después del último registro completo; se han ignorado.</translation>
    </message>
    <message>
        <source>A versão %1 é mais nova que a de qualquer arquivo .mcr.</source>
        <translation>La versión %1 es más nueva que la de cualquier archivo .mcr.</translation>
    </message>
    <message>
        <source>O comprimento do nome, %1, passa dos %2 bytes do campo e foi cortado.</source>
        <translation>La longitud del nombre, %1, supera los %2 bytes del campo y se ha recortado.</translation>
    </message>
    <message>
        <source>O comprimento da sigla, %1, passa dos %2 bytes do campo e foi cortado.</source>
        <translation>La longitud de la sigla, %1, supera los %2 bytes del campo y se ha recortado.</translation>
    </message>
</context>
<context>
    <name>McxReader</name>
    <message>
        <source>Erro de sintaxe JSON na linha %1, coluna %2 (byte %3): %4.</source>
        <translation>Error de sintaxis JSON en la línea %1, columna %2 (byte %3): %4.</translation>
    </message>
    <message>
        <source>A versão do arquivo, %1, não pôde ser lida; o arquivo é lido no formato atual.</source>
        <translation>No se pudo leer la versión del archivo, %1; el archivo se lee en el formato actual.</translation>
    </message>
</context>
<context>
    <name>MoveBoxesCommand</name>
    <message>
        <source>Redimensionar %1 caixas</source>
        <translation>Redimensionar %1 cajas</translation>
    </message>
    <message>
        <source>Mover %1 caixas</source>
        <translation>Mover %1 cajas</translation>
    </message>
    <message>
        <source>Redimensionar caixa %1</source>
        <translation>Redimensionar caja %1</translation>
    </message>
    <message>
        <source>Mover caixa %1</source>
        <translation>Mover caja %1</translation>
    </message>
    <message>
        <source>Organizar caixas</source>
        <translation>Organizar cajas</translation>
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
        <translation>[opciones]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumentos:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de comandos.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Muestra la ayuda, incluidas las opciones propias de Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Muestra la información de la versión.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida: &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opciones desconocidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta el valor después de &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado después de &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>No existe el archivo o la carpeta</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>No queda espacio en el dispositivo</translation>
    </message>
</context>
<context>
    <name>QJsonParseError</name>
    <message>
        <source>unterminated object</source>
        <translation>objeto sin terminar</translation>
    </message>
    <message>
        <source>missing name separator</source>
        <translation>falta el separador de nombre</translation>
    </message>
    <message>
        <source>unterminated array</source>
        <translation>lista sin terminar</translation>
    </message>
    <message>
        <source>missing value separator</source>
        <translation>falta el separador de valores</translation>
    </message>
    <message>
        <source>illegal value</source>
        <translation>valor no válido</translation>
    </message>
    <message>
        <source>invalid termination by number</source>
        <translation>terminación no válida por un número</translation>
    </message>
    <message>
        <source>illegal number</source>
        <translation>número no válido</translation>
    </message>
    <message>
        <source>invalid escape sequence</source>
        <translation>secuencia de escape no válida</translation>
    </message>
    <message>
        <source>invalid UTF8 string</source>
        <translation>texto UTF-8 no válido</translation>
    </message>
    <message>
        <source>unterminated string</source>
        <translation>texto sin terminar</translation>
    </message>
    <message>
        <source>object is missing after a comma</source>
        <translation>falta un objeto después de una coma</translation>
    </message>
    <message>
        <source>too deeply nested document</source>
        <translation>documento anidado en exceso</translation>
    </message>
    <message>
        <source>too large document</source>
        <translation>documento demasiado grande</translation>
    </message>
    <message>
        <source>garbage at the end of the document</source>
        <translation>datos sobrantes al final del documento</translation>
    </message>
</context>
<context>
    <name>RecentFilesMenu</name>
    <message>
        <source>Atenção!</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>O arquivo %1 não existe mais e foi retirado da lista.</source>
        <translation>El archivo %1 ya no existe y se ha quitado de la lista.</translation>
    </message>
    <message>
        <source>Abrir &amp;recente</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;Limpar lista</source>
        <translation>&amp;Limpiar lista</translation>
    </message>
</context>
<context>
    <name>SimulateCommand</name>
    <message>
        <source>Não foi possível abrir o arquivo %1</source>
        <translation>No se pudo abrir el archivo %1</translation>
    </message>
    <message>
        <source>Não foi possível ler o roteiro %1</source>
        <translation>No se pudo leer el guion %1</translation>
    </message>
    <message>
        <source>linha %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>campo %1 (%2): escreva on ou off</source>
        <translation>campo %1 (%2): escriba on u off</translation>
    </message>
</context>
<context>
    <name>SimulationScript</name>
    <message>
        <source>linha %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>&quot;open&quot; pede o número de uma macro: open 1</source>
        <translation>&quot;open&quot; pide el número de una macro: open 1</translation>
    </message>
    <message>
        <source>&quot;field&quot; pede o número do campo, a partir de 1, e o texto: field 1 JOAO</source>
        <translation>&quot;field&quot; pide el número del campo, desde 1, y el texto: field 1 JOAO</translation>
    </message>
    <message>
        <source>&quot;next&quot; pede uma tecla de F0 a F9: next F1</source>
        <translation>&quot;next&quot; pide una tecla de F0 a F9: next F1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não leva argumentos</source>
        <translation>&quot;%1&quot; no lleva argumentos</translation>
    </message>
    <message>
        <source>passo desconhecido &quot;%1&quot; (open, field, send, next, back, screen)</source>
        <translation>paso desconocido &quot;%1&quot; (open, field, send, next, back, screen)</translation>
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
        <translation>ATJ</translation>
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
        <translation>Obligatorio</translation>
    </message>
    <message>
        <source>Opcional</source>
        <translation>Opcional</translation>
    </message>
    <message>
        <source>Tamanho do campo</source>
        <translation>Longitud del campo</translation>
    </message>
    <message>
        <source>Digite o tamanho do campo incluindo &apos;[&apos; e &apos;]&apos;:</source>
        <translation>Introduzca la longitud del campo, incluidos &apos;[&apos; y &apos;]&apos;:</translation>
    </message>
    <message>
        <source>Inserir comando</source>
        <translation>Insertar comando</translation>
    </message>
    <message>
        <source>O tamanho do campo ultrapassa o fim da linha...</source>
        <translation>El campo sobrepasa el final de la línea...</translation>
    </message>
    <message>
        <source>Este campo não pode ser inserido nesta posição...</source>
        <translation>Este campo no se puede insertar en esta posición...</translation>
    </message>
</context>
<context>
    <name>TerminalField</name>
    <message>
        <source>é um campo de marcar, sem texto</source>
        <translation>es un campo para marcar, sin texto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; é mais longo que o campo (%2 caracteres)</source>
        <translation>&quot;%1&quot; es más largo que el campo (%2 caracteres)</translation>
    </message>
    <message>
        <source>o caractere &quot;%1&quot; não é aceito aqui</source>
        <translation>el carácter &quot;%1&quot; no se acepta aquí</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não é um número decimal</source>
        <translation>&quot;%1&quot; no es un número decimal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não é uma data válida (dd/mm/aa)</source>
        <translation>&quot;%1&quot; no es una fecha válida (dd/mm/aa)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não é uma hora válida (hh:mm)</source>
        <translation>&quot;%1&quot; no es una hora válida (hh:mm)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não é uma data e hora válidas (dd/mm/aa hh:mm)</source>
        <translation>&quot;%1&quot; no es una fecha y hora válidas (dd/mm/aa hh:mm)</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Senha</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Data/Hora</source>
        <translation>Fecha/Hora</translation>
    </message>
    <message>
        <source>Checagem</source>
        <translation>Casilla de verificación</translation>
    </message>
    <message>
        <source>Seleção</source>
        <translation>Selección</translation>
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
        <translation>no es un campo para marcar</translation>
    </message>
    <message>
        <source>uma seleção só sai ao escolher outra</source>
        <translation>una selección solo se quita eligiendo otra</translation>
    </message>
    <message>
        <source>obrigatório, precisa ser marcado</source>
        <translation>obligatorio, debe estar marcado</translation>
    </message>
    <message>
        <source>obrigatório, escolha uma das seleções da tela</source>
        <translation>obligatorio, elija una de las selecciones de la pantalla</translation>
    </message>
    <message>
        <source>obrigatório, está vazio</source>
        <translation>obligatorio, está vacío</translation>
    </message>
    <message>
        <source>campo %1 (%2): %3</source>
        <translation>campo %1 (%2): %3</translation>
    </message>
    <message>
        <source>não há campo %1 nesta tela (campos: %2)</source>
        <translation>no hay campo %1 en esta pantalla (campos: %2)</translation>
    </message>
</context>
<context>
    <name>TerminalSession</name>
    <message>
        <source>volte à tela inicial para abrir outra macro</source>
        <translation>vuelva a la pantalla inicial para abrir otra macro</translation>
    </message>
    <message>
        <source>não há macro de número %1 no grupo</source>
        <translation>no hay macro con el número %1 en el grupo</translation>
    </message>
    <message>
        <source>abra uma macro primeiro</source>
        <translation>abra una macro primero</translation>
    </message>
    <message>
        <source>a macro %1 é de informação: não tem campos nem é enviada</source>
        <translation>la macro %1 es de información: no tiene campos ni se envía</translation>
    </message>
    <message>
        <source>a macro %1 já foi enviada</source>
        <translation>la macro %1 ya fue enviada</translation>
    </message>
    <message>
        <source>envie a macro %1 antes de seguir o fluxo</source>
        <translation>envíe la macro %1 antes de seguir el flujo</translation>
    </message>
    <message>
        <source>a macro %1 não tem macro na tecla F%2</source>
        <translation>la macro %1 no tiene macro en la tecla F%2</translation>
    </message>
    <message>
        <source>a tecla F%1 leva à sigla %2, que não existe no grupo</source>
        <translation>la tecla F%1 lleva a la sigla %2, que no existe en el grupo</translation>
    </message>
    <message>
        <source>já está na tela inicial</source>
        <translation>ya está en la pantalla inicial</translation>
    </message>
</context>
<context>
    <name>VerificationDock</name>
    <message>
        <source>Verificação</source>
        <translation>Verificación</translation>
    </message>
    <message>
        <source>Nenhum problema</source>
        <translation>Ningún problema</translation>
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
        <translation>Ningún grupo abierto.</translation>
    </message>
    <message>
        <source>O grupo não tem problemas.</source>
        <translation>El grupo no tiene problemas.</translation>
    </message>
</context>
<context>
    <name>dlgAbout</name>
    <message>
        <source>Sobre o Zor - Quorvane</source>
        <translation>Acerca de Zor - Quorvane</translation>
    </message>
    <message>
        <source>Zor - Quorvane
Versão: %1</source>
        <translation>Zor - Quorvane
Versión: %1</translation>
    </message>
</context>
<context>
    <name>dlgConfigMacro</name>
    <message>
        <source>Configurar Macro</source>
        <translation>Configurar macro</translation>
    </message>
    <message>
        <source>&amp;Número</source>
        <translation>&amp;Número</translation>
    </message>
    <message>
        <source>No&amp;me</source>
        <translation>No&amp;mbre</translation>
    </message>
    <message>
        <source>&amp;Atalho</source>
        <translation>&amp;Atajo</translation>
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
        <translation>Inicio de viaje</translation>
    </message>
    <message>
        <source>Parada</source>
        <translation>Parada</translation>
    </message>
    <message>
        <source>Operação</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Solicitação</source>
        <translation>Solicitud</translation>
    </message>
    <message>
        <source>Reinício de viagem</source>
        <translation>Reinicio de viaje</translation>
    </message>
    <message>
        <source>Fim de viagem</source>
        <translation>Fin de viaje</translation>
    </message>
    <message>
        <source>Especiais</source>
        <translation>Especiales</translation>
    </message>
    <message>
        <source>Se&amp;gurança</source>
        <translation>Se&amp;guridad</translation>
    </message>
    <message>
        <source>&amp;Informação</source>
        <translation>&amp;Información</translation>
    </message>
    <message>
        <source>&amp;Formulário</source>
        <translation>&amp;Formulario</translation>
    </message>
    <message>
        <source>Caracteres aceitos: 0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ,.;:?![] _-/$%</source>
        <translation>Caracteres aceptados: 0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ,.;:?![] _-/$%</translation>
    </message>
    <message>
        <source>&amp;Validação</source>
        <translation>&amp;Validación</translation>
    </message>
    <message>
        <source>Estas propriedades não se aplicam para macros tipo &apos;Informação&apos;</source>
        <translation>Estas propiedades no se aplican a las macros de tipo «Información»</translation>
    </message>
    <message>
        <source>A&amp;utomação</source>
        <translation>A&amp;utomatización</translation>
    </message>
    <message>
        <source>Atuação</source>
        <translation>Acciones</translation>
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
        <translation>Actuadores</translation>
    </message>
    <message>
        <source>Vio&amp;lação</source>
        <translation>Vio&amp;lación</translation>
    </message>
    <message>
        <source>Item para análise</source>
        <translation>Elemento a analizar</translation>
    </message>
    <message>
        <source>Tempo de análise (m:ss)</source>
        <translation>Tiempo de análisis (m:ss)</translation>
    </message>
    <message>
        <source>Raio (m)</source>
        <translation>Radio (m)</translation>
    </message>
    <message>
        <source>Flu&amp;xo Operacional </source>
        <translation>Flu&amp;jo operativo </translation>
    </message>
    <message>
        <source>Configuração de próximas macros permitidas</source>
        <translation>Macros permitidas a continuación</translation>
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
        <translation>T&amp;exto de confirmación</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>Ace&amp;ptar</translation>
    </message>
    <message>
        <source>&amp;Cancelar</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Senha</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Data/Hora</source>
        <translation>Fecha/Hora</translation>
    </message>
    <message>
        <source>Checagem</source>
        <translation>Casilla de verificación</translation>
    </message>
    <message>
        <source>Seleção</source>
        <translation>Selección</translation>
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
        <translation>Atención</translation>
    </message>
    <message>
        <source>A violação de âncora foi selecionada, ao confirmar essa ação, o atalho será excluído</source>
        <translation>Se seleccionó la violación de ancla. Si confirma esta acción, se eliminará el atajo.</translation>
    </message>
    <message>
        <source>Sim</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Não</source>
        <translation>No</translation>
    </message>
    <message>
        <source>O campo &apos;Numero&apos; deve ser maior que zero.</source>
        <translation>El campo «Número» debe ser mayor que cero.</translation>
    </message>
    <message>
        <source>O número da macro já existe.</source>
        <translation>El número de macro ya existe.</translation>
    </message>
    <message>
        <source>Arquivo inválido, necessário ajuste da tag na linha</source>
        <translation>Archivo no válido, es necesario corregir la etiqueta en la línea</translation>
    </message>
    <message>
        <source>
O campo &apos;Sigla&apos; deve ser preenchido.</source>
        <translation>
El campo «Sigla» es obligatorio.</translation>
    </message>
    <message>
        <source>
A sigla da macro já existe.</source>
        <translation>
La sigla de la macro ya existe.</translation>
    </message>
    <message>
        <source>
O campo &apos;Atalho&apos; deve ser maior que zero e menor que 249.</source>
        <translation>
El campo «Atajo» debe ser mayor que cero y menor que 249.</translation>
    </message>
    <message>
        <source>
O nome da macro não pode conter acentos!</source>
        <translation>
¡El nombre de la macro no puede contener acentos!</translation>
    </message>
    <message>
        <source>
A sigla não pode conter acentos!</source>
        <translation>
¡La sigla no puede contener acentos!</translation>
    </message>
    <message>
        <source>Erro!</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Sigla da função F%1 não existe!</source>
        <translation>¡La sigla de la función F%1 no existe!</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Informação</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Verificação concluída!</source>
        <translation>¡Verificación completada!</translation>
    </message>
    <message>
        <source>L: %1, C: %2</source>
        <translation>Fila: %1, Col: %2</translation>
    </message>
    <message>
        <source>O valor de &apos;Violação de Âncora&apos;&apos; é menor que o mínimo permitido (</source>
        <translation>El valor de «Violación de Ancla» es menor que el mínimo permitido (</translation>
    </message>
    <message>
        <source>O valor de &apos;Violação de Âncora&apos; é maior que o máximo permitido (</source>
        <translation>El valor de «Violación de Ancla» es mayor que el máximo permitido (</translation>
    </message>
    <message>
        <source>Apenas %1 violações são permitidas!</source>
        <translation>¡Solo se permiten %1 violaciones!</translation>
    </message>
</context>
<context>
    <name>dlgGroup</name>
    <message>
        <source>Novo grupo de macros</source>
        <translation>Nuevo grupo de macros</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>(Nome do grupo)</source>
        <translation>(Nombre del grupo)</translation>
    </message>
    <message>
        <source>Descrição</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>(Descrição do grupo)</source>
        <translation>(Descripción del grupo)</translation>
    </message>
    <message>
        <source>&amp;Novo</source>
        <translation>&amp;Nuevo</translation>
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
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Entre com a descrição:</source>
        <translation>Introduzca la descripción:</translation>
    </message>
    <message>
        <source>(sem nome)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
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
        <translation>Añadir nueva macro</translation>
    </message>
    <message>
        <source>Número</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Atalho</source>
        <translation>Atajo</translation>
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
        <translation>Inicio de viaje</translation>
    </message>
    <message>
        <source>Parada</source>
        <translation>Parada</translation>
    </message>
    <message>
        <source>Operação</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Solicitação</source>
        <translation>Solicitud</translation>
    </message>
    <message>
        <source>Reinício de viagem</source>
        <translation>Reinicio de viaje</translation>
    </message>
    <message>
        <source>Fim de viagem</source>
        <translation>Fin de viaje</translation>
    </message>
    <message>
        <source>Especiais</source>
        <translation>Especiales</translation>
    </message>
    <message>
        <source>Segurança</source>
        <translation>Seguridad</translation>
    </message>
    <message>
        <source>Informação</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>&amp;Incluir</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Cancelar</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>O número da macro já existe.</source>
        <translation>El número de macro ya existe.</translation>
    </message>
    <message>
        <source>O atalho da macro já existe.</source>
        <translation>Este atajo ya está en uso.</translation>
    </message>
    <message>
        <source>A sigla da macro já existe.</source>
        <translation>La sigla de la macro ya existe.</translation>
    </message>
    <message>
        <source>O nome da macro não pode conter acentos!</source>
        <translation>¡El nombre de la macro no puede contener acentos!</translation>
    </message>
    <message>
        <source>A sigla não pode conter acentos!</source>
        <translation>¡La sigla no puede contener acentos!</translation>
    </message>
    <message>
        <source>
O campo &apos;Atalho&apos; deve ser maior que zero e menor que 249.</source>
        <translation>
El campo «Atajo» debe ser mayor que cero y menor que 249.</translation>
    </message>
    <message>
        <source>O campo &quot;Número&quot; da macro deve ser preenchido!</source>
        <translation>¡El campo «Número» de la macro es obligatorio!</translation>
    </message>
    <message>
        <source>O campo &quot;Nome&quot;&apos; da macro deve ser preenchido!</source>
        <translation>¡El campo «Nombre» de la macro es obligatorio!</translation>
    </message>
    <message>
        <source>O campo &quot;Sigla&quot; da macro deve ser preenchido!</source>
        <translation>¡El campo «Sigla» de la macro es obligatorio!</translation>
    </message>
    <message>
        <source>Deve ser definido o tipo da macro!</source>
        <translation>¡Debe definir el tipo de la macro!</translation>
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
        <translation>Simulador del terminal</translation>
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
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>Me&amp;nsagens enviadas</source>
        <translation>Me&amp;nsajes enviados</translation>
    </message>
    <message>
        <source>&amp;Fechar</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Digite o número de uma macro da lista.</source>
        <translation>Escriba el número de una macro de la lista.</translation>
    </message>
    <message>
        <source>Tela inicial: digite o número de uma macro e Abrir. Page Up e Page Down mudam de página.</source>
        <translation>Pantalla inicial: escriba el número de una macro y Abrir. Re Pág y Av Pág cambian de página.</translation>
    </message>
    <message>
        <source>Macro %1 (%2): preencha os campos (Para cima, Para baixo e Enter mudam de campo; Espaço marca) e Enviar.</source>
        <translation>Macro %1 (%2): rellene los campos (Arriba, Abajo e Intro cambian de campo; Espacio marca) y Enviar.</translation>
    </message>
    <message>
        <source>Macro %1 (%2), de informação: siga por F0 a F9 (também Ctrl+0 a Ctrl+9) ou Voltar.</source>
        <translation>Macro %1 (%2), de información: siga con F0 a F9 (también Ctrl+0 a Ctrl+9) o Volver.</translation>
    </message>
    <message>
        <source>Macro %1 (%2) enviada: siga por F0 a F9 (também Ctrl+0 a Ctrl+9) ou Voltar.</source>
        <translation>Macro %1 (%2) enviada: siga con F0 a F9 (también Ctrl+0 a Ctrl+9) o Volver.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Enable debug logs</source>
        <translation>Activa los registros de depuración</translation>
    </message>
    <message>
        <source>Set application language to &lt;language&gt;.</source>
        <translation>Establece el idioma del programa en &lt;language&gt;.</translation>
    </message>
    <message>
        <source>Convert the group file IN to OUT without a window: --convert IN OUT. Each file&apos;s format follows its suffix (.mcr, or .mcx for any other).</source>
        <translation>Convierte el archivo de grupo IN en OUT sin abrir ninguna ventana: --convert IN OUT. El formato de cada archivo depende de su extensión (.mcr, o .mcx para cualquier otra).</translation>
    </message>
    <message>
        <source>Zor</source>
        <translation>Zor</translation>
    </message>
    <message>
        <source>File to open</source>
        <translation>Archivo que se abrirá</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>Check the group files FILE... against the terminal&apos;s rules without a window: --check FILE... Exit status 0 when nothing was found, 1 when something was, 2 when a file can&apos;t be read.</source>
        <translation>Comprueba los archivos de grupo FILE... según las reglas del terminal sin abrir ninguna ventana: --check FILE... Código de salida 0 si no se encontró nada, 1 si se encontró algo, 2 si no se pudo leer un archivo.</translation>
    </message>
    <message>
        <source>Draw the flow diagram of the group file IN into the picture OUT without a window: --export-image IN OUT. PNG or SVG by the suffix of OUT.</source>
        <translation>Dibuja el diagrama de flujo del archivo de grupo IN en la imagen OUT sin abrir ninguna ventana: --export-image IN OUT. PNG o SVG según la extensión de OUT.</translation>
    </message>
    <message>
        <source>Pixels per diagram unit of --export-image (default 1).</source>
        <translation>Píxeles por unidad del diagrama en --export-image (predeterminado 1).</translation>
    </message>
    <message>
        <source>Compare the group files OLD and NEW by meaning without a window: --diff OLD NEW. Exit status 0 when they are the same, 1 when they differ, 2 when a file can&apos;t be read.</source>
        <translation>Compara por su significado los archivos de grupo OLD y NEW sin abrir ninguna ventana: --diff OLD NEW. Código de salida 0 si son iguales, 1 si difieren, 2 si no se pudo leer un archivo.</translation>
    </message>
    <message>
        <source>With --diff: box positions and sizes count as changes too.</source>
        <translation>Con --diff: las posiciones y los tamaños de las cajas también cuentan como cambios.</translation>
    </message>
    <message>
        <source>Report of --check and --diff: text (one line per finding or change, the default) or json.</source>
        <translation>Informe de --check y --diff: text (una línea por hallazgo o cambio, el predeterminado) o json.</translation>
    </message>
    <message>
        <source>Run the group file GROUP on a simulated driver terminal without a window: --simulate GROUP --script STEPS. Exit status 0 when every step was accepted, 1 when one was refused, 2 when the group or the script can&apos;t be read.</source>
        <translation>Ejecuta el archivo de grupo GROUP en un terminal de conductor simulado sin abrir ventana: --simulate GROUP --script STEPS. Estado de salida 0 cuando se aceptaron todos los pasos, 1 cuando se rechazó alguno, 2 cuando no se puede leer el grupo o el guion.</translation>
    </message>
    <message>
        <source>Steps of --simulate, one a line: open N, field K TEXT, send, next FK, back, screen.</source>
        <translation>Pasos de --simulate, uno por línea: open N, field K TEXT, send, next FK, back, screen.</translation>
    </message>
    <message>
        <source>With --convert or --export-image: lay the boxes out by their flow first, top to bottom.</source>
        <translation>Con --convert o --export-image: organiza antes las cajas según el flujo, de arriba abajo.</translation>
    </message>
    <message>
        <source>With --check: how many files are read and checked at once (default: one per processor core).</source>
        <translation>Con --check: cuántos archivos se leen y verifican a la vez (por omisión: uno por núcleo del procesador).</translation>
    </message>
</context>
</TS>
