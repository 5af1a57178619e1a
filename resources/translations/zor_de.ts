<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="pt_BR">
<context>
    <name>AddMacroCommand</name>
    <message>
        <source>Nova macro %1</source>
        <translation>Neues Makro %1</translation>
    </message>
</context>
<context>
    <name>AnchorSettings</name>
    <message>
        <source>%1: o valor &quot;%2&quot; da chave &quot;%3&quot; da seção &quot;ancora&quot; não é um número de 0 a %4 e foi ignorado.</source>
        <translation>%1: Der Wert &quot;%2&quot; des Schlüssels &quot;%3&quot; im Abschnitt &quot;ancora&quot; ist keine Zahl von 0 bis %4 und wurde ignoriert.</translation>
    </message>
</context>
<context>
    <name>BoxArranger</name>
    <message>
        <source>Organizando as caixas pelo fluxo...</source>
        <translation>Die Kästen werden nach dem Ablauf angeordnet...</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Organizar caixas</source>
        <translation>Kästen anordnen</translation>
    </message>
    <message>
        <source>A organização das caixas foi descartada: o grupo mudou enquanto ela era calculada.</source>
        <translation>Die Anordnung der Kästen wurde verworfen: Die Gruppe hat sich während der Berechnung geändert.</translation>
    </message>
    <message>
        <source>As caixas já estão organizadas.</source>
        <translation>Die Kästen sind bereits angeordnet.</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>Não foi possível abrir o arquivo.</source>
        <translation>Die Datei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Sem a violação de âncora de &quot;zor.ini&quot; na pasta de trabalho: a sequência e o raio das macros com análise de âncora não serão verificados.</source>
        <translation>Die Ankerverletzung aus &quot;zor.ini&quot; fehlt im Arbeitsordner: Reihenfolge und Radius der Makros mit Ankeranalyse werden nicht geprüft.</translation>
    </message>
</context>
<context>
    <name>ConfigureMacroCommand</name>
    <message>
        <source>Configurar macro %1</source>
        <translation>Makro %1 konfigurieren</translation>
    </message>
</context>
<context>
    <name>ConvertCommand</name>
    <message>
        <source>Sem a violação de âncora de &quot;zor.ini&quot; na pasta de trabalho: os raios de âncora não serão convertidos.</source>
        <translation>Die Ankerverletzung aus &quot;zor.ini&quot; fehlt im Arbeitsordner: Ankerradien werden nicht konvertiert.</translation>
    </message>
    <message>
        <source>O arquivo de saída não pode ser o próprio arquivo de entrada: %1</source>
        <translation>Die Ausgabedatei darf nicht die Eingabedatei selbst sein: %1</translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo %1</source>
        <translation>Die Datei %1 konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Não foi possível salvar o arquivo %1</source>
        <translation>Die Datei konnte nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>CorrectCharactersCommand</name>
    <message>
        <source>Corrigir caracteres</source>
        <translation>Zeichen korrigieren</translation>
    </message>
</context>
<context>
    <name>DeleteMacrosCommand</name>
    <message>
        <source>Deletar macro %1</source>
        <translation>Makro %1 löschen</translation>
    </message>
    <message>
        <source>Deletar %1 macros</source>
        <translation>%1 Makros löschen</translation>
    </message>
</context>
<context>
    <name>DiffCommand</name>
    <message>
        <source>Sem o arquivo de dados %1: violações, reações e as outras listas aparecem pelo número.</source>
        <translation>Keine Datendatei %1: Verstöße, Reaktionen und die anderen Listen erscheinen als Nummern.</translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo.</source>
        <translation>Die Datei konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>DifferenceText</name>
    <message>
        <source>Grupo</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Início de viagem</source>
        <translation>Fahrtbeginn</translation>
    </message>
    <message>
        <source>Parada</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Operação</source>
        <translation>Vorgang</translation>
    </message>
    <message>
        <source>Solicitação</source>
        <translation>Anfrage</translation>
    </message>
    <message>
        <source>Reinício de viagem</source>
        <translation>Fahrtfortsetzung</translation>
    </message>
    <message>
        <source>Fim de viagem</source>
        <translation>Fahrtende</translation>
    </message>
    <message>
        <source>Especiais</source>
        <translation>Spezial</translation>
    </message>
    <message>
        <source>macro adicionada: %1</source>
        <translation>Makro hinzugefügt: %1</translation>
    </message>
    <message>
        <source>macro removida: %1</source>
        <translation>Makro entfernt: %1</translation>
    </message>
    <message>
        <source>macro renumerada: %1 -&gt; %2</source>
        <translation>Makro umnummeriert: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>nome: %1 -&gt; %2</source>
        <translation>Name: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>descrição: %1 -&gt; %2</source>
        <translation>Beschreibung: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>sigla: %1 -&gt; %2</source>
        <translation>Kürzel: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>atalho: %1 -&gt; %2</source>
        <translation>Taste: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>tipo: %1 -&gt; %2</source>
        <translation>Typ: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>Segurança</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>Informação</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>segurança ou informação: %1 -&gt; %2</source>
        <translation>Sicherheit oder Information: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>(nenhuma)</source>
        <translation>(keins)</translation>
    </message>
    <message>
        <source>próxima macro F%1: %2 -&gt; %3</source>
        <translation>Folgemakro F%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>validação adicionada: %1</source>
        <translation>Validierung hinzugefügt: %1</translation>
    </message>
    <message>
        <source>validação removida: %1</source>
        <translation>Validierung entfernt: %1</translation>
    </message>
    <message>
        <source>automação adicionada: %1</source>
        <translation>Automatisierung hinzugefügt: %1</translation>
    </message>
    <message>
        <source>automação removida: %1</source>
        <translation>Automatisierung entfernt: %1</translation>
    </message>
    <message>
        <source>sensor do modo seguro adicionado: %1</source>
        <translation>Sensor des sicheren Modus hinzugefügt: %1</translation>
    </message>
    <message>
        <source>sensor do modo seguro removido: %1</source>
        <translation>Sensor des sicheren Modus entfernt: %1</translation>
    </message>
    <message>
        <source>atuador do modo seguro adicionado: %1</source>
        <translation>Aktor des sicheren Modus hinzugefügt: %1</translation>
    </message>
    <message>
        <source>atuador do modo seguro removido: %1</source>
        <translation>Aktor des sicheren Modus entfernt: %1</translation>
    </message>
    <message>
        <source>violação %1: reação adicionada: %2</source>
        <translation>Verstoß %1: Reaktion hinzugefügt: %2</translation>
    </message>
    <message>
        <source>violação %1: reação removida: %2</source>
        <translation>Verstoß %1: Reaktion entfernt: %2</translation>
    </message>
    <message>
        <source>violação %1: tempo de análise: %2 -&gt; %3</source>
        <translation>Verstoß %1: Analysezeit: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>violação %1: raio: %2 m -&gt; %3 m</source>
        <translation>Verstoß %1: Radius: %2 m -&gt; %3 m</translation>
    </message>
    <message>
        <source>reações: %1</source>
        <translation>Reaktionen: %1</translation>
    </message>
    <message>
        <source>tempo de análise: %1</source>
        <translation>Analysezeit: %1</translation>
    </message>
    <message>
        <source>raio: %1 m</source>
        <translation>Radius: %1 m</translation>
    </message>
    <message>
        <source>violação adicionada: %1</source>
        <translation>Verstoß hinzugefügt: %1</translation>
    </message>
    <message>
        <source>violação removida: %1</source>
        <translation>Verstoß entfernt: %1</translation>
    </message>
    <message>
        <source>posição: (%1, %2) -&gt; (%3, %4)</source>
        <translation>Position: (%1, %2) -&gt; (%3, %4)</translation>
    </message>
    <message>
        <source>tamanho: %1 x %2 -&gt; %3 x %4</source>
        <translation>Größe: %1 x %2 -&gt; %3 x %4</translation>
    </message>
    <message>
        <source>formulário, linha %1: %2 -&gt; %3</source>
        <translation>Formular, Zeile %1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>texto de confirmação, linha %1: %2 -&gt; %3</source>
        <translation>Bestätigungstext, Zeile %1: %2 -&gt; %3</translation>
    </message>
</context>
<context>
    <name>DifferencesDock</name>
    <message>
        <source>Diferenças</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <source>Clique em uma linha para marcar a caixa da macro no grupo aberto</source>
        <translation>Klicken Sie auf eine Zeile, um das Kästchen des Makros in der offenen Gruppe zu markieren</translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo %1</source>
        <translation>Die Datei %1 konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Nenhuma diferença entre %1 e o grupo aberto.</source>
        <translation>Kein Unterschied zwischen %1 und der offenen Gruppe.</translation>
    </message>
    <message>
        <source>De %1 para o grupo aberto:</source>
        <translation>Von %1 zur offenen Gruppe:</translation>
    </message>
</context>
<context>
    <name>ExportImageCommand</name>
    <message>
        <source>A imagem teria %1 x %2 pixels; o máximo é %3 de cada lado.</source>
        <translation>Das Bild hätte %1 x %2 Pixel; höchstens %3 je Seite sind möglich.</translation>
    </message>
    <message>
        <source>A imagem teria %1 x %2 pixels; o máximo é %3 pixels ao todo.</source>
        <translation>Das Bild hätte %1 x %2 Pixel; höchstens %3 Pixel insgesamt sind möglich.</translation>
    </message>
    <message>
        <source>Escala inválida (use um número maior que zero): %1</source>
        <translation>Ungültiger Maßstab (eine Zahl größer als null angeben): %1</translation>
    </message>
    <message>
        <source>O arquivo de saída não pode ser o próprio arquivo de entrada: %1</source>
        <translation>Die Ausgabedatei darf nicht die Eingabedatei selbst sein: %1</translation>
    </message>
    <message>
        <source>Formato de imagem não suportado (use .png ou .svg): %1</source>
        <translation>Nicht unterstütztes Bildformat (.png oder .svg verwenden): %1</translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo %1</source>
        <translation>Die Datei %1 konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Não foi possível salvar o arquivo %1</source>
        <translation>Die Datei konnte nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>FileGuard</name>
    <message>
        <source>O arquivo %1 já está aberto em outro Zor.</source>
        <translation>Die Datei %1 ist bereits in einem anderen Zor geöffnet.</translation>
    </message>
    <message>
        <source>Se os dois o salvarem, as alterações salvas por último apagarão as outras.</source>
        <translation>Wenn beide sie speichern, löschen die zuletzt gespeicherten Änderungen die anderen.</translation>
    </message>
    <message>
        <source>Abrir mesmo assim</source>
        <translation>Trotzdem öffnen</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Sem nome</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Arquivo: nenhum, o grupo nunca foi salvo.</source>
        <translation>Datei: keine, die Gruppe wurde nie gespeichert.</translation>
    </message>
    <message>
        <source>Arquivo: %1</source>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>Cópia gravada em %1.</source>
        <translation>Kopie geschrieben am %1.</translation>
    </message>
    <message>
        <source>O Zor foi encerrado antes de salvar as alterações do grupo %1. Deseja recuperá-las?</source>
        <translation>Zor wurde beendet, bevor die Änderungen an der Gruppe %1 gespeichert wurden. Möchten Sie sie wiederherstellen?</translation>
    </message>
    <message>
        <source>Recuperar</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Descartar</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Depois</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>Atenção!</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>O arquivo %1 foi alterado por outro programa depois que foi aberto aqui.</source>
        <translation>Die Datei %1 wurde von einem anderen Programm geändert, nachdem sie hier geöffnet wurde.</translation>
    </message>
    <message>
        <source>Salvar agora apaga as alterações do outro programa.</source>
        <translation>Speichern löscht jetzt die Änderungen des anderen Programms.</translation>
    </message>
    <message>
        <source>Sobrescrever</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>O arquivo %1 foi alterado por outro programa.</source>
        <translation>Die Datei %1 wurde von einem anderen Programm geändert.</translation>
    </message>
    <message>
        <source>Deseja recarregá-lo?</source>
        <translation>Möchten Sie sie neu laden?</translation>
    </message>
    <message>
        <source>Recarregar</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Ignorar</source>
        <translation>Ignorieren</translation>
    </message>
</context>
<context>
    <name>FileSaver</name>
    <message>
        <source>Não é um arquivo comum (é uma pasta, um dispositivo ou um pipe) e não será substituído.</source>
        <translation>Das ist keine gewöhnliche Datei (sondern ein Ordner, ein Gerät oder eine Pipe) und wird nicht ersetzt.</translation>
    </message>
    <message>
        <source>O arquivo está protegido contra gravação.</source>
        <translation>Die Datei ist schreibgeschützt.</translation>
    </message>
</context>
<context>
    <name>FindField</name>
    <message>
        <source>Procurar macro</source>
        <translation>Makro suchen</translation>
    </message>
    <message>
        <source>Procurar macro por número, sigla ou nome (Ctrl+F); F3: próxima</source>
        <translation>Makro nach Nummer, Kürzel oder Name suchen (Ctrl+F); F3: nächstes</translation>
    </message>
</context>
<context>
    <name>FindingsModel</name>
    <message>
        <source>Regra</source>
        <translation>Regel</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
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
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>Imagem PNG (*.png);;Imagem SVG (*.svg)</source>
        <translation>PNG-Bild (*.png);;SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>Imprimir %1</source>
        <translation>%1 drucken</translation>
    </message>
</context>
<context>
    <name>FlowPrinter</name>
    <message>
        <source>Sem nome</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>Group</name>
    <message>
        <source>Não é possível criar macros seguidas com a análise de Âncoras, por favor consulte o manual e revise o sequenciamento das macros.</source>
        <translation>Makros mit Ankeranalyse dürfen nicht aufeinander folgen. Bitte lesen Sie im Handbuch nach und überprüfen Sie die Reihenfolge der Makros.</translation>
    </message>
    <message>
        <source>Atenção!</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>O arquivo foi gerado em uma versão mais antiga do Zor.</source>
        <translation>Die Datei wurde mit einer älteren Version von Zor erstellt.</translation>
    </message>
    <message>
        <source>O arquivo foi gerado em uma versão mais nova do Zor  e pode conter funcionalidades não suportadas. Faça o download da versão mais recente do Zor na página da Orvenda (</source>
        <translation>Die Datei wurde mit einer neueren Version von Zor erstellt und kann nicht unterstützte Funktionen enthalten. Die neueste Version von Zor gibt es auf der Website von Orvenda (</translation>
    </message>
    <message>
        <source>(e mais %1)</source>
        <translation>(und %1 weitere)</translation>
    </message>
    <message>
        <source>O arquivo %1 está danificado; foi lido assim mesmo:</source>
        <translation>Die Datei %1 ist beschädigt; sie wurde trotzdem gelesen:</translation>
    </message>
    <message>
        <source>Não é possível criar macros seguidas com a análise de Âncoras, por favor consulte o manual e revise o sequenciamento das macros. (Macro %1-&gt;%2)</source>
        <translation>Makros mit Ankeranalyse dürfen nicht aufeinander folgen. Bitte lesen Sie im Handbuch nach und überprüfen Sie die Reihenfolge der Makros. (Makro %1-&gt;%2)</translation>
    </message>
    <message>
        <source>Formato do arquivo inválido (%1).</source>
        <translation>Ungültiges Dateiformat (%1).</translation>
    </message>
</context>
<context>
    <name>GroupCheck</name>
    <message>
        <source>Caracteres não aceitos pelo terminal no formulário ou no texto de confirmação: %1</source>
        <translation>Vom Terminal nicht akzeptierte Zeichen im Formular oder im Bestätigungstext: %1</translation>
    </message>
    <message>
        <source>Marcador de campo malformado no formulário, linha %1.</source>
        <translation>Fehlerhafte Feldmarkierung im Formular, Zeile %1.</translation>
    </message>
    <message>
        <source>O nome contém caracteres não aceitos: %1</source>
        <translation>Der Name enthält unzulässige Zeichen: %1</translation>
    </message>
    <message>
        <source>A sigla contém caracteres não aceitos: %1</source>
        <translation>Das Kürzel enthält unzulässige Zeichen: %1</translation>
    </message>
    <message>
        <source>A sigla está vazia.</source>
        <translation>Das Kürzel ist leer.</translation>
    </message>
    <message>
        <source>A sigla %1 tem mais de %2 caracteres.</source>
        <translation>Das Kürzel %1 hat mehr als %2 Zeichen.</translation>
    </message>
    <message>
        <source>O número %1 já é usado pela macro %2.</source>
        <translation>Die Nummer %1 wird bereits von Makro %2 verwendet.</translation>
    </message>
    <message>
        <source>A sigla %1 já é usada pela macro de número %2.</source>
        <translation>Das Kürzel %1 wird bereits von Makro Nummer %2 verwendet.</translation>
    </message>
    <message>
        <source>O atalho %1 já é usado pela macro %2.</source>
        <translation>Die Taste %1 wird bereits von Makro %2 verwendet.</translation>
    </message>
    <message>
        <source>A sigla %1 da função F%2 não existe no grupo.</source>
        <translation>Das Kürzel %1 in F%2 existiert in der Gruppe nicht.</translation>
    </message>
    <message>
        <source>%1 macros seguintes; o terminal aceita no máximo %2.</source>
        <translation>%1 Folgemakros; das Terminal erlaubt höchstens %2.</translation>
    </message>
    <message>
        <source>Macros com análise de âncora em sequência: %1 -&gt; %2.</source>
        <translation>Makros mit Ankeranalyse hintereinander: %1 -&gt; %2.</translation>
    </message>
    <message>
        <source>O raio de âncora de %1 m está fora dos limites permitidos (%2 a %3 m).</source>
        <translation>Der Ankerradius von %1 m liegt außerhalb des zulässigen Bereichs (%2 bis %3 m).</translation>
    </message>
    <message>
        <source>%1 violações; o terminal aceita no máximo %2.</source>
        <translation>%1 Verstöße; das Terminal erlaubt höchstens %2.</translation>
    </message>
    <message>
        <source>O número %1 está fora do intervalo de %2 a %3.</source>
        <translation>Die Nummer %1 liegt außerhalb des Bereichs von %2 bis %3.</translation>
    </message>
    <message>
        <source>O atalho %1 está fora do intervalo de 0 a %2.</source>
        <translation>Das Kürzel %1 liegt außerhalb des Bereichs von 0 bis %2.</translation>
    </message>
    <message>
        <source>Macro com análise de âncora e atalho %1: uma macro com a violação de âncora não tem atalho.</source>
        <translation>Makro mit Ankeranalyse und Kürzel %1: Ein Makro mit der Ankerverletzung hat kein Kürzel.</translation>
    </message>
</context>
<context>
    <name>GroupHeaderCommand</name>
    <message>
        <source>Alterar nome e descrição do grupo</source>
        <translation>Gruppenname und -beschreibung ändern</translation>
    </message>
    <message>
        <source>Alterar nome do grupo</source>
        <translation>Gruppennamen ändern</translation>
    </message>
    <message>
        <source>Alterar descrição do grupo</source>
        <translation>Gruppenbeschreibung ändern</translation>
    </message>
    <message>
        <source>Alterar data de criação do grupo</source>
        <translation>Erstellungsdatum der Gruppe ändern</translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>Não é um arquivo comum (é uma pasta, um dispositivo ou um pipe).</source>
        <translation>Das ist keine gewöhnliche Datei (sondern ein Ordner, ein Gerät oder eine Pipe).</translation>
    </message>
    <message>
        <source>O arquivo tem %1 bytes; um grupo de macros não passa de %2 bytes.</source>
        <translation>Die Datei hat %1 Bytes; eine Makrogruppe ist nie größer als %2 Bytes.</translation>
    </message>
</context>
<context>
    <name>MacroJson</name>
    <message>
        <source>O valor %1 de &quot;%2&quot; não é um número inteiro; lido como %3.</source>
        <translation>Der Wert %1 von &quot;%2&quot; ist keine ganze Zahl; gelesen als %3.</translation>
    </message>
    <message>
        <source>O valor %1 de &quot;%2&quot; está fora do intervalo de %3 a %4; lido como %5.</source>
        <translation>Der Wert %1 von &quot;%2&quot; liegt außerhalb des Bereichs von %3 bis %4; gelesen als %5.</translation>
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
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Opções</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>&amp;Ajuda</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Sobre a Macro</source>
        <translation>Makro-Informationen</translation>
    </message>
    <message>
        <source>Grupo de macros:</source>
        <translation>Makrogruppe:</translation>
    </message>
    <message>
        <source>Data de criação:</source>
        <translation>Erstellt am:</translation>
    </message>
    <message>
        <source>Descrição:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Novo grupo</source>
        <translation>Neue Gruppe</translation>
    </message>
    <message>
        <source>Novo grupo  (Ctrl+N)</source>
        <translation>Neue Gruppe  (Ctrl+N)</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Nova &amp;macro</source>
        <translation>Neues &amp;Makro</translation>
    </message>
    <message>
        <source>Nova macro  (Ctrl+M)</source>
        <translation>Neues Makro  (Ctrl+M)</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Carregar grupo</source>
        <translation>Gruppe ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Carregar grupo</source>
        <translation>Gruppe öffnen</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Salvar grupo</source>
        <translation>Gruppe &amp;speichern</translation>
    </message>
    <message>
        <source>Salvar grupo (Ctrl+S)</source>
        <translation>Gruppe speichern (Ctrl+S)</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>S&amp;alvar grupo como...</source>
        <translation>Gruppe speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Salvar grupo como</source>
        <translation>Gruppe speichern unter</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Fechar grupo</source>
        <translation>Gruppe schließen</translation>
    </message>
    <message>
        <source>Ctrl+F4</source>
        <translation>Ctrl+F4</translation>
    </message>
    <message>
        <source>Sa&amp;ir</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Deletar</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Deletar (Del)</source>
        <translation>Löschen (Del)</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Selecionar tudo</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Selecionar tudo (Ctrl+A)</source>
        <translation>Alles auswählen (Ctrl+A)</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>Seleção</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Seleção (Esc)</source>
        <translation>Auswahl (Esc)</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Zoom mais</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom mais (Ctrl+Shift+I)</source>
        <translation>Vergrößern (Ctrl+Shift+I)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+I</source>
        <translation>Ctrl+Shift+I</translation>
    </message>
    <message>
        <source>Zoom menos</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Zoom menos (Ctrl+Shift+O)</source>
        <translation>Verkleinern (Ctrl+Shift+O)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Mostrar grid</source>
        <translation>Raster anzeigen</translation>
    </message>
    <message>
        <source>Mostrar grid (Ctrl+G)</source>
        <translation>Raster anzeigen (Ctrl+G)</translation>
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
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Sobre Qt</source>
        <translation>Über &amp;Qt</translation>
    </message>
    <message>
        <source>sem grupo</source>
        <translation>keine Gruppe</translation>
    </message>
    <message>
        <source>(sem descrição)</source>
        <translation>(keine Beschreibung)</translation>
    </message>
    <message>
        <source>Atenção!</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>O arquivo de dados zor.ini não foi encontrado.</source>
        <translation>Die Datendatei zor.ini wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Ocorreram mudanças nas macros, deseja salvar
estas alterações?</source>
        <translation>Die Makros wurden geändert. Möchten Sie diese
Änderungen speichern?</translation>
    </message>
    <message>
        <source>Salvar</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Descartar</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Salvar como</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Arquivos de seq. de macros (*.%1)</source>
        <translation>Makrosequenzdateien (*.%1)</translation>
    </message>
    <message>
        <source>Erro!</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Esta versão do Zor irá salvar o arquivo no formato MCX. O arquivo original será mantido, porém as alterações serão salvas no novo formato.</source>
        <translation>Diese Version von Zor speichert die Datei im MCX-Format. Die Originaldatei bleibt erhalten, die Änderungen werden jedoch im neuen Format gespeichert.</translation>
    </message>
    <message>
        <source>Abrir grupo de macros</source>
        <translation>Makrogruppe öffnen</translation>
    </message>
    <message>
        <source>Todos arquivos de seq. de macros (*.mcx *.mcr);;Arquivos de seq. de macros (*.mcx);;Arquivos de seq. de macros versão antiga (*.mcr)</source>
        <translation>Alle Makrosequenzdateien (*.mcx *.mcr);;Makrosequenzdateien (*.mcx);;Makrosequenzdateien, alte Version (*.mcr)</translation>
    </message>
    <message>
        <source>Foram encontrados os seguintes caracteres não autorizados:</source>
        <translation>Folgende unzulässige Zeichen wurden gefunden:</translation>
    </message>
    <message>
        <source>nas seguintes macros:</source>
        <translation>in folgenden Makros:</translation>
    </message>
    <message>
        <source>Caracteres Incompatíveis</source>
        <translation>Unzulässige Zeichen</translation>
    </message>
    <message>
        <source>Deseja realizar a correção automática?</source>
        <translation>Sollen sie automatisch korrigiert werden?</translation>
    </message>
    <message>
        <source>Sucesso</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Ajustes concluídos com sucesso</source>
        <translation>Korrekturen erfolgreich abgeschlossen</translation>
    </message>
    <message>
        <source>Sim</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Não</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Arquivo inválido, necessário ajuste da tag na linha</source>
        <translation>Ungültige Datei, die Feldmarkierung in folgender Zeile muss korrigiert werden:</translation>
    </message>
    <message>
        <source>&amp;Editar</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Histórico</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>&lt;aberto&gt;</source>
        <translation>&lt;geöffnet&gt;</translation>
    </message>
    <message>
        <source>&amp;Desfazer</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Desfazer (Ctrl+Z)</source>
        <translation>Rückgängig (Ctrl+Z)</translation>
    </message>
    <message>
        <source>&amp;Refazer</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Refazer (Ctrl+Shift+Z)</source>
        <translation>Wiederholen (Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>&amp;Histórico</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>&amp;Desfazer %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Refazer %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>Sem nome</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Comparar com...</source>
        <translation>Vergleichen mit...</translation>
    </message>
    <message>
        <source>Comparar o grupo aberto com outro arquivo de grupo</source>
        <translation>Die offene Gruppe mit einer anderen Gruppendatei vergleichen</translation>
    </message>
    <message>
        <source>Comparar com</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <source>Si&amp;mular</source>
        <translation>Si&amp;mulieren</translation>
    </message>
    <message>
        <source>Simular o grupo no terminal do motorista (Ctrl+R)</source>
        <translation>Die Gruppe am Fahrerterminal simulieren (Ctrl+R)</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>E&amp;xibir</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Exportar imagem...</source>
        <translation>Bild &amp;exportieren...</translation>
    </message>
    <message>
        <source>Exportar o fluxo do grupo como imagem PNG ou SVG</source>
        <translation>Den Ablauf der Gruppe als PNG- oder SVG-Bild exportieren</translation>
    </message>
    <message>
        <source>Im&amp;primir...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Imprimir o fluxo do grupo (Ctrl+P)</source>
        <translation>Den Ablauf der Gruppe drucken (Ctrl+P)</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Procurar macro</source>
        <translation>Makro &amp;suchen</translation>
    </message>
    <message>
        <source>Procurar macro por número, sigla ou nome (Ctrl+F)</source>
        <translation>Makro nach Nummer, Kürzel oder Name suchen (Ctrl+F)</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Próxima &amp;encontrada</source>
        <translation>&amp;Nächster Treffer</translation>
    </message>
    <message>
        <source>Próxima macro encontrada (F3)</source>
        <translation>Nächstes gefundenes Makro (F3)</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>&amp;Anterior encontrada</source>
        <translation>&amp;Vorheriger Treffer</translation>
    </message>
    <message>
        <source>Macro encontrada anterior (Shift+F3)</source>
        <translation>Vorheriges gefundenes Makro (Shift+F3)</translation>
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
        <translation>An &amp;Fenster anpassen</translation>
    </message>
    <message>
        <source>Ajustar o fluxo à janela (Ctrl+0)</source>
        <translation>Den Ablauf an das Fenster anpassen (Ctrl+0)</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>&amp;Verificação</source>
        <translation>&amp;Prüfung</translation>
    </message>
    <message>
        <source>Nenhuma macro encontrada</source>
        <translation>Kein Makro gefunden</translation>
    </message>
    <message>
        <source>&amp;Organizar caixas</source>
        <translation>Kästen &amp;anordnen</translation>
    </message>
    <message>
        <source>Organizar as caixas pelo fluxo, de cima para baixo; com caixas selecionadas, só elas (Ctrl+L)</source>
        <translation>Die Kästen nach dem Ablauf von oben nach unten anordnen; sind Kästen ausgewählt, nur diese (Ctrl+L)</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Grupo de Macros: %1</source>
        <translation>Makrogruppe: %1</translation>
    </message>
    <message>
        <source>Data de Criação: %1</source>
        <translation>Erstellt am: %1</translation>
    </message>
    <message>
        <source>Descrição: %1</source>
        <translation>Beschreibung: %1</translation>
    </message>
    <message>
        <source>%1 objetos selecionados</source>
        <translation>%1 Objekte ausgewählt</translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo %1</source>
        <translation>Die Datei %1 konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Não foi possível salvar o arquivo %1</source>
        <translation>Die Datei konnte nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>McrReader</name>
    <message>
        <source>O arquivo tem %1 bytes, menos que os %2 do cabeçalho de um arquivo .mcr.</source>
        <translation>Die Datei hat %1 Bytes, weniger als die %2 des Kopfes einer .mcr-Datei.</translation>
    </message>
    <message>
        <source>O arquivo termina antes do fim dos seus dados (%1).</source>
        <translation>Die Datei endet vor dem Ende ihrer Daten (%1).</translation>
    </message>
    <message>
        <source>O arquivo tem %1 bytes, menos que os %2 do cabeçalho: o grupo fica vazio.</source>
        <translation>Die Datei hat %1 Bytes, weniger als die %2 des Kopfes: Die Gruppe bleibt leer.</translation>
    </message>
    <message>
        <source>Sobram %1 bytes depois do último registro completo; foram ignorados.</source>
        <translation>Nach dem letzten vollständigen Datensatz bleiben %1 Bytes übrig; sie wurden ignoriert.</translation>
    </message>
    <message>
        <source>A versão %1 é mais nova que a de qualquer arquivo .mcr.</source>
        <translation>Die Version %1 ist neuer als die jeder .mcr-Datei.</translation>
    </message>
    <message>
        <source>O comprimento do nome, %1, passa dos %2 bytes do campo e foi cortado.</source>
        <translation>Die Länge des Namens, %1, überschreitet die %2 Bytes des Feldes und wurde gekürzt.</translation>
    </message>
    <message>
        <source>O comprimento da sigla, %1, passa dos %2 bytes do campo e foi cortado.</source>
        <translation>Die Länge des Kürzels, %1, überschreitet die %2 Bytes des Feldes und wurde gekürzt.</translation>
    </message>
</context>
<context>
    <name>McxReader</name>
    <message>
        <source>Erro de sintaxe JSON na linha %1, coluna %2 (byte %3): %4.</source>
        <translation>JSON-Syntaxfehler in Zeile %1, Spalte %2 (Byte %3): %4.</translation>
    </message>
    <message>
        <source>A versão do arquivo, %1, não pôde ser lida; o arquivo é lido no formato atual.</source>
        <translation>Die Version der Datei, %1, konnte nicht gelesen werden; die Datei wird im aktuellen Format gelesen.</translation>
    </message>
</context>
<context>
    <name>MoveBoxesCommand</name>
    <message>
        <source>Redimensionar %1 caixas</source>
        <translation>%1 Kästen skalieren</translation>
    </message>
    <message>
        <source>Mover %1 caixas</source>
        <translation>%1 Kästen verschieben</translation>
    </message>
    <message>
        <source>Redimensionar caixa %1</source>
        <translation>Kasten %1 skalieren</translation>
    </message>
    <message>
        <source>Mover caixa %1</source>
        <translation>Kasten %1 verschieben</translation>
    </message>
    <message>
        <source>Organizar caixas</source>
        <translation>Kästen anordnen</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[Optionen]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumente:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Befehlszeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt die Hilfe einschließlich der Qt-spezifischen Optionen an.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt die Versionsinformationen an.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option: &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Unbekannte Optionen: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Fehlender Wert nach &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Unerwarteter Wert nach &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Kein Platz mehr auf dem Gerät</translation>
    </message>
</context>
<context>
    <name>QJsonParseError</name>
    <message>
        <source>unterminated object</source>
        <translation>nicht abgeschlossenes Objekt</translation>
    </message>
    <message>
        <source>missing name separator</source>
        <translation>fehlendes Namenstrennzeichen</translation>
    </message>
    <message>
        <source>unterminated array</source>
        <translation>nicht abgeschlossenes Array</translation>
    </message>
    <message>
        <source>missing value separator</source>
        <translation>fehlendes Werttrennzeichen</translation>
    </message>
    <message>
        <source>illegal value</source>
        <translation>ungültiger Wert</translation>
    </message>
    <message>
        <source>invalid termination by number</source>
        <translation>ungültiger Abschluss durch eine Zahl</translation>
    </message>
    <message>
        <source>illegal number</source>
        <translation>ungültige Zahl</translation>
    </message>
    <message>
        <source>invalid escape sequence</source>
        <translation>ungültige Escape-Sequenz</translation>
    </message>
    <message>
        <source>invalid UTF8 string</source>
        <translation>ungültige UTF-8-Zeichenkette</translation>
    </message>
    <message>
        <source>unterminated string</source>
        <translation>nicht abgeschlossene Zeichenkette</translation>
    </message>
    <message>
        <source>object is missing after a comma</source>
        <translation>Objekt fehlt nach einem Komma</translation>
    </message>
    <message>
        <source>too deeply nested document</source>
        <translation>zu tief verschachteltes Dokument</translation>
    </message>
    <message>
        <source>too large document</source>
        <translation>zu großes Dokument</translation>
    </message>
    <message>
        <source>garbage at the end of the document</source>
        <translation>überzählige Daten am Ende des Dokuments</translation>
    </message>
</context>
<context>
    <name>RecentFilesMenu</name>
    <message>
        <source>Atenção!</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>O arquivo %1 não existe mais e foi retirado da lista.</source>
        <translation>Die Datei %1 gibt es nicht mehr; sie wurde aus der Liste entfernt.</translation>
    </message>
    <message>
        <source>Abrir &amp;recente</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Limpar lista</source>
        <translation>Liste &amp;leeren</translation>
    </message>
</context>
<context>
    <name>SimulateCommand</name>
    <message>
        <source>Não foi possível abrir o arquivo %1</source>
        <translation>Die Datei %1 konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Não foi possível ler o roteiro %1</source>
        <translation>Das Skript %1 konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>linha %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>campo %1 (%2): escreva on ou off</source>
        <translation>Feld %1 (%2): on oder off schreiben</translation>
    </message>
</context>
<context>
    <name>SimulationScript</name>
    <message>
        <source>linha %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>&quot;open&quot; pede o número de uma macro: open 1</source>
        <translation>&quot;open&quot; braucht die Nummer eines Makros: open 1</translation>
    </message>
    <message>
        <source>&quot;field&quot; pede o número do campo, a partir de 1, e o texto: field 1 JOAO</source>
        <translation>&quot;field&quot; braucht die Nummer des Feldes, ab 1, und den Text: field 1 JOAO</translation>
    </message>
    <message>
        <source>&quot;next&quot; pede uma tecla de F0 a F9: next F1</source>
        <translation>&quot;next&quot; braucht eine Taste von F0 bis F9: next F1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não leva argumentos</source>
        <translation>&quot;%1&quot; nimmt keine Argumente</translation>
    </message>
    <message>
        <source>passo desconhecido &quot;%1&quot; (open, field, send, next, back, screen)</source>
        <translation>unbekannter Schritt &quot;%1&quot; (open, field, send, next, back, screen)</translation>
    </message>
</context>
<context>
    <name>StartScreen</name>
    <message>
        <source>NUM</source>
        <translation>NR</translation>
    </message>
    <message>
        <source>ATL</source>
        <translation>TAS</translation>
    </message>
    <message>
        <source>SIG</source>
        <translation>KRZ</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MAKRO</translation>
    </message>
</context>
<context>
    <name>TabledEditor</name>
    <message>
        <source>Obrigatório</source>
        <translation>Pflichtfeld</translation>
    </message>
    <message>
        <source>Opcional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>Tamanho do campo</source>
        <translation>Feldlänge</translation>
    </message>
    <message>
        <source>Digite o tamanho do campo incluindo &apos;[&apos; e &apos;]&apos;:</source>
        <translation>Feldlänge einschließlich &apos;[&apos; und &apos;]&apos; eingeben:</translation>
    </message>
    <message>
        <source>Inserir comando</source>
        <translation>Befehl einfügen</translation>
    </message>
    <message>
        <source>O tamanho do campo ultrapassa o fim da linha...</source>
        <translation>Das Feld reicht über das Zeilenende hinaus...</translation>
    </message>
    <message>
        <source>Este campo não pode ser inserido nesta posição...</source>
        <translation>Dieses Feld kann an dieser Position nicht eingefügt werden...</translation>
    </message>
</context>
<context>
    <name>TerminalField</name>
    <message>
        <source>é um campo de marcar, sem texto</source>
        <translation>es ist ein Markierfeld ohne Text</translation>
    </message>
    <message>
        <source>&quot;%1&quot; é mais longo que o campo (%2 caracteres)</source>
        <translation>&quot;%1&quot; ist länger als das Feld (%2 Zeichen)</translation>
    </message>
    <message>
        <source>o caractere &quot;%1&quot; não é aceito aqui</source>
        <translation>das Zeichen &quot;%1&quot; ist hier nicht erlaubt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não é um número decimal</source>
        <translation>&quot;%1&quot; ist keine Dezimalzahl</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não é uma data válida (dd/mm/aa)</source>
        <translation>&quot;%1&quot; ist kein gültiges Datum (TT/MM/JJ)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não é uma hora válida (hh:mm)</source>
        <translation>&quot;%1&quot; ist keine gültige Uhrzeit (hh:mm)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não é uma data e hora válidas (dd/mm/aa hh:mm)</source>
        <translation>&quot;%1&quot; ist kein gültiges Datum mit Uhrzeit (TT/MM/JJ hh:mm)</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>Senha</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Data/Hora</source>
        <translation>Datum/Uhrzeit</translation>
    </message>
    <message>
        <source>Checagem</source>
        <translation>Kontrollkästchen</translation>
    </message>
    <message>
        <source>Seleção</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Texto</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Numérico</source>
        <translation>Numerisch</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Dezimal</translation>
    </message>
</context>
<context>
    <name>TerminalForm</name>
    <message>
        <source>não é um campo de marcar</source>
        <translation>es ist kein Markierfeld</translation>
    </message>
    <message>
        <source>uma seleção só sai ao escolher outra</source>
        <translation>eine Auswahl geht nur durch die Wahl einer anderen weg</translation>
    </message>
    <message>
        <source>obrigatório, precisa ser marcado</source>
        <translation>Pflichtfeld, muss markiert sein</translation>
    </message>
    <message>
        <source>obrigatório, escolha uma das seleções da tela</source>
        <translation>Pflichtfeld, eine der Auswahlen des Bildschirms wählen</translation>
    </message>
    <message>
        <source>obrigatório, está vazio</source>
        <translation>Pflichtfeld, es ist leer</translation>
    </message>
    <message>
        <source>campo %1 (%2): %3</source>
        <translation>Feld %1 (%2): %3</translation>
    </message>
    <message>
        <source>não há campo %1 nesta tela (campos: %2)</source>
        <translation>auf diesem Bildschirm gibt es kein Feld %1 (Felder: %2)</translation>
    </message>
</context>
<context>
    <name>TerminalSession</name>
    <message>
        <source>volte à tela inicial para abrir outra macro</source>
        <translation>zum Startbildschirm zurückkehren, um ein anderes Makro zu öffnen</translation>
    </message>
    <message>
        <source>não há macro de número %1 no grupo</source>
        <translation>die Gruppe hat kein Makro mit der Nummer %1</translation>
    </message>
    <message>
        <source>abra uma macro primeiro</source>
        <translation>zuerst ein Makro öffnen</translation>
    </message>
    <message>
        <source>a macro %1 é de informação: não tem campos nem é enviada</source>
        <translation>das Makro %1 ist ein Informationsmakro: es hat keine Felder und wird nicht gesendet</translation>
    </message>
    <message>
        <source>a macro %1 já foi enviada</source>
        <translation>das Makro %1 wurde schon gesendet</translation>
    </message>
    <message>
        <source>envie a macro %1 antes de seguir o fluxo</source>
        <translation>das Makro %1 senden, bevor der Ablauf weitergeht</translation>
    </message>
    <message>
        <source>a macro %1 não tem macro na tecla F%2</source>
        <translation>das Makro %1 hat kein Makro auf der Taste F%2</translation>
    </message>
    <message>
        <source>a tecla F%1 leva à sigla %2, que não existe no grupo</source>
        <translation>die Taste F%1 führt zum Kürzel %2, das es in der Gruppe nicht gibt</translation>
    </message>
    <message>
        <source>já está na tela inicial</source>
        <translation>schon auf dem Startbildschirm</translation>
    </message>
</context>
<context>
    <name>VerificationDock</name>
    <message>
        <source>Verificação</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Nenhum problema</source>
        <translation>Keine Probleme</translation>
    </message>
    <message>
        <source>1 problema</source>
        <translation>1 Problem</translation>
    </message>
    <message>
        <source>%1 problemas</source>
        <translation>%1 Probleme</translation>
    </message>
    <message>
        <source>Nenhum grupo aberto.</source>
        <translation>Keine Gruppe geöffnet.</translation>
    </message>
    <message>
        <source>O grupo não tem problemas.</source>
        <translation>Die Gruppe hat keine Probleme.</translation>
    </message>
</context>
<context>
    <name>dlgAbout</name>
    <message>
        <source>Sobre o Zor - Quorvane</source>
        <translation>Über Zor - Quorvane</translation>
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
        <translation>Makro konfigurieren</translation>
    </message>
    <message>
        <source>&amp;Número</source>
        <translation>&amp;Nummer</translation>
    </message>
    <message>
        <source>No&amp;me</source>
        <translation>N&amp;ame</translation>
    </message>
    <message>
        <source>&amp;Atalho</source>
        <translation>&amp;Taste</translation>
    </message>
    <message>
        <source>&amp;Sigla</source>
        <translation>&amp;Kürzel</translation>
    </message>
    <message>
        <source>&amp;Tipo</source>
        <translation>T&amp;yp</translation>
    </message>
    <message>
        <source>Início de viagem</source>
        <translation>Fahrtbeginn</translation>
    </message>
    <message>
        <source>Parada</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Operação</source>
        <translation>Vorgang</translation>
    </message>
    <message>
        <source>Solicitação</source>
        <translation>Anfrage</translation>
    </message>
    <message>
        <source>Reinício de viagem</source>
        <translation>Fahrtfortsetzung</translation>
    </message>
    <message>
        <source>Fim de viagem</source>
        <translation>Fahrtende</translation>
    </message>
    <message>
        <source>Especiais</source>
        <translation>Spezial</translation>
    </message>
    <message>
        <source>Se&amp;gurança</source>
        <translation>&amp;Sicherheit</translation>
    </message>
    <message>
        <source>&amp;Informação</source>
        <translation>&amp;Information</translation>
    </message>
    <message>
        <source>&amp;Formulário</source>
        <translation>&amp;Formular</translation>
    </message>
    <message>
        <source>Caracteres aceitos: 0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ,.;:?![] _-/$%</source>
        <translation>Zulässige Zeichen: 0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ,.;:?![] _-/$%</translation>
    </message>
    <message>
        <source>&amp;Validação</source>
        <translation>&amp;Validierung</translation>
    </message>
    <message>
        <source>Estas propriedades não se aplicam para macros tipo &apos;Informação&apos;</source>
        <translation>Diese Eigenschaften gelten nicht für Makros der Art „Information“</translation>
    </message>
    <message>
        <source>A&amp;utomação</source>
        <translation>A&amp;utomatisierung</translation>
    </message>
    <message>
        <source>Atuação</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>Mo&amp;do seguro</source>
        <translation>Sicherer &amp;Modus</translation>
    </message>
    <message>
        <source>Sensores</source>
        <translation>Sensoren</translation>
    </message>
    <message>
        <source>Atuadores</source>
        <translation>Aktoren</translation>
    </message>
    <message>
        <source>Vio&amp;lação</source>
        <translation>V&amp;erstöße</translation>
    </message>
    <message>
        <source>Item para análise</source>
        <translation>Analysepunkt</translation>
    </message>
    <message>
        <source>Tempo de análise (m:ss)</source>
        <translation>Analysezeit (m:ss)</translation>
    </message>
    <message>
        <source>Raio (m)</source>
        <translation>Radius (m)</translation>
    </message>
    <message>
        <source>Flu&amp;xo Operacional </source>
        <translation>&amp;Betriebsablauf </translation>
    </message>
    <message>
        <source>Configuração de próximas macros permitidas</source>
        <translation>Zulässige Folgemakros</translation>
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
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>T&amp;exto de Confirmação</source>
        <translation>Bestätigungste&amp;xt</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancelar</source>
        <translation>Abb&amp;rechen</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>Senha</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Data/Hora</source>
        <translation>Datum/Uhrzeit</translation>
    </message>
    <message>
        <source>Checagem</source>
        <translation>Kontrollkästchen</translation>
    </message>
    <message>
        <source>Seleção</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Texto</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Numérico</source>
        <translation>Numerisch</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Dezimal</translation>
    </message>
    <message>
        <source>Atenção!</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>A violação de âncora foi selecionada, ao confirmar essa ação, o atalho será excluído</source>
        <translation>Die Ankerverletzung wurde ausgewählt. Wenn Sie bestätigen, wird die Taste entfernt.</translation>
    </message>
    <message>
        <source>Sim</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Não</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>O campo &apos;Numero&apos; deve ser maior que zero.</source>
        <translation>Das Feld „Nummer“ muss größer als null sein.</translation>
    </message>
    <message>
        <source>O número da macro já existe.</source>
        <translation>Die Makronummer ist bereits vergeben.</translation>
    </message>
    <message>
        <source>Arquivo inválido, necessário ajuste da tag na linha</source>
        <translation>Ungültige Datei, die Feldmarkierung in folgender Zeile muss korrigiert werden:</translation>
    </message>
    <message>
        <source>
O campo &apos;Sigla&apos; deve ser preenchido.</source>
        <translation>
Das Feld „Kürzel“ muss ausgefüllt werden.</translation>
    </message>
    <message>
        <source>
A sigla da macro já existe.</source>
        <translation>
Das Makrokürzel ist bereits vergeben.</translation>
    </message>
    <message>
        <source>
O campo &apos;Atalho&apos; deve ser maior que zero e menor que 249.</source>
        <translation>
Das Feld „Taste“ muss größer als null und kleiner als 249 sein.</translation>
    </message>
    <message>
        <source>
O nome da macro não pode conter acentos!</source>
        <translation>
Der Makroname darf keine Akzente enthalten!</translation>
    </message>
    <message>
        <source>
A sigla não pode conter acentos!</source>
        <translation>
Das Kürzel darf keine Akzente enthalten!</translation>
    </message>
    <message>
        <source>Erro!</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Sigla da função F%1 não existe!</source>
        <translation>Das Kürzel in F%1 existiert nicht!</translation>
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
        <translation>Prüfung abgeschlossen!</translation>
    </message>
    <message>
        <source>L: %1, C: %2</source>
        <translation>Z: %1, S: %2</translation>
    </message>
    <message>
        <source>O valor de &apos;Violação de Âncora&apos;&apos; é menor que o mínimo permitido (</source>
        <translation>Der Wert der „Ankerverletzung“ ist kleiner als das zulässige Minimum (</translation>
    </message>
    <message>
        <source>O valor de &apos;Violação de Âncora&apos; é maior que o máximo permitido (</source>
        <translation>Der Wert der „Ankerverletzung“ ist größer als das zulässige Maximum (</translation>
    </message>
    <message>
        <source>Apenas %1 violações são permitidas!</source>
        <translation>Es sind nur %1 Verstöße zulässig!</translation>
    </message>
</context>
<context>
    <name>dlgGroup</name>
    <message>
        <source>Novo grupo de macros</source>
        <translation>Neue Makrogruppe</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>(Nome do grupo)</source>
        <translation>(Gruppenname)</translation>
    </message>
    <message>
        <source>Descrição</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>(Descrição do grupo)</source>
        <translation>(Gruppenbeschreibung)</translation>
    </message>
    <message>
        <source>&amp;Novo</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Cancelar</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>dlgGroupDesc</name>
    <message>
        <source>Descrição</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Entre com a descrição:</source>
        <translation>Beschreibung eingeben:</translation>
    </message>
    <message>
        <source>(sem nome)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>dlgNovaMacro</name>
    <message>
        <source>Inclusão de nova macro</source>
        <translation>Neues Makro hinzufügen</translation>
    </message>
    <message>
        <source>Número</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Atalho</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Sigla</source>
        <translation>Kürzel</translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Início de viagem</source>
        <translation>Fahrtbeginn</translation>
    </message>
    <message>
        <source>Parada</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Operação</source>
        <translation>Vorgang</translation>
    </message>
    <message>
        <source>Solicitação</source>
        <translation>Anfrage</translation>
    </message>
    <message>
        <source>Reinício de viagem</source>
        <translation>Fahrtfortsetzung</translation>
    </message>
    <message>
        <source>Fim de viagem</source>
        <translation>Fahrtende</translation>
    </message>
    <message>
        <source>Especiais</source>
        <translation>Spezial</translation>
    </message>
    <message>
        <source>Segurança</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>Informação</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>&amp;Incluir</source>
        <translation>A&amp;nlegen</translation>
    </message>
    <message>
        <source>&amp;Cancelar</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>O número da macro já existe.</source>
        <translation>Die Makronummer ist bereits vergeben.</translation>
    </message>
    <message>
        <source>O atalho da macro já existe.</source>
        <translation>Diese Taste ist bereits vergeben.</translation>
    </message>
    <message>
        <source>A sigla da macro já existe.</source>
        <translation>Das Makrokürzel ist bereits vergeben.</translation>
    </message>
    <message>
        <source>O nome da macro não pode conter acentos!</source>
        <translation>Der Makroname darf keine Akzente enthalten!</translation>
    </message>
    <message>
        <source>A sigla não pode conter acentos!</source>
        <translation>Das Kürzel darf keine Akzente enthalten!</translation>
    </message>
    <message>
        <source>
O campo &apos;Atalho&apos; deve ser maior que zero e menor que 249.</source>
        <translation>
Das Feld „Taste“ muss größer als null und kleiner als 249 sein.</translation>
    </message>
    <message>
        <source>O campo &quot;Número&quot; da macro deve ser preenchido!</source>
        <translation>Das Feld „Nummer“ des Makros muss ausgefüllt werden!</translation>
    </message>
    <message>
        <source>O campo &quot;Nome&quot;&apos; da macro deve ser preenchido!</source>
        <translation>Das Feld „Name“ des Makros muss ausgefüllt werden!</translation>
    </message>
    <message>
        <source>O campo &quot;Sigla&quot; da macro deve ser preenchido!</source>
        <translation>Das Feld „Kürzel“ des Makros muss ausgefüllt werden!</translation>
    </message>
    <message>
        <source>Deve ser definido o tipo da macro!</source>
        <translation>Der Makrotyp muss festgelegt werden!</translation>
    </message>
    <message>
        <source>Erro!</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>dlgSimulator</name>
    <message>
        <source>Simulador do terminal</source>
        <translation>Terminalsimulator</translation>
    </message>
    <message>
        <source>&amp;Macro:</source>
        <translation>&amp;Makro:</translation>
    </message>
    <message>
        <source>&amp;Abrir</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Enviar</source>
        <translation>&amp;Senden</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Me&amp;nsagens enviadas</source>
        <translation>Gesendete &amp;Nachrichten</translation>
    </message>
    <message>
        <source>&amp;Fechar</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Digite o número de uma macro da lista.</source>
        <translation>Die Nummer eines Makros der Liste eingeben.</translation>
    </message>
    <message>
        <source>Tela inicial: digite o número de uma macro e Abrir. Page Up e Page Down mudam de página.</source>
        <translation>Startbildschirm: die Nummer eines Makros eingeben und Öffnen. Bild auf und Bild ab blättern.</translation>
    </message>
    <message>
        <source>Macro %1 (%2): preencha os campos (Para cima, Para baixo e Enter mudam de campo; Espaço marca) e Enviar.</source>
        <translation>Makro %1 (%2): die Felder ausfüllen (Auf, Ab und Eingabe wechseln das Feld; Leertaste markiert) und Senden.</translation>
    </message>
    <message>
        <source>Macro %1 (%2), de informação: siga por F0 a F9 (também Ctrl+0 a Ctrl+9) ou Voltar.</source>
        <translation>Makro %1 (%2), Information: weiter mit F0 bis F9 (auch Ctrl+0 bis Ctrl+9) oder Zurück.</translation>
    </message>
    <message>
        <source>Macro %1 (%2) enviada: siga por F0 a F9 (também Ctrl+0 a Ctrl+9) ou Voltar.</source>
        <translation>Makro %1 (%2) gesendet: weiter mit F0 bis F9 (auch Ctrl+0 bis Ctrl+9) oder Zurück.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Enable debug logs</source>
        <translation>Aktiviert die Debug-Protokolle</translation>
    </message>
    <message>
        <source>Set application language to &lt;language&gt;.</source>
        <translation>Setzt die Sprache des Programms auf &lt;language&gt;.</translation>
    </message>
    <message>
        <source>Convert the group file IN to OUT without a window: --convert IN OUT. Each file&apos;s format follows its suffix (.mcr, or .mcx for any other).</source>
        <translation>Wandelt die Gruppendatei IN ohne Fenster in OUT um: --convert IN OUT. Das Format jeder Datei richtet sich nach ihrer Endung (.mcr, bei jeder anderen .mcx).</translation>
    </message>
    <message>
        <source>Zor</source>
        <translation>Zor</translation>
    </message>
    <message>
        <source>File to open</source>
        <translation>Zu öffnende Datei</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>Check the group files FILE... against the terminal&apos;s rules without a window: --check FILE... Exit status 0 when nothing was found, 1 when something was, 2 when a file can&apos;t be read.</source>
        <translation>Prüft die Gruppendateien FILE... ohne Fenster nach den Regeln des Terminals: --check FILE... Exit-Status 0, wenn nichts gefunden wurde, 1, wenn etwas gefunden wurde, 2, wenn eine Datei nicht lesbar ist.</translation>
    </message>
    <message>
        <source>Draw the flow diagram of the group file IN into the picture OUT without a window: --export-image IN OUT. PNG or SVG by the suffix of OUT.</source>
        <translation>Zeichnet das Ablaufdiagramm der Gruppendatei IN ohne Fenster in das Bild OUT: --export-image IN OUT. PNG oder SVG je nach Endung von OUT.</translation>
    </message>
    <message>
        <source>Pixels per diagram unit of --export-image (default 1).</source>
        <translation>Pixel je Diagrammeinheit bei --export-image (Standard 1).</translation>
    </message>
    <message>
        <source>Compare the group files OLD and NEW by meaning without a window: --diff OLD NEW. Exit status 0 when they are the same, 1 when they differ, 2 when a file can&apos;t be read.</source>
        <translation>Vergleicht die Gruppendateien OLD und NEW ohne Fenster nach ihrer Bedeutung: --diff OLD NEW. Exit-Status 0, wenn sie gleich sind, 1, wenn sie sich unterscheiden, 2, wenn eine Datei nicht lesbar ist.</translation>
    </message>
    <message>
        <source>With --diff: box positions and sizes count as changes too.</source>
        <translation>Mit --diff: Positionen und Größen der Kästchen zählen ebenfalls als Änderungen.</translation>
    </message>
    <message>
        <source>Report of --check and --diff: text (one line per finding or change, the default) or json.</source>
        <translation>Bericht von --check und --diff: text (eine Zeile je Befund oder Änderung, Standard) oder json.</translation>
    </message>
    <message>
        <source>Run the group file GROUP on a simulated driver terminal without a window: --simulate GROUP --script STEPS. Exit status 0 when every step was accepted, 1 when one was refused, 2 when the group or the script can&apos;t be read.</source>
        <translation>Führt die Gruppendatei GROUP ohne Fenster auf einem simulierten Fahrerterminal aus: --simulate GROUP --script STEPS. Exit-Status 0, wenn jeder Schritt angenommen wurde, 1, wenn einer abgelehnt wurde, 2, wenn die Gruppe oder das Skript nicht gelesen werden kann.</translation>
    </message>
    <message>
        <source>Steps of --simulate, one a line: open N, field K TEXT, send, next FK, back, screen.</source>
        <translation>Schritte von --simulate, einer pro Zeile: open N, field K TEXT, send, next FK, back, screen.</translation>
    </message>
    <message>
        <source>With --convert or --export-image: lay the boxes out by their flow first, top to bottom.</source>
        <translation>Mit --convert oder --export-image: die Kästen zuerst nach dem Ablauf von oben nach unten anordnen.</translation>
    </message>
    <message>
        <source>With --check: how many files are read and checked at once (default: one per processor core).</source>
        <translation>Mit --check: wie viele Dateien gleichzeitig gelesen und geprüft werden (Standard: eine pro Prozessorkern).</translation>
    </message>
</context>
</TS>
