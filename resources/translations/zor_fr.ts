<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="pt_BR">
<context>
    <name>AddMacroCommand</name>
    <message>
        <source>Nova macro %1</source>
        <translation>Nouvelle macro %1</translation>
    </message>
</context>
<context>
    <name>AnchorSettings</name>
    <message>
        <source>%1: o valor &quot;%2&quot; da chave &quot;%3&quot; da seção &quot;ancora&quot; não é um número de 0 a %4 e foi ignorado.</source>
        <translation>%1&#xa0;: la valeur &quot;%2&quot; de la clé &quot;%3&quot; de la section &quot;ancora&quot; n’est pas un nombre de 0 à %4 et a été ignorée.</translation>
    </message>
</context>
<context>
    <name>BoxArranger</name>
    <message>
        <source>Organizando as caixas pelo fluxo...</source>
        <translation>Organisation des boîtes selon le flux...</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Organizar caixas</source>
        <translation>Organiser les boîtes</translation>
    </message>
    <message>
        <source>A organização das caixas foi descartada: o grupo mudou enquanto ela era calculada.</source>
        <translation>L’organisation des boîtes a été abandonnée&#xa0;: le groupe a changé pendant son calcul.</translation>
    </message>
    <message>
        <source>As caixas já estão organizadas.</source>
        <translation>Les boîtes sont déjà organisées.</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>Não foi possível abrir o arquivo.</source>
        <translation>Impossible d’ouvrir le fichier.</translation>
    </message>
    <message>
        <source>Sem a violação de âncora de &quot;zor.ini&quot; na pasta de trabalho: a sequência e o raio das macros com análise de âncora não serão verificados.</source>
        <translation>La violation d’ancre de &quot;zor.ini&quot; est absente du dossier de travail&#xa0;: l’enchaînement et le rayon des macros avec analyse d’ancre ne seront pas vérifiés.</translation>
    </message>
</context>
<context>
    <name>ConfigureMacroCommand</name>
    <message>
        <source>Configurar macro %1</source>
        <translation>Configurer la macro %1</translation>
    </message>
</context>
<context>
    <name>ConvertCommand</name>
    <message>
        <source>Sem a violação de âncora de &quot;zor.ini&quot; na pasta de trabalho: os raios de âncora não serão convertidos.</source>
        <translation>La violation d’ancre de &quot;zor.ini&quot; est absente du dossier de travail&#xa0;: les rayons d’ancre ne seront pas convertis.</translation>
    </message>
    <message>
        <source>O arquivo de saída não pode ser o próprio arquivo de entrada: %1</source>
        <translation>Le fichier de sortie ne peut pas être le fichier d’entrée lui-même&#xa0;: %1</translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo %1</source>
        <translation>Impossible d’ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Não foi possível salvar o arquivo %1</source>
        <translation>Impossible d’enregistrer le fichier %1</translation>
    </message>
</context>
<context>
    <name>CorrectCharactersCommand</name>
    <message>
        <source>Corrigir caracteres</source>
        <translation>Corriger les caractères</translation>
    </message>
</context>
<context>
    <name>DeleteMacrosCommand</name>
    <message>
        <source>Deletar macro %1</source>
        <translation>Supprimer la macro %1</translation>
    </message>
    <message>
        <source>Deletar %1 macros</source>
        <translation>Supprimer %1 macros</translation>
    </message>
</context>
<context>
    <name>DiffCommand</name>
    <message>
        <source>Sem o arquivo de dados %1: violações, reações e as outras listas aparecem pelo número.</source>
        <translation>Pas de fichier de données %1&#xa0;: violations, réactions et autres listes apparaissent par leur numéro.</translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo.</source>
        <translation>Impossible d’ouvrir le fichier.</translation>
    </message>
</context>
<context>
    <name>DifferenceText</name>
    <message>
        <source>Grupo</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Início de viagem</source>
        <translation>Début de trajet</translation>
    </message>
    <message>
        <source>Parada</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Operação</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Solicitação</source>
        <translation>Demande</translation>
    </message>
    <message>
        <source>Reinício de viagem</source>
        <translation>Reprise de trajet</translation>
    </message>
    <message>
        <source>Fim de viagem</source>
        <translation>Fin de trajet</translation>
    </message>
    <message>
        <source>Especiais</source>
        <translation>Spéciales</translation>
    </message>
    <message>
        <source>macro adicionada: %1</source>
        <translation>macro ajoutée&#xa0;: %1</translation>
    </message>
    <message>
        <source>macro removida: %1</source>
        <translation>macro supprimée&#xa0;: %1</translation>
    </message>
    <message>
        <source>macro renumerada: %1 -&gt; %2</source>
        <translation>macro renumérotée&#xa0;: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>nome: %1 -&gt; %2</source>
        <translation>nom&#xa0;: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>descrição: %1 -&gt; %2</source>
        <translation>description&#xa0;: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>sigla: %1 -&gt; %2</source>
        <translation>sigle&#xa0;: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>atalho: %1 -&gt; %2</source>
        <translation>touche&#xa0;: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>tipo: %1 -&gt; %2</source>
        <translation>type&#xa0;: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>Segurança</source>
        <translation>Sécurité</translation>
    </message>
    <message>
        <source>Informação</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>segurança ou informação: %1 -&gt; %2</source>
        <translation>sécurité ou information&#xa0;: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>(nenhuma)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>próxima macro F%1: %2 -&gt; %3</source>
        <translation>macro suivante F%1&#xa0;: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>validação adicionada: %1</source>
        <translation>validation ajoutée&#xa0;: %1</translation>
    </message>
    <message>
        <source>validação removida: %1</source>
        <translation>validation supprimée&#xa0;: %1</translation>
    </message>
    <message>
        <source>automação adicionada: %1</source>
        <translation>automatisation ajoutée&#xa0;: %1</translation>
    </message>
    <message>
        <source>automação removida: %1</source>
        <translation>automatisation supprimée&#xa0;: %1</translation>
    </message>
    <message>
        <source>sensor do modo seguro adicionado: %1</source>
        <translation>capteur du mode sécurisé ajouté&#xa0;: %1</translation>
    </message>
    <message>
        <source>sensor do modo seguro removido: %1</source>
        <translation>capteur du mode sécurisé supprimé&#xa0;: %1</translation>
    </message>
    <message>
        <source>atuador do modo seguro adicionado: %1</source>
        <translation>actionneur du mode sécurisé ajouté&#xa0;: %1</translation>
    </message>
    <message>
        <source>atuador do modo seguro removido: %1</source>
        <translation>actionneur du mode sécurisé supprimé&#xa0;: %1</translation>
    </message>
    <message>
        <source>violação %1: reação adicionada: %2</source>
        <translation>violation %1&#xa0;: réaction ajoutée&#xa0;: %2</translation>
    </message>
    <message>
        <source>violação %1: reação removida: %2</source>
        <translation>violation %1&#xa0;: réaction supprimée&#xa0;: %2</translation>
    </message>
    <message>
        <source>violação %1: tempo de análise: %2 -&gt; %3</source>
        <translation>violation %1&#xa0;: durée d’analyse&#xa0;: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>violação %1: raio: %2 m -&gt; %3 m</source>
        <translation>violation %1&#xa0;: rayon&#xa0;: %2 m -&gt; %3 m</translation>
    </message>
    <message>
        <source>reações: %1</source>
        <translation>réactions&#xa0;: %1</translation>
    </message>
    <message>
        <source>tempo de análise: %1</source>
        <translation>durée d’analyse&#xa0;: %1</translation>
    </message>
    <message>
        <source>raio: %1 m</source>
        <translation>rayon&#xa0;: %1 m</translation>
    </message>
    <message>
        <source>violação adicionada: %1</source>
        <translation>violation ajoutée&#xa0;: %1</translation>
    </message>
    <message>
        <source>violação removida: %1</source>
        <translation>violation supprimée&#xa0;: %1</translation>
    </message>
    <message>
        <source>posição: (%1, %2) -&gt; (%3, %4)</source>
        <translation>position&#xa0;: (%1, %2) -&gt; (%3, %4)</translation>
    </message>
    <message>
        <source>tamanho: %1 x %2 -&gt; %3 x %4</source>
        <translation>taille&#xa0;: %1 x %2 -&gt; %3 x %4</translation>
    </message>
    <message>
        <source>formulário, linha %1: %2 -&gt; %3</source>
        <translation>formulaire, ligne %1&#xa0;: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>texto de confirmação, linha %1: %2 -&gt; %3</source>
        <translation>texte de confirmation, ligne %1&#xa0;: %2 -&gt; %3</translation>
    </message>
</context>
<context>
    <name>DifferencesDock</name>
    <message>
        <source>Diferenças</source>
        <translation>Différences</translation>
    </message>
    <message>
        <source>Clique em uma linha para marcar a caixa da macro no grupo aberto</source>
        <translation>Cliquez sur une ligne pour marquer la boîte de la macro dans le groupe ouvert</translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo %1</source>
        <translation>Impossible d’ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Nenhuma diferença entre %1 e o grupo aberto.</source>
        <translation>Aucune différence entre %1 et le groupe ouvert.</translation>
    </message>
    <message>
        <source>De %1 para o grupo aberto:</source>
        <translation>De %1 au groupe ouvert&#xa0;:</translation>
    </message>
</context>
<context>
    <name>ExportImageCommand</name>
    <message>
        <source>A imagem teria %1 x %2 pixels; o máximo é %3 de cada lado.</source>
        <translation>L’image ferait %1 x %2 pixels&#xa0;; le maximum est de %3 par côté.</translation>
    </message>
    <message>
        <source>A imagem teria %1 x %2 pixels; o máximo é %3 pixels ao todo.</source>
        <translation>L’image aurait %1 x %2 pixels&#xa0;; le maximum est de %3 pixels au total.</translation>
    </message>
    <message>
        <source>Escala inválida (use um número maior que zero): %1</source>
        <translation>Échelle non valide (utilisez un nombre supérieur à zéro)&#xa0;: %1</translation>
    </message>
    <message>
        <source>O arquivo de saída não pode ser o próprio arquivo de entrada: %1</source>
        <translation>Le fichier de sortie ne peut pas être le fichier d’entrée lui-même&#xa0;: %1</translation>
    </message>
    <message>
        <source>Formato de imagem não suportado (use .png ou .svg): %1</source>
        <translation>Format d’image non pris en charge (utilisez .png ou .svg)&#xa0;: %1</translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo %1</source>
        <translation>Impossible d’ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Não foi possível salvar o arquivo %1</source>
        <translation>Impossible d’enregistrer le fichier %1</translation>
    </message>
</context>
<context>
    <name>FileGuard</name>
    <message>
        <source>O arquivo %1 já está aberto em outro Zor.</source>
        <translation>Le fichier %1 est déjà ouvert dans un autre Zor.</translation>
    </message>
    <message>
        <source>Se os dois o salvarem, as alterações salvas por último apagarão as outras.</source>
        <translation>Si les deux l’enregistrent, les modifications enregistrées en dernier effaceront les autres.</translation>
    </message>
    <message>
        <source>Abrir mesmo assim</source>
        <translation>Ouvrir quand même</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Sem nome</source>
        <translation>Sans nom</translation>
    </message>
    <message>
        <source>Arquivo: nenhum, o grupo nunca foi salvo.</source>
        <translation>Fichier&#xa0;: aucun, le groupe n’a jamais été enregistré.</translation>
    </message>
    <message>
        <source>Arquivo: %1</source>
        <translation>Fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cópia gravada em %1.</source>
        <translation>Copie écrite le %1.</translation>
    </message>
    <message>
        <source>O Zor foi encerrado antes de salvar as alterações do grupo %1. Deseja recuperá-las?</source>
        <translation>Zor s’est arrêté avant d’enregistrer les modifications du groupe %1. Voulez-vous les récupérer&#xa0;?</translation>
    </message>
    <message>
        <source>Recuperar</source>
        <translation>Récupérer</translation>
    </message>
    <message>
        <source>Descartar</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Depois</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Atenção!</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>O arquivo %1 foi alterado por outro programa depois que foi aberto aqui.</source>
        <translation>Le fichier %1 a été modifié par un autre programme après avoir été ouvert ici.</translation>
    </message>
    <message>
        <source>Salvar agora apaga as alterações do outro programa.</source>
        <translation>Enregistrer maintenant efface les modifications de l’autre programme.</translation>
    </message>
    <message>
        <source>Sobrescrever</source>
        <translation>Écraser</translation>
    </message>
    <message>
        <source>O arquivo %1 foi alterado por outro programa.</source>
        <translation>Le fichier %1 a été modifié par un autre programme.</translation>
    </message>
    <message>
        <source>Deseja recarregá-lo?</source>
        <translation>Voulez-vous le recharger&#xa0;?</translation>
    </message>
    <message>
        <source>Recarregar</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>Ignorar</source>
        <translation>Ignorer</translation>
    </message>
</context>
<context>
    <name>FileSaver</name>
    <message>
        <source>Não é um arquivo comum (é uma pasta, um dispositivo ou um pipe) e não será substituído.</source>
        <translation>Ce n’est pas un fichier ordinaire (c’est un dossier, un périphérique ou un tube) et il ne sera pas remplacé.</translation>
    </message>
    <message>
        <source>O arquivo está protegido contra gravação.</source>
        <translation>Le fichier est en lecture seule.</translation>
    </message>
</context>
<context>
    <name>FindField</name>
    <message>
        <source>Procurar macro</source>
        <translation>Chercher une macro</translation>
    </message>
    <message>
        <source>Procurar macro por número, sigla ou nome (Ctrl+F); F3: próxima</source>
        <translation>Chercher une macro par numéro, sigle ou nom (Ctrl+F)&#xa0;; F3&#xa0;: suivante</translation>
    </message>
</context>
<context>
    <name>FindingsModel</name>
    <message>
        <source>Regra</source>
        <translation>Règle</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Problema</source>
        <translation>Problème</translation>
    </message>
</context>
<context>
    <name>FlowOutput</name>
    <message>
        <source>Exportar imagem</source>
        <translation>Exporter l’image</translation>
    </message>
    <message>
        <source>Imagem PNG (*.png);;Imagem SVG (*.svg)</source>
        <translation>Image PNG (*.png);;Image SVG (*.svg)</translation>
    </message>
    <message>
        <source>Imprimir %1</source>
        <translation>Imprimer %1</translation>
    </message>
</context>
<context>
    <name>FlowPrinter</name>
    <message>
        <source>Sem nome</source>
        <translation>Sans nom</translation>
    </message>
</context>
<context>
    <name>Group</name>
    <message>
        <source>Não é possível criar macros seguidas com a análise de Âncoras, por favor consulte o manual e revise o sequenciamento das macros.</source>
        <translation>Des macros avec analyse d’ancre ne peuvent pas se suivre. Veuillez consulter le manuel et revoir l’enchaînement des macros.</translation>
    </message>
    <message>
        <source>Atenção!</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>O arquivo foi gerado em uma versão mais antiga do Zor.</source>
        <translation>Le fichier a été créé avec une version plus ancienne de Zor.</translation>
    </message>
    <message>
        <source>O arquivo foi gerado em uma versão mais nova do Zor  e pode conter funcionalidades não suportadas. Faça o download da versão mais recente do Zor na página da Orvenda (</source>
        <translation>Le fichier a été créé avec une version plus récente de Zor et peut contenir des fonctions non prises en charge. Téléchargez la dernière version de Zor sur le site d’Orvenda (</translation>
    </message>
    <message>
        <source>(e mais %1)</source>
        <translation>(et %1 de plus)</translation>
    </message>
    <message>
        <source>O arquivo %1 está danificado; foi lido assim mesmo:</source>
        <translation>Le fichier %1 est endommagé&#xa0;; il a été lu malgré tout&#xa0;:</translation>
    </message>
    <message>
        <source>Não é possível criar macros seguidas com a análise de Âncoras, por favor consulte o manual e revise o sequenciamento das macros. (Macro %1-&gt;%2)</source>
        <translation>Des macros avec analyse d’ancre ne peuvent pas se suivre. Veuillez consulter le manuel et revoir l’enchaînement des macros. (Macro %1-&gt;%2)</translation>
    </message>
    <message>
        <source>Formato do arquivo inválido (%1).</source>
        <translation>Format de fichier non valide (%1).</translation>
    </message>
</context>
<context>
    <name>GroupCheck</name>
    <message>
        <source>Caracteres não aceitos pelo terminal no formulário ou no texto de confirmação: %1</source>
        <translation>Caractères refusés par le terminal dans le formulaire ou le texte de confirmation&#xa0;: %1</translation>
    </message>
    <message>
        <source>Marcador de campo malformado no formulário, linha %1.</source>
        <translation>Marqueur de champ mal formé dans le formulaire, ligne %1.</translation>
    </message>
    <message>
        <source>O nome contém caracteres não aceitos: %1</source>
        <translation>Le nom contient des caractères refusés&#xa0;: %1</translation>
    </message>
    <message>
        <source>A sigla contém caracteres não aceitos: %1</source>
        <translation>Le sigle contient des caractères refusés&#xa0;: %1</translation>
    </message>
    <message>
        <source>A sigla está vazia.</source>
        <translation>Le sigle est vide.</translation>
    </message>
    <message>
        <source>A sigla %1 tem mais de %2 caracteres.</source>
        <translation>Le sigle %1 compte plus de %2 caractères.</translation>
    </message>
    <message>
        <source>O número %1 já é usado pela macro %2.</source>
        <translation>Le numéro %1 est déjà utilisé par la macro %2.</translation>
    </message>
    <message>
        <source>A sigla %1 já é usada pela macro de número %2.</source>
        <translation>Le sigle %1 est déjà utilisé par la macro numéro %2.</translation>
    </message>
    <message>
        <source>O atalho %1 já é usado pela macro %2.</source>
        <translation>La touche %1 est déjà utilisée par la macro %2.</translation>
    </message>
    <message>
        <source>A sigla %1 da função F%2 não existe no grupo.</source>
        <translation>Le sigle %1 de la fonction F%2 n’existe pas dans le groupe.</translation>
    </message>
    <message>
        <source>%1 macros seguintes; o terminal aceita no máximo %2.</source>
        <translation>%1 macros suivantes&#xa0;; le terminal en accepte au plus %2.</translation>
    </message>
    <message>
        <source>Macros com análise de âncora em sequência: %1 -&gt; %2.</source>
        <translation>Macros avec analyse d’ancre qui se suivent&#xa0;: %1 -&gt; %2.</translation>
    </message>
    <message>
        <source>O raio de âncora de %1 m está fora dos limites permitidos (%2 a %3 m).</source>
        <translation>Le rayon d’ancre de %1 m est hors des limites autorisées (%2 à %3 m).</translation>
    </message>
    <message>
        <source>%1 violações; o terminal aceita no máximo %2.</source>
        <translation>%1 violations&#xa0;; le terminal en accepte au plus %2.</translation>
    </message>
    <message>
        <source>O número %1 está fora do intervalo de %2 a %3.</source>
        <translation>Le numéro %1 est hors de l’intervalle de %2 à %3.</translation>
    </message>
    <message>
        <source>O atalho %1 está fora do intervalo de 0 a %2.</source>
        <translation>Le raccourci %1 est hors de l’intervalle de 0 à %2.</translation>
    </message>
    <message>
        <source>Macro com análise de âncora e atalho %1: uma macro com a violação de âncora não tem atalho.</source>
        <translation>Macro avec analyse d’ancre et raccourci %1&#xa0;: une macro avec la violation d’ancre n’a pas de raccourci.</translation>
    </message>
</context>
<context>
    <name>GroupHeaderCommand</name>
    <message>
        <source>Alterar nome e descrição do grupo</source>
        <translation>Modifier le nom et la description du groupe</translation>
    </message>
    <message>
        <source>Alterar nome do grupo</source>
        <translation>Modifier le nom du groupe</translation>
    </message>
    <message>
        <source>Alterar descrição do grupo</source>
        <translation>Modifier la description du groupe</translation>
    </message>
    <message>
        <source>Alterar data de criação do grupo</source>
        <translation>Modifier la date de création du groupe</translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>Não é um arquivo comum (é uma pasta, um dispositivo ou um pipe).</source>
        <translation>Ce n’est pas un fichier ordinaire (c’est un dossier, un périphérique ou un tube).</translation>
    </message>
    <message>
        <source>O arquivo tem %1 bytes; um grupo de macros não passa de %2 bytes.</source>
        <translation>Le fichier fait %1 octets&#xa0;; un groupe de macros ne dépasse pas %2 octets.</translation>
    </message>
</context>
<context>
    <name>MacroJson</name>
    <message>
        <source>O valor %1 de &quot;%2&quot; não é um número inteiro; lido como %3.</source>
        <translation>La valeur %1 de &quot;%2&quot; n’est pas un nombre entier&#xa0;; lue comme %3.</translation>
    </message>
    <message>
        <source>O valor %1 de &quot;%2&quot; está fora do intervalo de %3 a %4; lido como %5.</source>
        <translation>La valeur %1 de &quot;%2&quot; est hors de l’intervalle de %3 à %4&#xa0;; lue comme %5.</translation>
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
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Opções</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>&amp;Ajuda</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Sobre a Macro</source>
        <translation>Informations sur la macro</translation>
    </message>
    <message>
        <source>Grupo de macros:</source>
        <translation>Groupe de macros&#xa0;:</translation>
    </message>
    <message>
        <source>Data de criação:</source>
        <translation>Date de création&#xa0;:</translation>
    </message>
    <message>
        <source>Descrição:</source>
        <translation>Description&#xa0;:</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Débogage</translation>
    </message>
    <message>
        <source>Novo grupo</source>
        <translation>Nouveau groupe</translation>
    </message>
    <message>
        <source>Novo grupo  (Ctrl+N)</source>
        <translation>Nouveau groupe  (Ctrl+N)</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Nova &amp;macro</source>
        <translation>Nouvelle &amp;macro</translation>
    </message>
    <message>
        <source>Nova macro  (Ctrl+M)</source>
        <translation>Nouvelle macro  (Ctrl+M)</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Carregar grupo</source>
        <translation>&amp;Ouvrir un groupe</translation>
    </message>
    <message>
        <source>Carregar grupo</source>
        <translation>Ouvrir un groupe</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Salvar grupo</source>
        <translation>&amp;Enregistrer le groupe</translation>
    </message>
    <message>
        <source>Salvar grupo (Ctrl+S)</source>
        <translation>Enregistrer le groupe (Ctrl+S)</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>S&amp;alvar grupo como...</source>
        <translation>Enregistrer le groupe &amp;sous...</translation>
    </message>
    <message>
        <source>Salvar grupo como</source>
        <translation>Enregistrer le groupe sous</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Fechar grupo</source>
        <translation>Fermer le groupe</translation>
    </message>
    <message>
        <source>Ctrl+F4</source>
        <translation>Ctrl+F4</translation>
    </message>
    <message>
        <source>Sa&amp;ir</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Deletar</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Deletar (Del)</source>
        <translation>Supprimer (Del)</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Selecionar tudo</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Selecionar tudo (Ctrl+A)</source>
        <translation>Tout sélectionner (Ctrl+A)</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>Seleção</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Seleção (Esc)</source>
        <translation>Sélection (Esc)</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Zoom mais</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom mais (Ctrl+Shift+I)</source>
        <translation>Zoom avant (Ctrl+Shift+I)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+I</source>
        <translation>Ctrl+Shift+I</translation>
    </message>
    <message>
        <source>Zoom menos</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Zoom menos (Ctrl+Shift+O)</source>
        <translation>Zoom arrière (Ctrl+Shift+O)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Mostrar grid</source>
        <translation>Afficher la grille</translation>
    </message>
    <message>
        <source>Mostrar grid (Ctrl+G)</source>
        <translation>Afficher la grille (Ctrl+G)</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>&amp;Detalhes</source>
        <translation>&amp;Détails</translation>
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
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Sobre Qt</source>
        <translation>À propos de &amp;Qt</translation>
    </message>
    <message>
        <source>sem grupo</source>
        <translation>aucun groupe</translation>
    </message>
    <message>
        <source>(sem descrição)</source>
        <translation>(aucune description)</translation>
    </message>
    <message>
        <source>Atenção!</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>O arquivo de dados zor.ini não foi encontrado.</source>
        <translation>Le fichier de données zor.ini est introuvable.</translation>
    </message>
    <message>
        <source>Ocorreram mudanças nas macros, deseja salvar
estas alterações?</source>
        <translation>Les macros ont été modifiées. Voulez-vous enregistrer
ces modifications&#xa0;?</translation>
    </message>
    <message>
        <source>Salvar</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Descartar</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Salvar como</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Arquivos de seq. de macros (*.%1)</source>
        <translation>Fichiers de séquence de macros (*.%1)</translation>
    </message>
    <message>
        <source>Erro!</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Esta versão do Zor irá salvar o arquivo no formato MCX. O arquivo original será mantido, porém as alterações serão salvas no novo formato.</source>
        <translation>Cette version de Zor enregistrera le fichier au format MCX. Le fichier d’origine sera conservé, mais les modifications seront enregistrées dans le nouveau format.</translation>
    </message>
    <message>
        <source>Abrir grupo de macros</source>
        <translation>Ouvrir un groupe de macros</translation>
    </message>
    <message>
        <source>Todos arquivos de seq. de macros (*.mcx *.mcr);;Arquivos de seq. de macros (*.mcx);;Arquivos de seq. de macros versão antiga (*.mcr)</source>
        <translation>Tous les fichiers de séquence de macros (*.mcx *.mcr);;Fichiers de séquence de macros (*.mcx);;Fichiers de séquence de macros, ancienne version (*.mcr)</translation>
    </message>
    <message>
        <source>Foram encontrados os seguintes caracteres não autorizados:</source>
        <translation>Les caractères non autorisés suivants ont été trouvés&#xa0;:</translation>
    </message>
    <message>
        <source>nas seguintes macros:</source>
        <translation>dans les macros suivantes&#xa0;:</translation>
    </message>
    <message>
        <source>Caracteres Incompatíveis</source>
        <translation>Caractères incompatibles</translation>
    </message>
    <message>
        <source>Deseja realizar a correção automática?</source>
        <translation>Voulez-vous les corriger automatiquement&#xa0;?</translation>
    </message>
    <message>
        <source>Sucesso</source>
        <translation>Opération réussie</translation>
    </message>
    <message>
        <source>Ajustes concluídos com sucesso</source>
        <translation>Corrections effectuées avec succès</translation>
    </message>
    <message>
        <source>Sim</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Não</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Arquivo inválido, necessário ajuste da tag na linha</source>
        <translation>Fichier non valide, la balise doit être corrigée à la ligne</translation>
    </message>
    <message>
        <source>&amp;Editar</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>Histórico</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>&lt;aberto&gt;</source>
        <translation>&lt;ouvert&gt;</translation>
    </message>
    <message>
        <source>&amp;Desfazer</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Desfazer (Ctrl+Z)</source>
        <translation>Annuler (Ctrl+Z)</translation>
    </message>
    <message>
        <source>&amp;Refazer</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Refazer (Ctrl+Shift+Z)</source>
        <translation>Rétablir (Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>&amp;Histórico</source>
        <translation>&amp;Historique</translation>
    </message>
    <message>
        <source>&amp;Desfazer %1</source>
        <translation>&amp;Annuler %1</translation>
    </message>
    <message>
        <source>&amp;Refazer %1</source>
        <translation>&amp;Rétablir %1</translation>
    </message>
    <message>
        <source>Sem nome</source>
        <translation>Sans nom</translation>
    </message>
    <message>
        <source>Comparar com...</source>
        <translation>Comparer avec...</translation>
    </message>
    <message>
        <source>Comparar o grupo aberto com outro arquivo de grupo</source>
        <translation>Comparer le groupe ouvert avec un autre fichier de groupe</translation>
    </message>
    <message>
        <source>Comparar com</source>
        <translation>Comparer avec</translation>
    </message>
    <message>
        <source>Si&amp;mular</source>
        <translation>Si&amp;muler</translation>
    </message>
    <message>
        <source>Simular o grupo no terminal do motorista (Ctrl+R)</source>
        <translation>Simuler le groupe sur le terminal du conducteur (Ctrl+R)</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>E&amp;xibir</source>
        <translation>Aff&amp;ichage</translation>
    </message>
    <message>
        <source>&amp;Exportar imagem...</source>
        <translation>E&amp;xporter l’image...</translation>
    </message>
    <message>
        <source>Exportar o fluxo do grupo como imagem PNG ou SVG</source>
        <translation>Exporter le flux du groupe en image PNG ou SVG</translation>
    </message>
    <message>
        <source>Im&amp;primir...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Imprimir o fluxo do grupo (Ctrl+P)</source>
        <translation>Imprimer le flux du groupe (Ctrl+P)</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Procurar macro</source>
        <translation>&amp;Chercher une macro</translation>
    </message>
    <message>
        <source>Procurar macro por número, sigla ou nome (Ctrl+F)</source>
        <translation>Chercher une macro par numéro, sigle ou nom (Ctrl+F)</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Próxima &amp;encontrada</source>
        <translation>Occurrence &amp;suivante</translation>
    </message>
    <message>
        <source>Próxima macro encontrada (F3)</source>
        <translation>Macro trouvée suivante (F3)</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>&amp;Anterior encontrada</source>
        <translation>Occurrence &amp;précédente</translation>
    </message>
    <message>
        <source>Macro encontrada anterior (Shift+F3)</source>
        <translation>Macro trouvée précédente (Shift+F3)</translation>
    </message>
    <message>
        <source>Shift+F3</source>
        <translation>Shift+F3</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100&#xa0;%</translation>
    </message>
    <message>
        <source>Zoom 100% (Ctrl+1)</source>
        <translation>Zoom 100&#xa0;% (Ctrl+1)</translation>
    </message>
    <message>
        <source>Ctrl+1</source>
        <translation>Ctrl+1</translation>
    </message>
    <message>
        <source>Ajustar à &amp;janela</source>
        <translation>A&amp;juster à la fenêtre</translation>
    </message>
    <message>
        <source>Ajustar o fluxo à janela (Ctrl+0)</source>
        <translation>Ajuster le flux à la fenêtre (Ctrl+0)</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>&amp;Verificação</source>
        <translation>&amp;Vérification</translation>
    </message>
    <message>
        <source>Nenhuma macro encontrada</source>
        <translation>Aucune macro trouvée</translation>
    </message>
    <message>
        <source>&amp;Organizar caixas</source>
        <translation>&amp;Organiser les boîtes</translation>
    </message>
    <message>
        <source>Organizar as caixas pelo fluxo, de cima para baixo; com caixas selecionadas, só elas (Ctrl+L)</source>
        <translation>Organiser les boîtes selon le flux, de haut en bas&#xa0;; avec des boîtes sélectionnées, seulement celles-ci (Ctrl+L)</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Grupo de Macros: %1</source>
        <translation>Groupe de macros&#xa0;: %1</translation>
    </message>
    <message>
        <source>Data de Criação: %1</source>
        <translation>Date de création&#xa0;: %1</translation>
    </message>
    <message>
        <source>Descrição: %1</source>
        <translation>Description&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 objetos selecionados</source>
        <translation>%1 objets sélectionnés</translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo %1</source>
        <translation>Impossible d’ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Não foi possível salvar o arquivo %1</source>
        <translation>Impossible d’enregistrer le fichier %1</translation>
    </message>
</context>
<context>
    <name>McrReader</name>
    <message>
        <source>O arquivo tem %1 bytes, menos que os %2 do cabeçalho de um arquivo .mcr.</source>
        <translation>Le fichier fait %1 octets, moins que les %2 de l’en-tête d’un fichier .mcr.</translation>
    </message>
    <message>
        <source>O arquivo termina antes do fim dos seus dados (%1).</source>
        <translation>Le fichier se termine avant la fin de ses données (%1).</translation>
    </message>
    <message>
        <source>O arquivo tem %1 bytes, menos que os %2 do cabeçalho: o grupo fica vazio.</source>
        <translation>Le fichier fait %1 octets, moins que les %2 de l’en-tête&#xa0;: le groupe reste vide.</translation>
    </message>
    <message>
        <source>Sobram %1 bytes depois do último registro completo; foram ignorados.</source>
        <translation>Il reste %1 octets après le dernier enregistrement complet&#xa0;; ils ont été ignorés.</translation>
    </message>
    <message>
        <source>A versão %1 é mais nova que a de qualquer arquivo .mcr.</source>
        <translation>La version %1 est plus récente que celle de tout fichier .mcr.</translation>
    </message>
    <message>
        <source>O comprimento do nome, %1, passa dos %2 bytes do campo e foi cortado.</source>
        <translation>La longueur du nom, %1, dépasse les %2 octets du champ et a été tronquée.</translation>
    </message>
    <message>
        <source>O comprimento da sigla, %1, passa dos %2 bytes do campo e foi cortado.</source>
        <translation>La longueur du sigle, %1, dépasse les %2 octets du champ et a été tronquée.</translation>
    </message>
</context>
<context>
    <name>McxReader</name>
    <message>
        <source>Erro de sintaxe JSON na linha %1, coluna %2 (byte %3): %4.</source>
        <translation>Erreur de syntaxe JSON à la ligne %1, colonne %2 (octet %3)&#xa0;: %4.</translation>
    </message>
    <message>
        <source>A versão do arquivo, %1, não pôde ser lida; o arquivo é lido no formato atual.</source>
        <translation>La version du fichier, %1, n’a pas pu être lue&#xa0;; le fichier est lu dans le format actuel.</translation>
    </message>
</context>
<context>
    <name>MoveBoxesCommand</name>
    <message>
        <source>Redimensionar %1 caixas</source>
        <translation>Redimensionner %1 boîtes</translation>
    </message>
    <message>
        <source>Mover %1 caixas</source>
        <translation>Déplacer %1 boîtes</translation>
    </message>
    <message>
        <source>Redimensionar caixa %1</source>
        <translation>Redimensionner la boîte %1</translation>
    </message>
    <message>
        <source>Mover caixa %1</source>
        <translation>Déplacer la boîte %1</translation>
    </message>
    <message>
        <source>Organizar caixas</source>
        <translation>Organiser les boîtes</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Utilisation&#xa0;: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[options]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Arguments&#xa0;:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l’aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Affiche l’aide, y compris les options propres à Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche les informations de version.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue&#xa0;: &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Options inconnues&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valeur manquante après &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valeur inattendue après &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Fichier ou dossier introuvable</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Plus d’espace disponible sur le périphérique</translation>
    </message>
</context>
<context>
    <name>QJsonParseError</name>
    <message>
        <source>unterminated object</source>
        <translation>objet non terminé</translation>
    </message>
    <message>
        <source>missing name separator</source>
        <translation>séparateur de nom manquant</translation>
    </message>
    <message>
        <source>unterminated array</source>
        <translation>tableau non terminé</translation>
    </message>
    <message>
        <source>missing value separator</source>
        <translation>séparateur de valeurs manquant</translation>
    </message>
    <message>
        <source>illegal value</source>
        <translation>valeur non valide</translation>
    </message>
    <message>
        <source>invalid termination by number</source>
        <translation>terminaison non valide par un nombre</translation>
    </message>
    <message>
        <source>illegal number</source>
        <translation>nombre non valide</translation>
    </message>
    <message>
        <source>invalid escape sequence</source>
        <translation>séquence d’échappement non valide</translation>
    </message>
    <message>
        <source>invalid UTF8 string</source>
        <translation>chaîne UTF-8 non valide</translation>
    </message>
    <message>
        <source>unterminated string</source>
        <translation>chaîne non terminée</translation>
    </message>
    <message>
        <source>object is missing after a comma</source>
        <translation>objet manquant après une virgule</translation>
    </message>
    <message>
        <source>too deeply nested document</source>
        <translation>document trop imbriqué</translation>
    </message>
    <message>
        <source>too large document</source>
        <translation>document trop volumineux</translation>
    </message>
    <message>
        <source>garbage at the end of the document</source>
        <translation>données superflues à la fin du document</translation>
    </message>
</context>
<context>
    <name>RecentFilesMenu</name>
    <message>
        <source>Atenção!</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>O arquivo %1 não existe mais e foi retirado da lista.</source>
        <translation>Le fichier %1 n’existe plus et a été retiré de la liste.</translation>
    </message>
    <message>
        <source>Abrir &amp;recente</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>&amp;Limpar lista</source>
        <translation>&amp;Vider la liste</translation>
    </message>
</context>
<context>
    <name>SimulateCommand</name>
    <message>
        <source>Não foi possível abrir o arquivo %1</source>
        <translation>Impossible d’ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Não foi possível ler o roteiro %1</source>
        <translation>Impossible de lire le script %1</translation>
    </message>
    <message>
        <source>linha %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>campo %1 (%2): escreva on ou off</source>
        <translation>champ %1 (%2)&#xa0;: écrivez on ou off</translation>
    </message>
</context>
<context>
    <name>SimulationScript</name>
    <message>
        <source>linha %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>&quot;open&quot; pede o número de uma macro: open 1</source>
        <translation>&quot;open&quot; demande le numéro d’une macro&#xa0;: open 1</translation>
    </message>
    <message>
        <source>&quot;field&quot; pede o número do campo, a partir de 1, e o texto: field 1 JOAO</source>
        <translation>&quot;field&quot; demande le numéro du champ, à partir de 1, et le texte&#xa0;: field 1 JOAO</translation>
    </message>
    <message>
        <source>&quot;next&quot; pede uma tecla de F0 a F9: next F1</source>
        <translation>&quot;next&quot; demande une touche de F0 à F9&#xa0;: next F1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não leva argumentos</source>
        <translation>&quot;%1&quot; ne prend pas d’arguments</translation>
    </message>
    <message>
        <source>passo desconhecido &quot;%1&quot; (open, field, send, next, back, screen)</source>
        <translation>étape inconnue &quot;%1&quot; (open, field, send, next, back, screen)</translation>
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
        <translation>RAC</translation>
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
        <translation>Obligatoire</translation>
    </message>
    <message>
        <source>Opcional</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <source>Tamanho do campo</source>
        <translation>Longueur du champ</translation>
    </message>
    <message>
        <source>Digite o tamanho do campo incluindo &apos;[&apos; e &apos;]&apos;:</source>
        <translation>Saisissez la longueur du champ, &apos;[&apos; et &apos;]&apos; compris&#xa0;:</translation>
    </message>
    <message>
        <source>Inserir comando</source>
        <translation>Insérer une commande</translation>
    </message>
    <message>
        <source>O tamanho do campo ultrapassa o fim da linha...</source>
        <translation>Le champ dépasse la fin de la ligne...</translation>
    </message>
    <message>
        <source>Este campo não pode ser inserido nesta posição...</source>
        <translation>Ce champ ne peut pas être inséré à cet emplacement...</translation>
    </message>
</context>
<context>
    <name>TerminalField</name>
    <message>
        <source>é um campo de marcar, sem texto</source>
        <translation>c’est un champ à cocher, sans texte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; é mais longo que o campo (%2 caracteres)</source>
        <translation>&quot;%1&quot; est plus long que le champ (%2 caractères)</translation>
    </message>
    <message>
        <source>o caractere &quot;%1&quot; não é aceito aqui</source>
        <translation>le caractère &quot;%1&quot; n’est pas accepté ici</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não é um número decimal</source>
        <translation>&quot;%1&quot; n’est pas un nombre décimal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não é uma data válida (dd/mm/aa)</source>
        <translation>&quot;%1&quot; n’est pas une date valide (jj/mm/aa)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não é uma hora válida (hh:mm)</source>
        <translation>&quot;%1&quot; n’est pas une heure valide (hh:mm)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não é uma data e hora válidas (dd/mm/aa hh:mm)</source>
        <translation>&quot;%1&quot; n’est pas une date et heure valides (jj/mm/aa hh:mm)</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <source>Senha</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Data/Hora</source>
        <translation>Date/Heure</translation>
    </message>
    <message>
        <source>Checagem</source>
        <translation>Case à cocher</translation>
    </message>
    <message>
        <source>Seleção</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Texto</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Numérico</source>
        <translation>Numérique</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Décimal</translation>
    </message>
</context>
<context>
    <name>TerminalForm</name>
    <message>
        <source>não é um campo de marcar</source>
        <translation>ce n’est pas un champ à cocher</translation>
    </message>
    <message>
        <source>uma seleção só sai ao escolher outra</source>
        <translation>une sélection ne s’enlève qu’en choisissant une autre</translation>
    </message>
    <message>
        <source>obrigatório, precisa ser marcado</source>
        <translation>obligatoire, il doit être coché</translation>
    </message>
    <message>
        <source>obrigatório, escolha uma das seleções da tela</source>
        <translation>obligatoire, choisissez une des sélections de l’écran</translation>
    </message>
    <message>
        <source>obrigatório, está vazio</source>
        <translation>obligatoire, il est vide</translation>
    </message>
    <message>
        <source>campo %1 (%2): %3</source>
        <translation>champ %1 (%2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>não há campo %1 nesta tela (campos: %2)</source>
        <translation>il n’y a pas de champ %1 sur cet écran (champs&#xa0;: %2)</translation>
    </message>
</context>
<context>
    <name>TerminalSession</name>
    <message>
        <source>volte à tela inicial para abrir outra macro</source>
        <translation>revenez à l’écran d’accueil pour ouvrir une autre macro</translation>
    </message>
    <message>
        <source>não há macro de número %1 no grupo</source>
        <translation>il n’y a pas de macro numéro %1 dans le groupe</translation>
    </message>
    <message>
        <source>abra uma macro primeiro</source>
        <translation>ouvrez d’abord une macro</translation>
    </message>
    <message>
        <source>a macro %1 é de informação: não tem campos nem é enviada</source>
        <translation>la macro %1 est une macro d’information&#xa0;: elle n’a pas de champs et n’est pas envoyée</translation>
    </message>
    <message>
        <source>a macro %1 já foi enviada</source>
        <translation>la macro %1 a déjà été envoyée</translation>
    </message>
    <message>
        <source>envie a macro %1 antes de seguir o fluxo</source>
        <translation>envoyez la macro %1 avant de suivre le flux</translation>
    </message>
    <message>
        <source>a macro %1 não tem macro na tecla F%2</source>
        <translation>la macro %1 n’a pas de macro sur la touche F%2</translation>
    </message>
    <message>
        <source>a tecla F%1 leva à sigla %2, que não existe no grupo</source>
        <translation>la touche F%1 mène au sigle %2, qui n’existe pas dans le groupe</translation>
    </message>
    <message>
        <source>já está na tela inicial</source>
        <translation>déjà sur l’écran d’accueil</translation>
    </message>
</context>
<context>
    <name>VerificationDock</name>
    <message>
        <source>Verificação</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>Nenhum problema</source>
        <translation>Aucun problème</translation>
    </message>
    <message>
        <source>1 problema</source>
        <translation>1 problème</translation>
    </message>
    <message>
        <source>%1 problemas</source>
        <translation>%1 problèmes</translation>
    </message>
    <message>
        <source>Nenhum grupo aberto.</source>
        <translation>Aucun groupe ouvert.</translation>
    </message>
    <message>
        <source>O grupo não tem problemas.</source>
        <translation>Le groupe n’a aucun problème.</translation>
    </message>
</context>
<context>
    <name>dlgAbout</name>
    <message>
        <source>Sobre o Zor - Quorvane</source>
        <translation>À propos de Zor - Quorvane</translation>
    </message>
    <message>
        <source>Zor - Quorvane
Versão: %1</source>
        <translation>Zor - Quorvane
Version&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>dlgConfigMacro</name>
    <message>
        <source>Configurar Macro</source>
        <translation>Configurer la macro</translation>
    </message>
    <message>
        <source>&amp;Número</source>
        <translation>&amp;Numéro</translation>
    </message>
    <message>
        <source>No&amp;me</source>
        <translation>No&amp;m</translation>
    </message>
    <message>
        <source>&amp;Atalho</source>
        <translation>&amp;Touche</translation>
    </message>
    <message>
        <source>&amp;Sigla</source>
        <translation>&amp;Sigle</translation>
    </message>
    <message>
        <source>&amp;Tipo</source>
        <translation>T&amp;ype</translation>
    </message>
    <message>
        <source>Início de viagem</source>
        <translation>Début de trajet</translation>
    </message>
    <message>
        <source>Parada</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Operação</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Solicitação</source>
        <translation>Demande</translation>
    </message>
    <message>
        <source>Reinício de viagem</source>
        <translation>Reprise de trajet</translation>
    </message>
    <message>
        <source>Fim de viagem</source>
        <translation>Fin de trajet</translation>
    </message>
    <message>
        <source>Especiais</source>
        <translation>Spéciales</translation>
    </message>
    <message>
        <source>Se&amp;gurança</source>
        <translation>Sé&amp;curité</translation>
    </message>
    <message>
        <source>&amp;Informação</source>
        <translation>&amp;Information</translation>
    </message>
    <message>
        <source>&amp;Formulário</source>
        <translation>&amp;Formulaire</translation>
    </message>
    <message>
        <source>Caracteres aceitos: 0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ,.;:?![] _-/$%</source>
        <translation>Caractères acceptés&#xa0;: 0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ,.;:?![] _-/$%</translation>
    </message>
    <message>
        <source>&amp;Validação</source>
        <translation>&amp;Validation</translation>
    </message>
    <message>
        <source>Estas propriedades não se aplicam para macros tipo &apos;Informação&apos;</source>
        <translation>Ces propriétés ne s’appliquent pas aux macros de type «&#xa0;Information&#xa0;»</translation>
    </message>
    <message>
        <source>A&amp;utomação</source>
        <translation>&amp;Automatisation</translation>
    </message>
    <message>
        <source>Atuação</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Mo&amp;do seguro</source>
        <translation>Mo&amp;de sécurisé</translation>
    </message>
    <message>
        <source>Sensores</source>
        <translation>Capteurs</translation>
    </message>
    <message>
        <source>Atuadores</source>
        <translation>Actionneurs</translation>
    </message>
    <message>
        <source>Vio&amp;lação</source>
        <translation>Vio&amp;lation</translation>
    </message>
    <message>
        <source>Item para análise</source>
        <translation>Élément à analyser</translation>
    </message>
    <message>
        <source>Tempo de análise (m:ss)</source>
        <translation>Durée d’analyse (m:ss)</translation>
    </message>
    <message>
        <source>Raio (m)</source>
        <translation>Rayon (m)</translation>
    </message>
    <message>
        <source>Flu&amp;xo Operacional </source>
        <translation>Flu&amp;x opérationnel </translation>
    </message>
    <message>
        <source>Configuração de próximas macros permitidas</source>
        <translation>Macros autorisées ensuite</translation>
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
        <translation>Valider</translation>
    </message>
    <message>
        <source>T&amp;exto de Confirmação</source>
        <translation>T&amp;exte de confirmation</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancelar</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <source>Senha</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Data/Hora</source>
        <translation>Date/Heure</translation>
    </message>
    <message>
        <source>Checagem</source>
        <translation>Case à cocher</translation>
    </message>
    <message>
        <source>Seleção</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Texto</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Numérico</source>
        <translation>Numérique</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Décimal</translation>
    </message>
    <message>
        <source>Atenção!</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>A violação de âncora foi selecionada, ao confirmar essa ação, o atalho será excluído</source>
        <translation>La violation d’ancre a été sélectionnée. Si vous confirmez, la touche sera supprimée.</translation>
    </message>
    <message>
        <source>Sim</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Não</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>O campo &apos;Numero&apos; deve ser maior que zero.</source>
        <translation>Le champ «&#xa0;Numéro&#xa0;» doit être supérieur à zéro.</translation>
    </message>
    <message>
        <source>O número da macro já existe.</source>
        <translation>Ce numéro de macro existe déjà.</translation>
    </message>
    <message>
        <source>Arquivo inválido, necessário ajuste da tag na linha</source>
        <translation>Fichier non valide, la balise doit être corrigée à la ligne</translation>
    </message>
    <message>
        <source>
O campo &apos;Sigla&apos; deve ser preenchido.</source>
        <translation>
Le champ «&#xa0;Sigle&#xa0;» doit être renseigné.</translation>
    </message>
    <message>
        <source>
A sigla da macro já existe.</source>
        <translation>
Ce sigle de macro existe déjà.</translation>
    </message>
    <message>
        <source>
O campo &apos;Atalho&apos; deve ser maior que zero e menor que 249.</source>
        <translation>
Le champ «&#xa0;Touche&#xa0;» doit être supérieur à zéro et inférieur à 249.</translation>
    </message>
    <message>
        <source>
O nome da macro não pode conter acentos!</source>
        <translation>
Le nom de la macro ne doit pas contenir d’accents&#xa0;!</translation>
    </message>
    <message>
        <source>
A sigla não pode conter acentos!</source>
        <translation>
Le sigle ne doit pas contenir d’accents&#xa0;!</translation>
    </message>
    <message>
        <source>Erro!</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Sigla da função F%1 não existe!</source>
        <translation>Le sigle de la fonction F%1 n’existe pas&#xa0;!</translation>
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
        <translation>Vérification terminée&#xa0;!</translation>
    </message>
    <message>
        <source>L: %1, C: %2</source>
        <translation>L&#xa0;: %1, C&#xa0;: %2</translation>
    </message>
    <message>
        <source>O valor de &apos;Violação de Âncora&apos;&apos; é menor que o mínimo permitido (</source>
        <translation>La valeur de «&#xa0;Violation d’Ancre&#xa0;» est inférieure au minimum autorisé (</translation>
    </message>
    <message>
        <source>O valor de &apos;Violação de Âncora&apos; é maior que o máximo permitido (</source>
        <translation>La valeur de «&#xa0;Violation d’Ancre&#xa0;» est supérieure au maximum autorisé (</translation>
    </message>
    <message>
        <source>Apenas %1 violações são permitidas!</source>
        <translation>Seules %1 violations sont autorisées&#xa0;!</translation>
    </message>
</context>
<context>
    <name>dlgGroup</name>
    <message>
        <source>Novo grupo de macros</source>
        <translation>Nouveau groupe de macros</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>(Nome do grupo)</source>
        <translation>(Nom du groupe)</translation>
    </message>
    <message>
        <source>Descrição</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>(Descrição do grupo)</source>
        <translation>(Description du groupe)</translation>
    </message>
    <message>
        <source>&amp;Novo</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Cancelar</source>
        <translation>&amp;Annuler</translation>
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
        <translation>Saisissez la description&#xa0;:</translation>
    </message>
    <message>
        <source>(sem nome)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>dlgNovaMacro</name>
    <message>
        <source>Inclusão de nova macro</source>
        <translation>Ajout d’une nouvelle macro</translation>
    </message>
    <message>
        <source>Número</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Atalho</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Sigla</source>
        <translation>Sigle</translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Início de viagem</source>
        <translation>Début de trajet</translation>
    </message>
    <message>
        <source>Parada</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Operação</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Solicitação</source>
        <translation>Demande</translation>
    </message>
    <message>
        <source>Reinício de viagem</source>
        <translation>Reprise de trajet</translation>
    </message>
    <message>
        <source>Fim de viagem</source>
        <translation>Fin de trajet</translation>
    </message>
    <message>
        <source>Especiais</source>
        <translation>Spéciales</translation>
    </message>
    <message>
        <source>Segurança</source>
        <translation>Sécurité</translation>
    </message>
    <message>
        <source>Informação</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>&amp;Incluir</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>&amp;Cancelar</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>O número da macro já existe.</source>
        <translation>Ce numéro de macro existe déjà.</translation>
    </message>
    <message>
        <source>O atalho da macro já existe.</source>
        <translation>Cette touche est déjà utilisée.</translation>
    </message>
    <message>
        <source>A sigla da macro já existe.</source>
        <translation>Ce sigle de macro existe déjà.</translation>
    </message>
    <message>
        <source>O nome da macro não pode conter acentos!</source>
        <translation>Le nom de la macro ne doit pas contenir d’accents&#xa0;!</translation>
    </message>
    <message>
        <source>A sigla não pode conter acentos!</source>
        <translation>Le sigle ne doit pas contenir d’accents&#xa0;!</translation>
    </message>
    <message>
        <source>
O campo &apos;Atalho&apos; deve ser maior que zero e menor que 249.</source>
        <translation>
Le champ «&#xa0;Touche&#xa0;» doit être supérieur à zéro et inférieur à 249.</translation>
    </message>
    <message>
        <source>O campo &quot;Número&quot; da macro deve ser preenchido!</source>
        <translation>Le champ «&#xa0;Numéro&#xa0;» de la macro doit être renseigné&#xa0;!</translation>
    </message>
    <message>
        <source>O campo &quot;Nome&quot;&apos; da macro deve ser preenchido!</source>
        <translation>Le champ «&#xa0;Nom&#xa0;» de la macro doit être renseigné&#xa0;!</translation>
    </message>
    <message>
        <source>O campo &quot;Sigla&quot; da macro deve ser preenchido!</source>
        <translation>Le champ «&#xa0;Sigle&#xa0;» de la macro doit être renseigné&#xa0;!</translation>
    </message>
    <message>
        <source>Deve ser definido o tipo da macro!</source>
        <translation>Le type de la macro doit être défini&#xa0;!</translation>
    </message>
    <message>
        <source>Erro!</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>dlgSimulator</name>
    <message>
        <source>Simulador do terminal</source>
        <translation>Simulateur du terminal</translation>
    </message>
    <message>
        <source>&amp;Macro:</source>
        <translation>&amp;Macro&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Abrir</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Enviar</source>
        <translation>&amp;Envoyer</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>Me&amp;nsagens enviadas</source>
        <translation>Messages e&amp;nvoyés</translation>
    </message>
    <message>
        <source>&amp;Fechar</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Digite o número de uma macro da lista.</source>
        <translation>Tapez le numéro d’une macro de la liste.</translation>
    </message>
    <message>
        <source>Tela inicial: digite o número de uma macro e Abrir. Page Up e Page Down mudam de página.</source>
        <translation>Écran d’accueil&#xa0;: tapez le numéro d’une macro et Ouvrir. Page précédente et Page suivante changent de page.</translation>
    </message>
    <message>
        <source>Macro %1 (%2): preencha os campos (Para cima, Para baixo e Enter mudam de campo; Espaço marca) e Enviar.</source>
        <translation>Macro %1 (%2)&#xa0;: remplissez les champs (Haut, Bas et Entrée changent de champ&#xa0;; Espace coche) et Envoyer.</translation>
    </message>
    <message>
        <source>Macro %1 (%2), de informação: siga por F0 a F9 (também Ctrl+0 a Ctrl+9) ou Voltar.</source>
        <translation>Macro %1 (%2), d’information&#xa0;: continuez par F0 à F9 (aussi Ctrl+0 à Ctrl+9) ou Retour.</translation>
    </message>
    <message>
        <source>Macro %1 (%2) enviada: siga por F0 a F9 (também Ctrl+0 a Ctrl+9) ou Voltar.</source>
        <translation>Macro %1 (%2) envoyée&#xa0;: continuez par F0 à F9 (aussi Ctrl+0 à Ctrl+9) ou Retour.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Enable debug logs</source>
        <translation>Active les journaux de débogage</translation>
    </message>
    <message>
        <source>Set application language to &lt;language&gt;.</source>
        <translation>Définit la langue du programme sur &lt;language&gt;.</translation>
    </message>
    <message>
        <source>Convert the group file IN to OUT without a window: --convert IN OUT. Each file&apos;s format follows its suffix (.mcr, or .mcx for any other).</source>
        <translation>Convertit le fichier de groupe IN en OUT sans ouvrir de fenêtre&#xa0;: --convert IN OUT. Le format de chaque fichier suit son extension (.mcr, ou .mcx pour toute autre).</translation>
    </message>
    <message>
        <source>Zor</source>
        <translation>Zor</translation>
    </message>
    <message>
        <source>File to open</source>
        <translation>Fichier à ouvrir</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Utilisation&#xa0;: %1</translation>
    </message>
    <message>
        <source>Check the group files FILE... against the terminal&apos;s rules without a window: --check FILE... Exit status 0 when nothing was found, 1 when something was, 2 when a file can&apos;t be read.</source>
        <translation>Vérifie les fichiers de groupe FILE... selon les règles du terminal sans ouvrir de fenêtre&#xa0;: --check FILE... Code de sortie 0 si rien n’a été trouvé, 1 si quelque chose l’a été, 2 si un fichier est illisible.</translation>
    </message>
    <message>
        <source>Draw the flow diagram of the group file IN into the picture OUT without a window: --export-image IN OUT. PNG or SVG by the suffix of OUT.</source>
        <translation>Dessine le diagramme de flux du fichier de groupe IN dans l’image OUT sans ouvrir de fenêtre&#xa0;: --export-image IN OUT. PNG ou SVG selon l’extension de OUT.</translation>
    </message>
    <message>
        <source>Pixels per diagram unit of --export-image (default 1).</source>
        <translation>Pixels par unité du diagramme pour --export-image (1 par défaut).</translation>
    </message>
    <message>
        <source>Compare the group files OLD and NEW by meaning without a window: --diff OLD NEW. Exit status 0 when they are the same, 1 when they differ, 2 when a file can&apos;t be read.</source>
        <translation>Compare selon leur sens les fichiers de groupe OLD et NEW sans ouvrir de fenêtre&#xa0;: --diff OLD NEW. Code de sortie 0 s’ils sont identiques, 1 s’ils diffèrent, 2 si un fichier est illisible.</translation>
    </message>
    <message>
        <source>With --diff: box positions and sizes count as changes too.</source>
        <translation>Avec --diff&#xa0;: les positions et tailles des boîtes comptent aussi comme modifications.</translation>
    </message>
    <message>
        <source>Report of --check and --diff: text (one line per finding or change, the default) or json.</source>
        <translation>Rapport de --check et --diff&#xa0;: text (une ligne par constat ou modification, par défaut) ou json.</translation>
    </message>
    <message>
        <source>Run the group file GROUP on a simulated driver terminal without a window: --simulate GROUP --script STEPS. Exit status 0 when every step was accepted, 1 when one was refused, 2 when the group or the script can&apos;t be read.</source>
        <translation>Exécute le fichier de groupe GROUP sur un terminal de conducteur simulé sans fenêtre&#xa0;: --simulate GROUP --script STEPS. Code de sortie 0 quand toutes les étapes ont été acceptées, 1 quand l’une a été refusée, 2 quand le groupe ou le script ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Steps of --simulate, one a line: open N, field K TEXT, send, next FK, back, screen.</source>
        <translation>Étapes de --simulate, une par ligne&#xa0;: open N, field K TEXT, send, next FK, back, screen.</translation>
    </message>
    <message>
        <source>With --convert or --export-image: lay the boxes out by their flow first, top to bottom.</source>
        <translation>Avec --convert ou --export-image&#xa0;: organise d’abord les boîtes selon le flux, de haut en bas.</translation>
    </message>
    <message>
        <source>With --check: how many files are read and checked at once (default: one per processor core).</source>
        <translation>Avec --check&#xa0;: combien de fichiers sont lus et vérifiés à la fois (par défaut&#xa0;: un par cœur du processeur).</translation>
    </message>
</context>
</TS>
